#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from what .clang-format makes of it.
# With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
# One clang-format run for all files; its warnings name each file that would change.
mapfile -t unformatted < <(clang-format --dry-run "${files[@]}" 2>&1 |
                           sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' |
                           sort -u)
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted with .clang-format (tools/check-format.sh --fix formats them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "Every C++ file is formatted."
