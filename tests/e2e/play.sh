#!/usr/bin/env bash
# A person's session with the real program: moves by mouse and the computer's replies, a game
# saved and opened through the file dialog, undo, and the window's place and size kept from one
# run to the next.
#
#   play.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init play

start_pentavo
# Big enough to show the whole board (the default size hides its lower rows).
place_window "$MAIN_WID" 40 30 520 600
# The client area's corner: below and right of the frame, where a window manager draws one.
read -r ox oy _ _ <<<"$(window_geometry "$MAIN_WID")"

note "the opening: the computer's cross in the centre"
opening=$(board_with "$(empty_board)" 7 7 X)
expect_board "$opening" "opening"
shot start >/dev/null
# 400 twips to a cell and 15 twips to a pixel; the board starts 200 twips from the left edge.
within "$GRID_PITCH" 26.667 0.3 || fail "cell pitch is $GRID_PITCH pixels, expected 26.67"
within "$GRID_LEFT" "$((ox + 13))" 1.5 || fail "board's left edge at x=$GRID_LEFT, expected $ox + 13.3"
# The divider under the toolbar lies 480 twips down the client area, the board 600: find the
# divider left of the board (below menu bar and toolbar, whatever their heights) and compare.
divider=$(convert "$LAST_SHOT" -crop "1x$((${GRID_TOP%.*} - oy))+$((ox + 3))+$oy" +repage txt:- |
    awk -F'[:,() ]+' -v top="$oy" 'NR > 1 && $4 < 100 && $5 < 100 && $6 < 100 {print $2 + top; exit}')
within "$GRID_TOP" "$((${divider:-0} + 8))" 1.5 ||
    fail "the board's top edge is at y=$GRID_TOP, the divider at y=${divider:-none}: not 120 twips apart"
read -r cx cy <<<"$(cell_xy 7 7)"
[ "$(pixel "$LAST_SHOT" "$cx" "$cy")" = "srgb(160,0,0)" ] ||
    fail "the centre of the cross is $(pixel "$LAST_SHOT" "$cx" "$cy"), not dark red (160,0,0)"
read -r cx cy <<<"$(cell_xy 0 0)"
[ "$(pixel "$LAST_SHOT" "$cx" "$cy")" = "srgb(255,255,255)" ] || fail "an empty cell is not white"

note "View > Toolbar and View > Status Bar hide the bars; the board stays where it is"
board_at="$GRID_LEFT $GRID_TOP"
toggle_bars() {
    menu_item alt+v t
    menu_item alt+v b
}
strip="475x24+$ox+$((oy + 30))"
# toolbar_is SHOWN|HIDDEN: the last picture shows the opening, and the toolbar's strip as at the
# start or not.
toolbar_is() {
    look current && [ "$BOARD" = "$opening" ] || return 1
    if cmp -s <(convert "$LAST_SHOT" -crop "$strip" +repage rgb:-) \
        <(convert "$SHOTS/start.png" -crop "$strip" +repage rgb:-); then
        [ "$1" = shown ]
    else
        [ "$1" = hidden ]
    fi
}
toggle_bars
poll toolbar_is hidden || fail "the toolbar's strip looks the same with the toolbar hidden"
[ "$GRID_LEFT $GRID_TOP" = "$board_at" ] || fail "the board moved from $board_at to $GRID_LEFT $GRID_TOP"
shot bars-hidden >/dev/null
toggle_bars
poll toolbar_is shown || fail "the toolbar's strip is not as at the start with the toolbar shown again"
[ "$GRID_LEFT $GRID_TOP" = "$board_at" ] || fail "the board moved when the bars came back"

# play COL ROW: the person's circle, then exactly one new cross from the computer at (rc, rr).
moves=("$(move_code 7 7)")
board=$opening
play() {
    local col=$1 row=$2 count diff
    count=$(marks_on <<<"$board")
    click_cell "$col" "$row"
    wait_marks $((count + 2))
    diff=$(board_diff "$board" "$BOARD")
    grep -qx "$col $row \. O" <<<"$diff" || fail "no circle at ($col,$row) after clicking it; changes: $diff"
    reply=$(grep -v "^$col $row " <<<"$diff" || true)
    if [ "$(wc -l <<<"$reply")" -ne 1 ] || ! grep -q ' \. X$' <<<"$reply"; then
        fail "the computer did not answer with one cross; changes: $diff"
    fi
    read -r rc rr _ <<<"$reply"
    note "circle at ($col,$row), the computer's cross at ($rc,$rr)"
    moves+=("$(move_code "$col" "$row")" "$(move_code "$rc" "$rr")")
    board=$BOARD
}

