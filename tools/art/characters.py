"""The other living things: roaches and their riders, rats, the worm of the
ending and the shoppers who walk the background. Walkers face left; the game
mirrors them (InvertX) when they head right.
"""
import math
from svg import *


def roach(i):
    """128 x 96; frames 0-3 walk, 4 idle, 5 blocked (angry), 6-7 idle variants."""
    step = [0, 1, 2, 1][i % 4] if i < 4 else 0
    bob = [0, -2, 0, -2][i % 4] if i < 4 else 0
    out = shadow(66, 90, 46, 5)
    # Legs: three pairs, alternating.
    for k, lx in enumerate((40, 64, 88)):
        swing = (1 if (k + step) % 2 == 0 else -1) * (8 if i < 4 else 0) * (1 if step != 1 else 0.3)
        out += path("M %s 70 Q %s 80 %s 88" % (f(lx), f(lx - 6 + swing), f(lx - 12 + swing)), None, OUT, 5)
        out += path("M %s 70 Q %s 80 %s 88" % (f(lx), f(lx - 6 + swing), f(lx - 12 + swing)), None, BROWN_D, 2.5)
    body = ellipse(72, 58, 44, 22, BROWN, OUT, 3.5)
    body += path("M 72 36 L 72 80", None, BROWN_D, 2.5)
    body += highlight(60, 46, 16, 6, rot=-8, opacity=0.4)
    body += highlight(88, 46, 10, 5, rot=-8, opacity=0.3)
    head = circle(30, 58, 17, BROWN_D, OUT, 3.5)
    ant = 4 * math.sin(i * 1.6)
    head += path("M 24 44 Q 10 %s 0 %s" % (f(24 + ant), f(28 + ant)), None, OUT, 3)
    head += path("M 32 42 Q 26 %s 16 %s" % (f(18 - ant), f(14 - ant)), None, OUT, 3)
    kind = "sad" if i == 5 else "open"
    head += eyes(28, 56, 7, 5, look=(-0.6, 0), kind=kind)
    head += mouth(26, 66, 4, "flat" if i == 5 else "smile")
    return group(out + body + head, ty=bob)


def rider(i):
    """96 x 96: a blueberry in a cowboy hat that rides the roach; 2 frames bob."""
    bob = [0, -3][i]
    out = ""
    out += circle(48, 60 + bob, 26, PURPLE, OUT, 3.5)
    out += highlight(38, 50 + bob, 8, 5, rot=-30)
    out += poly(star_points(48, 36 + bob, 7, 3, n=5), "#5a3f85", None, 0)
    out += eyes(48, 62 + bob, 9, 5, look=(-0.5, 0))
    out += mouth(46, 72 + bob, 6, "open" if i else "smile")
    # Hat.
    out += ellipse(48, 36 + bob, 32, 7, BROWN_L, OUT, 3)
    out += path("M 30 36 Q 30 14 48 16 Q 66 14 66 36 Z".replace("36", f(36 + bob)).replace("14", f(14 + bob)).replace("16", f(16 + bob)),
                BROWN_L, OUT, 3)
    out += rect(31, 29 + bob, 34, 5, RED, None)
    return out


