#!/usr/bin/env bash
# The Windows side: builds OrvMenu.dll for x86_64 (with the test program and orvhost) and for
# i686 (the shipped DLL), runs the test program under Wine on a virtual X display, and checks
# the export tables: OrvMenu.dll's twelve functions at their ordinals, and no test support in
# any shipped DLL. Quiet on success; exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/windows-env.sh"

orv_install_missing
orv_build mingw-x64 OrvMenu orv_tests orvhost
orv_build mingw-i686 OrvMenu

export WINEPREFIX=$orv_root/build/wine-x64
orv_wine_prefix
# The control sizes the tests expect were measured with Wine's own fonts; the fonts Wine's
# packages recommend change them (an extended combo box is a pixel lower).
for p in fonts-wine fonts-liberation; do
    dpkg -s "$p" >/dev/null 2>&1 && echo "windows: $p is installed: control sizes may differ from those measured" >&2
done

tests_dir=$orv_root/build/mingw-x64/tests
log=$orv_logs/orv_tests.log
status=0
(cd "$tests_dir" && timeout 600 xvfb-run -a -s "-screen 0 1024x768x24" \
    "$orv_wine" ./orv_tests.exe --gtest_color=no) >"$log" 2>&1 || status=$?
ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran\..*/\1/p' "$log" | tail -n 1)
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$log" | tail -n 1)
failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\{0,1\}, listed below:.*/\1/p' "$log" | tail -n 1)
if [ -z "$ran" ]; then
    echo "windows: orv_tests.exe ended without a summary (exit $status); log: $log" >&2
    tail -n 40 "$log" >&2
    exit 1
fi
# GoogleTest's own summary: the count, the passed line and any failed tests.
sed -n '/^\[==========\] [0-9]* tests\{0,1\} from .* ran/,$p' "$log" | grep -E '^\[(==========|  PASSED  |  FAILED  )\]' || true
[ -z "$failed" ] && [ "$status" -eq 0 ] || echo "windows: full output in $log" >&2

exports_ok=1
"$orv_root/scripts/check-exports.sh" "$orv_root/build/mingw-x64/src/frame/OrvMenu.dll" \
    "$orv_root/build/mingw-i686/src/frame/OrvMenu.dll" >/dev/null || exports_ok=0
[ "$exports_ok" = 1 ] && echo "exports: OrvMenu.dll (x86_64, i686) matches OrvExports.h and OrvMenu.def"
# The services and the toolkit: no test support in any shipped DLL, and the headless libraries
# (when the Linux build is there) export what their Windows twins do.
twins=()
[ -f "$orv_root/build/linux/src/libOrvServices.so" ] && twins=(--twins "$orv_root/build/linux" "$orv_root/build/mingw-x64")
"$orv_root/scripts/check-library-exports.sh" "${twins[@]}" "$orv_root/build/mingw-x64" "$orv_root/build/mingw-i686" || exports_ok=0

echo "windows: ${passed:-0} passed, ${failed:-0} failed"
[ "$status" -eq 0 ] && [ -z "$failed" ] && [ "$exports_ok" = 1 ]
