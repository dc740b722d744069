#!/usr/bin/env bash
# Builds the Debian package with cpack into OUT_DIR, for the checks that
# follow (lintian, hardening-check, the unpacked files).
#   build_package.sh BUILD_DIR OUT_DIR
set -uo pipefail
build="$1" out="$2"
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
debs=("$out"/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made: ${debs[*]}"; exit 1; }
echo "built ${debs[0]}"
