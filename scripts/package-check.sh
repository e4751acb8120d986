#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB), unpacks it into a temporary root
# with dpkg -x, and runs the unpacked talixcli there on a temporary host root:
# its version (its help where it has no --version), one command of each
# family, completion and the manual page. The completion scripts must be in
# each shell's standard directory. Usage: scripts/package-check.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
[ -f "$build_dir/CMakeCache.txt" ] || cmake --preset default -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target talixcli network network_linux talix_uplinks talix_patterns manpage completion_scripts
rm -f "$build_dir"/talixcli_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
package=$(ls "$build_dir"/talixcli_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg -x "$package" "$work/root"
echo "Package: $package"

fail() { echo "package-check: $*" >&2; exit 1; }
for file in usr/bin/talixcli usr/lib/talixcli/libtalix_patterns.so usr/lib/talixcli/plugins/libnetwork.so \
            usr/lib/talixcli/plugins/linux/libnetwork.so \
            usr/share/man/man1/talixcli.1 usr/share/bash-completion/completions/talixcli \
            usr/share/zsh/vendor-completions/_talixcli usr/share/fish/vendor_completions.d/talixcli.fish; do
  [ -e "$work/root/$file" ] || fail "missing /$file"
done
# bash, zsh and fish completion, each in its shell's directory for the
# completions shipped with the system.
scripts/check-completion-files.sh "$work/root"
echo "ok: completion files"

talixcli="$work/root/usr/bin/talixcli"
export TALIX_HOST_ROOT="$work/host"
unset TALIXCLI_PLUGIN_DIR
# Nothing of the build tree may be used: the plug-ins and libraries are found
# relative to the unpacked binary.
if ldd "$talixcli" | grep -q "$(cd "$build_dir" && pwd)"; then fail "talixcli links libraries of the build tree"; fi

check() {
  local out err
  out="$work/out" err="$work/err"
  "$talixcli" "$@" >"$out" 2>"$err" || fail "talixcli $* exited with $?: $(cat "$err")"
  [ -s "$err" ] && fail "talixcli $* wrote to stderr: $(cat "$err")"
  [ -s "$out" ] || fail "talixcli $* printed nothing"
  echo "ok: talixcli $*"
}
if "$talixcli" --version >/dev/null 2>&1; then check --version; else check --help; fi
check --formatter=json network firewall get
check --formatter=json network ip interface list
check --formatter=json network nic list
check --formatter=json network vswitch standard list
check --formatter=json network vm list
check --complete network nic get --nic-name
# The Linux host's plug-in loads from the package and says which host it is
# (reading the machine's own kernel, never changing it).
TALIX_HOST=linux "$talixcli" --version | grep -q "(Linux kernel host)" || fail "TALIX_HOST=linux loads no Linux host"
echo "ok: TALIX_HOST=linux talixcli --version"
grep -q "^ *Depends:.*libmnl0" <(dpkg-deb -I "$package") || fail "the package does not depend on libmnl0"
echo "ok: depends on libmnl0"
if command -v man >/dev/null; then
  MANPAGER=cat MANWIDTH=80 man -l "$work/root/usr/share/man/man1/talixcli.1" 2>/dev/null | grep -q "network nic list" \
    || fail "the manual page does not render"
  echo "ok: man -l talixcli.1"
fi
echo "package-check: all passed"
