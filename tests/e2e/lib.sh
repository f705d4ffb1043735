# shellcheck shell=bash disable=SC2034 # the globals set here are read by the scripts
# What the end-to-end runs share: a private X screen, the program on it, and the hands and eyes of
# a person (clicks and keys through xdotool, the board read back from screenshots).
#
# A script sources this file after `set -euo pipefail`, then calls e2e_init NAME. Every process
# started here is stopped by its PID when the script exits, however it exits.

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_WAIT=${E2E_WAIT:-20} # seconds any single wait may take before the run fails

# The game that keyboard.sh and wayland.sh play by keys and by clicks: the person's cells (column
# row), on which the computer completes five with its fourth reply, and the record every run of it
# saves (the computer's replies included), whatever the window system.
E2E_GAME_CELLS=("3 3" "11 4" "2 12" "0 14")
E2E_GAME_RECORD=(120 52 103 76 86 195 137 225 154)

e2e_pids=()
e2e_scratch=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

note() {
    echo "-- $*"
}

# True while the process runs (a zombie that is not yet reaped counts as ended).
alive() {
    local state
    [ -r "/proc/$1/stat" ] || return 1
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# Stops one process: TERM, a few seconds' grace, then KILL.
stop_pid() {
    local pid=$1 i
    alive "$pid" || { wait "$pid" 2>/dev/null || true; return 0; }
    kill -TERM "$pid" 2>/dev/null || true
    for ((i = 0; i < 50; i++)); do
        alive "$pid" || break
        sleep 0.1
    done
    alive "$pid" && kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
}

e2e_cleanup() {
    local i
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
        stop_pid "${e2e_pids[i]}"
    done
    e2e_pids=()
    if [ -n "${e2e_extra_cleanup:-}" ]; then
        "$e2e_extra_cleanup" || true
    fi
    [ -n "$e2e_scratch" ] && rm -rf "$e2e_scratch"
}

# Remembers a process to stop at exit.
track() {
    e2e_pids+=("$1")
}

# Polls COMMAND... every 0.1 s until it succeeds or E2E_WAIT seconds passed; false on time-out.
poll() {
    local deadline=$((SECONDS + E2E_WAIT))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# e2e_init NAME: scratch folder, screenshot folder SHOTS (build/e2e-shots/NAME), fresh settings and
# runtime folders, and a private X screen in DISPLAY.
e2e_init() {
    local name=$1
    : "${PENTAVO:?path of the program}" "${BUILD_DIR:?build folder}" "${E2E_BOARD:?board reader}"
    "$e2e_root/scripts/deps.sh" --need Xvfb xdotool xwininfo xprop import convert || exit 1
    e2e_scratch=$(mktemp -d "${TMPDIR:-/tmp}/pentavo-e2e-$name.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    # Runs under a window manager keep their own pictures: both variants may run at once.
    SHOTS="$BUILD_DIR/e2e-shots/$name${E2E_WM:+-$E2E_WM}"
    rm -rf "$SHOTS"
    mkdir -p "$SHOTS"
    mkdir -m 0700 "$e2e_scratch/runtime"
    mkdir "$e2e_scratch/config" "$e2e_scratch/home" "$e2e_scratch/files"
    export XDG_RUNTIME_DIR="$e2e_scratch/runtime"
    export XDG_CONFIG_HOME="$e2e_scratch/config"
    export HOME="$e2e_scratch/home"
    export QT_QPA_PLATFORM=xcb
    # English whatever the machine's language; the program alone is given E2E_LANG, when a script
    # names one (the tools here would complain of a locale that is not generated).
    export LANG=C.UTF-8
    unset LANGUAGE LC_ALL LC_MESSAGES
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR SESSION_MANAGER
    FILES="$e2e_scratch/files"
    CONF="$XDG_CONFIG_HOME/Pentavo/Pentavo.conf"
    start_xvfb
}

start_xvfb() {
    local numberfile="$e2e_scratch/display" attempt
    # Two servers started at the same moment can pick the same free number and one of them then
    # quits: check that the display is ours, and try again if not.
    for attempt in 1 2 3; do
        : >"$numberfile"
        # -noreset: by default the server resets when its last client leaves, and a program
        # started during that moment cannot connect.
        Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3>"$numberfile" \
            >"$e2e_scratch/xvfb.log" 2>&1 &
        XVFB_PID=$!
        track "$XVFB_PID"
        if poll grep -q '^[0-9][0-9]*$' "$numberfile"; then
            DISPLAY=":$(head -1 "$numberfile")"
            export DISPLAY
            if poll display_settled && display_ours && poll x_answers; then
                start_window_manager
                return 0
            fi
        fi
        note "Xvfb attempt $attempt failed: $(cat "$e2e_scratch/xvfb.log")"
        stop_pid "$XVFB_PID"
    done
    fail "no private X screen"
}

# True when the display's listening socket is our server's: of two servers that took the same
# number, the other one quits.
display_ours() {
    local inode
    for inode in $(awk -v path="/tmp/.X11-unix/X${DISPLAY#:}" '$8 == path || $8 == "@" path {print $7}' /proc/net/unix); do
        find "/proc/$XVFB_PID/fd" -lname "socket:\[$inode\]" 2>/dev/null | grep -q . && return 0
    done
    return 1
}

display_settled() {
    ! alive "$XVFB_PID" || display_ours
}

# E2E_WM=openbox: a real window manager on the screen, which frames the windows, hands out the
# focus and maps windows in its own time, as on a person's desktop. Without it (the default)
# windows sit exactly where the program puts them.
start_window_manager() {
    case "${E2E_WM:-}" in
    "") return 0 ;;
    openbox) ;;
    *) fail "unknown window manager E2E_WM=$E2E_WM" ;;
    esac
    "$e2e_root/scripts/deps.sh" --need openbox xprop || exit 1
    openbox --sm-disable >"$e2e_scratch/openbox.log" 2>&1 &
    track $!
    poll wm_running || fail "openbox did not start: $(cat "$e2e_scratch/openbox.log")"
}

