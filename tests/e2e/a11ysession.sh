# Shared by the screen reader tests, after xsession.sh: a window manager
# (without one the window does not get the keyboard back after a box),
# the accessibility bus switched on, and Orca with a silent voice.
# The calling script runs under its own D-Bus session (dbus-run-session).

a11y_dir=$(dirname "${BASH_SOURCE[0]}")/a11y
wm_pid=""
orca_pid=""

finish_accessibility() {
  # Orca ignores SIGTERM.
  [ -n "${KEEP_ORCA_LOG:-}" ] && cp "$work/orca.log" "$KEEP_ORCA_LOG" && cp "$work/orca.out" "$KEEP_ORCA_LOG.out"
  if [ -n "$orca_pid" ]; then
    kill -KILL "$orca_pid" 2>/dev/null || true
    wait "$orca_pid" 2>/dev/null || true # gone, not a zombie the next run's Orca counts
  fi
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
}
trap 'finish_accessibility; finish' EXIT

start_window_manager() {
  # The accessibility bus keeps its socket in the runtime folder, and is
  # started by the session bus with the session bus's environment: one
  # folder each, so that tests side by side never meet on one bus.
  export XDG_RUNTIME_DIR=$work/runtime
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.UpdateActivationEnvironment \
    "{'XDG_RUNTIME_DIR': '$XDG_RUNTIME_DIR', 'DISPLAY': '$DISPLAY'}" >/dev/null
  openbox >/dev/null 2>&1 &
  wm_pid=$!
}

# Programs started from now on talk to assistive technology.
switch_accessibility_on() {
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null
  # The registry starts on first use; a program that meets the bus before
  # it is up can wait half a minute for its window.
  /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' 2>/dev/null
}

# Orca, speaking into its debug log ($work/orca.log) only; waits until it
# talks. Orca runs once per user: while the user's own runs, the test is
# skipped rather than taking it away.
start_orca() {
  local i
  for i in $(seq 50); do
    pgrep -u "$(id -u)" -x orca >/dev/null || break
    [ "$i" -eq 50 ] && { echo "SKIP: an Orca of this user is running"; exit 77; }
    sleep 0.1
  done
  mkdir -p "$work/orca"
  cat >"$work/orca/user-settings.conf" <<JSON
{"general": {"speechServerFactory": "silent_speech", "speechServerInfo": null, "enableSpeech": true},
 "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}}}
JSON
  PYTHONPATH=$a11y_dir orca -u "$work/orca" --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
  orca_pid=$!
  wait_for_speech "Screen reader on" 30
  sleep 2 # it is still loading what it needs for the first program
}

# What Orca said, one utterance a line.
speech() {
  { grep -a "SPEECH OUTPUT: '" "$work/orca.log" 2>/dev/null || true; } | sed "s/^.*SPEECH OUTPUT: '//"
}

# How many utterances hold TEXT.
times_said() {
  speech | grep -cF -- "$1" || true
}

# Waits up to SECONDS for Orca to have said TEXT.
wait_for_speech() {
  local i
  for i in $(seq $(($2 * 10))); do
    [ "$(times_said "$1")" -gt 0 ] && return 0
    sleep 0.1
  done
  fail "Orca never said '$1'"
}

# Presses KEY and waits for Orca to say TEXT once more, as a child listens
# before pressing on.
press_and_hear() {
  local before i
  before=$(times_said "$2")
  xdotool key "$1"
  for i in $(seq 20); do
    sleep 0.5
    [ "$(times_said "$2")" -gt "$before" ] && return 0
  done
  fail "after $1 Orca did not say '$2'"
}

# Checks that Orca said every argument, each after the one before.
check_spoken_in_order() {
  local said position=0 item found
  said=$(speech)
  for item in "$@"; do
    found=$(printf '%s\n' "$said" | awk -v from="$position" -v item="$item" 'NR > from && index($0, item) { print NR; exit }')
    [ -n "$found" ] || fail "Orca did not say '$item' after utterance $position; then it said: $(printf '%s\n' "$said" | tail -n +$((position + 1)) | head -n 12 | tr '\n' '|')"
    position=$found
  done
}
