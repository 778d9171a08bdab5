"""Big pictures: the splash logos, the menu backdrop, the story card, the
credits, and the level backgrounds in parallax layers (a far layer, a near
layer with transparent gaps, and a top layer that hangs from the ceiling).
"""
# Contents:
#   logos: velmar_logo, team_logo, orlintide_logo
#   backdrop helpers: sky_gradient, hills, tree
#   menu_bg, clip_panel, story, credits_bg, black, white
#   level backgrounds: market, warehouse, freezer, top_layer, ending_bg, street
import math
import random
from svg import *
from apple import apple_shape
from characters import human, worm
from props import van, wheel, crate


def velmar_logo():
    """768 x 384: a round emblem with a stylised V and the name."""
    out = circle(192, 192, 130, BLUE, OUT, 8) + circle(192, 192, 100, SKY, None)
    out += path("M 132 130 L 192 262 L 252 130", None, OUT, 30) + path("M 132 130 L 192 262 L 252 130", None, WHITE, 18)
    out += text(540, 210, "VELMAR", 84, BLUE_D, None)
    out += text(540, 266, "INSTITUTE", 40, GREY_D, None)
    return out


def team_logo():
    """768 x 384: the team's fruit basket badge."""
    out = rect(40, 60, 688, 264, YELLOW, OUT, 8, rx=60)
    out += apple_shape(170, 190, 70, 3, "happy")
    out += group(apple_shape(0, 0, 50, 3, "smile"), tx=270, ty=210)
    out += text(490, 190, "TEAM", 90, RED, OUT, 10)
    out += text(490, 262, "APPLECART", 54, BROWN_D, None)
    return out


def orlintide_logo():
    """768 x 384: the game's title."""
    out = ""
    for k, (x, y, r) in enumerate(((120, 110, 30), (660, 90, 22), (700, 300, 26), (80, 300, 18))):
        out += poly(star_points(x, y, r, r * 0.45), YELLOW, OUT, 3)
    out += text(384, 210, "ORLINTIDE", 118, RED, OUT, 18)
    out += text(384, 210, "ORLINTIDE", 118, RED, None)
    out += path("M 150 240 Q 384 300 618 240", None, LEAF_D, 10)
    out += apple_shape(384, 300, 54, 3, "open")
    return out


def sky_gradient(w, h, top, bottom):
    d, g = linear([(0, top), (1, bottom)])
    return defs(d) + rect(0, 0, w, h, g, None)


def hills(w, base, amp, col, seed, stroke=True):
    rnd = random.Random(seed)
    pts = []
    x = -40
    while x < w + 80:
        pts.append((x, base - amp * (0.5 + 0.5 * rnd.random())))
        x += 120 + rnd.random() * 80
    d = "M -40 %s " % f(base + 400)
    d += "L %s %s " % (f(pts[0][0]), f(pts[0][1]))
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        d += "Q %s %s %s %s " % (f(x0 + (x1 - x0) / 2), f(min(y0, y1) - amp * 0.3), f(x1), f(y1))
    d += "L %s %s Z" % (f(w + 80), f(base + 400))
    return path(d, col, OUT if stroke else None, 4)


def tree(x, y, s):
    out = rect(x - 10 * s, y - 60 * s, 20 * s, 60 * s, BROWN, OUT, 3)
    for dx, dy, r in ((0, -100, 50), (-36, -74, 36), (36, -74, 36)):
        out += circle(x + dx * s, y + dy * s, r * s, LEAF, OUT, 3)
    for dx, dy in ((-20, -96), (18, -110), (30, -70), (-34, -66)):
        out += circle(x + dx * s, y + dy * s, 7 * s, RED, OUT, 2)
    return out


def menu_bg():
    """1024 x 576: an orchard at the edge of a town, the menu's backdrop."""
    out = sky_gradient(1024, 576, "#8fd3ff", "#e8f7ff")
    out += circle(880, 96, 56, YELLOW, None, opacity=0.9) + circle(880, 96, 76, YELLOW, None, opacity=0.25)
    for x, y, s in ((140, 90, 1.0), (520, 60, 0.8), (760, 150, 0.7)):
        out += group(ellipse(0, 0, 70, 26, WHITE, None) + ellipse(-40, 8, 40, 20, WHITE, None) + ellipse(40, 10, 44, 18, WHITE, None),
                     tx=x, ty=y, sx=s, sy=s, opacity=0.9)
    out += hills(1024, 380, 80, "#9ed97a", 3)
    out += hills(1024, 450, 60, "#6cc24a", 5)
    for x, s in ((90, 1.2), (260, 0.9), (760, 1.0), (940, 1.3)):
        out += tree(x, 470 + (1.3 - s) * 40, s)
    out += rect(0, 500, 1024, 76, "#5aa83c", OUT, 4)
    return out


