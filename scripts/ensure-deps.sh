#!/usr/bin/env bash
# Installs the Debian packages of the named lists in scripts/packages/ that are
# not installed yet, without what they only recommend, and with --locale
# generates a locale. Quick when everything is already there.
#
#   ensure-deps.sh build                          what ./run.sh needs
#   ensure-deps.sh --locale de_DE.UTF-8 build test   what ./test.sh needs
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
usage() {
    local list names=()
    for list in "$here"/packages/*.txt; do names+=("$(basename "$list" .txt)"); done
    echo "usage: $0 [--locale NAME] LIST...   (LIST: ${names[*]})" >&2
    exit 2
}

locale_name=""
lists=()
while [ $# -gt 0 ]; do
    case "$1" in
        --locale)
            locale_name="${2:-}"
            [ -n "$locale_name" ] || usage
            shift 2
            ;;
        -*) usage ;;
        *) [ -f "$here/packages/$1.txt" ] || usage; lists+=("$here/packages/$1.txt"); shift ;;
    esac
done
[ ${#lists[@]} -gt 0 ] || usage

mapfile -t wanted < <(cat "${lists[@]}" | grep -v '^\s*#' | awk 'NF {print $1}')
missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
# locale -a writes "de_DE.utf8" for "de_DE.UTF-8".
has_locale() {
    [ -z "$locale_name" ] ||
        locale -a 2>/dev/null | grep -qixF "$(printf '%s' "$locale_name" | sed 's/\.UTF-8$/.utf8/I')"
}
[ ${#missing[@]} -eq 0 ] && has_locale && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Another apt run on the machine holds the lock for a while: wait for it.
apt_opts=(-o DPkg::Lock::Timeout=600)
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get "${apt_opts[@]}" update -qq
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
    "${sudo_cmd[@]}" apt-get "${apt_opts[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! has_locale; then
    echo "Generating the locale $locale_name"
    "${sudo_cmd[@]}" sed -i "s/^#\s*\($locale_name UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$locale_name UTF-8" /etc/locale.gen ||
        echo "$locale_name UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