wm_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

x_answers() {
    xwininfo -root >/dev/null 2>&1
}

# xdotool, never waiting for ever (its --sync options wait for an event that may not come).
xdo() {
    timeout 10 xdotool "$@"
}

# --- windows ---------------------------------------------------------------------------------

# Visible windows whose title matches REGEX, one id a line.
windows_named() {
    xdo search --onlyvisible --name "$1" 2>/dev/null || true
}

# Prints the id of a visible window titled REGEX other than the ids given after it; fails after
# E2E_WAIT seconds.
wait_window() {
    local regex=$1 deadline=$((SECONDS + E2E_WAIT)) wid
    shift
    while ((SECONDS < deadline)); do
        for wid in $(windows_named "$regex"); do
            if ! printf '%s\n' "$@" | grep -qx "$wid"; then
                echo "$wid"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

not_viewable() {
    ! viewable "$1"
}

wait_window_gone() {
    poll not_viewable "$1"
}

# return_closes WID WHAT: Return sent to the box WID closes it. A box shown as the program starts
# was seen, under a window manager and on a loaded machine, to miss that first Return while the
# manager still settled the focus between the new main window and the box; if the box is still
# there after a few seconds, the focus is given to it again and Return sent once more, noting where
# the focus was. A box that a second Return does not close fails.
return_closes() {
    keys_to "$1" Return
    if ! E2E_WAIT=5 wait_window_gone "$1"; then
        note "$2 stayed after Return with the focus on window $(xdo getwindowfocus); Return again"
        # A box that has gone meanwhile takes no focus, and no key goes elsewhere.
        if xdo windowfocus --sync "$1"; then
            xdo key --clearmodifiers Return || true
        fi
    fi
    wait_window_gone "$1" || fail "$2 stays after Return"
}

# Focuses a window and sends it keys (xdotool key syntax). A new window does not get the focus by
# itself here, and a closed message box hands it to the root: focus before every key.
keys_to() {
    local wid=$1
    shift
    xdo windowfocus --sync "$wid"
    xdo key --clearmodifiers "$@"
}

type_to() {
    xdo windowfocus --sync "$1"
    xdo type --delay 20 --clearmodifiers "$2"
}

# "X Y W H" of a window on the screen.
window_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ {x = $NF}
        /Absolute upper-left Y:/ {y = $NF}
        /^ *Width:/ {w = $NF}
        /^ *Height:/ {h = $NF}
        END {print x, y, w, h}'
}

