#!/usr/bin/env bash
# The simple widgets of the widget gallery on a real (Wine) window, driven
# with xdotool: the size grip in the window's bottom-right corner resizes
# the window by a drag, and a click on a checkable group's title (not on
# its body) toggles the group.
. "$(dirname "$0")/lib.sh"

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish

# The client size as the gallery last logged it: "W H".
window_size() { grep '^window Resize ' "$gallery_log" | tail -1 | sed 's/.*width=\([0-9]*\) height=\([0-9]*\)$/\1 \2/'; }
at() { xdotool mousemove --window "$gallery_window" "$1" "$2"; }
toggle_lines() { tail -n +$((gallery_seen + 1)) "$gallery_log" | grep -c "^groupCheckable toggled"; }

read -r width height <<<"$(window_size)"
check "the window's size is logged" test -n "${height:-}"

gallery_mark
at $((width - 4)) $((height - 4))
xdotool mousedown 1
sleep 0.2
at $((width + 21)) $((height + 11))
sleep 0.2
at $((width + 46)) $((height + 26))
sleep 0.2
xdotool mouseup 1
check "dragging the size grip by +50,+30 grows the window by 50x30" \
    gallery_logged "window Resize width=$((width + 50)) height=$((height + 30))"

gallery_mark
pointer_to_widget groupCheckable && xdotool click 1
pointer_to_widget groupCheckable 8 8 && xdotool click 1
check "a click on the title toggles the group" gallery_logged "groupCheckable toggled checked=1"
check "a click on the body does not" test "$(toggle_lines)" -eq 1

gallery_mark
xdotool click 1
check "a second click on the title toggles it back" gallery_logged "groupCheckable toggled checked=0"

finish
