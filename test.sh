#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest, then
# builds and runs them all again with the sanitizers.
#
#   ./test.sh              everything, as CI runs it
#   ./test.sh -R PATTERN   only the tests whose names match PATTERN (ctest's
#                          regular expression), in both passes
#   ./test.sh --quick      without the sanitizer pass
set -euo pipefail
cd "$(dirname "$0")"
usage() {
    echo "usage: $0 [-R PATTERN] [--quick]
  -R PATTERN  only the tests whose names match PATTERN, in both passes
  --quick     without the sanitizer pass"
}
only=()
quick=no
while [ $# -gt 0 ]; do
    case "$1" in
        -R)
            [ $# -ge 2 ] && [ -n "$2" ] || { usage >&2; exit 2; }
            # A pattern that matches nothing is a typo, not a pass.
            only=(-R "$2" --no-tests=error)
            shift 2
            ;;
        --quick) quick=yes; shift ;;
        -h | --help) usage; exit 0 ;;
        *) usage >&2; exit 2 ;;
    esac
done

# The comma run of the random window test needs the German locale.
./scripts/ensure-deps.sh --locale de_DE.UTF-8 build headless test
# The tests on, also in a build folder that ./run.sh configured without them.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)" "${only[@]}"
[ "$quick" = no ] || exit 0

# The same suite again, everything built with AddressSanitizer and UBSan. Any
# report fails its test: UBSan aborts at the first finding, and leaks count.
# One test at a time: the instrumented window is several times slower, and the
# timed waits of the GUI tests should not also share the cores.
# Qt 6.8 asks the desktop portal over D-Bus when the window system starts,
# and leaks the object that waits for the answer when the program ends first,
# as it does in the tests that have no session bus: here it does not ask.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLPF_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_NO_XDG_DESKTOP_PORTAL=1 \
    ctest --test-dir build-asan --output-on-failure "${only[@]}"
