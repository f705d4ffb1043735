#!/usr/bin/env bash
# Configures and builds one build folder: build.sh FOLDER [CMAKE OPTIONS...] [-- TARGET...]
# With options, the folder is configured afresh whenever they differ from the last time, so an
# option added, changed or dropped always takes effect; without, a configured folder is built as
# it is. A failed configure shows what CMake said.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
given=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    given+=("$1")
    shift
done
[ $# -gt 0 ] && shift
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${given[@]}")
stamp=$dir/pentavo-options.txt
if [ ! -f "$dir/build.ninja" ] || { [ ${#given[@]} -gt 0 ] && [ "$(cat "$stamp" 2>/dev/null)" != "${options[*]}" ]; }; then
    mkdir -p "$dir"
    if ! cmake --fresh -S . -B "$dir" "${options[@]}" >"$dir/configure.log" 2>&1; then
        cat "$dir/configure.log" >&2
        echo "scripts/build.sh: configuring $dir failed; CMake's output is above" >&2
        exit 1
    fi
    printf '%s' "${options[*]}" >"$stamp"
fi
cmake --build "$dir" "${targets[@]}"
