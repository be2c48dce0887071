#!/usr/bin/env bash
# Builds the project and runs every test. Usage: tools/build-and-test.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}

tools/install-build-deps.sh test
cmake -S . -B "$dir" -DKORVANE_SANITIZE="${KORVANE_SANITIZE:-OFF}" -DKORVANE_BUILD_TESTS=ON \
    -DKORVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$dir" -j "$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
