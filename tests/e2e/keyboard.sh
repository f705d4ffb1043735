#!/usr/bin/env bash
# A whole game played with the keyboard alone, in the real window: the arrow keys, Home and
# Return or Space on the board, Return on the message, Ctrl+S and a typed name in the file
# dialog. Then the same game by mouse clicks: both records must be the same 225 bytes, and the
# statistics, kept between the two runs, count both games.
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

note "by keys"
start_pentavo
place_window "$MAIN_WID" 40 30 520 600
expect_board "$opening" "opening"
col=7 row=7 enter=Return
# The first key shows the cursor on the centre cell.
keys_to "$MAIN_WID" Home
shot cursor-centre >/dev/null
for ((i = 0; i < ${#cells[@]}; i++)); do
    read -r c r <<<"${cells[i]}"
    # shellcheck disable=SC2046 # a list of key names
    keys_to "$MAIN_WID" $(steps "$col" "$c" Left Right) $(steps "$row" "$r" Up Down)
    col=$c row=$r
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
play_game_by_clicks
finish_and_save clicks

cmp "$FILES/keys.pnv" "$FILES/clicks.pnv" || fail "the game by keys was saved differently from the same game by clicks"
cmp "$FILES/keys.pnv" <(record_bytes "${E2E_GAME_RECORD[@]}") || fail "the game's record is not the one expected"

note "the statistics, kept from the first run to the second: two games lost in a row"
[ "$(stored_statistic Won) $(stored_statistic Lost) $(stored_statistic Drawn) $(stored_statistic Streak)" = "0 2 0 -2" ] ||
    fail "the statistics after two lost games: $(cat "$CONF")"
note "passed"
