#!/usr/bin/env bash
# A whole game by keys as a blind player hears it from Orca itself, the screen reader of Debian's
# desktop, at its default settings: Orca speaks through speech-dispatcher and espeak-ng into a
# file, and its own debug log, where every utterance is a "SPEECH OUTPUT" line, is the ear
# (heard-by-orca.py holds the keys and what must be heard).
#
#   orca.sh PROGRAM BUILD_FOLDER LANGUAGE        (LANGUAGE: en or de; E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
language=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
# Orca follows the focus as a window manager hands it out.
export E2E_WM=openbox
e2e_init "orca-$language"
"$e2e_root/scripts/deps.sh" --need dbus-daemon orca speech-dispatcher espeak-ng || exit 1
case $language in
en) ;;
de) export E2E_LANG=de_DE.UTF-8 ;;
*) fail "no expected speech for the language $language" ;;
esac

# The session bus starts after the X screen: the accessibility bus it starts on demand needs the
# display.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$e2e_scratch/bus" \
    >"$e2e_scratch/dbus.log" 2>&1 &
track $!
poll test -s "$e2e_scratch/bus" || fail "no session bus: $(cat "$e2e_scratch/dbus.log")"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$e2e_scratch/bus")
export DBUS_SESSION_BUS_ADDRESS

# speech-dispatcher quits silently at start without its log folder, and Orca then waits for it in
# vain; with no sound card, espeak-ng writes its sound into a file through ALSA.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$e2e_scratch/speech-log"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogDir "$e2e_scratch/speech-log"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
AudioOutputMethod "alsa"
CONF
printf 'pcm.!default { type file; slave.pcm "null"; file "%s"; format "raw" }\n' \
    "$e2e_scratch/sound.raw" >"$HOME/.asoundrc"
# Started here rather than by Orca, so that it is ready, loaded with espeak-ng's voices (seconds on
# a busy machine), before Orca starts, and is stopped by its PID.
speech-dispatcher --run-single --timeout 0 >"$e2e_scratch/speech-dispatcher.out" 2>&1 &
track $!
poll grep -qs "waiting for clients" "$e2e_scratch/speech-log/speech-dispatcher.log" ||
    fail "speech-dispatcher did not start: $(tail -5 "$e2e_scratch/speech-dispatcher.out")"

log="$e2e_scratch/orca.log"
mkdir "$e2e_scratch/orca-settings"
/usr/bin/python3 "$here/orca-run.py" "$e2e_scratch/orca-settings" "$log" \
    >"$e2e_scratch/orca.out" 2>&1 &
track $!
# A build beside slows Orca's start to a minute.
E2E_WAIT=90 poll grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$log" ||
    fail "Orca did not start: $(tail -5 "$e2e_scratch/orca.out")"

# The game opens on a saved board two cells short of full, with no five on it and the person to
# move: their circle on H9 and the computer's cross on H8 fill it, a draw. The marks are the
# test kit's filling without a five (NoFiveMark: a cross where (col + 2 * row) % 4 < 2), played
# crosses first, one byte a move (row * 16 + col + 1), rows counted from the top.
draw_record() {
    local col row crosses=() circles=() i
    for ((col = 0; col < 15; col++)); do
        for ((row = 0; row < 15; row++)); do
            ((col == 7 && (row == 6 || row == 7))) && continue
            if (((col + 2 * row) % 4 < 2)); then
                crosses+=($((row * 16 + col + 1)))
            else
                circles+=($((row * 16 + col + 1)))
            fi
        done
    done
    for ((i = 0; i < ${#crosses[@]}; i++)); do
        printf '\\x%02x' "${crosses[i]}"
        if ((i < ${#circles[@]})); then printf '\\x%02x' "${circles[i]}"; fi
    done
}
# shellcheck disable=SC2059 # the escapes are the record's bytes
printf "$(draw_record)" >"$e2e_scratch/draw.pnv"
[ "$(stat -c %s "$e2e_scratch/draw.pnv")" -eq 223 ] || fail "the record for the draw is not 223 moves"

# Started after Orca, the program finds the accessibility bus on and joins it.
start_pentavo "$e2e_scratch/draw.pnv"
xdo windowactivate --sync "$MAIN_WID"
heard=0
/usr/bin/python3 "$here/heard-by-orca.py" "$log" "$MAIN_WID" "$language" || heard=$?
# Kept either way: what Orca said, for a person to read.
cp "$log" "$SHOTS/orca.log"
[ "$heard" -eq 0 ] || fail "Orca did not say what it should (screenshot: $(shot failed); Orca's log: $SHOTS/orca.log)"
note "passed"