# "LEFT RIGHT TOP BOTTOM": the widths of the frame a window manager drew around a window (all 0
# without one).
frame_extents() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ,)
    echo "${extents:-0 0 0 0}"
}

# "X Y W H" of a window's frame: its outer edges, as the program stores them.
frame_geometry() {
    local x y w h l r t b
    read -r x y w h <<<"$(window_geometry "$1")"
    read -r l r t b <<<"$(frame_extents "$1")"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# place_window WID X Y W H: puts a window's frame at X Y (the window itself where there is no
# frame) with the window itself W × H, and waits until it has taken the place; asks again now and
# then, since a window that is still settling after being shown may undo an early request.
place_window() {
    local wid=$1 deadline=$((SECONDS + E2E_WAIT)) fx fy
    while ((SECONDS < deadline)); do
        xdo windowmove "$wid" "$2" "$3" windowsize "$wid" "$4" "$5"
        for _ in 1 2 3 4 5; do
            sleep 0.1
            read -r fx fy _ _ <<<"$(frame_geometry "$wid")"
            [ "$fx $fy $(window_geometry "$wid" | cut -d' ' -f3-)" = "$2 $3 $4 $5" ] && return 0
        done
    done
    fail "the window stays at $(window_geometry "$wid") (frame $(frame_geometry "$wid")), not $*"
}

# within A B D: true when the numbers A and B differ by at most D.
within() {
    awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN {exit !(a - b <= d && b - a <= d)}'
}

# The value of KEY in the section [Settings] of the program's settings file.
setting() {
    awk -F= -v key="$1" '/^\[/ {section = $0} section == "[Settings]" && $1 == key {print $2}' "$CONF"
}

# The value of KEY in the section [Statistics] of the program's settings file.
stored_statistic() {
    awk -F= -v key="$1" '/^\[/ {section = $0} section == "[Statistics]" && $1 == key {print $2}' "$CONF"
}

# --- the program -----------------------------------------------------------------------------

# Starts the program with ARGS and waits for its main window with the board on it: APP_PID,
# MAIN_WID.
start_pentavo() {
    local log="$e2e_scratch/pentavo.$((++e2e_runs)).log"
    LANG=${E2E_LANG:-$LANG} "$PENTAVO" "$@" >"$log" 2>&1 &
    APP_PID=$!
    APP_LOG=$log
    track "$APP_PID"
    MAIN_WID=$(wait_window '^Pentavo$') || fail "no window titled Pentavo appeared; log: $(cat "$log")"
    [ "$(windows_named '^Pentavo$' | wc -l)" -eq 1 ] || fail "more than one window titled Pentavo at start"
}
e2e_runs=0

# Waits for the program to end by itself and checks its exit status.
wait_exit() {
    local rc=0
    poll_dead "$APP_PID" || fail "the program did not end"
    wait "$APP_PID" || rc=$?
    [ "$rc" -eq 0 ] || fail "the program ended with status $rc; log: $(cat "$APP_LOG")"
}

# Ctrl+X, then the program's end. Under load a shortcut can be lost: on X, pressed while the
# toolkit has not yet made the main window active again after a dialog closed; on Wayland, typed
# before the keymap of wtype's new keyboard reached the program. It is sent once more while the
# window is still there; the window may go meanwhile, and a focus that then fails is no failure.
quit_by_keys() {
    keys_to "$MAIN_WID" ctrl+x
    if ! E2E_WAIT=$((E2E_WAIT / 2)) poll_dead "$APP_PID" && viewable "$MAIN_WID"; then
        note "Ctrl+X once more: the program is still there"
        keys_to "$MAIN_WID" ctrl+x || true
    fi
    wait_exit
}

dead() {
    ! alive "$1"
}

poll_dead() {
    poll dead "$1"
}

# --- eyes ------------------------------------------------------------------------------------

# shot NAME: a PNG of the whole screen in SHOTS; prints its path.
shot() {
    local file="$SHOTS/$1.png"
    import -silent -window root "$file"
    echo "$file"
}

# still_shot NAME WID [BOTTOM]: as shot, once the window WID looks the same in two pictures in a
# row, so that it is painted in the picture (and placed, where a window manager places it); its
# lowest BOTTOM pixels (a status bar's clock) are not compared. Only for windows without a
# blinking text cursor; fails when the window never settles.
still_shot() {
    local file deadline=$((SECONDS + E2E_WAIT)) x y w h last="" now
    while ((SECONDS < deadline)); do
        read -r x y w h <<<"$(window_geometry "$2")"
        h=$((h - ${3:-0}))
        file=$(shot "$1")
        now="$x $y $w $h $(convert "$file" -crop "${w}x$h+$x+$y" +repage rgb:- | md5sum)"
        if [ "$now" = "$last" ]; then
            echo "$file"
            return 0
        fi
        last=$now
    done
    fail "the window $2 never stopped changing for the picture $1"
}

# Reads the board off a picture: GRID_LEFT GRID_TOP GRID_PITCH GRID_ROWS, BOARD (15 lines of 15:
# . X O, ? unclear, # hidden) and FIVE (X, O or -). False when no board is found.
read_board() {
    local out
    out=$("$E2E_BOARD" "$1" 2>&1) || {
        BOARD=""
        BOARD_ERROR=$out
        return 1
    }
    read -r _ GRID_LEFT GRID_TOP GRID_PITCH GRID_ROWS <<<"$(sed -n 1p <<<"$out")"
    BOARD=$(sed -n 2,16p <<<"$out")
    FIVE=$(sed -n 17p <<<"$out" | awk '{print $2}')
}

# look NAME: a screenshot NAME.png, and the board read off it (sets LAST_SHOT too).
look() {
    LAST_SHOT=$(shot "$1")
    read_board "$LAST_SHOT"
}

# Waits until the screen shows the board given as 15 lines; fails with both boards on time-out.
expect_board() {
    local want=$1 what=$2 deadline=$((SECONDS + E2E_WAIT))
    while ((SECONDS < deadline)); do
        if look current && [ "$BOARD" = "$want" ]; then
            return 0
        fi
        sleep 0.1
    done
    fail "$what: the screen does not show the expected board
expected:
$want
seen:
${BOARD:-${BOARD_ERROR:-nothing}}
(screenshot: $LAST_SHOT)"
}

# Waits until the screen shows a board with COUNT marks and prints it.
wait_marks() {
    local count=$1 deadline=$((SECONDS + E2E_WAIT))
    while ((SECONDS < deadline)); do
        if look current && [ "$(marks_on <<<"$BOARD")" -eq "$count" ] && ! grep -q '[?#]' <<<"$BOARD"; then
            return 0
        fi
        sleep 0.1
    done
    fail "no board with $count marks on the screen; seen:
${BOARD:-${BOARD_ERROR:-nothing}}
(screenshot: $LAST_SHOT)"
}

marks_on() {
    tr -cd 'XO' | wc -c
}

# An empty board, as 15 lines.
empty_board() {
    local r
    for ((r = 0; r < 15; r++)); do echo "..............."; done
}

# board_with BOARD COL ROW MARK: the board with one cell changed.
board_with() {
    awk -v c="$2" -v r="$3" -v m="$4" 'NR == r + 1 {$0 = substr($0, 1, c) m substr($0, c + 2)} {print}' <<<"$1"
}

# The cell where two boards differ, as "COL ROW OLD NEW", one line per cell.
board_diff() {
    paste -d ' ' <(echo "$1") <(echo "$2") | awk '{
        for (c = 1; c <= 15; c++) {
            a = substr($1, c, 1); b = substr($2, c, 1)
            if (a != b) print c - 1, NR - 1, a, b
        }}'
}

