#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the designer.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
install_deps
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j "$(nproc)"
if [ -x build/plain/designer/Glyphtrove ]; then
    exec build/plain/designer/Glyphtrove "$@"
fi
echo "Built the puzzle engine and its tests. The designer program is not written yet, so there is no program to start."
