# Finding and driving the options window of the real program. Sourced after
# lib.sh and main_window_lib.sh.

dash=$'\u2013'
options_window=
find_options() { # TITLE: the one visible options window, its geometry in OX OY OWIDTH OHEIGHT
    local found
    found=$(xdotool search --onlyvisible --name "^$1 .* Morvellan Tintscope\$" 2>/dev/null)
    [ "$(printf '%s\n' "$found" | grep -c .)" = 1 ] || return 1
    options_window=$found
    eval "$(xdotool getwindowgeometry --shell "$options_window" | sed 's/^/O/')"
}
options_gone() { ! xdotool search --onlyvisible --name " $dash Morvellan Tintscope\$" >/dev/null 2>&1 \
    && ! xdotool search --onlyvisible --name "^Option" >/dev/null 2>&1; }
window_title() { xprop -id "$1" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//'; }
open_options() { # TITLE
    client_geometry
    read -r tx ty <<<"$(top_most_button)"
    xdotool mousemove $((tx + 30)) "$ty" click 1
    wait_for 20 find_options "$1" && sleep 0.5
}
# Points inside the dialog: the rows from its top left, the buttons from its
# bottom right (a wider translated dialog moves only those).
combo_x=50 combo_y=44
close_box_x=20 close_box_y=100
hotkey_x=85 hotkey_y=155
ok_from_right=121 cancel_from_right=43 button_from_bottom=19
at() { xdotool mousemove $((OX + $1)) $((OY + $2)); }
click_ok() { at $((OWIDTH - ok_from_right)) $((OHEIGHT - button_from_bottom)); xdotool click 1; }
click_cancel() { at $((OWIDTH - cancel_from_right)) $((OHEIGHT - button_from_bottom)); xdotool click 1; }
# Opens the language list and chooses the first language whose name begins
# with the letter typed.
choose_language() { # LETTER
    at "$combo_x" "$combo_y"
    sleep 0.5
    xdotool click 1 sleep 1
    xdotool type "$1"
    sleep 1
    xdotool key Return sleep 1
}
