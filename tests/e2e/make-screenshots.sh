#!/usr/bin/env bash
# Takes the README's pictures from the real program on a private X screen: the main window at the
# start, during a game and after "I win", the winning five and the statistics (also at twice the
# scale), the Options dialog, the About box and the splash.
#
#   tests/e2e/make-screenshots.sh [BUILD_FOLDER [OUTPUT_FOLDER]]     (defaults: build, docs)
#
# Builds what it needs in BUILD_FOLDER first. There is no window manager on the private screen,
# so the windows have no title bars.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
BUILD_DIR=$(realpath -m "${1:-$root/build}")
out=$(realpath -m "${2:-$root/docs}")

# Under CTest everything is built already (E2E_SKIP_BUILD=1).
if [ "${E2E_SKIP_BUILD:-0}" != 1 ]; then
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        "$root/scripts/build.sh" "$BUILD_DIR"
    fi
    cmake --build "$BUILD_DIR" --target pentavo pentavo_help pentavo-e2e-board pentavo-e2e-splash >/dev/null
fi
PENTAVO="$BUILD_DIR/bin/pentavo"
E2E_BOARD="$BUILD_DIR/tests/e2e/pentavo-e2e-board"
splash_helper="$BUILD_DIR/tests/e2e/pentavo-e2e-splash"
# Room for the main window at twice the scale.
export E2E_SCREEN=${E2E_SCREEN:-2000x1600}
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init screenshots
mkdir -p "$out"

# keep NAME X Y W H: the screen's rectangle as OUTPUT/NAME.png.
keep() {
    local name=$1
    import -silent -window root -crop "${4}x${5}+${2}+${3}" +repage -strip "$out/$name.png"
    note "$out/$name.png"
}

# settle WID: waits until the window is painted, the pointer away from it (it would otherwise
# rest on the picture); the main window's status bar, with its clock, is not watched.
settle() {
    xdo mousemove 1200 1000
    poll pointer_at 1200 1000 || fail "the pointer does not move away"
    still_shot settled "$1" $([ "$1" = "${MAIN_WID:-}" ] && echo 30) >/dev/null
}

keep_main() {
    # shellcheck disable=SC2046 # four numbers
    keep "$1" $(window_geometry "$MAIN_WID")
}

# show_winning_five NAME: View > Show Winning Five turned on by its keys, the window kept once the
# line shows.
show_winning_five() {
    local before="$e2e_scratch/before-five.png"
    import -silent -window root "$before"
    choose_from_menu v w
    poll board_differs "$before" || fail "Show Winning Five drew nothing"
    keep_main "$1"
}

# keep_statistics NAME: View > Statistics kept with the window under it, then closed.
keep_statistics() {
    local dialog
    choose_from_menu v s
    dialog=$(wait_window '^Statistics$') || fail "no Statistics dialog"
    poll viewable "$dialog" || fail "the Statistics dialog is not on the screen"
    sleep 0.3
    keep_main "$1"
    keys_to "$dialog" Escape
    wait_window_gone "$dialog" || fail "Esc did not close the Statistics dialog"
}

# The same game as the end-to-end run: the computer's crosses down the diagonal.
clicks=("3 3" "11 4" "2 12" "0 14")

# Plays the game up to the computer's five and closes its message.
lose_game() {
    local n col row box
    for n in 0 1 2 3; do
        read -r col row <<<"${clicks[n]}"
        click_cell "$col" "$row"
        ((n == 3)) || wait_marks $((2 * n + 3))
    done
    box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message box after the computer's five"
    keys_to "$box" Return
    wait_window_gone "$box" || fail "the message box stayed"
}

note "the splash, shown by a helper that runs the program's own start-up window"
"$splash_helper" 60 >"$e2e_scratch/splash.out" 2>"$e2e_scratch/splash.err" &
splash_pid=$!
track "$splash_pid"
poll test -s "$e2e_scratch/splash.out" || fail "the splash did not show: $(cat "$e2e_scratch/splash.err")"
splash_wid=$(head -1 "$e2e_scratch/splash.out")
poll viewable "$splash_wid" || fail "the splash window is not on the screen"
settle "$splash_wid"
# shellcheck disable=SC2046 # four numbers
keep splash $(window_geometry "$splash_wid")
stop_pid "$splash_pid"

start_pentavo
# The window as designed: a client area of 7125 × 7560 twips below the menu bar.
poll look first || fail "no board: $BOARD_ERROR"
read -r _ wy _ _ <<<"$(window_geometry "$MAIN_WID")"
menu_height=$(awk -v t="$GRID_TOP" -v y="$wy" 'BEGIN {printf "%d", t - y - 40 + 0.5}')
place_window "$MAIN_WID" 40 30 475 $((504 + menu_height))
board=$(board_with "$(empty_board)" 7 7 X)
expect_board "$board" "opening"
settle "$MAIN_WID"
keep_main start

for n in 0 1 2; do
    read -r col row <<<"${clicks[n]}"
    click_cell "$col" "$row"
    wait_marks $((2 * n + 3))
done
settle "$MAIN_WID"
keep_main game

read -r col row <<<"${clicks[3]}"
click_cell "$col" "$row"
box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message box after the computer's five"
settle "$box"
keep_main i-win
keys_to "$box" Return
wait_window_gone "$box" || fail "the message box stayed"
xdo mousemove 1200 1000
show_winning_five winning-five
keep_statistics statistics

keys_to "$MAIN_WID" ctrl+n
expect_board "$board" "after New"
keys_to "$MAIN_WID" ctrl+t
dialog=$(wait_window '^Options$') || fail "no Options dialog"
settle "$dialog"
keep_main options
keys_to "$dialog" Escape
wait_window_gone "$dialog" || fail "Esc did not close the Options dialog"

menu_item alt+h a
dialog=$(wait_window '^About Pentavo$') || fail "no About box"
settle "$dialog"
keep_main about
keys_to "$dialog" Return
wait_window_gone "$dialog" || fail "Return did not close the About box"

quit_by_keys

note "the winning five and the statistics at twice the scale"
QT_SCALE_FACTOR=2 start_pentavo
expect_board "$board" "opening at twice the scale"
lose_game
xdo mousemove 1900 1500
show_winning_five winning-five-x2
keep_statistics statistics-x2
quit_by_keys
note "done"
