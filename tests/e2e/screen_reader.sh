#!/usr/bin/env bash
# A child who cannot see the screen trains a counted run with the keyboard
# alone while the Orca screen reader runs; what Orca said is then checked:
# the boxes with their captions and choices, the start, every question
# asked, the end of the run and the closing box's button.
# Usage: screen_reader.sh PATH/TO/numora
[ -n "${NUMORA_PRIVATE_BUS:-}" ] || NUMORA_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/a11ysession.sh"

folder=$(make_program_folder)
start_x
start_window_manager
switch_accessibility_on
start_orca
start_program "$folder/numora"
wait_for_speech "Numora－单机版 frame" 20

# Range 2, counted, 10 questions; 登    陆, then 开始训练, which has the keyboard.
press_and_hear Down "1、自制题库"
press_and_hear Down "2、20以内一步加减法"
press_and_hear Tab "训练方式:"
press_and_hear Down "定时训练（单位：秒）"
press_and_hear Down "定量训练（单位：道）"
press_and_hear Tab "训练控制:"
press_and_hear Down "10"
press_and_hear Tab "自定义 push button"
press_and_hear Tab "登    陆 push button"
press_and_hear space "开始训练 push button"
press_and_hear space "notification"
for number in $(seq 10); do
  type_text 1
  press_and_hear Return "$([ "$number" -lt 10 ] && echo notification || echo 训练结束)"
done
wait_for_speech "是(Y) push button" 10
read_todays_record
questions=()
for line in "${lines[@]:0:10}"; do
  question=${line#*    }
  questions+=("notification ${question%%=*}=")
done
check_spoken_in_order "训练范围:" "2、20以内一步加减法" "训练方式:" "定量训练（单位：道）" "训练控制:" "10" \
  "开始训练" "${questions[@]}" "训练结束" "是(Y) push button"
press_keys Return
echo "PASS: Orca spoke the choices, every question and the end of a keyboard-only run"
