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
