#!/usr/bin/env python3
"""make_icon_test.py MAKE-ICON

Packs a small SVG of known pixels (top half opaque red, bottom half
transparent, a palette colour in the top left quarter) with make-icon and
reads the icon file back the way Windows does: one directory entry per size,
bitmaps bottom-up in BGRA with an AND mask below 256 pixels, PNG at 256.
Prints every fault and exits with 1 when there is one.
"""
import os
import struct
import subprocess
import sys
import tempfile

SVG = """<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8" viewBox="0 0 8 8">
  <rect x="0" y="0" width="8" height="4" fill="#ff0000"/>
  <rect x="0" y="0" width="4" height="4" fill="var(--probe)"/>
</svg>
"""
PALETTE = "probe #00ff00\n"
# size: (top-left, top-right, bottom) pixels as (B, G, R, A), or None for PNG
CASES = {
    8: ((0, 255, 0, 255), (0, 0, 255, 255), (0, 0, 0, 0)),
    16: ((0, 255, 0, 255), (0, 0, 255, 255), (0, 0, 0, 0)),
    256: None,
}

faults = []


def expect(condition, message):
    if not condition:
        faults.append(message)


def check_bitmap(size, image, pixels):
    header = struct.unpack("<IiiHHI", image[:20])
    expect(header == (40, size, 2 * size, 1, 32, 0), f"{size} px: bitmap header {header}")
    stride = 4 * size

    def pixel(x, y):  # y counted from the top of the picture
        row = size - 1 - y
        return tuple(image[40 + row * stride + 4 * x:40 + row * stride + 4 * x + 4])

    def masked(x, y):
        mask_stride = ((size + 31) // 32) * 4
        row = size - 1 - y
        return bool(image[40 + size * stride + row * mask_stride + x // 8] & (0x80 >> (x % 8)))

    top_left, top_right, bottom = pixels
    expect(pixel(1, 1) == top_left, f"{size} px: top left {pixel(1, 1)}, expected {top_left}")
    expect(pixel(size - 2, 1) == top_right, f"{size} px: top right {pixel(size - 2, 1)}, expected {top_right}")
    expect(pixel(1, size - 2) == bottom, f"{size} px: bottom {pixel(1, size - 2)}, expected {bottom}")
    expect(not masked(1, 1) and masked(1, size - 2), f"{size} px: the AND mask does not follow the alpha")


def main():
    make_icon = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        svg, palette, icon = (os.path.join(folder, name) for name in ("probe.svg", "palette.txt", "probe.ico"))
        with open(svg, "w") as f:
            f.write(SVG)
        with open(palette, "w") as f:
            f.write(PALETTE)
        subprocess.run([make_icon, svg, palette, icon] + [str(size) for size in CASES], check=True)
        with open(icon, "rb") as f:
            data = f.read()

    reserved, kind, count = struct.unpack("<HHH", data[:6])
    expect((reserved, kind, count) == (0, 1, len(CASES)), f"icon header {(reserved, kind, count)}")
    for index, (size, pixels) in enumerate(sorted(CASES.items())):
        width, height, _, _, planes, bits, length, offset = struct.unpack(
            "<BBBBHHII", data[6 + 16 * index:22 + 16 * index])
        side = 0 if size == 256 else size
        expect((width, height, planes, bits) == (side, side, 1, 32), f"{size} px: entry {(width, height, planes, bits)}")
        image = data[offset:offset + length]
        expect(offset + length <= len(data), f"{size} px: the image runs past the end of the file")
        if pixels is None:
            expect(image.startswith(b"\x89PNG\r\n\x1a\n"), f"{size} px: not stored as PNG")
        else:
            check_bitmap(size, image, pixels)

    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
