#!/usr/bin/env bash
# The hot-key field of the widget gallery on a real (Wine) window, driven
# with xdotool: a click gives it the focus, a held Shift+A (long enough for
# the key to auto-repeat) makes one combination that stays after release,
# and Backspace clears it.
. "$(dirname "$0")/lib.sh"

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish
xdotool windowfocus --sync "$gallery_window" 2>/dev/null

pointer_to_widget hotkey && xdotool click 1
gallery_mark
xdotool keydown shift keydown a
sleep 1.2
xdotool keyup a keyup shift
check "held Shift+A shows the combination" gallery_logged "hotkey text Control + Shift + A"
check "auto-repeat starts no new combination" gallery_not_logged "hotkey text Control + A"
check "releasing the keys keeps it" gallery_not_logged "hotkey text None"

gallery_mark
xdotool key F5
check "a function key stands alone" gallery_logged "hotkey text F5"

gallery_mark
xdotool key BackSpace
check "Backspace clears the field" gallery_logged "hotkey text None"

gallery_mark
xdotool keydown ctrl keydown shift
check "modifiers alone end with the separator" gallery_logged "hotkey text Control + Shift + "
xdotool keyup shift keyup ctrl
check "releasing them clears the field" gallery_logged "hotkey text None"
finish
