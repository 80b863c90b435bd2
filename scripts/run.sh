#!/usr/bin/env bash
# Sets up the machine, builds the Linux programs and opens the window program with every
# service simulated inside it (no network needed). Where there is no display, it says so and
# runs the command-line front end against the same simulator instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Opening the Quenlov window (quenlov-demo: every service is simulated; close it with Esc)."
  exec build/linux/src/window/quenlov-demo "$@"
fi
echo "No display here (DISPLAY is not set or cannot be opened): running the command-line demo."
echo "On a machine with a display, this command opens the window instead."
exec build/linux/src/cli/quenlov-cli --demo --all "https://example.com/a long path/中文?q=1&r=2#top"
