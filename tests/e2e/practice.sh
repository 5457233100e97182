#!/usr/bin/env bash
# Mistakes from two records become the custom bank through numora-report's
# "练习错题", and range 1 of the drill window then trains exactly them.
# Usage: practice.sh PATH/TO/numora
source "$(dirname "$0")/xsession.sh"

folder=$(make_program_folder)
cp "$(dirname "$program_build")/numora-report" "$folder/"
record() { printf '%s\r\n' "${@:2}" | iconv -f UTF-8 -t GBK >"$folder/job/$1"; }
record "2026-12-1-第1次.xl" "第1题    7×8=54    ×" "第2题    45-18=27    √" "第3题    9-3=5    ×" \
  "训练时间为：60秒" "完成题数为：3道" "正确题数为：1道"
record "2026-12-2-第1次.xl" "第1题    7×8=48    ×" "第2题    45-18=37    ×" \
  "训练题数为：2道" "完成时间为：20秒" "正确题数为：0道"
old_bank=$(cat "$folder/data/make.tm" | od -An -tx1)

"$folder/numora-report" --practice --yes 2>"$work/report.log" || fail "numora-report: $(cat "$work/report.log")"
[ "$(od -An -tx1 <"$folder/data/make.tm.bak")" = "$old_bank" ] || fail "the old bank was not kept"
[ "$(iconv -f GBK -t UTF-8 "$folder/data/make.tm" | tr -d '\r' | paste -sd '|')" = "7×8=|9-3=|45-18=" ] \
  || fail "practice questions: $(iconv -f GBK -t UTF-8 "$folder/data/make.tm")"
[ "$(od -An -tx1 <"$folder/data/make.da" | tr -d ' \n')" = "35360d0a360d0a32370d0a" ] || fail "practice answers are not 56, 6, 27 in CR LF lines"

start_x
start_program "$folder/numora"
click_client $((449 + 16 + 40)) $((15 + 80 + 10)); press_keys Down          # 1、自制题库
click_client $((449 + 16 + 40)) $((15 + 128 + 10)); press_keys Down Down    # 定量训练
click_client $((449 + 18 + 40)) $((15 + 176 + 10)); press_keys Down         # 10
click_client $((449 + 24 + 37)) $((15 + 231 + 12))                          # 登    陆
click_client $((3 + 304 + 52)) $((4 + 304 + 12))                            # 开始训练

draw 2; draw 3
expected=()
for number in $(seq 1 10); do
  line=$((drawn + 1))
  question=$(bank_line "$folder/data/make.tm" "$line")
  answer=$(bank_line "$folder/data/make.da" "$line")
  type_text "$answer"
  press_keys Return
  expected+=("第${number}题    ${question}${answer}    √")
  draw 2; draw 3
done

read_todays_record
check_answer_lines
[ "${lines[12]}" = "正确题数为：10道" ] || fail "summary: ${lines[12]}"
press_keys Return

# The report reads the new record back: 10 done, 10 right.
"$folder/numora-report" --csv "$work/runs.csv" "$folder/job" 2>/dev/null || fail "numora-report --csv failed"
today=$(date +%Y-%m-%d)
grep -q "^${today},1,[0-9]*,10,10,100.0%," "$work/runs.csv" || fail "the run is not in the report: $(cat "$work/runs.csv")"
echo "PASS: the mistakes were written as the custom bank and trained"
