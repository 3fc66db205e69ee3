#!/usr/bin/env bash
# Damaged and unusable data files, one run of the real program each.
#
# A style set or data package that cannot be read ends the program with -1
# (255 here) before any window exists. A damaged or missing language file
# leaves the program in English. A config.dat of random bytes is replaced by
# the defaults at once; a folder named config.dat, or a read-only config.dat,
# cannot be written: the program runs on the defaults or on the stored values
# and leaves it exactly as it was, even when the options window is accepted
# and at exit. Every run ends by itself, with no crash and no hang.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/main_window_lib.sh"
. "$(dirname "$0")/options_window_lib.sh"

config_dir=$(dirname "$config")
package=$program_dir/data.pak
style=$program_dir/styles/default.style
german=$program_dir/languages/german.xml
cp "$package" "$work/data.pak"
cp "$style" "$work/default.style"
cp "$german" "$work/german.xml"
restore_data_files() {
    rm -rf "$package" "$style" "$german"
    cp "$work/data.pak" "$package"
    cp "$work/default.style" "$style"
    cp "$work/german.xml" "$german"
}

# --- Start-up refused ------------------------------------------------------------------
# Overwrites bytes of a file at an offset: patch FILE OFFSET PRINTF-BYTES.
patch() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
# Byte offset of the first match of a grep -P pattern in a file (after SKIP bytes).
offset_of() { # FILE PATTERN [SKIP]
    local at
    at=$(tail -c +$((${3:-0} + 1)) "$1" | grep -obUaP -m1 "$2" | head -1 | cut -d: -f1)
    [ -n "$at" ] && echo $((${3:-0} + at))
}
style_cut_in_half() { head -c $(($(stat -c %s "$work/default.style") / 2)) "$work/default.style" >"$style"; }
# The package opens, but xml/models.xml lost the end of its declaration.
style_models_undeclared() {
    local name data
    name=$(offset_of "$style" 'm\x00o\x00d\x00e\x00l\x00s\x00\.\x00x\x00m\x00l\x00') || return 1
    data=$(offset_of "$style" '\?>' $((name + 20))) || return 1
    patch "$style" "$data" '??'
}
style_is_a_folder() { rm -f "$style" && mkdir -p "$style/xml"; }
package_name_too_long() { patch "$package" 20 '\x58\x02\x00\x00'; } # the first folder name: 600 bytes
package_is_a_folder() { rm -f "$package" && mkdir -p "$package/images"; }

# Runs the program to its end, watching the screen meanwhile. Prints the exit
# code ("hung" after 30 s) and whether a window of the program was shown.
run_watching() {
    local shown=no end=$((SECONDS + 30)) pid code
    wine "$program_dir/tintscope.exe" >/dev/null 2>&1 &
    pid=$!
    started_pids+=("$pid")
    while kill -0 "$pid" 2>/dev/null; do
        if [ $SECONDS -ge $end ]; then
            kill "$pid" 2>/dev/null
            echo "hung $shown"
            return
        fi
        xdotool search --name 'Morvellan Tintscope' >/dev/null 2>&1 && shown=yes
        sleep 0.1
    done
    wait "$pid"
    code=$?
    echo "$code $shown"
}

for damage in style_cut_in_half style_models_undeclared style_is_a_folder package_name_too_long \
    package_is_a_folder; do
    restore_data_files
    if ! "$damage"; then
        check "$damage: the file could be damaged" false
        continue
    fi
    outcome=$(run_watching)
    check "$damage: exit code -1 and no window (got $outcome)" test "$outcome" = "255 no"
done
restore_data_files

# --- The program runs ------------------------------------------------------------------
write_config() { # LANGUAGE CLOSE-TO-TRAY COLOUR-FORMAT ZOOM LEFT TOP WIDTH HEIGHT
    rm -rf "$config_dir"
    write_settings "$config" language="$1" closeToNotificationArea="$2" colorFormat="$3" zoomFactor="$4" \
        windowMainLeft="$5" windowMainTop="$6" windowMainWidth="$7" windowMainHeight="$8"
}
write_config english 1 2 1 -1 -1 400 270
cp "$config" "$work/defaults.dat"

