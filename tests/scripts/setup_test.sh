#!/usr/bin/env bash
# The set-up scripts as a user meets them, each run in a clean login's
# environment with a PATH of links to this machine's programs:
# - with a stand-in apt that prints screens of output: one line a step on the
#   terminal, the rest in build/setup.log, its last lines when a step fails;
# - ./test.sh's flags, as the cmake and ctest calls they make;
# - without Debian's package tools, as on Fedora, Arch or openSUSE: ./run.sh
#   names exactly what is left out, with those distributions' packages, and
#   with everything there builds and opens the window, on its own Xvfb and
#   as a native Wayland client.
#   setup_test.sh REPO WESTON
set -uo pipefail
# The PATH folders hold links to the machine's own programs: never write
# through one (stand_in replaces the link).
set -o noclobber
repo="$1" weston="$2"
title="Low Pass Filter - Butterworth"
failed=0
fail() { echo "FAIL: $*"; failed=1; }
# expect WHAT ACTUAL EXPECTED
expect() { [ "$2" = "$3" ] || fail "$1 gave
$2
expected
$3"; }

scratch="$(mktemp -d -t lowpass-setup.XXXXXX)"
started=() # process groups to end, however the test ends
cleanup() {
    local pid
    for pid in "${started[@]}"; do kill -KILL -- "-$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
login=(env -i HOME="$HOME" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent)

# path_without NAME...: a new folder of links to /usr/bin and /bin without
# Debian's package tools and the NAMEs.
all_programs="$scratch/all-programs"
mkdir "$all_programs"
ln -s /usr/bin/* "$all_programs"/
ln -s /bin/* "$all_programs"/ 2>/dev/null # a name both hold is linked once
path_without() {
    local dir name
    dir="$(mktemp -d "$scratch/path.XXXXXX")"
    cp -a "$all_programs"/. "$dir"/
    for name in apt apt-get apt-cache dpkg dpkg-query "$@"; do rm -f "$dir/$name"; done
    echo "$dir"
}

# wait_until SECONDS WHAT COMMAND...: polls COMMAND; fails the test on timeout.
wait_until() {
    local tries=$(($1 * 10)) what="$2"
    shift 2
    while ! "$@" 2>/dev/null; do
        ((--tries > 0)) || { fail "$what did not happen"; return 1; }
        sleep 0.1
    done
}

# --- With apt: quiet, one line a step ---------------------------------------

# Stand-ins: the packages in $MISSING are not installed, each depends on two
# more, the install fails when $FAIL says so, and every apt-get call prints
# 40 lines. Later also cmake, ctest, nproc and locale for ./test.sh's flags.
fake="$(path_without)"
stand_in() { rm -f "$fake/$1" && cat >"$fake/$1" && chmod +x "$fake/$1"; }
stand_in dpkg-query <<'EOF'
#!/bin/bash
case " $MISSING " in *" ${!#} "*) exit 1 ;; esac
printf 'install ok installed'
EOF
printf '#!/bin/bash\nprintf "%%s:\\n  Candidate: 1.0\\n" "${!#}"\n' | stand_in apt-cache
stand_in apt-get <<'EOF'
#!/bin/bash
for ((i = 1; i <= 40; i++)); do echo "Get:$i http://deb.example/debian stable/main Packages [$i kB]"; done
case " $* " in
    *" update "*) exit 0 ;;
    *" -s "*) for p in $MISSING; do printf 'Inst %s\n' "$p" "lib$p-a" "lib$p-b"; done; exit 0 ;;
esac
for p in $MISSING; do echo "Selecting previously unselected package $p."; done
[ "$FAIL" != install ] || { echo "E: Sub-process /usr/bin/dpkg returned an error code (1)"; exit 100; }
EOF
printf '#!/bin/bash\nexec "$@"\n' | stand_in sudo

log="$repo/build/setup.log"
# missing | FAIL | what the terminal shows, exactly
apt_rows=(
    "||"
    "xvfb file||Updating the package lists ...
Installing 6 packages (2 named in build, headless; 4 they depend on) ..."
    "x11-utils|install|Updating the package lists ...
Installing 3 packages (1 named in build, headless; 2 they depend on) ...
Installing 3 packages (1 named in build, headless; 2 they depend on) failed; the last lines of $log:
$(for ((i = 18; i <= 40; i++)); do echo "    Get:$i http://deb.example/debian stable/main Packages [$i kB]"; done)
    Selecting previously unselected package x11-utils.
    E: Sub-process /usr/bin/dpkg returned an error code (1)"
)
for row in "${apt_rows[@]}"; do
    IFS='|' read -r missing failing _ <<<"$row"
    output="$("${login[@]}" PATH="$fake" MISSING="$missing" FAIL="$failing" \
        "$repo/scripts/ensure-deps.sh" build headless 2>&1)"
    status=$?
    expect "apt, '$missing' missing: the exit status" "$status" "$([ -n "$failing" ] && echo 1 || echo 0)"
    expect "apt, '$missing' missing: the terminal" "$output" "${row#*|*|}"
    # Both apt-get runs' output went to the log instead.
    [ -z "$missing" ] || expect "apt, '$missing' missing: its lines in $log" "$(grep -c '^Get:' "$log")" 80
done

# --- ./test.sh's flags: the builds and ctest runs they make -----------------

calls="$scratch/calls"
for tool in cmake ctest; do printf '#!/bin/bash\necho "%s $*" >>"$CALLS"\n' $tool | stand_in $tool; done
printf '#!/bin/bash\necho 2\n' | stand_in nproc
printf '#!/bin/bash\necho de_DE.utf8\n' | stand_in locale
suite="cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2"
sanitized="cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLPF_SANITIZE=ON
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure"
# arguments | exit status | the calls, in order
flag_rows=(
    "|0|$suite
$sanitized"
    "--quick|0|$suite"
    "-R ^web\\.|0|$suite -R ^web\\. --no-tests=error
$sanitized -R ^web\\. --no-tests=error"
    "--quick -R e2e|0|$suite -R e2e --no-tests=error"
    "-R|2|"
    "--sanitize|2|"
)
for row in "${flag_rows[@]}"; do
    IFS='|' read -r arguments expected_status _ <<<"$row"
    : >|"$calls"
    # shellcheck disable=SC2086 # the arguments as a shell splits them
    "${login[@]}" PATH="$fake" CALLS="$calls" "$repo/test.sh" $arguments >/dev/null 2>&1
    expect "./test.sh $arguments: the exit status" "$?" "$expected_status"
    expect "./test.sh $arguments: the calls" "$(cat "$calls")" "${row#*|*|}"
done

# --- Without apt, something missing: named with others' packages -----------

xvfb_line="  Xvfb, a virtual display: Fedora xorg-x11-server-Xvfb, Arch xorg-server-xvfb, openSUSE xorg-x11-server-Xvfb"
# left out | environment beyond the PATH | the lines between heading and footer
missing_rows=(
    "Xvfb||$xvfb_line"
    "cmake||  CMake (3.25 or later): Fedora cmake, Arch cmake, openSUSE cmake
  (the C++ compiler and Qt are checked once CMake is there)"
    "Xvfb xwininfo python3||$xvfb_line
  xwininfo, which sees the window appear: Fedora xwininfo, Arch xorg-xwininfo, openSUSE xwininfo
  Python 3, which saves the screenshot: Fedora python3, Arch python, openSUSE python3"
    "|CXX=/nonexistent/c++|  a C++20 compiler: Fedora gcc-c++, Arch gcc, openSUSE gcc-c++"
)
for row in "${missing_rows[@]}"; do
    IFS='|' read -r left_out environment _ <<<"$row"
    # shellcheck disable=SC2046,SC2086 # the names and the setting, split
    output="$("${login[@]}" PATH="$(path_without $left_out)" $environment "$repo/run.sh" 2>&1)"
    expect "run.sh without '$left_out' $environment: the exit status" "$?" 1
    expect "run.sh without '$left_out' $environment" "$output" \
        "check-deps: no apt-get here, so nothing is installed, and the build needs these:
${row#*|*|}
Install them with your distribution's package manager, then try again."
done

# --- Without apt, everything there: it builds and opens the window ----------

# start_run_sh LOG PATH_DIR [VAR=VALUE...]: run.sh in a session of its own, as
# from a terminal, with SIGINT not ignored as it is in a background job.
start_run_sh() {
    setsid env --default-signal=INT "${login[@]}" PATH="$2" "${@:3}" "$repo/run.sh" </dev/null >"$1" 2>&1 &
    run_pid=$!
    started+=("$run_pid")
}
said_first() {
    expect "run.sh's first line" "$(head -n 1 "$1")" \
        "check-deps: no apt-get here, so nothing is installed; what the build needs is all there."
}
# An ended child stays a zombie until waited for.
ended() {
    local state
    state="$(ps -o stat= -p "$1")" || return 0
    [[ "$state" == Z* ]]
}

# No display: its own Xvfb, a screenshot, and Ctrl+C ends it all.
log="$scratch/headless.log"
start_run_sh "$log" "$(path_without)"
if wait_until 240 "run.sh's screenshot" grep -q 'press Ctrl+C' "$log"; then
    said_first "$log"
    expect "build/screenshot.png's signature" "$(head -c 4 "$repo/build/screenshot.png" | tail -c 3)" PNG
    kill -INT -- "-$run_pid"
    if wait_until 10 "run.sh ending on Ctrl+C" ended "$run_pid"; then
        wait "$run_pid"
        expect "run.sh's exit status on Ctrl+C" "$?" 130
    fi
    expect "what run.sh left running after Ctrl+C" "$(pgrep -a -g "$run_pid")" ""
fi
cat "$log"

# A Wayland session without X, and no Xvfb on the PATH: a native Wayland
# client, seen by its own protocol log creating the window with its title.
runtime="$scratch/runtime"
mkdir -m 700 "$runtime"
setsid env XDG_RUNTIME_DIR="$runtime" "$weston" --backend=headless-backend.so --no-config \
    --idle-time=0 --socket=wayland-test --width=1024 --height=768 >"$scratch/weston.log" 2>&1 &
started+=($!)
wait_until 20 "weston starting" test -S "$runtime/wayland-test"
log="$scratch/wayland.log"
start_run_sh "$log" "$(path_without Xvfb)" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-test \
    WAYLAND_DEBUG=client
wait_until 240 "a Wayland window titled \"$title\"" grep -q "set_title(\"$title\")" "$log" &&
    said_first "$log"
grep -v '^\[' "$log"

[ "$failed" -eq 0 ] && echo "set-up: all rows passed"
exit "$failed"
