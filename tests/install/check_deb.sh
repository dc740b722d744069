#!/usr/bin/env bash
# The .deb unpacks (dpkg-deb -x, into a scratch root) to the program and its
# files under /usr; its Depends names the Qt 6 Widgets library, the X11
# platform plugin and the fonts the window uses; its copyright file carries
# the licence at the root of the repository.
#   check_deb.sh PACKAGE_DIR SOURCE_DIR
set -uo pipefail
deb="$(echo "$1"/*.deb)" source="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/common.sh"

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
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] ||
    fail "Recommends is '$(dpkg-deb -f "$deb" Recommends)', not the Wayland platform plugin"

dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x failed"
check_tree "$scratch/root" "/usr/"
version="$(dpkg-deb -f "$deb" Version)"
grep -q "<release version=\"$version\"" "$scratch/root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metadata lists no release $version"

# The copyright file's licence text, unfolded, is LICENSE without its title
# and copyright lines; both name the same holder.
copyright="$scratch/root/usr/share/doc/lowpass/copyright"
awk '/^License: MIT$/ {n = NR} {line[NR] = $0} END {for (i = n + 1; i <= NR; i++) print line[i]}' \
    "$copyright" | sed 's/^ //; s/^\.$//' >"$scratch/licence"
tail -n +5 "$source/LICENSE" | diff -u - "$scratch/licence" ||
    fail "the copyright file's licence differs from LICENSE"
holder="$(sed -n 's/^Copyright (c) //p' "$source/LICENSE")"
grep -qx "Copyright: $holder" "$copyright" || fail "the copyright file does not name '$holder'"
exit "$failed"
