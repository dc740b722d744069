#!/usr/bin/env bash
# Installs what the window needs (scripts/packages/build.txt, no test tools),
# builds it, and opens it on the session's display, X11 or Wayland. Without a
# display it starts the window on a virtual one and saves a screenshot; Ctrl+C
# then ends both and leaves nothing behind. Where there is no apt-get, it
# installs nothing: it names what is missing, and builds once it is there.
set -euo pipefail
cd "$(dirname "$0")"

# Where the window can open: an X display that answers (asked with xdpyinfo
# where it is installed), else a Wayland compositor's socket, else none.
session_display() {
    if [ -n "${DISPLAY:-}" ] && { ! command -v xdpyinfo >/dev/null 2>&1 || xdpyinfo >/dev/null 2>&1; }; then
        echo x11
        return
    fi
    local socket="${WAYLAND_DISPLAY:-}"
    [ -z "$socket" ] || [[ "$socket" == /* ]] || socket="${XDG_RUNTIME_DIR:-}/$socket"
    if [ -n "$socket" ] && [ -S "$socket" ]; then echo wayland; else echo none; fi
}
display_kind="$(session_display)"
case "$display_kind" in
    x11) ./scripts/ensure-deps.sh build ;;
    wayland) ./scripts/ensure-deps.sh build wayland ;;
    none) ./scripts/ensure-deps.sh build headless ;;
esac
# A new build folder leaves the tests out, since their tools are not
# installed; one that ./test.sh configured keeps them.
first_time=()
[ -f build/CMakeCache.txt ] || first_time=(-DBUILD_TESTING=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${first_time[@]}" >/dev/null
cmake --build build -j"$(nproc)" --target lowpass

case "$display_kind" in
    x11) exec ./build/lowpass ;;
    # The program tries X first; with no X server here, it would say so
    # before it turned to Wayland.
    wayland) QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-wayland}" exec ./build/lowpass ;;
esac

echo "No display found, so the window opens on a virtual display (Xvfb) instead."
# Whenever this script ends, on Ctrl+C too, the window and Xvfb end with it
# and the runtime folder goes. The processes are found as this shell's jobs,
# so a signal that comes before a process id is noted still ends them.
runtime=""
stop() {
    local status=$?
    trap - EXIT INT TERM HUP
    local pids tries
    mapfile -t pids < <(jobs -p)
    if [ ${#pids[@]} -gt 0 ]; then
        kill "${pids[@]}" 2>/dev/null || true
        # Both end at once on SIGTERM; should one hang, it is killed.
        for ((tries = 50; tries > 0; tries--)); do
            kill -0 "${pids[@]}" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "${pids[@]}" 2>/dev/null || true
        wait 2>/dev/null || true
    fi
    if [ -n "$runtime" ]; then rm -rf "$runtime"; fi
    exit "$status"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until
# it succeeds; after SECONDS, says that WHAT did not happen and fails.
wait_for() {
    local seconds="$1" what="$2" tries
    shift 2
    for ((tries = seconds * 10; tries > 0; tries--)); do
        "$@" && return 0
        sleep 0.1
    done
    echo "run.sh: $what did not happen within $seconds s" >&2
    exit 1
}

# A runtime folder of the window's own (mode 700), as Qt wants one.
runtime="$(mktemp -d -t lowpass-run.XXXXXX)"
# Xvfb picks a free display number itself and writes it to the file once it
# accepts clients. It keeps its screen in a file there too (-fbdir), which
# is what the screenshot is made from; no mouse pointer is drawn on it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nocursor -fbdir "$runtime" \
    3>"$runtime/display" >/dev/null 2>&1 &
xvfb_pid=$!
xvfb_ready() {
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
    grep -qx '[0-9]\+' "$runtime/display"
}
wait_for 10 "Xvfb accepting clients" xvfb_ready
display=":$(cat "$runtime/display")"

DISPLAY=$display XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
    ./build/lowpass &
app_pid=$!
window_shown() {
    kill -0 "$app_pid" 2>/dev/null || { echo "run.sh: lowpass ended before its window appeared" >&2; exit 1; }
    [[ "$(DISPLAY=$display xwininfo -name 'Low Pass Filter - Butterworth' 2>/dev/null)" == *IsViewable* ]]
}
wait_for 30 "the window appearing" window_shown
# Mapped is not yet drawn: give the first paint a moment.
sleep 0.5
python3 -B scripts/xwd_to_png.py "$runtime/Xvfb_screen0" build/screenshot.png
echo "Screenshot of the window: $(pwd)/build/screenshot.png"
echo "The window runs on display $display; press Ctrl+C to close it."
wait "$app_pid"
