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

# The launcher entry, AppStream metadata and icon are all named after this.
app_id=org.example.lowpass

# An installed tree with PREFIX below ROOT holds exactly the program, its
# manual page, launcher entry, metadata, icon, copyright and changelog; the
# entry and metadata are valid, the entry starts the installed program, and
# every name they give the icon leads to the icon.
check_tree() {
    local root="$1" prefix="$2"
    local share="$root/${prefix#/}share"
    local expected actual
    expected="$(printf "${prefix#/}%s\n" bin/lowpass share/man/man1/lowpass.1.gz \
        "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$app_id.svg" \
        share/doc/lowpass/copyright share/doc/lowpass/changelog.gz | LC_ALL=C sort)"
    actual="$(files_under "$root")"
    [ "$actual" = "$expected" ] || fail "installed files are
$actual
expected
$expected"

    local bin="$root/${prefix#/}bin/lowpass"
    local entry="$share/applications/$app_id.desktop"
    local metainfo="$share/metainfo/$app_id.metainfo.xml"
    [ -x "$bin" ] || fail "$bin is not executable"
    if [ -f "$entry" ]; then
        desktop-file-validate "$entry" || fail "$entry does not validate"
        local exec_line
        exec_line="$(sed -n 's/^Exec=//p' "$entry")"
        [ "$(basename "$bin")" = "${exec_line%% *}" ] ||
            fail "the launcher runs '$exec_line', not the installed $(basename "$bin")"
        grep -q '^Terminal=false$' "$entry" || fail "the launcher would open a terminal"
        check_icon "$share" "$(sed -n 's/^Icon=//p' "$entry")" "the launcher's Icon="
    fi
    if [ -f "$metainfo" ]; then
        appstreamcli validate --no-net "$metainfo" || fail "$metainfo does not validate"
        local launchable
        launchable="$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")"
        [ "$launchable" = "$app_id.desktop" ] && [ -f "$share/applications/$launchable" ] ||
            fail "the metadata launches '$launchable', which is not installed"
        check_icon "$share" "$(sed -n 's|.*<icon type="stock">\(.*\)</icon>.*|\1|p' "$metainfo")" \
            "the metadata's stock icon"
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

# check_icon SHARE NAME WHAT: the icon theme lookup of NAME finds the
# scalable icon, and it renders.
check_icon() {
    local svg="$1/icons/hicolor/scalable/apps/$2.svg"
    [ "$2" = "$app_id" ] || fail "$3 is '$2', not $app_id"
    [ -f "$svg" ] || { fail "$3 names $2, but $svg is missing"; return; }
    local png size
    png="$(mktemp --suffix=.png)"
    if rsvg-convert -w 48 -h 48 "$svg" -o "$png" 2>/dev/null; then
        size="$(/usr/bin/identify -format '%wx%h' "$png")"
        [ "$size" = 48x48 ] || fail "$svg renders at $size, not 48x48"
    else
        fail "$svg does not render"
    fi
    rm -f "$png"
}
