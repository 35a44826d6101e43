#!/usr/bin/env bash
# Builds the library and runs orvhost on the sample terminal data. Arguments go to orvhost
# (try --step help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh linux
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$(nproc)" --target orvhost >/dev/null
mkdir -p build/linux/run
cd build/linux/run
exec ../tools/orvhost/orvhost "$@"
