#!/usr/bin/env bash
# Builds KIV for Windows and runs it under Wine next to a stand-in video
# player, applying the setting "Player Letterbox" (1024 x 1021 at top -126 on
# the 1024 x 768 desktop, larger than the screen) from the command line.
#
# With a display (DISPLAY set) KIV stays open on it until you close its
# window. Without one, everything runs on a virtual X display; a screenshot is
# saved and its path printed.
#
#   KIV_BUILD_DIR   build trees (default: ./build)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
windows="$build/windows"
run="$build/run"

bash "$root/scripts/setup-debian.sh"

echo "Building kiv.exe and its libraries..."
cmake -S "$root" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$windows" --target kiv KIVUtil KIVKbd kiv_player window_rect >/dev/null

rm -rf "$run"
mkdir -p "$run/KIV"
cp "$windows/bin/kiv.exe" "$windows/bin/KIVUtil.dll" "$windows/bin/KIVKbd.dll" "$run/KIV/"
cp "$windows/bin/kiv_player.exe" "$windows/bin/window_rect.exe" "$run/"
printf '%s\r\n' \
  'S1=Player Letterbox;S2=Class:KivDemoPlayer;S3=0;S4=-126;S5=1024;S6=1021;S11=0;S12=0;S13=0;S14=0;S15=0;S16=10113;S17=Demo Player;S18=0;S19=0;S20=0;S21=0;S22=0;' \
  'S1=Player 4x3;S2=Class:KivDemoPlayer;S3=128;S4=0;S5=768;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;S16=10114;S17=Demo Player;S18=0;S19=0;S20=0;S21=0;S22=0;' \
  'S1=Player Window;S2=Class:KivDemoPlayer;S3=100;S4=80;S5=640;S6=360;S11=0;S12=0;S13=0;S14=0;S15=0;S16=;S17=Demo Player;S18=0;S19=0;S20=0;S21=0;S22=1;' \
  >"$run/KIV/KIV.dat"

headless=0
[ -n "${DISPLAY:-}" ] || headless=1

# shellcheck source=../tests/wine/wine-env.sh
source "$root/tests/wine/wine-env.sh"
kiv_wine_setup "$run"
trap kiv_wine_cleanup EXIT

wine "$run/kiv_player.exe" --class KivDemoPlayer --caption "Demo Player" --pos 60 60 400 300 \
  >/dev/null 2>&1 &
wine "$run/window_rect.exe" KivDemoPlayer 60 60 400 300 20 >/dev/null ||
  { echo "The stand-in player did not start." >&2; exit 1; }

(cd "$run/KIV" && wine kiv.exe /S "Player Letterbox" >/dev/null 2>&1) &
kivJob=$!
if placed=$(wine "$run/window_rect.exe" KivDemoPlayer 0 -126 1024 1021 20); then
  echo "KIV placed the player at left, top, width, height: $placed"
else
  echo "The player did not reach the setting's rectangle (it is at: $placed)." >&2
  exit 1
fi

if ((headless)); then
  sleep 2
  shot="$run/kiv-run.png"
  import -window root "$shot"
  echo "Screenshot: $shot"
else
  echo "KIV is running: choose other settings from its list; close its window to finish."
  wait "$kivJob" || true
fi
