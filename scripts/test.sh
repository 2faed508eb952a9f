#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test; then builds the Windows
# parts and runs their tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run display test

build=build/asan
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DYRK_SANITIZE=ON
cmake --build "$build"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# A short fuzzing run of the profile reader first, so the target never rots.
mkdir -p build
if ! bash fuzz/run.sh 20 >build/fuzz.log 2>&1; then
  tail -n 60 build/fuzz.log
  echo "The profile fuzzer found a fault; see build/fuzz.log" >&2
  exit 1
fi
grep -E '^Done [0-9]+ runs' build/fuzz.log || true

ctest --test-dir "$build" --output-on-failure -j 2

# The Windows parts, cross-built and run under Wine.
bash scripts/windows-tests.sh
