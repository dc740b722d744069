# Checks shared by the install tests. Each prints what is wrong and sets
# failed=1; the caller exits with it at the end.
failed=0

fail() {
    echo "FAIL: $*" >&2
    failed=1
}

# The files below ROOT, one relative path a line, sorted.
files_under() {
    (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
}

# An installed tree with PREFIX below ROOT holds exactly the program and its
# launcher entry, the entry is valid and starts the installed program.
check_tree() {
    local root="$1" prefix="$2"
    local expected actual
    expected="$(printf '%s\n' "${prefix#/}bin/lowpass" \
        "${prefix#/}share/applications/lowpass.desktop" | sed 's|^/||' | LC_ALL=C sort)"
    actual="$(files_under "$root")"
    [ "$actual" = "$expected" ] || fail "installed files are
$actual
expected
$expected"

    local bin="$root/${prefix#/}bin/lowpass"
    local entry="$root/${prefix#/}share/applications/lowpass.desktop"
    [ -x "$bin" ] || fail "$bin is not executable"
    if [ -f "$entry" ]; then
        desktop-file-validate "$entry" || fail "$entry does not validate"
        local exec_line
        exec_line="$(sed -n 's/^Exec=//p' "$entry")"
        [ "$(basename "$bin")" = "${exec_line%% *}" ] ||
            fail "the launcher runs '$exec_line', not the installed $(basename "$bin")"
        grep -q '^Terminal=false$' "$entry" || fail "the launcher would open a terminal"
    fi
    if [ -x "$bin" ]; then
        # The installed program must find every library on the system, not in
        # the build tree.
        local missing
        missing="$(ldd "$bin" | grep 'not found' || true)"
        [ -z "$missing" ] || fail "unresolved libraries: $missing"
        if readelf -d "$bin" | grep -qE 'R(UN)?PATH'; then
            fail "the installed program keeps a run path: $(readelf -d "$bin" | grep -E 'R(UN)?PATH')"
        fi
    fi
}
