# Sourced by scripts/ensure-deps.sh where there is no apt-get (Fedora, Arch,
# openSUSE, ...): nothing can be installed there, so this checks that what the
# named lists stand for is on the machine, and names each missing piece with
# the packages that bring it on other distributions
# (scripts/packages/other-distributions.md). The needs of a list that has no
# rows there (the test tools) are left to the configure, which names each
# missing one.

# The table's rows, cells trimmed and separated by tabs: list, need, what,
# then one package per distribution. The first row is the heading.
distribution_rows() {
    awk -F'|' '/^\|/ && !/^\|[-| ]*$/ {
        line = ""
        for (i = 2; i < NF; i++) {
            cell = $i
            gsub(/^ +| +$/, "", cell)
            line = line (i > 2 ? "\t" : "") cell
        }
        print line
    }' "$here/packages/other-distributions.md"
}

# The least version the program's CMakeLists.txt asks for with COMMAND:
# "cmake_minimum_required(VERSION 3.25)", "find_package(Qt6 6.4 ...)".
wanted_version() {
    sed -n "s/^$1(\(VERSION \|Qt6 \)\([0-9.]*\)[ )].*/\2/p" "$repo/CMakeLists.txt" | head -n 1
}
at_least() { [ "$(printf '%s\n%s\n' "$1" "$2" | sort -V | head -n 1)" = "$1" ]; }

# probe_cmake QT_VERSION [WAYLAND]: the needs the build probe did not find,
# one a line, as the program's own configure would look for them.
probe_cmake() {
    local probe="$repo/build/build-probe" args=(-DLPF_QT_VERSION="$1")
    [ -z "${2:-}" ] || args+=(-DLPF_PROBE_WAYLAND=ON)
    rm -rf "$probe"
    mkdir -p "$probe"
    if ! cmake -S "$here/build-probe" -B "$probe" "${args[@]}" >"$probe.log" 2>&1; then
        echo "check-deps: asking CMake for the compiler and Qt failed; the last lines of $probe.log:" >&2
        tail -n 20 "$probe.log" | sed 's/^/    /' >&2
        return 1
    fi
    cat "$probe/missing.txt"
}

# check_without_apt LIST...: fails, after naming them, when needs are missing.
check_without_apt() {
    local cmake_version qt_version
    cmake_version="$(wanted_version cmake_minimum_required)"
    qt_version="$(wanted_version find_package)"
    local -A wanted_lists=() probed=() version=([cmake]="$cmake_version" [qt6-widgets]="$qt_version")
    local list need what
    for list in "$@"; do wanted_lists[$list]=1; done

    # CMake first: only it can tell whether the compiler and Qt are there.
    local have_cmake=no
    if command -v cmake >/dev/null 2>&1 &&
        at_least "$cmake_version" "$(cmake --version | awk 'NR == 1 { print $3 }')"; then
        have_cmake=yes
        local found
        found="$(probe_cmake "$qt_version" "${wanted_lists[wayland]:-}")"
        while read -r need; do [ -z "$need" ] || probed[$need]=1; done <<<"$found"
    fi
    # is_missing NEED: the probe's needs, CMake, and otherwise a command.
    is_missing() {
        case "$1" in
            cmake) [ "$have_cmake" = no ] ;;
            c++20 | qt6-*) [ -n "${probed[$1]:-}" ] ;;
            *) ! command -v "$1" >/dev/null 2>&1 ;;
        esac
    }

    local distributions report=() rows=()
    mapfile -t rows < <(distribution_rows)
    IFS=$'\t' read -r -a distributions <<<"${rows[0]}"
    local row cells i names
    for row in "${rows[@]:1}"; do
        IFS=$'\t' read -r -a cells <<<"$row"
        list="${cells[0]}" need="${cells[1]}" what="${cells[2]}"
        [ -n "${wanted_lists[$list]:-}" ] && is_missing "$need" || continue
        [ -z "${version[$need]:-}" ] || what+=" (${version[$need]} or later)"
        names=""
        for ((i = 3; i < ${#cells[@]}; i++)); do
            names+="${names:+, }${distributions[i]} ${cells[i]}"
        done
        report+=("  $what: $names")
    done
    for list in test debian13-check; do
        [ -z "${wanted_lists[$list]:-}" ] || {
            echo "check-deps: no apt-get here, so the tools of scripts/packages/$list.txt are not" \
                "installed; the configure names any that is missing by its Debian package."
        }
    done
    if [ -n "$locale_name" ] && ! has_locale; then
        echo "check-deps: the locale $locale_name is missing, which the comma tests need;" \
            "generate it as your distribution does."
    fi
    if [ ${#report[@]} -eq 0 ]; then
        echo "check-deps: no apt-get here, so nothing is installed; what the build needs is all there."
        return 0
    fi
    {
        echo "check-deps: no apt-get here, so nothing is installed, and the build needs these:"
        printf '%s\n' "${report[@]}"
        [ "$have_cmake" = yes ] || echo "  (the C++ compiler and Qt are checked once CMake is there)"
        echo "Install them with your distribution's package manager, then try again."
    } >&2
    return 1
}