# Each sets up the files; afterwards $expect_place is the window's expected
# "X Y WIDTH HEIGHT" ("centred" for the defaults), $expect_config what
# config.dat holds while it runs ("unchanged", "defaults" or "folder") and
# $options_key what is done in the options window: OK saves at once, and on
# the defaults "untick OK" first clears close-to-tray, so that Alt+F4 usually
# ends the program without the tray icon's menu; the language cases press
# Escape, as the choice offered for a language without a usable file is the
# options window's business.
language_damaged() { # a stray element after the last item fails the whole file
    write_config german 0 5 2 40 50 520 330
    awk '{ lines[NR] = $0 } /<item / { last = NR }
        END { for (i = 1; i <= NR; i++) { print lines[i]; if (i == last) print "<stray name=\"x\" />" } }' \
        "$work/german.xml" >"$german"
    expect_place="40 50 520 330" expect_config=unchanged options_key=Escape
}
language_missing() {
    write_config german 0 5 2 40 50 520 330
    rm -f "$german"
    expect_place="40 50 520 330" expect_config=unchanged options_key=Escape
}
config_random_bytes() {
    write_config english 1 2 1 -1 -1 400 270
    head -c 3000 /dev/urandom >"$config"
    expect_place=centred expect_config=defaults options_key="untick OK"
}
config_is_a_folder() {
    rm -rf "$config_dir"
    mkdir -p "$config/kept"
    expect_place=centred expect_config=folder options_key="untick OK"
}
config_read_only() { # "false" is read as false, and a save would write "0"
    write_config english false 5 2 40 50 520 330
    chmod a-w "$config"
    expect_place="40 50 520 330" expect_config=unchanged options_key=OK
}
config_as_expected() {
    case $expect_config in
    unchanged) cmp -s "$config" "$work/before.dat" ;;
    defaults) cmp -s "$config" "$work/defaults.dat" ;;
    folder) [ -d "$config/kept" ] ;;
    esac
}
no_temporary_file() { [ "$(ls -A "$config_dir")" = config.dat ]; }
# The stored place is the outer rectangle; xdotool sees the client area
# inside the frame (border b on three sides, title bar t on top).
window_placed() {
    local left top width height b t
    if [ "$expect_place" = centred ]; then
        width=400 height=270 left=$(((screen_width - 400) / 2)) top=$(((screen_height - 270) / 2))
    else
        read -r left top width height <<<"$expect_place"
    fi
    b=$(((width - WIDTH) / 2)) t=$((height - HEIGHT - (width - WIDTH) / 2))
    [ "$b" -ge 0 ] && [ "$b" -lt 16 ] && [ "$t" -ge 0 ] && [ "$t" -lt 48 ] \
        && [ "$X $Y" = "$((left + b)) $((top + t))" ]
}

for case in language_damaged language_missing config_random_bytes config_is_a_folder config_read_only; do
    restore_data_files
    "$case"
    rm -rf "$work/before.dat"
    cp -r "$config" "$work/before.dat"
    if ! start; then
        check "$case: the program starts and shows its window" false
        continue
    fi
    check "$case: config.dat holds what it should ($expect_config)" config_as_expected
    check "$case: the window is where the settings put it ($X $Y $WIDTH $HEIGHT, $expect_place)" window_placed
    # The options window works and is in English; OK saves at once.
    if check "$case: the options window opens, in English" open_options Options; then
        case "$options_key" in
            OK) click_ok ;;
            "untick OK") at "$close_box_x" "$close_box_y" && xdotool click 1 && click_ok ;;
            *) xdotool windowfocus --sync "$options_window" 2>/dev/null; xdotool key "$options_key" ;;
        esac
        check "$case: $options_key closes it" wait_for 10 options_gone
    fi
    [ "$expect_config" = defaults ] && check "$case: OK stored close-to-tray off" setting_is closeToNotificationArea 0
    close_window
    check "$case: the program ends with 0 (got $status, closed by $closed_by)" test "$status" = 0
    [ "$expect_config" = defaults ] || check "$case: config.dat is still as it was" config_as_expected
    [ "$expect_config" = folder ] || check "$case: no temporary file is left" no_temporary_file
    [ "$case" = config_read_only ] && check "$case: and still read-only" test "$(stat -c %a "$config")" = 444
done
rm -rf "$config_dir"
finish
