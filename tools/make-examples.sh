#!/usr/bin/env bash
# Remakes the sample puzzles in examples/ with the project's own engine.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j3 --target glyphtrove_make_examples >/dev/null
build/plain/tools/make-examples/glyphtrove_make_examples examples
ls -l examples/*.gtg
