#!/usr/bin/env bash
# A person trains a counted run of 10 questions in range 2 with mouse and
# keyboard; the record written at the finish is then checked.
# Usage: training_run.sh PATH/TO/numora
source "$(dirname "$0")/xsession.sh"

folder=$(make_program_folder)
start_x
start_program "$(program_of "$folder")"

start_counted_run_in_range_2
expected=()
right=0
for number in $(seq 1 10); do
  line=$((drawn + 1))
  question=$(bank_line "$folder/data/201.tm" "$line")
  answer=$(bank_line "$folder/data/201.da" "$line")
  if (( number % 4 == 0 )); then
    typed=$((answer + 1)); mark="×"
  else
    typed=$answer; mark="√"; right=$((right + 1))
  fi
  type_text "$typed"
  press_keys Return
  expected+=("第${number}题    ${question}${typed}    ${mark}")
  draw 2
  draw "$questions"
done

read_todays_record
[ "${#lines[@]}" -eq 13 ] || fail "the record has ${#lines[@]} lines, not 13"
check_answer_lines
[ "${lines[10]}" = "训练题数为：10道" ] || fail "summary line 1: ${lines[10]}"
[[ "${lines[11]}" =~ ^完成时间为：[0-9]+秒$ ]] || fail "summary line 2: ${lines[11]}"
[ "${lines[12]}" = "正确题数为：${right}道" ] || fail "summary line 3: ${lines[12]}"
[ "$(tail -c 2 "$record" | od -An -tx1 | tr -d ' \n')" = "0d0a" ] || fail "the last line does not end with CR LF"
[ "$(grep -c $'\r$' "$record")" -eq 13 ] || fail "not every line ends with CR LF"

# The closing message, then "结束训练" ends the program at once.
press_keys Return
click_client $((3 + 456 + 52)) $((4 + 304 + 12))
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
wait "$app_pid" || fail "the program ended with an error"
app_pid=""
echo "PASS: a counted run of 10 questions was trained and recorded"
