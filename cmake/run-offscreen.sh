#!/usr/bin/env bash
# Runs one Qt program on the offscreen platform with fresh, private settings and runtime folders,
# and a screen without fake frame margins (so geometry matches a real X server without a
# window manager). PENTAVO_SCREEN=WIDTHxHEIGHT chooses another screen size.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 0700 "$scratch/runtime" "$scratch/config"
# A config file replaces the platform's default screen, so it names one: 800 x 800 as before.
screen=${PENTAVO_SCREEN:-800x800}
printf '{ "windowFrameMargins": false, "screens": [ { "name": "offscreen", "x": 0, "y": 0, "width": %d, "height": %d, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }\n' \
    "${screen%x*}" "${screen#*x}" > "$scratch/offscreen.json"
export XDG_RUNTIME_DIR="$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config"
export QT_QPA_PLATFORM="offscreen:configfile=$scratch/offscreen.json"
export QTEST_FUNCTION_TIMEOUT=60000
# English, whatever the machine's language: a test that wants another installs its translator.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
"$@"
