#!/usr/bin/env bash
# install-menu-entries.sh run from folders with awkward names: the entries
# are valid, start the program in that folder, and the user's own are kept.
# Usage: menu_entries.sh PACKAGING_FOLDER
set -euo pipefail
packaging=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

install_from() { # FOLDER [ARGS]: copies the files there and runs the script
  local folder=$1; shift
  mkdir -p "$folder"
  cp "$packaging"/install-menu-entries.sh "$packaging"/*.desktop "$packaging"/numora.png "$folder/"
  XDG_DATA_HOME=$work/share bash "$folder/install-menu-entries.sh" "$@"
}
entry=$work/share/applications/example.numora.Numora.desktop
report=$work/share/applications/example.numora.NumoraReport.desktop

# Folder name -> the Exec line, escaped by hand: quoted, \ " ` $ escaped,
# then every \ doubled and % doubled.
check() { # NAME EXPECTED-EXEC
  install_from "$work/$1" >/dev/null || fail "$1: the script failed"
  desktop-file-validate "$entry" "$report" || fail "$1: invalid entries"
  grep -qxF "Exec=$2" "$entry" || fail "$1: $(grep ^Exec= "$entry") is not Exec=$2"
  grep -qxF "Icon=example.numora.Numora" "$entry" || fail "$1: the icon is not named after the application"
  [ -f "$work/share/icons/hicolor/128x128/apps/example.numora.Numora.png" ] || fail "$1: no icon"
  grep -q '^Exec=.* %F$' "$report" || fail "$1: the report's file argument is lost"
}
check 'pkg & odd|name' "\"$work/pkg & odd|name/numora\""
check 'a$b"c`d' "\"$work/a\\\\\$b\\\\\"c\\\\\`d/numora\""
check 'back\slash 100%' "\"$work/back\\\\\\\\slash 100%%/numora\""
[ -z "$(find "$work/share" -name '*.XXXXXX' -o -name '*.desktop.*')" ] || fail "temporary files left"

# A user's own entry of that name stays unless asked.
printf '[Desktop Entry]\nType=Application\nName=Mine\nExec=mine\n' >"$entry"
if install_from "$work/plain" 2>/dev/null; then fail "the user's entry was overwritten, or success was claimed"; fi
grep -q '^Name=Mine$' "$entry" || fail "the user's entry was changed"
install_from "$work/plain" --replace >/dev/null || fail "--replace failed"
grep -qxF "Exec=\"$work/plain/numora\"" "$entry" || fail "--replace did not write the entry"

# Without HOME, the home folder comes from the user database.
mkdir -p "$work/nohome"
cp "$packaging"/install-menu-entries.sh "$packaging"/*.desktop "$packaging"/numora.png "$work/nohome/"
env -u HOME XDG_DATA_HOME="$work/share" bash "$work/nohome/install-menu-entries.sh" >/dev/null || fail "no HOME"
echo "PASS: menu entries from awkward folder names"
