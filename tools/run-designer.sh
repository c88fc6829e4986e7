#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the designer.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
install_deps
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j "$(nproc)"
exec build/plain/designer/Glyphtrove
