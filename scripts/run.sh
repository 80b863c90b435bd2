#!/usr/bin/env bash
# Sets up the machine, builds the Linux programs and runs the newest front end there is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)"
# The window is still being built: until it lands, this runs the command-line front end
# against its built-in simulator of every service, which needs no network.
if [ "$#" -eq 0 ]; then
  exec build/linux/src/cli/quenlov-cli --demo --all "https://example.com/a long path/中文?q=1&r=2#top"
fi
exec build/linux/src/cli/quenlov-cli --demo "$@"
