#!/usr/bin/env bash
# The first start with an empty settings store: the window at (1000, 1000) twips with an outer size
# of 6500 × 6500 twips (smaller than the board needs), and those values stored at exit.
#
#   first-start.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init first-start

[ ! -e "$CONF" ] || fail "the settings store is not empty"
start_pentavo
sleep 0.5
shot first-start >/dev/null
read -r wx wy ww wh <<<"$(window_geometry "$MAIN_WID")"
note "window at $wx,$wy, ${ww}x$wh pixels"
# 15 twips to a pixel: 1000 twips are 66.7 pixels and 6500 twips 433.3.
for pair in "$wx 66.67" "$wy 66.67" "$ww 433.33" "$wh 433.33"; do
    # shellcheck disable=SC2086 # two numbers
    within $pair 1 || fail "the first window is at $wx,$wy, ${ww}x$wh pixels; expected about 67,67, 433x433"
done

keys_to "$MAIN_WID" ctrl+x
wait_exit
for expected in MainLeft=1000 MainTop=1000 MainWidth=6500 MainHeight=6500; do
    value=$(setting "${expected%=*}")
    # Within a pixel's worth of twips.
    within "${value:-none}" "${expected#*=}" 15 ||
        fail "${expected%=*} is '$value' after the first run, expected about ${expected#*=}"
done
note "passed"
