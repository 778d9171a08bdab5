"""Level props: belts, switches, air conditioners, the van, crates, mushrooms,
cans, bottles, checkpoints, icicles, hazards, springs, friendly fruits, the
goal basket, tiles and particle sprites.
"""
# Contents:
#   belts, switches, air conditioners, the van and its wheel, crates
#   mushrooms, cans, bottles, checkpoints, icicles, hazards, heat glow, sign board
#   springs, friendly fruits, the basket
#   particles and air: sparkle, smoke, cloud, air_column, air_stream
#   tiles: tile, TILE_SETS, collider
import math
from svg import *


def belt(i, colour, rightwards):
    """256 x 64; four frames whose treads and arrows advance a quarter step."""
    shift = (i * 8) * (1 if rightwards else -1)
    out = rect(4, 10, 248, 44, GREY_D, OUT, 3.5, rx=22)
    clip = uid("bc")
    out += defs('<clipPath id="%s"><rect x="8" y="14" width="240" height="36" rx="18"/></clipPath>' % clip)
    treads = ""
    for k in range(-2, 10):
        x = k * 32 + shift
        treads += path("M %s 14 L %s 50" % (f(x), f(x + 8)), None, "#45505a", 5)
    arrows = ""
    for k in range(-1, 5):
        x = k * 64 + 32 + shift * 2
        if rightwards:
            pts = [(x - 12, 24), (x + 2, 24), (x + 2, 18), (x + 16, 32), (x + 2, 46), (x + 2, 40), (x - 12, 40)]
        else:
            pts = [(x + 12, 24), (x - 2, 24), (x - 2, 18), (x - 16, 32), (x - 2, 46), (x - 2, 40), (x + 12, 40)]
        arrows += poly(pts, colour, OUT, 2.5)
    out += '<g clip-path="url(#%s)">%s%s</g>' % (clip, treads, arrows)
    for x in (26, 230):
        out += circle(x, 32, 12, GREY_L, OUT, 3) + circle(x, 32, 4, GREY_D, None)
        a = math.radians(i * 30 * (1 if rightwards else -1))
        out += line(x + 8 * math.cos(a), 32 + 8 * math.sin(a), x - 8 * math.cos(a), 32 - 8 * math.sin(a), GREY_D, 2.5)
    out += highlight(128, 16, 100, 2.5, opacity=0.35)
    return out


def switch(i):
    """96 x 96: 0 lever on, 1 lever on (glowing), 2 lever off, 3 floor button
    pressed, 4 floor button released, 5 lever half way."""
    if i >= 3 and i <= 4:
        pressed = i == 3
        out = rect(10, 70, 76, 18, GREY_D, OUT, 3, rx=6)
        top = 66 if pressed else 52
        col = GREEN_BTN if pressed else RED
        out += rect(22, top, 52, 74 - top, col, OUT, 3, rx=8)
        out += highlight(40, top + 5, 12, 2.5, opacity=0.5)
        return out
    angle = {0: -35, 1: -35, 2: 35, 5: 0}[i]
    on = i in (0, 1)
    # A wall box the lever stands in, and a lamp: green one way, red the other.
    light = {0: GREEN_BTN, 1: "#a8ff7a", 2: RED, 5: YELLOW}[i]
    out = ""
    if i == 1:
        out += circle(48, 52, 46, "#a8ff7a", None, opacity=0.35)
    out += rect(6, 44, 84, 48, YELLOW, OUT, 4, rx=10)
    out += rect(14, 52, 68, 32, GREY_D, OUT, 3, rx=6)
    lever = line(48, 64, 48, 14, OUT, 12) + line(48, 64, 48, 14, GREY_L, 7) + \
        circle(48, 12, 11, GREEN_BTN if on or i == 5 else RED, OUT, 3.5)
    out += group(lever, rot=angle, cx=48, cy=64)
    out += rect(26, 70, 44, 18, light, OUT, 2.5, rx=6)
    return out


