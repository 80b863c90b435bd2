#!/usr/bin/env bash
# quenlov-cli -s 5 as a whole process against the simulator, beside curl fetching the same
# request address from the same simulator: medians of RUNS runs each, and their ratio.
# Usage: bench/cli_vs_curl.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/linux}
runs=${2:-50}
"$build/tools/quenlov-sim" --idle-exit 60 > "${TMPDIR:-/tmp}/quenlov-sim-port.$$" &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "${TMPDIR:-/tmp}/quenlov-sim-port.$$"' EXIT
for _ in $(seq 50); do [ -s "${TMPDIR:-/tmp}/quenlov-sim-port.$$" ] && break; sleep 0.1; done
port=$(cat "${TMPDIR:-/tmp}/quenlov-sim-port.$$")
address=http://example.com/benchmark
encoded=http%3A%2F%2Fexample.com%2Fbenchmark

median_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.2f", a[int((NR+1)/2)]/1000}'
}

cli=$(median_ms "$build/src/cli/quenlov-cli" --connect-to "127.0.0.1:$port" -s 5 "$address")
curl=$(median_ms curl -s --connect-to "::127.0.0.1:$port" "http://c7.gg/api.php?url=$encoded")
echo "quenlov-cli -s 5: $cli ms (median of $runs)"
echo "curl, same request: $curl ms (median of $runs)"
awk -v a="$cli" -v b="$curl" 'BEGIN {printf "ratio: %.2f\n", a / b}'
