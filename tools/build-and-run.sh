#!/usr/bin/env bash
# Builds the program (with its bundle, without the tests) and starts it; arguments go to the
# program. What the build prints goes to standard error, so that standard output is the program's.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-build-deps.sh run >&2
cmake -S . -B build -DKORVANE_BUILD_TESTS=OFF -DKORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)" --target Korvane >&2
exec build/Korvane.app/Contents/MacOS/Korvane "$@"
