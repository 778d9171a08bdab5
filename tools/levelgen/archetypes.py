"""The editor's archetypes: one template per kind of object a level designer
places, taken from the same builders as the levels, written as the engine's
archetype text files (the engine writes them back at every exit, so they are
kept in exactly its form: one value a line, floats as iostream prints them).
Particle emitters are not part of the archetype format: an air conditioner
made from its archetype gets its stream by copying one from a level.

An object placed from an archetype takes the archetype's name, and the
scripts find the apple, the camera, the basket and its walker by name: those
four archetypes carry the names the scripts look for ("Player",
"MainCamera", "END", "HumanWin"), so a level made of them works as placed."""
import os

from fmt import text_float
from kit import Level, apple
from objects import GameObject, behaviour, body, camera, obb, renderer
from tiles import TileMap


def _vec(element):
    a = dict(element.attrs)
    return "%s %s %s" % (text_float(a["X"]), text_float(a["Y"]), text_float(a["Z"]))


def _val(element):
    v = dict(element.attrs)["Value"]
    if isinstance(v, bool):
        return "1" if v else "0"
    if isinstance(v, float):
        return text_float(v)
    return str(v)


# Per component: the fields its text record holds, in order (its SerializeText).
TEXT_FIELDS = {
    "Transform": ["Position", "Scale", "Rotation"],
    "Body": ["Mass", "Restiution", "Collide", "Rotation", "Interactable"],
    "Renderer": ["InvertX", "InvertY", "Invisible", "Index", "SpriteSheetKey", "Alpha"],
    "Animator": ["FPS", "AniName", "Index"],
    "Circle": ["Radius", "Offset"],
    "OBB": ["HalfLength", "Offset", "RotateFixedPoint", "PivotOffset", "PivotPosition"],
    "Behaviour": ["ScriptID"],
    "AudioComponent": ["Key"],
    "Button": ["TargetState"],
}


def _record(component):
    if component.name == "Camera":
        c = {child.name: child for child in component.children}
        size = dict(c["CamSize"].attrs)
        pos = dict(c["Position"].attrs)
        return ["Camera", "%s %s 1" % (text_float(size["X"]), text_float(size["Y"])), _vec(c["MinClamp"]),
                _vec(c["MaxClamp"]), "%s %s 0" % (text_float(pos["X"]), text_float(pos["Y"]))]
    if component.name not in TEXT_FIELDS or component.name == "Animator":
        # Particle emitters are not part of the format; animators are left
        # out because the engine steps archetype animators, which would
        # rewrite the file at every exit.
        return []
    children = {child.name: child for child in component.children}
    lines = [component.name]
    for field in TEXT_FIELDS[component.name]:
        child = children[field]
        lines.append(_vec(child) if "X" in dict(child.attrs) else _val(child))
    return lines


def archetype_text(name, obj):
    element = obj.element()
    lines = [name, "%d" % obj.tag]
    for component in element.children[1:]:
        if name.endswith("Switch") and component.name == "AudioComponent":
            continue  # a switch archetype's sound key does not survive a run: add it when placing
        lines += _record(component)
    lines.append("END")
    return "\n".join(lines) + "\n"


def _at_origin(obj):
    """The object's template: its position moved to the origin."""
    transform = obj.transform
    position = transform.children[0]
    position.attrs = [("X", 0.0), ("Y", 0.0), ("Z", dict(position.attrs)["Z"])]
    return obj


def templates():
    """(archetype name, object) for every kind of object in the levels."""
    level = Level("Archetypes", TileMap(10, 10), "TilePlatform", (0, 0), (0, 0), (10, 10))
    level.objects = []
    made = [("Player", apple((0, 0)))]
    made.append(("MainCamera", GameObject("MainCamera", 0, (0, 0, 0), components=[
        camera(35.0, (0, 0), (80, 24)), behaviour("CameraScript")])))
    before = len(level.objects)
    level.goal(0, 0)
    made.append(("END", level.objects[before]))
    made.append(("HumanWin", level.objects[before + 1]))
    builders = [
        # Ground to roll on without painting tiles (the apple rests and
        # waits for SPACE only on tiles: on this it rolls on from its launch).
        ("Floor", lambda: level.add(GameObject("Floor", "Floor", (0, 0, -6.5), (8, 1, 1), components=[
            body(), obb((1.0, 1.0)), renderer("TilePlatform", 9)]))),  # a box as large as its picture
        ("Wall", lambda: level.wall(0, 0, 1, 2)),
        ("StartWall", lambda: level.wall(0, 0, 1, 2, tag="StartWall")),
        ("JumpPad", lambda: level.jump_pad(0, 0)),
        ("Mushroom", lambda: level.mushroom(0, 0)),
        ("Crate", lambda: level.crate(0, 0)),
        ("PushCrate", lambda: level.crate(0, 0, pushable=True)),
        ("Checkpoint", lambda: level.checkpoint(0, 0)),
        ("CheckpointLeft", lambda: level.checkpoint(0, 0, left=True)),
        ("FakeTile", lambda: level.fake_tile(0, 0)),
        ("Spikes", lambda: level.spikes(0, 0)),
        ("HotPlate", lambda: level.death_platform(0, 0)),
        ("Marshmallow", lambda: level.marshmallow(0, 0)),
        ("Fruit", lambda: level.fruit(0, 0)),
        ("Can", lambda: level.can(0, 0)),
        ("FrozenCan", lambda: level.can(0, 0, frozen=True)),
        ("Rat", lambda: level.rat(0, 0)),
        ("Ketchup", lambda: level.rotating(0, 0)),
        ("Icicle", lambda: level.icicle(0, 0)),
        ("Belt", lambda: level.belt(0, 0, 6)),
        ("AirCon", lambda: level.aircon("AirConA", 0, 0, 8.0)),
        ("FloorSwitch", lambda: level.floor_switch("A", 0, 0)),
        ("ClickableSwitch", lambda: level.clickable_switch("A", 0, 0)),
        ("Sign", lambda: level.sign(0, 0, "Text")),
    ]
    for name, build in builders:
        made.append((name, build()))
    before = len(level.objects)
    level.roach(0, 0, rider=True)
    made.append(("Roach", level.objects[before]))
    made.append(("RoachRider", level.objects[before + 1]))
    return [(name, _at_origin(obj)) for name, obj in made]


def write_all(folder):
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        if old.endswith(".txt"):
            os.remove(os.path.join(folder, old))
    names = []
    for name, obj in templates():
        with open(os.path.join(folder, name + ".txt"), "w", newline="\n") as f:
            f.write(archetype_text(name, obj))
        names.append(name)
    with open(os.path.join(folder, "Archetype.dat"), "w", newline="\n") as f:
        f.write("".join("Resources\\Archetype\\%s.txt\n" % name for name in names))
