#!/usr/bin/env bash
# Writes ten days of a child's runs of sums within 20 and the times table,
# with the time of each answer, for the 熟练度 screenshot: small facts come
# quickly, larger ones slowly, a few keep going wrong.
# Usage: sample-facts.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"
RANDOM=11
for day in $(seq 1 12); do
  lines=(); times=("题号,题目,答案,对错,用时毫秒"); right=0
  for number in $(seq 1 80); do
    case $((RANDOM % 3)) in
      0) a=$((RANDOM % 10)); b=$((RANDOM % 10)); question="$a+$b="; answer=$((a + b)); size=$((a + b)) ;;
      1) a=$((RANDOM % 10 + 5)); b=$((RANDOM % (a < 9 ? a + 1 : 10))); question="$a-$b="; answer=$((a - b)); size=$a ;;
      *) a=$((RANDOM % 5 + 2)); b=$((RANDOM % 8 + 2)); question="$a×$b="; answer=$((a * b)); size=$((a * b / 3)) ;;
    esac
    millis=$((900 + size * 260 - day * 120 + RANDOM % 700))
    (( millis < 600 )) && millis=$((600 + RANDOM % 300))
    if (( RANDOM % 100 < 2 * (size - 8) - day )); then
      typed=$((answer + 1)); mark="×"
    else
      typed=$answer; mark="√"; right=$((right + 1))
    fi
    lines+=("第${number}题    ${question}${typed}    ${mark}")
    times+=("${number},${question},${typed},${mark},${millis}")
  done
  lines+=("训练题数为：80道" "完成时间为：$((400 - day * 10))秒" "正确题数为：${right}道")
  printf '%s\r\n' "${times[@]}" >"$folder/2026-11-${day}-第1次.csv"
  printf '%s\r\n' "${lines[@]}" | iconv -f UTF-8 -t GBK >"$folder/2026-11-${day}-第1次.xl"
done
