#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. Linux (headless toolkit), the whole suite, then the example host built against the
#      installed package and run
#   2. the same suite as 32-bit code (-m32) with UndefinedBehaviorSanitizer, run under qemu-i386
#      where the kernel runs no i386 program
#   3. the same suite and orvhost's scripted runs under AddressSanitizer (stack use after return
#      included) and UndefinedBehaviorSanitizer
#   4. every fuzz target for a short run on its seed files
#   5. the benchmarks, built and run once on small data
#   6. Windows: the x86_64 build's suite under Wine, the export tables of the shipped DLLs
# Ends with one line: "summary: N passed, N failed" (tests of stages 1, 2, 3 and 6, and the
# example host as one).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
fuzz_seconds=${ORV_FUZZ_SECONDS:-20}
logs=build/logs
mkdir -p "$logs"
passed=0
failed=0
status=0

stage() { echo; echo "=== $* ==="; }
fail() { echo "FAILED: $*"; status=1; }

# Adds a ctest log's counts to the totals.
count_ctest() {
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  local f t
  f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + t - f)); failed=$((failed + f))
}

stage "Installing what is missing"
scripts/install-deps.sh all || { echo "could not install the build's packages"; exit 1; }

# Configures, builds and runs one ctest preset, adding its counts to the totals.
ctest_stage() {
  local preset=$1 what=$2
  if cmake --preset "$preset" >"$logs/$preset-configure.log" 2>&1 &&
     cmake --build --preset "$preset" -j"$jobs" >"$logs/$preset-build.log" 2>&1; then
    ctest --preset "$preset" -j"$jobs" 2>&1 | tee "$logs/$preset-test.log" | tail -n 4
    [ "${PIPESTATUS[0]}" -eq 0 ] || fail "$what tests"
    count_ctest "$logs/$preset-test.log"
  else
    tail -n 40 "$logs/$preset-build.log" "$logs/$preset-configure.log"; fail "$what build"; failed=$((failed + 1))
  fi
}

stage "Linux: build and test"
# The programs in tools/ and examples/ are hosts of the installed headers.
if scripts/check-public-includes.sh; then passed=$((passed + 1)); else fail "public includes"; failed=$((failed + 1)); fi
ctest_stage linux Linux

stage "Example host against the installed package"
# Installed into a folder of its own and found there as any host finds it, never in the build
# tree; it writes the user's files to a copy of the sample user folder.
example=build/example-host
rm -rf "$example" && mkdir -p "$example"
cp -r examples/Data/User "$example/User"
if cmake --install build/linux --prefix "$root/$example/install" >"$logs/example-install.log" 2>&1 &&
   cmake -S examples/host -B "$example/build" -DCMAKE_PREFIX_PATH="$root/$example/install" \
         >"$logs/example-configure.log" 2>&1 &&
   cmake --build "$example/build" -j"$jobs" >"$logs/example-build.log" 2>&1 &&
   "$example/build/example_host" examples/Data "$example/User" >"$logs/example-run.log" 2>&1; then
  tail -n 1 "$logs/example-run.log"
  passed=$((passed + 1))
else
  tail -n 30 "$logs"/example-*.log; fail "example host"; failed=$((failed + 1))
fi

stage "Linux i386 (32-bit code under qemu): build and test"
ctest_stage linux-i386 "Linux i386"

stage "Linux: AddressSanitizer + UndefinedBehaviorSanitizer"
ctest_stage linux-asan "sanitizer (with orvhost)"

stage "Fuzz targets, ${fuzz_seconds}s each"
if cmake --preset linux-fuzz >"$logs/fuzz-configure.log" 2>&1 &&
   cmake --build --preset linux-fuzz -j"$jobs" >"$logs/fuzz-build.log" 2>&1; then
  for target in build/linux-fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$root/build/linux-fuzz/corpus/$name"
    mkdir -p "$corpus"
    if "$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=10 \
         "$corpus" "$root/fuzz/seeds" >"$logs/$name.log" 2>&1; then
      echo "$name: $(grep -Eo 'Done [0-9]+ runs' "$logs/$name.log" | grep -Eo '[0-9]+' || echo '?') runs, no fault"
    else
      tail -n 30 "$logs/$name.log"; fail "fuzz target $name"
    fi
  done
else
  tail -n 40 "$logs/fuzz-build.log" "$logs/fuzz-configure.log"; fail "fuzz build"
fi

stage "Benchmarks (built and run once, small data)"
if cmake --preset linux-bench >"$logs/bench-configure.log" 2>&1 &&
   cmake --build --preset linux-bench -j"$jobs" >"$logs/bench-build.log" 2>&1; then
  if ORV_BENCH_ENTRIES=2000 build/linux-bench/bench/orv_bench --benchmark_min_time=0.01 >"$logs/bench.log" 2>&1; then
    echo "benchmarks ran (full run: bench/run.sh)"
  else
    tail -n 20 "$logs/bench.log"; fail "benchmarks"
  fi
else
  tail -n 40 "$logs/bench-build.log"; fail "benchmark build"
fi

stage "Windows: MinGW-w64 builds, the suite under Wine, export tables"
scripts/windows-tests.sh 2>&1 | tee "$logs/windows.log" | tail -n 15
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "Windows"
# GoogleTest's own closing lines from the run under Wine.
wp=$(grep -Eo '\[  PASSED  \] [0-9]+ test' "$logs/windows.log" | grep -Eo '[0-9]+' | tail -n 1)
wf=$(grep -Eo '\[  FAILED  \] [0-9]+ test' "$logs/windows.log" | grep -Eo '[0-9]+' | tail -n 1)
if [ -n "$wp$wf" ]; then
  passed=$((passed + ${wp:-0})); failed=$((failed + ${wf:-0}))
else
  failed=$((failed + 1))
fi

echo
[ "$status" -eq 0 ] && echo "All stages passed." || echo "Some stages failed; logs in $logs/."
echo "summary: $passed passed, $failed failed"
exit "$status"
