#!/usr/bin/env bash
# The main window of the real program under Xvfb: the first start, picking
# a colour shown by another program, copying it, the copy frame's tint,
# always on top, and the exit paths with the window's place and size.
#
# With TINTSCOPE_SCREENSHOT set to a file, the first start's window is
# saved there (docs/main-window.png is made so).
. "$(dirname "$0")/lib.sh"

config="$(appdata_dir)/Morvellan Tintscope/config.dat"
known=123456                  # the colour another program shows
known_text="86, 52, 18"       # ... as the stored format (BGR) writes it
known_tint=A0ADBB             # its light copy frame: R + G + B <= 350
surface=F3F4F6                # the window's background

main_window=
find_main_window() {
    main_window=$(xdotool search --onlyvisible --name '^Morvellan Tintscope$' 2>/dev/null | head -1)
    [ -n "$main_window" ]
}
visible_main_windows() { xdotool search --onlyvisible --name '^Morvellan Tintscope$' 2>/dev/null | wc -l; }
# The client area: X, Y, WIDTH, HEIGHT.
client_geometry() { eval "$(xdotool getwindowgeometry --shell "$main_window")"; }
setting() { grep -o "name=\"$1\" value=\"[^\"]*\"" "$config" | sed 's/.*value="//; s/"$//'; }
set_setting() { sed -i "s/name=\"$1\" value=\"[^\"]*\"/name=\"$1\" value=\"$2\"/" "$config"; }
setting_is() { [ "$(setting "$1")" = "$2" ]; }

start() { # start and find the window; a fresh start removes the settings first
    if [ "${1:-}" = fresh ]; then start_program_and_wait_until_running; else start_program; fi
    wait_for 60 find_main_window && sleep 1 && client_geometry
}
# Alt+F4 on the window hides it into the notification area (the default),
# then "Exit" of the icon's menu (in Wine's tray window at the top left)
# ends the program; the exit code is in $status.
close_window() {
    xdotool windowfocus --sync "$main_window" 2>/dev/null
    xdotool key alt+F4
    status=124
    program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
    for _ in 1 2 3; do
        sleep 1
        xdotool mousemove 13 32 sleep 0.5 click 3 sleep 1 mousemove 43 93 sleep 0.5 click 1
        wait_for 5 program_ended && break
    done
    if wait_for 30 program_ended; then wait "$program_pid"; status=$?; fi
}

shot() { import -window root "$work/shot.png"; }
# The colour at a screen point of the last shot, as RRGGBB.
pixel() { convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1 | tr -d '#'; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
# How many pixels of the colour the area X Y W H of the last shot holds.
count_colour() {
    convert "$work/shot.png" -crop "$3x$4+$1+$2" -depth 8 txt:- | grep -c "#$5"
}
# The bounding box "X Y W H" of the colour in the area X Y W H.
colour_box() {
    convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | grep "#$5" \
        | sed 's/^\([0-9]*\),\([0-9]*\):.*/\1 \2/' \
        | awk -v ox="$1" -v oy="$2" 'NR == 1 { a = $1; b = $2; c = $1; d = $2 }
            { if ($1 < a) a = $1; if ($2 < b) b = $2; if ($1 > c) c = $1; if ($2 > d) d = $2 }
            END { if (NR) print ox + a, oy + b, c - a + 1, d - b + 1 }'
}
x_clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
x_clipboard_owns() {
    printf '%s' "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
    started_pids+=("$!")
    wait_for 10 x_clipboard_is "$1"
}
net_wm_above() { xprop -id "$main_window" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
screen_size() { xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'; }
read -r screen_width screen_height <<<"$(screen_size)"
# The top-most button: the first of three 24-pixel tiles at the top right,
# 6 pixels apart.
top_most_button() { echo $((X + WIDTH - 3 * 24 - 2 * 6 + 12)) $((Y + 12)); }

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
check "Alt+F4 and the icon's \"Exit\" end the program with exit code 0 (got $status)" test "$status" = 0
check "and stores the top-most state" setting_is windowMainTopMost 1
check "and the window's place, centred" setting_is windowMainLeft $(((screen_width - $(setting windowMainWidth)) / 2))

# --- Second start: nothing copied before a pick; top-most comes back ------------------
check "the second start shows its window" start
check "it comes back at the same place and size" test "$X $Y $WIDTH $HEIGHT" = "$first_client"
check "it comes back top-most" net_wm_above
check "xclip takes the clipboard" x_clipboard_owns "untouched"
xdotool mousemove "$indicator_x" "$indicator_y" click 1
sleep 1
check "before a pick a click on the indicator copies nothing" x_clipboard_is "untouched"
read -r tx ty <<<"$(top_most_button)"
xdotool mousemove "$tx" "$ty" click 1

# --- A moved and resized window, ended with the session -------------------------------
xdotool windowmove "$main_window" 100 120 windowsize "$main_window" 500 330
sleep 1
client_geometry
moved="$X $Y $WIDTH $HEIGHT"
check "the window was moved and resized ($moved)" test "$moved" = "100 120 500 330"
wineboot -e >/dev/null 2>&1
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
check "the end of the session ends the program" wait_for 30 program_ended
check "and stores the top-most state" setting_is windowMainTopMost 0
check "the third start shows its window" start
check "it comes back where the session left it" test "$X $Y $WIDTH $HEIGHT" = "$moved"
check "no longer top-most" eval '! net_wm_above'

# --- Second copy ----------------------------------------------------------------------------
xdotool windowmove "$image_window" $((X + 20)) $((Y + 20)) windowraise "$image_window"
sleep 1
shot
check "another program's window covers it" pixel_is $((X + 100)) $((Y + 100)) "$known"
second=$(run_to_end 60)
check "a second copy ends with -1 (got $second)" test "$second" = 255
main_on_top() { shot; [ "$(pixel $((X + 100)) $((Y + 100)))" != "$known" ]; }
check "and the first copy's window is raised above it" wait_for 10 main_on_top
close_window

# --- A place off every monitor; a stored format survives ----------------------------------
set_setting windowMainLeft 5000
set_setting windowMainTop 3000
set_setting colorFormat 7
check "a start with a place off every monitor shows its window" start
check "centred on the screen" test $((X + WIDTH / 2)) -ge $((screen_width / 2 - 8)) -a \
    $((X + WIDTH / 2)) -le $((screen_width / 2 + 8))
close_window
check "it ends with exit code 0 (got $status)" test "$status" = 0
check "the stored format 7 is untouched" setting_is colorFormat 7
finish
