#!/usr/bin/env bash
# A whole game played by clicks and lost: the computer completes five crosses, says so in a
# message box, and the board then takes no more moves until Undo; once the box is closed the
# keyboard reaches the main window again. On the way: the hint before the last move is the
# tournament engine's reply for the person's circles; View > Show Winning Five lines the five and
# nothing else; Undo twice and Redo twice give the same record; the game counts once.
#
#   lose.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init lose

# Circles away from the computer's diagonal; the computer plays the same replies every time.
clicks=("3 3" "11 4" "2 12" "0 14")

start_pentavo
place_window "$MAIN_WID" 40 30 520 600
board=$(board_with "$(empty_board)" 7 7 X)
expect_board "$board" "opening"

message_box() {
    windows_named '^Pentavo$' | grep -vx "$MAIN_WID" || true
}

# The cell of a screen position, from the last board read.
cell_at() {
    awk -v l="$GRID_LEFT" -v t="$GRID_TOP" -v p="$GRID_PITCH" -v x="$1" -v y="$2" \
        'BEGIN {printf "%d %d\n", int((x - l) / p), int((y - t) / p)}'
}

# The tournament engine's reply when it plays the circles of BOARD: "COL ROW".
engine_reply_for_circles() {
    {
        echo "START 15"
        echo "BOARD"
        awk '{for (c = 1; c <= 15; c++) {m = substr($0, c, 1)
              if (m == "O") print c - 1 "," NR - 1 ",1"; if (m == "X") print c - 1 "," NR - 1 ",2"}}' <<<"$1"
        echo "DONE"
        echo "END"
    } | "$BUILD_DIR/bin/pbrain-pentavo" | grep -E '^[0-9]+,[0-9]+$' | tr ',' ' '
}

# "COL ROW" of each cell of the five (or more) crosses in a row on BOARD, one a line.
crosses_five() {
    awk '{row[NR - 1] = $0}
         function at(c, r) {return c >= 0 && c < 15 && r >= 0 && r < 15 && substr(row[r], c + 1, 1) == "X"}
         END {split("1 0 0 1 1 1 -1 1", d)
              for (r = 0; r < 15; r++) for (c = 0; c < 15; c++) for (k = 1; k < 8; k += 2) {
                  if (at(c - d[k], r - d[k + 1])) continue
                  n = 0; while (at(c + n * d[k], r + n * d[k + 1])) n++
                  if (n >= 5) {for (i = 0; i < n; i++) print c + i * d[k], r + i * d[k + 1]; exit}
              }}' <<<"$1"
}

