#!/usr/bin/env bash
# The data package decides whether the program may start: missing,
# truncated or with a damaged header it ends with -1 (255 here) and shows
# nothing; moved into the "data" folder beside the executable it runs.
. "$(dirname "$0")/lib.sh"

package=$program_dir/data.pak
check "the build made a data package" test -s "$package"
cp "$package" "$work/good.pak"

windows_shown() { xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l; }
baseline=$(windows_shown)

rm -f "$package"
check "missing package: exit code -1" test "$(run_to_end 30)" = 255

head -c 30 "$work/good.pak" >"$package"
check "truncated package: exit code -1" test "$(run_to_end 30)" = 255

cp "$work/good.pak" "$package"
printf 'XX' | dd of="$package" bs=1 seek=0 conv=notrunc status=none
check "damaged header: exit code -1" test "$(run_to_end 30)" = 255
check "no window was shown" test "$(windows_shown)" -le "$baseline"

rm -f "$package"
mkdir -p "$program_dir/data"
cp "$work/good.pak" "$program_dir/data/data.pak"
check "with data/data.pak the program gets past start-up" start_program_and_wait_until_running
check "and keeps running" kill -0 "$program_pid"
finish
