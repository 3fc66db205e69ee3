#!/usr/bin/env bash
# The about window of the real program under Xvfb: the main window's about
# button opens it titled "About – Morvellan Tintscope" with the logo on it,
# Enter closes it; after a restart in German it opens translated and Escape
# closes it.
#
# With TINTSCOPE_SCREENSHOT_DIR set to a folder, the window is saved there
# as about-en.png and about-de.png (the docs' screenshots are made so).
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/main_window_lib.sh"

# The six wedges of the logo's hue wheel, as the palette gives them.
hues=(E5484D F5A524 F2D43A 30A46C 2F6FDE 8E4EC6)

about_window=
find_about_window() {
    about_window=$(xdotool search --onlyvisible --name "^$1 – Morvellan Tintscope\$" 2>/dev/null | head -1)
    [ -n "$about_window" ]
}
about_window_gone() { ! xdotool search --onlyvisible --name "^$1 – Morvellan Tintscope\$" >/dev/null 2>&1; }
# The about button: the third of the three tiles at the magnifier's top right.
open_about_window() {
    read -r tx ty <<<"$(top_most_button)"
    xdotool mousemove $((tx + 60)) "$ty" click 1
}
# Every hue of the wheel fills a patch of the about window's top half.
logo_on_screen() {
    eval "$(xdotool getwindowgeometry --shell "$about_window")"
    shot
    for hue in "${hues[@]}"; do
        [ "$(count_colour "$X" "$Y" "$WIDTH" $((HEIGHT / 2)) "$hue")" -ge 20 ] || return 1
    done
}
screenshot() {
    [ -n "${TINTSCOPE_SCREENSHOT_DIR:-}" ] && import -window "$about_window" "$TINTSCOPE_SCREENSHOT_DIR/$1"
    return 0
}

# --- English -------------------------------------------------------------------
check "the program starts" start fresh
[ -n "$main_window" ] || finish
open_about_window
check "the about button opens \"About – Morvellan Tintscope\"" wait_for 20 find_about_window About
[ -n "$about_window" ] || finish
sleep 1
check "the logo is on screen" logo_on_screen
screenshot about-en.png
xdotool windowfocus --sync "$about_window" 2>/dev/null
xdotool key Return
check "Enter closes it" wait_for 10 about_window_gone About
check "the main window is still there" find_main_window

# --- German ----------------------------------------------------------------------
close_window
check "the program ends with 0 (got $status)" test "$status" = 0
check "config.dat holds the language setting" grep -q 'name="language"' "$config"
set_setting language german
check "the program starts again" start
open_about_window
check "in German the about button opens \"Über – Morvellan Tintscope\"" wait_for 20 find_about_window Über
[ -n "$about_window" ] || finish
sleep 1
check "the logo is on screen" logo_on_screen
screenshot about-de.png
xdotool windowfocus --sync "$about_window" 2>/dev/null
xdotool key Escape
check "Escape closes it" wait_for 10 about_window_gone Über
close_window
finish
