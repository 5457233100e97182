#!/usr/bin/env bash
# The programs' folders on a real network file system: a whole run trained
# with its record written there, and (where the file system has links)
# links and folders planted there never written through, and the class
# tables read from there.
# Usage: on_share.sh sshfs|smb PATH/TO/numora PATH/TO/numora-report TOOLS_FOLDER
set -euo pipefail
here=$(dirname "$0")
source "$here/share.sh" "$1"
mount=$(mktemp -d)
trap 'stop_share; rmdir "$mount" 2>/dev/null || true' EXIT
start_share "$4" "$mount"

[ "$1" = smb ] || TMPDIR=$share_folder bash "$here/planted_files.sh" "$3"
TMPDIR=$share_folder bash "$here/training_run.sh" "$2"
TMPDIR=$share_folder bash "$here/class_report.sh" "$3"
echo "PASS: a whole run and the class tables on $1"
