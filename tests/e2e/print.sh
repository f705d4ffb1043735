#!/usr/bin/env bash
# File > Print of the real program, end to end.
#
#   print.sh PROGRAM BUILD_FOLDER server      a private print server with a PDF queue as the
#                                             default printer: the page shows the window's board
#   print.sh PROGRAM BUILD_FOLDER noserver    no print server: the message "The form can't be
#                                             printed." and the game goes on
#   print.sh PROGRAM BUILD_FOLDER refusing    the queue refuses jobs: the same message; once it
#                                             takes jobs again the page comes out. A stopped queue
#                                             keeps the job silently and prints it when started.
#
# E2E_BOARD names the board reader. The server variant needs root (the PDF backend runs as root)
# and exits 77, which CTest counts as skipped, without it.
set -euo pipefail
PENTAVO=$1
BUILD_DIR=$2
mode=${3:?server or noserver}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

if [ "$mode" != noserver ] && [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the print server and its PDF backend need root; this runs as $(id -un)"
    exit 77
fi
# The print server runs its filters as the print user lp. A root folder that others may not enter
# (mode 700, as a root unpacked into a folder from mktemp -d has it; an installed system has 755)
# keeps every filter from loading its libraries, and the page comes out blank.
if [ "$mode" != noserver ]; then
    "$e2e_root/scripts/deps.sh" --need setpriv || exit 1
    if ! setpriv --reuid=lp --regid=lp --clear-groups true 2>/dev/null; then
        echo "SKIP: the print user lp cannot enter / (mode $(stat -c %a /)), so no print filter can run"
        exit 77
    fi
fi
e2e_init "print-$mode"

# A print server of our own: its own folders, socket and queue, so neither a system print server
# nor another run is touched. The PDF backend reads its settings only from /etc/cups, from a file
# named after the queue's device; that file exists for this run only.
start_print_server() {
    local cups="$e2e_scratch/cups"
    "$e2e_root/scripts/deps.sh" --need cupsd lpadmin lpstat pdftoppm pdfinfo \
        cupsaccept cupsreject cupsenable cupsdisable || exit 1
    [ -x /usr/lib/cups/backend/cups-pdf ] || fail "the PDF printer backend is not installed"
    # The filters run as the print user and must reach the spool inside the scratch folder.
    chmod 755 "$e2e_scratch"
    mkdir -m 755 "$cups" "$cups/root" "$cups/spool" "$cups/cache" "$cups/state" "$cups/log" "$PDF_OUT"
    mkdir -m 1777 "$cups/tmp"
    cp /etc/cups/raw.types /etc/cups/raw.convs "$cups/root/" 2>/dev/null || true
    cat >"$cups/root/cups-files.conf" <<EOF
ServerRoot $cups/root
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/state
TempDir $cups/tmp
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
SystemGroup root
EOF
    cat >"$cups/root/cupsd.conf" <<EOF
Listen $cups/cups.sock
LogLevel info
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    pdf_conf="/etc/cups/cups-pdf-$pdf_instance.conf"
    printf 'Out %s\nLog %s\n' "$PDF_OUT" "$cups/log" >"$pdf_conf"
    e2e_extra_cleanup=remove_pdf_conf

    /usr/sbin/cupsd -f -c "$cups/root/cupsd.conf" -s "$cups/root/cups-files.conf" \
        >"$cups/log/cupsd.out" 2>&1 &
    track $!
    export CUPS_SERVER="$cups/cups.sock"
    poll scheduler_running || fail "the print server did not start: $(cat "$cups/log/"*)"
    timeout 30 lpadmin -p PDF -E -v "cups-pdf:/$pdf_instance" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
        fail "no PDF queue: $(tail -5 "$cups/log/error_log")"
    timeout 30 lpadmin -d PDF
    [ "$(timeout 30 lpstat -d)" = "system default destination: PDF" ] || fail "PDF is not the default printer"
}

scheduler_running() {
    timeout 5 lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}

remove_pdf_conf() {
    rm -f "$pdf_conf"
}

# The newest finished PDF in the output folder; false while there is none.
printed_pdf() {
    local newest
    newest=$(find "$PDF_OUT" -name '*.pdf' -size +0 -printf '%T@ %p\n' | sort -n | tail -1 | cut -d' ' -f2-)
    [ -n "$newest" ] && pdfinfo "$newest" >/dev/null 2>&1 && echo "$newest"
}

other_window() {
    windows_named '^Pentavo$' | grep -vx "$MAIN_WID" || true
}

choose_print() {
    menu_item alt+f p
}

# After File > Print: the message "The form can't be printed." (a picture of it as NAME), closed
# with Return; the program and its board go on as they were.
expect_print_failure() {
    local box bw bh
    box=$(wait_window '^Pentavo$' "$MAIN_WID") || fail "no message after a print that failed"
    still_shot "$1" "$box" >/dev/null
    read -r _ _ bw bh <<<"$(window_geometry "$box")"
    ((bw < 500 && bh < 300)) || fail "the window that appeared (${bw}x$bh) is no message box"
    keys_to "$box" Return
    wait_window_gone "$box" || fail "Return did not close the message box"
    alive "$APP_PID" || fail "the program ended after the failed print"
    expect_board "$opening" "after the failed print"
}

job_waiting() {
    [ -n "$(timeout 5 lpstat -o PDF 2>/dev/null)" ]
}

pdf_instance="pentavoe2e$$"
pdf_conf=""
PDF_OUT="$e2e_scratch/pdf"
opening=$(board_with "$(empty_board)" 7 7 X)

if [ "$mode" != noserver ]; then
    start_print_server
else
    # Hides any print server there may be.
    export CUPS_SERVER=/nonexistent.sock
fi

start_pentavo
place_window "$MAIN_WID" 40 30 520 600
expect_board "$opening" "opening"

if [ "$mode" = refusing ]; then
    timeout 30 cupsreject -r "out of paper" PDF
    timeout 5 lpstat -a PDF | grep -q 'not accepting' || fail "the queue still accepts jobs"
    note "the queue refuses jobs"
fi

note "File > Print"
choose_print

if [ "$mode" = server ]; then
    poll printed_pdf >/dev/null || fail "no PDF came out of the printer; server log:
$(tail -20 "$e2e_scratch/cups/log/error_log")"
    pdf=$(printed_pdf)
    note "printed: $(basename "$pdf")"
    [ -z "$(other_window)" ] || fail "a message box after a print that worked"
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" = 1 ] || fail "the print has $pages pages, not 1"
    pdftoppm -r 100 -png -singlefile "$pdf" "$SHOTS/printed-page"
    page="$SHOTS/printed-page.png"
    read_board "$page" || fail "no board on the printed page: $BOARD_ERROR"
    [ "$BOARD" = "$opening" ] || fail "the printed board is not the window's board:
$BOARD"
    # shellcheck disable=SC2046 # two numbers
    colour=$(pixel "$page" $(cell_xy 7 7))
    note "the cross's centre on paper: $colour (printed board pitch $GRID_PITCH pixels at 100 dpi)"
    awk -v c="$colour" 'BEGIN {
        gsub(/[^0-9,]/, "", c); split(c, v, ",")
        exit !(v[1] >= 120 && v[2] <= 60 && v[3] <= 60)}' || fail "the cross on paper is $colour, not dark red"

    note "File > Page Setup shows the printer dialog; cancelling it is silent"
    menu_item alt+f u
    dialog=$(wait_window '^Page Setup$') || fail "no printer dialog titled Page Setup"
    shot page-setup >/dev/null
    keys_to "$dialog" Escape
    wait_window_gone "$dialog" || fail "Esc did not close the printer dialog"
    wait_handled
    [ -z "$(other_window)" ] || fail "a message box after cancelling the printer dialog"
