#!/usr/bin/env bash
# The clipboard mode of the toolkit test program against the X clipboard
# (Wine's clipboard is the X one): text copied in the program is what
# `xclip -o` reads, text xclip owns is what the program pastes, and an
# empty copy changes nothing. Keys: C copies "héllo", E copies "", V
# pastes; each logs one line (see ClipboardDemo.h).
. "$(dirname "$0")/lib.sh"

cp "$TINTSCOPE_BIN/toolkit-demo.exe" "$program_dir/"
log=$work/clipboard.log
: >"$log"
wine "$program_dir/toolkit-demo.exe" clipboard "$(winepath -w "$log")" >/dev/null 2>&1 &
demo_pid=$!
started_pids+=("$demo_pid")

title='Clipboard – Tintscope Toolkit Demo'
window=
find_window() { window=$(xdotool search --name "^${title}\$" 2>/dev/null | head -1); [ -n "$window" ]; }
mark() { seen=$(wc -l <"$log"); }
has_line() { tail -n +$((seen + 1)) "$log" | grep -qxF -- "$1"; }
logged() { wait_for 10 has_line "$1"; }
press() { xdotool windowfocus --sync "$window" 2>/dev/null; xdotool key "$1"; }
x_clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# xclip stays in the foreground (-quiet) serving the text until another
# owner takes the clipboard, so its pid can be cleaned up.
x_clipboard_owns() {
    printf '%s' "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
    started_pids+=("$!")
    wait_for 10 x_clipboard_is "$1"
}

check "the program starts and shows its window" wait_for 60 grep -qx ready "$log"
check "the window is found by its exact title" wait_for 20 find_window
[ -n "$window" ] || finish

mark
press c
check "copying logs the text" logged "copied héllo"
check "xclip reads what the program copied" wait_for 10 x_clipboard_is "héllo"

check "xclip takes the clipboard" x_clipboard_owns "wörld"
mark
press v
check "the program pastes what xclip put there" logged "pasted wörld"

mark
press e
check "an empty copy is refused" logged "copy refused"
check "and leaves the clipboard as it was" x_clipboard_is "wörld"
mark
press v
check "the clipboard still pastes the earlier text" logged "pasted wörld"

xdotool key alt+F4
status=124
wait_for_exit() { ! kill -0 "$demo_pid" 2>/dev/null; }
if wait_for 20 wait_for_exit; then wait "$demo_pid"; status=$?; fi
check "closing the window ends the program with exit code 0 (got $status)" test "$status" = 0
finish
