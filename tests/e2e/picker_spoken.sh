#!/usr/bin/env bash
# A class pupil who cannot see the screen picks their name with the
# keyboard while Orca runs: the question, the list and each name are heard,
# and the window opens.
# Usage: picker_spoken.sh PATH/TO/numora
[ -n "${NUMORA_PRIVATE_BUS:-}" ] || NUMORA_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/a11ysession.sh"

folder=$(make_program_folder)
export XDG_DATA_HOME=$work/home
class=$work/3班
mkdir -p "$class"
printf '王小明\n李华\n张三\n' >"$class/名单.txt"
start_x
start_window_manager
switch_accessibility_on
start_orca
NUMORA_SEED=0 "$folder/numora" --class "$class" >"$work/program.log" 2>&1 &
app_pid=$!
wait_for_speech "谁在训练？" 20
# Orca drops a name it has not said yet once a newer one has the keyboard.
wait_for_speech "王小明" 20
press_and_hear Right "李华"
press_and_hear Right "张三"
press_and_hear Return "Numora－单机版 frame"
check_spoken_in_order "谁在训练？" "学生名单" "王小明" "李华" "张三" "Numora－单机版 frame"
echo "PASS: Orca spoke the question and each name chosen, and the window opened"
