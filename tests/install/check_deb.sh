#!/usr/bin/env bash
# cpack builds a .deb that unpacks (dpkg-deb -x, into a scratch root) to the
# program and its launcher under /usr, and whose Depends names the Qt 6
# Widgets library, the X11 platform plugin and the fonts the window uses.
#   check_deb.sh BUILD_DIR
set -uo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/common.sh"

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
debs=("$scratch"/out/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made: ${debs[*]}"; exit 1; }
deb="${debs[0]}"

[ "$(dpkg-deb -f "$deb" Package)" = lowpass ] || fail "package name $(dpkg-deb -f "$deb" Package)"
depends="$(dpkg-deb -f "$deb" Depends)"
# The package names alone, one a line, without versions or alternatives.
names="$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}' | sed '/^$/d')"
for wanted in libqt6widgets6 qt6-qpa-plugins fonts-liberation fonts-dejavu-core; do
    grep -qx "$wanted" <<<"$names" || fail "Depends lacks $wanted: $depends"
done
# Every dependency is a package this machine knows (it was built against it).
for name in $names; do
    dpkg-query -W "$name" >/dev/null 2>&1 || fail "Depends names $name, which is not a known package"
done

dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x failed"
check_tree "$scratch/root" "/usr/"
exit "$failed"
