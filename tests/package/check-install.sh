#!/usr/bin/env bash
# The program as an installer meets it, from any configured and built build folder: `cmake
# --install` into a staging root, the desktop files checked by their validators, the manual pages
# by man, and the staged program started by its menu entry's command. The Debian package is built
# and checked by scripts/test --full, from debian/.
#
#   check-install.sh BUILD_FOLDER
#
# E2E_BOARD: the board reader; PENTAVO_ICON_SIZES, PENTAVO_HELP_FILE: the icon's sizes (separated
# by spaces) and the help file's name, as the CMake project sets them.
set -euo pipefail
BUILD_DIR=$(cd "$1" && pwd)
: "${PENTAVO_ICON_SIZES:?}" "${PENTAVO_HELP_FILE:?}"
PENTAVO=unused # e2e_init asks for it; the programs here come from the staged tree
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/lib.sh
. "$here/../e2e/lib.sh"
"$e2e_root/scripts/deps.sh" --need cmake desktop-file-validate appstreamcli \
    update-mime-database man lexgrog || exit 1
e2e_init package

# --- the staged install -----------------------------------------------------------------------

stage=$e2e_scratch/stage
note "cmake --install into $stage, prefix /usr"
DESTDIR=$stage cmake --install "$BUILD_DIR" --prefix /usr >"$e2e_scratch/install.log" ||
    fail "cmake --install failed: $(cat "$e2e_scratch/install.log")"
usr=$stage/usr

desktop=$(find "$usr/share/applications" -name '*.desktop')
[ "$(wc -l <<<"$desktop")" -eq 1 ] || fail "not one menu entry in share/applications: $desktop"
app_id=$(basename "$desktop" .desktop)
record_type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")
record_icon=${record_type/\//-}
[ -n "$record_type" ] || fail "the menu entry names no file type"

note "the file list of $app_id"
for link in pentavo pbrain-pentavo; do
    [ "$(readlink "$usr/bin/$link")" = "../lib/pentavo/$link" ] ||
        fail "bin/$link is not a relative link to ../lib/pentavo/$link: $(ls -l "$usr/bin/$link" 2>&1)"
    [ -x "$usr/lib/pentavo/$link" ] || fail "lib/pentavo/$link is not an installed program"
done
[ -s "$usr/lib/pentavo/$PENTAVO_HELP_FILE" ] || fail "no help file beside the program"
for size in $PENTAVO_ICON_SIZES; do
    for icon in "apps/$app_id" "mimetypes/$record_icon"; do
        file=$usr/share/icons/hicolor/${size}x$size/$icon.png
        [ "$(convert "$file" -format '%wx%h' info: 2>&1)" = "${size}x$size" ] ||
            fail "$file is not a ${size}x$size picture"
    done
done
for icon in "apps/$app_id" "mimetypes/$record_icon"; do
    grep -q '<svg' "$usr/share/icons/hicolor/scalable/$icon.svg" || fail "no scalable $icon"
done

note "desktop-file-validate, appstreamcli validate --no-net"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli refuses the metainfo"

note "man --warnings and lexgrog read the manual pages"
for page in pentavo pbrain-pentavo; do
    file=$usr/share/man/man6/$page.6
    [ -s "$file" ] || fail "no manual page $page.6"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page.6: $warnings"
    lexgrog "$file" >/dev/null || fail "lexgrog finds no NAME line in $page.6"
done

note "update-mime-database takes the record type"
mime=$e2e_scratch/data/mime
mkdir -p "$mime"
cp -r "$usr/share/mime/packages" "$mime"
# A data folder the desktop searches, else it only notes that nothing would find the result.
XDG_DATA_HOME=$e2e_scratch/data update-mime-database "$mime" 2>"$e2e_scratch/mime.log" ||
    fail "update-mime-database failed: $(cat "$e2e_scratch/mime.log")"
[ -s "$e2e_scratch/mime.log" ] && fail "update-mime-database complains: $(cat "$e2e_scratch/mime.log")"
grep -qx "[0-9]*:$record_type:\*\.pnv" "$mime/globs2" ||
    fail "the mime database does not map *.pnv to $record_type: $(cat "$mime/globs2")"
grep -qx "$record_type:$record_icon" "$mime/icons" || fail "the mime database gives $record_type no icon"

# shows_program WHAT COMMAND...: starts the program, waits for its main window with the opening on
# the board and its help file found, takes a picture and ends it.
shows_program() {
    local what=$1 help_wid
    shift
    "$@" >"$e2e_scratch/$what.log" 2>&1 &
    APP_PID=$!
    track "$APP_PID"
    MAIN_WID=$(wait_window '^Pentavo$') ||
        fail "$what: no window titled Pentavo appeared; log: $(cat "$e2e_scratch/$what.log")"
    place_window "$MAIN_WID" 40 30 520 600
    expect_board "$(board_with "$(empty_board)" 7 7 X)" "$what"
    menu_item alt+h c
    help_wid=$(wait_window '^Pentavo Help$') || fail "$what: no help window; does it find its help file?"
    shot "$what" >/dev/null
    stop_pid "$APP_PID"
    wait_window_gone "$MAIN_WID" || fail "$what: the main window stays after the end"
    wait_window_gone "$help_wid" || fail "$what: the help window stays after the end"
}

note "the staged program, started by the menu entry's command"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
# No file is passed from the menu: the entry's field codes expand to nothing.
read -r -a command <<<"$(sed -E 's/(^| )%[fFuUdDnNickvm]//g' <<<"$exec_line")"
PATH=$usr/bin:$PATH
[ "$(command -v "${command[0]}")" = "$usr/bin/${command[0]}" ] ||
    fail "the menu entry's command '${command[0]}' is not the staged program"
shows_program staged "${command[@]}"
note "passed"
