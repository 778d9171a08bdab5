"""Building blocks of the playable levels: the apple, the camera, the goal
with its basket and walker, and every prop and hazard, each with the names,
tags, components and file order its script expects."""
# Contents:
#   ZOOM and apple
#   text_width and the parallax layer spans: layer_span, layer_height
#   Level: objects, backgrounds, the goal, walls and every prop and hazard
#   helpers: _full_obb, belt_in_floor, air_column
import os

from objects import (GameObject, animator, audio, behaviour, body, button, camera, circle, obb, particles,
                     renderer, text)

ZOOM = 35.0  # a level's camera zoom: about 39 x 22 units in view
ICICLE_GROWTH = 0.9  # how far the icicle script grows an icicle down before it hangs still


def apple(start):
    """The apple: named and tagged Player, a Body with a circle of world
    radius 1 (Radius x scale x 0.5), the apple sheet, its sounds."""
    return GameObject("Player", "Player", (start[0], start[1], -5), (2, 2, 1), components=[
        body(mass=1.0), renderer("Apple", 0), animator("Apple100", 12), circle(1.0), behaviour("Player"),
        audio("AppleLand")])


SIGN_COLOUR = (0.32, 0.17, 0.07, 1)
_FONT = []


def text_width(message, size, scale=0.45):
    """The width in units of a text as the engine lays it out: whole pixels
    of each glyph's advance at the font's 48-pixel size, times size x scale
    / 500. A board behind a sign of several lines takes the widest one."""
    if not _FONT:
        from PIL import ImageFont
        path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Resources", "fonts", "MAIAN.TTF")
        _FONT.append(ImageFont.truetype(path, 48))
    pixels = sum(int(_FONT[0].getlength(c)) for c in message)
    return pixels * size * scale / 500.0


# Half the screen (1366 x 768) in units at the level zoom and at the widest
# the wheel allows (the camera script's least zoom, 27).
VIEW_HALVES = [(683.0 / ZOOM, 384.0 / ZOOM), (683.0 / 27.0, 384.0 / 27.0)]


def layer_span(view_min, view_max, camera_x, divisor):
    """The centre x and width of a background layer that, still or moving
    against the camera by its travel / divisor (the BackGround script, from
    the first Space on), covers every view the camera can show: any view
    inside its clamp rectangle at any zoom, and the level-zoom view centred
    anywhere in it (the glides to the goal and to a respawned apple are not
    clamped)."""
    (hx, _), (wide_hx, _) = VIEW_HALVES
    views = [(c, hx) for c in (view_min[0], view_max[0])]
    for half in (hx, wide_hx):
        first = view_min[0] + half
        views += [(first, half), (max(first, view_max[0] - half), half)]
    lo, hi = [], []
    for c, half in views:
        # The layer stands at its start x less (c - camera_x) / divisor.
        for shift in (0.0, (c - camera_x) / divisor):
            lo.append(c - half + shift)
            hi.append(c + half + shift)
    left, right = min(lo) - 1.0, max(hi) + 1.0
    return round((left + right) / 2.0, 3), round(right - left, 3)


def layer_height(view_min, view_max):
    """The centre y and height of a far layer covering the same views."""
    (_, hy), (_, wide_hy) = VIEW_HALVES
    bottom = view_min[1] - hy - 1.0
    top = max(view_max[1] + hy, view_min[1] + 2 * wide_hy) + 1.0
    return round((bottom + top) / 2.0, 3), round(top - bottom, 3)


