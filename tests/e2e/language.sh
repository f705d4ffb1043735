#!/usr/bin/env bash
# The program as a person whose environment names another language sees it: the menus, Qt's own
# file dialog and a message box, the help window, all in that language (pictures kept for the
# README); and a game saved there is byte for byte the record the same moves make in English.
#
#   language.sh PROGRAM BUILD_FOLDER LANG SAVE_TITLE HELP_TITLE HELP_KEYS
#   (SAVE_TITLE, HELP_TITLE: the translated window titles; HELP_KEYS: the keys of Help > Contents)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
E2E_LANG=$3
save_title=$4
help_title=$5
read -r -a help_keys <<<"$6"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init "language-${E2E_LANG%%.*}"

# xdotool matches titles only in ASCII here: the program's windows are found by its process, and
# each by its title as the UTF-8 property gives it.
title_of() {
    xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p'
}
wait_titled() {
    local deadline=$((SECONDS + E2E_WAIT)) wid
    while ((SECONDS < deadline)); do
        for wid in $(xdo search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
            [ "$(title_of "$wid")" = "$1" ] && echo "$wid" && return 0
        done
        sleep 0.2
    done
    return 1
}

start_pentavo
place_window "$MAIN_WID" 40 30 520 600
read -r ox oy _ _ <<<"$(window_geometry "$MAIN_WID")"
opening=$(board_with "$(empty_board)" 7 7 X)
expect_board "$opening" "opening"

note "the File menu"
click_at "$((ox + 20))" "$((oy + 10))"
poll menu_shown || fail "no File menu after a click on it"
shot menu >/dev/null
keys_to "$MAIN_WID" Escape
# The open menu holds the keyboard: a shortcut sent before it has gone is the menu's.
poll no_menu_shown || fail "Esc did not close the File menu"

note "Qt's own file dialog, cancelled: the program's message box"
keys_to "$MAIN_WID" ctrl+s
dialog=$(wait_titled "$save_title") || fail "no file dialog titled $save_title"
xdo windowfocus --sync "$dialog"
shot file-dialog >/dev/null
xdo key --clearmodifiers Escape
wait_window_gone "$dialog" || fail "the file dialog stayed open after Esc"
box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message box after the cancelled dialog"
still_shot message-box "$box" >/dev/null
keys_to "$box" Return
wait_window_gone "$box" || fail "the message box stayed open"

note "Help > Contents by its keys: the help window in this language"
menu_item "${help_keys[@]}"
help=$(wait_titled "$help_title") || fail "no help window titled $help_title"
still_shot help "$help" >/dev/null
keys_to "$help" Escape
wait_window_gone "$help" || fail "the help window stayed open after Esc"

note "a move, and the game saved: the record does not depend on the language"
click_cell 3 3
wait_marks 3
reply=$(board_diff "$opening" "$BOARD" | grep ' \. X$') || fail "the computer did not answer"
read -r rc rr _ <<<"$reply"
keys_to "$MAIN_WID" ctrl+s
dialog=$(wait_titled "$save_title") || fail "no file dialog titled $save_title"
# As choose_file does: the dialog takes typed text once it is active.
xdo windowfocus --sync "$dialog"
shot save-dialog >/dev/null
xdo windowfocus --sync "$dialog"
xdo type --delay 20 --clearmodifiers "$FILES/game.pnv"
xdo key --clearmodifiers Return
wait_window_gone "$dialog" || fail "the file dialog stayed open after Return"
poll test -s "$FILES/game.pnv" || fail "no file written"
record_bytes "$(move_code 7 7)" "$(move_code 3 3)" "$(move_code "$rc" "$rr")" >"$e2e_scratch/expected.pnv"
cmp "$e2e_scratch/expected.pnv" "$FILES/game.pnv" || fail "the record saved in $E2E_LANG differs"
quit_by_keys
