#!/usr/bin/env bash
# Renders every picture of the program onto one PNG sheet to look at the artwork:
# show-pictures.sh [OUT.png] (default build/pictures.png). Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${KORVEX_BUILD_DIR:-build}
out=${1:-$dir/pictures.png}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target korvex-picture-sheet
QT_QPA_PLATFORM=offscreen "$dir/src/resources/pictures/korvex-picture-sheet" "$out"
echo "$out"