class Level:
    """A play level's objects in file order, with the fixed head: the apple,
    then its camera (which looks the apple up when it starts), then the
    follow-apple effect and the smoke that sit on the apple."""

    def __init__(self, name, tiles, tileset, start, view_min, view_max, background="Market"):
        self.name = name
        self.tiles = tiles
        self.tileset = tileset
        self.start = start
        self.view = (view_min, view_max)
        self.objects = []
        self.counter = {}
        self.add(apple(start))
        self.add(GameObject("MainCamera", 0, (start[0] + 12, start[1] + 6, 0), components=[
            camera(ZOOM, view_min, view_max), behaviour("CameraScript")]))
        self.add(GameObject("AppleEffect", 0, (start[0], start[1] + 1, -4.5), (2, 2, 1), components=[
            renderer("Apple", 0, alpha=0.0), animator("AppleLand", 18, loop=False, playing=False),
            behaviour("FollowAppleScript")]))
        self.backgrounds(background, view_min, view_max)

    def add(self, obj):
        self.objects.append(obj)
        return obj

    def unique(self, base):
        n = self.counter.get(base, 0) + 1
        self.counter[base] = n
        return "%s%d" % (base, n)

    def backgrounds(self, theme, view_min, view_max):
        width = view_max[0] - view_min[0]
        height = view_max[1] - view_min[1]
        cy = view_min[1] + height / 2.0
        camera_x = self.start[0] + 12
        # Far layer moves a third of the camera's travel, the near one half,
        # against it: each is as wide as every view over the level needs.
        x, w = layer_span(view_min, view_max, camera_x, 3.0)
        y, h = layer_height(view_min, view_max)
        self.add(GameObject("Top_BG", 0, (x, y, -9), (w, h, 1), components=[
            renderer("BG_%s_Far" % theme), behaviour("BackGround")]))
        x, w = layer_span(view_min, view_max, camera_x, 2.0)
        self.add(GameObject("Near_BG", 0, (x, cy - 2, -9), (w, height + 10, 1), components=[
            renderer("BG_%s_Near" % theme), behaviour("BackGround")]))

    # ---- the goal -------------------------------------------------------------------
    def goal(self, x, floor_y):
        """The basket "END" (tagged Goal: touching it wins) and the person
        "HumanWin" who walks in from the left to take it; END comes first."""
        self.add(GameObject("END", "Goal", (x, floor_y + 0.75, -6.5), (1.6, 1.5, 1), components=[
            body(), obb((0.5, 0.5)), renderer("Basket")]))
        self.add(GameObject("HumanWin", 0, (x - 14, floor_y + 2.0, -7.5), (2, 4, 1), components=[
            renderer("Background_Human", 0, invert_x=True), animator("Human_Walk", 8), behaviour("HumanWin")]))

    # ---- walls and pads -------------------------------------------------------------
    def wall(self, x, y, w, h, tag="Wall", sheet="Crate", frame=0, name=None):
        return self.add(GameObject(name or self.unique(tag), tag, (x, y, -6.5), (w, h, 1), components=[
            body(), obb((0.5, 0.5)), renderer(sheet, frame)]))

    def crate_step(self, x, y, w=1.5, h=1.5):
        """A crate standing on the floor at x (its centre): the apple cannot
        roll through it and, not being a wall, does not turn at it either; it
        keeps pushing against the crate until the player hops it over."""
        floor_tag = 3  # "Floor": no rule of the apple's reacts to it
        return self.add(GameObject(self.unique("CrateStep"), floor_tag, (x, y + h / 2.0, -6.5), (w, h, 1),
                                   components=[body(), obb((0.5, 0.5)), renderer("Crate", 0)]))

    def jump_pad(self, x, y):
        return self.add(GameObject(self.unique("Spring"), "JumpTrigger", (x, y + 0.3, -6.5), (1.4, 0.6, 1),
                                   components=[body(), obb((0.5, 0.5)), renderer("Spring")]))

    # ---- props -------------------------------------------------------------------------
    def mushroom(self, x, y):
        return self.add(GameObject(self.unique("Mushroom"), "Mushroom", (x, y + 0.8, -6.5), (1.8, 1.6, 1),
                                   components=[body(), obb((0.5, 0.5)), renderer("Mushroom", 6),
                                               animator("Mushroom_Bounce", 15, loop=False, playing=False),
                                               behaviour("Mushroom")]))

    def crate(self, x, y, pushable=False):
        comps = [body(mass=2.0 if pushable else 0.0, interactable=pushable), obb((0.5, 0.5)), renderer("Crate", 0)]
        if pushable:
            comps += [animator("Crate_Push", 16, loop=False, playing=False), behaviour("MoveableRect")]
        return self.add(GameObject(self.unique("Crate"), "Crate" if not pushable else "Wall",
                                   (x, y + 0.75, -6.5), (1.5, 1.5, 1), components=comps))

    def checkpoint(self, x, y, left=False):
        name = self.unique("Checkpoint") + ("L" if left else "")
        return self.add(GameObject(name, "CheckPoint", (x, y + 1.25, -7), (1.2, 2.5, 1), components=[
            body(collide=True), obb((0.5, 0.5)), renderer("Checkpoint", 0),
            animator("Checkpoint_Raise", 12, loop=False, playing=False)]))

    def fake_tile(self, x, y, w=1):
        return self.add(GameObject(self.unique("FakeTile"), "FakeTile", (x + w / 2.0, y + 0.5, -4), (w, 1, 1),
                                   components=[renderer(self.tileset, 9)]))

    def spikes(self, x, y, w=1, tag="DeathObject"):
        return self.add(GameObject(self.unique("Spikes"), tag, (x + w / 2.0, y + 0.4, -6.5), (w, 0.8, 1),
                                   components=[body(), obb((0.5, 0.4)), renderer("Hazards", 0)]))

    def death_platform(self, x, y, w=1):
        return self.add(GameObject(self.unique("Hotplate"), "DeathPlatform", (x + w / 2.0, y + 0.25, -6.5),
                                   (w, 0.5, 1), components=[body(), obb((0.5, 0.5)), renderer("Hazards", 1)]))

    def marshmallow(self, x, y):
        return self.add(GameObject(self.unique("Marshmallow"), "Marshmallow", (x, y + 0.5, -6.5), (1, 1, 1),
                                   components=[body(), obb((0.5, 0.5)), renderer("Hazards", 2)]))

    def fruit(self, x, y, frame=0):
        return self.add(GameObject(self.unique("Fruit"), "InterFruits", (x, y + 0.5, -6.5), (1, 1, 1),
                                   components=[body(), obb((0.5, 0.5)), renderer("Fruits", frame)]))

    def can(self, x, y, frozen=False):
        return self.add(GameObject(self.unique("Can"), "FrozenCan" if frozen else "Can", (x, y + 0.7, -6.5),
                                   (1.0, 1.4, 1), components=[body(mass=1.0, interactable=True), obb((0.5, 0.5)),
                                                              renderer("Can", 2 if frozen else 0),
                                                              behaviour("CanScript")]))

    def roach(self, x, y, rider=False):
        name = self.unique("Roach")
        self.add(GameObject(name, "Roach", (x, y + 0.45, -6.5), (1.8, 0.9, 1), components=[
            body(mass=1.0, rotation=False), obb((0.5, 0.5)), renderer("Roach", 0), animator("Roach_Walk", 12),
            behaviour("RoachScript"), audio("RoachWalk")]))
        if rider:
            self.add(GameObject(name + "Rider", "RoachTop", (x, y + 1.3, -6.5), (1, 1, 1), components=[
                body(mass=1.0, collide=False), obb((0.5, 0.5)), renderer("RoachRider", 0),
                behaviour("RoachTop")]))

    def rat(self, x, y):
        return self.add(GameObject(self.unique("Rat"), "Rat", (x, y + 0.5, -6.5), (1.6, 1.0, 1), components=[
            body(mass=1.0, rotation=False, interactable=True), obb((0.5, 0.5)), renderer("Rat", 6),
            animator("New_Rat", 12), behaviour("RatScript"), audio("MiceSound")]))

    def rotating(self, x, y, w=4.0, degrees=0.0):
        return self.add(GameObject(self.unique("Ketchup"), "RotatingObject", (x, y, -6.5), (w, 0.6, 1), degrees,
                                   components=[body(mass=0.0, interactable=True), obb((0.5, 0.5)),
                                               renderer("Ketchup", 0), behaviour("RotatingScript"),
                                               audio("KetchupBobble")]))

    def icicle(self, x, ceiling_y):
        """An icicle hanging from the ceiling whose underside is at
        ceiling_y. Its script grows it down by ICICLE_GROWTH from where it
        is placed, so it starts that far inside the ceiling and ends hanging
        from it. It stands in the tiles' layer (z -8 to -9), whose sprites
        are drawn before its tiles: the ceiling hides the part still inside
        it, so the icicle seems to grow out of it."""
        return self.add(GameObject(self.unique("Icicle"), "Icicle",
                                   (x, ceiling_y - 0.6 + ICICLE_GROWTH, -8.5), (0.6, 1.2, 1),
                                   components=[body(mass=1.0, rotation=False), obb((0.5, 0.5)),
                                               renderer("Icicle", 0), behaviour("IcicleScript"),
                                               audio("IcicleLand")]))

    def belt(self, x, y, w, name=None, right=True):
        return self.add(GameObject(name or self.unique("ConveyerBelt"), "ConveyerBelt", (x + w / 2.0, y + 0.3, -6.5),
                                   (w, 0.6, 1), components=[body(), obb((0.5, 0.5)),
                                                            renderer("ConveyerBeltGreen" if right else "ConveyerBeltRed"),
                                                            behaviour("Conveyer")]))

    def aircon(self, name, x, y, height, speed_sheet_frame=0):
        """An air conditioner blowing up over a column of the given height."""
        return self.add(GameObject(name, "AirCon", (x, y + height / 2.0, -6.5), (2.0, height, 1), components=[
            body(), obb((0.5, 0.5)), renderer("AirColumn", 0, alpha=0.35), behaviour("AirConScript"),
            # The emitter stands where it is written: on the column's centre.
            particles("AirStream", Activate=False, Position=(x, y + height / 2.0, -6.5), VaryPosition=True,
                      MinPos=(-0.8, -height / 2.0, 0),
                      MaxPos=(0.8, -height / 2.0, 0), MinDir=(0, 1, 0), MaxDir=(0, 1, 0), StartSpeed=6.0,
                      MidSpeed=6.0, EndSpeed=6.0, MinLifeSpan=height / 6.0, MaxLifeSpan=height / 6.0,
                      MidLifeSpan=height / 12.0, MinScale=(0.4, 0.7, 0), MaxScale=(0.4, 0.7, 0),
                      MaxParticle=60, BurstAmount=3, Delay=0.05, Type=3)]))

    def aircon_unit(self, name, x, y, frame=10):
        """The machine drawn under a clickable air stream."""
        return self.add(GameObject(name, 0, (x, y + 0.6, -7), (2.2, 1.2, 1), components=[renderer("AirCon", frame)]))

    def floor_switch(self, c, x, y):
        return self.add(GameObject("Switch" + c, "Switch", (x, y + 0.25, -6.5), (1.4, 0.5, 1), components=[
            body(), obb((0.5, 0.5)), renderer("Switch", 4), behaviour("SwitchScript"), audio("SwitchPress")]))

    def clickable_switch(self, c, x, y):
        return self.add(GameObject("ClickableSwitch" + c, "ClickableSwitch", (x, y, -6.5), (2.4, 2.4, 1),
                                   components=[body(mass=0.0, collide=False, interactable=True), obb((0.5, 0.5)),
                                               renderer("Switch", 0), behaviour("SwitchScript"),
                                               audio("SwitchPress")]))

    def dark_sign(self, x, y, message, size=22, more=()):
        return self.sign(x, y, message, size, more)

    def sign(self, x, y, message, size=28, more=()):
        """Dark words on a light board, readable on every backdrop: the
        letters start at x, the first line's baseline at y, and the lines
        in more follow 1.2 units apart below it."""
        lines = [message] + list(more)
        em = size * 0.45 * 48 / 500.0
        width = max(text_width(line, size) for line in lines)
        top, bottom = y + 0.85 * em, y - 1.2 * (len(lines) - 1) - 0.25 * em
        self.add(GameObject(self.unique("SignBoard"), 0, (x + width / 2.0, (top + bottom) / 2.0, -7.8),
                            (width + 1.2, top - bottom + 0.5, 1), components=[renderer("SignBoard")]))
        first = None
        for k, line in enumerate(lines):
            added = self.add(GameObject(self.unique("Sign"), 0, (x, y - 1.2 * k, -5.5), (1, 1, 1), components=[
                text(line, size, SIGN_COLOUR)]))
            first = first or added
        return first

    # ---- helpers added for the middle levels (new functions: the ones above
    # keep their output, other levels rely on it) ----------------------------------
    def false_ledge(self, x, y, w=1):
        """A row of false tiles with bodies, one per tile: the apple passes
        up or sideways through them (each turns see-through while the apple's
        feet are below its top) and rests on them from above. Spans x..x+w,
        its top at y + 1."""
        return [self.add(GameObject(self.unique("FalseLedge"), "FakeTile", (x + i + 0.5, y + 0.5, -4), (1, 1, 1),
                                    components=[body(), obb((1.0, 1.0)), renderer(self.tileset, 9)]))
                for i in range(int(w))]

    def flush_hotplate(self, x, floor_y, w=1):
        """A hot plate set into the floor, its top level with it: rolling over
        it costs a heart, a hop clears it. The caller clears the tile row
        under it (floor_y - 1)."""
        plate = self.add(GameObject(self.unique("Hotplate"), "DeathPlatform", (x + w / 2.0, floor_y - 0.24, -6.5),
                                    (w, 0.5, 1), components=[body(), obb((1.0, 1.0)), renderer("Hazards", 1)]))
        # Behind it, the glowing coil in the pit under it and the heat over
        # the floor show where it lies.
        self.add(GameObject(self.unique("HeatGlow"), 0, (x + w / 2.0, floor_y - 0.1, -7.2), (w + 0.4, 1.8, 1),
                            components=[renderer("HeatGlow")]))
        return plate

    def toss_crate(self, x, y, size=1.5):
        """A crate the apple bumps into throws it up and to the right; its lid
        is knocked askew (the crate's one animation) the first time. It sits
        still: a static body, so the throw is the same every time."""
        return self.add(GameObject(self.unique("Crate"), "Crate", (x, y + size / 2.0, -6.5), (size, size, 1),
                                   components=[body(), obb((1.0, 1.0)), renderer("Crate", 0),
                                               animator("Crate_Push", 16, loop=False, playing=False),
                                               behaviour("MoveableRect")]))

    def bottle_bridge(self, x, top_y, w=8.0):
        """A ketchup bottle lying on its side (the upright picture turned by
        270 degrees), its top at top_y, carrying the apple across at a steady
        pace. It has mass so the physics keeps its orientation from the
        Transform (a massless body's orientation stays 0, and a bottle at 0
        only turns the apple back); without rotation it lies still on what
        it spans."""
        return self.add(GameObject(self.unique("Ketchup"), "RotatingObject", (x, top_y - 0.15, -6.5), (0.6, w, 1),
                                   270.0, components=[body(mass=1.0, rotation=False, interactable=True),
                                                      obb((0.5, 0.5)), renderer("Ketchup", 0),
                                                      behaviour("RotatingScript"), audio("KetchupBobble")]))