elif [ "$mode" = noserver ]; then
    expect_print_failure cannot-print
else
    expect_print_failure queue-refuses
    [ -z "$(printed_pdf)" ] || fail "a page came out of a queue that refuses jobs"

    note "the queue takes jobs again but is stopped: the job waits, no message"
    timeout 30 cupsaccept PDF
    timeout 30 cupsdisable PDF
    choose_print
    poll job_waiting || fail "no job waits in the stopped queue: $(timeout 5 lpstat -o 2>&1)"
    wait_handled
    [ -z "$(other_window)" ] || fail "a message box after a job the queue kept"
    [ -z "$(printed_pdf)" ] || fail "a page came out of a stopped queue"

    note "the queue started: the waiting job comes out with the board on it"
    timeout 30 cupsenable PDF
    poll printed_pdf >/dev/null || fail "the waiting job never came out; server log:
$(tail -20 "$e2e_scratch/cups/log/error_log")"
    pdftoppm -r 100 -png -singlefile "$(printed_pdf)" "$SHOTS/printed-page"
    read_board "$SHOTS/printed-page.png" || fail "no board on the printed page: $BOARD_ERROR"
    [ "$BOARD" = "$opening" ] || fail "the printed board is not the window's board:
$BOARD"
    expect_board "$opening" "after the print"
fi

quit_by_keys
note "passed"