def aircon(i):
    """128 x 128: 0-3 running (blades turn), 4-7 frosty and running, 8 frosty
    off, 9 frosty on, 10 off, 11 on (the frames the clickable switches show)."""
    frosty = 4 <= i <= 9
    running = i in (0, 1, 2, 3, 4, 5, 6, 7, 9, 11)
    frame = i % 4 if i < 8 else 0
    out = rect(8, 16, 112, 96, ICE if frosty else GREY_L, OUT, 4, rx=12)
    out += rect(18, 26, 92, 10, GREY, OUT, 2, rx=4)
    out += circle(64, 72, 30, GREY_D, OUT, 3)
    blades = ""
    for k in range(3):
        a = k * 120 + frame * 30
        blades += group(ellipse(64, 54, 8, 17, GREY_L if not running else WHITE, OUT, 2), rot=a, cx=64, cy=72)
    out += blades
    if running:
        out += circle(64, 72, 26, WHITE, None, opacity=0.25)
    out += circle(64, 72, 6, GREY, OUT, 2)
    out += circle(104, 31, 5, GREEN_BTN if running else RED, OUT, 2)
    if frosty:
        for x in (18, 40, 70, 96):
            out += path("M %s 112 L %s 122 L %s 112 Z" % (f(x), f(x + 4), f(x + 8)), ICE, OUT, 2)
    out += highlight(36, 22, 18, 3, opacity=0.5)
    return out


def van():
    """512 x 256: the delivery van, facing right, wheels left off (they are
    separate objects that spin)."""
    out = shadow(256, 236, 220, 10)
    out += path("M 24 200 L 24 60 Q 24 40 44 40 L 330 40 L 330 200 Z", WHITE, OUT, 5)
    out += path("M 330 80 L 420 80 Q 440 80 456 104 L 488 150 L 488 200 L 330 200 Z", RED, OUT, 5)
    out += path("M 344 92 L 414 92 Q 428 92 438 108 L 460 144 L 344 144 Z", SKY, OUT, 4)
    out += highlight(370, 104, 18, 5, rot=-20, opacity=0.6)
    out += rect(20, 196, 472, 18, GREY_D, OUT, 4, rx=8)
    out += rect(476, 160, 16, 14, YELLOW, OUT, 3, rx=3)
    # The logo on the side: a big smiling apple.
    from apple import apple_shape
    out += apple_shape(120, 120, 42, 3, "smile")
    out += text(230, 118, "FRESH", 40, RED, OUT, 6)
    out += text(230, 160, "FRUIT", 40, LEAF, OUT, 6)
    out += line(330, 60, 330, 200, OUT, 4)
    out += rect(352, 160, 20, 6, GREY_D, None, rx=3)
    # Wheel arches.
    for x in (110, 400):
        out += path("M %s 214 A 44 44 0 0 1 %s 214 Z" % (f(x - 46), f(x + 46)), "#2e1d12", OUT, 4)
    return out


def wheel(i):
    """96 x 96, four frames a quarter turn apart (with three-fold hubs, a
    quarter of a turn per frame reads as turning forward)."""
    out = circle(48, 48, 42, "#2b2b2b", OUT, 4) + circle(48, 48, 24, GREY_L, OUT, 3)
    for k in range(3):
        a = math.radians(k * 120 + i * 30)
        out += line(48, 48, 48 + 20 * math.cos(a), 48 + 20 * math.sin(a), GREY_D, 5)
    out += circle(48, 48, 7, GREY, OUT, 2.5)
    out += highlight(34, 30, 10, 4, rot=-40, opacity=0.3)
    return out


def crate(i):
    """128 x 128: 0 crate, 1 after a push (lid knocked askew), 2-3 wobble."""
    rot = {0: 0, 1: 0, 2: -5, 3: 4}[i]
    out = shadow(64, 122, 56, 5)
    box = rect(10, 16, 108, 104, BROWN_L, OUT, 4, rx=6)
    for y in (44, 72, 100):
        box += line(14, y, 114, y, BROWN, 3)
    box += rect(10, 16, 108, 104, None, OUT, 4, rx=6)
    box += line(18, 24, 110, 112, BROWN_D, 8) + line(18, 24, 110, 112, BROWN, 4)
    box += rect(6, 10, 116, 14, BROWN, OUT, 3.5, rx=4) if i != 1 else group(rect(6, 10, 116, 14, BROWN, OUT, 3.5, rx=4), rot=-6, cx=64, cy=17)
    box += highlight(40, 30, 22, 3, opacity=0.4)
    return out + group(box, rot=rot, cx=64, cy=120)


