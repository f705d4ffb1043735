#!/usr/bin/env bash
# scripts/check-case on planted trees: each row plants the files named and says whether the check
# must pass them or refuse them, naming the second of a pair.
set -euo pipefail
check=$(cd "$(dirname "$0")/.." && pwd)/check-case
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cases='
pass   app/Main.cpp app/EntryPoint.cpp brain/main.cpp
refuse app/Main.cpp app/main.cpp
refuse app/Main.cpp APP/Main.cpp
'
failures=0
count=0
while read -r expect first others; do
    [ -n "$expect" ] || continue
    count=$((count + 1))
    root=$scratch/$count
    git init -q "$root"
    for file in $first $others; do
        mkdir -p "$root/$(dirname "$file")"
        touch "$root/$file"
    done
    git -C "$root" add -A
    if "$check" "$root" >"$root.out" 2>&1; then
        got=pass
    elif [ $? -eq 1 ] && grep -q "only in case" "$root.out"; then
        got=refuse
    else
        got="an error"
    fi
    if [ "$got" != "$expect" ]; then
        echo "FAIL: $first $others: expected $expect, got $got: $(cat "$root.out")"
        failures=$((failures + 1))
    fi
done <<<"$cases"
echo "check-case: $((count - failures)) of $count cases as expected"
[ $failures -eq 0 ]
