#!/usr/bin/env bash
# Builds the Windows tree and the release archive kiv-<version>-win64.zip in
# it, and prints the archive's path.
#
#   KIV_BUILD_DIR   build trees (default: ./build)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
windows="$build/windows"

bash "$root/scripts/setup-debian.sh" >&2
cmake -S "$root" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$windows" --target kiv >&2
(cd "$windows" && cpack -G ZIP >/dev/null)
archive=$(ls "$windows"/kiv-*-win64.zip)
echo "$archive"
