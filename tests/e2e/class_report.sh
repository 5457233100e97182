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
export XDG_CACHE_HOME=$work/cache # the class reading's cache, not the user's
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
record "$class/赵六/job" "$today-第1次.xl" "第1题    6+7=13    √" "第2题    7×8=54    ×" "第3题    8+5=12    ×" \
  "训练题数为：3道" "完成时间为：20秒" "正确题数为：1道"

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
  "赵六,1,1,$day,33.3,33.3,9.0,2,0")
[ "$(cat "$work/class.csv")" = "$expected" ] || fail "class.csv: $(cat -A "$work/class.csv")"
expected=$(csv "题目,答错人数,答错次数,正确答案" "7×8=,2,2,56" "6+7=,1,1,13" "8+5=,1,1,13")
[ "$(cat "$work/mistakes.csv")" = "$expected" ] || fail "mistakes.csv: $(cat -A "$work/mistakes.csv")"

# Read again from the cache, a record changed (same size, a second later)
# and one removed are never missed.
find "$class" -name '*.xl' -exec touch -d '2026-01-01 10:00:00' {} +
"$report" --class "$class" --class-csv "$work/class.csv" 2>/dev/null || true
cp -p "$class/王小明/job/$today-第1次.xl" "$work/kept.xl"
record "$class/王小明/job" "$today-第1次.xl" "第1题    7×8=56    √" "第2题    6+7=13    √" "第3题    9-3=6    √" \
  "训练题数为：3道" "完成时间为：60秒" "正确题数为：3道"
touch -d '2026-01-01 10:00:01' "$class/王小明/job/$today-第1次.xl"
mv "$class/赵六/job/$today-第1次.xl" "$work/"
"$report" --class "$class" --class-csv "$work/class.csv" 2>/dev/null || true
grep -q "^王小明,2,1,$day,100.0," "$work/class.csv" && grep -q '^赵六,0,0,' "$work/class.csv" \
  || fail "the cache hid a change: $(cat "$work/class.csv")"
mv "$work/$today-第1次.xl" "$class/赵六/job/"
mv "$work/kept.xl" "$class/王小明/job/$today-第1次.xl"

# A sheet a pupil who could be read, each with its key: the pupil's own
# mistakes first, padded from the class's.
status=0
"$report" --class "$class" --worksheet class --count 3 --columns 1 --pdf "$work/class.pdf" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "exit code $status for the class's sheets"
sheet_page() { printf '|'; pdftotext -f "$1" -l "$1" "$work/class.pdf" - | tr -d ' \f' | grep -v '^$' | sort | tr '\n' '|'; }
[ "$(pdfinfo "$work/class.pdf" | awk '/^Pages:/ { print $2 }')" -eq 6 ] || fail "not a sheet and a key for each of three pupils"
page=1
for pupil in 王小明 李华 赵六; do
  sheet=$(sheet_page "$page")
  key=$(sheet_page $((page + 1)))
  [[ "$sheet" == *"姓名：$pupil"* ]] || fail "sheet $page is not $pupil's: $sheet"
  [[ "$key" == *"答案（$pupil）"* ]] || fail "key $((page + 1)) is not $pupil's: $key"
  for cell in 7×8=56 6+7=13 8+5=13; do
    [[ "$sheet" == *"|${cell%=*}=|"* ]] || fail "$pupil's sheet lacks ${cell%=*}=: $sheet"
    [[ "$key" == *"|$cell|"* ]] || fail "$pupil's key lacks $cell: $key"
  done
  page=$((page + 2))
done

# Each pupil's own open mistakes as the pupil's range 1; one with none keeps none.
status=0
"$report" --class "$class" --practice --yes 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "exit code $status for the class's practice"
bank() { iconv -f GBK -t UTF-8 "$class/$1/data/$2" | tr -d '\r' | tr '\n' ' '; }
[ "$(bank 王小明 make.tm)" = "6+7= 7×8= " ] && [ "$(bank 王小明 make.da)" = "13 56 " ] \
  || fail "王小明's practice bank: $(bank 王小明 make.tm)/$(bank 王小明 make.da)"
[ "$(bank 赵六 make.tm)" = "7×8= 8+5= " ] && [ "$(bank 赵六 make.da)" = "56 13 " ] \
  || fail "赵六's practice bank: $(bank 赵六 make.tm)/$(bank 赵六 make.da)"
[ ! -e "$class/李华" ] || fail "a folder was made for 李华, who never trained"
# Setting up a class: a roster with a bad line makes nothing; a good one
# makes the pupils' folders and the roster, and is never made twice.
printf '甲\n乙/丙\n' >"$work/bad.txt"
printf '甲\n乙\n' >"$work/good.txt"
status=0
"$report" --class-init "$work/4班" --roster "$work/bad.txt" 2>"$work/said" || status=$?
[ "$status" -eq 1 ] && grep -q '名单第 2 行“乙/丙”' "$work/said" || fail "a bad roster: $status, $(cat "$work/said")"
[ ! -e "$work/4班" ] || fail "a bad roster made $(find "$work/4班")"
"$report" --class-init "$work/4班" --roster "$work/good.txt" >"$work/conf" 2>/dev/null || fail "a good roster was not set up"
[ "$(cat "$work/conf")" = "ClassFolder=$work/4班" ] || fail "the setting said: $(cat "$work/conf")"
[ -d "$work/4班/甲/job" ] && [ -d "$work/4班/乙/job" ] && [ "$(tr -d '\r' <"$work/4班/名单.txt")" = $'甲\n乙' ] \
  || fail "the class made: $(find "$work/4班")"
status=0
"$report" --class-init "$work/4班" --roster "$work/bad.txt" 2>/dev/null || status=$?
"$report" --class-init "$work/4班" --roster "$work/good.txt" 2>/dev/null || status=$((status * 10 + $?))
[ "$status" -eq 13 ] && [ "$(tr -d '\r' <"$work/4班/名单.txt")" = $'甲\n乙' ] || fail "a class was set up twice: $status"
echo "PASS: the class tables, every cell; a sheet and key a pupil; each pupil's practice bank; a class set up once"
