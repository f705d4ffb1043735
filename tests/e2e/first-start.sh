#!/usr/bin/env bash
# The first start with an empty settings store: the window at (1000, 1000) twips, with an outer
# size that shows the whole designed client area (7125 × 7560 twips below the menu bar), and
# those values stored at exit.
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
opening_shown() {
    look first-start && [ "$(sed -n 8p <<<"$BOARD" | cut -c8)" = X ]
}
poll opening_shown || fail "no board with the opening cross on the screen: ${BOARD_ERROR:-$BOARD}"
read -r wx wy ww wh <<<"$(window_geometry "$MAIN_WID")"
# The stored place and size are the frame's, where a window manager draws one.
read -r fx fy fw fh <<<"$(frame_geometry "$MAIN_WID")"
note "window at $wx,$wy, ${ww}x$wh pixels (frame $fx,$fy ${fw}x$fh); grid top $GRID_TOP, pitch $GRID_PITCH, rows $GRID_ROWS"
# 15 twips to a pixel: 1000 twips are 66.7 pixels, 7125 twips 475.
for pair in "$fx 66.67" "$fy 66.67" "$ww 475"; do
    # shellcheck disable=SC2086 # two numbers
    within $pair 1 || fail "the first window's frame is at $fx,$fy, ${ww} pixels wide; expected 67,67, 475"
done
[ "$GRID_ROWS" = 15 ] || fail "only $GRID_ROWS rows of the board are visible"
# Below the board's last line: 960 twips (64 pixels) of client area, the status bar among them.
awk -v bottom="$((wy + wh))" -v grid="$GRID_TOP" -v pitch="$GRID_PITCH" \
    'BEGIN {exit !(bottom >= grid + 15 * pitch + 64 - 1)}' ||
    fail "the window ends at $((wy + wh)), above the bottom of its client area"

quit_by_keys
for expected in MainLeft=1000 MainTop=1000 "MainWidth=$((fw * 15))" "MainHeight=$((fh * 15))"; do
    value=$(setting "${expected%=*}")
    # Within a pixel's worth of twips.
    within "${value:-none}" "${expected#*=}" 15 ||
        fail "${expected%=*} is '$value' after the first run, expected about ${expected#*=}"
done
note "passed"
