#!/usr/bin/env bash
# The skin gallery of the toolkit test program on a real (Wine) window: it
# shows every skin of the shipped default style set, and the corners of
# sliced skins drawn larger than their frames stay exactly the source
# frame's corners, pixel for pixel, while the edges and the centre stretch.
#
# The gallery logs where it drew each frame ("skin NAME frame I at
# X,Y,W,H", client coordinates; the frame-size drawing first, then the
# larger one). Wine's X window is the client area, so a screenshot of it is
# in those coordinates. Skins with alpha are blended over the window's
# background, so the expected corner is the source crop put over the
# background colour (read from the gallery's margin) in the system's 8-bit
# arithmetic: the premultiplied colour, rounded, plus the background times
# (255 - alpha) / 255, rounded. (A one-step blend, as `-flatten` does it,
# is one level off on some edge pixels.)
. "$(dirname "$0")/lib.sh"

skins_dir=$(dirname "$TINTSCOPE_BIN")/data/styles/default/skins
cp "$TINTSCOPE_BIN/toolkit-demo.exe" "$program_dir/"
log=$work/gallery.log
shot=$work/gallery.png
: >"$log"
wine "$program_dir/toolkit-demo.exe" gallery "$(winepath -w "$log")" >/dev/null 2>&1 &
started_pids+=($!)

title='Skin gallery – Tintscope Toolkit Demo'
window=
find_window() { window=$(xdotool search --name "^${title}\$" 2>/dev/null | head -1); [ -n "$window" ]; }

check "the gallery loads the default style set and shows its window" wait_for 60 grep -qx ready "$log"
check "the gallery window is found by its exact title" wait_for 20 find_window
[ -n "$window" ] || finish

shipped_skins=$(grep -o 'name="[^"]*"' "$TINTSCOPE_BIN/../data/styles/default/xml/skins.xml" | cut -d'"' -f2 | sort -u)
missing=$(for name in $shipped_skins; do grep -q "^skin $name frame 0 at " "$log" || echo "$name"; done)
check "every shipped skin is drawn (missing: ${missing:-none})" test -z "$missing"
check "all 19 standard images are drawn" test "$(grep -c '^image ' "$log")" = 19

# The drawings of frame $2 of skin $1, as "x y w h" lines: frame size, then
# the larger size.
placements() { grep "^skin $1 frame $2 at " "$log" | sed 's/.* at //; s/,/ /g'; }

screenshot() { import -window "$window" "$shot" 2>/dev/null; }
background() { /usr/bin/convert "$shot" -crop 1x1+1+1 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }

# corner_matches SKIN FRAME CORNER(tl|br): the 3x3 corner of the larger
# drawing in a fresh screenshot equals the source frame's corner.
corner_matches() {
    local skin=$1 frame=$2 corner=$3 fw fh x y w h sx sy
    read -r _ _ fw fh < <(placements "$skin" "$frame" | head -1)
    read -r x y w h < <(placements "$skin" "$frame" | tail -1)
    sx=$((frame * fw)) sy=0
    if [ "$corner" = br ]; then
        x=$((x + w - 3)) y=$((y + h - 3)) sx=$((sx + fw - 3)) sy=$((fh - 3))
    fi
    screenshot || return 1
    /usr/bin/convert "$skins_dir/$skin.png" -crop "3x3+$sx+$sy" +repage -size 3x3 "xc:$(background)" \
        -channel RGB -fx '(round(u*u.a*255)+round(v*(1-u.a)*255))/255' +channel -alpha off "$work/expected.png" &&
        /usr/bin/convert "$shot" -crop "3x3+$x+$y" +repage -alpha off "$work/actual.png" || return 1
    [ "$(compare -metric AE "$work/expected.png" "$work/actual.png" null: 2>&1)" = 0 ]
}

# The larger drawing really is larger in both directions, so matching
# corners mean the corners were kept, not the frame copied.
stretched() {
    local fw fh w h
    read -r _ _ fw fh < <(placements "$1" 0 | head -1)
    read -r _ _ w h < <(placements "$1" 0 | tail -1)
    [ "$w" -gt "$fw" ] && [ "$h" -gt "$fh" ]
}

for case in "UIButton_Background 2" "UIGroup_Background 0" "UILineEdit_Background 2"; do
    set -- $case
    check "$1 is drawn larger than its frame" stretched "$1"
    for corner in tl br; do
        # The first comparison also waits for the first paint.
        check "$1 frame $2: the $corner 3x3 corner drawn larger is the source's exactly" \
            wait_for 10 corner_matches "$1" "$2" "$corner"
    done
done

xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key alt+F4
demo_pid=${started_pids[-1]}
wait_for_exit() { ! kill -0 "$demo_pid" 2>/dev/null; }
status=124
if wait_for 20 wait_for_exit; then wait "$demo_pid"; status=$?; fi
check "closing the gallery ends it with exit code 0 (got $status)" test "$status" = 0
finish
