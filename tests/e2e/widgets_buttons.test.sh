#!/usr/bin/env bash
# Buttons and check boxes of the widget gallery on a real (Wine) window:
# a click reports, a press dragged off the button before its release does
# not, a check box toggles then reports, and Space activates the focused
# button without toggling it.
. "$(dirname "$0")/lib.sh"

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish
xdotool windowfocus --sync "$gallery_window" 2>/dev/null

gallery_mark
pointer_to_widget button && xdotool click 1
check "a click on a button reports it" gallery_logged "button clicked"

gallery_mark
pointer_to_widget button && xdotool mousedown 1
pointer_to_widget button 5 80 && xdotool mouseup 1
# The check box's report comes after anything the button would have sent.
pointer_to_widget checkbox 8 && xdotool click 1
check "a click on a check box toggles it" gallery_logged "checkbox toggled 1"
check "then reports the click" gallery_logged "checkbox clicked"
check "a press dragged off a button before its release reports nothing" gallery_not_logged "^button clicked"

pointer_to_widget toggle && xdotool click 1
check "a click on a toggle button checks it" gallery_logged "toggle clicked checked=1"
gallery_mark
xdotool key space
check "Space activates the focused toggle button without unchecking it" gallery_logged "toggle clicked checked=1"

pointer_to_widget button && xdotool click 1
check "the click focuses the button" gallery_logged "button clicked"
gallery_mark
xdotool key space
check "Space on a focused button reports a click" gallery_logged "button clicked"
finish
