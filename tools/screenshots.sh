#!/usr/bin/env bash
# Renders every window and control that has a screenshot test into
# build/screenshots/ (offscreen), to be looked at: bash tools/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
install_deps
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j "$(nproc)" --target glyphtrove_tests >/dev/null
folder=$PWD/build/screenshots
mkdir -p "$folder"
GLYPHTROVE_SCREENSHOTS=$folder QT_QPA_PLATFORM=offscreen \
    build/plain/tests/glyphtrove_tests --gtest_filter='*Screenshot*' >/dev/null
ls "$folder"/*.png
