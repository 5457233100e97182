#!/usr/bin/env bash
# The portable archive: made by CPack, unpacked into a fresh folder, and a
# whole counted run trained there, where the program finds its files.
# Usage: package.sh BUILD_FOLDER
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/made" >/dev/null || fail "cpack failed"
archive=$work/made/numora-1.0-linux-x86_64.tar.gz
[ -f "$archive" ] || fail "no archive: $(ls "$work/made")"
mkdir "$work/unpacked"
tar xzf "$archive" -C "$work/unpacked"
folder=$work/unpacked/numora-1.0-linux-x86_64
for file in numora numora-report libnumora_sound.so data/201.tm sound/z0.wav numora.png \
            example.numora.Numora.desktop example.numora.NumoraReport.desktop example.numora.Numora.metainfo.xml; do
  [ -e "$folder/$file" ] || fail "the archive lacks $file"
done
for program in numora numora-report libnumora_sound.so; do
  ! readelf -S "$folder/$program" | grep -q '\.debug_info' || fail "$program carries debug information"
done
[ -d "$folder/job" ] && [ -z "$(ls -A "$folder/job")" ] || fail "the archive's job folder is missing or not empty"
desktop-file-validate "$folder"/*.desktop || fail "desktop files"
appstreamcli validate --no-net "$folder/example.numora.Numora.metainfo.xml" >/dev/null || fail "metainfo"

NUMORA_IN_PLACE=1 bash "$(dirname "$0")/training_run.sh" "$folder/numora" || fail "the run in the unpacked folder"
ls "$folder/job"/*.xl >/dev/null 2>&1 || fail "no record in the unpacked folder's job"
echo "PASS: the archive runs where it is unpacked"
