#!/usr/bin/env bash
# A settings store that is garbage, cannot be read, or cannot be written at exit: the program
# starts, shows its board, says nothing about it, and ends cleanly; a stored file that cannot be
# written keeps what it held.
#
#   settings.sh PROGRAM BUILD_FOLDER        (E2E_BOARD: the board reader)
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
e2e_init settings
program=$PENTAVO
dir=$(dirname "$CONF")
opening=$(board_with "$(empty_board)" 7 7 X)

# One run: the program starts with the store as it is, shows the opening with no message, is
# moved, and ends by File > Exit with status 0 (a message at exit would keep it from ending).
run_once() {
    local what=$1
    note "$what"
    start_pentavo
    place_window "$MAIN_WID" 60 40 520 600
    expect_board "$opening" "$what"
    shot "$(tr ' ' - <<<"$what")" >/dev/null
    [ "$(windows_named '^Pentavo' | wc -l)" -eq 1 ] || fail "$what: a second window besides the main one"
    quit_by_keys
}

reset_store() {
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$dir"
}

reset_store
head -c 3000 /dev/urandom >"$CONF"
printf '\n[Settings]\nMainLeft=\xff\xfe\nMainWidth=-9e99\n\0\0[[[' >>"$CONF"
run_once "a settings file of garbage"
run_once "the start after it"

reset_store
mkdir "$CONF"
run_once "a settings file that cannot be read (a folder in its place)"
[ -d "$CONF" ] || fail "the folder in the settings file's place is gone"

reset_store
rm -rf "$dir"
echo "not a folder" >"$dir"
run_once "a settings folder that is a plain file (nothing read, nothing written)"
[ "$(cat "$dir")" = "not a folder" ] || fail "the plain file in the settings folder's place changed"

# Readable but not writable: the settings folder mounted read-only for this one run, in a mount
# namespace of its own (root only, where the machine allows it).
reset_store
printf '[Settings]\nMainLeft=1800\nMainTop=1350\nMainWidth=8400\nMainHeight=9300\n' >"$CONF"
cp "$CONF" "$e2e_scratch/stored.conf"
if [ "$(id -u)" -eq 0 ] && unshare -m --propagation private true 2>/dev/null; then
    "$e2e_root/scripts/deps.sh" --need unshare mount || exit 1
    cat >"$e2e_scratch/read-only-settings" <<EOF
#!/bin/sh
exec unshare -m --propagation private sh -c 'mount --bind "\$1" "\$1" && mount -o remount,bind,ro "\$1" && exec "\$2"' - "$dir" "$program"
EOF
    chmod +x "$e2e_scratch/read-only-settings"
    PENTAVO="$e2e_scratch/read-only-settings"
    note "a settings folder that cannot be written: the stored place is used, then kept"
    start_pentavo
    [ "$(window_geometry "$MAIN_WID")" = "120 90 560 620" ] ||
        fail "the stored place was not read: the window is at $(window_geometry "$MAIN_WID")"
    place_window "$MAIN_WID" 60 40 520 600
    expect_board "$opening" "read-only settings"
    quit_by_keys
    cmp "$CONF" "$e2e_scratch/stored.conf" || fail "the stored settings changed: $(cat "$CONF")"
    PENTAVO=$program
else
    note "SKIP the read-only settings folder: needs root and a mount namespace"
fi

note "passed"
