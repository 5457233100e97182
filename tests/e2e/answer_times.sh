#!/usr/bin/env bash
# A child answers one question at once, one after four seconds and one
# wrong; the times beside the record are the test's own within 0.3 s, and
# numora-report reads them into the facts' states and today's practice.
# Usage: answer_times.sh PATH/TO/numora
source "$(dirname "$0")/xsession.sh"

folder=$(make_program_folder)
cp "$(dirname "$program_build")/numora-report" "$folder/"
start_x
start_program "$(program_of "$folder")"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# The delay after the question was shown, the answer typed, then Enter; the
# time from the press that showed it is left in measured[].
measured=()
questions_asked=()
answer_after() {
  local line question answer typed
  line=$((drawn + 1))
  question=$(bank_line "$folder/data/201.tm" "$line")
  answer=$(bank_line "$folder/data/201.da" "$line")
  typed=$answer
  [ "$2" = wrong ] && typed=$((answer + 1))
  sleep "$1"
  xdotool type --delay 20 "$typed"
  local sent
  sent=$(now_ms)
  xdotool key Return
  measured+=($((sent - shown)))
  questions_asked+=("$question")
  shown=$sent
  draw 2
  draw "$questions"
}

start_counted_run_in_range_2
shown=$(($(now_ms) - 300)) # the start was clicked, then click_client waited 0.3 s
answer_after 0 right
answer_after 4 right
answer_after 0 wrong
for _ in $(seq 7); do answer_after 0 right; done

read_todays_record
times="${record%.xl}.csv"
[ -f "$times" ] || fail "no answer times beside $record"
mapfile -t rows < <(tr -d '\r' <"$times")
[ "${rows[0]}" = "题号,题目,答案,对错,用时毫秒" ] || fail "header: ${rows[0]}"
[ "${#rows[@]}" -eq 11 ] || fail "${#rows[@]} rows of times, not 11"
for i in 0 1 2; do
  IFS=, read -r number question typed mark millis <<<"${rows[$((i + 1))]}"
  [ "$number,$question" = "$((i + 1)),${questions_asked[$i]}" ] || fail "row $((i + 1)): ${rows[$((i + 1))]}"
  off=$((millis - measured[i]))
  [ "${off#-}" -le 300 ] || fail "answer $((i + 1)) took ${millis} ms by the program, ${measured[$i]} ms by the test"
done
[[ "${rows[3]}" == *",×,"* ]] || fail "the wrong answer: ${rows[3]}"
end_program_after_run

"$folder/numora-report" --facts-csv "$work/facts.csv" "$folder/job" 2>"$work/report.log" \
  || fail "numora-report --facts-csv: $(cat "$work/report.log")"
mapfile -t facts < <(sed '1s/^\xEF\xBB\xBF//' "$work/facts.csv" | tr -d '\r')
[ "${facts[0]}" = "题目,作答次数,答对次数,中位用时秒,最近作答,状态" ] || fail "facts header: ${facts[0]}"
row_of() { printf '%s\n' "${facts[@]}" | grep -F -- "$1," | head -n 1; }
[[ "$(row_of "${questions_asked[2]}")" == *",出错" ]] || fail "the wrong one: $(row_of "${questions_asked[2]}")"
slow=$(row_of "${questions_asked[1]}")
[[ "$slow" == "${questions_asked[1]},1,1,"*",$(date +%Y-%m-%d),较慢" ]] || fail "the slow one: $slow"

"$folder/numora-report" --today --yes "$folder" 2>"$work/report.log" || fail "numora-report --today: $(cat "$work/report.log")"
mapfile -t bank < <(iconv -f GBK -t UTF-8 "$folder/data/make.tm" | tr -d '\r')
[ "${bank[0]}" = "${questions_asked[2]}" ] || fail "today's practice does not start with the wrong one: ${bank[*]:0:3}"
[ "${bank[1]}" = "${questions_asked[1]}" ] || fail "the slowest is not next: ${bank[*]:0:3}"
[ "${#bank[@]}" -eq 30 ] || fail "today's practice has ${#bank[@]} questions, not 30"
echo "PASS: the answers' times were written and read (${measured[*]:0:3} ms by the test)"
