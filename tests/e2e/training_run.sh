#!/usr/bin/env bash
# A person trains a counted run of 10 questions in range 2 with mouse and
# keyboard; the record written at the finish is then checked.
# Usage: training_run.sh PATH/TO/numora
source "$(dirname "$0")/xsession.sh"

folder=$(make_program_folder)
start_x
start_program "$(program_of "$folder")"

start_counted_run_in_range_2
answer_ten_questions

read_todays_record
[ "${#lines[@]}" -eq 13 ] || fail "the record has ${#lines[@]} lines, not 13"
check_answer_lines
[ "${lines[10]}" = "训练题数为：10道" ] || fail "summary line 1: ${lines[10]}"
[[ "${lines[11]}" =~ ^完成时间为：[0-9]+秒$ ]] || fail "summary line 2: ${lines[11]}"
[ "${lines[12]}" = "正确题数为：${right}道" ] || fail "summary line 3: ${lines[12]}"
[ "$(tail -c 2 "$record" | od -An -tx1 | tr -d ' \n')" = "0d0a" ] || fail "the last line does not end with CR LF"
[ "$(grep -c $'\r$' "$record")" -eq 13 ] || fail "not every line ends with CR LF"

end_program_after_run
echo "PASS: a counted run of 10 questions was trained and recorded"
