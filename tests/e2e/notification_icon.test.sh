#!/usr/bin/env bash
# The notification-area icon of the running program, in Wine's own system
# tray window (top left of the screen): clicks on the icon toggle the main
# window, its menu hides, shows and exits, closing hides into the tray, and
# the stored show/hide hot key works while the program has the keyboard.
. "$(dirname "$0")/lib.sh"

# Wine's tray window holds the program's only icon at its left end.
icon_x=13
icon_y=32
config_dir="$(appdata_dir)/Morvellan Tintscope"
config=$config_dir/config.dat

main_window() { xdotool search --name '^Morvellan Tintscope$' 2>/dev/null | head -1; }
# (xwininfo without a window would wait for one to be picked with the mouse.)
main_shown() {
    local id
    id=$(main_window)
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'
}
main_hidden() { [ -n "$(main_window)" ] && ! main_shown; }
click_icon() { # BUTTON
    xdotool mousemove "$icon_x" "$icon_y" sleep 0.3 click "$1"
}
# Clicks a menu item at a vertical offset from the menu's top-left corner,
# which the menu puts at the pointer: 14 is the first item, 61 "Exit"
# (below "Visit Home Page..." and the separator).
click_menu_item() { # DY
    sleep 0.5
    xdotool mousemove "$((icon_x + 30))" "$((icon_y + $1))" sleep 0.3 click 1
}
first_item=14
exit_item=61
focus_main() { xdotool windowfocus "$(main_window)" 2>/dev/null; sleep 0.5; }

# Starts the program on the default settings with one hot key (0 for none).
start_with_hotkey() { # VALUE
    write_settings "$config" hotkeyShowAndHide="$1"
    start_program
    wait_for 60 main_shown
}

# --- Clicks and the menu
check "the program starts and shows its window" start_program_and_wait_until_running
check "the main window is shown" wait_for 30 main_shown
click_icon 1
check "a left click on the icon hides the main window" wait_for 10 main_hidden
click_icon 1
check "a second left click shows it again" wait_for 10 main_shown
click_icon 3
click_menu_item "$first_item"
check "the menu's \"Hide\" hides the window" wait_for 10 main_hidden
click_icon 3
click_menu_item "$first_item"
check "the next menu's \"Show\" shows it" wait_for 10 main_shown

# --- Closing hides into the tray (the default)
focus_main
xdotool key alt+F4
check "Alt+F4 hides the window" wait_for 10 main_hidden
sleep 1
check "the program keeps running" kill -0 "$program_pid"
click_icon 1
check "a click on the icon brings the window back" wait_for 10 main_shown

# --- Exit
click_icon 3
click_menu_item "$exit_item"
code="still running"
if wait_for 20 bash -c "! kill -0 $program_pid 2>/dev/null"; then
    wait "$program_pid"
    code=$?
fi
check "\"Exit\" ends the program with exit code 0 (got $code)" test "$code" = 0
check "config.dat then holds the window geometry" grep -q 'name="windowMainWidth" value="[1-9]' "$config"

# --- The stored show/hide hot key
check "the program starts with Control+Shift+F12 stored" start_with_hotkey 12884902011
focus_main
xdotool key ctrl+shift+F12
check "Control+Shift+F12 hides the window" wait_for 10 main_hidden
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
wineserver -k 2>/dev/null

check "the program starts with a plain A stored" start_with_hotkey 65
focus_main
xdotool key a
sleep 1
check "a plain A is no hot key: the window stays" main_shown
finish
