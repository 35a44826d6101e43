#!/usr/bin/env bash
# Builds and runs the benchmarks on the full-size generated data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh linux
cmake --preset linux-bench >/dev/null
cmake --build --preset linux-bench -j"$(nproc)" >/dev/null
exec build/linux-bench/bench/orv_bench "$@"