def rat(i):
    """128 x 96; frames 0-5 run, 6 sits still, 7 jumps. Faces left."""
    if i < 6:
        ph = i / 6.0 * 2 * math.pi
        bob = -3 * abs(math.sin(ph))
        stretch = 1 + 0.06 * math.sin(ph)
    elif i == 6:
        bob, stretch, ph = 0, 1.0, 0
    else:
        bob, stretch, ph = -10, 1.12, math.pi / 2
    out = shadow(64, 90, 40, 5)
    tail = "M 100 66 Q 122 %s 124 %s" % (f(52 + 8 * math.sin(ph)), f(36 + 6 * math.cos(ph)))
    out += path(tail, None, OUT, 6) + path(tail, None, PINK, 3)
    # Feet.
    for k, fx in enumerate((44, 88)):
        sw = 8 * math.sin(ph + k * math.pi) if i < 6 else (0 if i == 6 else (-8 if k else 8))
        out += ellipse(fx + sw, 86 + bob * 0.2, 9, 5, PINK, OUT, 2.5)
    body = ellipse(70, 62, 36 * stretch, 24 / stretch, GREY, OUT, 3.5)
    body += ellipse(70, 70, 22, 12, GREY_L, None, opacity=0.8)
    head = path("M 48 46 Q 24 48 10 64 Q 24 76 48 76 Z", GREY, OUT, 3.5)
    head += circle(10, 64, 4.5, PINK, OUT, 2)
    head += circle(48, 40, 12, GREY, OUT, 3) + circle(48, 40, 6.5, PINK, None)
    head += eyes(30, 58, 0.01, 5, look=(-0.6, 0)) if False else (
        ellipse(32, 58, 5, 6, WHITE, OUT, 2) + circle(30, 59, 3, BLACK, None) + circle(29, 57, 1, WHITE, None))
    for k in (-1, 1):
        head += line(14, 66, 2, 66 + k * 6, OUT, 1.5)
    return group(out + body + head, ty=bob)


def worm(i):
    """128 x 128. 0-2 side wiggle; 3-8 the worm rises from its hole in the top
    view; 9 it waves with a heart; 10-11 repeat 0 and 9."""
    if i in (10,):
        i = 0
    if i == 11:
        i = 9
    out = ""
    if i < 3:
        ph = i * 2 * math.pi / 3
        pts = []
        for k in range(7):
            x = 20 + k * 14
            y = 86 - 10 * abs(math.sin(ph + k * 0.9)) * (k % 2)
            pts.append((x, y))
        d = "M " + " L ".join("%s %s" % (f(x), f(y)) for x, y in pts)
        out += shadow(64, 100, 50, 5)
        out += path(d, None, OUT, 24) + path(d, None, "#f29fb0", 18)
        for x, y in pts[1:-1]:
            out += line(x, y - 8, x, y + 8, "#d97d92", 2)
        hx, hy = pts[0]
        out += circle(hx, hy - 4, 15, "#f29fb0", OUT, 3) + eyes(hx - 2, hy - 8, 6, 4, look=(-0.5, 0))
        out += mouth(hx - 2, hy + 2, 4, "smile")
        return out
    # Top view: a hole in the ground and the worm rising out of it.
    out += ellipse(64, 104, 34, 12, "#5a3a22", OUT, 3) + ellipse(64, 102, 26, 8, "#2e1d12", None)
    if i <= 8:
        h = [0, 10, 26, 42, 56, 64][i - 3]
        sway = [0, 0, 2, -3, 3, 0][i - 3]
        if h > 0:
            d = "M 64 104 Q %s %s %s %s" % (f(64 + sway * 2), f(104 - h * 0.5), f(64 + sway), f(104 - h))
            out += path(d, None, OUT, 26) + path(d, None, "#f29fb0", 20)
            hx, hy = 64 + sway, 104 - h
            out += circle(hx, hy - 6, 16, "#f29fb0", OUT, 3)
            if h > 20:
                out += eyes(hx, hy - 9, 6, 4) + mouth(hx, hy, 4, "open" if i >= 7 else "smile")
        out += path("M 38 104 Q 64 116 90 104", None, "#5a3a22", 6)
        return out
    # 9: waving with a heart above.
    d = "M 64 104 Q 70 70 64 40"
    out += path(d, None, OUT, 26) + path(d, None, "#f29fb0", 20)
    out += circle(64, 34, 16, "#f29fb0", OUT, 3) + eyes(64, 31, 6, 4, kind="happy") + mouth(64, 40, 5, "open")
    out += path(heart_path(96, 22, 11), RED, OUT, 2.5)
    out += path("M 50 64 Q 36 56 30 44", None, OUT, 9) + path("M 50 64 Q 36 56 30 44", None, "#f29fb0", 5)
    out += path("M 38 104 Q 64 116 90 104", None, "#5a3a22", 6)
    return out


