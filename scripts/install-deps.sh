#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
# With --demo, only what building talixcli and its plug-in needs (scripts/demo.sh);
# with --fuzz, also the clang toolchain and fuzzer runtime scripts/fuzz.sh uses.
# tmux runs the completion test in an interactive shell, zsh and fish the
# tests of their completion scripts; dpkg-dev checks the
# Debian package's dependencies (scripts/package-check.sh); clang-format checks
# the house style (scripts/format.sh --check); iproute2 and ethtool make and
# inspect the devices of the Linux host tests. libmnl, libcap and pkg-config
# build the Linux host.
# The demo installs no recommended packages: building needs none of them, and
# leaving them out saves some 60 MB of downloads on a fresh machine.
set -euo pipefail
packages=(cmake ninja-build g++ libboost-regex-dev libre2-dev libmnl-dev libcap-dev pkg-config)
install_options=(-y -qq)
if [ "${1:-}" = "--demo" ]; then
  install_options+=(--no-install-recommends)
else
  packages+=(nlohmann-json3-dev make libgtest-dev libgmock-dev libbenchmark-dev iproute2 ethtool bc tmux zsh fish dpkg-dev man-db clang-format)
fi
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install "${install_options[@]}" "${missing[@]}"
