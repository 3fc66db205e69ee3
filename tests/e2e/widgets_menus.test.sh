#!/usr/bin/env bash
# The gallery's menu button on a real (Wine) window: a click opens its menu
# right below the button, resting on an item with a submenu opens it, a
# click on an item reports it, a disabled item does nothing, and the press
# on the button that closes its menu does not open it again.
. "$(dirname "$0")/lib.sh"

# The latest screen rectangle the gallery logged for a menu or item, as
# "X Y W H".
logged_rect() { grep "^$1 at " "$gallery_log" | tail -1 | sed 's/.* at //; s/,/ /g'; }
logged_since_mark() { tail -n +$((gallery_seen + 1)) "$gallery_log" | grep -q -- "$1"; }
# Moves the pointer to the centre of a logged screen rectangle.
pointer_to_logged() {
    local x y w h
    read -r x y w h <<<"$(logged_rect "$1")"
    [ -n "$h" ] && xdotool mousemove "$((x + w / 2))" "$((y + h / 2))"
}
# The X window under the pointer.
window_under_pointer() { (eval "$(xdotool getmouselocation --shell)"; echo "$WINDOW"); }

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish
xdotool windowfocus --sync "$gallery_window" 2>/dev/null

gallery_mark
pointer_to_widget menubutton && xdotool click 1
check "a click on the menu button opens its menu" wait_for 10 logged_since_mark "^menubutton menu at "

# Just below the button's bottom-left corner lies the menu's window, its
# top-left corner on that corner.
read -r bx by bw bh <<<"$(widget_rect menubutton)"
pointer_to_widget menubutton 3 "$((bh + 3))"
eval "$(xdotool getmouselocation --shell)"
read -r mx my mw mh <<<"$(logged_rect "menubutton menu")"
check "the menu opens at the button's bottom-left corner" test "$mx,$my" = "$((X - 3)),$((Y - 3))"
menu_window=$(window_under_pointer)
check "the menu's window is what lies below the button" test "$menu_window" != "$gallery_window"

gallery_mark
pointer_to_logged "menubutton item Unavailable" && xdotool click 1
pointer_to_logged "menubutton item More"
check "resting on an item with a submenu opens the submenu" wait_for 10 logged_since_mark "^menubutton submenu at "
read -r sx sy sw sh <<<"$(logged_rect "menubutton submenu")"
check "the submenu opens beside its menu" test "$sx" -ge "$((mx + mw - 8))"

# The submenu lands over the gallery window and must lie above it.
pointer_to_logged "menubutton item Inner one"
under_item=$(window_under_pointer)
check "the submenu's window is what lies below its item" \
    test "$under_item" != "$gallery_window" -a "$under_item" != "$menu_window"
xdotool click 1
check "a click on an item reports it" gallery_logged "menubutton triggered Inner one"
check "a click on a disabled item reports nothing" gallery_not_logged "triggered Unavailable"

# The press that closes an open menu must not open it again.
pointer_to_widget menubutton && xdotool click 1
check "the menu opens again" wait_for 10 logged_since_mark "^menubutton menu at "
gallery_mark
pointer_to_widget menubutton && xdotool click 1
pointer_to_widget button && xdotool click 1
check "a click elsewhere still reaches its widget" gallery_logged "button clicked"
check "the press that closed the menu did not reopen it" gallery_not_logged "^menubutton menu at "
finish
