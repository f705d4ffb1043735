#!/usr/bin/env bash
# A whole game played by clicks and lost: the computer completes five crosses, says so in a
# message box, and the board then takes no more moves until Undo; once the box is closed the
# keyboard reaches the main window again.
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

n=0
for click in "${clicks[@]}"; do
    n=$((n + 1))
    read -r col row <<<"$click"
    count=$(marks_on <<<"$board")
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

note "the keyboard is the main window's again once the box is gone: Ctrl+N with no click or focusing"
xdo key --clearmodifiers ctrl+n
expect_board "$(board_with "$(empty_board)" 7 7 X)" "Ctrl+N straight after the message box"
note "passed"
