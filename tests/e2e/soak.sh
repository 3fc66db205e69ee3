#!/usr/bin/env bash
# The soak: a long run of the real program under Wine that must leave no
# trace. Live magnifier steps (press on the magnifier, the pointer held and
# moved outside the window, released outside so the desktop freezes, in
# batches), notification-menu open/close cycles and options-window
# open/cancel cycles, then "Exit" from the menu. It then compares:
#   - the live native handle counts per kind the program writes when its
#     main loop ends (TINTSCOPE_DIAGNOSTICS): equal to those of a first run
#     that did the warm-up alone;
#   - the resident memory of the Wine process (VmRSS; Wine reports private
#     bytes as 0), read after a warm-up round and again before the exit:
#     growth at most SOAK_MEMORY_BOUND_MB;
#   - config.dat: parses, and holds the values it held after the first
#     start, the window geometry aside.
# Counts: SOAK_STEPS (10000), SOAK_MENUS (1000), SOAK_OPTIONS (1000).
# `make soak` runs it; tests/e2e/soak.test.sh runs a small one.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/main_window_lib.sh"

steps=${SOAK_STEPS:-10000}
menus=${SOAK_MENUS:-1000}
options=${SOAK_OPTIONS:-1000}
memory_bound_mb=${SOAK_MEMORY_BOUND_MB:-5}
# Pointer moves per press; each batch ends with a release outside.
batch=500
# The warm-up round makes the parts built when first used (the live view's
# buffers, the frozen desktop, the menu, the options window) before memory
# is first read. It freezes the desktop twice: the live view only settles
# into its steady set of buffers after the second freeze.
warm_batches=2 warm_batch=100 warm_menus=1 warm_options=1

# Wine's tray window holds the program's only icon at its left end; the
# menu opens with its top-left corner at the pointer, "Exit" 61 below it.
icon_x=13 icon_y=32 exit_dy=61
dash=$'\u2013'

diagnostics=$work/diagnostics.txt
export TINTSCOPE_DIAGNOSTICS
TINTSCOPE_DIAGNOSTICS=$(winepath -w "$diagnostics" 2>/dev/null)

# wait_for with a finer poll: the cycles below wait twice each, a thousand
# times over.
soon() { # SECONDS COMMAND...
    local end=$((SECONDS + $1)); shift
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.05
    done
}
elapsed() { echo "$((SECONDS - phase_start)) s, resident $(megabytes "$(resident_kb)")"; }
resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null; }
megabytes() { awk -v kb="$1" 'BEGIN { printf "%.1f MB", kb / 1024 }'; }

# --- Live magnifier steps ----------------------------------------------------
# The pointer runs to and fro along a row below the window, one pixel a step,
# paced so that Wine does not merge two moves into one step.
step_row=0 step_start=0 step_span=2
plan_steps() {
    client_geometry
    step_start=$((X > 200 ? X - 200 : 0))
    step_row=$((Y + HEIGHT + 20))
    step_span=$((screen_width - step_start - 1))
    [ $((step_row + 20)) -lt "$screen_height" ]
}
step_path() { # FIRST COUNT: xdotool commands for steps FIRST..FIRST+COUNT-1
    awk -v first="$1" -v count="$2" -v start="$step_start" -v span="$step_span" -v row="$step_row" 'BEGIN {
        for (s = first; s < first + count; s++) {
            along = (int(s / span) % 2 == 0) ? s % span : span - 1 - s % span
            printf "mousemove %d %d sleep 0.008\n", start + along, row
        }
    }'
}
live_steps() { # COUNT [BATCH]
    local done=0 n size=${2:-$batch}
    while [ "$done" -lt "$1" ]; do
        n=$(($1 - done < size ? $1 - done : size))
        # shellcheck disable=SC2046
        xdotool mousemove $((X + 30)) $((Y + 30)) sleep 0.1 mousedown 1 sleep 0.1 \
            $(step_path "$((steps_done + done))" "$n") sleep 0.1 mouseup 1 sleep 0.2
        done=$((done + n))
    done
    steps_done=$((steps_done + $1))
}
steps_done=0

# --- Notification menu -------------------------------------------------------
# The menu is the program's only window without a title; Wine's desktop
# has none either, and is there before the menu first opens.
untitled_windows() { xdotool search --onlyvisible --name '^$' 2>/dev/null | sort; }
menu_open() { [ -n "$(untitled_windows | comm -23 - "$work/desktop-windows.txt")" ]; }
menu_closed() { ! menu_open; }
# Without a window manager the X keyboard focus follows the pointer, and the
# menu opens with its corner at it: the pointer first moves well inside the
# menu (over "Visit Home Page...", harmless), so that Escape reaches the
# program and not Wine's tray window beside it. An Escape that is lost all
# the same is pressed again, and counted.
second_escapes=0
menu_cycles() { # COUNT
    local i
    for ((i = 0; i < $1; i++)); do
        xdotool mousemove "$icon_x" "$icon_y" click 3
        soon 10 menu_open || { echo "menu $((i + 1)) did not open"; return 1; }
        xdotool mousemove $((icon_x + 30)) $((icon_y + 37)) key Escape
        if ! soon 5 menu_closed; then
            second_escapes=$((second_escapes + 1))
            xdotool key Escape
            soon 10 menu_closed || { echo "menu $((i + 1)) did not close"; return 1; }
        fi
    done
}

