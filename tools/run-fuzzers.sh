#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each for a bounded time. Usage: tools/run-fuzzers.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=build-fuzz

CXX=clang++ cmake -S . -B "$dir" -DKORVANE_FUZZ=ON -DKORVANE_SANITIZE=ON \
    -DKORVANE_BUILD_TESTS=OFF -DKORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
shopt -s nullglob
for target in "$dir"/tests/Fuzz/*Fuzz; do
    name=$(basename "$target")
    corpus="$dir/corpus/$name"
    mkdir -p "$corpus"
    [ -d "tests/Fuzz/corpus/$name" ] && cp -r "tests/Fuzz/corpus/$name/." "$corpus/"
    echo "Fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "$corpus" \
        2>&1 | tail -n 12
done
