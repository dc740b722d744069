#!/usr/bin/env bash
# Debian's own package checker finds no error and no warning in the .deb.
# Its notes (I:) and the pedantic ones (P:) are shown but do not fail.
#   check_lintian.sh PACKAGE_DIR
set -uo pipefail
deb="$(echo "$1"/*.deb)"
report="$(lintian --fail-on none --info --display-info --pedantic "$deb" 2>&1)"
status=$?
echo "$report"
[ "$status" -eq 0 ] || { echo "FAIL: lintian itself failed ($status)"; exit 1; }
if grep -qE '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian reports errors or warnings"
    exit 1
fi
echo "lintian: no errors, no warnings"
