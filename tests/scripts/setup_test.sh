#!/usr/bin/env bash
# The set-up scripts, as a user meets them.
#
# ./test.sh with no arguments runs the suite and then the sanitizer pass;
# -R PATTERN gives both ctest runs the filter, --quick leaves the second out.
#
# With apt (here a stand-in that prints as much as the real one and installs
# nothing): the installers' output goes to build/setup.log, the terminal shows
# one line a step with the number of packages, and a failed step shows the
# log's last lines and its path.
#
# Without apt, as on Fedora, Arch or openSUSE: the PATH is a folder of links
# to this machine's programs without Debian's package tools (apt, apt-get,
# apt-cache, dpkg, dpkg-query), and the environment is a clean login's. With
# a piece left out ./run.sh names exactly what is missing, with the package
# names of the other distributions, and builds nothing; with everything there
# it builds and opens the window: on its own Xvfb without a display, on the
# session's X display, and as a native Wayland client.
#   setup_test.sh REPO XVFB WESTON
set -uo pipefail
# The PATH folders are links to the machine's own programs: never write
# through one (stand_in below replaces the link).
set -o noclobber
repo="$1" xvfb="$2" weston="$3"
title="Low Pass Filter - Butterworth"
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

scratch="$(mktemp -d -t lowpass-no-apt.XXXXXX)"
started=() # process groups to end, however the test ends
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# path_without NAME...: a new folder of links to /usr/bin and /bin that has
# neither Debian's package tools nor the NAMEs. ln leaves a name that both
# folders hold as the first one made it, and says so.
all_programs="$scratch/all-programs"
mkdir "$all_programs"
ln -s /usr/bin/* "$all_programs"/
ln -s /bin/* "$all_programs"/ 2>/dev/null
path_without() {
    local dir name
    dir="$(mktemp -d "$scratch/path.XXXXXX")"
    cp -a "$all_programs"/. "$dir"/
    for name in apt apt-get apt-cache dpkg dpkg-query "$@"; do rm -f "$dir/$name"; done
    echo "$dir"
}

# in_clean_env PATH_DIR [VAR=VALUE...] -- COMMAND...: as a user's login would.
in_clean_env() {
    local dir="$1" vars=()
    shift
    while [ "$1" != -- ]; do vars+=("$1"); shift; done
    shift
    env -i HOME="$HOME" PATH="$dir" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "${vars[@]}" "$@"
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

# --- With apt: quiet, one line a step ------------------------------------------

# Debian's package tools as stand-ins: the packages in $MISSING are not
# installed, each depends on two more, and the install fails when $FAIL says
# so. Every call prints screens of what apt and dpkg would.
fake_apt="$(path_without)"
# stand_in NAME: the script on stdin becomes the program NAME on that PATH.
stand_in() {
    rm -f "$fake_apt/$1"
    cat >"$fake_apt/$1"
    chmod +x "$fake_apt/$1"
}
stand_in dpkg-query <<'EOF'
#!/bin/bash
case " $MISSING " in *" ${!#} "*) exit 1 ;; esac
printf 'install ok installed'
EOF
stand_in apt-cache <<'EOF'
#!/bin/bash
printf '%s:\n  Installed: (none)\n  Candidate: 1.0\n' "${!#}"
EOF
stand_in apt-get <<'EOF'
#!/bin/bash
for ((i = 1; i <= 40; i++)); do echo "Get:$i http://deb.example/debian stable/main Packages [$i kB]"; done
case " $* " in
    *" update "*) exit 0 ;;
    *" -s "*) for p in $MISSING; do echo "Inst $p"; echo "Inst lib$p-a"; echo "Inst lib$p-b"; done; exit 0 ;;
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
    expected="${row#*|*|}"
    output="$(in_clean_env "$fake_apt" MISSING="$missing" FAIL="$failing" -- \
        "$repo/scripts/ensure-deps.sh" build headless 2>&1)"
    status=$?
    [ "$status" -eq "$([ -n "$failing" ] && echo 1 || echo 0)" ] ||
        fail "apt, ${missing:-nothing} missing: ensure-deps.sh exited with $status"
    [ "$output" = "$expected" ] || fail "apt, ${missing:-nothing} missing: the terminal showed
$output
expected
$expected"
    # Both apt runs' screens went to the log instead.
    [ -z "$missing" ] || [ "$(grep -c '^Get:' "$log")" -eq 80 ] ||
        fail "apt, $missing missing: $log lacks the installers' output"
done

# --- ./test.sh's flags: which builds and ctest runs they make ------------------

# CMake, ctest, the core count and the locales as stand-ins that write down
# how they were called, with the package tools above saying all is there.
calls="$scratch/calls"
for tool in cmake ctest; do
    printf '#!/bin/bash\necho "%s $*" >>"$CALLS"\n' "$tool" | stand_in "$tool"
done
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
    in_clean_env "$fake_apt" CALLS="$calls" -- "$repo/test.sh" $arguments >/dev/null 2>&1
    status=$?
    [ "$status" -eq "$expected_status" ] ||
        fail "./test.sh $arguments exited with $status, not $expected_status"
    [ "$(cat "$calls")" = "${row#*|*|}" ] || fail "./test.sh $arguments ran
$(cat "$calls")
expected
${row#*|*|}"
done

# --- Something missing: named, with the other distributions' packages -------

heading="check-deps: no apt-get here, so nothing is installed, and the build needs these:"
footer="Install them with your distribution's package manager, then try again."
xvfb_line="  Xvfb, a virtual display: Fedora xorg-x11-server-Xvfb, Arch xorg-server-xvfb, openSUSE xorg-x11-server-Xvfb"
# what is left out | environment beyond the PATH | the lines between heading and footer
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
    expected="$heading
${row#*|*|}
$footer"
    dir="$(path_without $left_out)"
    # shellcheck disable=SC2086 # the environment is one VAR=VALUE or none
    output="$(in_clean_env "$dir" $environment -- "$repo/run.sh" 2>&1)"
    status=$?
    [ "$status" -eq 1 ] || fail "without ${left_out:-a compiler}: run.sh exited with $status, not 1"
    [ "$output" = "$expected" ] || fail "without ${left_out:-a compiler}: run.sh said
$output
expected
$expected"
done

# --- Everything there: it builds and opens the window -------------------------

all_there="check-deps: no apt-get here, so nothing is installed; what the build needs is all there."
# start_run_sh LOG PATH_DIR [VAR=VALUE...]: run.sh in a session of its own, as
# from a terminal, with SIGINT not ignored as it is in a background job.
start_run_sh() {
    local log="$1" dir="$2"
    shift 2
    setsid env -i --default-signal=INT HOME="$HOME" PATH="$dir" \
        DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$@" "$repo/run.sh" </dev/null >"$log" 2>&1 &
    run_pid=$!
    started+=("$run_pid")
}
# An ended child stays a zombie until waited for.
ended() {
    local state
    state="$(ps -o stat= -p "$1")" || return 0
    [[ "$state" == Z* ]]
}
said_first() { [ "$(head -n 1 "$1")" = "$all_there" ] || fail "run.sh began with: $(head -n 1 "$1")"; }

# No display: its own Xvfb, a screenshot, and Ctrl+C ends it all.
log="$scratch/headless.log"
start_run_sh "$log" "$(path_without)"
if wait_until 240 "run.sh's screenshot" grep -q 'press Ctrl+C' "$log"; then
    said_first "$log"
    [ "$(head -c 4 "$repo/build/screenshot.png" | tail -c 3)" = PNG ] || fail "build/screenshot.png is not a PNG file"
    kill -INT -- "-$run_pid"
    if wait_until 10 "run.sh ending on Ctrl+C" ended "$run_pid"; then
        wait "$run_pid"
        status=$?
        [ "$status" -eq 130 ] || fail "run.sh exited with $status on Ctrl+C, not 130"
    fi
    left="$(pgrep -a -g "$run_pid")" && fail "run.sh left running after Ctrl+C: $left"
fi
cat "$log"

# A session's runtime folder, as a login makes it.
runtime="$scratch/runtime"
mkdir -m 700 "$runtime"

# The session's own X display, with no Xvfb on the PATH: the window opens there.
setsid "$xvfb" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
started+=($!)
wait_until 10 "Xvfb starting" grep -qx '[0-9]\+' "$scratch/display"
display=":$(cat "$scratch/display")"
log="$scratch/x11.log"
start_run_sh "$log" "$(path_without Xvfb)" DISPLAY="$display" XDG_RUNTIME_DIR="$runtime"
window_on_display() { [[ "$(DISPLAY=$display xwininfo -name "$title")" == *IsViewable* ]]; }
wait_until 240 "the window appearing on $display" window_on_display && said_first "$log"
kill -KILL -- "-$run_pid"
cat "$log"

# A Wayland session without X, and no Xvfb on the PATH: a native Wayland
# client, seen by its own protocol log creating the window with its title.
setsid env XDG_RUNTIME_DIR="$runtime" "$weston" --backend=headless-backend.so --no-config --idle-time=0 \
    --socket=wayland-test --width=1024 --height=768 >"$scratch/weston.log" 2>&1 &
started+=($!)
wait_until 20 "weston starting" test -S "$runtime/wayland-test"
log="$scratch/wayland.log"
start_run_sh "$log" "$(path_without Xvfb)" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-test \
    WAYLAND_DEBUG=client
wait_until 240 "a Wayland window titled \"$title\"" grep -q "set_title(\"$title\")" "$log" && said_first "$log"
kill -KILL -- "-$run_pid"
grep -v '^\[' "$log"

[ "$failed" -eq 0 ] && echo "set-up: all rows passed"
exit "$failed"
