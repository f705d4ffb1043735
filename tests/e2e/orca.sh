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
# speech-dispatcher, started by Orca, leaves on its own; stopped here should it outlive the run.
stop_speech_dispatcher() {
    local pidfile="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
    [ -s "$pidfile" ] && stop_pid "$(cat "$pidfile")"
}
e2e_extra_cleanup=stop_speech_dispatcher

log="$e2e_scratch/orca.log"
mkdir "$e2e_scratch/orca-settings"
/usr/bin/python3 "$here/orca-run.py" "$e2e_scratch/orca-settings" "$log" \
    >"$e2e_scratch/orca.out" 2>&1 &
track $!
poll grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$log" ||
    fail "Orca did not start: $(tail -5 "$e2e_scratch/orca.out")"

# Started after Orca, the program finds the accessibility bus on and joins it.
start_pentavo
xdo windowactivate --sync "$MAIN_WID"
heard=0
/usr/bin/python3 "$here/heard-by-orca.py" "$log" "$MAIN_WID" "$language" || heard=$?
# Kept either way: what Orca said, for a person to read.
cp "$log" "$SHOTS/orca.log"
[ "$heard" -eq 0 ] || fail "Orca did not say what it should (screenshot: $(shot failed); Orca's log: $SHOTS/orca.log)"
note "passed"
