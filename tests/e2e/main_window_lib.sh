# What the end-to-end runs of the main window share: finding the window,
# reading and writing config.dat, screenshots and their pixels, the X
# clipboard. Sourced after lib.sh.

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
# Alt+F4 on the window; the exit code is in $status.
# Alt+F4 on the window; when it only hides into the notification area
# (the default), "Exit" of the icon's menu (in Wine's tray window at the
# top left) ends the program. The exit code is in $status, the way it
# ended ("alt+F4" or "icon") in $closed_by.
close_window() {
    xdotool windowfocus --sync "$main_window" 2>/dev/null
    xdotool key alt+F4
    status=124
    closed_by=alt+F4
    program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
    if ! wait_for 5 program_ended; then
        closed_by=icon
        for _ in 1 2 3; do
            xdotool mousemove 13 32 sleep 0.5 click 3 sleep 1 mousemove 43 93 sleep 0.5 click 1
            wait_for 5 program_ended && break
        done
    fi
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
