#!/usr/bin/env bash
# Prints the size of each file a user installs, from a Windows build's bin
# folder (a Release build is stripped). Figures only; never fails on them.
#
#   bash bench/installed-size.sh BUILD_DIR/bin
set -euo pipefail
bin=${1:?usage: installed-size.sh BIN_DIR}

echo "installed size (bytes):"
total=0
for file in kiv.exe KIVKbd.dll KIVUtil.dll KIVUtil32.dll KIVUtil32Host.exe; do
  if [ -e "$bin/$file" ]; then
    size=$(stat -c %s "$bin/$file")
    total=$((total + size))
    printf '  %-18s %9d\n' "$file" "$size"
  else
    printf '  %-18s   missing\n' "$file"
  fi
done
printf '  %-18s %9d\n' "total" "$total"
