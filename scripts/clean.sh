#!/usr/bin/env bash
# Removes a build folder but keeps what users made in it: the training
# records in job/ and the custom bank pair in data/.
# Usage: clean.sh BUILD_FOLDER
set -euo pipefail
build=${1:?usage: clean.sh BUILD_FOLDER}
[ -d "$build" ] || exit 0

find "$build" -mindepth 1 -maxdepth 1 ! -name job ! -name data -exec rm -rf {} +
if [ -d "$build/data" ]; then
  find "$build/data" -mindepth 1 -maxdepth 1 ! -name make.tm ! -name make.da -exec rm -rf {} +
  rmdir --ignore-fail-on-non-empty "$build/data"
fi
[ -d "$build/job" ] && rmdir --ignore-fail-on-non-empty "$build/job"
rmdir --ignore-fail-on-non-empty "$build"
