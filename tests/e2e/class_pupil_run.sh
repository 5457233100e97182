#!/usr/bin/env bash
# One computer of a computer room, run by class_on_share.sh: its own X
# server and user data folder; the pupil trains a counted run of the class
# and the program ends once the record has left this computer.
# Usage: class_pupil_run.sh PATH/TO/numora CLASS_FOLDER PUPIL
source "$(dirname "$0")/xsession.sh"

folder=$(make_program_folder)
export XDG_DATA_HOME=$work/home
start_x
start_program "$folder/numora" --class "$2" --pupil "$3"
start_counted_run_in_range_2
answer_ten_questions
for _ in $(seq 200); do
  [ -z "$(find "$XDG_DATA_HOME/numora/classes" -path '*/job/*.xl' 2>/dev/null)" ] && break
  sleep 0.1
done
[ -z "$(find "$XDG_DATA_HOME/numora/classes" -path '*/job/*.xl')" ] || fail "$3's record did not leave this computer"
end_program_after_run
