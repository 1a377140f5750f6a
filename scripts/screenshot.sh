#!/usr/bin/env bash
# Starts korvex on a virtual X screen (Xvfb) and writes a PNG of its main window:
# screenshot.sh [OUT.png] [korvex options...] (default build/screenshot.png).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${KORVEX_BUILD_DIR:-build}
out=${1:-$dir/screenshot.png}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target korvex >/dev/null

fb=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x720x24 -fbdir "$fb" -nolisten tcp 2>/dev/null &
xvfb=$!
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$dir/src/app/korvex" "$@" 2>/dev/null &
korvex=$!
sleep 3
# The window is 541 × 369 pixels, centred on the 1280 × 720 screen.
python3 scripts/xwd_to_png.py "$fb/Xvfb_screen0" "$out" 369 175 541 369
kill "$korvex" "$xvfb" 2>/dev/null || true
wait 2>/dev/null || true
rm -rf "$fb"
echo "$out"
