#!/usr/bin/env bash
# Adds Numora and Numora 成绩册 to this user's application menu, started from
# the folder this script lies in. Run it again after moving the folder.
# Entries and an icon of the same name that this script did not write are
# kept unless --replace is given.
# Usage: install-menu-entries.sh [--replace]
set -euo pipefail
replace=false
case "${1:-}" in
  --replace) replace=true ;;
  "") ;;
  *) echo "usage: $0 [--replace]" >&2; exit 2 ;;
esac

here=$(cd "$(dirname "$0")" && pwd)
case "$here" in
  *$'\n'* | *$'\r'*) echo "The folder's name holds a line break, which a menu entry cannot start: $here" >&2; exit 1 ;;
esac
home=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
share=${XDG_DATA_HOME:-$home/.local/share}
[ -n "$share" ] || { echo "No home folder to put the menu entries in." >&2; exit 1; }
applications=$share/applications
icons=$share/icons/hicolor/128x128/apps
mkdir -p "$applications" "$icons"

# Our own entries carry this key, so that a later run knows them.
marker=X-Numora-Folder

# A path as one quoted Exec argument: \ " ` $ escaped inside the quotes, then
# the value's own escapes (\ doubled) and % as %%.
exec_argument() {
  local quoted=$1
  quoted=${quoted//\\/\\\\}
  quoted=${quoted//\"/\\\"}
  quoted=${quoted//\`/\\\`}
  quoted=${quoted//\$/\\\$}
  quoted="\"$quoted\""
  quoted=${quoted//\\/\\\\}
  printf '%s' "${quoted//%/%%}"
}

# A path as a plain string value: \ doubled.
string_value() { local value=${1//\\/\\\\}; printf '%s' "$value"; }

# Ours, or the user's: only ours, or --replace, may be overwritten.
may_write() {
  [ ! -e "$1" ] || $replace || grep -q "^$marker=" "$1" 2>/dev/null
}

# Written beside and renamed, so that the menu never sees half a file.
put() { # SOURCE-CONTENT-ON-STDIN TARGET
  local part
  part=$(mktemp "$1.XXXXXX")
  cat >"$part"
  chmod 644 "$part"
  mv -f "$part" "$1"
}

kept=()
icon_id=example.numora.Numora
if may_write "$icons/$icon_id.png" || cmp -s "$here/numora.png" "$icons/$icon_id.png"; then
  put "$icons/$icon_id.png" <"$here/numora.png"
else
  kept+=("$icons/$icon_id.png")
fi
for entry in example.numora.Numora example.numora.NumoraReport; do
  target=$applications/$entry.desktop
  if ! may_write "$target"; then
    kept+=("$target")
    continue
  fi
  {
    while IFS= read -r line || [ -n "$line" ]; do
      case "$line" in
        Exec=*)
          program=${line#Exec=}
          arguments=${program#* }
          [ "$arguments" = "$program" ] && arguments="" || arguments=" $arguments"
          printf 'Exec=%s%s\n' "$(exec_argument "$here/${program%% *}")" "$arguments" ;;
        Icon=*) printf 'Icon=%s\n' "$icon_id" ;;
        *) printf '%s\n' "$line" ;;
      esac
    done <"$here/$entry.desktop"
    printf '%s=%s\n' "$marker" "$(string_value "$here")"
  } | put "$target"
done

if [ ${#kept[@]} -gt 0 ]; then
  echo "Kept, as they are not Numora's own (run with --replace to overwrite them):" >&2
  printf '  %s\n' "${kept[@]}" >&2
  exit 1
fi
echo "Numora is in the application menu (Education)."
