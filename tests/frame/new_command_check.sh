#!/usr/bin/env bash
# scripts/new-command.sh on a copy of the plug-in's sources: one command of
# each result type, each placed right after the command registered last in
# its namespace (the registry row, the class, the build-list entry, the tree
# rows), every unit it writes compiling as command code does, and refusals
# that leave the copy as it was.
#   new_command_check.sh SOURCE_DIR CXX
set -euo pipefail
source_dir=$1
cxx=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "new-command check: $*" >&2
    exit 1
}

tree=$work/tree
mkdir -p "$tree/scripts" "$tree/tests/frame" "$tree/tests/golden"
cp -r "$source_dir"/{frame,firewall,ip,nic,vswitch,datapath} "$source_dir/.clang-format" "$tree/"
cp "$source_dir/scripts/new-command.sh" "$tree/scripts/"
cp "$source_dir"/tests/frame/{expected_tree.tsv,TreeTest.cpp} "$tree/tests/frame/"
new_command() { "$tree/scripts/new-command.sh" "$@" >/dev/null; }
# The registry as one line, each statement whole however the formatter wrapped it.
registry_text() { tr -s ' \n' ' ' <"$tree/frame/Registry.cpp"; }
# The rows of the command at path, which is of class, and the row after them.
rows_of_command() {
    awk -v row="$1	class $2	" 'found && !/^\t/ { print; exit } index($0, row) == 1 { found = 1 } found { print }' \
        "$tree/tests/frame/expected_tree.tsv"
}

rows_before=$(grep -o 'ASSERT_EQ(pathRows, [0-9]*u)' "$tree/tests/frame/TreeTest.cpp" | tr -dc '0-9')

# Path (words joined by _), class, root, family header; the sibling (the
# command registered last in the namespace) by class and word. The failover
# namespace's rows are wrapped over two lines by the formatter.
while read -r path class root header sibling sibling_word; do
    path=${path//_/ }
    sibling_rows=$(rows_of_command "${path% *} $sibling_word" "$sibling")
    new_command "$path" "$class" "$root" "Describe $class"
    word=${path##* }
    # A success flag changes the host; every other result only reads it.
    wrapper=ReadsHost access=read-only
    [ "$root" != boolean ] || wrapper=ChangesHost access=changes
    family=${header%%/*}
    # (grep -q would leave the writer of a pipe without a reader: no -q after a pipe.)
    registry_text |
        grep -E "RegisterNamespaceNode\( ?(ReadsHost|ChangesHost)\($sibling::New\(\)\), \"$sibling_word\"\); [A-Za-z0-9]+->RegisterNamespaceNode\( ?$wrapper\($class::New\(\)\), \"$word\"\);" >/dev/null ||
        fail "$path: not registered right after $sibling"
    grep -q "^class $class : public virtual Parvik::AutoCli::Command {$" "$tree/$header" ||
        fail "$path: $header does not declare $class"
    grep -A1 "^  $sibling.cpp)\?$" "$tree/$family/CMakeLists.txt" | grep -x "  $class.cpp)\?" >/dev/null ||
        fail "$path: $family/CMakeLists.txt does not list $class.cpp after $sibling.cpp"
    # The sibling's rows stay together, and the new command's take the place of the row after them.
    new_rows=$(rows_of_command "$path" "$class")
    [ "$(rows_of_command "${path% *} $sibling_word" "$sibling")" = "$(sed '$d' <<<"$sibling_rows")
$path	class $class	$access" ] || fail "$path: the tree rows do not follow those of $sibling"
    [ "$(sed -n 2p <<<"$new_rows")" = "	description	Describe $class" ] || fail "$path: no description row"
    [ "$(tail -1 <<<"$new_rows")" = "$(tail -1 <<<"$sibling_rows")" ] ||
        fail "$path: the tree rows do not end where the sibling's ended"
    [ -f "$tree/tests/golden/$(echo "${path#network }" | tr ' ' '-').cmds" ] || fail "$path: no transcript stub"
    "$cxx" -std=c++17 -fsyntax-only -Wall -Wextra -Werror -I"$tree" -I"$source_dir/platform" -I"$source_dir/cli" \
        "$tree/$family/$class.cpp" || fail "$path: $family/$class.cpp does not compile"
done <<'CASES'
network_ip_route_ipv4_count IpRouteIpv4Count integer ip/StackCommands.h IpRouteIpv4List list
network_vswitch_standard_portgroup_policy_failover_reset VirtualSwitchPortGroupPolicyFailoverReset boolean vswitch/VswitchCommands.h VirtualSwitchPortGroupPolicyFailoverSet set
network_firewall_status FirewallStatus string firewall/FirewallCommands.h FirewallUnload unload
network_nic_info NicInfo record nic/NicCommands.h NicDown down
network_vm_port_summary VMPortSummary list datapath/DatapathCommands.h VMPortList list
CASES

rows_after=$(grep -o 'ASSERT_EQ(pathRows, [0-9]*u)' "$tree/tests/frame/TreeTest.cpp" | tr -dc '0-9')
[ "$rows_after" -eq $((rows_before + 5)) ] || fail "the tree test's row count went from $rows_before to $rows_after"

# Refusals change nothing: a path or class that exists, a namespace that
# does not, a namespace without commands, an unknown root, a description
# that would need escaping.
snapshot() { (cd "$tree" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
before=$(snapshot)
while IFS='|' read -r path class root description; do
    if new_command "$path" "$class" "$root" "$description" 2>/dev/null; then fail "accepted: $path $class $root"; fi
done <<'CASES'
network ip route ipv4 count|IpRouteIpv4Recount|integer|Count
network ip route ipv4 list|IpRouteIpv4Listing|list|List
network ip nowhere count|IpNowhereCount|integer|Count
network ip route ipv4 total|IpRouteIpv4Count|integer|Total
network ip route total|IpRouteTotal|integer|Total
network ip route ipv4 total|IpRouteIpv4Total|float|Total
network ip route ipv4 total|IpRouteIpv4Total|integer|a "quoted" text
CASES
[ "$before" = "$(snapshot)" ] || fail "a refused command changed the copy"
