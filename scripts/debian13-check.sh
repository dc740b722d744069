#!/usr/bin/env bash
# Runs the README's two commands in a fresh minimal Debian 13 root, as a
# newcomer on the current stable release would: the committed HEAD of this
# checkout is unpacked into a copy of a pristine debootstrap root. There
# ./run.sh, with no display, must save its screenshot having installed only
# scripts/packages/build.txt, and leave no process and no temporary folder
# when stopped with Ctrl+C; then ./test.sh installs what the suite needs and
# runs it. Needs root (sudo on a checkout of one's own will do); installs
# scripts/packages/debian13-check.txt on this machine.
#
# The pristine root lives outside the repository, in $cache below, and is kept
# between runs on the same machine; it is made again when it is missing,
# older than a week, or made from another mirror. Each run works on a copy
# that is deleted afterwards, mounts and all, whether the run passes or not.
# Downloaded packages are kept in the cache too, so a run installs from disk.
#
# The root has what a German user's fresh machine has: the locale
# de_DE.UTF-8 generated and selected.
set -euo pipefail
export LC_ALL=C # one sort order for comm

cache=/var/cache/lowpass-ci
suite=trixie
max_age_days=7
time_limit=3600 # seconds for ./test.sh in the root; CI has 90 minutes in all
run_limit=900   # seconds for ./run.sh to install, build and save its screenshot
lock_limit=1800 # seconds to wait for another run on this machine

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)"
# Under sudo the checkout belongs to another user than root, which git
# refuses as "dubious ownership" unless told that this one is trusted. Only
# the committed tree is read from it.
in_repo_git() { git -c safe.directory="$repo" -C "$repo" "$@"; }
head="$(in_repo_git rev-parse HEAD)"

[ "$(id -u)" -eq 0 ] || { echo "debian13-check: run as root (chroot and mount need it)" >&2; exit 1; }
"$repo/scripts/ensure-deps.sh" debian13-check

say() { printf '[debian13-check %s] %s\n' "$(date -u +%H:%M:%S)" "$*"; }

# The Debian mirror this machine's apt uses: the first URI of the entry for
# its own release (deb822 sources first, then the one-line format).
mirror_of_machine() {
    local codename
    # shellcheck disable=SC1091 # the machine's own release file
    codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk -v want="$codename" '
            function found() { if (uri != "" && match_suite) print uri; uri = ""; match_suite = 0 }
            /^[ \t]*$/ { found(); next }
            tolower($1) == "uris:" { uri = $2 }
            tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i == want) match_suite = 1 }
            END { found() }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        awk -v want="$codename" '$1 == "deb" { sub(/ \[[^]]*\]/, ""); if ($3 == want) print $2 }' "$f"
    done
}
mirror="$(mirror_of_machine | awk 'NR == 1')"
[ -n "$mirror" ] || { echo "debian13-check: no Debian mirror found in /etc/apt/sources*" >&2; exit 1; }

# --- Mounts, and their removal ------------------------------------------------

mount_into() { # ROOT: what a desktop session and the suite expect to find
    local r="$1"
    mount -t proc proc "$r/proc"
    mount --rbind /sys "$r/sys" && mount --make-rslave "$r/sys"
    mount --rbind /dev "$r/dev" && mount --make-rslave "$r/dev" # with /dev/pts and /dev/shm
    mount -t tmpfs -o mode=755 tmpfs "$r/run"
    mkdir -p "$r/run/lock" "$r/run/user" "$r/run/dbus"
    chmod 1777 "$r/run/lock"
    mkdir -p "$r/var/cache/apt/archives"
    mount --bind "$cache/debs" "$r/var/cache/apt/archives"
}

mounts_under() { awk -v r="$1" '$5 == r || index($5, r "/") == 1 { print $5 }' /proc/self/mountinfo; }

# True when ROOT is one of the folders this script makes in the cache: the
# pristine root, the one being made, or a run's copy, right below the cache.
ours() {
    local real
    real="$(realpath -m -- "$1")"
    [ "$(dirname -- "$real")" = "$(realpath -m -- "$cache")" ] || return 1
    case "$(basename -- "$real")" in
        "$suite-root" | "$suite-root.new" | run.?*) return 0 ;;
        *) return 1 ;;
    esac
}

# Processes whose root folder is ROOT, one id a line.
processes_in() {
    local link
    for link in /proc/[0-9]*/root; do
        if [ "$(readlink "$link" 2>/dev/null)" = "$1" ]; then
            link="${link#/proc/}"
            echo "${link%/root}"
        fi
    done
}

