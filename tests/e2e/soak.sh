#!/usr/bin/env bash
# Many games with the real program by real clicks, as a person plays an evening: each game played
# to its end at random cells, its message closed, the last two moves taken back, the game saved,
# a new game, the saved game opened again; the program's resident memory sampled after every game.
# The last sample must be within 5 % of the one after the first game.
#
#   soak.sh PROGRAM BUILD_FOLDER GAMES      (E2E_BOARD: the board reader; E2E_SEED: the clicks)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
games=${3:?number of games}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init "soak-$games"

RANDOM=${E2E_SEED:-2024}

resident_kib() {
    awk '/^VmRSS:/ {print $2}' "/proc/$APP_PID/status"
}

record_written() {
    [ "$(stat -c %s "$record" 2>/dev/null || echo 0)" -eq 225 ]
}

# A message box of the program: a second window titled Pentavo.
message_box() {
    windows_named '^Pentavo$' | grep -vx "$MAIN_WID" | head -1
}

# The empty cell number PICK (modulo their count) of BOARD as "COL ROW"; false when it is full.
# (RANDOM is drawn by the caller into a variable: drawn in a command substitution, even as its
# argument, it would repeat itself and every game would be the same.)
empty_cell() {
    local cells
    mapfile -t cells < <(awk '{for (c = 1; c <= 15; c++) if (substr($0, c, 1) == ".") print c - 1, NR - 1}' <<<"$BOARD")
    [ ${#cells[@]} -gt 0 ] && echo "${cells[$1 % ${#cells[@]}]}"
}

# Waits for the board to settle with no unclear cell and no message box in front of it.
settled_board() {
    local deadline=$((SECONDS + E2E_WAIT))
    while ((SECONDS < deadline)); do
        if look current && ! grep -q '[?#]' <<<"$BOARD"; then
            return 0
        fi
        sleep 0.1
    done
    fail "no clear board on the screen (screenshot: $LAST_SHOT)"
}

# File > New by Ctrl+N, and the new game's opening on the screen: the cross in the centre and, when
# the computer moves second, its circle beside it (the last record opened decides which).
new_game() {
    local deadline=$((SECONDS + E2E_WAIT))
    keys_to "$MAIN_WID" ctrl+n
    until look current && ! grep -q '[?#]' <<<"$BOARD" && [ "$(marks_on <<<"$BOARD")" -le 2 ] &&
        [ "$(sed -n 8p <<<"$BOARD" | cut -c8)" = X ]; do
        ((SECONDS < deadline)) || fail "File > New shows no opening (screenshot: $LAST_SHOT)"
        sleep 0.1
    done
}

# One click on a random empty cell: afterwards either two more marks (the computer answered) or a
# message box that ends the game, which is closed; false once the game has ended.
click_once() {
    local before cell pick=$RANDOM deadline=$((SECONDS + E2E_WAIT)) box now
    before=$(marks_on <<<"$BOARD")
    cell=$(empty_cell "$pick") || fail "the board is full and no message said so"
    # shellcheck disable=SC2086 # two numbers
    click_cell $cell
    while ((SECONDS < deadline)); do
        box=$(message_box)
        if [ -n "$box" ]; then
            keys_to "$box" Return
            wait_window_gone "$box" || fail "Return did not close the message"
            settled_board
            now=$(marks_on <<<"$BOARD")
            ((now == before + 1 || now == before + 2)) ||
                fail "the game ended with $now marks after $before (screenshot: $LAST_SHOT)"
            [ "$FIVE" != - ] || fail "a message ended the game, but the board shows no five"
            return 1
        fi
        if look current && ! grep -q '[?#]' <<<"$BOARD" && [ "$(marks_on <<<"$BOARD")" -eq $((before + 2)) ]; then
            [ "$FIVE" = - ] || fail "five in a row on the board but no message"
            return 0
        fi
        sleep 0.05
    done
    fail "no answer to the click on cell $cell (screenshot: $LAST_SHOT)"
}

# Ctrl+S or Ctrl+O and the file dialog: the name it offers is the one chosen last, so Return
# takes it; typed only the first time.
file_command() {
    local key=$1 title=$2 path=$3 dialog
    keys_to "$MAIN_WID" "$key"
    if [ "$typed" = yes ]; then
        dialog=$(wait_window "^$title\$") || fail "no dialog titled $title"
        keys_to "$dialog" Return
        wait_window_gone "$dialog" || fail "the $title dialog stayed open after Return"
    else
        choose_file "$title" "$path"
    fi
}

start_pentavo
place_window "$MAIN_WID" 40 30 520 600
settled_board
record="$FILES/soak.pnv"
typed=no
samples=()
started=$SECONDS
for ((game = 1; game <= games; game++)); do
    clicks=0
    while click_once; do
        clicks=$((clicks + 1))
    done
    ended=$(marks_on <<<"$BOARD")

    keys_to "$MAIN_WID" ctrl+z
    deadline=$((SECONDS + E2E_WAIT))
    until look current && [ "$(marks_on <<<"$BOARD")" -eq $((ended - 2)) ] && [ "$FIVE" = - ]; do
        ((SECONDS < deadline)) || fail "game $game: Undo did not take back two marks (screenshot: $LAST_SHOT)"
        sleep 0.1
    done
    saved=$BOARD

    rm -f "$record"
    file_command ctrl+s Save "$record"
    typed=yes
    poll record_written || fail "game $game: no record of 225 bytes"
    [ "$(tr -d '\0' <"$record" | wc -c)" -eq $((ended - 2)) ] || fail "game $game: the record does not hold $((ended - 2)) moves"

    new_game
    file_command ctrl+o Open "$record"
    expect_board "$saved" "game $game: the saved game opened again"
    alive "$APP_PID" || fail "the program ended during game $game"

    samples+=("$(resident_kib)")
    if ((game == 1 || game % 20 == 0 || game == games)); then
        note "game $game: $clicks clicks, $ended marks at the end, resident ${samples[-1]} KiB, $((SECONDS - started)) s"
    fi
    new_game
done
shot last >/dev/null

first=${samples[0]}
last=${samples[-1]}
peak=$(printf '%s\n' "${samples[@]}" | sort -n | tail -1)
echo "SOAK: window: $games games by clicks with undo, save and open in $((SECONDS - started)) s; resident memory after the first game $first KiB, at the end $last KiB, highest $peak KiB"
((last * 100 <= first * 105)) || fail "the program grew from $first KiB to $last KiB, more than 5 %"

quit_by_keys
note "passed"
