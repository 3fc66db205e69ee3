#!/usr/bin/env bash
# The toolkit test program on a real (Wine) window, driven with xdotool:
# the window is found by its title, its children are composed in order on
# the screen, and clicks, double clicks, drags, right clicks, held keys, the
# wheel, resizing and Alt+F4 reach the widgets as the toolkit's events.
#
# Layout of the window (client coordinates; Wine's X window is the client
# area): background #336699, child A #CC0000 at (20,20) 160x120, child B
# #00AA00 at (120,60) 160x120, added after A and so drawn over it.
. "$(dirname "$0")/lib.sh"

cp "$TINTSCOPE_BIN/toolkit-demo.exe" "$program_dir/"
log=$work/events.log
: >"$log"
wine "$program_dir/toolkit-demo.exe" "$(winepath -w "$log")" >/dev/null 2>&1 &
demo_pid=$!
started_pids+=("$demo_pid")

title='Gallery – Tintscope Toolkit Demo'
window=
find_window() { window=$(xdotool search --name "^${title}\$" 2>/dev/null | head -1); [ -n "$window" ]; }
# The colour of one pixel of the window, as #RRGGBB.
pixel() { import -window "$window" -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -1; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
# Lines logged from now on are checked by `logged`, which waits for them.
mark() { seen=$(wc -l <"$log"); }
new_lines() { tail -n +$((seen + 1)) "$log"; }
has_line() { new_lines | grep -qxF -- "$1"; }
logged() { wait_for 10 has_line "$1"; }
not_logged() { ! new_lines | grep -q -- "$1"; }
at() { xdotool mousemove --window "$window" "$1" "$2"; }

check "the program starts and shows its window" wait_for 60 grep -qx ready "$log"
check "the window is found by its exact title" wait_for 20 find_window
[ -n "$window" ] || finish

check "the background shows where no child is" wait_for 10 pixel_is 390 10 '#336699'
check "child A shows where only A is" pixel_is 30 30 '#CC0000'
check "child B, added later, is drawn over A" pixel_is 150 80 '#00AA00'
check "child B shows where only B is" pixel_is 270 170 '#00AA00'

mark
at 40 40 && xdotool click 1
check "a click gives press, release and click" logged "A Click buttons=0 button=1 x=20 y=20 modifiers=0"
check "the press came first" has_line "A MousePress buttons=1 button=1 x=20 y=20 modifiers=0"

mark
at 60 40 && xdotool click --repeat 2 --delay 80 1
check "a double click is made by the toolkit" logged "A MouseDoubleClick buttons=1 button=1 x=40 y=20 modifiers=0"

mark
at 40 100 && xdotool mousedown 1 && at 150 130 && at 260 170 && xdotool mouseup 1
check "a drag from A to B releases on A, outside it" logged "A MouseRelease buttons=0 button=1 x=240 y=150 modifiers=0"
check "the drag moved over the grabber A" has_line "A MouseMove buttons=1 button=0 x=240 y=150 modifiers=0"
check "a drag out of A is no click" not_logged "Click"

mark
at 270 170 && xdotool click 3
check "a right click releases the right button on B" logged "B MouseRelease buttons=0 button=2 x=150 y=110 modifiers=0"
check "and asks for B's context menu" logged "B ContextMenu x=150 y=110"

mark
xdotool click 5
check "the wheel reaches B under the pointer" logged "B Wheel x=150 y=110 delta=-120 direction=3"

mark
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool keydown a && sleep 0.8 && xdotool keyup a
check "a held key is pressed" logged "window KeyPress key=65 text=a repeat=0 modifiers=0"
check "auto-repeat gives release and press pairs" logged "window KeyPress key=65 text=a repeat=1 modifiers=0"
check "releasing the key ends it" logged "window KeyRelease key=65 text=a repeat=0 modifiers=0"

mark
xdotool windowsize "$window" 500 300
check "resizing the window resizes the widget" logged "window Resize width=500 height=300"
check "the exposed area is painted in the background colour" wait_for 10 pixel_is 480 280 '#336699'
check "the children stay where they were" pixel_is 30 30 '#CC0000'

mark
xdotool key alt+F4
check "Alt+F4 is a close request, refused once" logged "refused the first close"
check "Alt+F4 is no key event" not_logged "KeyPress key=115"
check "the refused window stays" kill -0 "$demo_pid"
xdotool key alt+F4
status=124
wait_for_exit() { ! kill -0 "$demo_pid" 2>/dev/null; }
if wait_for 20 wait_for_exit; then wait "$demo_pid"; status=$?; fi
check "the second Alt+F4 closes the window with exit code 0 (got $status)" test "$status" = 0
finish