# Ends what still runs inside ROOT (daemons a test left behind), by process id,
# then unmounts everything under it and deletes it. Deletes nothing while a
# mount is left, never crosses into another file system, and touches nothing
# outside the cache.
remove_root() {
    local r="$1" pid
    ours "$r" || { echo "debian13-check: refusing to remove $r, which is not in $cache" >&2; return 1; }
    r="$(realpath -m -- "$r")"
    [ -d "$r" ] || return 0
    for signal in TERM KILL; do
        for pid in $(processes_in "$r"); do kill -s "$signal" "$pid" 2>/dev/null || true; done
        sleep 1
    done
    for _ in 1 2 3; do
        [ -z "$(mounts_under "$r")" ] && break
        umount -R "$r/var/cache/apt/archives" "$r/run" "$r/dev" "$r/sys" "$r/proc" 2>/dev/null || true
        mounts_under "$r" | sort -r | while read -r m; do umount "$m" 2>/dev/null || true; done
        [ -z "$(mounts_under "$r")" ] || sleep 2
    done
    if [ -n "$(mounts_under "$r")" ]; then
        mounts_under "$r" | sort -r | while read -r m; do umount -l "$m" 2>/dev/null || true; done
    fi
    if [ -n "$(mounts_under "$r")" ]; then
        echo "debian13-check: still mounted under $r, left in place:" >&2
        mounts_under "$r" >&2
        return 1
    fi
    rm -rf --one-file-system "$r"
}

# The environment of a command in the root: a German user's login shell.
root_env=(HOME=/root TERM=dumb CI=true LANG=de_DE.UTF-8
          PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)
in_root() { # ROOT COMMAND...: runs COMMAND in ROOT with a clean environment
    local r="$1"
    shift
    chroot "$r" /usr/bin/env -i "${root_env[@]}" "$@" </dev/null
}

# --- The pristine root --------------------------------------------------------

mkdir -p "$cache/debs/partial"
# One run at a time on this machine touches the pristine root.
exec 9>"$cache/lock"
if ! flock -n 9; then
    say "another run holds $cache/lock; waiting for it, at most $lock_limit s"
    flock -w "$lock_limit" 9 || { echo "debian13-check: $cache/lock still held after $lock_limit s" >&2; exit 1; }
fi

# Copies left by a run that was killed before its own clean-up.
for stale in "$cache"/run.*; do
    [ -d "$stale" ] || continue
    say "removing the copy left by an earlier run: $stale"
    remove_root "$stale"
done

pristine="$cache/$suite-root"
stamp="$pristine/etc/lowpass-ci-stamp"
fresh_enough() {
    [ -f "$stamp" ] || return 1
    [ "$(sed -n 's/^mirror=//p' "$stamp")" = "$mirror" ] || return 1
    [ -n "$(find "$stamp" -mtime -"$max_age_days")" ] || return 1
    chroot "$pristine" /bin/true
}

building=""
cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    [ -n "$building" ] && { remove_root "$building" || status=1; }
    [ -n "${copy:-}" ] && { remove_root "$copy" || status=1; }
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

declare -A seconds
stage() { # NAME COMMAND...: runs and times one stage
    local name="$1" start=$SECONDS
    shift
    say "$name ..."
    "$@"
    seconds[$name]=$((SECONDS - start))
    say "$name: ${seconds[$name]} s"
}

make_pristine() {
    building="$cache/$suite-root.new"
    remove_root "$building"
    debootstrap --variant=minbase --include=ca-certificates,locales \
        "$suite" "$building" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
        { tail -n 30 "$cache/debootstrap.log"; return 1; }
    # A German user's machine: the locale generated and selected.
    sed -i 's/^#\s*\(de_DE.UTF-8 UTF-8\)/\1/' "$building/etc/locale.gen"
    chroot "$building" /usr/sbin/locale-gen >/dev/null
    echo 'LANG=de_DE.UTF-8' >"$building/etc/default/locale"
    # What systemd would have made on a booted machine; D-Bus reads it.
    tr -d '-' </proc/sys/kernel/random/uuid >"$building/etc/machine-id"
    # Packages installed in a chroot must not start their daemons: they
    # would outlive the run and keep its mounts busy.
    printf '#!/bin/sh\nexit 101\n' >"$building/usr/sbin/policy-rc.d"
    chmod 755 "$building/usr/sbin/policy-rc.d"
    printf 'mirror=%s\nmade=%s\n' "$mirror" "$(date -u +%FT%TZ)" >"$building/etc/lowpass-ci-stamp"
    remove_root "$pristine"
    mv "$building" "$pristine"
    building=""
}

if fresh_enough; then
    say "reusing the pristine Debian 13 root made $(sed -n 's/^made=//p' "$stamp")"
    seconds[debootstrap]=0
else
    stage debootstrap make_pristine
fi

# --- One run on a copy ----------------------------------------------------------

copy="$(mktemp -d "$cache/run.XXXXXX")"
stage copy cp -a "$pristine/." "$copy/"
cp /etc/resolv.conf "$copy/etc/resolv.conf" 2>/dev/null || true
mkdir "$copy/root/lowpass"
in_repo_git archive "$head" | tar -x -C "$copy/root/lowpass"
say "testing $head from $repo"
mount_into "$copy"

# --- The newcomer's first command: ./run.sh -----------------------------------

fail() {
    say "FAILED: $*"
    exit 1
}
installed() { # the packages installed in the copy, sorted
    # shellcheck disable=SC2016 # dpkg's format, not the shell's
    chroot "$copy" dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}
