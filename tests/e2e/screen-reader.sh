#!/usr/bin/env bash
# A whole game as a blind player plays it: the program on the accessibility bus of its own D-Bus
# session, the board read from its accessible table, the cursor moved by keys and every turn heard
# as an announcement (screen-reader.py). The game is saved at the end and must equal the same
# moves made by clicks.
#
#   screen-reader.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init screen-reader
"$e2e_root/scripts/deps.sh" --need dbus-daemon || exit 1
/usr/bin/python3 -c 'import pyatspi' || fail "pyatspi is missing (scripts/deps.sh installs it)"

# The session bus starts after the X screen: the accessibility bus it starts on demand needs the
# display.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$e2e_scratch/bus" \
    >"$e2e_scratch/dbus.log" 2>&1 &
track $!
poll test -s "$e2e_scratch/bus" || fail "no session bus: $(cat "$e2e_scratch/dbus.log")"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$e2e_scratch/bus")
export DBUS_SESSION_BUS_ADDRESS
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

note "by the screen reader's ears"
cells=()
for cell in "${E2E_GAME_CELLS[@]}"; do cells+=("${cell/ /,}"); done
# The ears listen before the program starts, as a screen reader does.
/usr/bin/python3 "$here/screen-reader.py" "$e2e_scratch/listening" "$e2e_scratch/program" "${cells[@]}" &
reader=$!
track "$reader"
listening_or_gone() {
    [ -e "$e2e_scratch/listening" ] || dead "$reader"
}
# Longer than the ears' own wait, as they first start Python and the bus: a failure is theirs to
# tell.
E2E_WAIT=$((3 * E2E_WAIT)) poll listening_or_gone || true
[ -e "$e2e_scratch/listening" ] || fail "the screen reader's listeners were never registered"
start_pentavo
place_window "$MAIN_WID" 40 30 520 600
echo "$APP_PID $MAIN_WID" >"$e2e_scratch/program.new"
mv "$e2e_scratch/program.new" "$e2e_scratch/program"
wait "$reader" || fail "the game through the bus failed (screenshot: $(shot failed))"
finish_and_save heard

note "the same game by clicks"
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
play_game_by_clicks
finish_and_save clicks

cmp "$FILES/heard.pnv" "$FILES/clicks.pnv" || fail "the game played through the bus was saved differently from the same game by clicks"
cmp "$FILES/heard.pnv" <(record_bytes "${E2E_GAME_RECORD[@]}") || fail "the game's record is not the one expected"
note "passed"