def mushroom(i):
    """128 x 128: 0-5 a squash and spring after a bounce, 6 at rest, 7 the same."""
    sx, sy = [(1.2, 0.7), (1.28, 0.62), (0.86, 1.2), (0.92, 1.1), (1.06, 0.94), (1.02, 0.98), (1, 1), (1, 1)][i]
    cap = path("M 12 70 Q 10 20 64 18 Q 118 20 116 70 Q 64 80 12 70 Z", RED, OUT, 4)
    for x, y, r in ((40, 40, 9), (74, 32, 8), (96, 54, 7), (58, 58, 6), (26, 58, 5)):
        cap += circle(x, y, r, CREAM, None)
    cap += highlight(42, 30, 16, 5, rot=-20)
    stalk = path("M 42 72 Q 38 118 48 122 L 80 122 Q 90 118 86 72 Z", CREAM, OUT, 4)
    stalk += eyes(64, 92, 9, 5, kind="happy" if i in (0, 1) else "open") + mouth(64, 104, 5, "open" if i in (2, 3) else "smile")
    return shadow(64, 122, 44, 5) + group(stalk + cap, sx=sx, sy=sy, cx=64, cy=122)


def can(i):
    """96 x 128: 0 red soda, 1 blue soda, 2 frozen can, 3 tomato can."""
    body, band = [(RED, WHITE), (BLUE, YELLOW), (ICE, "#9fd6f2"), ("#f3f0e6", RED)][i]
    out = shadow(48, 122, 36, 5)
    out += rect(14, 16, 68, 104, body, OUT, 4, rx=10)
    out += ellipse(48, 18, 34, 7, GREY_L, OUT, 3)
    out += path("M 16 58 Q 48 48 80 58 L 80 80 Q 48 70 16 80 Z", band, None)
    if i == 3:
        out += circle(48, 70, 14, RED, OUT, 2.5) + path("M 48 56 L 52 50", None, LEAF_D, 3)
    if i == 2:
        out += path("M 14 30 L 24 40 L 32 28 L 44 42 L 54 30 L 66 44 L 82 30", None, WHITE, 4)
        for x, y in ((30, 96), (62, 100), (46, 84)):
            out += poly(star_points(x, y, 6, 2.5, n=6), WHITE, None, 0)
    out += highlight(26, 70, 5, 40, opacity=0.4)
    out += rect(14, 16, 68, 104, None, OUT, 4, rx=10)
    return out


def bottle(i):
    """96 x 192: 0 the ketchup bottle, 1 a mustard bottle; the spinnable prop."""
    col, cap = [(RED, WHITE), (YELLOW, RED)][i]
    out = path("M 22 70 Q 20 40 38 34 L 38 20 L 58 20 L 58 34 Q 76 40 74 70 L 78 172 Q 78 184 66 184 L 30 184 Q 18 184 18 172 Z",
               col, OUT, 4)
    out += rect(34, 6, 28, 18, cap, OUT, 3.5, rx=4)
    out += rect(24, 90, 48, 56, CREAM, OUT, 3, rx=8)
    out += eyes(48, 110, 9, 5) + mouth(48, 124, 6, "smile")
    out += highlight(30, 80, 5, 36, opacity=0.4)
    return out


def checkpoint(i):
    """96 x 160: a flag on a pole. 0 furled grey, 1-6 rising, 7 flying green."""
    out = shadow(48, 154, 26, 4) + rect(28, 142, 40, 12, GREY_D, OUT, 3, rx=4)
    out += rect(30, 14, 7, 132, GREY_L, OUT, 3, rx=3) + circle(33, 12, 6, YELLOW, OUT, 2.5)
    t = min(i, 6) / 6.0
    y = 118 - 96 * t
    col = GREY if i == 0 else (GREEN_BTN if i >= 6 else YELLOW)
    wave = 5 * math.sin(i * 1.3)
    out += path("M 37 %s Q 60 %s 86 %s Q 62 %s 37 %s Z" % (f(y), f(y - 6 + wave), f(y + 14), f(y + 22 - wave), f(y + 30)),
                col, OUT, 3)
    if i >= 6:
        out += poly(star_points(58, y + 14, 7, 3), WHITE, None, 0)
    return out


def icicle(i):
    """64 x 128: 0 whole, 1 cracked, 2-3 shattering."""
    if i < 2:
        out = path("M 10 4 L 54 4 Q 44 40 34 124 Q 30 126 28 118 Q 20 40 10 4 Z", ICE, OUT, 3.5)
        out += path("M 22 10 Q 26 50 30 100", None, WHITE, 4, opacity=0.8)
        if i == 1:
            out += path("M 18 40 L 30 48 L 24 60 L 38 70", None, OUT, 2.5)
        return out
    spread = 10 if i == 2 else 22
    out = ""
    for k, (dx, dy, r) in enumerate(((-1, 0, 12), (1, -1, 10), (0, 1, 8), (-0.6, -1.2, 7), (0.8, 0.6, 9))):
        cx, cy = 32 + dx * spread, 108 + dy * spread * 0.5
        out += poly([(cx - r * 0.5, cy - r), (cx + r * 0.6, cy - r * 0.3), (cx, cy + r)], ICE, OUT, 2.5)
    return out


