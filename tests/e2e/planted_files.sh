#!/usr/bin/env bash
# Things others planted in the folders numora-report writes: a link at any
# name the programs give their own files is never written through, a folder
# in the bank's way is moved aside and the save goes on, an export never
# replaces a FIFO, and one folder named three ways is read once.
# Usage: planted_files.sh PATH/TO/numora-report
source "$(dirname "$0")/report_folder.sh"

printf '%s\r\n' "第1题    7×8=54    ×" "训练时间为：60秒" "完成题数为：1道" "正确题数为：0道" \
  | iconv -f UTF-8 -t GBK >"$work/job/2026-12-1-第1次.xl"
teacher() {
  rm -rf "$work/data"
  mkdir "$work/data"
  printf '1+1=\r\n' >"$work/data/make.tm"
  printf '2\r\n' >"$work/data/make.da"
}
practise() { "$report" --practice --yes "$work/job" >"$work/out.log" 2>&1; }
lines_of() { if [ -f "$1" ]; then iconv -f GBK -t UTF-8 <"$1" | tr -d '\r'; fi; }

outside=$work/outside.txt
for name in make.practice make.tm.commit make.tm.new make.da.new make.tm make.da \
            make.tm.bak make.da.bak make.tm.bak.commit make.tm.bak.new; do
  for target in outside dangling; do
    teacher
    echo "the teacher's own file" >"$outside"
    rm -f "$work/nowhere" "$work/data/$name"
    if [ "$target" = outside ]; then ln -s "$outside" "$work/data/$name"; else ln -s "$work/nowhere" "$work/data/$name"; fi
    practise || true
    [ "$(cat "$outside")" = "the teacher's own file" ] || fail "$name linked outside: written through"
    [ ! -e "$work/nowhere" ] || fail "$name dangling: made the file it points to"
    # The bank is the old pair or the new one, never one of each.
    pair="$(lines_of "$work/data/make.tm")|$(lines_of "$work/data/make.da")"
    case "$name:$pair" in
      make.tm:*|make.da:*) grep -q '符号链接' "$work/out.log" || fail "$name: no word of the link: $(cat "$work/out.log")" ;;
      *:"1+1=|2"|*:"7×8=|56") ;;
      *) fail "$name $target: the bank is '$pair'" ;;
    esac
  done
done

# A folder where the journal or a new file goes is moved aside; the save
# then succeeds and says so.
for name in make.tm.commit make.tm.new; do
  teacher
  mkdir "$work/data/$name"
  practise || fail "$name a folder: $(cat "$work/out.log")"
  [ "$(lines_of "$work/data/make.tm")" = "7×8=" ] || fail "$name a folder: the practice bank is not in place"
  ls -d "$work/data/$name".*.aside >/dev/null || fail "$name a folder: not moved aside"
  grep -q '已把它移到' "$work/out.log" || fail "$name a folder: not told: $(cat "$work/out.log")"
  practise || fail "$name a folder: the next save failed"
done

# An export never replaces a FIFO (nor, alike, a device); a share may hold
# no FIFO at all.
if mkfifo "$work/fifo" 2>/dev/null; then
  set +e
  "$report" --csv "$work/fifo" "$work/job" 2>"$work/out.log"
  code=$?
  set -e
  [ "$code" -eq 3 ] || fail "--csv to a FIFO exited $code"
  [ -p "$work/fifo" ] || fail "--csv replaced the FIFO"
  grep -q '这不是普通文件' "$work/out.log" || fail "--csv to a FIFO: no reason given: $(cat "$work/out.log")"
fi

# One folder named three ways, and through a link, is read once.
ln -s job "$work/linked"
(cd "$work" && "$report" --csv "$work/runs.csv" job ./job/ "$work/job" linked 2>"$work/out.log") \
  || fail "--csv: $(cat "$work/out.log")"
[ "$(wc -l <"$work/runs.csv")" -eq 2 ] || fail "one run counted $(($(wc -l <"$work/runs.csv") - 1)) times"

echo "PASS: planted links, folders and FIFOs"
