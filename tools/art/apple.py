"""The hero: a red apple with a face, in four states of health (whole, one
bite, two bites, core), plus its resting, jumping, dying, landing and turning
frames. Everything lives on one 10 x 10 sheet of 128-pixel frames, because the
game writes the rolling frames 0, 22, 44 and 66 straight into whatever sheet
the apple shows, and the landing and turning effects start on frame 29.
"""
import math
from svg import *

S = 128  # frame size

APPLE_D = ("M 0 -0.72 C 0.3 -1.02 1.0 -0.92 1.0 -0.12 C 1.0 0.58 0.58 1.0 0.26 0.96 "
           "C 0.12 0.94 -0.12 0.94 -0.26 0.96 C -0.58 1.0 -1.0 0.58 -1.0 -0.12 "
           "C -1.0 -0.92 -0.3 -1.02 0 -0.72 Z")

# Bites (centre x, centre y, radius) in apple units for each health level.
BITES = {3: [], 2: [(1.05, -0.05, 0.38)], 1: [(1.05, -0.05, 0.38), (-1.02, 0.35, 0.36)]}


def apple_shape(cx, cy, r, health=3, face="smile", blink=0.0, sx=1.0, sy=1.0, rot=0.0, look=(0, 0),
                ghost=False, leaf_wave=0.0):
    """One apple centred on (cx, cy), radius r; health 3 whole .. 0 core."""
    k = r
    body = []
    sw = 3.2 / k * 1.0  # outline width in apple units
    fill = RED if not ghost else WHITE
    fill_d = RED_D if not ghost else "#dfe9f5"
    if health <= 0:
        # The core: red caps top and bottom, pale flesh waist, two seeds.
        core = ("M -0.55 -0.8 C -0.2 -1.0 0.2 -1.0 0.55 -0.8 C 0.62 -0.62 0.5 -0.52 0.3 -0.42 "
                "C 0.18 -0.2 0.18 0.22 0.3 0.42 C 0.55 0.55 0.68 0.72 0.55 0.9 "
                "C 0.2 1.02 -0.2 1.02 -0.55 0.9 C -0.68 0.72 -0.55 0.55 -0.3 0.42 "
                "C -0.18 0.22 -0.18 -0.2 -0.3 -0.42 C -0.5 -0.52 -0.62 -0.62 -0.55 -0.8 Z")
        body.append(path(core, FLESH, OUT, sw))
        body.append(path("M -0.55 -0.8 C -0.2 -1.0 0.2 -1.0 0.55 -0.8 C 0.6 -0.66 0.52 -0.58 0.42 -0.52 "
                         "C 0.1 -0.6 -0.1 -0.6 -0.42 -0.52 C -0.52 -0.58 -0.6 -0.66 -0.55 -0.8 Z", fill, OUT, sw))
        body.append(path("M -0.55 0.9 C -0.2 1.02 0.2 1.02 0.55 0.9 C 0.66 0.76 0.6 0.64 0.46 0.56 "
                         "C 0.1 0.64 -0.1 0.64 -0.46 0.56 C -0.6 0.64 -0.66 0.76 -0.55 0.9 Z", fill, OUT, sw))
        body.append(ellipse(-0.08, 0.05, 0.05, 0.09, BROWN_D, None) + ellipse(0.08, 0.12, 0.05, 0.09, BROWN_D, None))
        face_y, face_w = -0.12, 0.16
    else:
        mid = uid("m")
        clip = uid("c")
        bites = BITES[health]
        mask = ('<mask id="%s" maskUnits="userSpaceOnUse" x="-2" y="-2" width="4" height="4">'
                '<rect x="-2" y="-2" width="4" height="4" fill="white"/>%s</mask>') % (
            mid, "".join(circle(x, y, br, "black", None) for x, y, br in bites))
        cp = '<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, APPLE_D)
        body.append(defs(mask + cp))
        grad_d, grad = radial([(0, RED_L if not ghost else WHITE), (0.55, fill), (1, fill_d)], cx=0.35, cy=0.3, r=0.8)
        body.append(defs(grad_d))
        inner = path(APPLE_D, grad, None)
        # Flesh rims around each bite, inside the apple only.
        for x, y, br in bites:
            inner += circle(x, y, br + 0.13, FLESH, None)
        inner += "".join(circle(x, y, br + 0.06, FLESH_D, None, opacity=0.5) for x, y, br in bites)
        body.append('<g clip-path="url(#%s)"><g mask="url(#%s)">%s</g></g>' % (clip, mid, inner))
        body.append('<g mask="url(#%s)">%s</g>' % (mid, path(APPLE_D, None, OUT, sw)))
        body.append('<g clip-path="url(#%s)">%s</g>' % (clip, "".join(circle(x, y, br, None, OUT, sw) for x, y, br in bites)))
        body.append(highlight(-0.45, -0.45, 0.22, 0.13, rot=-35, opacity=0.55))
        face_y, face_w = 0.0, 0.3
    # Stem and leaf.
    body.append(path("M 0.0 -0.72 C 0.02 -0.9 0.08 -1.02 0.16 -1.12", None, OUT, 0.11))
    body.append(path("M 0.0 -0.72 C 0.02 -0.9 0.08 -1.02 0.16 -1.12", None, STEM, 0.06))
    lw = leaf_wave
    leaf = "M 0.1 -0.95 C 0.3 %s 0.65 %s 0.78 %s C 0.55 %s 0.25 %s 0.1 -0.95 Z" % (
        f(-1.25 - lw), f(-1.22 - lw), f(-1.02 - lw * 0.5), f(-0.84 - lw * 0.3), f(-0.82), )
    body.append(path(leaf, LEAF if not ghost else "#eaf7ea", OUT, sw))
    body.append(path("M 0.14 -0.95 C 0.35 -1.0 0.55 -1.02 0.7 -1.0", None, LEAF_D if not ghost else "#c8dcc8", 0.035))
    # Face.
    fy = face_y
    if face != "none":
        ek = {"smile": "open", "open": "open", "happy": "happy", "x": "x", "sad": "sad", "o": "open", "closed": "closed"}[face]
        er = 0.13 if health > 0 else 0.085
        gap = face_w
        body.append(eyes(0, fy - 0.08, gap, er, look=look, blink=blink, kind=ek))
        if health > 0:
            body.append(cheeks(0, fy + 0.14, gap + 0.12, 0.1))
        mk = {"smile": "smile", "open": "open", "happy": "open", "x": "wavy", "sad": "sad", "o": "o", "closed": "flat"}[face]
        body.append(mouth(0, fy + 0.18, 0.13 if health > 0 else 0.09, mk))
    g = "".join(body)
    # Scale from apple units to pixels, squash about the apple's bottom.
    return ('<g transform="translate(%s %s) rotate(%s) translate(0 %s) scale(%s %s) translate(0 %s)">%s</g>' % (
        f(cx), f(cy), f(rot), f(k * 0.95), f(k * sx), f(k * sy), f(-0.95), g))


