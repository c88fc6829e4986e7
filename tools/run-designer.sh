#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the designer (for
# now the Player on the sample puzzle).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
install_deps
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j "$(nproc)"
if [ -x build/plain/designer/Glyphtrove ]; then
    exec build/plain/designer/Glyphtrove "$@"
fi
# Until the designer is written, the player shows what there is.
exec build/plain/player/Player "examples/Garden Birds.gtg"
