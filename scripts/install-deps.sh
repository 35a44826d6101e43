#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those that are missing.
#   install-deps.sh linux      the Linux build, tests, sanitizers, fuzzing and benchmarks
#   install-deps.sh i386       the Linux suite as 32-bit code: the i386 architecture, the
#                              multilib compiler, the i386 libraries, and qemu registered to run
#                              i386 programs (this kernel runs none by itself)
#   install-deps.sh windows    MinGW-w64, Wine and Xvfb for the Windows build and its tests
#   install-deps.sh all        all three
# Says nothing when everything is there already.
set -euo pipefail

linux=(cmake make g++ pkg-config libpugixml-dev libgtest-dev googletest libbenchmark-dev
       clang libclang-rt-14-dev libstb-dev)
i386=(g++-multilib qemu-user-static libpugixml-dev:i386 libgtest-dev:i386)
windows=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
         binutils-mingw-w64-x86-64 wine64 xvfb xauth)

wanted=()
want_i386=0
case "${1:-all}" in
  linux) wanted=("${linux[@]}") ;;
  i386) wanted=("${i386[@]}"); want_i386=1 ;;
  windows) wanted=("${windows[@]}") ;;
  all) wanted=("${linux[@]}" "${i386[@]}" "${windows[@]}"); want_i386=1 ;;
  *) echo "usage: $0 [linux|i386|windows|all] [PACKAGE...]" >&2; exit 2 ;;
esac
shift || true
wanted+=("$@")

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Packages named NAME:i386 need the architecture known to dpkg and to apt's lists.
if [ "$want_i386" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "Adding the i386 architecture"
  $sudo dpkg --add-architecture i386
  need_update=1
fi

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  $sudo apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "$want_i386" -eq 1 ] || exit 0

# i386 programs run under qemu's user-mode emulator. Debian registers no i386 handler on an
# amd64 host, and binfmt_misc may not even be mounted. The F flag opens the emulator now, so it
# serves programs started in any mount namespace or chroot later.
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  echo "Mounting binfmt_misc"
  $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
fi
if [ ! -e "$binfmt/qemu-i386" ]; then
  echo "Registering qemu-i386 for i386 programs"
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf '%s\n' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" | $sudo tee "$binfmt/register" >/dev/null
elif ! grep -qx enabled "$binfmt/qemu-i386"; then
  echo 1 | $sudo tee "$binfmt/qemu-i386" >/dev/null
fi
