#!/usr/bin/env bash
# Sets up the machine, builds the Linux program and runs the newest front end there is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)"
if [ "$#" -eq 0 ]; then
  set -- "https://example.com/a long path/中文?q=1&r=2#top"
fi
exec build/linux/tools/quenlov-encode "$@"
