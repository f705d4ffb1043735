#!/usr/bin/env bash
# The Debian package as Debian builds and checks it: dpkg-buildpackage from a copy of the source
# tree, lintian with no error and no warning, hardening-check on both programs, and autopkgtest
# running debian/tests against the package in a throwaway Debian 12 root (its chroot back-end),
# so that nothing is installed on this machine.
#
#   check-debian.sh [WORK_FOLDER]      (default: build-deb in the project)
#
# The work folder keeps the package, the logs, autopkgtest's screenshots and, between runs, the
# root as a tarball (made again after a week, so that apt finds what the mirror holds).
set -euo pipefail
project=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mkdir -p "${1:-$project/build-deb}" && cd "${1:-$project/build-deb}" && pwd)
"$project/scripts/deps.sh" --need git dpkg-buildpackage dpkg-parsechangelog dh dpkg-deb lintian hardening-check \
    autopkgtest autopkgtest-virt-chroot mmdebstrap unshare mount mountpoint || exit 1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

note() {
    echo "-- $*"
}

# --- the package ------------------------------------------------------------------------------

# A copy of what git tracks or would track, edits included: dpkg-buildpackage writes its build
# folder into the tree and the package beside it.
source=$work/src/pentavo
rm -rf "$work/src"
mkdir -p "$source"
(cd "$project" && git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null) | tar -C "$source" -xf -

# The package repeats the project's facts: the version and its release date (the changelog entry
# is the release), the copyright year that follows from the date, and the contact address.
version=$(sed -n 's/^project(Pentavo VERSION \([0-9.]*\) .*/\1/p' "$project/CMakeLists.txt")
released=$(sed -n 's/^set(PENTAVO_RELEASE_DATE \([0-9-]*\))$/\1/p' "$project/CMakeLists.txt")
contact=$(sed -n 's/^set(PENTAVO_CONTACT \([^ )]*\)).*/\1/p' "$project/CMakeLists.txt")
[ "$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)" = "$version" ] ||
    fail "debian/changelog's version is not the project's $version"
changed=$(date -u -d "$(dpkg-parsechangelog -l "$source/debian/changelog" -S Date)" +%F)
[ -n "$released" ] && [ "$changed" = "$released" ] ||
    fail "debian/changelog's date $changed is not the project's release date '$released'"
if grep '^Copyright: .*Pentavo developers' "$source/debian/copyright" | grep -qv "^Copyright: ${released%%-*} "; then
    fail "debian/copyright gives a year other than the release's, ${released%%-*}"
fi
grep -q "^Maintainer: .*<$contact>\$" "$source/debian/control" ||
    fail "debian/control's Maintainer is not at the project's contact address $contact"

note "dpkg-buildpackage -us -uc -b"
# ccache keeps the repeated Release build short; the copy's path stays the same from run to run.
[ -d /usr/lib/ccache ] && export PATH=/usr/lib/ccache:$PATH
(cd "$source" && dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 ||
    fail "dpkg-buildpackage failed; the end of $work/build.log:
$(tail -n 40 "$work/build.log")"
changes=$(echo "$work"/src/pentavo_*_"$(dpkg --print-architecture)".changes)
deb=$(echo "$work"/src/pentavo_*.deb)
{ [ -f "$changes" ] && [ -f "$deb" ]; } || fail "not one .changes and one .deb: $(ls "$work/src")"
note "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

note "lintian"
lintian --fail-on error,warning --display-info "$changes" || fail "lintian has errors or warnings"

note "hardening-check"
unpacked=$work/unpacked
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
# Control flow integrity cannot be had on Debian 12: the C library's start files carry no CET
# marks, so no program linked here has them (/usr/bin/ls neither). Neither program hands the C
# library a buffer whose size the compiler knows, so nothing in them can be fortified: the false
# alarm hardening-check's manual describes (link-time optimisation and fortify level 3 were tried
# and fortified nothing either). That every compile asked for fortification is read from the
# build log instead.
for program in pentavo pbrain-pentavo; do
    hardening-check --nocfprotection --nofortify "$unpacked/usr/games/$program" ||
        fail "hardening-check finds a check that fails on $program"
done
compiles=$(grep -c -- ' -c /' "$work/build.log" || true)
unfortified=$(grep -- ' -c /' "$work/build.log" | grep -vc -- ' -D_FORTIFY_SOURCE=[1-9]' || true)
((compiles > 0)) || fail "no compiler call in the build log"
((unfortified == 0)) || fail "$unfortified of $compiles compiles lack -D_FORTIFY_SOURCE"
note "all $compiles compiles with -D_FORTIFY_SOURCE"

# --- autopkgtest in a throwaway root ----------------------------------------------------------

root_tar=$work/bookworm-root.tar
if [ -z "$(find "$root_tar" -mtime -7 2>/dev/null)" ]; then
    note "mmdebstrap: a Debian 12 root from the mirror this machine uses"
    mirror=/etc/apt/sources.list.d/debian.sources
    [ -f "$mirror" ] || mirror=http://deb.debian.org/debian
    # With the tests' own tools in it, each run installs only the package and what it needs.
    tools=$(sed -n 's/^Depends: //p' "$project/debian/tests/control" | tr ',' '\n' |
        sed 's/^ *//; /^@$/d' | sort -u | paste -sd, -)
    mmdebstrap --variant=apt --format=tar --include="$tools" --quiet bookworm "$root_tar.new" \
        "$mirror" ||
        fail "mmdebstrap could not make the root"
    mv "$root_tar.new" "$root_tar"
fi

note "autopkgtest in a root unpacked from $(basename "$root_tar")"
root=$work/root
rm -rf "$root" "$work/autopkgtest"
mkdir -p "$root"
tar -C "$root" -xf "$root_tar"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The root's mounts and processes live in namespaces of their own and end with them. Inside a
# chroot "/" is no mount point, so unshare cannot make the mounts private; the root is then bound
# onto itself and that made private, before anything is mounted below it.
propagation=()
mountpoint -q / || propagation=(--propagation unchanged)
rc=0
# shellcheck disable=SC2016 # the inner script expands its own arguments
unshare --mount --pid --fork "${propagation[@]}" -- bash -c '
    set -e
    root=$1
    if ! mountpoint -q /; then
        mount --bind "$root" "$root"
        mount --make-rprivate "$root"
    fi
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t tmpfs tmpfs "$root/tmp"
    shift
    autopkgtest "$@"
' check "$root" --no-built-binaries --output-dir "$work/autopkgtest" --timeout-test=300 \
    --setup-commands='apt-get update -q' "$deb" "$source/" -- chroot "$root" ||
    rc=$?
rm -rf "$root"
[ "$rc" -eq 0 ] || fail "autopkgtest failed with status $rc; its log: $work/autopkgtest/log"
note "passed"
