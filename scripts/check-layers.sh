#!/usr/bin/env bash
# Fails when a portable file (one outside every win32/ folder of src/)
# includes a Win32 header or a file from a win32/ folder: the portable core and
# the controller must build and be tested natively.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1

win32Headers='windows\.h|winuser\.h|commctrl\.h|commdlg\.h|shellapi\.h|shlobj\.h|dbt\.h|winreg\.h|windowsx\.h|objbase\.h'
mapfile -t portable < <(git ls-files 'src/*.h' 'src/*.cpp' | grep -v '/win32/')
status=0
for file in "${portable[@]}"; do
  if grep -nHiE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]([^>\"]*/)?win32/|^[[:space:]]*#[[:space:]]*include[[:space:]]*<(${win32Headers})>" "$file"; then
    status=1
  fi
done
if [ $status -ne 0 ]; then
  echo "portable files above include Win32 headers; move them into a win32/ folder or use a platform interface"
else
  echo "layers: ${#portable[@]} portable files include no Win32 header"
fi
exit $status
