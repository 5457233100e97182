#!/usr/bin/env bash
# A teacher's custom bank and a child's record in the program folder survive
# a rebuild and "make clean"; a delivered bank that went stale is refreshed.
# Usage: keeps_user_files.sh SOURCE_TREE
set -euo pipefail
source_tree=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build=$work/build
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake -S "$source_tree" -B "$build" >/dev/null
cmake --build "$build" --target program_files >/dev/null
[ -f "$build/data/make.tm" ] && [ -f "$build/sound/z0.wav" ] && [ -d "$build/job" ] \
  || fail "the first build laid out no program folder"

printf '6\xa1\xc17=\r\n' >"$build/data/make.tm"
printf '42\r\n' >"$build/data/make.da"
printf '\xb5\xda1\xcc\xe2    6\xa1\xc17=42    \xa1\xcc\r\n' >"$build/job/2026-12-8-record.xl"
echo stale >"$build/data/201.tm"
(cd "$build/data" && cat make.tm make.da ../job/*.xl) >"$work/made"

cmake --build "$build" --target program_files >/dev/null
(cd "$build/data" && cat make.tm make.da ../job/*.xl) | cmp -s - "$work/made" || fail "a rebuild changed what users made"
cmp -s "$build/data/201.tm" "$source_tree/data/201.tm" || fail "a rebuild left a stale delivered bank"

make -s -C "$source_tree" clean BUILD="$build" >/dev/null
(cd "$build/data" && cat make.tm make.da ../job/*.xl) | cmp -s - "$work/made" || fail "make clean removed what users made"
[ ! -e "$build/CMakeCache.txt" ] && [ ! -e "$build/data/201.tm" ] || fail "make clean left build files"

cmake -S "$source_tree" -B "$build" >/dev/null
cmake --build "$build" --target program_files >/dev/null
(cd "$build/data" && cat make.tm make.da ../job/*.xl) | cmp -s - "$work/made" || fail "a build after make clean changed what users made"
echo "user files kept"
