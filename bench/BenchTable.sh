# shellcheck shell=bash
# The shell scripts' side of BenchTable.h: one row of the figures table.
# Source it, do not run it.
bench_row() { # what, KIV, [floor, against the floor, goal]
  printf '| %s | %s | %s | %s | %s |\n' "$1" "$2" "${3:--}" "${4:--}" "${5:--}"
}
