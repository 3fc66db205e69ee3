#!/usr/bin/env bash
# The data package and the "default" style set decide whether the program
# may start: either one missing, or the package truncated or with a damaged
# header, ends it with -1 (255 here) and shows nothing. The package moved
# into the "data" folder beside the executable, and the style set beside the
# executable or in its "styles" folder, run.
. "$(dirname "$0")/lib.sh"

package=$program_dir/data.pak
style=$program_dir/styles/default.style
check "the build made a data package" test -s "$package"
check "the build made the default style set" test -s "$style"
cp "$package" "$work/good.pak"
mv "$style" "$work/default.style"

windows_shown() { xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l; }
baseline=$(windows_shown)

check "no default style set: exit code -1" test "$(run_to_end 30)" = 255
cp "$work/default.style" "$program_dir/default.style"

rm -f "$package"
check "missing package: exit code -1" test "$(run_to_end 30)" = 255

head -c 30 "$work/good.pak" >"$package"
check "truncated package: exit code -1" test "$(run_to_end 30)" = 255

cp "$work/good.pak" "$package"
printf 'XX' | dd of="$package" bs=1 seek=0 conv=notrunc status=none
check "damaged header: exit code -1" test "$(run_to_end 30)" = 255
check "no window was shown" test "$(windows_shown)" -le "$baseline"

# Both files in their folders: data/data.pak and styles/default.style.
rm -f "$package" "$program_dir/default.style"
mkdir -p "$program_dir/data"
cp "$work/good.pak" "$program_dir/data/data.pak"
cp "$work/default.style" "$style"
check "with data/data.pak and styles/default.style the program gets past start-up" start_program_and_wait_until_running
check "and keeps running" kill -0 "$program_pid"
finish
