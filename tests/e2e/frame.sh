#!/usr/bin/env bash
# The painted look under a real X server: the welcome picture shows, the
# title lights up under the pointer, a push button shows its pointer-over and
# pressed looks, the caption drags the window, and the close button ends the
# program without a record.
# Usage: frame.sh PATH/TO/numora SKIN_FOLDER
source "$(dirname "$0")/xsession.sh"
skins=$(realpath "$2")

folder=$(make_program_folder)
start_x
start_program "$folder/numora"

# The colour of one screen pixel, and of one pixel of a skin image.
screen_pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }
skin_pixel() { convert "$skins/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }

# The welcome picture fills its frame: sky blue near the top, grass below.
sky=$(screen_pixel $((wx + 3 + 2 + 60)) $((wy + 29 + 5 + 30)))
[ "$sky" != "$(screen_pixel $((wx + 3 + 2 + 60)) $((wy + 29 + 5 + 330)))" ] || fail "no welcome picture"

# The title "登陆窗口" at (48, 16) turns blue under the pointer.
title_pixels() { import -window root -crop "110x30+$((wx + 3 + 449 + 48))+$((wy + 29 + 15 + 16))" -depth 8 txt:- | grep -c "$1" || true; }
[ "$(title_pixels '#0000FF')" -eq 0 ] || fail "the title is blue before the pointer came"
xdotool mousemove $((wx + 3 + 449 + 48 + 50)) $((wy + 29 + 15 + 16 + 14))
sleep 0.4
[ "$(title_pixels '#0000FF')" -gt 0 ] || fail "the title does not light up under the pointer"

# "软件信息" at (24, 263) on the selection panel; its column 2, row 5 comes
# straight from the skin frame of the look shown.
bx=$((wx + 3 + 449 + 24))
by=$((wy + 29 + 15 + 263))
shows_look() { # LOOK NAME
  local seen expected
  seen=$(screen_pixel $((bx + 2)) $((by + 5)))
  expected=$(skin_pixel XPBUTTON $((($1 - 1) * 18 + 2)) 5)
  [ -n "$expected" ] && [ "$seen" = "$expected" ] || fail "no $2 look: $seen instead of $expected"
}
shows_look 1 normal
xdotool mousemove $((bx + 37)) $((by + 12))
sleep 0.4
shows_look 4 pointer-over
xdotool mousedown 1
sleep 0.4
shows_look 2 pressed
xdotool mouseup 1
sleep 0.4

# Dragging the caption moves the window.
xdotool mousemove $((wx + 200)) $((wy + 12)) mousedown 1
sleep 0.2
xdotool mousemove $((wx + 230)) $((wy + 30))
sleep 0.2
xdotool mousemove $((wx + 260)) $((wy + 52)) mouseup 1
sleep 0.4
window=$(xdotool search --onlyvisible --name 'Numora' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X" -eq $((wx + 60)) ] && [ "$Y" -eq $((wy + 40)) ] || fail "dragged to $X,$Y from $wx,$wy"
wx=$X
wy=$Y

# The close button: 651..666 across, 7..23 down.
xdotool mousemove $((wx + 658)) $((wy + 15)) click 1
for _ in $(seq 30); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the close button did not end the program"
app_pid=""
[ -z "$(ls -A "$folder/job")" ] || fail "closing wrote a record"
echo "frame works"
