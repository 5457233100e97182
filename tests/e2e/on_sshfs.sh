#!/usr/bin/env bash
# The programs' folders on a real network file system, SSHFS as LTSP mounts
# home folders: a whole run trained with its record written there, and
# links and folders planted there never written through.
# Usage: on_sshfs.sh PATH/TO/numora PATH/TO/numora-report TOOLS_FOLDER
set -euo pipefail
here=$(dirname "$0")
source "$here/sshfs_share.sh"
mount=$(mktemp -d)
trap 'stop_sshfs_share; rmdir "$mount" 2>/dev/null || true' EXIT
start_sshfs_share "$3" "$mount"

TMPDIR=$mount bash "$here/planted_files.sh" "$2"
TMPDIR=$mount bash "$here/training_run.sh" "$1"
echo "PASS: planted files and a whole run on SSHFS"
