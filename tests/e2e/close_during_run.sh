#!/usr/bin/env bash
# During a run the frame's close button asks first (No keeps the run going),
# and the end of the desktop session (SIGTERM) records the run unasked.
# Usage: close_during_run.sh PATH/TO/numora
source "$(dirname "$0")/xsession.sh"

folder=$(make_program_folder)
start_x
start_program "$folder/numora"

start_counted_run_in_range_2
line=$((drawn + 1))
type_text "$(bank_line "$folder/data/201.da" "$line")"
press_keys Return
expected=("第1题    $(bank_line "$folder/data/201.tm" "$line")$(bank_line "$folder/data/201.da" "$line")    √")

# The close button (651..666 across, 7..23 down) asks; No keeps the run.
xdotool mousemove $((wx + 658)) $((wy + 15)) click 1
box=""
for _ in $(seq 50); do
  box=$(xdotool search --onlyvisible --name '^Warning$' 2>/dev/null | head -n 1) && [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "closing during a run did not ask"
xdotool windowactivate --sync "$box" 2>/dev/null || true
press_keys alt+n
sleep 0.5
kill -0 "$app_pid" 2>/dev/null || fail "No ended the program"
[ -z "$(ls -A "$folder/job")" ] || fail "No wrote a record"

kill -TERM "$app_pid"
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "SIGTERM did not end the program"
wait "$app_pid" || fail "the program ended with an error after SIGTERM"
app_pid=""
read_todays_record
check_answer_lines
[ "${#lines[@]}" -eq 4 ] || fail "the record has ${#lines[@]} lines, not 4: ${lines[*]}"
[ "${lines[1]}" = "训练题数为：10道" ] || fail "summary line 1: ${lines[1]}"
echo "PASS: closing asked, and the session's end recorded the run"
