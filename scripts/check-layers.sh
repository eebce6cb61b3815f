#!/usr/bin/env bash
# Fails when an include crosses a layer the wrong way:
# - a portable file (one outside every win32/ folder of src/) includes a Win32
#   header or a file from a win32/ folder: the portable core and the
#   controller must build and be tested natively;
# - a subsystem includes one at its own rank or above it (the ranks below):
#   a portable folder never includes app/, and no two subsystems lean on each
#   other; the header-only Win32 kit below is everyone's;
# - a file in libs/ includes a file of src/ other than the header-only kit
#   named in libs/SupportLibrary.cmake: the support binaries run inside other
#   programs and must not grow into the program.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1

# What a subsystem may include besides itself: only subsystems of a lower rank.
declare -A rank=(
  [util]=0
  [store]=1 [platform]=1
  [placement]=2 [blanking]=2
  [hotkeys]=3 [playlist]=3
  [dialogs]=4
  [app]=5
)
includePattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*"'
status=0
fail() { # file:line: text, reason
  echo "$1  <- $2"
  status=1
}

mapfile -t kit < <(sed -n '/^set(KIV_SHARED_KIT_HEADERS/,/)/p' libs/SupportLibrary.cmake |
  grep -oE '[A-Za-z0-9_/]+\.h')
if ((${#kit[@]} == 0)); then
  fail "libs/SupportLibrary.cmake" "KIV_SHARED_KIT_HEADERS not found"
fi
isKit() { printf '%s\n' "${kit[@]}" | grep -qxF "$1"; }

win32Headers='windows\.h|winuser\.h|commctrl\.h|commdlg\.h|shellapi\.h|shlobj\.h|dbt\.h|winreg\.h|windowsx\.h|objbase\.h'
mapfile -t sources < <(git ls-files 'src/*.h' 'src/*.cpp')
portable=0
for file in "${sources[@]}"; do
  if [[ $file != */win32/* ]]; then
    portable=$((portable + 1))
    while IFS= read -r hit; do
      fail "$hit" "a portable file includes a Win32 header"
    done < <(grep -nHiE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]([^>\"]*/)?win32/|^[[:space:]]*#[[:space:]]*include[[:space:]]*<(${win32Headers})>" "$file")
  fi
  own=${file#src/}
  own=${own%%/*}
  [ -n "${rank[$own]+set}" ] || continue
  while IFS=: read -r line target; do
    folder=${target%%/*}
    if [ "$folder" != "$own" ] && [ -n "${rank[$folder]+set}" ] &&
      ((rank[$folder] >= rank[$own])) && ! isKit "$target"; then
      fail "$file:$line: $target" "$own/ may not include $folder/"
    fi
  done < <(grep -nE "$includePattern" "$file" | sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/')
done

for file in $(git ls-files 'libs/*.h' 'libs/*.cpp'); do
  while IFS=: read -r line target; do
    folder=${target%%/*}
    [ -n "${rank[$folder]+set}" ] || continue # the library's own or libs/ headers
    if ! isKit "$target"; then
      fail "$file:$line: $target" "libs/ may include only the kit of libs/SupportLibrary.cmake"
    fi
  done < <(grep -nE "$includePattern" "$file" | sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/')
done
for header in "${kit[@]}"; do
  while IFS=: read -r line target; do
    if ! isKit "$target"; then
      fail "src/$header:$line: $target" "the support binaries' kit includes only itself"
    fi
  done < <(grep -nE "$includePattern" "src/$header" | sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/')
done

if [ $status -ne 0 ]; then
  echo "the includes above cross a layer: move the file, or depend on an interface of a lower layer"
else
  echo "layers: $portable portable files include no Win32 header; ${#sources[@]} files of src/" \
    "include no subsystem at or above their own; libs/ uses only the ${#kit[@]}-header kit"
fi
exit $status
