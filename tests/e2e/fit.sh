#!/usr/bin/env bash
# Hostile window sizes in the settings store, on a small screen: 9,000,000 twips square, 15 × 15
# twips, and 48000 × 30000 twips. Each start shows the whole window on the screen with the whole
# board, needs about the memory of a normal start, and stores at exit what it showed.
#
#   fit.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
E2E_SCREEN=1024x768
e2e_init fit

# The most memory the program has held so far, in KiB.
peak_kib() {
    awk '/^VmHWM:/ {print $2}' "/proc/$APP_PID/status"
}

# whole_board NAME: a picture NAME shows the board with all its rows.
whole_board() {
    look "$1" && [ "$GRID_ROWS" = 15 ]
}

store_geometry() {
    mkdir -p "$(dirname "$CONF")"
    printf '[Settings]\nMainLeft=%s\nMainTop=%s\nMainWidth=%s\nMainHeight=%s\n' "$@" >"$CONF"
}

note "a normal first start, for its memory"
start_pentavo
wait_marks 1
normal=$(peak_kib)
quit_by_keys
note "normal start: peak $normal KiB"

for stored in "1000 1000 9000000 9000000" "1000 1000 15 15" "1000 1000 48000 30000" \
    "-90000 5000 7200 7950"; do
    # shellcheck disable=SC2086 # four numbers
    store_geometry $stored
    start_pentavo
    if ! poll whole_board "fit-${stored// /-}"; then
        [ -n "$BOARD" ] || fail "stored $stored: no board on the screen: $BOARD_ERROR"
        fail "stored $stored: only $GRID_ROWS rows of the board show"
    fi
    read -r fx fy fw fh <<<"$(frame_geometry "$MAIN_WID")"
    ((fx >= 0 && fy >= 0 && fx + fw <= 1024 && fy + fh <= 768)) ||
        fail "stored $stored: the window ($fx $fy $fw $fh) is not wholly on the 1024 x 768 screen"
    peak=$(peak_kib)
    note "stored $stored: window $fx $fy ${fw}x$fh, peak $peak KiB"
    ((peak < normal * 3 / 2)) || fail "stored $stored: peak memory $peak KiB, a normal start $normal KiB"
    quit_by_keys
    for pair in "MainLeft $fx" "MainTop $fy" "MainWidth $fw" "MainHeight $fh"; do
        read -r key pixels <<<"$pair"
        within "$(setting "$key")" $((pixels * 15)) 0 ||
            fail "stored $stored: $key is $(setting "$key") at exit, the window showed $pixels pixels"
    done
done
note "passed"