# The colour of one pixel of a picture, as ImageMagick writes it: "srgb(160,0,0)".
pixel() {
    convert "$1" -format "%[pixel:p{$2,$3}]" info:
}

# Screen position of a cell's centre, from the last board read.
cell_xy() {
    awk -v l="$GRID_LEFT" -v t="$GRID_TOP" -v p="$GRID_PITCH" -v c="$1" -v r="$2" \
        'BEGIN {printf "%d %d\n", l + (c + 0.5) * p, t + (r + 0.5) * p}'
}

# --- hands -----------------------------------------------------------------------------------

pointer_at() {
    [ "$(xdo getmouselocation --shell | sed -n '1,2s/^[XY]=//p' | tr '\n' ' ')" = "$1 $2 " ]
}

# click_at X Y: a left click at a screen position. (mousemove --sync waits for ever when the
# pointer is already there, so the move is checked here instead.)
click_at() {
    xdo mousemove "$1" "$2"
    poll pointer_at "$1" "$2" || fail "the pointer does not move to $1,$2"
    xdo click 1
}

# True while one of the program's menus is on the screen: a window of the program's that no window
# manager may frame (its kind, once shown again, may read "normal").
menu_shown() {
    local wid
    for wid in $(xdo search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        [[ "$(xwininfo -id "$wid" 2>/dev/null)" == *"Override Redirect State: yes"* ]] && return 0
    done
    return 1
}

no_menu_shown() {
    ! menu_shown
}

# The program's windows on the screen, each with its title and whether it is a menu.
describe_windows() {
    local wid
    for wid in $(xdo search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        printf '%s (%s) ' "$wid" "$(xprop -id "$wid" _NET_WM_NAME 2>&1; xwininfo -id "$wid" | grep Override)"
    done
}

# menu_item MENU_KEY ITEM_KEY: a menu of the main window opened by its key (alt+f), once the last
# one has gone, and its item chosen by its key once the menu is on the screen: a key sent earlier
# may go to the window instead. On a loaded machine the menu bar now and then takes no menu key
# after a dialog opened from a menu has closed, until Esc: then Esc is pressed and the key sent
# again.
menu_item() {
    local attempt
    poll no_menu_shown || fail "a menu stays open: $(describe_windows)"
    for attempt in 1 2 3; do
        keys_to "$MAIN_WID" "$1"
        if E2E_WAIT=$((E2E_WAIT / 3)) poll menu_shown; then
            ((attempt == 1)) || note "$1 opened its menu at the $attempt. try"
            xdo key --clearmodifiers "$2"
            return 0
        fi
        keys_to "$MAIN_WID" Escape
    done
    fail "no menu opened by $1 in three tries; the program's windows: $(describe_windows) (screenshot: $(shot no-menu))"
}

# Returns once the program has taken every key and click sent to it so far: it opens the Options
# dialog by Ctrl+T only after them, and the dialog is closed again. That something did not happen
# can be judged only after that.
wait_handled() {
    local dialog
    keys_to "$MAIN_WID" ctrl+t
    dialog=$(wait_window '^Options$') ||
        fail "no Options dialog by Ctrl+T; the program's windows: $(describe_windows)"
    keys_to "$dialog" Escape
    wait_window_gone "$dialog" || fail "Esc did not close the Options dialog"
}

# Clicks the centre of cell COL ROW with the left button.
click_cell() {
    # shellcheck disable=SC2046 # two numbers
    click_at $(cell_xy "$1" "$2")
}

# The move code of a cell, as the game record keeps it.
move_code() {
    echo $(($2 * 16 + $1 + 1))
}

# record_bytes CODE...: the 225 bytes of a game record holding these moves.
record_bytes() {
    local code n=0
    for code in "$@"; do
        printf '%b' "\\$(printf '%03o' "$code")"
        n=$((n + 1))
    done
    head -c $((225 - n)) /dev/zero
}

# Chooses a file in the program's file dialog titled TITLE (already opening) by typing its path.
choose_file() {
    local title=$1 path=$2 dialog
    dialog=$(wait_window "^$title\$") || fail "no dialog titled $title"
    # The dialog takes typed text only once it is active; typed earlier, Return is lost. A window
    # manager may still move the focus as it maps the dialog.
    xdo windowfocus --sync "$dialog"
    shot "dialog-$title" >/dev/null
    xdo windowfocus --sync "$dialog"
    xdo type --delay 20 --clearmodifiers "$path"
    xdo key --clearmodifiers Return
    # A completion list that happened to open takes the first Return for itself.
    if ! E2E_WAIT=3 wait_window_gone "$dialog"; then
        if xdo windowfocus --sync "$dialog"; then
            xdo key --clearmodifiers Return || true
        fi
    fi
    wait_window_gone "$dialog" || fail "the $title dialog stayed open after Return"
}

# --- a whole game ----------------------------------------------------------------------------

# Starts the program and plays E2E_GAME_CELLS by clicks, up to the computer's five.
play_game_by_clicks() {
    local i
    start_pentavo
    expect_board "$(board_with "$(empty_board)" 7 7 X)" "opening"
    for ((i = 0; i < ${#E2E_GAME_CELLS[@]}; i++)); do
        # shellcheck disable=SC2086 # two numbers
        click_cell ${E2E_GAME_CELLS[i]}
        ((i == ${#E2E_GAME_CELLS[@]} - 1)) || wait_marks $((2 * i + 3))
    done
}

# After the computer's five: its message closed by Return, then the record saved by Ctrl+S as
# FILES/NAME.pnv.
save_after_message() {
    local box
    box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message after the computer's five"
    shot "$1-message" >/dev/null
    keys_to "$box" Return
    wait_window_gone "$box" || fail "Return did not close the message"
    keys_to "$MAIN_WID" ctrl+s
    choose_file Save "$FILES/$1.pnv"
    poll test -s "$FILES/$1.pnv" || fail "no record written by Ctrl+S"
}

# Ends the game that the computer has just won: saved as save_after_message saves it, then the
# program closed by Ctrl+X.
finish_and_save() {
    save_after_message "$1"
    quit_by_keys
}

# --- menus and what is drawn over the board --------------------------------------------------

program_windows() {
    xdo search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l
}

more_windows_than() {
    (($(program_windows) > $1))
}

# choose_from_menu MENU_KEY ITEM_KEY: opens a menu of the main window by Alt+MENU_KEY and, once it
# is on the screen, chooses the item by its key.
choose_from_menu() {
    local shown
    shown=$(program_windows)
    keys_to "$MAIN_WID" "alt+$1"
    poll more_windows_than "$shown" || fail "the menu of Alt+$1 did not open"
    xdo key --clearmodifiers "$2"
}

# The board's rectangle on the screen, from the last board read, as ImageMagick writes geometry;
# the clock in the status bar, which may turn a minute meanwhile, lies outside it.
board_area() {
    awk -v l="$GRID_LEFT" -v t="$GRID_TOP" -v p="$GRID_PITCH" \
        'BEGIN {s = int(15 * p + 1); printf "%dx%d+%d+%d\n", s, s, l, t}'
}

# True when the board on the screen now differs from the board in the picture FILE.
board_differs() {
    local area
    area=$(board_area)
    import -silent -window root "$e2e_scratch/now.png" &&
        ! compare -metric AE "$1[$area]" "$e2e_scratch/now.png[$area]" null: 2>/dev/null
}

# changed_box A B: "X Y W H" on the screen of the smallest rectangle holding every pixel of the
# board that differs between two pictures of the screen; nothing when none does.
changed_box() {
    local area box
    area=$(board_area)
    box=$(convert "$1[$area]" "$2[$area]" -compose difference -composite -threshold 0 \
        -format '%@' info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 0
    ((BASH_REMATCH[1] > 0)) || return 0
    echo "$((BASH_REMATCH[3] + ${GRID_LEFT%.*})) $((BASH_REMATCH[4] + ${GRID_TOP%.*})) ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}
