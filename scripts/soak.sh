#!/usr/bin/env bash
# Soak: runs kiv.exe under Wine for a while (default 600 seconds) with
# blanking, orbiting and the lock on, while tools/soak_driver.exe moves,
# resizes, hides, closes, kills and restarts the stand-in player and presses
# KIV's global hot keys with real input. Prints KIV's handle, GDI and USER
# object counts and its memory at the start, after warm-up, now and then and
# at the end, whether KIV stayed alive, and whether the taskbar is back after
# KIV is closed. Not part of the test command: it takes minutes.
#
#   soak.sh [SECONDS]
#
#   KIV_BUILD_DIR   build trees (default: ./build); the Windows tree is
#                   configured and built there when needed, the soak runs in
#                   its soak/ folder (log: soak/soak.log)
#
# Exit code 0: KIV lived, ended cleanly, did not grow beyond the driver's
# tolerances after warm-up, and gave the taskbar back; non-zero otherwise.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
windows="$build/windows"
soak="$build/soak"
seconds=${1:-600}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: soak.sh [SECONDS]" >&2
  exit 2
fi

if [ ! -f "$windows/build.ninja" ]; then
  echo "Configuring the Windows build in $windows..."
  cmake -S "$root" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
echo "Building kiv.exe, its libraries, the player and the soak driver..."
# kiv builds its libraries (and the 32-bit helper, where there is one) too.
cmake --build "$windows" -j2 --target kiv kiv_player soak_driver >/dev/null

rm -rf "$soak"
mkdir -p "$soak/KIV"
bin="$windows/bin"
cp "$bin/kiv.exe" "$bin/KIVKbd.dll" "$bin/KIVUtil.dll" "$soak/KIV/"
for helper in "$bin"/KIVUtil32*; do
  [ -e "$helper" ] && cp "$helper" "$soak/KIV/"
done
cp "$bin/kiv_player.exe" "$bin/soak_driver.exe" "$soak/"
echo "KIV for the soak in $soak/KIV: $(cd "$soak/KIV" && echo *)"

# Always a display of its own: the driver owns the keyboard and the pointer.
unset DISPLAY
set -- # wine-env.sh sets up at once when it is given arguments
# shellcheck source=../tests/wine/wine-env.sh
source "$root/tests/wine/wine-env.sh"
kiv_wine_setup "$soak"
trap kiv_wine_cleanup EXIT

echo "Soaking for $seconds s..."
status=0
wine "$soak/soak_driver.exe" "$(winepath -w "$soak/KIV")" "$seconds" 2>/dev/null |
  sed -u 's/\r$//' | tee "$soak/soak.log" || status=$?
echo "Log: $soak/soak.log"
exit "$status"
