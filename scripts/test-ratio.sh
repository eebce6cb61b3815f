#!/usr/bin/env bash
# Prints the size of the tests against the product's: lines of C++ under
# tests/ over those under src/ and libs/, blank and comment-only lines left out.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1
count() { # git pathspecs...
  git ls-files "$@" | grep -E '\.(h|cpp)$' | xargs cat 2>/dev/null |
    grep -vE '^[[:space:]]*$|^[[:space:]]*//' | wc -l
}
production=$(count src libs)
tests=$(count tests)
awk -v t="$tests" -v p="$production" \
  'BEGIN { printf "test lines / product lines: %d / %d = %.2f\n", t, p, (p ? t / p : 0) }'