# --- Options window ----------------------------------------------------------
options_open() { xdotool search --onlyvisible --name "^Options $dash Morvellan Tintscope\$" >/dev/null 2>&1; }
options_closed() { ! options_open; }
options_cycles() { # COUNT
    local i tx ty
    read -r tx ty <<<"$(top_most_button)"
    for ((i = 0; i < $1; i++)); do
        xdotool mousemove $((tx + 30)) "$ty" click 1
        soon 10 options_open || { echo "options window $((i + 1)) did not open"; return 1; }
        xdotool key Escape
        soon 10 options_closed || { echo "options window $((i + 1)) did not close"; return 1; }
    done
}

snapshot() { grep -m1 "^$1 " "$diagnostics" 2>/dev/null | cut -d' ' -f2-; }
has_snapshot() { [ -n "$(snapshot "$1")" ]; }
# Every item of config.dat as "group/name=value", the window's place aside.
config_values() {
    xmllint --xpath '//item' "$config" 2>/dev/null | grep -o 'name="[^"]*" value="[^"]*"' \
        | sed 's/name="\([^"]*\)" value="\(.*\)"/\1=\2/' | grep -v '^windowMain\(Left\|Top\|Width\|Height\)='
}

# Exit of the notification menu; the exit code is in $code.
exit_from_menu() {
    xdotool mousemove "$icon_x" "$icon_y" click 3
    soon 10 menu_open
    xdotool mousemove $((icon_x + 30)) $((icon_y + exit_dy)) sleep 0.3 click 1
    code="still running"
    if wait_for 30 program_ended; then wait "$program_pid"; code=$?; fi
}
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
warm_up() {
    live_steps $((warm_batches * warm_batch)) "$warm_batch" && menu_cycles "$warm_menus" && options_cycles "$warm_options"
}

# --- The reference run ---------------------------------------------------------
# Parts of the program make their handles when first used and keep them (the
# cursors, a window's own device context), so the counts at the first paint
# are no baseline. A first run does the warm-up alone and exits: its counts
# at the exit are what the long run must end with, whatever its length.
check "the program starts and shows its window" start fresh
[ -n "$main_window" ] || finish
check "it writes the handle counts at its first paint" soon 30 has_snapshot start
check "there is room below the window for the pointer's path" plan_steps
untitled_windows >"$work/desktop-windows.txt"
check "config.dat parses" xmllint --noout "$config"
config_values >"$work/config-before.txt"
check "warm-up: $warm_batches batches of $warm_batch live steps, $warm_menus menus, $warm_options options windows" \
    warm_up
exit_from_menu
check "\"Exit\" of the menu ends the program with 0 (got $code)" test "$code" = 0
first_paint_counts=$(snapshot start)
reference_counts=$(snapshot exit)
check "the program wrote its counts at the exit" test -n "$reference_counts"

# --- The long run ----------------------------------------------------------------
rm -f "$diagnostics"
check "the program starts again" start
[ -n "$main_window" ] || finish
plan_steps
phase_start=$SECONDS
check "the same warm-up" warm_up
sleep 1
memory_before=$(resident_kb)
echo "warm-up took $(elapsed)"

phase_start=$SECONDS
live_steps "$steps"
echo "$steps live magnifier steps in $(((steps + batch - 1) / batch)) batches took $(elapsed)"
check "the window is still there" find_main_window
phase_start=$SECONDS
check "$menus notification menus opened and closed with Escape" menu_cycles "$menus"
echo "the menus took $(elapsed); $second_escapes needed a second Escape"
phase_start=$SECONDS
check "$options options windows opened and closed with Escape" options_cycles "$options"
echo "the options windows took $(elapsed)"
sleep 1
memory_after=$(resident_kb)
exit_from_menu
check "\"Exit\" of the menu ends the program with 0 (got $code)" test "$code" = 0

# --- Before and after --------------------------------------------------------
exit_counts=$(snapshot exit)
echo "handles at the first paint: $first_paint_counts"
for pair in $reference_counts; do
    kind=${pair%%=*}
    after=$(tr ' ' '\n' <<<"$exit_counts" | sed -n "s/^$kind=//p")
    echo "handles $kind ${pair#*=} -> ${after:-?}"
done
check "every kind of handle ends at the count of the warm-up run" test "$reference_counts" = "$exit_counts"

if [ -n "$memory_before" ] && [ -n "$memory_after" ]; then
    growth=$((memory_after - memory_before))
    echo "memory $(megabytes "$memory_before") -> $(megabytes "$memory_after") ($([ $growth -ge 0 ] && echo +)$(megabytes "$growth"); resident, after the warm-up)"
    check "memory grows by at most $memory_bound_mb MB" test "$growth" -le $((memory_bound_mb * 1024))
else
    check "the resident memory could be read" false
fi

config_values >"$work/config-after.txt"
if xmllint --noout "$config" 2>/dev/null && cmp -s "$work/config-before.txt" "$work/config-after.txt" \
    && grep -q 'name="windowMainWidth" value="[1-9]' "$config"; then
    echo "config.dat intact ($(wc -l <"$work/config-after.txt") values unchanged, the geometry stored)"
else
    check "config.dat intact" false
    diff "$work/config-before.txt" "$work/config-after.txt"
fi
finish