def clip_panel(content, x):
    """One story panel, clipped to its rounded frame."""
    cid = uid("sp")
    return (defs('<clipPath id="%s"><rect x="%d" y="80" width="312" height="400" rx="18"/></clipPath>' % (cid, x)) +
            '<g clip-path="url(#%s)">%s</g>' % (cid, group(content, tx=x)))


def story():
    """1024 x 576: three panels: the apple falls from its tree into a crate,
    the crate is driven to the town, the apple rolls out to find its way home."""
    out = rect(0, 0, 1024, 576, CREAM, None)
    for k in range(3):
        x = 24 + k * 332
        out += rect(x, 80, 312, 400, SKY, OUT, 6, rx=18)
    out += text(512, 56, "The apple's long way home", 40, BROWN_D, None)
    # Panel 1: tree, falling apple, crate below.
    p1 = tree(120, 430, 1.3) + crate(0) if False else tree(110, 460, 1.4)
    p1 += group(crate(0), tx=180, ty=330, sx=1.0, sy=1.0)
    p1 += apple_shape(250, 230, 26, 3, "o")
    p1 += path("M 250 180 L 250 150 M 236 186 L 226 160 M 264 186 L 274 160", None, OUT, 3)
    out += clip_panel(p1, 24)
    # Panel 2: the van drives off.
    p2 = rect(0, 400, 312, 80, GREY_D, None) + line(20, 440, 80, 440, WHITE, 6) + line(140, 440, 200, 440, WHITE, 6)
    p2 += group(van() + group(wheel(0), tx=62, ty=166) + group(wheel(1), tx=352, ty=166), tx=10, ty=230, sx=0.56, sy=0.56)
    p2 += text(156, 150, "Vroom!", 40, ORANGE, OUT, 6)
    out += clip_panel(p2, 356)
    # Panel 3: the apple, out in the big town, determined.
    p3 = rect(0, 380, 312, 100, "#c98a52", None) + rect(0, 376, 312, 14, LEAF, None)
    for bx, bh, c in ((20, 170, "#e0b58a"), (100, 200, "#c7b8e6"), (200, 180, "#f2c6a0")):
        p3 += rect(bx, 376 - bh, 90, bh, c, OUT, 3)
        for wy in range(376 - bh + 20, 360, 50):
            p3 += rect(bx + 16, wy, 22, 26, SKY, OUT, 2) + rect(bx + 52, wy, 22, 26, SKY, OUT, 2)
    p3 += apple_shape(156, 330, 40, 3, "open")
    p3 += text(156, 140, "Let's go!", 40, RED, OUT, 6)
    out += clip_panel(p3, 688)
    # Clip everything to the panel frames by drawing the frames again on top.
    for k in range(3):
        x = 24 + k * 332
        out += rect(x, 80, 312, 400, None, OUT, 6, rx=18)
    # The story goes on by itself after a few seconds; SPACE only hurries it.
    out += text(512, 540, "SPACE skips the story", 30, BROWN_D, None)
    return out


def credits_bg():
    """1024 x 576: the credits page. The card ends above the shelf of the
    credits level, whose floor and end pillars reach 160 pixels up from
    the picture's bottom edge (y 8 of the level, the picture spanning y 3.5
    to 26.5)."""
    out = menu_bg()
    out += rect(212, 34, 600, 420, CREAM, OUT, 6, rx=40)
    out += text(512, 100, "CREDITS", 56, RED, OUT, 8)
    lines = ["Game design, levels and code", "by the Tandrel team", "",
             "Art drawn as vector shapes in code", "Music written note by note",
             "Sounds shaped with sox", "", "Thank you for playing!"]
    for k, ln in enumerate(lines):
        out += text(512, 150 + k * 32, ln, 28, BROWN_D, None, weight="normal")
    out += apple_shape(512, 416, 26, 3, "happy")
    return out


def black():
    return rect(0, 0, 16, 16, "#000000", None)


def white():
    return rect(0, 0, 16, 16, "#ffffff", None)


# ---- Level backgrounds, 1024 x 512, one frame each ----

