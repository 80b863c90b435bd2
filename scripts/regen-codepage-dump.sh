#!/usr/bin/env bash
# Records the real Windows code-page conversions under Wine into the stored test data
# (tests/data/codepage/codepage-windows.dump.gz), which the Linux layer is compared with.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=windows
scripts/can-run-win32.sh || preset=windows64
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target codepage-dump
prefix=$(mktemp -d)
dump=$(mktemp)
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; rm -rf "$prefix" "$dump"' EXIT
scripts/wine-prefix.sh create "$prefix"
WINEPREFIX=$prefix scripts/wine-run.sh "build/$preset/tools/codepage-dump.exe" "$dump"
gzip -9n -c "$dump" > tests/data/codepage/codepage-windows.dump.gz
echo "recorded $(wc -l < "$dump") conversions from the $preset build"
