#!/usr/bin/env bash
# "练习错题" killed at every rename and link it makes: whatever the kill left, the next
# run reads the old pair or the new one, never one file of each, and the
# teacher's bank stays kept.
# Usage: bank_pair_kill.sh PATH/TO/numora-report
source "$(dirname "$0")/report_folder.sh"

printf '%s\r\n' "第1题    7×8=54    ×" "第2题    9-3=5    ×" "训练时间为：60秒" "完成题数为：2道" "正确题数为：0道" \
  | iconv -f UTF-8 -t GBK >"$work/job/2026-12-1-第1次.xl"
teacher() {
  rm -rf "$work/data"
  mkdir "$work/data"
  printf '1+1=\r\n2+2=\r\n' >"$work/data/make.tm"
  printf '2\r\n4\r\n' >"$work/data/make.da"
}
practise() { "$report" --practice --yes "$work/job" 2>>"$work/report.log"; }

# What an uninterrupted run writes.
teacher
practise || fail "numora-report: $(cat "$work/report.log")"
want_questions=$(od -An -tx1 <"$work/data/make.tm")
want_answers=$(od -An -tx1 <"$work/data/make.da")
# Each call counted apart: strace counts every call it injects into
# separately.
killed=0
for calls in rename renameat renameat2 link linkat; do
  for k in $(seq 1 30); do
    teacher
    if strace -f -o /dev/null -e trace=$calls -e inject=$calls:signal=SIGKILL:when=$k \
         "$report" --practice --yes "$work/job" 2>/dev/null; then
      break # fewer such steps than k: nothing left to interrupt
    fi
    killed=$((killed + 1))
    practise || fail "after a kill at $calls $k: $(cat "$work/report.log")"
    [ "$(od -An -tx1 <"$work/data/make.tm")" = "$want_questions" ] || fail "questions after a kill at $calls $k"
    [ "$(od -An -tx1 <"$work/data/make.da")" = "$want_answers" ] || fail "answers after a kill at $calls $k"
    [ "$(cat "$work/data/make.tm.bak")" = "$(printf '1+1=\r\n2+2=\r\n')" ] || fail "kept questions after a kill at $calls $k"
    [ "$(cat "$work/data/make.da.bak")" = "$(printf '2\r\n4\r\n')" ] || fail "kept answers after a kill at $calls $k"
  done
done
[ "$killed" -ge 10 ] || fail "only $killed steps were interrupted"
echo "interrupted at each of $killed renames and links: old or new pair every time"
