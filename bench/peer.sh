#!/usr/bin/env bash
# Side by side, in one run: our puzzle builder (Release build) against the
# peer generator from the npm registry, on the same words in eight directions
# with the empty cells filled. Prints each median and our share of the peer's
# time. nodejs and npm serve this script only; it installs them when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh

build=build/release
peer=$build/peer
repetitions=${REPETITIONS:-25}

install_deps
command -v node >/dev/null && command -v npm >/dev/null || GLYPHTROVE_PACKAGES="nodejs npm" install_deps
if [ ! -d "$peer/node_modules/@blex41/word-search" ]; then
    mkdir -p "$peer"
    npm install --prefix "$peer" --no-audit --no-fund --silent @blex41/word-search@1.2.0
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPHTROVE_TESTS=OFF >/dev/null
cmake --build "$build" -j3 --target glyphtrove_bench >/dev/null

# The words as the benchmarks use them, one per line.
words=$(sed -n '/words:begin/,/words:end/p' bench/BenchPuzzle.h | grep -o '"[A-Z]*"' | tr -d '"')

export QT_QPA_PLATFORM=offscreen
"$build/bench/glyphtrove_bench" --benchmark_filter='^BuildFilledPuzzle/' \
    --benchmark_repetitions="$repetitions" --benchmark_format=json >"$build/ours.json" 2>/dev/null

NODE_PATH="$peer/node_modules" WORDS="$words" REPETITIONS="$repetitions" OURS="$build/ours.json" node - <<'JS'
const WordSearch = require("@blex41/word-search");
const ours = require(require("path").resolve(process.env.OURS));
const words = process.env.WORDS.split("\n");
const repetitions = Number(process.env.REPETITIONS);
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
// Milliseconds a build, the mean of a batch of about a tenth of a second.
const peerBuild = (side, count) => {
    const options = { cols: side, rows: side, dictionary: words.slice(0, count), maxWords: count,
                      disabledDirections: [] };
    const time = (n) => {
        const start = process.hrtime.bigint();
        for (let i = 0; i < n; ++i) new WordSearch(options);
        return Number(process.hrtime.bigint() - start) / 1e6 / n;
    };
    let batch = 1;
    while (time(batch) * batch < 100) batch *= 2;
    const placed = new WordSearch(options).words.length;
    return { median: median(Array.from({ length: repetitions }, () => time(batch))), placed };
};
const ourMedian = (name) =>
    ours.benchmarks.find((b) => b.run_name === name && b.aggregate_name === "median").real_time;
console.log("puzzle         ours (ms)  peer (ms)  ours/peer  peer placed");
for (const [name, side, count] of [["Large", 30, 40], ["Small", 15, 20]]) {
    const peer = peerBuild(side, count);
    const own = ourMedian(`BuildFilledPuzzle/${name}`);
    console.log(`${side} x ${side}, ${count} words`.padEnd(15) + own.toFixed(3).padStart(9) +
                peer.median.toFixed(3).padStart(11) + (own / peer.median).toFixed(2).padStart(11) +
                `${peer.placed}/${count}`.padStart(13));
}
JS
