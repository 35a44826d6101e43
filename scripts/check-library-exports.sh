#!/usr/bin/env bash
# Checks what the services and the toolkit export:
#   - no shipped library (OrvMenu, OrvServices, OrvUi, each build given) exports anything of the
#     test-support library or of the harness it replaced;
#   - the headless libraries export the same functions as their Windows twins, besides the
#     headless window system's own entries (orv::headless, the stand-in for user32's and gdi32's
#     exports) and the Windows text conversions (orv::win32).
# Usage: scripts/check-library-exports.sh [--twins LINUX_BUILD MINGW_X64_BUILD] MINGW_BUILD...
# A build is a build folder (build/mingw-i686); a Linux build's libraries are checked too when
# --twins names it.
set -euo pipefail

harness='orv::test::|DrawnText|DrawTextRecorder|CountHandles|HandleCounts|orv::ui::combo::|SetKeyDown|CBitmap::GetPixel|RecordingWindow|RecordDrawnText'
status=0
fail() { echo "check-library-exports: $*" >&2; status=1; }

# Exported names of a DLL, demangled, with the tools of its machine.
dll_names() {
    local dll=$1 filt=x86_64-w64-mingw32-c++filt
    x86_64-w64-mingw32-objdump -p "$dll" | grep -q 'i386' && filt=i686-w64-mingw32-c++filt
    x86_64-w64-mingw32-objdump -p "$dll" |
        awk '/^\[Ordinal\/Name Pointer\] Table/ { f = 1; next } f && /^\t\[/ { print $NF } /^$/ { f = 0 }' | "$filt"
}
so_names() { nm -D --defined-only "$1" | awk '{ print $3 }' | c++filt; }

# Function names without their parameters, for comparing two platforms' libraries.
functions() { grep -Ev '^(typeinfo|vtable|VTT|guard variable)' | sed 's/(.*//; s/\[abi:cxx11\]//g' | sort -u; }

twins=()
if [ "${1:-}" = "--twins" ]; then
    twins=("$2" "$3")
    shift 3
fi
[ $# -gt 0 ] || { echo "usage: $0 [--twins LINUX_BUILD MINGW_X64_BUILD] MINGW_BUILD..." >&2; exit 2; }

for build in "$@"; do
    for dll in "$build/src/frame/OrvMenu.dll" "$build/src/OrvServices.dll" "$build/src/OrvUi.dll"; do
        [ -f "$dll" ] || { fail "$dll: no such file"; continue; }
        found=$(dll_names "$dll" | grep -E "$harness" || true)
        [ -z "$found" ] || fail "$dll exports test support: $(echo "$found" | head -n 5)"
    done
done

if [ ${#twins[@]} -eq 2 ]; then
    linux=${twins[0]} x64=${twins[1]}
    for pair in "libOrvServices.so OrvServices.dll" "libOrvUiHeadless.so OrvUi.dll"; do
        read -r so dll <<<"$pair"
        [ -f "$linux/src/$so" ] && [ -f "$x64/src/$dll" ] || { fail "missing $linux/src/$so or $x64/src/$dll"; continue; }
        found=$(so_names "$linux/src/$so" | grep -E "$harness" || true)
        [ -z "$found" ] || fail "$so exports test support: $(echo "$found" | head -n 5)"
        difference=$(diff <(so_names "$linux/src/$so" | functions | grep -v '^orv::headless::') \
                          <(dll_names "$x64/src/$dll" | functions | grep -v '^orv::win32::') || true)
        [ -z "$difference" ] || fail "$so and $dll export different functions (< headless, > Windows):
$difference"
    done
    found=$(so_names "$linux/src/frame/libOrvMenu.so" | grep -E "$harness" || true)
    [ -z "$found" ] || fail "libOrvMenu.so exports test support: $(echo "$found" | head -n 5)"
fi

[ $status -eq 0 ] && echo "library exports: no test support in any shipped library${twins:+; headless twins export what Windows exports}"
exit $status
