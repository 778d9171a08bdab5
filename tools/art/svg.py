"""Small SVG building blocks shared by every drawing: the palette, shapes with
the house outline, gradients and unique ids for clips and masks.

Every drawing function returns an SVG fragment in frame-local pixels (0,0 at
the frame's top-left); the sheet builder places the fragments in a grid.
"""
import math

# One palette for the whole game: warm, saturated, dark-brown outlines.
OUT = "#3b2418"
RED = "#e8413c"
RED_D = "#b52a2a"
RED_L = "#ff7b6b"
FLESH = "#fff1c9"
FLESH_D = "#f1d58e"
LEAF = "#5cbf4a"
LEAF_D = "#3a8a34"
STEM = "#7a4a2a"
CREAM = "#fff6e0"
YELLOW = "#ffd23f"
GOLD = "#f5a623"
ORANGE = "#ff9a3c"
BLUE = "#4aa3df"
BLUE_D = "#2d6f9e"
SKY = "#bfe6ff"
ICE = "#d9f4ff"
PURPLE = "#8e6bbf"
PINK = "#ff9eb5"
GREY = "#9aa5b1"
GREY_D = "#5e6873"
GREY_L = "#d5dbe1"
BROWN = "#a86b3c"
BROWN_D = "#6e4224"
BROWN_L = "#d49a62"
WHITE = "#ffffff"
BLACK = "#1c120c"
GREEN_BTN = "#6cc24a"
SKIN = "#f6c59a"
SKIN_D = "#d9955f"

FONT = "DejaVu Sans"

_counter = [0]


def uid(prefix="i"):
    _counter[0] += 1
    return "%s%d" % (prefix, _counter[0])


def reset_ids():
    _counter[0] = 0


