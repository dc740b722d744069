#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/), runs them and prints one
# table: the calculation and the Design click (Google Benchmark), then the
# start-up to first draw and the peak memory of the program and of a minimal
# Qt window, launched alternately on a private Xvfb display. Then the web
# page: its size, and its load to first result in headless Chromium.
#
#   ./bench.sh            20 launches of each program
#   RUNS=5 ./bench.sh     fewer launches, for a quick look
set -euo pipefail
cd "$(dirname "$0")"
runs="${RUNS:-20}"

./scripts/ensure-deps.sh build headless test
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target lowpass minimal_window text_window startup_probe \
    bench_calculation bench_design_click lowpass_web >/dev/null

out="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$out"
}
trap cleanup EXIT

# The same surroundings for every program: a private runtime folder, and no
# session bus (otherwise Qt would start a dbus-launch that outlives the run).
mkdir -m 700 "$out/runtime"
export XDG_RUNTIME_DIR="$out/runtime"
export DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent"

echo "Micro benchmarks..." >&2
build-bench/bench/bench_calculation --benchmark_repetitions=10 --benchmark_format=json \
    >"$out/calculation.json"
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_design_click --benchmark_repetitions=10 \
    --benchmark_format=json >"$out/click.json"

display=""
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.05
done
export DISPLAY="$display"
unset QT_QPA_PLATFORM

probe=build-bench/bench/startup_probe
launch() {  # name, executable
    local result
    result="$("$probe" "$2" 2>>"$out/probe.log")"
    read -r _ map _ draw _ rss <<<"$result"
    printf '%s %s %s %s\n' "$1" "$map" "$draw" "$rss" >>"$out/startup.txt"
}
echo "Start-up, $runs launches of each..." >&2
# One launch of each first, not counted: it fills the font and file caches.
"$probe" build-bench/bench/minimal_window >/dev/null 2>>"$out/probe.log"
"$probe" build-bench/lowpass >/dev/null 2>>"$out/probe.log"
"$probe" build-bench/bench/text_window >/dev/null 2>>"$out/probe.log"
for i in $(seq "$runs"); do
    # Which one goes first alternates too, so neither always runs second.
    if [ $((i % 2)) -eq 1 ]; then
        launch minimal_window build-bench/bench/minimal_window
        launch lowpass build-bench/lowpass
    else
        launch lowpass build-bench/lowpass
        launch minimal_window build-bench/bench/minimal_window
    fi
    # The window with one line of text, for reference only.
    launch text_window build-bench/bench/text_window
done

# Instructions executed by the whole process (start, first draw, close), which
# unlike wall time do not depend on what else the machine is doing.
touch "$out/instructions.txt"
if command -v valgrind >/dev/null; then
    echo "Instruction counts under callgrind..." >&2
    for pair in minimal_window:build-bench/bench/minimal_window lowpass:build-bench/lowpass \
        text_window:build-bench/bench/text_window; do
        name="${pair%%:*}"
        "$probe" valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.$name" \
            "${pair#*:}" >/dev/null 2>>"$out/probe.log"
        printf '%s %s\n' "$name" "$(sed -n 's/^summary: //p' "$out/callgrind.$name")" \
            >>"$out/instructions.txt"
    done
fi

python3 bench/report.py "$out/calculation.json" "$out/click.json" "$out/startup.txt" \
    "$out/instructions.txt"

echo "The web page, $runs loads..." >&2
/usr/bin/python3 bench/web_page.py build-bench/web/lowpass.html "$runs"
