#!/usr/bin/env bash
# The README's example language file, taken out of README.md as it stands and
# saved where the README says: the options window lists it, choosing it
# stores its file name, and the program then shows its translations.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/main_window_lib.sh"
. "$(dirname "$0")/options_window_lib.sh"

readme=$(dirname "$TINTSCOPE_TOOLS")/README.md
marker='^<!-- readme-example \(languages/[^ ]*\.xml\) -->$'
example_path=$(sed -n "s#$marker#\1#p" "$readme")
check "README.md marks one example language file" test "$(printf '%s\n' "$example_path" | grep -c .)" = 1
[ -n "$example_path" ] || finish
# The fenced block right after the marker, without its fences.
awk -v marker="<!-- readme-example $example_path -->" '
    $0 == marker { found = 1; next }
    found && /^```xml$/ { inside = 1; next }
    inside && /^```$/ { exit }
    inside' "$readme" >"$program_dir/$example_path"

key=$(basename "$example_path" .xml)
language=$(sed -n 's/.*<translation language="\([^"]*\)".*/\1/p' "$program_dir/$example_path")
options_title=$(sed -n 's/.*context="Options" translation="\([^"]*\)".*/\1/p' "$program_dir/$example_path")
check "the example names its language and translates the options window's title" \
    test -n "$language" -a -n "$options_title"

check "the program starts" start fresh
[ -n "$main_window" ] || finish
check "the options window opens in English" open_options Options
choose_language "$(printf '%s' "${language:0:1}" | tr '[:upper:]' '[:lower:]')"
click_ok
check "choosing $language and OK stores \"$key\"" wait_for 10 setting_is language "$key"
check "the options window is then titled \"$options_title $dash Morvellan Tintscope\"" open_options "$options_title"
xdotool key Escape
check "Escape closes it" wait_for 10 options_gone
close_window
check "the program ends with 0" test "$status" = 0
finish
