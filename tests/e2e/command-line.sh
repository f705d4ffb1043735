#!/usr/bin/env bash
# The command line: --help and --version answer without a display, anything else unknown is
# refused with status 2, and a game record named on it is opened once the first game has started,
# as File > Open opens it (what the file manager does through the menu entry's %f); a name that
# does not exist is told of, not created.
#
#   command-line.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init command-line

note "answers without a display"
# arguments (| between them) | status | stream | a line it must hold (extended regex)
while IFS='|' read -r args status stream pattern; do
    IFS=' ' read -r -a argv <<<"$args"
    rc=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PENTAVO" "${argv[@]}" \
        >"$e2e_scratch/out" 2>"$e2e_scratch/err" || rc=$?
    [ "$rc" = "$status" ] || fail "pentavo $args: status $rc, expected $status; stderr: $(cat "$e2e_scratch/err")"
    grep -Eq "$pattern" "$e2e_scratch/$stream" ||
        fail "pentavo $args: no line matching /$pattern/ on std$stream: $(cat "$e2e_scratch/$stream")"
done <<'TABLE'
--help|0|out|^Usage: pentavo \[FILE\]$
-h|0|out|^Usage: pentavo
--version|0|out|^Pentavo [0-9]+\.[0-9]+\.[0-9]+$
--version|0|out|^License GPLv3\+: GNU GPL version 3 or later
--frobnicate|2|err|unknown option '--frobnicate'
a.pnv b.pnv|2|err|only one game record
TABLE
rc=0
env -u DISPLAY "$PENTAVO" --help >/dev/full 2>/dev/null || rc=$?
[ "$rc" -eq 1 ] || fail "--help into a full disk ends with status $rc, not 1"

note "a record named on the command line, relative to the folder it was started in"
# Cross in the centre, circle above left of it, cross above it.
record_bytes "$(move_code 7 7)" "$(move_code 6 6)" "$(move_code 7 6)" >"$FILES/game.pnv"
want=$(board_with "$(board_with "$(board_with "$(empty_board)" 7 7 X)" 6 6 O)" 7 6 X)
(cd "$FILES" && exec "$PENTAVO" game.pnv) >"$e2e_scratch/open.log" 2>&1 &
APP_PID=$!
track "$APP_PID"
MAIN_WID=$(wait_window '^Pentavo$') || fail "no main window; log: $(cat "$e2e_scratch/open.log")"
place_window "$MAIN_WID" 40 30 520 600
expect_board "$want" "the record from the command line"
shot opened >/dev/null
stop_pid "$APP_PID"
wait_window_gone "$MAIN_WID" || fail "the window stays after the end"

note "a refused record is named in a message box and the first game stays"
record_bytes "$(move_code 7 7)" "$(move_code 7 7)" >"$FILES/repeat.pnv"
"$PENTAVO" "$FILES/repeat.pnv" >"$e2e_scratch/refused.log" 2>&1 &
APP_PID=$!
track "$APP_PID"
MAIN_WID=$(wait_window '^Pentavo$') || fail "no main window; log: $(cat "$e2e_scratch/refused.log")"
message=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message box for a refused record"
shot refused >/dev/null
return_closes "$message" "the message box"
place_window "$MAIN_WID" 40 30 520 600
expect_board "$(board_with "$(empty_board)" 7 7 X)" "after the refused record"
stop_pid "$APP_PID"

note "a name that does not exist is told of in a message box, and nothing is created"
"$PENTAVO" "$FILES/typo.pnv" >"$e2e_scratch/missing.log" 2>&1 &
APP_PID=$!
track "$APP_PID"
MAIN_WID=$(wait_window '^Pentavo$') || fail "no main window; log: $(cat "$e2e_scratch/missing.log")"
message=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message box for a name that does not exist"
[ ! -e "$FILES/typo.pnv" ] || fail "a file was created for a name that did not exist"
shot missing >/dev/null
return_closes "$message" "the message box"
[ ! -e "$FILES/typo.pnv" ] || fail "a file was created after the message"
stop_pid "$APP_PID"
note "passed"
