#!/usr/bin/env bash
# Runs one Qt program on the offscreen platform with fresh, private settings and runtime folders,
# and a screen without fake frame margins (so geometry matches a real X server without a
# window manager).
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 0700 "$scratch/runtime" "$scratch/config"
# A config file replaces the platform's default screen, so it names one: 800 x 800 as before.
printf '{ "windowFrameMargins": false, "screens": [ { "name": "offscreen", "x": 0, "y": 0, "width": 800, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }\n' \
    > "$scratch/offscreen.json"
export XDG_RUNTIME_DIR="$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config"
export QT_QPA_PLATFORM="offscreen:configfile=$scratch/offscreen.json"
export QTEST_FUNCTION_TIMEOUT=60000
"$@"
