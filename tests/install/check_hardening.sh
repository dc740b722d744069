#!/usr/bin/env bash
# hardening-check on the program in the .deb: PIE, stack protector, fortify,
# full RELRO, immediate binding, and the control-flow marks of this
# architecture (CET on x86-64, BTI/PAC on arm64) where the toolchain can set
# them; newer hardening-check asks for both kinds everywhere, so the other
# architecture's is left out.
#   check_hardening.sh PACKAGE_DIR PROBE
# PROBE is a small program built with the same flags (hardening_probe.cpp).
# Two allowances, each shown in the output and checked against the probe:
# - Fortify: the program's own code makes no libc call that _FORTIFY_SOURCE
#   can check. Its memcpy, memmove and memset calls come from std::string and
#   Qt's containers, inlined, copying into heap memory of a size the compiler
#   cannot see, which no level of fortify checks. The probe shows that these
#   flags do give checked calls.
# - Control flow: Debian 12's C start-up files carry no IBT/SHSTK marks, so
#   the linker drops them from every program (/usr/bin/ls included). Required
#   whenever the probe, built with the same flags, does carry them.
set -uo pipefail
deb="$(echo "$1"/*.deb)" probe="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

dpkg-deb -x "$deb" "$scratch/root"
bin="$scratch/root/usr/bin/lowpass"

probe_report="$(hardening-check --verbose "$probe")"
echo "--- the probe"
echo "$probe_report"
grep -q 'Fortify Source functions: yes' <<<"$probe_report" ||
    fail "the probe has no fortified call: _FORTIFY_SOURCE is not in effect"
grep -q 'Stack clash protection: yes' <<<"$probe_report" ||
    fail "the probe has no stack-clash probes"

case "$(uname -m)" in
    x86_64) own=("Control flow integrity" --nocfprotection) other=("Branch Protection" --nobranchprotection) ;;
    aarch64) own=("Branch Protection" --nobranchprotection) other=("Control flow integrity" --nocfprotection) ;;
    *) own=() other=() ;;
esac
skip=()
# Older hardening-check has no check (nor option) for the other kind.
if [ ${#other[@]} -gt 0 ] && grep -q "${other[0]}" <<<"$probe_report"; then
    skip+=("${other[1]}")
fi
if [ ${#own[@]} -gt 0 ] && ! grep -q "${own[0]}: yes" <<<"$probe_report"; then
    skip+=("${own[1]}")
    echo "note: this toolchain marks no program for control flow; not required"
    # Then at least the program's own functions must start with CET landing
    # pads: hundreds of them, where the C start-up files alone bring two.
    pads="$(objdump -d "$bin" | grep -c endbr64)"
    if [ "$(uname -m)" = x86_64 ] && [ "$pads" -lt 50 ]; then
        fail "$pads endbr64 in the program: built without -fcf-protection"
    fi
fi
report="$(hardening-check --verbose "$bin")"
echo "--- the packaged program"
echo "$report"
if grep -q 'Fortify Source functions: no' <<<"$report"; then
    others="$(sed -n 's/^\tunprotected: //p' <<<"$report" | grep -vxE 'memcpy|memmove|memset')"
    [ -z "$others" ] || fail "unfortified libc calls: $others"
    skip+=(--nofortify)
    echo "note: only inlined heap copies are unfortified; fortify works, as the probe shows"
fi
hardening-check --quiet "${skip[@]}" "$bin" || fail "hardening-check ${skip[*]} fails"
[ "$failed" -eq 0 ] && echo "hardening-check: passed"
exit "$failed"
