#!/usr/bin/env bash
# The teacher's class tables from the command line, over a class folder
# (made under $TMPDIR, which on_share.sh puts on a network share): a pupil
# who trained, one who never did, one whose job folder is no folder, one
# not on the roster; every cell checked against the records written here.
# Usage: class_report.sh PATH/TO/numora-report
set -euo pipefail
report=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

class=$work/3班
today=$(date +%Y-%-m-%-d)
old=$(date -d '-10 days' +%Y-%-m-%-d)
record() { # FOLDER NAME LINE...
  mkdir -p "$1"
  local file=$1/$2
  shift 2
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK >"$file"
}
mkdir -p "$class/张三"
printf '王小明\r\n李华\r\n张三\r\n../x\r\n' | iconv -f UTF-8 -t GBK >"$class/名单.txt"
record "$class/王小明/job" "$old-第1次.xl" "第1题    7×8=54    ×" "第2题    9+7=16    √" \
  "训练题数为：2道" "完成时间为：30秒" "正确题数为：1道"
record "$class/王小明/job" "$today-第1次.xl" "第1题    7×8=56    √" "第2题    6+7=12    ×" "第3题    9-3=6    √" \
  "训练题数为：3道" "完成时间为：60秒" "正确题数为：2道"
: >"$class/张三/job" # a file where the folder should be
record "$class/赵六/job" "$today-第1次.xl" "第1题    6+7=13    √" "第2题    7×8=54    ×" \
  "训练题数为：2道" "完成时间为：20秒" "正确题数为：1道"

status=0
"$report" --class "$class" --class-csv "$work/class.csv" --class-mistakes-csv "$work/mistakes.csv" \
  2>"$work/said" || status=$?
[ "$status" -eq 2 ] || fail "exit code $status for a class with an unreadable pupil; said: $(cat "$work/said")"
grep -q '名单第 4 行“../x”' "$work/said" || fail "the roster line ../x was not refused: $(cat "$work/said")"
grep -q '^numora-report: 张三：' "$work/said" || fail "张三's folder was not said: $(cat "$work/said")"

day=$(date +%Y-%m-%d)
csv() { printf '\xEF\xBB\xBF'; printf '%s\r\n' "$@"; }
expected=$(csv \
  "姓名,训练次数,近7天训练次数,最近训练,最近正确率,近7天正确率,每分钟题数,错题,已掌握" \
  "王小明,2,1,$day,66.7,66.7,3.3,2,0" \
  "李华,0,0,,,,,," \
  "张三,,,,,,,," \
  "赵六,1,1,$day,50.0,50.0,6.0,1,0")
[ "$(cat "$work/class.csv")" = "$expected" ] || fail "class.csv: $(cat -A "$work/class.csv")"
expected=$(csv "题目,答错人数,答错次数,正确答案" "7×8=,2,2,56" "6+7=,1,1,13")
[ "$(cat "$work/mistakes.csv")" = "$expected" ] || fail "mistakes.csv: $(cat -A "$work/mistakes.csv")"
echo "PASS: the class tables, every cell"
