#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively under
# AddressSanitizer and UBSan, each fuzzer for a few seconds, then the Windows
# build under Wine on a virtual X display (core tests, support libraries,
# end-to-end tests), and the benchmarks, which only print figures. The last
# step prints every benchmark's figures in one table (bench/BenchTable.h). The
# closing line counts GoogleTest's test cases (from each test program's XML
# report) and, apart, the steps around them: builds, fuzzers, checks and
# benchmarks, a benchmark that does not end normally being a failed step whose
# figures stay out of the table.
#
#   KIV_BUILD_DIR      build trees (default: ./build)
#   KIV_FUZZ_SECONDS   seconds per fuzzer (default: 10)
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
fuzzSeconds=${KIV_FUZZ_SECONDS:-10}
jobs=$(nproc)

bash "$root/scripts/setup-debian.sh" || exit 1
mkdir -p "$build"

# Steps (builds, checks, fuzzers, benchmarks, ctest runs) and test cases apart.
passed=0
failed=0
casesPassed=0
casesFailed=0
casesSkipped=0
failures=()
figures="$build/figures.md"
: >"$figures"
noFigures=()
step() { printf '\n=== %s (at %d s)\n' "$*" "$SECONDS"; }
record() { # name, exit status
  if [ "$2" -eq 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    failures+=("$1")
  fi
}
# Runs a step that prints rows of the figures table; they join the closing
# table only when the step ends normally.
run_figures() { # name, command...
  local name=$1 output status
  shift
  output=$(mktemp)
  "$@" | tee "$output"
  status=${PIPESTATUS[0]}
  record "$name" "$status"
  if [ "$status" -eq 0 ]; then
    tr -d '\r' <"$output" | grep '^| ' >>"$figures"
  else
    noFigures+=("$name")
  fi
  rm -f "$output"
}
# Sums the test cases of GoogleTest's XML reports in a folder: each program
# writes one, a program that crashed none (its ctest entry fails instead).
count_cases() { # folder
  local report counts
  for report in "$1"/*.xml; do
    [ -f "$report" ] || continue
    # tests, failures and disabled of the whole program; skipped cases one by one.
    read -r -a counts < <(sed -n 's/.*<testsuites \(.*\)>.*/\1/p' "$report" | head -n 1 |
      awk '{ for (i = 1; i <= NF; ++i) { split($i, kv, "="); gsub(/"/, "", kv[2]); v[kv[1]] = kv[2] }
             print v["tests"] + 0, v["failures"] + 0, v["disabled"] + 0 }')
    local skipped
    skipped=$(grep -c '<skipped' "$report")
    casesPassed=$((casesPassed + counts[0] - counts[1] - counts[2] - skipped))
    casesFailed=$((casesFailed + counts[1]))
    casesSkipped=$((casesSkipped + skipped))
  done
}
# Runs a tree's tests; its test cases go to the totals, the run itself is a step.
run_ctest() { # name, build dir, GoogleTest's name for the report folder, extra ctest arguments...
  local name=$1 dir=$2 reports=$3
  shift 3
  rm -rf "$dir/gtest-reports"
  mkdir -p "$dir/gtest-reports"
  GTEST_OUTPUT="xml:$reports" ctest --test-dir "$dir" --output-on-failure "$@"
  record "$name" $?
  local before=$((casesPassed + casesFailed + casesSkipped))
  count_cases "$dir/gtest-reports"
  echo "$name: $((casesPassed + casesFailed + casesSkipped - before)) test cases"
}

