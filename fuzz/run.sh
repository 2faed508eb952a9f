#!/usr/bin/env bash
# Builds the profile fuzz target with clang and runs it.
#   fuzz/run.sh [seconds]      (default 30)
# Findings land in $BUILD/findings; the seeds in fuzz/corpus are not changed
# (new inputs go to $BUILD/corpus).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
seconds="${1:-30}"
build="${BUILD:-$root/build/fuzz}"

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DYRK_FUZZ=ON -DYRK_GUI=OFF -DYRK_TESTS=OFF >/dev/null
cmake --build "$build" --target profile_fuzz -j2

mkdir -p "$build/corpus" "$build/findings"
"$build/fuzz/profile_fuzz" -max_total_time="$seconds" -max_len=4096 \
    -artifact_prefix="$build/findings/" "$build/corpus" "$here/corpus"
