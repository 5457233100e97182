#!/usr/bin/env bash
# Adds Numora and Numora 成绩册 to this user's application menu, started from
# the folder this script lies in. Run it again after moving the folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
share=${XDG_DATA_HOME:-$HOME/.local/share}
mkdir -p "$share/applications" "$share/icons/hicolor/128x128/apps"
cp "$here/numora.png" "$share/icons/hicolor/128x128/apps/numora.png"
for entry in example.numora.Numora example.numora.NumoraReport; do
  sed "s|^Exec=\([a-z-]*\)|Exec=\"$here/\1\"|" "$here/$entry.desktop" >"$share/applications/$entry.desktop"
done
echo "Numora is in the application menu (Education)."
