#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those that are missing.
#   install-deps.sh linux      the Linux build, tests, sanitizers, fuzzing and benchmarks
#   install-deps.sh windows    MinGW-w64, Wine and Xvfb for the Windows build and its tests
#   install-deps.sh all        both
set -euo pipefail

linux=(cmake make g++ pkg-config libpugixml-dev libgtest-dev googletest libbenchmark-dev
       clang libclang-rt-14-dev libstb-dev)
windows=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
         binutils-mingw-w64-x86-64 wine64 xvfb xauth)

wanted=()
case "${1:-all}" in
  linux) wanted=("${linux[@]}") ;;
  windows) wanted=("${windows[@]}") ;;
  all) wanted=("${linux[@]}" "${windows[@]}") ;;
  *) echo "usage: $0 [linux|windows|all]" >&2; exit 2 ;;
esac
shift || true
wanted+=("$@")

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
