#!/usr/bin/env bash
# Runs clang-tidy's bugprone checks (.clang-tidy) on the C++ sources changed lately: those that
# commits of the two days up to HEAD touched, or those changed since BASE when it is given.
# Needs a configured build folder for its compile commands.
# Usage: tools/check-tidy.sh BUILD-FOLDER [BASE]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: tools/check-tidy.sh BUILD-FOLDER [BASE]}
[ -f "$build/compile_commands.json" ] || {
    echo "$build/compile_commands.json is missing: configure the build first" >&2
    exit 2
}

if [ -n "${2:-}" ]; then
    range=("$2" HEAD)
else
    since=$(( $(git log -1 --format=%ct HEAD) - 2 * 24 * 3600 ))
    base=$(git rev-list -1 --before="$since" HEAD)
    range=(${base:+"$base"} HEAD)
fi
if [ ${#range[@]} -eq 2 ]; then
    mapfile -t changed < <(git diff --name-only --diff-filter=AMR "${range[0]}" "${range[1]}" -- \
                           'Sources/*.cpp' 'tools/*.cpp')
else
    mapfile -t changed < <(git ls-files 'Sources/*.cpp' 'tools/*.cpp')
fi
# Only what the build compiles has compile commands.
files=()
for file in "${changed[@]}"; do
    grep -q "\"file\": \".*/$file\"" "$build/compile_commands.json" && files+=("$file")
done
if [ ${#files[@]} -eq 0 ]; then
    echo "No changed C++ source to check."
    exit 0
fi
echo "clang-tidy on ${#files[@]} changed sources"
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
echo "No bugprone findings."
