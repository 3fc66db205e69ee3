#!/usr/bin/env bash
# The portable zip: one folder named like the archive, holding the program,
# its data, the readme and the licence; unpacked into a fresh prefix, the
# program starts from there and ends with exit code 0. Its executable
# carries the version record, the manifest and the multi-size icon.
here=$(dirname "$0")
. "$here/../e2e/lib.sh"
. "$here/../e2e/main_window_lib.sh"
. "$here/release_lib.sh"

name=$(basename "$TINTSCOPE_RELEASE_ZIP" .zip)
expected=$work/expected.txt
{
    printf '%s\n' tintscope.exe data.pak styles/default.style readme.txt LICENSE.txt
    (cd "$TINTSCOPE_BIN" && ls languages/*.xml)
} | sed "s|^|$name/|" | sort >"$expected"
unzip -Z1 "$TINTSCOPE_RELEASE_ZIP" | sort >"$work/listed.txt"
check "the zip holds exactly the program folder $name" diff "$expected" "$work/listed.txt"

portable=$WINEPREFIX/drive_c/portable
rm -rf "$portable" "$(dirname "$config")"
unzip -q "$TINTSCOPE_RELEASE_ZIP" -d "$portable"
check "the unpacked program starts and exits with 0" program_runs_and_exits_cleanly "$portable/$name"

resources=$work/resources.rc
"$TINTSCOPE_WINDRES" -i "$portable/$name/tintscope.exe" -O rc >"$resources" 2>/dev/null
for value in "ProductName\", \"Morvellan Tintscope" "ProductVersion\", \"$TINTSCOPE_VERSION" \
    "FileVersion\", \"$TINTSCOPE_VERSION" "CompanyName\", \"Morvellan Software" \
    "FileDescription\", \"Morvellan Tintscope" "LegalCopyright\", L\"Copyright \\251"; do
    check "the version record holds $value" grep -qF "VALUE \"$value" "$resources"
done
check "the manifest runs the program as the invoker" grep -qF 'requestedExecutionLevel level=""asInvoker""' "$resources"
check "the manifest declares the program DPI-unaware" grep -qF '>false</dpiAware>' "$resources"
# Width and height of each icon image as windres writes them: 16, 24, 32, 48
# and 256 (written 0).
for size in '\020' '\030' '\040' '\060' '\000'; do
    check "the program icon has the image \"$size\"" grep -qF "\"$size$size\\000\\000\", 1, 32" "$resources"
done

rm -rf "$portable" "$(dirname "$config")"
finish
