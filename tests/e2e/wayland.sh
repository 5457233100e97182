#!/usr/bin/env bash
# The drill window on Wayland: weston's headless backend in a private runtime
# folder; the window's tests run on it in-process, then the real program
# shows its window there and ends on SIGTERM with nothing on standard error.
# Usage: wayland.sh PATH/TO/tst_wayland PATH/TO/numora
set -euo pipefail
window_tests=$(realpath "$1")
numora=$(realpath "$2")
work=$(mktemp -d)
weston_pid=""
app_pid=""
finish() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --no-config --socket=wayland-numora --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-numora" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/wayland-numora" ] || fail "weston did not start: $(tail -3 "$work/weston.log")"
unset DISPLAY
export WAYLAND_DISPLAY=wayland-numora QT_QPA_PLATFORM=wayland

"$window_tests" || fail "the window's tests on Wayland"

"$numora" >"$work/out" 2>"$work/err" &
app_pid=$!
sleep 3
kill -0 "$app_pid" 2>/dev/null || fail "the program ended by itself: $(cat "$work/err")"
kill -TERM "$app_pid"
wait "$app_pid" || fail "the program ended with an error on SIGTERM"
app_pid=""
[ ! -s "$work/err" ] || fail "the program wrote to standard error: $(cat "$work/err")"
echo "PASS: the window runs on Wayland, frameless and shaped, with nothing on standard error"
