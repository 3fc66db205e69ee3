#!/usr/bin/env bash
# The import check passes the shipped program and fails each probe, naming
# what it found.
# Usage: check-imports.test.sh TOOLS-DIR tintscope.exe vista_import_probe.exe newer_header_probe.exe
set -u
tools=$1
cases=(
    "$2|0|imports, all on the allow-list"
    "$3|1|imports KERNEL32.dll!GetTickCount64, which is not on the allow-list"
    "$4|1|its header asks for Windows 6.0 or later"
)
failures=0
for case in "${cases[@]}"; do
    IFS='|' read -r program status text <<<"$case"
    output=$("$tools/check-imports" "$tools/xp-imports.txt" "$program")
    got=$?
    if [ "$got" -eq "$status" ] && grep -qF -- "$text" <<<"$output"; then
        echo "ok: $(basename "$program")"
    else
        echo "FAILED: $(basename "$program") (status $got, wanted $status and \"$text\"):"
        echo "$output"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
