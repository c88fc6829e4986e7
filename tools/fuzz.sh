#!/usr/bin/env bash
# Builds the file-reader fuzz targets with clang's libFuzzer and runs each for
# a bounded time over its seed corpus; a crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${GLYPHTROVE_FUZZ_SECONDS:-60}
targets=(fuzz/fuzz_*.cpp)
[ -e "${targets[0]}" ] || { echo "no fuzz targets"; exit 0; }

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGLYPHTROVE_FUZZ=ON -DGLYPHTROVE_TESTS=OFF -DGLYPHTROVE_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
for src in "${targets[@]}"; do
    name=$(basename "$src" .cpp)
    corpus=build/fuzz/corpus/${name#fuzz_}
    mkdir -p "$corpus"
    cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/" 2>/dev/null || true
    echo "-- $name for ${seconds}s"
    # The input that failed is kept beside the corpus, out of the source tree.
    if ! "build/fuzz/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus" 2>&1 | tail -n 12; then
        echo "$name found a failure"
        exit 1
    fi
done
echo "fuzzing: no failures"
