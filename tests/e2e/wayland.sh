#!/usr/bin/env bash
# The real program as a native Wayland client of a headless sway, with no X display at all: the
# first start, the game of keyboard.sh by keys and then by clicks, both records compared with the
# one the X11 runs save, the computer's message, Open, Options, the help window, File > Exit; the
# window's size kept from one start to the next while the position an X11 session stored stays
# as it was.
#
#   wayland.sh PROGRAM BUILD_FOLDER     (E2E_BOARD: the board reader, E2E_POINTER: the clicker,
#                                        E2E_HELP_FILE: the name of the help file beside PROGRAM)
#
# E2E_SCALE=1.5 E2E_SCREEN=1366x768: instead, one short run at that scale, whose pictures show
# the whole board crisp (the README's Wayland picture is one of them).
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

# --- the compositor, and the hands and eyes lib.sh has for X11, here for Wayland ---------------

# sway refuses to run as root: as root, sway, the program and the tools that talk to sway run as
# nobody, from folders it may enter. A command started in the background through `nobody` keeps
# its PID (setpriv executes it), so that it is stopped at the end like any other.
nobody=()
[ "$(id -u)" -eq 0 ] && nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups --)

as_user() {
    "${nobody[@]}" "$@"
}

wayland_init() {
    local name=$1 program=$PENTAVO
    : "${BUILD_DIR:?build folder}" "${E2E_BOARD:?board reader}"
    [ -x "${E2E_POINTER:-}" ] ||
        fail "no pointer helper (E2E_POINTER): libwayland-dev and libwayland-bin are needed to build it"
    "$e2e_root/scripts/deps.sh" --need sway swaymsg grim wtype setpriv jq convert || exit 1
    e2e_scratch=$(mktemp -d "${TMPDIR:-/tmp}/pentavo-e2e-$name.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    chmod 755 "$e2e_scratch"
    SHOTS="$BUILD_DIR/e2e-shots/$name"
    rm -rf "$SHOTS"
    mkdir -p "$SHOTS"
    mkdir -m 0700 "$e2e_scratch/runtime"
    mkdir "$e2e_scratch/config" "$e2e_scratch/home" "$e2e_scratch/files" "$e2e_scratch/bin"
    # The build may lie where nobody cannot reach: the program and its help file are copied.
    cp "$program" "$(dirname "$program")/${E2E_HELP_FILE:?help file name}" "$E2E_POINTER" "$e2e_scratch/bin/"
    chmod -R a+rX "$e2e_scratch/bin"
    [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$e2e_scratch"/{runtime,config,home,files}
    export XDG_RUNTIME_DIR="$e2e_scratch/runtime"
    export XDG_CONFIG_HOME="$e2e_scratch/config"
    export HOME="$e2e_scratch/home"
    # Nothing to fall back to: the program must come up on Wayland or not at all.
    export QT_QPA_PLATFORM=wayland
    unset DISPLAY WAYLAND_DISPLAY SWAYSOCK QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR SESSION_MANAGER
    if [ -n "${E2E_SCALE:-}" ]; then export QT_SCALE_FACTOR=$E2E_SCALE; else unset QT_SCALE_FACTOR; fi
    # start_pentavo runs PENTAVO, and stops it by the PID it started.
    PENTAVO="$e2e_scratch/bin/run-pentavo"
    printf '#!/bin/sh\nexec %s "%s" "$@"\n' "${nobody[*]}" "$e2e_scratch/bin/$(basename "$program")" >"$PENTAVO"
    chmod 755 "$PENTAVO"
    POINTER="$e2e_scratch/bin/$(basename "$E2E_POINTER")"
    FILES="$e2e_scratch/files"
    CONF="$XDG_CONFIG_HOME/Pentavo/Pentavo.conf"
    SCREEN=${E2E_SCREEN:-1024x768}
    e2e_extra_cleanup=keep_logs
    start_sway
}

# The program's and sway's logs stay beside the pictures, for a run that failed.
keep_logs() {
    cp "$e2e_scratch"/*.log "$SHOTS/" 2>/dev/null
}

# Every window floats, as on a desktop that does not tile: it takes the size the program asks for.
# No borders, so that a window's place is its client area's.
start_sway() {
    local sock
    cat >"$e2e_scratch/sway.conf" <<EOF
output HEADLESS-1 resolution $SCREEN
xwayland disable
default_border none
default_floating_border none
for_window [app_id=".*"] floating enable
focus_follows_mouse no
mouse_warping none
EOF
    chmod 644 "$e2e_scratch/sway.conf"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${nobody[@]}" sway -c "$e2e_scratch/sway.conf" >"$e2e_scratch/sway.log" 2>&1 &
    track $!
    poll compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" >/dev/null ||
        fail "sway did not start: $(cat "$e2e_scratch/sway.log")"
    sock=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -1)
    export SWAYSOCK=$sock
    export WAYLAND_DISPLAY
    WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && compgen -G 'wayland-*' | grep -v lock | head -1)
    poll sway_answers || fail "sway does not answer: $(cat "$e2e_scratch/sway.log")"
    # A keyboard that stays, as a desktop has one: each wtype below brings a keyboard of its own
    # and takes it away at its end, and a seat left without any takes the focus from the window.
    "${nobody[@]}" wtype -s 86400000 &
    track $!
}

sway_answers() {
    as_user swaymsg -t get_version >/dev/null 2>&1
}

# The windows of the programs as one JSON object a line: id, name (the title), visible, rect.
sway_windows() {
    as_user swaymsg -t get_tree 2>/dev/null |
        jq -c '.. | objects | select(.pid? != null) | {id, name, visible, rect}'
}

windows_named() {
    sway_windows | jq -r --arg re "$1" 'select(.visible and (.name // "" | test($re))) | .id'
}

viewable() {
    sway_windows | jq -e --argjson id "$1" 'select(.id == $id and .visible)' >/dev/null
}

window_geometry() {
    sway_windows | jq -r --argjson id "$1" 'select(.id == $id) | .rect | "\(.x) \(.y) \(.width) \(.height)"'
}

focus() {
    as_user swaymsg "[con_id=$1] focus" >/dev/null
}

# keys_to WID KEY...: keys in xdotool's spelling ("ctrl+s", "Return", "Left"), typed by wtype into
# the window once focused. wtype's keyboard is new each time: the client needs a moment to take it.
keys_to() {
    local wid=$1 key part m args=(-s 500)
    shift
    focus "$wid"
    for key in "$@"; do
        local mods=()
        IFS=+ read -ra part <<<"$key"
        mods=("${part[@]:0:${#part[@]}-1}")
        for m in "${mods[@]}"; do args+=(-M "$m"); done
        args+=(-k "${part[-1]}")
        for m in "${mods[@]}"; do args+=(-m "$m"); done
        args+=(-s 100)
    done
    as_user wtype "${args[@]}"
}

type_to() {
    focus "$1"
    as_user wtype -s 500 -d 20 "$2"
}

shot() {
    local file="$SHOTS/$1.png"
    as_user grim - >"$file"
    echo "$file"
}

click_at() {
    as_user "$POINTER" "$1" "$2" "${SCREEN%x*}" "${SCREEN#*x}" || fail "no click at $1,$2"
}

choose_file() {
    local title=$1 path=$2 dialog
    dialog=$(wait_window "^$title\$") || fail "no dialog titled $title"
    shot "dialog-$title" >/dev/null
    type_to "$dialog" "$path"
    keys_to "$dialog" Return
    # A completion list that happened to open takes the first Return for itself.
    if ! E2E_WAIT=3 wait_window_gone "$dialog"; then
        keys_to "$dialog" Return || true
    fi
    wait_window_gone "$dialog" || fail "the $title dialog stayed open after Return"
}

# The splash carries the program's name too, and goes just before the main window comes, which
# the compositor may show in the other order: the main window is the one named so once the board
# is on the screen.
start_pentavo() {
    local log="$e2e_scratch/pentavo.$((++e2e_runs)).log"
    "$PENTAVO" >"$log" 2>&1 &
    APP_PID=$!
    APP_LOG=$log
    track "$APP_PID"
    poll look current || fail "no board on the screen: ${BOARD_ERROR:-}; log: $(cat "$log")"
    MAIN_WID=$(wait_window '^Pentavo$') || fail "no window titled Pentavo; log: $(cat "$log")"
    [ "$(windows_named '^Pentavo$' | wc -l)" -eq 1 ] || fail "more than one window titled Pentavo at start"
}

# A window's size in logical pixels ("W H"): the screen's at scale 1 are the same.
window_size() {
    window_geometry "$1" | cut -d' ' -f3-
}

has_size() {
    [ "$(window_size "$1")" = "$2 $3" ]
}

# --- the session -------------------------------------------------------------------------------

opening=$(board_with "$(empty_board)" 7 7 X)

# scaled_run: the opening, a move by click, and pictures of both, at E2E_SCALE.
scaled_run() {
    wayland_init "wayland-$E2E_SCALE"
    start_pentavo
    expect_board "$opening" "opening at scale $E2E_SCALE"
    [ "$GRID_ROWS" = 15 ] || fail "only $GRID_ROWS rows of the board are visible"
    within "$GRID_PITCH" "$(awk -v s="$E2E_SCALE" 'BEGIN {print 400 / 15 * s}')" 0.3 ||
        fail "cell pitch is $GRID_PITCH pixels at scale $E2E_SCALE"
    crisp "$LAST_SHOT"
    cp "$LAST_SHOT" "$SHOTS/opening.png"
    click_cell 3 3
    wait_marks 3
    cp "$LAST_SHOT" "$SHOTS/game.png"
    crisp "$LAST_SHOT"
    quit_by_keys
    note "passed"
}

# crisp PICTURE: the top row of cells, the lines around it included, is pure black and white:
# every line lies on whole pixels (a line between two pixels would show grey).
crisp() {
    local area colours
    area=$(awk -v l="$GRID_LEFT" -v t="$GRID_TOP" -v p="$GRID_PITCH" \
        'BEGIN {printf "%dx%d+%d+%d", 15 * p + 3, p + 3, l - 1, t - 1}')
    colours=$(convert "$1" -crop "$area" +repage -format %c histogram:info:- |
        grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' ')
    [ "$colours" = "#000000 #FFFFFF " ] ||
        fail "the board's top row ($area) holds the colours $colours, not only black and white: blurred ($1)"
}

if [ -n "${E2E_SCALE:-}" ]; then
    scaled_run
    exit 0
fi

wayland_init wayland
cells=("${E2E_GAME_CELLS[@]}")

# steps FROM TO KEY_BACK KEY_ON: the keys that move the cursor from one number to the other.
steps() {
    local n=$(($2 - $1)) key=$4
    ((n < 0)) && n=$((-n)) key=$3
    for ((; n > 0; n--)); do printf '%s ' "$key"; done
}

# Closes the computer's message by Return and saves the record by Ctrl+S as FILE.pnv, which must
# be the record the X11 runs save.
message_and_save() {
    save_after_message "$1"
    cmp "$FILES/$1.pnv" <(record_bytes "${E2E_GAME_RECORD[@]}") || {
        od -An -tu1 "$FILES/$1.pnv" | head -2
        fail "the game by $1 was saved differently from the X11 runs' record"
    }
}

note "first start: an empty settings store"
start_pentavo
expect_board "$opening" "first start"
shot first-start >/dev/null
read -r width height <<<"$(window_size "$MAIN_WID")"
[ "$width" = 475 ] || fail "the first window is $width pixels wide, not 475"

note "the game by keys"
col=7 row=7 enter=Return
for ((i = 0; i < ${#cells[@]}; i++)); do
    read -r c r <<<"${cells[i]}"
    # shellcheck disable=SC2046 # a list of key names
    keys_to "$MAIN_WID" $( ((i == 0)) && echo Home) $(steps "$col" "$c" Left Right) $(steps "$row" "$r" Up Down) "$enter"
    col=$c row=$r
    [ "$enter" = Return ] && enter=space || enter=Return
    ((i == ${#cells[@]} - 1)) || wait_marks $((2 * i + 3))
done
message_and_save keys

note "View > Options: the dialog shows, and Esc closes it"
keys_to "$MAIN_WID" ctrl+t
dialog=$(wait_window '^Options$') || fail "no Options dialog"
still_shot options "$dialog" >/dev/null
keys_to "$dialog" Escape
wait_window_gone "$dialog" || fail "Esc did not close the Options dialog"

note "Help > Contents: the help window, where the compositor puts it; Esc closes it"
keys_to "$MAIN_WID" alt+h c
help=$(wait_window '^Pentavo Help$') || fail "no help window"
still_shot help "$help" >/dev/null
keys_to "$help" Escape
wait_window_gone "$help" || fail "Esc did not close the help window"

first_size=$(window_size "$MAIN_WID")
quit_by_keys
[ -z "$(setting MainLeft)$(setting MainTop)" ] ||
    fail "a position was stored on Wayland: $(cat "$CONF")"
read -r width height <<<"$first_size"
[ "$(setting MainWidth) $(setting MainHeight)" = "$((width * 15)) $((height * 15))" ] ||
    fail "the stored size is not the window's $first_size: $(cat "$CONF")"

note "a store an X11 session wrote: its size is taken, its position left as it was"
printf '[Settings]\nMainLeft=1230\nMainTop=2340\nMainWidth=8400\nMainHeight=9300\n' |
    as_user tee "$CONF" >/dev/null
start_pentavo
poll has_size "$MAIN_WID" 560 620 ||
    fail "the stored size 560 x 620 was not taken: the window is $(window_size "$MAIN_WID")"
expect_board "$opening" "second start"

note "the same game by clicks"
for ((i = 0; i < ${#cells[@]}; i++)); do
    # shellcheck disable=SC2086 # two numbers
    click_cell ${cells[i]}
    ((i == ${#cells[@]} - 1)) || wait_marks $((2 * i + 3))
done
message_and_save clicks

note "File > New, then File > Open of the game by keys"
keys_to "$MAIN_WID" ctrl+n
expect_board "$opening" "after New"
keys_to "$MAIN_WID" ctrl+o
choose_file Open "$FILES/keys.pnv"
wait_marks $((2 * ${#cells[@]} + 1))
[ "$FIVE" = X ] || fail "the opened game shows no five of the computer's"
shot opened >/dev/null

note "the window resized, then File > Exit: the size stored, the X11 position kept"
as_user swaymsg "[con_id=$MAIN_WID] resize set 600 660" >/dev/null
poll has_size "$MAIN_WID" 600 660 ||
    fail "sway did not resize the window: $(window_size "$MAIN_WID")"
keys_to "$MAIN_WID" alt+f x
wait_exit
for expected in MainLeft=1230 MainTop=2340 MainWidth=9000 MainHeight=9900; do
    [ "$(setting "${expected%=*}")" = "${expected#*=}" ] ||
        fail "${expected%=*} is '$(setting "${expected%=*}")', expected ${expected#*=}"
done

note "the next start has the size the last one left"
start_pentavo
poll has_size "$MAIN_WID" 600 660 ||
    fail "the window is $(window_size "$MAIN_WID"), not 600 660 as left"
quit_by_keys
[ "$(setting MainLeft) $(setting MainTop)" = "1230 2340" ] || fail "the X11 position changed: $(cat "$CONF")"
note "passed"
