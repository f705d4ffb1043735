#!/usr/bin/env bash
# scripts/check-layers on planted trees: each row plants one file holding one include, and says
# whether the check must pass it or refuse it, naming the line.
set -euo pipefail
check=$(cd "$(dirname "$0")/.." && pwd)/check-layers
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cases='
pass   engine/Game.cpp        #include "core/Board.h"
pass   engine/Game.cpp        #include <vector>
pass   engine/Game.cpp        #include "FindFive.h"
pass   ai/tests/CellScorer.h  #include "ai/tests/LineScorer.h"
pass   files/tests/Test.cpp   #include "testkit/Logs.h"
refuse engine/Game.cpp        #include "ui/frmMain.h"
refuse forms/PictureBox.cpp   #include "engine/Game.h"
refuse files/Record.cpp       #include "testkit/Logs.h"
refuse app/Main.cpp           #include <ui/frmMain.h>
refuse app/Main.cpp           #include "../ui/MessageBox.h"
refuse engine/Game.cpp        #include "ai/tests/Something.h"
refuse engine/Game.cpp        #include "engine/tests/GameFixture.h"
refuse bench/Bench.cpp        #include "brain/tests/ChildProcess.h"
refuse extra/Extra.cpp        #include <vector>
'
failures=0
count=0
while read -r expect file include; do
    [ -n "$expect" ] || continue
    count=$((count + 1))
    root=$scratch/$count
    mkdir -p "$root/$(dirname "$file")"
    git init -q "$root"
    echo "$include" >"$root/$file"
    if "$check" "$root" >"$root.out" 2>&1; then
        got=pass
    elif [ $? -eq 1 ] && grep -q "^$file" "$root.out"; then
        got=refuse
    else
        got="an error"
    fi
    if [ "$got" != "$expect" ]; then
        echo "FAIL: $file with $include: expected $expect, got $got: $(cat "$root.out")"
        failures=$((failures + 1))
    fi
done <<<"$cases"
echo "check-layers: $((count - failures)) of $count cases as expected"
[ $failures -eq 0 ]