n=0
for click in "${clicks[@]}"; do
    n=$((n + 1))
    read -r col row <<<"$click"
    count=$(marks_on <<<"$board")
    if ((n == ${#clicks[@]})); then
        note "the hint: H on the board frames the tournament engine's reply for the circles"
        plain=$(shot before-hint)
        keys_to "$MAIN_WID" h
        poll board_differs "$plain" || fail "H drew no frame on the board"
        hinted=$(shot hint)
        read -r hx hy hw hh <<<"$(changed_box "$plain" "$hinted")"
        # shellcheck disable=SC2046 # two numbers
        hint=$(cell_at $((hx + hw / 2)) $((hy + hh / 2)))
        expected=$(engine_reply_for_circles "$board")
        [ -n "$expected" ] || fail "the tournament engine gave no reply"
        [ "$hint" = "$expected" ] || fail "the hint frames cell $hint, the engine plays $expected"
        # A frame inside one cell, and no mark in it: nothing was played.
        within "$hw" 0 "$GRID_PITCH" && within "$hh" 0 "$GRID_PITCH" ||
            fail "H changed more than one cell: ${hw}x$hh"
        # shellcheck disable=SC2086 # two numbers
        read -r x y <<<"$(cell_xy $hint)"
        [ "$(pixel "$plain" "$x" "$y")" = "$(pixel "$hinted" "$x" "$y")" ] ||
            fail "the hint's cell $hint changed in its centre, as if a mark was played"
    fi
    click_cell "$col" "$row"
    if ((n < ${#clicks[@]})); then
        wait_marks $((count + 2))
        [ "$FIVE" = - ] || fail "five in a row after move $n, earlier than this game goes"
        [ -z "$(message_box)" ] || fail "a message box after move $n, before the game is over"
        board=$BOARD
        continue
    fi
    before=$board
    note "the last circle at ($col,$row): the computer's fifth cross and its message"
    box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message box after the winning cross"
    still_shot i-win "$box" >/dev/null
    read -r _ _ bw bh <<<"$(window_geometry "$box")"
    ((bw < 400 && bh < 300)) || fail "the window that appeared (${bw}x$bh) is no message box"
    keys_to "$box" Return
    wait_window_gone "$box" || fail "Return did not close the message box"
done

wait_marks $((count + 2))
[ "$FIVE" = X ] || fail "the computer's five crosses are not on the board"
[ "$(board_diff "$before" "$BOARD" | wc -l)" -eq 2 ] || fail "the last turn changed more than two cells"
board=$BOARD
shot lost >/dev/null
[ "$(stored_statistic Lost)" = 1 ] || fail "the lost game is not counted once: $(cat "$CONF")"

note "View > Show Winning Five: pixels change along the five crosses and nowhere else"
five=$(crosses_five "$board")
[ "$(wc -l <<<"$five")" -ge 5 ] || fail "no five crosses found on the board read"
plain=$(shot five-off)
choose_from_menu v w
poll board_differs "$plain" || fail "Show Winning Five drew nothing"
lined=$(shot five-on)
read -r bx by bw bh <<<"$(changed_box "$plain" "$lined")"
while read -r c r; do
    # shellcheck disable=SC2046 # two numbers
    read -r x y <<<"$(cell_xy "$c" "$r")"
    [ "$(pixel "$plain" "$x" "$y")" != "$(pixel "$lined" "$x" "$y")" ] ||
        fail "the line does not cross the centre of cell ($c,$r)"
done <<<"$five"
read -r c0 r0 <<<"$(head -1 <<<"$five")"
read -r c1 r1 <<<"$(tail -1 <<<"$five")"
read -r left top <<<"$(awk -v l="$GRID_LEFT" -v t="$GRID_TOP" -v p="$GRID_PITCH" -v a="$c0" -v b="$c1" -v c="$r0" -v d="$r1" \
    'BEGIN {printf "%d %d\n", l + (a < b ? a : b) * p, t + (c < d ? c : d) * p}')"
span=$(awk -v p="$GRID_PITCH" -v a="$c0" -v b="$c1" -v c="$r0" -v d="$r1" \
    'BEGIN {w = a - b; if (w < 0) w = -w; h = c - d; if (h < 0) h = -h; printf "%d %d\n", (w + 1) * p, (h + 1) * p}')
read -r sw sh <<<"$span"
awk -v x="$bx" -v y="$by" -v w="$bw" -v h="$bh" -v l="$left" -v t="$top" -v sw="$sw" -v sh="$sh" \
    'BEGIN {exit !(x >= l && y >= t && x + w <= l + sw + 1 && y + h <= t + sh + 1)}' ||
    fail "pixels changed at $bx,$by ${bw}x$bh, outside the five's cells at $left,$top ${sw}x$sh"
choose_from_menu v w
poll board_differs "$lined" || fail "Show Winning Five did not go off again"
expect_board "$board" "the line taken away"

note "Undo twice, then Redo (Ctrl+Y) and Redo (Ctrl+Shift+Z): the same game, byte for byte"
keys_to "$MAIN_WID" ctrl+s
choose_file Save "$FILES/won.pnv"
poll test -s "$FILES/won.pnv" || fail "no record written by Ctrl+S"
keys_to "$MAIN_WID" ctrl+z
wait_marks $((count))
keys_to "$MAIN_WID" ctrl+z
wait_marks $((count - 2))
keys_to "$MAIN_WID" ctrl+y
wait_marks $((count))
keys_to "$MAIN_WID" ctrl+shift+z
expect_board "$board" "after Undo twice and Redo twice"
keys_to "$MAIN_WID" ctrl+s
choose_file Save "$FILES/redone.pnv"
poll test -s "$FILES/redone.pnv" || fail "no record written by the second Ctrl+S"
cmp "$FILES/won.pnv" "$FILES/redone.pnv" || fail "Undo twice and Redo twice changed the record"

note "the game is over: a click on an empty cell does nothing"
click_cell 14 0
wait_handled
expect_board "$board" "a click after the game ended"
[ -z "$(message_box)" ] || fail "a message box after a click on a finished game"

note "Undo takes back the last pair; the board takes clicks again, and the computer wins again"
keys_to "$MAIN_WID" ctrl+z
expect_board "$before" "after Undo"
click_cell 14 0
box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "the click after Undo was not played"
keys_to "$box" Return
wait_window_gone "$box" || fail "Return did not close the message box"
# The same winning cross as before; the undone circle has moved to the corner.
expect_board "$(board_with "$(board_with "$board" "$col" "$row" .)" 14 0 O)" "the game won again after Undo"
[ "$(stored_statistic Lost)" = 1 ] || fail "the game won again after Undo was counted twice"

note "the keyboard is the main window's again once the box is gone: Ctrl+N with no click or focusing"
xdo key --clearmodifiers ctrl+n
expect_board "$(board_with "$(empty_board)" 7 7 X)" "Ctrl+N straight after the message box"
note "passed"