def neutral(health):
    return shadow(64, 118, 38, 6) + apple_shape(64, 66, 48, health)


def rest(health, i):
    """Six frames for the resting loop: breathing in (+1, +2), a blink
    (+3 half, +4 shut), and glances right (+5) and left (+6)."""
    breathe = [1.02, 1.035, 1.02, 1.0, 0.985, 0.985][i]
    blink = [0, 0, 0.5, 1.0, 0, 0][i]
    look = [(0, 0), (0, 0), (0, 0), (0, 0), (0.5, 0), (-0.5, 0)][i]
    return shadow(64, 118, 38, 6) + apple_shape(64, 66, 48, health, "smile", blink, 1.0 / breathe, breathe, look=look,
                                                leaf_wave=0.06 * math.sin(i * math.pi / 3))


def rest_loop(base):
    """Two seconds at 12 frames a second: breathe, glance, breathe, glance, blink."""
    steps = [0, 1, 2, 2, 1, 0, 5, 5, 0, 1, 2, 2, 1, 0, 6, 6, 0, 1, 3, 4, 3, 0, 0, 0]
    return [base + k for k in steps]


def pop(health, i):
    """Eight frames of a hop: squash, spring, stretch in the air, settle."""
    sx, sy, lift = [(1.12, 0.82, 0), (1.22, 0.7, 0), (0.88, 1.16, 6), (0.85, 1.2, 16),
                    (0.93, 1.08, 22), (1.0, 1.0, 18), (1.04, 0.96, 8), (1.0, 1.0, 0)][i]
    face = "open" if 2 <= i <= 5 else ("closed" if i < 2 else "smile")
    sh = 38 - lift * 0.8
    return shadow(64, 118, sh, 6 - lift * 0.1) + apple_shape(64, 66 - lift, 44, health, face, sx=sx, sy=sy,
                                                             leaf_wave=0.1 if i in (2, 3) else -0.05)


