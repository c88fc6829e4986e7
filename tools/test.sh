#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: plainly with
# the system's compiler (g++) and with AddressSanitizer +
# UndefinedBehaviorSanitizer built by clang.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
install_deps

jobs=$(nproc)
run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs") | tee "$dir/ctest.log"
}

# CTest's verdict of each run, repeated last so that it stays in view.
print_results() {
    echo "== results"
    for dir in build/plain build/sanitize; do
        echo "$dir:"
        grep -E 'tests passed, [0-9]+ tests failed' "$dir/ctest.log"
    done
}

export QT_QPA_PLATFORM=offscreen
echo "== plain build"
run_suite build/plain -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== sanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Built with clang, so that both compilers stay in use at no extra time.
run_suite build/sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DGLYPHTROVE_SANITIZE=ON -DGLYPHTROVE_BENCH=OFF

if [ -x tools/fuzz.sh ]; then
    echo "== fuzzing"
    tools/fuzz.sh
fi
print_results
