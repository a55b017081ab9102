#!/usr/bin/env bash
# Opens the calculator under Wine. Without an X display it shows that the
# calculator works instead: a virtual display, a sample expression typed
# through the buttons, the result printed and a screenshot saved.
#   run-calculator.sh BUILD_DIR   (the Windows build folder)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
shot="$(dirname "$build")/miravox.png"

if [ -n "${DISPLAY:-}" ]; then
  exec "$here/wine-run" "$build/miravox.exe"
fi

echo "No display: running the calculator in a virtual one."
MIRAVOX_EXE="$build/miravox.exe" "$here/with-display" "$here/wine-run" \
  "$build/miravox-demo.exe" "$build/miravox-demo.bmp"
convert "$build/miravox-demo.bmp" "$shot"
echo "Screenshot: $shot"
