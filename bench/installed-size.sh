#!/usr/bin/env bash
# Prints the size of each file a user installs, from a Windows build's bin
# folder (a Release build is stripped), as a row of the figures table.
# Figures only; never fails on them.
#
#   bash bench/installed-size.sh BUILD_DIR/bin
set -euo pipefail
bin=${1:?usage: installed-size.sh BIN_DIR}
# shellcheck source=BenchTable.sh
source "$(dirname "${BASH_SOURCE[0]}")/BenchTable.sh"

names=""
sizes=""
total=0
for file in kiv.exe KIVKbd.dll KIVUtil.dll KIVUtil32.dll KIVUtil32Host.exe; do
  size=missing
  if [ -e "$bin/$file" ]; then
    size=$(stat -c %s "$bin/$file")
    total=$((total + size))
  fi
  names+="${names:+, }$file"
  sizes+="${sizes:+ + }$size"
done
bench_row "Installed size: $names" "$sizes = $total bytes"
