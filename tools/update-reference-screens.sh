#!/usr/bin/env bash
# Writes the window display's reference pictures (tests/EndToEnd/data/screens/) anew from the
# program as it paints now, by the end-to-end test that compares them. Look at them before
# committing.
set -euo pipefail
build="${1:-build}"
cmake --build "$build" -j2 --target EndToEndTests Korvane
KORVANE_UPDATE_SCREENS=1 "$build/tests/EndToEndTests" --gtest_filter='WindowDisplay.*'