def hazard(i):
    """128 x 128: 0 upturned forks (spikes), 1 hot plate, 2 sticky
    marshmallow, 3 broken glass."""
    if i == 0:
        out = rect(4, 104, 120, 20, GREY_D, OUT, 3.5, rx=5)
        for x in (22, 64, 106):
            out += path("M %s 106 L %s 54" % (f(x), f(x)), None, OUT, 9) + path("M %s 106 L %s 54" % (f(x), f(x)), None, GREY_L, 5)
            for dx in (-10, 0, 10):
                out += path("M %s 56 L %s 24 L %s 18 L %s 24" % (f(x + dx), f(x + dx), f(x + dx + 1), f(x + dx + 2)), GREY_L, OUT, 2.5)
            out += rect(x - 13, 50, 26, 10, GREY_L, OUT, 2.5, rx=4)
        return out
    if i == 1:
        # The plate fills its box: a red-hot top over the dark body.
        out = rect(4, 4, 120, 120, GREY_D, OUT, 4, rx=8)
        out += rect(10, 10, 108, 40, "#ff5a2a", OUT, 3, rx=6) + rect(22, 18, 84, 14, "#ffb03a", None, rx=6)
        return out
    if i == 2:
        out = shadow(64, 122, 50, 5) + rect(14, 40, 100, 80, "#fff7fb", OUT, 4, rx=30)
        out += ellipse(64, 44, 48, 12, WHITE, OUT, 3)
        out += eyes(64, 80, 14, 6, kind="sad") + mouth(64, 98, 8, "wavy")
        out += highlight(36, 66, 7, 18, opacity=0.6)
        return out
    out = rect(4, 112, 120, 12, GREY_D, OUT, 3, rx=4)
    for k, x in enumerate((10, 34, 56, 80, 100)):
        h = [40, 70, 50, 80, 46][k]
        out += poly([(x, 114), (x + 10, 114 - h), (x + 24, 114)], "#c7f0ff", OUT, 2.5, opacity=0.9)
    return out


def heat_glow():
    """128 x 128: what lies around a hot plate set in the floor: the glowing
    coil in the pit under it (the lower 55 %, inset to the plate's width) and
    the heat waves rising over it."""
    d, g = linear([(0, "#ff5a2a", 0), (1, "#ff5a2a", 0.6)])
    out = defs(d) + rect(4, 8, 120, 52, g, None, rx=10)
    for x in (34, 64, 94):
        out += path("M %s 56 Q %s 44 %s 32 Q %s 20 %s 8" % (f(x), f(x - 8), f(x), f(x + 8), f(x)), None, "#ff7a2a", 5,
                    opacity=0.85)
    out += rect(18, 58, 92, 70, "#5a1a10", None)
    for y in (72, 90, 108):
        out += path("M 24 %s Q 40 %s 56 %s T 88 %s T 104 %s" % (f(y), f(y - 8), f(y), f(y), f(y)), None, "#ff6a2a", 5)
    return out


def sign_board():
    """1024 x 128: the board behind a sign's words, stretched to fit them."""
    return rect(6, 6, 1012, 116, CREAM, OUT, 6, rx=18) + rect(16, 14, 992, 18, WHITE, None, rx=9, opacity=0.4)


def spring(i):
    """128 x 64: the jump pad; 0 ready, 1 sprung."""
    top = 14 if i == 1 else 30
    out = rect(10, 52, 108, 10, GREY_D, OUT, 3, rx=4)
    pts = [(24, 52)]
    n = 5
    for k in range(n):
        y = 52 - (52 - top - 8) * (k + 0.5) / n
        pts.append((104 if k % 2 == 0 else 24, y))
    pts.append((64, top + 8))
    out += poly(pts, None, GREY, 4, closed=False)
    out += rect(14, top, 100, 12, YELLOW, OUT, 3.5, rx=6)
    return out


