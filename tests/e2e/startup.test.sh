#!/usr/bin/env bash
# The program starts and keeps running its loop; a second copy started
# meanwhile ends at once with exit code -1 (255 on this side).
. "$(dirname "$0")/lib.sh"

check "the first copy starts" start_program_and_wait_until_running
sleep 1
check "the first copy is still running" kill -0 "$program_pid"
second=$(run_to_end 30)
check "a second copy ends with -1 (got $second)" test "$second" = 255
check "the first copy survives the second" kill -0 "$program_pid"
finish
