#!/usr/bin/env bash
# Installs the Debian packages of the named lists in scripts/packages/ that are
# not installed yet, without what they only recommend, and with --locale
# generates a locale. Quick when everything is already there. The installers'
# own output goes to build/setup.log; the terminal shows one line a step, and
# the log's last lines when a step fails. Where there is no apt-get, it
# installs nothing and checks instead (scripts/check-deps.sh).
#
#   ensure-deps.sh build                    what ./run.sh needs on a display
#   ensure-deps.sh build headless           ... and without one
#   ensure-deps.sh --locale de_DE.UTF-8 build headless test   what ./test.sh needs
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(dirname "$here")"
usage() {
    local list names=()
    for list in "$here"/packages/*.txt; do names+=("$(basename "$list" .txt)"); done
    echo "usage: $0 [--locale NAME] LIST...   (LIST: ${names[*]})" >&2
    exit 2
}

locale_name=""
names=()
lists=()
while [ $# -gt 0 ]; do
    case "$1" in
        --locale)
            locale_name="${2:-}"
            [ -n "$locale_name" ] || usage
            shift 2
            ;;
        -*) usage ;;
        *)
            [ -f "$here/packages/$1.txt" ] || usage
            names+=("$1")
            lists+=("$here/packages/$1.txt")
            shift
            ;;
    esac
done
[ ${#lists[@]} -gt 0 ] || usage

# locale -a writes "de_DE.utf8" for "de_DE.UTF-8".
has_locale() {
    [ -z "$locale_name" ] ||
        locale -a 2>/dev/null | grep -qixF "$(printf '%s' "$locale_name" | sed 's/\.UTF-8$/.utf8/I')"
}

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
    # shellcheck source=check-deps.sh
    . "$here/check-deps.sh"
    check_without_apt "${names[@]}"
    exit 0
fi

mapfile -t wanted < <(cat "${lists[@]}" | grep -v '^\s*#' | awk 'NF {print $1}' | sort -u)
missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && has_locale && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Another apt run on the machine holds the lock for a while: wait for it.
apt_opts=(-o DPkg::Lock::Timeout=600)

# A fresh log for this set-up. Run through sudo on one's own checkout, the
# build folder and the log stay the user's, so that a later build without
# sudo can write there.
build_dir="$repo/build"
log="$build_dir/setup.log"
[ -d "$build_dir" ] || { mkdir "$build_dir" && made_build_dir=yes; }
: >"$log"
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_UID:-}" ]; then
    chown "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" "$log" ${made_build_dir:+"$build_dir"}
fi

# step WHAT COMMAND...: says WHAT on one line and runs COMMAND into the log.
step() {
    local what="$1"
    shift
    echo "$what ..."
    printf '\n=== %s\n' "$what" >>"$log"
    if ! "$@" >>"$log" 2>&1 </dev/null; then
        echo "$what failed; the last lines of $log:" >&2
        tail -n 25 "$log" | sed 's/^/    /' >&2
        exit 1
    fi
}

if [ ${#missing[@]} -ne 0 ]; then
    step "Updating the package lists" "${sudo_cmd[@]}" apt-get "${apt_opts[@]}" update
    # A name this release does not offer would stop apt with a bare "Unable
    # to locate"; say which one, and on which release.
    for pkg in "${missing[@]}"; do
        candidate="$(LC_ALL=C apt-cache policy "$pkg" | awk '/Candidate:/ {print $2}')"
        if [ -z "$candidate" ] || [ "$candidate" = "(none)" ]; then
            # shellcheck disable=SC1091 # the machine's own release file
            echo "scripts/packages/ names $pkg, which $(. /etc/os-release && echo "$PRETTY_NAME") does not offer" >&2
            exit 1
        fi
    done
    # What apt would install: the missing packages and what they depend on.
    total="$(apt-get -s "${apt_opts[@]}" install --no-install-recommends "${missing[@]}" 2>>"$log" |
        grep -c '^Inst ' || true)"
    lists_named="$(IFS=,; echo "${names[*]}" | sed 's/,/, /g')"
    step "Installing $total packages (${#missing[@]} named in $lists_named; $((total - ${#missing[@]})) they depend on)" \
        "${sudo_cmd[@]}" apt-get "${apt_opts[@]}" install -y --no-install-recommends "${missing[@]}"
fi
generate_locale() {
    "${sudo_cmd[@]}" sed -i "s/^#\s*\($locale_name UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$locale_name UTF-8" /etc/locale.gen ||
        echo "$locale_name UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen
}
has_locale || step "Generating the locale $locale_name" generate_locale
