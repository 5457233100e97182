#!/usr/bin/env bash
# A teacher replaces the custom bank in the editor, with the "×" and "÷"
# buttons, and saves it; a child then trains it in range 1, and the record
# holds the edited questions.
# Usage: edit_and_train.sh PATH/TO/numora
source "$(dirname "$0")/xsession.sh"

folder=$(make_program_folder)
start_x
start_program "$folder/numora"
starters=$(iconv -f GBK -t UTF-8 "$folder/data/make.tm" | wc -l)

# Editor panel at (8, 14) in the client panel.
editor() { click_client $((8 + $1)) $((14 + $2)); }
click_client $((449 + 112 + 37)) $((15 + 263 + 12))   # 自制题库
editor $((56 + 20)) $((48 + 6))                       # the first question row
for _ in $(seq "$starters"); do editor $((160 + 22)) $((301 + 12)); done   # 删除, row by row

editor $((56 + 170)) $((270 + 11)); press_keys ctrl+a; type_text "6"
editor $((322 + 12)) $((301 + 12))                    # ×
editor $((56 + 170)) $((270 + 11)); type_text "7="
editor $((288 + 80)) $((270 + 11)); press_keys ctrl+a; type_text "42"
editor $((58 + 22)) $((301 + 12))                     # 添加
editor $((56 + 170)) $((270 + 11)); press_keys ctrl+a; type_text "56"
editor $((354 + 12)) $((301 + 12))                    # ÷
editor $((56 + 170)) $((270 + 11)); type_text "8="
editor $((288 + 80)) $((270 + 11)); press_keys ctrl+a; type_text "7"
editor $((58 + 22)) $((301 + 12))                     # 添加
editor $((213 + 22)) $((301 + 12))                    # 完成
sleep 0.5
press_keys Return                                     # Yes
sleep 0.3

saved_questions=$(iconv -f GBK -t UTF-8 "$folder/data/make.tm" | tr -d '\r' | paste -sd '|')
saved_answers=$(tr -d '\r' < "$folder/data/make.da" | paste -sd '|')
[ "$saved_questions" = "6×7=|56÷8=" ] || fail "saved questions: $saved_questions"
[ "$saved_answers" = "42|7" ] || fail "saved answers: $saved_answers"
[ "$(head -c 3 "$folder/data/make.tm" | od -An -tx1 | tr -d ' \n')" = "36a1c1" ] || fail "× is not the GBK sign"

# Range 1, counted, a custom amount of 3.
click_client $((449 + 16 + 40)) $((15 + 80 + 10)); press_keys Down
click_client $((449 + 16 + 40)) $((15 + 128 + 10)); press_keys Down Down
click_client $((449 + 150 + 20)) $((15 + 176 + 10))   # 自定义
sleep 0.5
press_keys ctrl+a; type_text "3"; press_keys Return
click_client $((449 + 24 + 37)) $((15 + 231 + 12))   # 登    陆
click_client $((3 + 304 + 52)) $((4 + 304 + 12))     # 开始训练

questions=("6×7=" "56÷8=")
answers=(42 7)
draw 2; draw 2
expected=()
for number in 1 2 3; do
  type_text "${answers[$drawn]}"
  press_keys Return
  expected+=("第${number}题    ${questions[$drawn]}${answers[$drawn]}    √")
  draw 2; draw 2
done

read_todays_record
[ "${#lines[@]}" -eq 6 ] || fail "the record has ${#lines[@]} lines: ${lines[*]}"
check_answer_lines
[ "${lines[3]}" = "训练题数为：3道" ] || fail "summary: ${lines[3]}"
[ "${lines[5]}" = "正确题数为：3道" ] || fail "summary: ${lines[5]}"
echo "PASS: the edited bank was saved and trained"