def dying(i):
    """Sixteen frames: the core wobbles, keels over with x eyes, and a little
    ghost apple with a halo floats up out of the frame. The game shows this
    animation six times larger and moved (1.0, 2.3) up and right, so the core
    is drawn small, low and left, where the apple itself stood."""
    out = shadow(43, 123, 16, 3)
    if i < 4:
        wob = [-8, 8, -6, 4][i]
        out += apple_shape(43, 110, 14, 0, "o", rot=wob)
    else:
        tip = min(1.0, (i - 4) / 3.0)
        out += apple_shape(43 + 3 * tip, 111 + 3 * tip, 14, 0, "x", rot=80 * tip)
    if i >= 6:
        t = (i - 6) / 9.0
        gy = 100 - 80 * t
        gx = 48 + 10 * math.sin(t * 7)
        op = 0.85 if t < 0.7 else 0.85 * (1 - (t - 0.7) / 0.3)
        ghost = apple_shape(gx, gy, 13, 3, "closed", ghost=True)
        halo = ellipse(gx, gy - 19, 9, 3, None, YELLOW, 2.5)
        out += group(ghost + halo, opacity=max(op, 0.0))
    return out


def puff(cx, cy, r, op):
    return group(circle(cx, cy, r, "#f3e3c3", OUT, 2.5) + circle(cx - r * 0.3, cy - r * 0.3, r * 0.35, WHITE, None), opacity=op)


def land(i):
    """Frames 29-36: dust clouds thrown out sideways from under the apple."""
    if i == 0:
        return puff(64, 110, 11, 1.0) + puff(46, 113, 8, 1.0) + puff(82, 113, 8, 1.0)
    t = i / 7.0
    out = ""
    for side in (-1, 1):
        for j, (dx, r) in enumerate([(18, 14), (34, 11), (48, 8)]):
            x = 64 + side * (dx * (0.7 + 0.5 * t))
            y = 110 - j * 3 - 12 * math.sin(t * math.pi) * (1 - j * 0.2)
            out += puff(x, y, r * (1.0 - 0.45 * t) + 2, 1.0 - t * 0.8)
    # Impact lines on the first frames.
    if i < 4:
        for side in (-1, 1):
            out += line(64 + side * 40, 96, 64 + side * 56, 86, OUT, 3, opacity=1 - i * 0.25)
    return out


def turn(i):
    """Frames 37-43: a swoosh arc and sparks, drawn for an apple turning to the right."""
    t = (i + 1) / 7.0
    out = ""
    op = 1.0 - t * 0.85
    a0 = 200 - 160 * t
    d = "M %s %s A 44 44 0 0 1 %s %s" % (
        f(64 + 44 * math.cos(math.radians(a0))), f(66 + 44 * math.sin(math.radians(a0))),
        f(64 + 44 * math.cos(math.radians(a0 + 110))), f(66 + 44 * math.sin(math.radians(a0 + 110))))
    out += path(d, None, OUT, 14, opacity=op) + path(d, None, WHITE, 10, opacity=op) + path(d, None, YELLOW, 5, opacity=op)
    for k in range(3):
        ang = math.radians(150 + k * 30)
        r = 40 + 30 * t
        x, y = 64 + r * math.cos(ang), 80 + r * math.sin(ang) * 0.6
        out += poly(star_points(x, y, 7 * (1 - t * 0.5), 3), YELLOW, OUT, 1.5, opacity=op)
    out += puff(64 - 40 * t - 10, 112, 8 * (1 - t) + 3, op)
    return out


def frames():
    """The 100 frames in order (None = empty)."""
    out = [None] * 100
    for health, base in ((3, 0), (2, 22), (1, 44), (0, 66)):
        out[base] = neutral(health)
        for i in range(6):
            out[base + 1 + i] = rest(health, i)
    for health, start, count in ((3, 7, 8), (1, 51, 8), (2, 73, 8), (0, 15, 7)):
        for i in range(count):
            out[start + i] = pop(health, i)
    for i in range(8):
        out[29 + i] = land(i)
    for i in range(7):
        out[37 + i] = turn(i)
    for i in range(16):
        out[81 + i] = dying(i)
    return out


# Animation name -> (frames, fps); all on the sheet "Apple".
ANIMATIONS = {
    "Apple100": (rest_loop(0), 12),
    "Apple75": (rest_loop(22), 12),
    "Apple50": (rest_loop(44), 12),
    "Apple25": (rest_loop(66), 12),
    "Apple100Pop": (list(range(7, 15)), 23),
    "Apple75Pop": (list(range(73, 81)), 23),
    "Apple50Pop": (list(range(51, 59)), 23),
    "Apple25Pop": (list(range(15, 22)), 23),
    "AppleDyingAni": (list(range(81, 97)), 14),
    "AppleLand": (list(range(29, 37)), 18),
    "AppleChangeDirAni": ([29] + list(range(37, 44)), 15),
}
