#!/usr/bin/env bash
# The main window of the real program under Xvfb: the first start and its
# layout, picking a colour shown by another program, copying it in every
# format, the copy frame's tint, always on top, and Alt+F4 with the window
# coming back at its place.
#
# With TINTSCOPE_SCREENSHOT set to a file, the first start's window is
# saved there (docs/main-window.png is made so).
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/main_window_lib.sh"

# --- First start -----------------------------------------------------------
check "the first start shows its window" start fresh
[ -n "$main_window" ] || finish
check "exactly one visible window titled \"Morvellan Tintscope\"" test "$(visible_main_windows)" = 1
check "it is centred on the screen" test $((X + WIDTH / 2)) -ge $((screen_width / 2 - 8)) -a \
    $((X + WIDTH / 2)) -le $((screen_width / 2 + 8))
shot
[ -n "${TINTSCOPE_SCREENSHOT:-}" ] && import -window "$main_window" "$TINTSCOPE_SCREENSHOT"
check "the bottom row lies on the window's background" pixel_is $((X + 2)) $((Y + HEIGHT - 2)) "$surface"
check "the magnifier fills the top" test "$(pixel $((X + 2)) $((Y + 2)))" != "$surface"
# Each button is a dark tile with a light glyph; the magnifier's checker
# around them has no light pixels.
glyph_pixels() { convert "$work/shot.png" -crop "24x24+$1+$2" -depth 8 txt:- | grep -c '#E[0-9A-F]E[0-9A-F]E[0-9A-F]'; }
read -r tx ty <<<"$(top_most_button)"
buttons_in_place() {
    for left in $((tx - 12)) $((tx + 18)) $((tx + 48)); do [ "$(glyph_pixels "$left" "$Y")" -gt 0 ] || return 1; done
    [ "$(glyph_pixels $((tx - 60)) "$Y")" = 0 ]
}
check "the three buttons stand side by side at the magnifier's top right" buttons_in_place

# --- Pick --------------------------------------------------------------------
display -size 200x200 "xc:#$known" >/dev/null 2>&1 &
started_pids+=("$!")
image_window=
find_image_window() { image_window=$(xdotool search --onlyvisible --name "^ImageMagick: #$known" | head -1); [ -n "$image_window" ]; }
check "another program shows the colour" wait_for 20 find_image_window
xdotool windowmove "$image_window" 20 20
sleep 1
magnifier_x=$((X + WIDTH / 2)) magnifier_y=$((Y + 60))
xdotool mousemove "$magnifier_x" "$magnifier_y" mousedown 1
for p in 400 250 150 120; do
    xdotool mousemove "$p" "$p"
    sleep 0.2
done
sleep 0.5
shot
check "dragged out over it, the magnifier shows it live" pixel_is "$magnifier_x" "$magnifier_y" "$known"
xdotool mouseup 1
sleep 0.5
xdotool windowmove "$image_window" 20 600
sleep 0.5
xdotool mousemove "$magnifier_x" "$magnifier_y" click 1
sleep 1
shot
check "released outside, the desktop is frozen: the magnifier still shows it" \
    pixel_is "$magnifier_x" "$magnifier_y" "$known"
# The bottom row: the indicator's 56-pixel frame with 6 pixels above and below.
read -r ix iy iw ih <<<"$(colour_box "$X" $((Y + HEIGHT - 64)) "$WIDTH" 64 "$known")"
check "the indicator shows the picked colour in a 52-pixel square (${iw:-0} x ${ih:-0})" test "${iw:-0}" = 52 -a "${ih:-0}" = 52
indicator_x=$((ix + 26)) indicator_y=$((iy + 26))

# --- Copy and the copy frame ---------------------------------------------------
xdotool mousemove "$indicator_x" "$indicator_y"
sleep 0.5
shot
check "hovered, the copy frame shows in the light tint" test "$(count_colour $((ix - 2)) $((iy - 2)) 56 56 "$known_tint")" -gt 0
xdotool click 1
check "a click copies the label's text, trimmed" wait_for 10 x_clipboard_is "$known_text"

# --- Every format, chosen with the wheel over the combo box --------------------------
formats=("18, 52, 86" "255, 18, 52, 86" "86, 52, 18" "86, 52, 18, 255" "#123456" "0.79, 0.40, 0.00, 0.66"
    "0.58, 0.65, 0.20" "0.58, 0.79, 0.34" "0x123456" "0xFF123456" "1193046" "4279383126")
# Below the label, right of the indicator's frame: 6 pixels from the bottom.
combo_x=$((ix + 54 + 6 + 75)) combo_y=$((Y + HEIGHT - 6 - 12))
wheel() { # BUTTON: 4 selects the previous format, 5 the next
    xdotool mousemove "$combo_x" "$combo_y" click "$1"
}
copies_format() { # INDEX: stored at once, and copied by a click
    wait_for 10 setting_is colorFormat "$1" || return 1
    xdotool mousemove "$indicator_x" "$indicator_y" click 1
    wait_for 10 x_clipboard_is "${formats[$1]}"
}
wheel 4
wheel 4
check "the wheel over the combo box stores the format while the program runs" wait_for 10 setting_is colorFormat 0
for format in $(seq 0 11); do
    [ "$format" -gt 0 ] && wheel 5
    check "format $format: config.dat holds it and a click copies \"${formats[$format]}\"" copies_format "$format"
done
wheel 5
check "the wheel stops at the last format" setting_is colorFormat 11

# --- Always on top -----------------------------------------------------------------
# Without a window manager Wine writes the window's _NET_WM_STATE only while
# the window is unmapped, so the state a click gives shows at the next start.
check "the window starts as a normal window" eval '! net_wm_above'
xdotool mousemove "$tx" "$ty" click 1

# --- Alt+F4 ---------------------------------------------------------------------------
client_geometry
first_client="$X $Y $WIDTH $HEIGHT"
close_window
check "Alt+F4 hides into the notification area, its Exit ends with 0 (got $closed_by, $status)" \
    test "$closed_by $status" = "icon 0"
check "and stores the top-most state" setting_is windowMainTopMost 1
check "and the window's place, centred" setting_is windowMainLeft $(((screen_width - $(setting windowMainWidth)) / 2))

# --- Second start: nothing copied before a pick; top-most comes back ------------------
set_setting closeToNotificationArea 0
check "the second start shows its window" start
check "it comes back at the same place and size" test "$X $Y $WIDTH $HEIGHT" = "$first_client"
check "it comes back top-most" net_wm_above
check "xclip takes the clipboard" x_clipboard_owns "untouched"
xdotool mousemove "$indicator_x" "$indicator_y" click 1
sleep 1
check "before a pick a click on the indicator copies nothing" x_clipboard_is "untouched"
read -r tx ty <<<"$(top_most_button)"
xdotool mousemove "$tx" "$ty" click 1
close_window
check "without close-to-tray Alt+F4 ends the program with exit code 0 (got $closed_by, $status)" \
    test "$closed_by $status" = "alt+F4 0"
check "the top-most state turned off is stored" setting_is windowMainTopMost 0
finish
