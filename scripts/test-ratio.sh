#!/usr/bin/env bash
# Prints the size of the tests against the product's: lines of C++ under
# tests/ over those under src/ and libs/, blank and comment-only lines left
# out. Two figures: the test cases alone, and the test cases with their
# harness (doubles, fixtures, the shared kits and the stand-in player), the
# whole of tests/, which is the figure held to the ceiling.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1
count() { # git pathspecs...
  git ls-files "$@" | grep -E '\.(h|cpp)$' | xargs cat 2>/dev/null |
    grep -vE '^[[:space:]]*$|^[[:space:]]*//' | wc -l
}
harness=(tests/support tests/e2e/support tests/e2e/player 'tests/**/*Fixture.h'
  'tests/**/*Doubles.h')
production=$(count src libs)
all=$(count tests)
kit=$(count "${harness[@]}")
awk -v c="$((all - kit))" -v t="$all" -v h="$kit" -v p="$production" 'BEGIN {
  printf "test cases / product lines: %d / %d = %.2f\n", c, p, (p ? c / p : 0)
  printf "test lines (cases %d + harness %d) / product lines: %d / %d = %.2f\n", c, h, t, p,
    (p ? t / p : 0)
}'
