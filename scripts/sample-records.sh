#!/usr/bin/env bash
# Writes two weeks of a child's practice as training records, for the
# report's screenshot: getting faster and more accurate, with a few sums
# that keep going wrong.
# Usage: sample-records.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"
questions=("7×8=" "6×7=" "9×6=" "8×4=" "12+19=" "45-18=" "56÷8=" "3×9=" "72÷9=" "25+37=")
answers=(56 42 54 32 31 27 7 27 8 62)
RANDOM=7
for day in $(seq 1 14); do
  runs=1; (( day % 4 == 0 )) && runs=2
  for run in $(seq 1 "$runs"); do
    lines=(); right=0; done_count=$((12 + day + RANDOM % 6))
    for number in $(seq 1 "$done_count"); do
      pick=$((RANDOM % 10)); answer=${answers[$pick]}
      # The hard ones (7×8, 56÷8, 45-18) stay wrong more often.
      miss=$((40 - day * 2)); [[ $pick =~ ^(0|5|6)$ ]] && miss=$((miss + 25))
      if (( RANDOM % 100 < miss )); then
        typed=$((answer + (RANDOM % 2 ? 1 : -2))); mark="×"
      else
        typed=$answer; mark="√"; right=$((right + 1))
      fi
      lines+=("第${number}题    ${questions[$pick]}${typed}    ${mark}")
    done
    lines+=("训练时间为：60秒" "完成题数为：${done_count}道" "正确题数为：${right}道")
    printf '%s\r\n' "${lines[@]}" | iconv -f UTF-8 -t GBK >"$folder/2026-11-${day}-第${run}次.xl"
  done
done