step "format check"
mapfile -t sources < <(cd "$root" && git ls-files '*.cpp' '*.h' 2>/dev/null)
if ((${#sources[@]} > 0)); then
  (cd "$root" && clang-format --dry-run -Werror "${sources[@]}")
  record "clang-format" $?
fi

step "layer check"
bash "$root/scripts/check-layers.sh"
record "layer check" $?

step "native build (AddressSanitizer + UBSan)"
cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKIV_SANITIZE=ON \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null &&
  cmake --build "$build/native" -j "$jobs"
status=$?
record "native build" $status
if [ $status -eq 0 ]; then
  step "native tests"
  run_ctest "native tests" "$build/native" "$build/native/gtest-reports/"
fi

step "clang-tidy (portable code)"
# Every portable source file (src/ outside win32/) with the checks in
# .clang-tidy, from the native build's compile commands.
if [ -f "$build/native/compile_commands.json" ]; then
  tidyStart=$SECONDS
  run-clang-tidy-14 -quiet -p "$build/native" -j "$jobs" '/src/[a-z]+/[A-Za-z]+\.cpp$' \
    >"$build/native/clang-tidy.log" 2>&1
  status=$?
  grep -E '(warning|error): ' "$build/native/clang-tidy.log"
  echo "clang-tidy: $((SECONDS - tidyStart)) s"
  record "clang-tidy" $status
else
  record "clang-tidy (no compile commands)" 1
fi

step "fuzzers (${fuzzSeconds} s each)"
CC=clang CXX=clang++ cmake -S "$root" -B "$build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKIV_FUZZ=ON >/dev/null && cmake --build "$build/fuzz" -j "$jobs"
status=$?
record "fuzz build" $status
if [ $status -eq 0 ]; then
  fuzzers=("$build"/fuzz/bin/fuzz_*)
  if [ ! -x "${fuzzers[0]}" ]; then
    record "fuzzers (none built)" 1
    fuzzers=()
  fi
  # shellcheck source=../fuzz/fuzz-args.sh
  source "$root/fuzz/fuzz-args.sh"
  for fuzzer in "${fuzzers[@]}"; do
    name=$(basename "$fuzzer")
    # Starts from the committed seeds, copied, so new inputs stay in the build tree.
    corpus="$build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    if [ -d "$root/fuzz/corpus/$name" ]; then
      cp -n "$root/fuzz/corpus/$name"/* "$corpus"/ 2>/dev/null
    fi
    # shellcheck disable=SC2046 # the arguments are words
    (cd "$build/fuzz" && "$fuzzer" -max_total_time="$fuzzSeconds" $(kiv_fuzz_args "$fuzzer") \
      "$corpus" >"$build/fuzz/$name.log" 2>&1)
    status=$?
    tail -n 1 "$build/fuzz/$name.log"
    if [ $status -ne 0 ]; then
      tail -n 40 "$build/fuzz/$name.log"
    fi
    record "$name" $status
  done
fi

step "Windows build (MinGW-w64)"
cmake -S "$root" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null &&
  cmake --build "$build/windows" -j "$jobs"
status=$?
record "windows build" $status
if [ $status -eq 0 ]; then
  step "Wine tests"
  # shellcheck source=../tests/wine/wine-env.sh
  source "$root/tests/wine/wine-env.sh"
  if kiv_wine_setup "$build/windows"; then
    run_ctest "wine tests" "$build/windows" "$(winepath -w "$build/windows/gtest-reports")\\" \
      --timeout 300
    step "benchmarks (figures only)"
    run_figures "installed size" bash "$root/bench/installed-size.sh" "$build/windows/bin"
    # Each benchmark on its own: one that crashes or cannot start fails its
    # step and the others still run.
    bin=$(winepath -w "$build/windows/bin")
    wine_bench() { (cd "$build/windows/bin" && wine "$@"); }
    for bench in bench_stores bench_placement bench_blanking bench_lock bench_hotkey; do
      args=()
      [ "$bench" = bench_stores ] || args=("$bin" "$bin\\kiv_player.exe")
      run_figures "$bench" wine_bench "$bench.exe" "${args[@]}"
    done
  else
    record "wine set-up" 1
  fi
  kiv_wine_cleanup
fi

step "release archive: unpacked and run"
run_figures "release archive" bash "$root/scripts/run-kiv.sh" --check

step "native benchmark (release build)"
native_bench() {
  cmake -S "$root" -B "$build/native-release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null &&
    cmake --build "$build/native-release" -j "$jobs" --target bench_stores >/dev/null &&
    "$build/native-release/bin/bench_stores"
}
run_figures "native bench_stores" native_bench

step "figures (never a failure)"
# The rows of docs/performance.md's table, from this run.
echo "| What | KIV | Floor | Against the floor | Goal |"
echo "|---|---|---|---|---|"
cat "$figures"
if ((${#noFigures[@]} > 0)); then
  echo "no figures from the failed steps: ${noFigures[*]}"
fi

echo
bash "$root/scripts/test-ratio.sh"
if ((failed > 0)); then
  printf 'failed: %s\n' "${failures[@]}"
fi
echo "KIV: $casesPassed test cases passed, $casesFailed failed, $casesSkipped skipped;" \
  "$passed steps passed, $failed failed; in $SECONDS s"
[ "$failed" -eq 0 ] && [ "$casesFailed" -eq 0 ]
