#!/usr/bin/env bash
# Photographs the program's window under a private X server.
# Usage: screenshot.sh PROGRAM OUTPUT.png [PROGRAM'S ARGUMENTS...]
set -euo pipefail
program=$(realpath "$1")
output=$2
shift 2
display=:$((90 + RANDOM % 9))

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

LC_ALL=C.UTF-8 "$program" "$@" &
app=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name 'Numora' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
