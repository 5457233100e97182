#!/usr/bin/env bash
# Photographs every view of the drill window and the report under a private
# X server, driving a copy of the program folder as a person would.
# Usage: screenshots.sh BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
work=$(mktemp -d)
display=:$((80 + RANDOM % 9))
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
app=""

folder=$work/numora
mkdir -p "$folder/job" "$out"
cp "$build/numora" "$build/numora-report" "$build/libnumora_sound.so" "$folder/"
cp -r "$build/data" "$build/sound" "$folder/"
bash "$(dirname "$0")/sample-records.sh" "$folder/job"
cp "$folder/job/2026-11-14-第1次.xl" "$folder/job/sample.xl"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
export DISPLAY=$display LC_ALL=C.UTF-8
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Waits up to 30 s for a window titled TITLE and leaves it in $window;
# import without a window would wait for a click for ever.
wait_for_window() {
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$window" ] && return
    sleep 0.1
  done
  echo "no window titled $1 appeared" >&2
  exit 1
}

NUMORA_SEED=0 LC_ALL=C.UTF-8 "$folder/numora" &
app=$!
wait_for_window Numora
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 1
shot() { sleep 0.6; import -window "$window" "$out/$1.png"; echo "wrote $out/$1.png"; }
click() { xdotool mousemove $((X + 3 + $1)) $((Y + 29 + $2)) click 1; sleep 0.4; }  # in the client panel
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
panel() { click $((449 + $1)) $((15 + $2)); }                                      # in the selection panel

shot start
panel $((112 + 37)) $((231 + 12))            # 查    询
sleep 1
xdotool type --delay 40 "$folder/job/sample.xl"; keys Return
shot query
panel $((112 + 37)) $((231 + 12))            # 关      闭
panel $((112 + 37)) $((263 + 12))            # 自制题库
click $((8 + 56 + 20)) $((14 + 48 + 6))      # a question row
shot editor
click $((8 + 266 + 22)) $((14 + 301 + 12))   # 取消
panel $((24 + 37)) $((263 + 12))             # 软件信息
shot about

panel $((16 + 40)) $((80 + 10)); keys Down Down               # 2、20以内一步加减法
panel $((16 + 40)) $((128 + 10)); keys Down Down              # 定量训练
panel $((150 + 20)) $((176 + 10)); sleep 0.5; keys ctrl+a; xdotool type "5"; keys Return   # 自定义: 5
panel $((24 + 37)) $((231 + 12))                              # 登    陆
shot training
click $((304 + 52)) $((304 + 12))                             # 开始训练

# The program's draw generator, so that most answers are right.
state=0
draw() { state=$(( (state * 134775813 + 1) & 0xFFFFFFFF )); drawn=$(( (state * $1) >> 32 )); }
bank_line() { iconv -f GBK -t UTF-8 "$1" | sed -n "$2p" | tr -d '\r'; }
questions=$(iconv -f GBK -t UTF-8 "$folder/data/201.tm" | wc -l)
draw 2; draw "$questions"
for number in 1 2 3 4 5; do
  answer=$(bank_line "$folder/data/201.da" $((drawn + 1)))
  (( number == 3 )) && answer=$((answer + 1))
  xdotool type --delay 60 "$answer"; keys Return
  draw 2; draw "$questions"
  (( number == 2 )) && xdotool type --delay 60 "1" && shot running && keys BackSpace
done
sleep 1.5
keys Return                                                   # the closing message
shot finished
kill "$app"
app=""

# The report with ARGUMENTS, once its window titled TITLE is up; its cache
# of class readings goes with the work folder.
start_report() { # TITLE ARGUMENTS...
  local title=$1
  shift
  NUMORA_SEED=0 XDG_CACHE_HOME=$work/cache "$folder/numora-report" "$@" &
  app=$!
  wait_for_window "$title"
  sleep 1.5
}

start_report 成绩册 "$folder/job"
shot report
xdotool mousemove --window "$window" 215 32 click 1        # the 口算题卡 tab
sleep 1
shot worksheet-tab
kill "$app"
app=""

# A child's facts with the time of each answer, in the 熟练度 tab.
bash "$(dirname "$0")/sample-facts.sh" "$work/facts/job"
start_report 成绩册 "$work/facts/job"
xdotool mousemove --window "$window" 150 32 click 1        # the 熟练度 tab
sleep 1
shot fluency-tab
kill "$app"
app=""

# A class: three pupils who trained (one not this week) and one who never
# did; the newest runs are dated today so that the week's columns are full.
class=$work/3班
mkdir -p "$class"/{王小明,李华,张伟,刘洋}/job
printf '王小明\r\n李华\r\n张伟\r\n刘洋\r\n' | iconv -f UTF-8 -t GBK >"$class/名单.txt"
today=$(date +%Y-%-m-%-d)
cp "$folder"/job/2026-11-*.xl "$class/王小明/job/"
cp "$folder/job/2026-11-14-第1次.xl" "$class/王小明/job/$today-第1次.xl"
cp "$folder"/job/2026-11-1[0-2]-*.xl "$class/李华/job/"
cp "$folder/job/2026-11-3-第1次.xl" "$class/刘洋/job/$today-第1次.xl"
cp "$folder/job/2026-11-12-第2次.xl" "$class/刘洋/job/$today-第2次.xl"
start_report 3班 --class "$class"
shot class-tab
kill "$app"
app=""

# A printed sheet: the first page of range 4's 100 questions as the PDF shows it.
QT_QPA_PLATFORM=offscreen "$folder/numora-report" --worksheet 4 --seed K7M2QX --pdf "$work/sheet.pdf" 2>/dev/null
pdftoppm -r 72 -png -singlefile "$work/sheet.pdf" "$out/worksheet"
echo "wrote $out/worksheet.png"