installed >"$copy/root/packages-before"
in_tmp() { find "$copy/tmp" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort; }
in_tmp >"$copy/root/tmp-before"
run_log="$copy/root/run-sh.log"
say "./run.sh with no display ..."
run_start=$SECONDS
# In a session of its own, so that the whole process group gets the SIGINT as
# from a terminal's Ctrl+C; and with SIGINT restored, since a background job
# of this script starts with it ignored.
setsid chroot "$copy" /usr/bin/env -i --default-signal=INT "${root_env[@]}" /root/lowpass/run.sh \
    </dev/null >"$run_log" 2>&1 &
run_pid=$!
until grep -qs 'press Ctrl+C' "$run_log"; do
    kill -0 "$run_pid" 2>/dev/null || { cat "$run_log"; fail "./run.sh ended before its screenshot"; }
    [ $((SECONDS - run_start)) -lt "$run_limit" ] || { tail -n 30 "$run_log"; fail "./run.sh saved no screenshot within $run_limit s"; }
    sleep 0.5
done
seconds[run.sh]=$((SECONDS - run_start))
[ "$(head -c 4 "$copy/root/lowpass/build/screenshot.png" | tail -c 3)" = PNG ] ||
    fail "./run.sh said it saved build/screenshot.png, which is not a PNG file"
kill -INT -- -"$run_pid"
for ((tries = 100; tries > 0; tries--)); do
    kill -0 "$run_pid" 2>/dev/null || break
    sleep 0.1
done
[ "$tries" -gt 0 ] || fail "./run.sh still runs 10 s after Ctrl+C"
left="$(processes_in "$(realpath "$copy")" | xargs -r ps -o pid=,args= -p)"
[ -z "$left" ] || fail "./run.sh left these processes after Ctrl+C: $left"
# Xvfb's socket folder stays, as on any machine that ran an X server.
left="$(in_tmp | grep -vx '\.X11-unix' | comm -13 "$copy/root/tmp-before" - || true)"
[ -z "$left" ] || fail "./run.sh left these in /tmp after Ctrl+C: $left"
installed >"$copy/root/packages-after"
new_packages="$(comm -13 "$copy/root/packages-before" "$copy/root/packages-after")"
test_packages="$(cat "$copy"/root/lowpass/scripts/packages/{test,debian13-check}.txt |
    grep -v '^\s*#' | awk 'NF { print $1 }' | sort -u)"
wrong="$(comm -12 <(echo "$new_packages") <(echo "$test_packages") | tr '\n' ' ')"
[ -z "$wrong" ] || fail "./run.sh installed packages of the test lists: $wrong"
say "./run.sh: screenshot after ${seconds[run.sh]} s; packages installed $(wc -l <"$copy/root/packages-before")" \
    "before, $(wc -l <"$copy/root/packages-after") after; stopped cleanly by Ctrl+C"

# --- The suite: ./test.sh -----------------------------------------------------

# Its lines carry the minutes since the start, so the log shows where the
# packages and build, the tests and the sanitizer stage begin and end.
suite_log="$copy/root/test-sh.log"
suite_start=$SECONDS
timestamped() {
    local line t
    while IFS= read -r line; do
        t=$((SECONDS - suite_start))
        printf '%3d:%02d %s\n' $((t / 60)) $((t % 60)) "$line"
    done
}
# In the background, so that a signal to this script runs its clean-up at once
# rather than after the suite (bash defers traps while a foreground job runs).
in_root "$copy" timeout --kill-after=30 "$time_limit" bash -c 'cd /root/lowpass && ./test.sh' 2>&1 |
    timestamped | tee "$suite_log" &
status=0
wait $! || status=$?
seconds[test.sh]=$((SECONDS - suite_start))

# Where each part of ./test.sh ended, from the lines ctest prints.
at() { grep -m1 -E "$1" "$suite_log" | awk '{ split($1, t, ":"); print t[1] * 60 + t[2] }' || true; }
total=${seconds[test.sh]}
build_end="$(at ' Test project .*/build$')"
tests_end="$(at 'Total Test time')"
asan_tests_start="$(at ' Test project .*/build-asan$')"
span() { [ -n "$1" ] && [ -n "$2" ] && echo "$(($2 - $1)) s" || echo "-"; }
say "times: debootstrap ${seconds[debootstrap]} s, copy ${seconds[copy]} s, run.sh ${seconds[run.sh]} s," \
    "packages and build $(span 0 "$build_end"), tests $(span "$build_end" "$tests_end")," \
    "sanitizer build $(span "$tests_end" "$asan_tests_start"), sanitizer tests $(span "$asan_tests_start" "$total")," \
    "test.sh in all $total s"
grep -E 'tests passed|tests failed|\(Failed\)|\(Timeout\)|\*\*\*' "$suite_log" || true
if [ "$status" -ne 0 ]; then
    say "FAILED: ./test.sh in the Debian 13 root exited with $status"
    exit "$status"
fi
say "passed"