def top_apple(i):
    """128 x 128: the apple seen from the front in the top view; 0 alone, 1 hugged."""
    from apple import apple_shape
    out = shadow(64, 118, 36, 6) + apple_shape(64, 66, 46, 3, "smile" if i == 0 else "happy")
    if i == 1:
        out += path(heart_path(102, 22, 10), RED, OUT, 2.5) + path(heart_path(24, 30, 7), PINK, OUT, 2)
    return out


SHIRTS = [(BLUE, "#2b4f8a"), ("#e0739a", "#5b3b7a"), (GREEN_BTN, "#6e4224")]
HAIR = [BROWN_D, "#e8b04a", BLACK]


def human(i, style=0, basket=False):
    """128 x 256 shopper walking left; 4 frames."""
    shirt, trousers = SHIRTS[style % 3]
    hair = HAIR[style % 3]
    ph = i * math.pi / 2
    bob = -3 * abs(math.sin(ph))
    out = shadow(64, 248, 34, 6)
    # Legs.
    for k in (-1, 1):
        # The far leg is a shade darker so the stride reads in every frame.
        sw = 14 * math.sin(ph) * k
        shade_col = trousers if k == 1 else "#1f2a3a"
        out += path("M 64 160 L %s 240" % f(64 + sw), None, OUT, 20) + path("M 64 160 L %s 240" % f(64 + sw), None, shade_col, 14)
        out += ellipse(64 + sw - 6, 242, 12, 6, BLACK, OUT, 2)
    body = path("M 40 160 Q 36 110 48 92 L 80 92 Q 92 110 88 160 Z", shirt, OUT, 3.5)
    body += highlight(54, 112, 6, 14, opacity=0.3)
    # Back arm swinging.
    a = 10 * math.sin(ph)
    arm = "M 64 100 L %s 150" % f(60 - a)
    body += path(arm, None, OUT, 16) + path(arm, None, shirt, 10) + circle(60 - a, 152, 7, SKIN, OUT, 2.5)
    head = circle(62, 66, 26, SKIN, OUT, 3.5)
    head += path("M 38 60 Q 40 34 64 36 Q 90 36 88 62 Q 78 48 60 50 Q 46 50 38 60 Z", hair, OUT, 3)
    head += ellipse(48, 68, 3.5, 4.5, BLACK, None) + circle(47, 66.5, 1.2, WHITE, None)
    head += path("M 44 80 Q 50 84 56 80", None, OUT, 2.5)
    head += ellipse(56, 74, 5, 3, PINK, None, opacity=0.5)
    head += path("M 38 68 Q 34 70 38 74", SKIN, OUT, 2.5)
    if basket:
        bx = 36
        hand = circle(bx + 4, 132, 7, SKIN, OUT, 2.5)
        arm2 = "M 64 100 Q 44 118 %s 132" % f(bx + 4)
        bas = path("M %s 130 Q %s 100 %s 130" % (f(bx - 22), f(bx - 4), f(bx + 14)), None, BROWN_D, 4)
        bas += circle(bx - 14, 130, 9, RED, OUT, 2) + circle(bx - 2, 128, 9, RED, OUT, 2) + circle(bx + 6, 131, 7, LEAF, OUT, 2)
        bas += path("M %s 132 L %s 132 L %s 160 L %s 160 Z" % (f(bx - 26), f(bx + 18), f(bx + 12), f(bx - 20)), BROWN_L, OUT, 3)
        bas += line(bx - 24, 142, bx + 16, 142, BROWN_D, 2) + line(bx - 22, 151, bx + 14, 151, BROWN_D, 2)
        front = path(arm2, None, OUT, 16) + path(arm2, None, shirt, 10) + bas + hand
    else:
        arm2 = "M 64 100 L %s 150" % f(66 + a)
        front = path(arm2, None, OUT, 16) + path(arm2, None, shirt, 10) + circle(66 + a, 152, 7, SKIN, OUT, 2.5)
    return group(out + body + head + front, ty=bob)