def market_far():
    out = sky_gradient(1024, 512, "#ffe3b3", "#fff6e6")
    out += rect(0, 300, 1024, 212, "#f7d9b0", None)
    for x in range(0, 1024, 256):
        out += rect(x + 20, 60, 216, 180, "#bfe6ff", OUT, 5, rx=8)
        out += line(x + 128, 60, x + 128, 240, OUT, 5) + line(x + 20, 150, x + 236, 150, OUT, 5)
        out += path("M %s 60 L %s 30 L %s 30 L %s 60 Z" % (f(x + 10), f(x + 30), f(x + 226), f(x + 246)), RED, OUT, 4)
        for k in range(5):
            out += rect(x + 30 + k * 40, 30, 20, 30, WHITE, None, opacity=0.8)
    out += rect(0, 300, 1024, 8, "#d9b48a", None)
    return out


def shelf_layer(y, fruit_colours, seed):
    rnd = random.Random(seed)
    out = ""
    for x in range(0, 1024, 256):
        out += rect(x + 10, y, 236, 150, "#c98a52", OUT, 5, rx=6)
        out += rect(x + 20, y + 10, 216, 60, "#8a5630", None)
        out += rect(x + 20, y + 80, 216, 60, "#8a5630", None)
        for row in (0, 1):
            for k in range(7):
                c = fruit_colours[rnd.randrange(len(fruit_colours))]
                cx = x + 36 + k * 30
                cy = y + 52 + row * 70
                out += circle(cx, cy, 14, c, OUT, 2.5) + circle(cx - 4, cy - 5, 3.5, WHITE, None, opacity=0.5)
        out += rect(x + 90, y + 150, 76, 34, YELLOW, OUT, 3, rx=6)
        out += text(x + 128, y + 175, "$%d" % (1 + rnd.randrange(9)), 22, BROWN_D, None)
    return out


def market_near():
    out = shelf_layer(300, [RED, ORANGE, YELLOW, LEAF, PURPLE], 11)
    return out


def warehouse_far():
    out = sky_gradient(1024, 512, "#9aa5b1", "#c9d3dc")
    for x in range(0, 1024, 128):
        out += rect(x, 0, 10, 512, "#7f8a96", None)
    for y in (120, 320):
        out += rect(0, y, 1024, 14, "#6f7a86", OUT, 3)
    for x in range(40, 1024, 200):
        out += rect(x, 150, 120, 80, "#c9a46a", OUT, 4) + line(x, 190, x + 120, 190, "#a07a44", 3)
        out += rect(x + 30, 240, 90, 80, "#d4b27a", OUT, 4)
    return out


def warehouse_near():
    out = ""
    for x in range(0, 1024, 340):
        out += rect(x + 20, 250, 20, 262, ORANGE, OUT, 4) + rect(x + 280, 250, 20, 262, ORANGE, OUT, 4)
        out += rect(x + 20, 250, 280, 16, BLUE_D, OUT, 4) + rect(x + 20, 380, 280, 16, BLUE_D, OUT, 4)
        out += group(crate(0), tx=x + 60, ty=252, sx=0.98, sy=1.0)
        out += group(crate(0), tx=x + 160, ty=266, sx=0.9, sy=0.9)
        out += rect(x + 56, 398, 200, 114, "#c9a46a", OUT, 4)
    return out


def freezer_far():
    out = sky_gradient(1024, 512, "#cdefff", "#f2fbff")
    for x in range(0, 1024, 256):
        out += rect(x + 16, 40, 224, 420, "#e6f7ff", OUT, 5, rx=12)
        out += rect(x + 28, 52, 200, 396, "#bfe6ff", None, rx=8, opacity=0.6)
        out += rect(x + 212, 200, 10, 80, GREY_L, OUT, 3, rx=4)
        for y in (150, 270, 390):
            out += line(x + 28, y, x + 228, y, "#9fd6f2", 4)
    return out


def freezer_near():
    out = ""
    for x in range(-60, 1100, 170):
        h = 120 + (x * 37) % 90
        out += path("M %s 512 L %s %s L %s 512 Z" % (f(x), f(x + 60), f(512 - h), f(x + 120)), ICE, OUT, 4)
        out += path("M %s %s L %s 512" % (f(x + 60), f(512 - h + 20), f(x + 54)), None, WHITE, 4, opacity=0.7)
    out += rect(0, 470, 1024, 42, WHITE, OUT, 4)
    return out


