#!/usr/bin/env bash
# A whole game played with the keyboard alone, in the real window: the arrow keys, Home and
# Return or Space on the board, Return on the message, Ctrl+S and a typed name in the file
# dialog. Then the same game by mouse clicks: both records must be the same 225 bytes.
#
#   keyboard.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init keyboard

cells=("${E2E_GAME_CELLS[@]}")
opening=$(board_with "$(empty_board)" 7 7 X)

# steps FROM TO KEY_BACK KEY_ON: the keys that move the cursor from one number to the other.
steps() {
    local n=$(($2 - $1)) key=$4
    ((n < 0)) && n=$((-n)) key=$3
    for ((; n > 0; n--)); do printf '%s ' "$key"; done
}

# Ends the game that the computer has just won: its message closed by Return, then the record
# saved by Ctrl+S as FILE.
finish_and_save() {
    local box
    box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message after the computer's five"
    shot "$1-message" >/dev/null
    keys_to "$box" Return
    wait_window_gone "$box" || fail "Return did not close the message"
    keys_to "$MAIN_WID" ctrl+s
    choose_file Save "$FILES/$1.pnv"
    poll test -s "$FILES/$1.pnv" || fail "no record written by Ctrl+S"
    keys_to "$MAIN_WID" ctrl+x
    wait_exit
}

note "by keys"
start_pentavo
place_window "$MAIN_WID" 40 30 520 600
expect_board "$opening" "opening"
col=7 row=7 enter=Return
# The first key shows the cursor on the centre cell.
keys_to "$MAIN_WID" Home
sleep 0.3
shot cursor-centre >/dev/null
for ((i = 0; i < ${#cells[@]}; i++)); do
    read -r c r <<<"${cells[i]}"
    # shellcheck disable=SC2046 # a list of key names
    keys_to "$MAIN_WID" $(steps "$col" "$c" Left Right) $(steps "$row" "$r" Up Down)
    col=$c row=$r
    sleep 0.2
    shot "cursor-$i" >/dev/null
    keys_to "$MAIN_WID" "$enter"
    # Return and Space in turn: both play.
    [ "$enter" = Return ] && enter=space || enter=Return
    if ((i < ${#cells[@]} - 1)); then
        wait_marks $((2 * i + 3))
        [ "$(sed -n "$((r + 1))p" <<<"$BOARD" | cut -c$((c + 1)))" = O ] ||
            fail "no circle at ($c,$r) after Return or Space there"
    fi
done
finish_and_save keys

note "the same game by clicks"
start_pentavo
expect_board "$opening" "opening, second run"
for ((i = 0; i < ${#cells[@]}; i++)); do
    # shellcheck disable=SC2086 # two numbers
    click_cell ${cells[i]}
    ((i == ${#cells[@]} - 1)) || wait_marks $((2 * i + 3))
done
finish_and_save clicks

cmp "$FILES/keys.pnv" "$FILES/clicks.pnv" || fail "the game by keys was saved differently from the same game by clicks"
cmp "$FILES/keys.pnv" <(record_bytes "${E2E_GAME_RECORD[@]}") || fail "the game's record is not the one expected"
note "passed"
