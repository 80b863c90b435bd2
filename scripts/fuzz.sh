#!/usr/bin/env bash
# scripts/fuzz.sh SECONDS [TARGET...]: builds the fuzz preset, then runs each libFuzzer target
# (all of them unless named) for SECONDS, one after the other, and prints what each did. The
# corpus each run grows is kept in build/fuzz/corpus/TARGET and used again by the next run;
# whatever is found (crash, leak, time-out, memory) lands in build/fuzz/findings/TARGET and
# makes the script fail. Run with `nice -n 19` beside other work.
set -uo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [ "$1" -gt 0 ] 2>/dev/null; then
  echo "usage: scripts/fuzz.sh SECONDS [TARGET...]" >&2
  exit 64
fi
seconds=$1
shift
all=(fuzz_url fuzz_cookies fuzz_codepage fuzz_encoders fuzz_replace_pairs fuzz_patterns
     fuzz_adapter_replies)
if [ $# -gt 0 ]; then targets=("$@"); else targets=("${all[@]}"); fi

echo "=== fuzz: configure and build"
if ! cmake --preset fuzz >/dev/null || ! cmake --build --preset fuzz -j "${FUZZ_JOBS:-2}"; then
  echo "FAILED: fuzz (build)"
  exit 1
fi

# Options of a target's own. The pattern target's runs cost by the subject's length, and the
# adapters read replies of a few hundred bytes: longer inputs would only slow it down.
target_options() {
  case $1 in
    fuzz_patterns) echo -max_len=4096 ;;
  esac
}

# The adapters' target needs whole allocation stacks for its one leak suppression to match.
target_asan_options() {
  case $1 in
    fuzz_adapter_replies) echo ":fast_unwind_on_malloc=0" ;;
  esac
}

# Seeds beyond fuzz/seeds: the test data of the readers that have some.
extra_seeds() {
  case $1 in
    fuzz_cookies | fuzz_adapter_replies) echo tests/data/http ;;
    fuzz_patterns) echo tests/data/pattern ;;
  esac
}

asan_options="detect_leaks=1:abort_on_error=1:symbolize=1"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
work=build/fuzz
found=0
printf '%-22s %12s %8s %9s %8s\n' target executions exec/s corpus findings
for t in "${targets[@]}"; do
  corpus=$work/corpus/$t findings=$work/findings/$t log=$work/logs/$t.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  before=$(find "$findings" -type f | wc -l)
  # shellcheck disable=SC2046
  ASAN_OPTIONS="$asan_options$(target_asan_options "$t")" "$work/fuzz/$t" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 \
    -print_final_stats=1 -dict="fuzz/dict/$t.dict" -artifact_prefix="$findings/" \
    $(target_options "$t") "$corpus" "fuzz/seeds/$t" $(extra_seeds "$t") >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  after=$(find "$findings" -type f | wc -l)
  new=$((after - before))
  if [ "$status" -ne 0 ] && [ "$new" -eq 0 ]; then new=1; fi  # it ended badly without a file
  printf '%-22s %12s %8s %9s %8s\n' "$t" "${runs:-?}" "${rate:-?}" \
    "$(find "$corpus" -type f | wc -l)" "$new"
  if [ "$new" -gt 0 ]; then
    found=1
    grep -m1 -E "ERROR|check failed|runtime error" "$log" | sed 's/^/    /'
    echo "    log: $log; inputs: $findings"
  fi
done
if [ "$found" -ne 0 ]; then
  echo "FAILED: fuzz findings"
  exit 1
fi
echo "fuzz: no findings"
