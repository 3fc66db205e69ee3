#!/usr/bin/env bash
# The line edits of the widget gallery on a real (Wine) window, driven with
# xdotool against the X clipboard: typed text is logged, Control+A and
# Control+C put it on the X clipboard, text pasted from the X clipboard
# loses its line breaks, and a field of at most five characters keeps the
# first five of a longer paste.
. "$(dirname "$0")/lib.sh"

x_clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# xclip stays in the foreground (-quiet) serving the text until another
# owner takes the clipboard, so its pid can be cleaned up.
x_clipboard_owns() { # TEXT (printf format, so "\n" is a line feed)
    printf "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
    started_pids+=("$!")
    wait_for 10 x_clipboard_is "$(printf "$1")"
}
# Clicks a field and empties it.
clear_field() {
    pointer_to_widget "$1" && xdotool click 1
    xdotool key ctrl+a BackSpace
}

check "the widget gallery starts" start_widget_gallery
[ -n "$gallery_window" ] || finish
xdotool windowfocus --sync "$gallery_window" 2>/dev/null

pointer_to_widget lineedit && xdotool click 1
gallery_mark
xdotool type --delay 50 hello
check "typing is logged" gallery_logged "lineedit text hello"
xdotool key Return
check "Enter sends returnPressed" gallery_logged "lineedit returnPressed"

xdotool key ctrl+a ctrl+c
check "Control+A, Control+C put the text on the X clipboard" wait_for 10 x_clipboard_is hello

check "xclip owns a text with a line break" x_clipboard_owns 'ab\ncd'
clear_field lineedit
gallery_mark
xdotool key ctrl+v
check "the pasted text loses its line break" gallery_logged "lineedit text abcd"

check "xclip owns a long text" x_clipboard_owns 'abcdefgh'
pointer_to_widget lineedit-max5 && xdotool click 1
gallery_mark
xdotool key ctrl+v
check "a field of five keeps the first five" gallery_logged "lineedit-max5 text abcde"
check "and nothing more" gallery_not_logged "lineedit-max5 text abcdef"
finish
