#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window. Without a display it
# starts the window on a virtual one and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target lowpass

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec ./build/lowpass
fi

echo "No display found, so the window opens on a virtual display (Xvfb) instead."
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    export XDG_RUNTIME_DIR
fi
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$app_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent ./build/lowpass &
app_pid=$!
DISPLAY=$display xdotool search --sync --onlyvisible --name '^Low Pass Filter' >/dev/null
sleep 0.5
DISPLAY=$display import -window root build/screenshot.png
echo "Screenshot of the window: $(pwd)/build/screenshot.png"
echo "The window runs on display $display; press Ctrl+C to close it."
wait "$app_pid"
