#!/usr/bin/env bash
# Builds the Windows benchmark (x86_64) and runs it under Wine on a virtual display:
# LoadMenu into a real menu beside MSXML's load of the same bytes plus the same items inserted
# with AppendMenuA. Arguments: catalogue sizes (default 2000 20000).
set -euo pipefail
source "$(dirname "$0")/../scripts/windows-env.sh"
orv_install_missing
cd "$orv_root"
dir=build/mingw-x64-bench
orv_quiet "$orv_logs/configure-bench.log" cmake --preset mingw-x64 -B "$dir" -DORV_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release
orv_quiet "$orv_logs/build-bench.log" cmake --build "$dir" -j2 --target orv_win_bench
export WINEPREFIX=${WINEPREFIX:-$orv_root/build/wine-bench}
orv_wine_prefix
cd "$dir/bench"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$orv_wine" ./orv_win_bench.exe "$@"
