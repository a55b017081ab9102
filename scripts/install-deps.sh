#!/usr/bin/env bash
# Installs the Debian packages that building and testing Miravox need.
# Idempotent and quick when everything is present. Usage:
#   scripts/install-deps.sh [base|bench|fuzz|all]
set -euo pipefail

base=(
  g++ make cmake googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils fonts-wqy-microhei fonts-wine
  valgrind python3 imagemagick
)
bench=(libbenchmark-dev libmuparser-dev time)
fuzz=(clang libclang-rt-14-dev)

case "${1:-base}" in
  base) wanted=("${base[@]}") ;;
  bench) wanted=("${base[@]}" "${bench[@]}") ;;
  fuzz) wanted=("${base[@]}" "${fuzz[@]}") ;;
  all) wanted=("${base[@]}" "${bench[@]}" "${fuzz[@]}") ;;
  *) echo "usage: $0 [base|bench|fuzz|all]" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
