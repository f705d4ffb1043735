#!/usr/bin/env bash
# Redraws the PNG files in this folder: make-pictures.sh [BUILD_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build-pictures}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENTAVO_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target make_pictures -j 2
"$build/bin/make_pictures" "$here"
