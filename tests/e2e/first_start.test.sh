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
printf '\xef\xbb\xbf' >"$expected"
while IFS= read -r line; do printf '%s\r\n' "$line" >>"$expected"; done <<'XML'
<?xml version="1.0" encoding="utf-8"?>
<groups>
    <group name="general">
        <item name="language" value="english" />
        <item name="minimizeToNotificationArea" value="1" />
        <item name="closeToNotificationArea" value="1" />
        <item name="hotkeyShowAndHide" value="0" />
        <item name="colorFormat" value="2" />
        <item name="zoomFactor" value="1" />
    </group>
    <group name="windows">
        <item name="windowMainLeft" value="-1" />
        <item name="windowMainTop" value="-1" />
        <item name="windowMainWidth" value="400" />
        <item name="windowMainHeight" value="270" />
        <item name="windowMainTopMost" value="0" />
    </group>
</groups>
XML
check "config.dat holds exactly the defaults" cmp "$expected" "$config_dir/config.dat"
finish
