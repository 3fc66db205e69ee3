#!/usr/bin/env bash
# Message boxes and a modal dialog of the toolkit test program on real
# (Wine) windows: the box shows its icon, its buttons, keys and Alt+F4 end
# it with their results, Control+C copies its three lines, each modal level
# disables the windows below it and gives them back, and with the system's
# "snap to default button" setting on the pointer lands on the default
# button. Keys and log lines: see MessageBoxDemo.h.
. "$(dirname "$0")/lib.sh"

snap_key='HKCU\Control Panel\Mouse'
# The setting belongs to the shared prefix: put it back whatever happens.
trap 'wine reg delete "$snap_key" /v SnapToDefaultButton /f >/dev/null 2>&1; cleanup' EXIT
wine reg add "$snap_key" /v SnapToDefaultButton /t REG_SZ /d 1 /f >/dev/null 2>&1

cp "$TINTSCOPE_BIN/toolkit-demo.exe" "$program_dir/"
log=$work/messagebox.log
: >"$log"
wine "$program_dir/toolkit-demo.exe" messagebox "$(winepath -w "$log")" >/dev/null 2>&1 &
demo_pid=$!
started_pids+=("$demo_pid")

title='Message boxes – Tintscope Toolkit Demo'
box_title='Tintscope Toolkit Demo'
window=
find_window() { window=$(xdotool search --name "^${title}\$" 2>/dev/null | head -1); [ -n "$window" ]; }
box=
find_box() { box=$(xdotool search --name "^${box_title}\$" 2>/dev/null | tail -1); [ -n "$box" ]; }
mark() { seen=$(wc -l <"$log"); }
has_line() { tail -n +$((seen + 1)) "$log" | grep -qxF -- "$1"; }
logged() { wait_for 15 has_line "$1"; }
line_after_mark() { tail -n +$((seen + 1)) "$log" | grep -m1 "^$1" ; }
# Clicks the middle of a logged rectangle ("messagebox button OK", ...).
click_logged() {
    local rect
    rect=$(line_after_mark "$1 at " | sed 's/.* at //; s/,/ /g')
    [ -n "$rect" ] || return 1
    set -- $rect
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}
focus_key() { xdotool windowfocus --sync "$1" 2>/dev/null; xdotool key "$2"; }
open_box() { # KEY
    mark
    focus_key "$window" "$1"
    wait_for 15 has_line_prefix "messagebox below " && wait_for 10 find_box
}
has_line_prefix() { tail -n +$((seen + 1)) "$log" | grep -q "^$1"; }
# The icon is drawn: its square holds many colours, not the flat surface.
icon_has_colours() {
    local rect colours
    rect=$(line_after_mark "messagebox icon at " | sed 's/.* at //')
    [ -n "$rect" ] || return 1
    IFS=, read -r x y w h <<<"$rect"
    import -window root -crop "${w}x${h}+${x}+${y}" "$work/icon.png" 2>/dev/null || return 1
    colours=$(convert "$work/icon.png" -format '%k' info: 2>/dev/null)
    [ "${colours:-0}" -ge 8 ]
}
x_clipboard_lines() { [ "$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')" = "$1" ]; }
snapped_onto_button() {
    local line
    line=$(line_after_mark "messagebox pointer at ") || return 1
    [ "$(echo "$line" | sed 's/messagebox pointer at \(.*\) snap point \(.*\)/\1 \2/' | awk '{print ($1 == $2)}')" = 1 ]
}

check "the program starts and shows its window" wait_for 60 grep -qx ready "$log"
check "the window is found by its exact title" wait_for 20 find_window
[ -n "$window" ] || finish

check "key 1 opens a box over the main window" open_box 1
check "the box is an information box" has_line "messagebox shown kind=1"
check "OK stands left of Cancel" test "$(line_after_mark 'messagebox button ' | sed 's/ at.*//')" = "messagebox button OK"
check "the main window is disabled below it" has_line "messagebox below main=off dialog=none"
check "the icon is drawn" wait_for 10 icon_has_colours
import -window root "${MESSAGEBOX_SCREENSHOT:-$work/messagebox.png}" 2>/dev/null
focus_key "$box" ctrl+c
check "Control+C copies window title, title and text, one per line" wait_for 10 x_clipboard_lines \
    "$box_title"$'\n'"Colour copied"$'\n'"The colour #3366CC is on the clipboard."
click_logged "messagebox check" && click_logged "messagebox button OK"
check "OK with the box checked gives 0x100001" logged "messagebox result 0x100001"
check "the main window is enabled again" logged "messagebox after main=on dialog=none"

open_box 1
click_logged "messagebox button Cancel"
check "Cancel gives 0x8" logged "messagebox result 0x8"

check "key 2 opens a single-button box" open_box 2
check "with the setting on the pointer lands on the default button" wait_for 10 snapped_onto_button
focus_key "$box" Return
check "Enter on a box with a default button clicks it" logged "messagebox result 0x1"
open_box 2
focus_key "$box" Escape
check "Escape rejects it" logged "messagebox result 0x0"
open_box 1
focus_key "$box" alt+F4
check "Alt+F4 ends the box with reject" logged "messagebox result 0x0"

mark
focus_key "$window" 3
check "the dialog disables the main window" logged "dialog below main=off dialog=none"
dialog=$(xdotool search --name "^Dialog – Tintscope Toolkit Demo\$" 2>/dev/null | head -1)
mark
focus_key "$dialog" m
check "a box over the dialog disables both windows below it" logged "messagebox below main=off dialog=off"
wait_for 10 find_box
click_logged "messagebox button OK"
check "its close gives the dialog back, not the main window" logged "messagebox after main=off dialog=on"
mark
focus_key "$dialog" alt+F4
check "Alt+F4 rejects the dialog" logged "dialog result 0x0"
check "and gives the main window back" logged "dialog after main=on dialog=none"

focus_key "$window" alt+F4
status=124
wait_for_exit() { ! kill -0 "$demo_pid" 2>/dev/null; }
if wait_for 20 wait_for_exit; then wait "$demo_pid"; status=$?; fi
check "closing the window ends the program with exit code 0 (got $status)" test "$status" = 0
finish
