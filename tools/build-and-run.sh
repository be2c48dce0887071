#!/usr/bin/env bash
# Builds the program and starts it; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-build-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc)" --target Korvane
exec build/Korvane.app/Contents/MacOS/Korvane "$@"
