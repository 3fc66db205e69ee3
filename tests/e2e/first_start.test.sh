#!/usr/bin/env bash
# A first start with no settings folder creates
# %APPDATA%\Morvellan Tintscope\config.dat holding the eleven defaults.
. "$(dirname "$0")/lib.sh"

appdata=$(appdata_dir)
check "the prefix has an application-data folder" test -d "$appdata"
config_dir="$appdata/Morvellan Tintscope"
rm -rf "$config_dir"

start_program
check "config.dat appears" wait_for 30 test -s "$config_dir/config.dat"
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null

expected=$work/expected.dat
write_settings "$expected"
check "config.dat holds exactly the defaults" cmp "$expected" "$config_dir/config.dat"
finish
