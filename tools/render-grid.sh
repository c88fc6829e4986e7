#!/usr/bin/env bash
# Renders the lettered 15 x 15 grid of the grid tests to a PNG, to look at:
# tools/render-grid.sh [folder] (default /tmp/glyphtrove-shots).
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-/tmp/glyphtrove-shots}
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j3 --target glyphtrove_tests >/dev/null
GLYPHTROVE_SHOTS=$folder QT_QPA_PLATFORM=offscreen \
    build/tests/glyphtrove_tests --gtest_filter=GameGrid.RendersALetteredBoard >/dev/null
echo "$folder/grid-15x15.png"
