#!/usr/bin/env bash
# The Linux host against ip(8) on the same kernel tables, inside network and
# mount namespaces of its own (root needed): 10,000 routes and 10,000
# neighbours listed, 10,000 TCP sockets listed against ss(8) (their owners
# found as `ss -p` finds them, a cost `ss -tan` does not pay), 1,000 route
# additions in one batch against `ip -batch`, and the start of read commands
# against the process floor before the tables grow. Medians of alternating
# runs (bench/spawn_timer).
# Usage: bench/linux-host.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
runs=${2:-20}
if [ "${TALIX_BENCH_INSIDE:-}" != 1 ]; then
  cmake --build "$build" --target talixcli network_linux spawn_timer socket_holder process_floor >/dev/null
  exec env TALIX_BENCH_INSIDE=1 unshare --net --mount --fork "$0" "$build" "$runs"
fi
mount --make-rprivate /
mount -t tmpfs tmpfs /run
work=$(mktemp -d)
holder=
trap 'rm -rf "$work"; [ -z "$holder" ] || kill "$holder"' EXIT
export TALIX_HOST=linux TALIX_HOST_ROOT="$work/root"
mkdir -m 700 "$TALIX_HOST_ROOT"
talix="$build/talixcli"
timer="$build/bench/spawn_timer"

ip link set lo up
# 10,000 TCP sockets over loopback, held until the holder's input closes.
mkfifo "$work/hold" "$work/ready"
"$build/bench/socket_holder" 10000 <"$work/hold" >"$work/ready" &
holder=$!
exec 4>"$work/hold"
read -r _ <"$work/ready"
ip link add b0 type veth peer name b1
ip link set b0 up && ip link set b1 up
ip link property add dev b0 altname lmx1
ip addr add 10.0.0.1/16 dev b0
printf '| %-52s | %9s | %9s | %6s | %6s |\n' "start (small namespace)" "talixcli" "floor" "ratio" "target"
printf '|%s|%s|%s|%s|%s|\n' "------------------------------------------------------" "-----------" "-----------" "--------" "--------"
start() {
  local label=$1
  shift
  read -r a b < <("$timer" "$runs" -- "$@" -- "$build/bench/process_floor" | paste -sd' ')
  printf '| %-52s | %9s | %9s | %6.2f | %6s |\n' "$label" "$a" "$b" "$(echo "$a / $b" | bc -l)" "2x"
}
start "ip route ipv4 list" "$talix" network ip route ipv4 list
start "ip interface list" "$talix" network ip interface list
start "nic list" "$talix" network nic list
echo

# Permanent neighbour entries are exempt from the table's size limits.
for i in $(seq 0 9999); do echo "route add 10.$((100 + i / 250)).$((i % 250)).0/24 via 10.0.0.254"; done >"$work/routes"
ip -batch "$work/routes"
for i in $(seq 0 9999); do
  printf 'neigh add 10.0.%d.%d lladdr 02:00:00:00:%02x:%02x dev b0 nud permanent\n' $((i / 250 + 1)) $((i % 250 + 1)) $((i / 256)) $((i % 256))
done >"$work/neighbours"
ip -batch "$work/neighbours"

printf '| %-52s | %9s | %9s | %6s | %6s |\n' "measurement" "talixcli" "ip" "ratio" "target"
printf '|%s|%s|%s|%s|%s|\n' "------------------------------------------------------" "-----------" "-----------" "--------" "--------"
pair() {
  local label=$1 target=$2 ours=$3 theirs=$4
  read -r a b < <("$timer" "$runs" -- $ours -- $theirs | paste -sd' ')
  printf '| %-52s | %9s | %9s | %6.2f | %6s |\n' "$label" "$a" "$b" "$(echo "$a / $b" | bc -l)" "$target"
}
pair "10,000 routes: route ipv4 list / ip route show" "0.7x" "$talix network ip route ipv4 list" "/usr/bin/ip route show"
pair "10,000 routes, JSON / ip -j route show" "0.7x" "$talix --formatter=json network ip route ipv4 list" \
  "/usr/bin/ip -j route show"
pair "10,000 neighbours: neighbor list -v 4 / ip neigh show" "0.8x" "$talix network ip neighbor list -v 4" \
  "/usr/bin/ip -4 neigh show"
pair "10,000 TCP sockets: connection list -t tcp / ss -tan" "1.0x" "$talix network ip connection list -t tcp" \
  "/usr/bin/ss -tan"
pair "10,000 TCP sockets, with owners / ss -tanp" "-" "$talix network ip connection list -t tcp" \
  "/usr/bin/ss -tanp"

# 1,000 additions each way, alternating, each run on a fresh range that is
# flushed (untimed) afterwards; the medians of the runs (at most 9).
batch_ours() {
  for i in $(seq 0 999); do echo "network ip route ipv4 add -n 10.$1.$((i / 250)).$((i % 250))/32 -g 10.0.0.254"; done
}
batch_ip() {
  for i in $(seq 0 999); do echo "route add 10.$1.$((i / 250)).$((i % 250))/32 via 10.0.0.254"; done
}
batch_ours 201 >"$work/ours"
batch_ip 202 >"$work/theirs"
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
: >"$work/ours.ns"
: >"$work/theirs.ns"
batch_runs=$((runs < 9 ? runs : 9))
for _ in $(seq "$batch_runs"); do
  start=$(date +%s%N); "$talix" --batch "$work/ours" >/dev/null; echo $(($(date +%s%N) - start)) >>"$work/ours.ns"
  start=$(date +%s%N); ip -batch "$work/theirs"; echo $(($(date +%s%N) - start)) >>"$work/theirs.ns"
  ip route flush root 10.201.0.0/16 && ip route flush root 10.202.0.0/16
done
ours=$(median <"$work/ours.ns")
theirs=$(median <"$work/theirs.ns")
printf '| %-52s | %9.1f | %9.1f | %6.2f | %6s |\n' "1,000 route adds: --batch / ip -batch" "$(echo "$ours / 1000000" | bc -l)" \
  "$(echo "$theirs / 1000000" | bc -l)" "$(echo "$ours / $theirs" | bc -l)" "0.8x"
