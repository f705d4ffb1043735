#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need, when any is missing.
#
#   scripts/deps.sh                 install whatever is missing
#   scripts/deps.sh --need TOOL...  fail, naming the package, unless every TOOL is listed here and
#                                   present (scripts call this instead of `command -v`, so a tool
#                                   they use but this list lacks fails on every machine, not only
#                                   on a fresh one)
set -euo pipefail

# Every program a script, the build or a test calls, once, with the package that provides it; then
# the libraries, headers and data that no command stands for.
tools='
cmake                  cmake
git                    git
ninja                  ninja-build
g++                    g++
clang-format           clang-format
Xvfb                   xvfb
xdotool                xdotool
xwininfo               x11-utils
xprop                  x11-utils
openbox                openbox
sway                   sway
swaymsg                sway
grim                   grim
wtype                  wtype
wayland-scanner        libwayland-bin
pkg-config             pkg-config
dbus-daemon            dbus
orca                   orca
speech-dispatcher      speech-dispatcher
espeak-ng              espeak-ng
import                 imagemagick
convert                imagemagick
cupsd                  cups
lpadmin                cups-client
lpstat                 cups-client
cupsaccept             cups-client
cupsreject             cups-client
cupsenable             cups-client
cupsdisable            cups-client
pdftoppm               poppler-utils
pdfinfo                poppler-utils
desktop-file-validate  desktop-file-utils
appstreamcli           appstream
update-mime-database   shared-mime-info
dpkg-deb               dpkg
dpkg-buildpackage      dpkg-dev
dpkg-parsechangelog    dpkg-dev
dh                     debhelper
lintian                lintian
hardening-check        devscripts
autopkgtest            autopkgtest
autopkgtest-virt-chroot autopkgtest
mmdebstrap             mmdebstrap
reuse                  reuse
man                    man-db
lexgrog                man-db
valgrind               valgrind
gnuplot                gnuplot-nox
column                 bsdextrautils
unshare                util-linux
setpriv                util-linux
mountpoint             util-linux
jq                     jq
mount                  mount
clang++                clang
clang-tidy             clang-tidy
msgfmt                 gettext
cppcheck               cppcheck
'
libraries='
qt6-base-dev           Qt 6 Widgets, PrintSupport and Test
fonts-dejavu-core      the fonts every window draws its text in
fonts-noto-cjk         Japanese, Chinese and Korean glyphs, as a Debian desktop draws them, for the tests
fonts-noto-core        Arabic and Hebrew glyphs, the same
qt6-tools-dev          the translations in the build (Qt6 LinguistTools)
qt6-l10n-tools         lupdate and lrelease, which that build calls
qt6-translations-l10n  the translations of Qt itself (the buttons of its dialogs), loaded beside ours
libgtest-dev           GoogleTest
libbenchmark-dev       Google Benchmark
libcups2-dev           the print server client library, which takes the print jobs
libxcb1-dev            the X client that times start-up (bench/startup)
qt6-wayland            the Wayland platform plugin of Qt, with which a Wayland desktop runs the program natively
libwayland-dev         the Wayland client library the end-to-end pointer helper clicks through
printer-driver-cups-pdf the PDF printer the print tests print to
at-spi2-core           the accessibility bus that screen readers listen on
dbus-x11               the session bus started beside an X screen
python3-gi             the Python bindings the screen-reader test is written with
python3-pyatspi        the accessibility bus as the screen-reader test reads it
gir1.2-atspi-2.0       the type information that reader needs
speech-dispatcher-espeak-ng the voice through which Orca speaks in the Orca test
alsa-utils             the sound library set-up through which that voice writes into a file
libclang-rt-14-dev     the sanitizer and libFuzzer runtimes of clang, for the fuzz programs
build-essential        what dpkg-buildpackage requires of every machine that builds a package
'

# Finds a program also where only root's PATH has it (cupsd, lpadmin live in /usr/sbin).
present() {
    command -v "$1" >/dev/null || [ -x "/usr/sbin/$1" ] || [ -x "/sbin/$1" ]
}

package_of() {
    awk -v t="$1" 'NF && $1 == t { print $2; found = 1 } END { exit !found }' <<<"$tools"
}

if [ "${1:-}" = --need ]; then
    shift
    for tool in "$@"; do
        package=$(package_of "$tool") || {
            echo "FAIL: $tool is used but scripts/deps.sh does not list it" >&2
            exit 1
        }
        present "$tool" || {
            echo "FAIL: $tool is not installed (scripts/deps.sh installs it from the package $package)" >&2
            exit 1
        }
    done
    exit 0
fi

missing=()
while read -r tool package; do
    [ -n "$tool" ] && ! present "$tool" && missing+=("$package")
done <<<"$tools"
while read -r package _; do
    [ -n "$package" ] || continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done <<<"$libraries"
[ ${#missing[@]} -eq 0 ] && exit 0
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
# Without --no-install-recommends cups drags in avahi and udev, and Qt a GTK theme.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
