#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively under
# AddressSanitizer and UBSan, each fuzzer for a few seconds, then the Windows
# build under Wine on a virtual X display (core tests, support libraries,
# end-to-end tests), and the benchmarks, which only print figures.
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

passed=0
failed=0
failures=()
step() { printf '\n=== %s (at %d s)\n' "$*" "$SECONDS"; }
record() { # name, exit status
  if [ "$2" -eq 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    failures+=("$1")
  fi
}
# Adds a ctest run's counts to the totals.
run_ctest() { # name, build dir, extra ctest arguments...
  local name=$1 dir=$2
  shift 2
  local log="$dir/ctest.log"
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
  local total fails
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  fails=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
  if [ -z "$total" ]; then
    record "$name (ctest did not run)" 1
    return
  fi
  passed=$((passed + total - fails))
  failed=$((failed + fails))
  if [ "$fails" -ne 0 ]; then
    failures+=("$name")
  fi
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
  run_ctest "native tests" "$build/native"
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
    run_ctest "wine tests" "$build/windows" --timeout 300
    step "benchmarks (figures only)"
    bash "$root/bench/installed-size.sh" "$build/windows/bin"
    (cd "$build/windows/bin" && wine bench_stores.exe &&
      wine bench_placement.exe "$(winepath -w .)" "$(winepath -w kiv_player.exe)" &&
      wine bench_blanking.exe "$(winepath -w .)" "$(winepath -w kiv_player.exe)" &&
      wine bench_lock.exe "$(winepath -w .)" "$(winepath -w kiv_player.exe)" &&
      wine bench_hotkey.exe "$(winepath -w .)" "$(winepath -w kiv_player.exe)")
  else
    record "wine set-up" 1
  fi
  kiv_wine_cleanup
fi

step "release archive: unpacked and run"
bash "$root/scripts/run-kiv.sh" --check
record "release archive" $?

step "native benchmark (release build)"
cmake -S "$root" -B "$build/native-release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null &&
  cmake --build "$build/native-release" -j "$jobs" --target bench_stores >/dev/null &&
  "$build/native-release/bin/bench_stores"

echo
bash "$root/scripts/test-ratio.sh"
if ((failed > 0)); then
  printf 'failed: %s\n' "${failures[@]}"
fi
echo "KIV: $passed passed, $failed failed, in $SECONDS s"
[ "$failed" -eq 0 ]
