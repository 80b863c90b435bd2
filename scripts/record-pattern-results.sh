#!/bin/sh
# Records what the real pattern object gives for every case of the pattern table: builds the
# Windows tools and runs the table through them under Wine, into
# tests/data/pattern/results-windows.txt. Cases marked "windows: skip" are left out.
set -eu
cd "$(dirname "$0")/.."
preset=windows
scripts/can-run-win32.sh || preset=windows64
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target pattern-dump
prefix=$(mktemp -d)
trap 'scripts/wine-prefix.sh stop "$prefix"; rm -rf "$prefix"' EXIT
scripts/wine-prefix.sh create "$prefix"
WINEPREFIX="$prefix" scripts/wine-run.sh "build/$preset/tools/pattern-dump.exe" \
  tests/data/pattern/cases.txt tests/data/pattern/results-windows.txt
echo "recorded tests/data/pattern/results-windows.txt with $preset"
