#!/usr/bin/env python3
"""Makes the engine's own sprite sheets under Resources/Art/: each PNG with its
sheet text file, the art list Art.dat and the animation list Animations.dat.

Only the standard library is used (PNG written through zlib); the output is
deterministic, so running it again reproduces the committed files byte for byte.
Usage: python3 tools/make_art.py [art folder]   (default: Resources/Art)
"""
import math
import os
import struct
import sys
import zlib


def write_png(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b, a), each 0..255; y = 0 is the top row."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter type None
        for x in range(width):
            raw.extend(bytes(pixel(x, y)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def clamp(v):
    return max(0, min(255, int(round(v))))


def shade(colour, factor):
    return tuple(clamp(c * factor) for c in colour)


def tile_sheet(palette, tile=32, rows=8, cols=8):
    """Tiles: a body colour per column and row, a lighter top strip, a dark rim."""

    def pixel(x, y):
        c, r = x // tile, y // tile
        tx, ty = x % tile, y % tile
        body = palette[c % len(palette)]
        body = shade(body, 1.0 - 0.06 * r)
        if tx == 0 or ty == 0 or tx == tile - 1 or ty == tile - 1:
            return shade(body, 0.45) + (255,)
        if ty < 6:
            return shade(body, 1.35) + (255,)
        # A faint brick seam every 8 pixels keeps neighbouring tiles apart.
        if ty % 8 == 0 or (tx + (ty // 8) * 8) % 16 == 0:
            return shade(body, 0.8) + (255,)
        return body + (255,)

    return tile * cols, tile * rows, rows, cols, pixel


def placeholder_sheet(size=64):
    """Four checkered frames in four tints, for objects whose sheet was not chosen."""
    tints = [(255, 0, 255), (0, 200, 255), (255, 200, 0), (120, 255, 80)]

    def pixel(x, y):
        frame = (y // size) * 2 + (x // size)
        tx, ty = x % size, y % size
        if tx < 2 or ty < 2 or tx >= size - 2 or ty >= size - 2:
            return (20, 20, 20, 255)
        dark = ((tx // 8) + (ty // 8)) % 2 == 0
        return (tints[frame] if dark else (40, 40, 40)) + (255,)

    return size * 2, size * 2, 2, 2, pixel


def cloud_sheet(size=64):
    """A soft white puff: alpha falls off from the centre."""

    def pixel(x, y):
        d = math.hypot(x + 0.5 - size / 2, y + 0.5 - size / 2) / (size / 2)
        alpha = 0 if d >= 1 else (1 - d * d) ** 1.5
        return (255, 255, 255, clamp(alpha * 255))

    return size, size, 1, 1, pixel


def cursor_sheet(size=32, rows=2, cols=4):
    """Arrow cursors, one colour per cursor kind, the tip at the top-left."""
    colours = [(255, 255, 255), (255, 220, 60), (120, 220, 255), (160, 255, 120),
               (255, 160, 220), (255, 80, 60), (200, 200, 200), (180, 140, 255)]

    def pixel(x, y):
        frame = (y // size) * cols + (x // size)
        tx, ty = x % size, y % size
        inside = tx <= ty * 0.7 and ty < size - 4 and tx + ty * 0.35 < size * 0.85
        edge = inside and (tx == 0 or tx >= ty * 0.7 - 1.5 or ty >= size - 6 or tx + ty * 0.35 >= size * 0.85 - 1.5)
        if edge:
            return (0, 0, 0, 255)
        if inside:
            return colours[frame % len(colours)] + (255,)
        return (0, 0, 0, 0)

    return size * cols, size * rows, rows, cols, pixel


SHEETS = {
    "TilePlatform": tile_sheet([(120, 84, 52), (96, 160, 64), (150, 110, 70), (80, 130, 60),
                                (170, 120, 80), (110, 90, 60), (90, 150, 90), (140, 100, 60)]),
    "TilePlatform2": tile_sheet([(110, 118, 130), (90, 96, 110), (130, 136, 150), (100, 110, 140),
                                 (120, 120, 120), (80, 90, 100), (140, 140, 160), (96, 104, 124)]),
    "TilePlatform3": tile_sheet([(170, 220, 240), (140, 200, 230), (200, 235, 250), (120, 180, 220),
                                 (180, 210, 230), (150, 190, 220), (210, 240, 255), (130, 170, 210)]),
    "PlaceHolder1": placeholder_sheet(),
    "Cloud": cloud_sheet(),
    "MouseCursor": cursor_sheet(),
}

# name -> (sheet key, frames, frames per second)
ANIMATIONS = {
    "Tester": ("PlaceHolder1", [0, 1, 2, 3], 4),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("Resources", "Art")
    os.makedirs(folder, exist_ok=True)
    art_list = []
    for name in sorted(SHEETS):
        width, height, rows, cols, pixel = SHEETS[name]
        write_png(os.path.join(folder, name + ".png"), width, height, pixel)
        lines = [str(rows), str(cols), name] + ["Sprite%d" % (k + 1) for k in range(rows * cols)]
        with open(os.path.join(folder, name + ".txt"), "w", newline="\n") as out:
            out.write("\n".join(lines) + "\n")
        art_list += [name, "Resources/Art/" + name + ".txt"]
    with open(os.path.join(folder, "Art.dat"), "w", newline="\n") as out:
        out.write("\n".join(art_list) + "\n")
    with open(os.path.join(folder, "Animations.dat"), "w", newline="\n") as out:
        for i, name in enumerate(sorted(ANIMATIONS)):
            key, frames, fps = ANIMATIONS[name]
            out.write("Animation%s\n%s\n%s\n" % (chr(48 + i), key, name))
            out.write("".join("%d " % f for f in frames) + "-1\n%d\n" % fps)


if __name__ == "__main__":
    main()