def top_layer():
    """Hanging lamps and bunting along the ceiling; the middle stays free
    of lamps for the board that says "THE END"."""
    out = rect(0, 0, 1024, 26, "#8a5630", OUT, 4)
    for x in (96, 288, 736, 928):
        out += line(x, 26, x, 120, OUT, 4)
        out += path("M %s 120 L %s 120 L %s 160 L %s 160 Z" % (f(x - 18), f(x + 18), f(x + 44), f(x - 44)), GREEN_BTN, OUT, 4)
        out += ellipse(x, 164, 30, 10, YELLOW, None, opacity=0.7)
    d = "M 0 40 " + " ".join("Q %s 90 %s 40" % (f(x + 64), f(x + 128)) for x in range(0, 1024, 128))
    out += path(d, None, OUT, 3)
    cols = [RED, YELLOW, BLUE, LEAF]
    for k, x in enumerate(range(32, 1024, 64)):
        y = 40 + 25 * math.sin(math.pi * ((x % 128) / 128.0))
        out += poly([(x - 14, y), (x + 14, y), (x, y + 30)], cols[k % 4], OUT, 2.5)
    return out


def ending_bg():
    """1024 x 576: the orchard at dusk for the last level's top view, its
    meadow reaching the bottom edge (the top view shows all of it)."""
    out = sky_gradient(1024, 576, "#ffb38a", "#ffe9c2")
    out += circle(512, 380, 120, "#ffd27a", None, opacity=0.8)
    out += hills(1024, 420, 70, "#8cc46a", 9)
    for x, s in ((120, 1.1), (880, 1.2)):
        out += tree(x, 470, s)
    out += hills(1024, 530, 36, "#7cb35c", 12)
    # Tufts and flowers in the near meadow.
    rnd = random.Random(14)
    for k in range(24):
        x, y = 20 + k * 42 + rnd.randrange(20), 536 + rnd.randrange(30)
        if k % 3 == 1:
            col = [WHITE, YELLOW, PINK][k % 2 + (k // 6) % 2]
            for a in range(5):
                ang = a * 2 * math.pi / 5
                out += circle(x + 5 * math.cos(ang), y + 5 * math.sin(ang), 4, col, OUT, 1.2)
            out += circle(x, y, 3, GOLD, None)
        else:
            out += path("M %s %s q 2 -12 5 -14 M %s %s q 1 -9 -4 -12 M %s %s q 3 -6 9 -8" % (
                f(x), f(y), f(x), f(y), f(x), f(y)), None, LEAF_D, 2.5)
    return out


def street_far():
    """The town the van drives through at the end: rooftops against the sky."""
    out = sky_gradient(1024, 512, "#8fd3ff", "#e8f7ff")
    rnd = random.Random(21)
    x = 0
    cols = ["#e0b58a", "#c7b8e6", "#f2c6a0", "#b9dcb0", "#f4d58d"]
    k = 0
    while x < 1024:
        w = 110 + rnd.randrange(60)
        h = 180 + rnd.randrange(160)
        out += rect(x, 512 - h, w, h, cols[k % len(cols)], OUT, 4)
        out += path("M %s %s L %s %s L %s %s Z" % (f(x - 6), f(512 - h), f(x + w / 2), f(512 - h - 40), f(x + w + 6), f(512 - h)),
                    RED_D if k % 2 else BROWN, OUT, 4)
        for wy in range(512 - h + 24, 470, 56):
            for wx in range(x + 16, x + w - 30, 40):
                out += rect(wx, wy, 24, 30, SKY, OUT, 2.5)
        x += w
        k += 1
    return out


def street_near():
    """Pavement, kerb and lamp posts along the bottom edge; the rest is clear."""
    out = rect(0, 420, 1024, 92, GREY_L, OUT, 4)
    for x in range(0, 1024, 64):
        out += line(x, 424, x, 512, GREY, 2)
    out += rect(0, 416, 1024, 12, GREY_D, OUT, 3)
    for x in (128, 640):
        out += rect(x - 6, 200, 12, 216, GREY_D, OUT, 3)
        out += path("M %s 204 Q %s 176 %s 186" % (f(x), f(x + 20), f(x + 46)), None, GREY_D, 8)
        out += ellipse(x + 50, 194, 18, 10, YELLOW, OUT, 3)
    for x in (360, 880):
        out += circle(x, 360, 44, LEAF, OUT, 4) + rect(x - 8, 380, 16, 40, BROWN, OUT, 3)
    return out