def fruit(i):
    """128 x 128 friendly fruits that share the shelves: orange, banana, grapes, pear."""
    out = shadow(64, 120, 40, 5)
    if i == 0:
        out += circle(64, 70, 46, ORANGE, OUT, 4) + highlight(46, 50, 14, 7, rot=-30)
        out += path("M 64 26 L 72 16", None, LEAF_D, 4) + ellipse(78, 20, 10, 5, LEAF, OUT, 2.5)
        out += eyes(64, 70, 14, 7) + mouth(64, 88, 8, "smile")
    elif i == 1:
        out += path("M 18 50 Q 30 118 110 90 Q 120 84 112 78 Q 50 96 34 40 Z", YELLOW, OUT, 4)
        out += path("M 34 40 L 30 28", None, BROWN_D, 6)
        out += eyes(58, 78, 9, 5, look=(0, 0.4)) + mouth(60, 92, 5, "smile")
    elif i == 2:
        for x, y in ((44, 44), (64, 40), (84, 44), (52, 64), (74, 64), (64, 86), (44, 84), (84, 84), (64, 106)):
            out += circle(x, y, 14, PURPLE, OUT, 3) + circle(x - 4, y - 5, 3.5, WHITE, None, opacity=0.5)
        out += path("M 64 28 L 64 14", None, BROWN_D, 5)
        out += eyes(64, 64, 10, 5) + mouth(64, 78, 5, "smile")
    else:
        out += path("M 64 22 Q 80 22 82 52 Q 110 70 104 96 Q 96 122 64 122 Q 32 122 24 96 Q 18 70 46 52 Q 48 22 64 22 Z",
                    "#b7d957", OUT, 4)
        out += path("M 64 22 L 66 10", None, BROWN_D, 5)
        out += highlight(46, 66, 8, 14, rot=20)
        out += eyes(64, 82, 12, 6) + mouth(64, 100, 7, "smile")
    return out


def basket():
    """128 x 128: the goal, a basket full of apples the apple wants to join."""
    out = shadow(64, 122, 54, 5)
    out += path("M 16 60 Q 64 -10 112 60", None, OUT, 10) + path("M 16 60 Q 64 -10 112 60", None, BROWN, 5)
    for x, c in ((34, RED), (56, RED_D), (80, RED), (98, LEAF)):
        out += circle(x, 58, 17, c, OUT, 3) + circle(x - 5, 52, 4, WHITE, None, opacity=0.5)
    out += path("M 8 62 L 120 62 L 108 120 L 20 120 Z", BROWN_L, OUT, 4)
    for y in (78, 94, 110):
        out += line(14, y, 114, y, BROWN, 3)
    for x in (36, 64, 92):
        out += line(x, 64, x - (x - 64) * 0.1, 118, BROWN, 3)
    out += rect(4, 58, 120, 10, BROWN, OUT, 3, rx=4)
    return out


def sparkle(i):
    """64 x 64 particle sprites: 0 star, 1 heart, 2 leaf, 3 snowflake."""
    if i == 0:
        return poly(star_points(32, 33, 26, 11), YELLOW, OUT, 2.5) + highlight(26, 24, 5, 3)
    if i == 1:
        return path(heart_path(32, 34, 24), RED, OUT, 2.5) + highlight(22, 24, 5, 3)
    if i == 2:
        return path("M 10 54 Q 8 10 54 8 Q 58 50 10 54 Z", LEAF, OUT, 2.5) + path("M 12 52 Q 30 30 50 12", None, LEAF_D, 2)
    out = ""
    for k in range(3):
        a = math.radians(k * 60)
        dx, dy = 26 * math.cos(a), 26 * math.sin(a)
        out += line(32 - dx, 32 - dy, 32 + dx, 32 + dy, WHITE, 6) + line(32 - dx, 32 - dy, 32 + dx, 32 + dy, "#9fd6f2", 2.5)
    return out + circle(32, 32, 6, WHITE, "#9fd6f2", 2)


def smoke(i):
    """64 x 64, four frames of a puff growing and fading."""
    r = 10 + i * 6
    op = 0.9 - i * 0.2
    return group(circle(32, 34, r, "#e9e4dc", None) + circle(32 - r * 0.4, 30, r * 0.6, WHITE, None) +
                 circle(32 + r * 0.4, 38, r * 0.5, "#d8d1c6", None), opacity=op)


def cloud():
    """64 x 64 soft puff, the default particle."""
    d, g = radial([(0, WHITE, 1), (0.6, WHITE, 0.7), (1, WHITE, 0)])
    return defs(d) + circle(32, 32, 32, g, None)


