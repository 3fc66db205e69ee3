#!/usr/bin/env bash
# The scroll bars of the widget gallery on a real (Wine) window: a click on
# an arrow steps the value once by the arrow step, a click on the track
# pages, a disabled bar does not move, and the scroll area's content shows
# scrolled.
. "$(dirname "$0")/lib.sh"

# The colour of one client pixel of the gallery, as #RRGGBB.
pixel() { import -window "$gallery_window" -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -1; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish

# scroll.horizontal: 0..100, page 20, value 0, arrows 14 px wide at both ends.
read -r _ _ bar_w bar_h <<<"$(widget_rect scroll.horizontal)"

gallery_mark
pointer_to_widget scroll.horizontal $((bar_w - 7)) $((bar_h / 2)) && xdotool click 1
check "a click on the right arrow steps once" gallery_logged "scroll.horizontal valueChanged 3"
sleep 1
check "and only once" gallery_not_logged "scroll.horizontal valueChanged 6"

gallery_mark
pointer_to_widget scroll.horizontal 7 $((bar_h / 2)) && xdotool click 1
check "a click on the left arrow steps back" gallery_logged "scroll.horizontal valueChanged 0"

gallery_mark
pointer_to_widget scroll.horizontal $((bar_w - 30)) $((bar_h / 2)) && xdotool click 1
check "a click on the track pages" gallery_logged "scroll.horizontal valueChanged 20"

gallery_mark
pointer_to_widget scroll.horizontal.disabled $((bar_w - 7)) $((bar_h / 2)) && xdotool click 1
sleep 1
check "a disabled bar ignores clicks" gallery_not_logged "scroll.horizontal.disabled valueChanged"

# scroll.area: 160x160 over bands of 40 px (#DCE8FA, white, #E8F4E4,
# white ...); a click low on its vertical track pages by the viewport's
# height (146), which brings the fourth band (white) to the top.
read -r area_x area_y area_w _ <<<"$(widget_rect scroll.area)"
check "the area shows its first band" wait_for 10 pixel_is $((area_x + 3)) $((area_y + 3)) '#DCE8FA'
gallery_mark
xdotool mousemove --window "$gallery_window" $((area_x + area_w - 7)) $((area_y + 120)) && xdotool click 1
check "a click on the area's track pages" gallery_logged "scroll.area.vertical valueChanged 146"
check "and the content shows scrolled" wait_for 10 pixel_is $((area_x + 3)) $((area_y + 3)) '#FFFFFF'

finish
