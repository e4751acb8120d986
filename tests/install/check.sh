#!/usr/bin/env bash
# Installs the build into a temporary root with the package's prefix (/usr) and
# checks that each file lands where its users look for it: the completion
# scripts where bash, zsh and fish load the completions shipped with the
# system (the commands for every user in docs/usage.md name the same places), the
# manual page, and a talixcli that runs from there with its plug-in.
#   check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build_dir=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

root="$work/root"
DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >/dev/null
[ -f "$root/usr/bin/talixcli" ] || fail "cmake --install wrote no /usr/bin/talixcli"
[ -f "$root/usr/share/man/man1/talixcli.1" ] || fail "cmake --install wrote no /usr/share/man/man1/talixcli.1"
"$source_dir/scripts/check-completion-files.sh" "$root"
for file in /usr/share/bash-completion/completions/talixcli /usr/share/zsh/vendor-completions/_talixcli \
            /usr/share/fish/vendor_completions.d/talixcli.fish; do
  grep -qF "$file" "$source_dir/docs/usage.md" || fail "docs/usage.md does not show how to install $file"
done

# The installed talixcli finds the installed plug-in, not the build tree's.
talixcli="$root/usr/bin/talixcli"
unset TALIXCLI_PLUGIN_DIR
export TALIX_HOST_ROOT="$work/host"
"$talixcli" --version | grep -q "^plug-in $root/usr/bin/\.\./.*/talixcli/plugins/libnetwork\.so: network (simulated host)$" \
  || fail "the installed talixcli does not load the installed plug-in: $("$talixcli" --version 2>&1)"
TALIX_HOST=linux "$talixcli" --version | grep -q "^plug-in $root/usr/bin/\.\./.*/talixcli/plugins/linux/libnetwork\.so: network (Linux kernel host)$" \
  || fail "the installed talixcli does not load the installed Linux host: $(TALIX_HOST=linux "$talixcli" --version 2>&1)"
[ -n "$("$talixcli" --complete network nic get --nic-name)" ] || fail "the installed talixcli completes no NIC names"
# Without its pattern library talixcli still runs, and a value that needs a
# pattern check is refused with the reason instead of being let through.
rm "$root"/usr/lib/talixcli/libtalix_patterns.so
before=$("$talixcli" --formatter=json network ip interface list)
status=0
refused=$("$talixcli" network ip interface add --interface-name lmx7 2>&1 >/dev/null) || status=$?
[ "$status" -ne 0 ] || fail "a pattern parameter was accepted without the pattern library"
expected='Error: Cannot check the value "lmx7" for --interface-name: the pattern matcher libtalix_patterns.so cannot be loaded: libtalix_patterns.so: cannot open shared object file: No such file or directory. See "talixcli network ip interface add --help".'
[ "$refused" = "$expected" ] || fail "without the pattern library: $refused"
[ "$("$talixcli" --formatter=json network ip interface list)" = "$before" ] || fail "the refused interface was added"
echo "install check: all passed"
