#!/usr/bin/env bash
# Sets up the machine, builds every target and runs every test: Linux natively (also with
# AddressSanitizer and UndefinedBehaviorSanitizer, and with ThreadSanitizer), a short run of
# each fuzz target, and Windows under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1

failed=()
jobs=$(nproc)

run_target() {
  local preset=$1
  echo "=== $preset: configure and build"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" -j "$jobs"; then
    failed+=("$preset (build)")
    return
  fi
  echo "=== $preset: tests"
  ctest --preset "$preset" -j "$jobs" || failed+=("$preset")
}

build_only() {
  local preset=$1
  echo "=== $preset: configure and build"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" -j "$jobs"; then
    failed+=("$preset (build)")
  fi
}

run_target linux
run_target asan
run_target tsan
# A few seconds of each fuzz target: the long runs are scripts/fuzz.sh with more time.
bash scripts/fuzz.sh "${QUENLOV_FUZZ_SMOKE_SECONDS:-5}" || failed+=("fuzz")
# The Windows tests run on the 32-bit build, the one that ships. Some kernels are booted
# without 32-bit support, and Wine cannot start a 32-bit program there; the 64-bit build of
# the same sources then takes its place under Wine, and the 32-bit build is still built.
if scripts/can-run-win32.sh; then
  run_target windows
else
  echo "=== this kernel cannot run 32-bit programs: Windows tests run on the 64-bit build"
  build_only windows
  run_target windows64
fi

if [ "${#failed[@]}" -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
