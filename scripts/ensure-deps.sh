#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are not
# installed yet, and generates the German locale the comma test runs under.
# Quick when everything is already there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mapfile -t wanted < <(grep -v '^\s*#' "$here/packages.txt" | awk 'NF {print $1}')
missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
comma_locale=de_DE.UTF-8
has_locale() { locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }
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
            echo "scripts/packages.txt names $pkg, which $(. /etc/os-release && echo "$PRETTY_NAME") does not offer" >&2
            exit 1
        fi
    done
    "${sudo_cmd[@]}" apt-get "${apt_opts[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! has_locale; then
    echo "Generating the locale $comma_locale"
    "${sudo_cmd[@]}" sed -i "s/^#\s*\($comma_locale UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$comma_locale UTF-8" /etc/locale.gen ||
        echo "$comma_locale UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