def _full_obb():
    """A box collider as large as the object's drawn scale (the helpers above
    use half of it)."""
    return obb((1.0, 1.0))


def belt_in_floor(level, x, w, floor_y=2, right=True, name=None):
    """A conveyer belt laid along the floor: its box is as large as its
    picture and stands 0.1 above the floor, so the apple rolls onto it
    without a ledge to stop it and rides it."""
    return level.add(GameObject(name or level.unique("ConveyerBelt"), "ConveyerBelt",
                                (x + w / 2.0, floor_y + 0.1 - 0.3, -6.5), (w, 0.6, 1),
                                components=[body(), _full_obb(),
                                            renderer("ConveyerBeltGreen" if right else "ConveyerBeltRed"),
                                            behaviour("Conveyer")]))


def air_column(level, name, x, y, width, height):
    """An air conditioner blowing up over a column as large as its picture
    (the older helper's box is a quarter of its column): from the floor at
    y, width wide, centred on x. Off until a switch runs it."""
    return level.add(GameObject(name, "AirCon", (x, y + height / 2.0, -6.5), (width, height, 1), components=[
        body(), _full_obb(), renderer("AirColumn", 0, alpha=0.35), behaviour("AirConScript"),
        # The emitter stands where it is written: on the column's centre.
        particles("AirStream", Activate=False, Position=(x, y + height / 2.0, -6.5), VaryPosition=True,
                  MinPos=(-width * 0.4, -height / 2.0, 0),
                  MaxPos=(width * 0.4, -height / 2.0, 0), MinDir=(0, 1, 0), MaxDir=(0, 1, 0), StartSpeed=6.0,
                  MidSpeed=6.0, EndSpeed=6.0, MinLifeSpan=height / 6.0, MaxLifeSpan=height / 6.0,
                  MidLifeSpan=height / 12.0, MinScale=(0.4, 0.7, 0), MaxScale=(0.4, 0.7, 0),
                  MaxParticle=60, BurstAmount=3, Delay=0.05, Type=3)]))
