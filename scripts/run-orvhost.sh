#!/usr/bin/env bash
# Builds the library and runs orvhost on the sample terminal data. Arguments go to orvhost
# (try --step help). The build's progress goes to the error output, so orvhost's own output can
# still be piped or compared; the first build takes a few minutes, later ones seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh linux
echo "run-orvhost: building orvhost (build/linux; the first build takes a few minutes)" >&2
cmake --preset linux >/dev/null
# Only the progress lines ("[ 42%] Building ...") and any error.
cmake --build --preset linux -j"$(nproc)" --target orvhost 2>&1 |
    grep --line-buffered -vE '^(gmake|make)(\[[0-9]+\])?: ' >&2
echo "run-orvhost: built; running orvhost" >&2
mkdir -p build/linux/run
cd build/linux/run
exec ../tools/orvhost/orvhost "$@"