def f(v):
    """Numbers written compactly and identically on every run."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def attrs(fill=None, stroke=OUT, sw=3, opacity=None, extra=""):
    a = ""
    a += ' fill="%s"' % (fill if fill else "none")
    if stroke:
        a += ' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"' % (stroke, f(sw))
    if opacity is not None:
        a += ' opacity="%s"' % f(opacity)
    return a + extra


def circle(cx, cy, r, fill=None, stroke=OUT, sw=3, opacity=None, extra=""):
    return '<circle cx="%s" cy="%s" r="%s"%s/>' % (f(cx), f(cy), f(r), attrs(fill, stroke, sw, opacity, extra))


def ellipse(cx, cy, rx, ry, fill=None, stroke=OUT, sw=3, opacity=None, extra=""):
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s/>' % (f(cx), f(cy), f(rx), f(ry), attrs(fill, stroke, sw, opacity, extra))


def rect(x, y, w, h, fill=None, stroke=OUT, sw=3, rx=0, opacity=None, extra=""):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="%s"%s/>' % (
        f(x), f(y), f(w), f(h), f(rx), attrs(fill, stroke, sw, opacity, extra))


def path(d, fill=None, stroke=OUT, sw=3, opacity=None, extra=""):
    return '<path d="%s"%s/>' % (d, attrs(fill, stroke, sw, opacity, extra))


def line(x1, y1, x2, y2, stroke=OUT, sw=3, opacity=None):
    return '<line x1="%s" y1="%s" x2="%s" y2="%s"%s/>' % (f(x1), f(y1), f(x2), f(y2), attrs(None, stroke, sw, opacity))


def poly(points, fill=None, stroke=OUT, sw=3, opacity=None, closed=True):
    pts = " ".join("%s,%s" % (f(x), f(y)) for x, y in points)
    tag = "polygon" if closed else "polyline"
    return '<%s points="%s"%s/>' % (tag, pts, attrs(fill, stroke, sw, opacity))


def text(x, y, s, size, fill=WHITE, stroke=OUT, sw=4, anchor="middle", weight="bold", family=FONT, opacity=None):
    """Outlined label: the stroke is painted under the fill so letters stay fat."""
    op = ' opacity="%s"' % f(opacity) if opacity is not None else ""
    base = 'x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" text-anchor="%s"%s' % (
        f(x), f(y), family, f(size), weight, anchor, op)
    s = s.replace("&", "&amp;").replace("<", "&lt;")
    out = ""
    if stroke:
        out += '<text %s fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round">%s</text>' % (
            base, stroke, stroke, f(sw), s)
    out += '<text %s fill="%s">%s</text>' % (base, fill, s)
    return out


def group(content, tx=0, ty=0, rot=0, sx=1, sy=1, cx=0, cy=0, opacity=None, extra=""):
    """A group transformed about (cx, cy): translate, rotate, scale."""
    t = []
    if tx or ty:
        t.append("translate(%s %s)" % (f(tx), f(ty)))
    if rot or sx != 1 or sy != 1:
        t.append("translate(%s %s)" % (f(cx), f(cy)))
        if rot:
            t.append("rotate(%s)" % f(rot))
        if sx != 1 or sy != 1:
            t.append("scale(%s %s)" % (f(sx), f(sy)))
        t.append("translate(%s %s)" % (f(-cx), f(-cy)))
    a = ' transform="%s"' % " ".join(t) if t else ""
    if opacity is not None:
        a += ' opacity="%s"' % f(opacity)
    return "<g%s%s>%s</g>" % (a, extra, content)


def linear(stops, x1=0, y1=0, x2=0, y2=1):
    """A vertical (by default) gradient; returns (defs, url)."""
    gid = uid("g")
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        f(o), c, (' stop-opacity="%s"' % f(a)) if a is not None else "") for o, c, a in
        [(st + (None,))[:3] for st in stops])
    d = '<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>' % (
        gid, f(x1), f(y1), f(x2), f(y2), s)
    return d, "url(#%s)" % gid


def radial(stops, cx=0.5, cy=0.5, r=0.5):
    gid = uid("r")
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        f(o), c, (' stop-opacity="%s"' % f(a)) if a is not None else "") for o, c, a in
        [(st + (None,))[:3] for st in stops])
    d = '<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>' % (gid, f(cx), f(cy), f(r), s)
    return d, "url(#%s)" % gid


def defs(content):
    return "<defs>%s</defs>" % content


def highlight(cx, cy, rx, ry, rot=0, opacity=0.45):
    """The soft white shine every rounded object carries at its upper left."""
    return group(ellipse(cx, cy, rx, ry, WHITE, None, opacity=opacity), rot=rot, cx=cx, cy=cy)


def shadow(cx, cy, rx, ry, opacity=0.22):
    return ellipse(cx, cy, rx, ry, BLACK, None, opacity=opacity)


def star_points(cx, cy, r_out, r_in, n=5, rot=-90):
    pts = []
    for k in range(2 * n):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(rot + k * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def heart_path(cx, cy, s):
    """A heart of width about 2s centred on (cx, cy)."""
    return ("M %s %s C %s %s %s %s %s %s C %s %s %s %s %s %s C %s %s %s %s %s %s C %s %s %s %s %s %s Z" % (
        f(cx), f(cy + 0.95 * s),
        f(cx - 0.35 * s), f(cy + 0.65 * s), f(cx - 1.0 * s), f(cy + 0.25 * s), f(cx - 1.0 * s), f(cy - 0.3 * s),
        f(cx - 1.0 * s), f(cy - 0.95 * s), f(cx - 0.15 * s), f(cy - 1.0 * s), f(cx), f(cy - 0.45 * s),
        f(cx + 0.15 * s), f(cy - 1.0 * s), f(cx + 1.0 * s), f(cy - 0.95 * s), f(cx + 1.0 * s), f(cy - 0.3 * s),
        f(cx + 1.0 * s), f(cy + 0.25 * s), f(cx + 0.35 * s), f(cy + 0.65 * s), f(cx), f(cy + 0.95 * s)))


def eyes(cx, cy, gap, r, look=(0, 0), blink=0.0, kind="open"):
    """A pair of cartoon eyes: kind open, closed (arcs), x (dead), happy (^ ^), sad."""
    out = ""
    for side in (-1, 1):
        x = cx + side * gap
        if kind == "x":
            d = r * 0.7
            out += line(x - d, cy - d, x + d, cy + d, OUT, r * 0.45) + line(x - d, cy + d, x + d, cy - d, OUT, r * 0.45)
        elif kind == "closed" or blink >= 1.0:
            out += path("M %s %s Q %s %s %s %s" % (f(x - r), f(cy), f(x), f(cy + r), f(x + r), f(cy)), None, OUT, r * 0.4)
        elif kind == "happy":
            out += path("M %s %s Q %s %s %s %s" % (f(x - r), f(cy + r * 0.2), f(x), f(cy - r * 1.1), f(x + r), f(cy + r * 0.2)),
                        None, OUT, r * 0.45)
        else:
            ry = r * 1.25 * (1.0 - blink)
            out += ellipse(x, cy, r, max(ry, r * 0.15), WHITE, OUT, r * 0.3)
            if blink < 0.6:
                out += ellipse(x + look[0] * r * 0.35, cy + look[1] * r * 0.35 + r * 0.15, r * 0.55, min(r * 0.7, ry * 0.7), BLACK, None)
                out += circle(x + look[0] * r * 0.35 - r * 0.2, cy + look[1] * r * 0.35 - r * 0.15, r * 0.2, WHITE, None)
            if kind == "sad":
                out += line(x - r * 0.9 * side * -1, cy - r * 1.6, x + r * 0.9 * side * -1, cy - r * 1.1, OUT, r * 0.35)
    return out


def mouth(cx, cy, w, kind="smile"):
    if kind == "smile":
        return path("M %s %s Q %s %s %s %s" % (f(cx - w), f(cy), f(cx), f(cy + w * 0.9), f(cx + w), f(cy)), None, OUT, w * 0.3)
    if kind == "open":
        return path("M %s %s Q %s %s %s %s Z" % (f(cx - w), f(cy - w * 0.1), f(cx), f(cy + w * 1.5), f(cx + w), f(cy - w * 0.1)),
                    "#8c1f1f", OUT, w * 0.25)
    if kind == "o":
        return ellipse(cx, cy + w * 0.3, w * 0.45, w * 0.6, "#8c1f1f", OUT, w * 0.25)
    if kind == "sad":
        return path("M %s %s Q %s %s %s %s" % (f(cx - w), f(cy + w * 0.6), f(cx), f(cy - w * 0.3), f(cx + w), f(cy + w * 0.6)), None, OUT, w * 0.3)
    if kind == "flat":
        return line(cx - w * 0.7, cy + w * 0.2, cx + w * 0.7, cy + w * 0.2, OUT, w * 0.3)
    if kind == "wavy":
        return path("M %s %s q %s %s %s %s q %s %s %s %s" % (f(cx - w), f(cy), f(w * 0.5), f(-w * 0.4), f(w), 0, f(w * 0.5), f(w * 0.4), f(w), 0),
                    None, OUT, w * 0.28)
    return ""


def cheeks(cx, cy, gap, r, opacity=0.45):
    return ellipse(cx - gap, cy, r, r * 0.6, PINK, None, opacity=opacity) + ellipse(cx + gap, cy, r, r * 0.6, PINK, None, opacity=opacity)
