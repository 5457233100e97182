#!/usr/bin/env bash
# Runs the benchmarks: each prints its figures, its reference's and the
# ratio, and ends in "goal <name>: ratio <r> (limit <l>) met" or "missed".
# Usage: run.sh BUILD_FOLDER
set -euo pipefail
bench=$(realpath "$1")/bench
work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
goal() { # NAME VALUE REFERENCE LIMIT
  awk -v n="$1" -v v="$2" -v r="$3" -v l="$4" 'BEGIN {
    ratio = v / r; printf "goal %s: ratio %.2f (limit %s) %s\n", n, ratio, l, (ratio <= l ? "met" : "missed") }'
}

# Start-up as a user sees it: from launching the program until the welcome
# picture's pixels are on the screen of a private X server (black root,
# the window centred on 1024 x 768), read back by bench_screen; against a
# bare window with one Chinese label until its text is there. Runs of the
# two interleaved. Peak memory is read at the first paint.
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -br -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
unset QT_QPA_PLATFORM
# Three points of the welcome picture (sky, balloon, sun) and two of the label.
welcome=(402,292,8cb1e0 555,267,fff49d 250,250,83c8fc)
label=(1,1,efefef 19,3,0e0e0e)
shown() { # PROBES... -- PROGRAM...: prints milliseconds
  LC_ALL=C.UTF-8 "$bench/bench_screen" "$@" | awk '/^shown/ { print $3 }'
}
painted_kb() { # PROGRAM: peak kB at the first paint
  LC_ALL=C.UTF-8 "$1" 2>/dev/null | awk '/^painted/ { print $5 }'
}
shown "${welcome[@]}" -- "$bench/../numora" >/dev/null # warm the caches
shown "${label[@]}" -- "$bench/bench_reference" --stay >/dev/null
for _ in $(seq 11); do
  shown "${welcome[@]}" -- "$bench/../numora" >>"$work/numora_ms"
  shown "${label[@]}" -- "$bench/bench_reference" --stay >>"$work/reference_ms"
  painted_kb "$bench/bench_startup" >>"$work/numora_kb"
  painted_kb "$bench/bench_reference" >>"$work/reference_kb"
done
for what in numora_ms reference_ms numora_kb reference_kb; do
  eval "$what=$(median <"$work/$what")"
done
echo "start-up: numora's picture on screen after ${numora_ms} ms, ${numora_kb} kB peak; bare window's label ${reference_ms} ms, ${reference_kb} kB (median of 11)"
goal startup-time "$numora_ms" "$reference_ms" 1.3
goal startup-memory "$numora_kb" "$reference_kb" 1.3

# The window's work on big files, in the same X session.
bank="$bench/bench_window"
"$bank" generate "$work/bank" 1000000
"$bank" generate "$work/big" 2000000
"$bank" record "$work/big/job.xl" 100
files=$(cat "$work/bank/data/201.tm" "$work/bank/data/201.da" | wc -c)
marks() { # MODE PATH FIRST LAST: prints "milliseconds grown-kB" between two marks
  LC_ALL=C.UTF-8 "$bank" "$1" "$2" 2>/dev/null | awk -v a="$3" -v b="$4" '
    $1 == a { t = $3; m = $5 } $1 == b { printf "%.1f %d\n", ($3 - t) / 1e6, $5 - m }'
}
for _ in $(seq 3); do
  marks login "$work/bank" before loaded >>"$work/login"
  marks reference "$work/bank" before loaded >>"$work/read"
done
login_ms=$(cut -d' ' -f1 "$work/login" | median)
read_ms=$(cut -d' ' -f1 "$work/read" | median)
login_kb=$(cut -d' ' -f2 "$work/login" | median)
echo "bank of 1,000,000 lines ($files bytes): 登陆 ${login_ms} ms, +${login_kb} kB; reading alone ${read_ms} ms (median of 3)"
goal bank-time "$login_ms" "$read_ms" 1.2
goal bank-memory "$((login_kb * 1024))" "$files" 4

LC_ALL=C.UTF-8 "$bank" answers "$work/bank" 10000 2>/dev/null
LC_ALL=C.UTF-8 "$bank" editor "$work/big" 2>/dev/null
LC_ALL=C.UTF-8 "$bank" huge "$work/huge" 2>/dev/null

record=$(wc -c <"$work/big/job.xl")
read -r view_ms view_kb < <(marks viewer "$work/big/job.xl" before shown)
echo "viewer on a $record-byte record: first lines shown after ${view_ms} ms, +${view_kb} kB"
goal viewer-time "$view_ms" 1000 1
goal viewer-memory "$((view_kb * 1024))" "$record" 3

# The report reading 10,000 records of 100 lines each.
"$bench/bench_report" "$work/records"

# A 100-question 口算题卡 of range 4 written as PDF: process start to exit.
for _ in $(seq 5); do
  start=$(date +%s%N)
  QT_QPA_PLATFORM=offscreen "$bench/../numora-report" --worksheet 4 --seed K7M2QX --pdf "$work/sheet.pdf" 2>/dev/null
  echo $(( ($(date +%s%N) - start) / 1000000 ))
done >"$work/sheet"
sheet_ms=$(median <"$work/sheet")
echo "口算题卡 of 100 questions to PDF: ${sheet_ms} ms (median of 5)"
goal worksheet-pdf "$sheet_ms" 500 1

# A class of 9000 records on SSHFS: the first reading against a sequential
# cat of the same files, and the reading again after one more run.
bash "$(dirname "$0")/class_share.sh" "$1" || echo "class readings not measured (serving a share needs root)"
