#!/usr/bin/env bash
# Installs the Debian packages that a set of work needs, when any is missing:
#   run   building and running the program (the default)
#   test  that, and building and running the tests and benchmarks
#   ci    that, and the format check and the fuzzers
# Usage: tools/install-build-deps.sh [run|test|ci]
set -euo pipefail

run=(g++ cmake make pkg-config libicu-dev libncurses-dev libpugixml-dev libcups2-dev
     libgtk-4-dev fonts-dejavu-core)
test=(libgtest-dev libgmock-dev libbenchmark-dev tmux xvfb xdotool xauth x11-xkb-utils libx11-dev
      libxtst-dev openbox libpng-dev cups-daemon cups-client cups-ipp-utils dbus-daemon at-spi2-core
      python3-pyatspi ansible-core)
ci=(clang libclang-rt-14-dev clang-format clang-tidy git)

set_name=${1:-run}
case "$set_name" in
run) packages=("${run[@]}") ;;
test) packages=("${run[@]}" "${test[@]}") ;;
ci) packages=("${run[@]}" "${test[@]}" "${ci[@]}") ;;
*)
    echo "usage: $0 [run|test|ci]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

cannot_install() {
    cat >&2 <<MESSAGE
$0: these Debian packages are missing: ${missing[*]}
$1
Run this command as root (su -c '$0 $set_name' root), get sudo rights for your
account, or have the administrator install them:
    apt-get install --no-install-recommends ${missing[*]}
MESSAGE
    exit 1
}

# apt runs with nothing on its standard input: a script piped to the program is not for it.
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || cannot_install "Installing them needs root, and sudo is not installed."
    sudo -v || cannot_install "sudo did not grant root."
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq </dev/null
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
