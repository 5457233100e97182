#!/usr/bin/env bash
# A pupil of a class whose folder is on a share (SSHFS or SMB) trains: the record
# arrives in the pupil's folder there; with the share gone before the run
# ends the record stays on this computer, and the next start delivers it;
# with the share hung the run ends all the same, and the record arrives
# once the server goes on, the window never waiting over 0.1 s meanwhile;
# three computers training two pupils at once (one pupil on two of them)
# all deliver; a roster line that leads out of the class folder makes
# nothing there.
# Usage: class_on_share.sh sshfs|smb PATH/TO/numora TOOLS_FOLDER PATH/TO/window_ping
kind=$1
shift
here=$(dirname "$0")
source "$here/xsession.sh"
source "$here/share.sh" "$kind"
trap 'stop_share; finish' EXIT

folder=$(make_program_folder)
export XDG_DATA_HOME=$work/home # this computer's own folder for kept records
mkdir -p "$work/share"
start_share "$2" "$work/share"
class=$share_folder/3班
mkdir -p "$class"
printf '王小明\r\n李华\r\n../../x\r\n' | iconv -f UTF-8 -t GBK >"$class/名单.txt"
today=$(date +%Y-%-m-%-d)
start_x

wait_for() { for _ in $(seq 100); do [ -e "$1" ] && return 0; sleep 0.1; done; return 1; }
kept() { find "$XDG_DATA_HOME/numora/classes" -path '*/王小明/job/*.xl' 2>/dev/null; }

# A run delivered to the pupil's folder in the class folder.
start_program "$folder/numora" --class "$class" --pupil 王小明
start_counted_run_in_range_2
answer_ten_questions
wait_for "$class/王小明/job/$today-第1次.xl" || fail "the record did not arrive; kept: $(kept)"
mapfile -t lines < <(iconv -f GBK -t UTF-8 "$class/王小明/job/$today-第1次.xl" | tr -d '\r')
check_answer_lines
[ "${lines[12]}" = "正确题数为：${right}道" ] || fail "summary line 3: ${lines[12]}"
end_program_after_run
[ -z "$(kept)" ] || fail "a delivered record is still kept: $(kept)"

# The share gone before the run ends: the record stays on this computer.
state=0
start_program "$folder/numora" --class "$class" --pupil 王小明
start_counted_run_in_range_2
unmount_share
answer_ten_questions
sleep 1
[ -n "$(kept)" ] || fail "the run's record was not kept on this computer"
[ ! -e "$class" ] || fail "the vanished class folder was made again"
end_program_after_run

# Back again: the next start delivers it as the day's second run.
mount_share
state=0
start_program "$folder/numora" --class "$class" --pupil 王小明
wait_for "$class/王小明/job/$today-第2次.xl" || fail "the kept record was not delivered; kept: $(kept)"
for _ in $(seq 50); do [ -z "$(kept)" ] && break; sleep 0.1; done
[ -z "$(kept)" ] || fail "a delivered record is still kept: $(kept)"
# Each record with its answers' times, the kept one's carried with it.
[ "$(ls "$class/王小明/job" | paste -sd ' ')" = "$today-第1次.csv $today-第1次.xl $today-第2次.csv $today-第2次.xl" ] \
  || fail "the pupil's folder holds $(ls "$class/王小明/job")"
# Both, as the share holds them, for "查    询" on this computer.
for n in 1 2; do
  for _ in $(seq 50); do [ -n "$(find "$XDG_DATA_HOME/numora/classes" -path "*/王小明/records/$today-第${n}次.xl")" ] && break; sleep 0.1; done
  [ -n "$(find "$XDG_DATA_HOME/numora/classes" -path "*/王小明/records/$today-第${n}次.xl")" ] || fail "run $n is not here to read again"
done
kill "$app_pid"; wait "$app_pid" 2>/dev/null; app_pid=""

# A hung share: the run still ends and its box shows, and the record
# arrives once the server goes on, while the program runs.
state=0
start_program "$folder/numora" --class "$class" --pupil 王小明
start_counted_run_in_range_2
hang_share
"$3" "$WINDOW" >"$work/ping" &
pinger=$!
answer_ten_questions
sleep 1
xdotool search --onlyvisible --name '^提示!$' >/dev/null || fail "no closing box while the share hangs"
kill -TERM "$pinger"
wait "$pinger"
read -r _ _ longest _ _ <"$work/ping"
echo "While the share hung: $(cat "$work/ping")"
# The limit is the release build's; a sanitizer build runs several times slower.
limit=100
[ -n "${ASAN_OPTIONS:-}" ] && limit=300
(( longest <= limit )) || fail "the window did not answer for $longest ms while the share hung"
[ -n "$(kept)" ] || fail "the run's record was not kept while the share hangs"
resume_share
wait_for "$class/王小明/job/$today-第3次.xl" || fail "the record did not arrive after the share went on; kept: $(kept)"
for _ in $(seq 50); do [ -z "$(kept)" ] && break; sleep 0.1; done
[ -z "$(kept)" ] || fail "a delivered record is still kept: $(kept)"
end_program_after_run

# Three computers, two pupils, at the same time: every record arrives
# whole, the two of one pupil under two numbers.
pids=()
for pupil in 王小明 李华 王小明; do
  bash "$here/class_pupil_run.sh" "$1" "$class" "$pupil" &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || fail "a computer failed"; done
for record in "王小明/job/$today-第4次.xl" "王小明/job/$today-第5次.xl" "李华/job/$today-第1次.xl"; do
  [ "$(iconv -f GBK -t UTF-8 "$class/$record" | grep -c $'\r$')" -eq 13 ] \
    || fail "$record is not a whole record; the folder holds: $(ls "$(dirname "$class/$record")" | paste -sd ' ')"
done

# The roster line ../../x was refused, and naming it trains nobody.
grep -q '第 3 行' "$work/program.log" || fail "the roster line ../../x was not refused: $(cat "$work/program.log")"
status=0
"$1" --class "$class" --pupil ../../x 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--pupil ../../x ended with $status"
[ ! -e "$share_folder/x" ] && [ -z "$(find "$XDG_DATA_HOME" -name x)" ] || fail "something was made outside the class folder"
echo "PASS: a class pupil's records reach the $kind share, and wait on this computer while it is gone"
