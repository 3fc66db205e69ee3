# Shared helpers of the end-to-end scripts. Each script gets a private copy
# of the program's folder, so it can remove or damage data files freely.
set -u
: "${TINTSCOPE_BIN:?}" "${TINTSCOPE_TOOLS:?}"
export WINEPREFIX=${TINTSCOPE_WINEPREFIX:-$(dirname "$TINTSCOPE_BIN")/wineprefix}
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
"$TINTSCOPE_TOOLS/wine-prefix" || exit 1

work=$(mktemp -d)
program_dir=$work/program
mkdir -p "$program_dir"
cp "$TINTSCOPE_BIN/tintscope.exe" "$program_dir/"
[ -f "$TINTSCOPE_BIN/data.pak" ] && cp "$TINTSCOPE_BIN/data.pak" "$program_dir/"
[ -d "$TINTSCOPE_BIN/languages" ] && cp -r "$TINTSCOPE_BIN/languages" "$program_dir/"
[ -d "$TINTSCOPE_BIN/styles" ] && cp -r "$TINTSCOPE_BIN/styles" "$program_dir/"
started_pids=()

cleanup() {
    for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null; done
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Writes a settings file as the program writes it (byte-order mark, CR LF
# line ends): the first-start defaults, with the keys given changed.
write_settings() { # FILE [KEY=VALUE ...]
    local file=$1 pair line
    shift
    local -A value=([language]=english [minimizeToNotificationArea]=1 [closeToNotificationArea]=1
        [hotkeyShowAndHide]=0 [colorFormat]=2 [zoomFactor]=1 [windowMainLeft]=-1 [windowMainTop]=-1
        [windowMainWidth]=400 [windowMainHeight]=270 [windowMainTopMost]=0)
    for pair in "$@"; do value[${pair%%=*}]=${pair#*=}; done
    mkdir -p "$(dirname "$file")"
    printf '\xef\xbb\xbf' >"$file"
    while IFS= read -r line; do printf '%s\r\n' "$line" >>"$file"; done <<XML
<?xml version="1.0" encoding="utf-8"?>
<groups>
    <group name="general">
        <item name="language" value="${value[language]}" />
        <item name="minimizeToNotificationArea" value="${value[minimizeToNotificationArea]}" />
        <item name="closeToNotificationArea" value="${value[closeToNotificationArea]}" />
        <item name="hotkeyShowAndHide" value="${value[hotkeyShowAndHide]}" />
        <item name="colorFormat" value="${value[colorFormat]}" />
        <item name="zoomFactor" value="${value[zoomFactor]}" />
    </group>
    <group name="windows">
        <item name="windowMainLeft" value="${value[windowMainLeft]}" />
        <item name="windowMainTop" value="${value[windowMainTop]}" />
        <item name="windowMainWidth" value="${value[windowMainWidth]}" />
        <item name="windowMainHeight" value="${value[windowMainHeight]}" />
        <item name="windowMainTopMost" value="${value[windowMainTopMost]}" />
    </group>
</groups>
XML
}

failures=0
check() { # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
finish() { [ "$failures" -eq 0 ] && { echo "all checks passed"; exit 0; }; echo "$failures check(s) failed"; exit 1; }

# The Linux path of the prefix's per-user application-data folder.
appdata_dir() {
    local windows_path
    windows_path=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
    winepath -u "$windows_path" 2>/dev/null
}

# Starts the program with no settings folder and waits until it has written
# its settings: by then it holds the instance mutex and its windows exist.
start_program_and_wait_until_running() {
    local config_dir
    config_dir="$(appdata_dir)/Morvellan Tintscope"
    rm -rf "$config_dir"
    start_program
    wait_for 60 test -s "$config_dir/config.dat"
}

# Runs the program to its end (at most $1 seconds); prints its exit code.
run_to_end() {
    local seconds=$1; shift
    timeout "$seconds" wine "$program_dir/tintscope.exe" "$@" >/dev/null 2>&1
    echo $?
}

# Starts the program in the background; its pid is in $program_pid.
start_program() {
    wine "$program_dir/tintscope.exe" >/dev/null 2>&1 &
    program_pid=$!
    started_pids+=("$program_pid")
}

# Waits until the condition holds (at most $1 seconds).
wait_for() {
    local seconds=$1; shift
    local end=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.2
    done
}

# The widget gallery of the toolkit test program. Starts it with its log in
# $gallery_log and finds its window ($gallery_window).
start_widget_gallery() {
    cp "$TINTSCOPE_BIN/toolkit-demo.exe" "$program_dir/"
    gallery_log=$work/widgets.log
    : >"$gallery_log"
    wine "$program_dir/toolkit-demo.exe" widgets "$(winepath -w "$gallery_log")" >/dev/null 2>&1 &
    gallery_pid=$!
    started_pids+=("$gallery_pid")
    gallery_window=
    wait_for 60 grep -qx ready "$gallery_log" || return 1
    find_gallery_window() {
        gallery_window=$(xdotool search --name '^Widget gallery – Tintscope Toolkit Demo$' 2>/dev/null | head -1)
        [ -n "$gallery_window" ]
    }
    wait_for 20 find_gallery_window
}
# The place of a gallery widget as "X Y W H" (client coordinates).
widget_rect() { grep -m1 "^widget $1 at " "$gallery_log" | sed 's/.* at //; s/,/ /g'; }
# Moves the pointer to a point of a gallery widget (its centre without one).
pointer_to_widget() { # NAME [DX DY]
    local x y w h
    read -r x y w h <<<"$(widget_rect "$1")"
    xdotool mousemove --window "$gallery_window" "$((x + ${2:-$((w / 2))}))" "$((y + ${3:-$((h / 2))}))"
}
# Lines the gallery logs from now on are checked by `gallery_logged`.
gallery_mark() { gallery_seen=$(wc -l <"$gallery_log"); }
gallery_has_line() { tail -n +$((gallery_seen + 1)) "$gallery_log" | grep -qxF -- "$1"; }
gallery_logged() { wait_for 10 gallery_has_line "$1"; }
gallery_not_logged() { ! tail -n +$((gallery_seen + 1)) "$gallery_log" | grep -q -- "$1"; }
