#!/usr/bin/env bash
# The options window of the real program under Xvfb: its title, the main
# window held off while it is open, Cancel writing nothing, and OK storing
# close-to-tray, the show/hide hot key and the language at once, the
# language surviving a restart.
#
# With TINTSCOPE_SCREENSHOT_DIR set, the window is saved there in English
# and German (docs/options-en.png and docs/options-de.png are made so).
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/main_window_lib.sh"
. "$(dirname "$0")/options_window_lib.sh"

save_shot() { # NAME
    [ -n "${TINTSCOPE_SCREENSHOT_DIR:-}" ] && import -window "$options_window" "$TINTSCOPE_SCREENSHOT_DIR/$1.png"
    true
}

check "the program starts" start fresh
[ -n "$main_window" ] || finish

# --- Title, modality, Cancel -----------------------------------------------------
cp "$config" "$work/before.dat"
check "the options button opens one options window" open_options Options
check "titled \"Options $dash Morvellan Tintscope\"" test "$(window_title "$options_window")" = "Options $dash Morvellan Tintscope"
save_shot options-en
read -r tx ty <<<"$(top_most_button)"
xdotool mousemove $((tx + 30)) "$ty" click 1
sleep 1
check "while it is open the main window ignores clicks: no second options window" find_options Options
click_cancel
check "Cancel closes it" wait_for 10 options_gone
check "and leaves config.dat byte-identical" cmp -s "$config" "$work/before.dat"

# --- Close to notification area ---------------------------------------------------
open_options Options
at "$close_box_x" "$close_box_y"
xdotool click 1
click_ok
check "OK closes it" wait_for 10 options_gone
check "unticked \"Close to notification area.\" is stored at once" setting_is closeToNotificationArea 0
close_window
check "without close-to-tray Alt+F4 then ends the program with 0 (got $closed_by, $status)" \
    test "$closed_by $status" = "alt+F4 0"
check "the program starts again" start

# --- Language -------------------------------------------------------------------------
open_options Options
choose_language d
click_ok
check "choosing Deutsch and OK stores \"german\"" wait_for 10 setting_is language german
check "the options window is then titled \"Optionen $dash Morvellan Tintscope\"" open_options Optionen
check "with the German title" test "$(window_title "$options_window")" = "Optionen $dash Morvellan Tintscope"
save_shot options-de

# --- Hot key (in the German window) -------------------------------------------------
at "$hotkey_x" "$hotkey_y"
xdotool click 1 sleep 0.3 key ctrl+shift+F12 sleep 0.3
click_ok
check "Control+Shift+F12 in the field and OK store 12884902011" wait_for 10 setting_is hotkeyShowAndHide 12884902011

close_window
check "the program ends and starts again" start
check "German survives the restart" open_options Optionen
xdotool key Escape
check "Escape closes it" wait_for 10 options_gone
close_window
check "and the program ends with 0" test "$status" = 0
finish
