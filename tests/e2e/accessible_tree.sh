#!/usr/bin/env bash
# What assistive technology finds in both programs' trees: roles, names,
# relations, nothing hidden; the drill window before and after 登    陆,
# the report with one run, and with a class.
# Usage: accessible_tree.sh PATH/TO/numora PATH/TO/numora-report
[ -n "${NUMORA_PRIVATE_BUS:-}" ] || NUMORA_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/a11ysession.sh"

check_tree() { # APPLICATION VIEW
  local problems
  problems=$(/usr/bin/python3 "$a11y_dir/tree.py" "$1" "$2" 2>&1) || fail "$2 (exit $?): $problems"
}

folder=$(make_program_folder)
start_x
start_window_manager
switch_accessibility_on
start_program "$folder/numora"
check_tree "Numora－单机版" welcome
press_keys Down Down Tab Down Down Tab Down Tab Tab space
sleep 0.5
check_tree "Numora－单机版" training
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

mkdir -p "$work/job"
printf '%s\r\n' "第1题    7×8=56    √" "第2题    9+7=15    ×" "训练题数为：2道" "完成时间为：30秒" "正确题数为：1道" |
  iconv -f UTF-8 -t GBK >"$work/job/2026-12-1-第1次.xl"
start_report() { # TITLE ARGUMENTS...: the report, once its window is up
  local title=$1 report=$2
  shift 2
  LC_ALL=C.UTF-8 XDG_CACHE_HOME=$work/cache "$report" "$@" >"$work/report.log" 2>&1 &
  app_pid=$!
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1
}
start_report 成绩册 "$2" "$work/job"
check_tree numora-report report
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true

# A class of one pupil, who trained that run.
mkdir -p "$work/3班/王小明"
mv "$work/job" "$work/3班/王小明/job"
printf '王小明\r\n' >"$work/3班/名单.txt"
start_report 3班 "$2" --class "$work/3班"
check_tree numora-report class
echo "PASS: both programs' trees hold roles, names and relations a screen reader needs"