play 3 3
play 11 4
play 2 12
shot during-game >/dev/null

note "a click on an occupied cell and one outside the board change nothing"
click_cell 7 7
read -r cx cy <<<"$(cell_xy 0 0)"
click_at "$((cx - 40))" "$cy"
wait_handled
expect_board "$board" "after clicks that must be ignored"

note "File > Save by Ctrl+S and the file dialog: 225 bytes of move codes"
saved=$board
keys_to "$MAIN_WID" ctrl+s
choose_file Save "$FILES/game.pnv"
poll test -s "$FILES/game.pnv" || fail "no file written"
record_bytes "${moves[@]}" >"$e2e_scratch/expected.pnv"
cmp "$e2e_scratch/expected.pnv" "$FILES/game.pnv" || {
    od -An -tu1 "$FILES/game.pnv" | head -3
    fail "the saved record is not the moves in order followed by zeros"
}

note "File > New, then File > Open restores the saved position"
keys_to "$MAIN_WID" ctrl+n
expect_board "$opening" "after New"
keys_to "$MAIN_WID" ctrl+o
choose_file Open "$FILES/game.pnv"
expect_board "$saved" "after Open"
shot opened >/dev/null

note "Edit > Undo by Ctrl+Z takes back the last two marks"
keys_to "$MAIN_WID" ctrl+z
undone=$(board_with "$(board_with "$saved" 2 12 .)" "$rc" "$rr" .)
expect_board "$undone" "after Undo"
unset 'moves[-1]' 'moves[-1]'

note "a save after the undo leaves the moves taken back out"
keys_to "$MAIN_WID" ctrl+s
choose_file Save "$FILES/undone.pnv"
poll test -s "$FILES/undone.pnv" || fail "no file written after Undo"
record_bytes "${moves[@]}" >"$e2e_scratch/expected-undone.pnv"
cmp "$e2e_scratch/expected-undone.pnv" "$FILES/undone.pnv" || fail "the record after Undo is wrong"

note "the window moved and resized, then File > Exit by Ctrl+X keeps its geometry in twips"
place_window "$MAIN_WID" 120 90 560 620
# The frame's edges, as the program stores them (the window itself where there is no frame).
left=$(frame_geometry "$MAIN_WID")
read -r _ _ fw fh <<<"$left"
quit_by_keys
[ -f "$CONF" ] || fail "no settings file at $CONF"
for expected in MainLeft=1800 MainTop=1350 "MainWidth=$((fw * 15))" "MainHeight=$((fh * 15))"; do
    key=${expected%=*}
    value=$(setting "$key")
    within "${value:-none}" "${expected#*=}" 0 2>/dev/null ||
        fail "$key is '${value}' in the settings, expected ${expected#*=}; file: $(cat "$CONF")"
done

note "the next start finds the window where it was left, with a new game"
start_pentavo
[ "$(frame_geometry "$MAIN_WID")" = "$left" ] ||
    fail "restored geometry is $(frame_geometry "$MAIN_WID"), expected $left as left"
expect_board "$opening" "second start"

note "Help > Contents opens the help window; File > Exit closes it with the main window"
menu_item alt+h c
help=$(wait_window '^Pentavo Help$') ||
    fail "no help window (is the help file there, beside $PENTAVO?)"
# Where a window manager puts the window is known once it has settled.
still_shot help "$help" >/dev/null
read -r hx hy hw hh <<<"$(frame_geometry "$help")"
((hx >= 0 && hy >= 0 && hx + hw <= 1280 && hy + hh <= 1024)) ||
    fail "the help window ($hx $hy $hw $hh) is not wholly on the screen"
note "Esc closes the help window"
keys_to "$help" Escape
wait_window_gone "$help" || fail "Esc did not close the help window"
menu_item alt+h c
wait_window '^Pentavo Help$' >/dev/null || fail "Help > Contents did not open the help window again"
menu_item alt+f x
wait_exit
note "passed"
