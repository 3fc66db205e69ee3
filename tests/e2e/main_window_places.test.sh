#!/usr/bin/env bash
# The main window's place and size across starts: a window moved and resized
# and ended with the session comes back there, a second copy raises the
# first copy's window, and a place off every monitor starts centred.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/main_window_lib.sh"

check "the first start shows its window" start fresh
[ -n "$main_window" ] || finish
read -r tx ty <<<"$(top_most_button)"
xdotool mousemove "$tx" "$ty" click 1
display -size 200x200 "xc:#$known" >/dev/null 2>&1 &
started_pids+=("$!")
image_window=
find_image_window() { image_window=$(xdotool search --onlyvisible --name "^ImageMagick: #$known" | head -1); [ -n "$image_window" ]; }
check "another program shows a colour" wait_for 20 find_image_window

# --- A moved and resized window, ended with the session -------------------------------
xdotool windowmove "$main_window" 100 120 windowsize "$main_window" 500 330
sleep 1
client_geometry
moved="$X $Y $WIDTH $HEIGHT"
check "the window was moved and resized ($moved)" test "$moved" = "100 120 500 330"
wineboot -e >/dev/null 2>&1
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
check "the end of the session ends the program" wait_for 30 program_ended
check "and stores the window's state: top-most" setting_is windowMainTopMost 1
check "the next start shows its window" start
check "it comes back where the session left it" test "$X $Y $WIDTH $HEIGHT" = "$moved"
check "top-most" net_wm_above

# --- Second copy ----------------------------------------------------------------------------
xdotool windowmove "$image_window" $((X + 20)) $((Y + 20)) windowraise "$image_window"
sleep 1
shot
check "another program's window covers it" pixel_is $((X + 100)) $((Y + 100)) "$known"
second=$(run_to_end 60)
check "a second copy ends with -1 (got $second)" test "$second" = 255
main_on_top() { shot; [ "$(pixel $((X + 100)) $((Y + 100)))" != "$known" ]; }
check "and the first copy's window is raised above it" wait_for 10 main_on_top
close_window

# --- A place off every monitor; a stored format survives ----------------------------------
set_setting windowMainLeft 5000
set_setting windowMainTop 3000
set_setting colorFormat 7
check "a start with a place off every monitor shows its window" start
check "centred on the screen" test $((X + WIDTH / 2)) -ge $((screen_width / 2 - 8)) -a \
    $((X + WIDTH / 2)) -le $((screen_width / 2 + 8))
close_window
check "it ends with exit code 0 (got $status)" test "$status" = 0
check "the stored format 7 is untouched" setting_is colorFormat 7
finish
