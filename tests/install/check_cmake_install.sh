#!/usr/bin/env bash
# cmake --install into a scratch prefix lays out the program and its files
# (check_tree in common.sh), and nothing else.
#   check_cmake_install.sh BUILD_DIR
set -uo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/common.sh"

cmake --install "$build" --prefix "$scratch/prefix" >"$scratch/install.log" 2>&1 ||
    { cat "$scratch/install.log"; exit 1; }
check_tree "$scratch/prefix" ""
exit "$failed"
