#!/usr/bin/env bash
# Fuzz campaign: builds the fuzzers and runs each one, one after the other, for
# SECONDS, starting from its committed seeds in fuzz/corpus/<target>/. New
# inputs go to the build tree (build/fuzz/campaign/<target>/corpus), never to
# the committed seeds; crash, leak, timeout and out-of-memory inputs land beside
# them. Prints per target: executions, exec/s (wall clock, and per second of
# CPU time, which a busy machine does not skew), coverage (cov/ft from
# libFuzzer's final line) and findings.
#
#   scripts/fuzz-campaign.sh SECONDS [TARGET...]
#   KIV_BUILD_DIR   build trees (default: ./build)
#   KIV_FUZZ_RUNS   stop each target after this many executions instead,
#                   SECONDS still being the most it may take
#
# Not part of the test command; run it niced on a shared machine:
#   nice -n 19 scripts/fuzz-campaign.sh 480
set -uo pipefail

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS [TARGET...]" >&2
  exit 2
fi
seconds=$1
shift

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
# shellcheck source=../fuzz/fuzz-args.sh
source "$root/fuzz/fuzz-args.sh"

# Every target fuzz/CMakeLists.txt lists, or those named.
if [ $# -gt 0 ]; then
  names=("$@")
else
  mapfile -t names < <(sed -n '/^set(KIV_FUZZ_TARGETS/,/)/s/^ *\(fuzz_[a-z_]*\).*/\1/p' \
    "$root/fuzz/CMakeLists.txt")
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKIV_FUZZ=ON >/dev/null && cmake --build "$build/fuzz" -j 2 --target "${names[@]}" >/dev/null || {
  echo "fuzz build failed" >&2
  exit 1
}

results=()
status=0
for name in "${names[@]}"; do
  fuzzer="$build/fuzz/bin/$name"
  work="$build/fuzz/campaign/$name"
  mkdir -p "$work/corpus" "$work/findings"
  seeds="$root/fuzz/corpus/$name"
  mkdir -p "$seeds"
  log="$work/fuzz.log"
  echo "== $name: $seconds s" >&2
  TIMEFORMAT='%U %S'
  # shellcheck disable=SC2046 # the arguments are words
  { time "$fuzzer" -max_total_time="$seconds" ${KIV_FUZZ_RUNS:+-runs="$KIV_FUZZ_RUNS"} \
    -print_final_stats=1 $(kiv_fuzz_args "$fuzzer") \
    -artifact_prefix="$work/findings/" "$work/corpus" "$seeds" >"$log" 2>&1; } 2>"$work/cpu"
  runStatus=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  cpu=$(awk '{ print $1 + $2 }' "$work/cpu")
  cpuRate=$(awk -v n="${execs:-0}" -v c="$cpu" 'BEGIN { printf "%d", (c > 0) ? n / c : 0 }')
  cov=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | sed -n 's/.*cov: \([0-9]*\) ft: \([0-9]*\).*/\1 \2/p')
  findings=$(find "$work/findings" -type f | wc -l)
  if [ "$findings" -ne 0 ] || [ $runStatus -ne 0 ]; then
    status=1
    tail -n 30 "$log" >&2
  fi
  results+=("$(printf '%-14s %12s %8s %10s %6s %7s %8s' "$name" "${execs:-?}" "${rate:-?}" \
    "$cpuRate" ${cov:-? ?} "$findings")")
done

printf '\n%-14s %12s %8s %10s %6s %7s %8s\n' target executions exec/s "exec/cpu-s" cov ft findings
printf '%s\n' "${results[@]}"
printf '(findings, logs and the grown corpus: %s)\n' "$build/fuzz/campaign"
exit $status
