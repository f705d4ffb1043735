#!/usr/bin/env bash
# The start-up window is painted before the program's long work begins, which handles no events:
# the splash helper shows it as the program does and then handles nothing, so the screen shows
# only what it painted first. Under a window manager the window is mapped in the manager's time.
#
#   splash.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init splash

"$BUILD_DIR/tests/e2e/pentavo-e2e-splash" 30 >"$e2e_scratch/splash.out" 2>"$e2e_scratch/splash.err" &
track $!
poll test -s "$e2e_scratch/splash.out" || fail "the splash did not show: $(cat "$e2e_scratch/splash.err")"
splash_wid=$(head -1 "$e2e_scratch/splash.out")
poll viewable "$splash_wid" || fail "the splash window is not on the screen"
read -r x y w h <<<"$(window_geometry "$splash_wid")"
# Painted: the picture and the texts give many colours; an unpainted window is one colour.
painted() {
    shot=$(shot splash)
    colours=$(convert "$shot" -crop "${w}x$h+$x+$y" +repage -unique-colors txt:- | tail -n +2 | wc -l)
    ((colours >= 50))
}
poll painted || fail "the splash shows $colours colours: it was not painted (screenshot: $shot)"
note "splash at $x,$y ${w}x$h: $colours colours"
note "passed"
