# What the runs of the release artefacts share. Sourced after lib.sh and
# main_window_lib.sh.
: "${TINTSCOPE_RELEASE_ZIP:?}" "${TINTSCOPE_RELEASE_SETUP:?}" "${TINTSCOPE_VERSION:?}"

# The Linux path of a Windows path, with %VARIABLES% expanded by Wine.
unix_path() {
    local windows_path
    windows_path=$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r"')
    winepath -u "$windows_path" 2>/dev/null
}

# Default settings, except that closing the window ends the program instead
# of hiding it in the notification area: a run then ends with Alt+F4 and
# reports its exit code.
write_settings_that_exit_on_close() { write_settings "$config" closeToNotificationArea=0; }

# Starts the program in the folder $1, waits for its main window and ends it
# with Alt+F4; true when it ended with exit code 0.
program_runs_and_exits_cleanly() {
    program_dir=$1
    write_settings_that_exit_on_close
    start_program
    wait_for 60 find_main_window || return 1
    close_window
    [ "$status" -eq 0 ]
}
