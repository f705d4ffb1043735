#!/usr/bin/env bash
# The Options dialog of the real program, used by mouse: "Computer second" changes nothing on the
# board until File > New, which then opens with a cross in the centre and a circle above left of
# it, and the person plays crosses; "Undo moves" cleared makes Undo take nothing back.
#
#   options.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init options

# Controls of the dialog by their designed places, in twips from its top-left corner (there is
# no frame here, so the window's corner is the client area's): the middle of their left part.
click_in() {
    local wid=$1 x y
    read -r x y _ _ <<<"$(window_geometry "$wid")"
    click_at $((x + $2 / 15)) $((y + $3 / 15))
}
# shellcheck disable=SC2034 # read through a name reference in options_dialog
option2=(960 1090)  # "Computer second", inside "Partner selection" at (240, 240)
# shellcheck disable=SC2034
check1=(800 1680)   # "Undo moves"
cmd_ok=(780 2820)   # "OK"

dialogs=0
# options_dialog CONTROL...: opens View > Options, clicks the controls named, then OK.
options_dialog() {
    local dialog control
    keys_to "$MAIN_WID" ctrl+t
    dialog=$(wait_window '^Options$') || fail "no Options dialog"
    # Where a window manager puts the dialog is known once it has settled.
    still_shot "options-$((++dialogs))" "$dialog" >/dev/null
    for control in "$@"; do
        local -n place=$control
        click_in "$dialog" "${place[0]}" "${place[1]}"
    done
    still_shot "options-$dialogs-$*" "$dialog" >/dev/null
    click_in "$dialog" "${cmd_ok[0]}" "${cmd_ok[1]}"
    wait_window_gone "$dialog" || fail "OK did not close the Options dialog"
}

start_pentavo
place_window "$MAIN_WID" 40 30 520 600
opening=$(board_with "$(empty_board)" 7 7 X)
expect_board "$opening" "opening"

note "Computer second and OK: the board stays as it is"
options_dialog option2
wait_handled
expect_board "$opening" "after choosing Computer second"

note "File > New: a cross in the centre, a circle above left of it, and the person's move"
keys_to "$MAIN_WID" ctrl+n
second=$(board_with "$opening" 6 6 O)
expect_board "$second" "the opening with the computer second"
click_cell 10 3
wait_marks 4
diff=$(board_diff "$second" "$BOARD")
grep -qx '10 3 \. X' <<<"$diff" || fail "the person's click did not place a cross: $diff"
[ "$(grep -c ' \. O$' <<<"$diff")" -eq 1 ] || fail "the computer did not answer with one circle: $diff"
board=$BOARD
shot computer-second >/dev/null

note "Undo moves cleared: Undo takes nothing back"
options_dialog check1
keys_to "$MAIN_WID" ctrl+z
wait_handled
expect_board "$board" "Undo with undo switched off"

note "Undo moves checked again: Undo takes back the last two marks"
options_dialog check1
keys_to "$MAIN_WID" ctrl+z
expect_board "$second" "Undo with undo switched on again"

quit_by_keys
note "passed"