def air_column():
    """32 x 64: the faint streak drawn over an air conditioner's column,
    running or not (its particles show when it blows)."""
    d, g = linear([(0, WHITE, 0), (0.5, "#e6f7ff", 0.9), (1, WHITE, 0)])
    return defs(d) + rect(10, 2, 12, 60, g, None, rx=6)


def air_stream():
    """32 x 64: one streak of cold air for the air conditioners' particles,
    a pale blue arrowhead on top so it reads which way it blows."""
    d, g = linear([(0, "#7fc8f0", 0), (0.5, "#bfe9ff", 0.95), (1, WHITE, 0.6)])
    out = defs(d) + rect(10, 14, 12, 48, g, None, rx=6)
    out += poly([(4, 20), (16, 4), (28, 20)], "#bfe9ff", BLUE_D, 2, opacity=0.9)
    return out


# ---- Tiles: 8 x 8 sheets of 64-pixel tiles ----
# Columns are kinds of surface, rows the tile's place in a slab (top-left,
# top, top-right, left, middle, right, bottom, single).

def tile(material, row, col):
    base, top, dark, accent = material
    s = 64
    out = rect(0, 0, s, s, base, None)
    # Row decides which edges get a rim and the grassy / icy top.
    has_top = row in (0, 1, 2, 7) or col >= 6
    has_left = row in (0, 3, 6, 7)
    has_right = row in (2, 5, 6, 7)
    has_bottom = row in (6, 7)
    # A per-column texture so neighbours vary.
    if col % 3 == 0:
        for y in (20, 42):
            out += line(0, y, s, y, dark, 2, opacity=0.5)
        out += line(20, 20, 20, 42, dark, 2, opacity=0.5) + line(44, 42, 44, 64, dark, 2, opacity=0.5) + line(44, 0, 44, 20, dark, 2, opacity=0.5)
    elif col % 3 == 1:
        for x, y in ((16, 30), (44, 46), (36, 20), (52, 14)):
            out += circle(x, y, 3 + (x % 3), dark, None, opacity=0.35)
    else:
        for y in (16, 32, 48):
            out += line(0, y, s, y + 4, dark, 3, opacity=0.3)
    if has_top:
        out += path("M 0 0 L 64 0 L 64 14 Q 56 20 48 14 Q 40 20 32 14 Q 24 20 16 14 Q 8 20 0 14 Z", top, None)
        out += line(0, 2, 64, 2, WHITE, 2, opacity=0.4)
    if has_left:
        out += rect(0, 0, 4, s, dark, None)
    if has_right:
        out += rect(s - 4, 0, 4, s, dark, None)
    if has_bottom:
        out += rect(0, s - 4, s, 4, dark, None)
    if has_top:
        out += line(0, 0.5, 64, 0.5, accent, 1.5)
    return out


TILE_SETS = {
    # wood shelves with a green leafy top (market levels)
    "TilePlatform": ("#c98a52", "#6cc24a", "#8a5630", "#3a8a34"),
    # steel and grey-blue tops (warehouse levels)
    "TilePlatform2": ("#8d99a6", "#c9d3dc", "#5e6873", "#3b4550"),
    # ice blocks with snowy tops (freezer levels)
    "TilePlatform3": ("#a8def5", "#ffffff", "#6fb6d9", "#9fd6f2"),
}


def collider(kind):
    """The editor's collision-kind picker: the cell, the shape the kind stands
    for (solid block, thin diagonals, half-height slopes) and its number."""
    s = 64
    out = rect(2, 2, s - 4, s - 4, GREY_L, GREY_D, 2, rx=4, opacity=0.9)
    shapes = {
        1: "M 6 6 L 58 6 L 58 58 L 6 58 Z",
        2: "M 6 58 L 58 6 L 58 58 Z",
        3: "M 6 6 L 58 58 L 6 58 Z",
        4: "M 6 58 L 58 32 L 58 58 Z",
        5: "M 6 32 L 58 6 L 58 58 L 6 58 Z",
        6: "M 6 6 L 58 32 L 58 58 L 6 58 Z",
        7: "M 6 32 L 58 58 L 6 58 Z",
    }
    if kind == 0:
        out += line(16, 16, 48, 48, RED_D, 5) + line(48, 16, 16, 48, RED_D, 5)
    else:
        out += path(shapes[kind], ORANGE, OUT, 3, opacity=0.9)
    out += text(14, 22, str(kind), 16, WHITE, OUT, 4)
    return out
