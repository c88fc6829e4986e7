#!/usr/bin/env bash
# Remakes the sample puzzles in examples/ with the project's own engine.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j3 --target glyphtrove_make_examples >/dev/null
# Made in a fresh folder: a game saved over an existing one leaves a backup.
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
build/plain/tools/make-examples/glyphtrove_make_examples "$made"
cp "$made"/*.gtg examples/
ls -l examples
