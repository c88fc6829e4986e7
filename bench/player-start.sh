#!/usr/bin/env bash
# Times the Player's start under Xvfb: from starting the program with the
# 30 x 30 sample game to the first paint of the puzzle in the play window,
# and the program's resident memory at that moment. With ImageMagick's
# `import` at hand it also keeps a picture of the screen (the start window
# alone, then the play window) in build/screenshots/, to be looked at.
#
#   bash bench/player-start.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j3 --target Player >/dev/null
player=$PWD/build/plain/player/Player
game="$PWD/examples/Woodland 30x30.gtg"

work=$(mktemp -d)
xvfb_pid=
player_pid=
cleanup() {
    [ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Polls (10 ms steps) until the command succeeds; fails after 2000 tries.
wait_for() {
    local tries=2000
    until "$@"; do
        tries=$((tries - 1))
        if [ $tries -le 0 ]; then
            echo "timed out waiting for: $*" >&2
            exit 1
        fi
        sleep 0.01
    done
}

Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
wait_for test -s "$work/display"
export DISPLAY=:$(cat "$work/display")
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
export GLYPHTROVE_STATE_FILE=$work/state.json

painted_at() {
    grep -o '"gridPaintedAt":[1-9][0-9]*' "$GLYPHTROVE_STATE_FILE" 2>/dev/null | cut -d: -f2
}
has_painted() { [ -n "$(painted_at)" ]; }
start_window_shown() {
    grep -q '"startWindow":{"height":[0-9]*,"visible":true' "$GLYPHTROVE_STATE_FILE" 2>/dev/null
}
stop_player() {
    kill "$player_pid"
    wait "$player_pid" 2>/dev/null || true
    player_pid=
}
# True when a new picture of the screen has the pixels of the one before.
screen_settled() {
    import -window root "$work/shot.png"
    local alike=1
    if [ -f "$work/last.png" ] && compare -metric AE "$work/shot.png" "$work/last.png" null: 2>/dev/null; then
        alike=0
    fi
    mv "$work/shot.png" "$work/last.png"
    return $alike
}
# Keeps the screen once it has finished drawing.
screenshot() {
    if command -v import >/dev/null; then
        mkdir -p build/screenshots
        rm -f "$work/last.png"
        wait_for screen_settled
        mv "$work/last.png" "build/screenshots/$1.png"
        echo "screenshot: build/screenshots/$1.png"
    fi
}

printf '%-5s %10s %10s\n' run "start ms" "RSS MB"
for run in $(seq "$runs"); do
    rm -f "$GLYPHTROVE_STATE_FILE"
    started=$(date +%s%3N)
    "$player" "$game" 2>/dev/null &
    player_pid=$!
    wait_for has_painted
    rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$player_pid/status")
    awk -v run="$run" -v ms=$(($(painted_at) - started)) -v kb="$rss_kb" \
        'BEGIN { printf "%-5s %10d %10.1f\n", run, ms, kb / 1024 }'
    if [ "$run" -eq "$runs" ]; then
        screenshot player-play-window
    fi
    stop_player
done

rm -f "$GLYPHTROVE_STATE_FILE"
"$player" 2>/dev/null &
player_pid=$!
wait_for start_window_shown
screenshot player-start-window
stop_player
