#!/bin/sh
# Runs the Ansible module's playbook against this host, in a temporary local domain.
# Usage: RunPlaybook.sh KORVANE CONTRIB-ANSIBLE-FOLDER
set -eu
if ! command -v ansible-playbook >/dev/null 2>&1; then
    echo "skipped: ansible-core is not installed (tools/install-build-deps.sh test installs it)"
    exit 77
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: applying a list saves it, which needs the tests to run as root"
    exit 77
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export ANSIBLE_LIBRARY="$2/library" ANSIBLE_HOME="$root/ansible" ANSIBLE_LOCAL_TEMP="$root/tmp"
export ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_LOCALHOST_WARNING=0
export ANSIBLE_INVENTORY_UNPARSED_WARNING=0
ansible-playbook -i localhost, -e "korvane=$1" -e "root=$root" "$2/tests/apply-master.yml"
