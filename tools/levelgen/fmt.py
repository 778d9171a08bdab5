"""Writers for the engine's level formats: the object XML of a level (as the
level save writes it: no declaration, four-space indentation, floats as
"%.8g" of their float32 value, ints as "%d", bools as "true"/"false") and the
tile text file. Components are written in ascending type id, each with its
fields in the order its SerializeXml writes them."""
import struct
from xml.sax.saxutils import quoteattr

# Component type ids: the order components appear in an object element.
TYPE_IDS = {
    "Transform": 1, "Body": 2, "Renderer": 4, "Animator": 6, "Controller": 7, "Circle": 8, "OBB": 9,
    "Behaviour": 10, "AudioComponent": 11, "Button": 12, "TextRenderer": 13, "Camera": 14,
    "ParticleComponent": 15,
}


def f32(value):
    """A float as the engine writes it: rounded to float32, then "%.8g"."""
    v = struct.unpack("<f", struct.pack("<f", float(value)))[0]
    if v == 0.0:
        v = 0.0  # no "-0"
    return "%.8g" % v


def text_float(value):
    """A float as the text serializer writes it (iostream default, 6 digits)."""
    v = struct.unpack("<f", struct.pack("<f", float(value)))[0]
    if v == 0.0:
        v = 0.0
    return "%g" % v


def attr(value):
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, int):
        return "%d" % value
    if isinstance(value, float):
        return f32(value)
    return str(value)


class Element:
    """An XML element with ordered attributes and children."""

    def __init__(self, name, attrs=None, children=None):
        self.name = name
        self.attrs = attrs or []
        self.children = children or []

    def lines(self, depth):
        pad = "    " * depth
        attrs = "".join(" %s=%s" % (k, quote(attr(v))) for k, v in self.attrs)
        if not self.children:
            return [pad + "<%s%s/>" % (self.name, attrs)]
        out = [pad + "<%s%s>" % (self.name, attrs)]
        for child in self.children:
            out += child.lines(depth + 1)
        out.append(pad + "</%s>" % self.name)
        return out


def quote(text):
    # tinyxml2 escapes & < > " ' in attribute values.
    return '"' + text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;").replace("'", "&apos;") + '"'


def value(name, v):
    return Element(name, [("Value", v)])


def vec3(name, v):
    x, y = v[0], v[1]
    z = v[2] if len(v) > 2 else 0.0
    return Element(name, [("X", float(x)), ("Y", float(y)), ("Z", float(z))])


def colour(name, c):
    return Element(name, [("R", float(c[0])), ("G", float(c[1])), ("B", float(c[2])), ("A", float(c[3]))])


def write_level(path, root_name, objects):
    """objects: list of GameObject (gen.py); written in list order (ascending id)."""
    game_objects = Element("GameObjects", [("GameObjectCount", len(objects))],
                           [o.element() for o in objects])
    root = Element(root_name, [], [game_objects])
    text = "\n".join(root.lines(0)) + "\n"
    with open(path, "w", newline="\n") as f:
        f.write(text)


def write_tiles(path, tileset, grid):
    """grid: TileMap; row 0 (the bottom) first."""
    out = [tileset, "%d" % grid.width, "%d" % grid.height]
    for y in range(grid.height):
        row = ""
        for x in range(grid.width):
            cell = grid.cells[y][x]
            if cell is None:
                row += "0 "
            else:
                row += "1 %d %d " % cell
        out.append(row)
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(out) + "\n")
