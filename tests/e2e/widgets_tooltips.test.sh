#!/usr/bin/env bash
# Tooltips of the widget gallery on a real (Wine) window, driven with
# xdotool: resting the pointer on a label shows its tooltip below the
# pointer (its pixels are on the screen, and change back once it goes),
# typing goes on reaching the focused field while it is shown, and the
# neighbour's tooltip follows.
. "$(dirname "$0")/lib.sh"

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish
xdotool windowfocus --sync "$gallery_window" 2>/dev/null

shown_line() { tail -n +$((gallery_seen + 1)) "$gallery_log" | grep -m1 "^tooltip shown for $1 at "; }
tooltip_logged() { wait_for 10 shown_line "$1"; }
# The screen's pixels in a rectangle "X Y W H", as a digest.
screen_digest() {
    local x y w h
    read -r x y w h <<<"$1"
    import -window root -crop "${w}x${h}+${x}+${y}" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

pointer_to_widget tooltip-field && xdotool click 1
gallery_mark
pointer_to_widget tooltip-label
check "resting on a label shows its tooltip" tooltip_logged tooltip-label
read -r tip_x tip_y tip_w tip_h <<<"$(shown_line tooltip-label | sed 's/.* at //; s/,/ /g')"
pointer=$(xdotool getmouselocation --shell | tr '\n' ' ')
eval "$pointer"
check "the tooltip lies below the pointer" test "${tip_y:-0}" -gt "${Y:-0}"
sleep 0.5
with_tip=$(screen_digest "$tip_x $tip_y $tip_w $tip_h")

gallery_mark
xdotool key F5
check "typing still reaches the focused field" gallery_logged "tooltip-field text F5"
check "a key hides the tooltip" gallery_logged "tooltip hidden"
sleep 0.5
without_tip=$(screen_digest "$tip_x $tip_y $tip_w $tip_h")
check "the tooltip was drawn on the screen" test "$with_tip" != "$without_tip"

gallery_mark
pointer_to_widget tooltip-neighbour
check "the neighbour shows its own tooltip" tooltip_logged tooltip-neighbour
finish
