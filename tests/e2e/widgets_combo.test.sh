#!/usr/bin/env bash
# The gallery's combo boxes on a real (Wine) window: a click opens the
# popup, typing the start of an item and the wheel change the current
# item, and a combo box at the bottom of the work area opens its popup
# above itself, inside the work area.
. "$(dirname "$0")/lib.sh"

logged_since_mark() { tail -n +$((gallery_seen + 1)) "$gallery_log" | grep -q -- "$1"; }
# The latest rectangle logged as "PREFIX at X,Y,W,H ...", as "X Y W H".
logged_rect() { grep "^$1 at " "$gallery_log" | tail -1 | sed 's/.* at //; s/ .*//; s/,/ /g'; }

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish
xdotool windowfocus --sync "$gallery_window" 2>/dev/null

gallery_mark
pointer_to_widget combo && xdotool click 1
check "a click on the combo box opens its popup" wait_for 10 logged_since_mark "^combo popup at .* rows=12 scrollbar=0$"
read -r px py pw ph <<<"$(logged_rect "combo popup")"
read -r cx cy cw ch <<<"$(widget_rect combo)"
check "the popup is as wide as the box" test "$pw" = "$cw"
xdotool key Escape

gallery_mark
xdotool type --delay 50 hs
check "typing the start of an item selects it" gallery_logged "combo currentIndexChanged 6"
pointer_to_widget combo && xdotool click 5
check "the wheel steps to the next item" gallery_logged "combo currentIndexChanged 7"
xdotool click 4
check "and back" gallery_logged "combo currentIndexChanged 6"

gallery_mark
pointer_to_widget combo-long && xdotool click 1
check "a long list scrolls in a popup of 20 rows" wait_for 10 logged_since_mark "^combo-long popup at .* rows=30 scrollbar=1$"
read -r lx ly lw lh <<<"$(logged_rect "combo-long popup")"
# A click on the list's third row picks it.
xdotool mousemove "$((lx + 20))" "$((ly + 1 + 2 * (lh - 2) / 20 + 5))" && sleep 0.3 && xdotool click 1
check "a click on a row picks it" gallery_logged "combo-long currentIndexChanged 2"
kill "$gallery_pid" 2>/dev/null

# The corner mode: a small window at the work area's bottom-right corner.
gallery_log=$work/combo.log
: >"$gallery_log"
wine "$program_dir/toolkit-demo.exe" combo "$(winepath -w "$gallery_log")" >/dev/null 2>&1 &
started_pids+=("$!")
check "the corner window starts" wait_for 60 grep -qx ready "$gallery_log"
find_corner_window() {
    gallery_window=$(xdotool search --name '^Combo corner – Tintscope Toolkit Demo$' 2>/dev/null | head -1)
    [ -n "$gallery_window" ]
}
wait_for 20 find_corner_window
gallery_mark
pointer_to_widget combo && xdotool click 1
check "the corner combo box opens" wait_for 10 logged_since_mark "^combo popup at "
eval "$(xdotool getmouselocation --shell)"
read -r cx cy cw ch <<<"$(widget_rect combo)"
combo_top=$((Y - ch / 2))
read -r px py pw ph <<<"$(logged_rect "combo popup")"
read -r ax ay aw ah <<<"$(grep '^work area ' "$gallery_log" | sed 's/.* area //; s/,/ /g')"
check "the popup opens above the box" test "$((py + ph))" -le "$((combo_top + 1))"
check "the popup's right edge stays inside the work area" test "$((px + pw))" -le "$((ax + aw))"
finish
