"""Game objects and their components, each written with the fields its
SerializeXml writes, in that order."""
import os

from fmt import Element, TYPE_IDS, value, vec3, colour

# Object tags (the ObjectTag table).
TAG = dict(Player=1, Mushroom=2, Floor=3, Wall=4, JumpTrigger=5, RotatingObject=6, DeathObject=7, ConveyerBelt=9,
           Marshmallow=10, DeathPlatform=11, Goal=12, CheckPoint=13, Can=14, Roach=15, RoachTop=16,
           HowToPlayInstruction=17, Quit_No=18, Quit_Yes=19, QuitButton=21, InterFruits=22, FakeTile=23,
           StartWall=24, ButtonLeaf=25, Rat=26, AirCon=27, Icicle=28, Switch=29, ClickableSwitch=30,
           Crate=31, Border=33, People=34, FrozenCan=35)

# Script numbers (the "ScriptID" of a Behaviour).
SCRIPT = dict(Player=1, Mushroom=2, BackGround=3, Conveyer=4, MoveableRect=5, SmokeEffect=6, RoachScript=8,
              CanScript=9, MultiStateAnimation=10, SplashScreen=11, FollowCamera=12, RoachTop=13,
              HowToPlay=14, Quit=15, QuitButton=16, StoryScript=17, MainMenu=18, UIScript=19, HumanWin=20,
              BasicPlayerMovement=21, CameraScript=22, RotatingScript=23, MouseEmitter=24, RatScript=25,
              IcicleScript=26, SwitchScript=27, AirConScript=28, FollowAppleScript=29, Van=30,
              BackgroundPersonMovement=31)

# Game states (a Button's TargetState).
STATE = dict(NONE=0, LEVEL=4, QUIT=5, MAIN_MENU=6, PLAY_STORY=7, CREDITS=11)


def transform(pos, scale=(1, 1, 1), rot=0.0):
    z = pos[2] if len(pos) > 2 else 0.0
    sz = scale[2] if len(scale) > 2 else 1.0
    return Element("Transform", [], [vec3("Position", (pos[0], pos[1], z)),
                                     vec3("Scale", (scale[0], scale[1], sz)), value("Rotation", float(rot))])


def body(mass=0.0, restitution=0.2, collide=True, rotation=True, interactable=False):
    return Element("Body", [], [value("Mass", float(mass)), value("Restiution", float(restitution)),
                                value("Collide", collide), value("Rotation", rotation),
                                value("Interactable", interactable)])


def renderer(sheet, index=0, alpha=1.0, invert_x=False, invert_y=False, invisible=False):
    return Element("Renderer", [], [value("InvertX", invert_x), value("InvertY", invert_y),
                                    value("Invisible", invisible), value("Index", int(index)),
                                    value("SpriteSheetKey", sheet), value("Alpha", float(alpha))])


def _animation_rates():
    """Frames per second of every animation in the art's animation list: an
    Animator takes its animation's rate as it starts, so files carry it."""
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "..", "..", "Resources", "Art", "Animations.dat")
    lines = open(path).read().split("\n")
    return {lines[i + 2]: int(lines[i + 4]) for i in range(0, len(lines) - 4, 5)}


RATES = _animation_rates()


def animator(name, fps=None, loop=True, playing=True, index=0):
    fps = RATES.get(name, 12)
    return Element("Animator", [], [value("FPS", int(fps)), value("AniName", name), value("Index", int(index)),
                                    value("Loop", loop), value("Playing", playing)])


def circle(radius, offset=(0, 0, 0)):
    return Element("Circle", [], [value("Radius", float(radius)), vec3("Offset", offset)])


def obb(half, offset=(0, 0, 0), radian=0.0):
    return Element("OBB", [], [vec3("HalfLength", (half[0], half[1], 0.0)), vec3("Offset", offset),
                               value("RotateFixedPoint", False), vec3("PivotOffset", (0, 0, 0)),
                               vec3("PivotPosition", (0, 0, 0)), value("Radian", float(radian))])


def behaviour(script):
    return Element("Behaviour", [], [value("ScriptID", int(SCRIPT[script] if isinstance(script, str) else script))])


def audio(key):
    return Element("AudioComponent", [], [value("Key", key)])


def button(state="NONE"):
    return Element("Button", [], [value("TargetState", int(STATE[state]))])


def text(string, size=32, rgba=(1, 1, 1, 1)):
    return Element("TextRenderer", [], [value("TextString", string), colour("Color", rgba),
                                        value("FontSize", int(size))])


def camera(zoom, min_clamp=(0, 0), max_clamp=(0, 0), pos=(0, 0, 30)):
    # The orthographic volume is the default window's in pixels. The view
    # matrix is built from this Position when the file is read, before the
    # camera takes its object's x and y: it stays at x 0, y 0 so the view only
    # steps back 30 along z (every layer, z -10 to 2, then lies inside it).
    return Element("Camera", [], [value("Left", -683.0), value("Right", 683.0), value("Bottom", -384.0),
                                  value("Top", 384.0), value("Near", 0.1), value("Far", 100.0),
                                  vec3("Position", pos), vec3("Target", (0, 0, 0)), vec3("Up", (0, 1, 0)),
                                  vec3("MinClamp", (min_clamp[0], min_clamp[1], 0)),
                                  vec3("MaxClamp", (max_clamp[0], max_clamp[1], 0)),
                                  vec3("CamSize", (zoom, zoom, 0))])


PARTICLE_DEFAULTS = dict(
    bools=[("VaryPosition", False), ("VaryScale", False), ("LerpColour", False), ("MiddleColour", False),
           ("LerpScale", False), ("MiddleScale", False), ("LerpVelocity", False), ("MiddleVelocity", False),
           ("CircleEmittion", False), ("Activate", False), ("FollowEmitter", False), ("GravityEnabled", False)],
    vecs=[("Position", (0, 0, 0)), ("MinPos", (0, 0, 0)), ("MaxPos", (0, 0, 0)), ("MinDir", (0, 0, 0)),
          ("MaxDir", (0, 0, 0)), ("MinScale", (0.2, 0.2, 0)), ("MaxScale", (0.2, 0.2, 0)),
          ("StartScale", (0.2, 0.2, 0)), ("MidScale", (0.5, 0.5, 0)), ("EndScale", (1, 1, 0)),
          ("GravityDirection", (0, 0, 0))],
    colours=[("StartColour", (1, 1, 1, 1)), ("MidColour", (1, 1, 1, 1)), ("EndColour", (1, 1, 1, 1))],
    floats=[("Delay", 0.5), ("MinLifeSpan", 5.0), ("MaxLifeSpan", 5.0), ("MidLifeSpan", 5.0),
            ("MidScaleTime", 5.0), ("MidSpdTime", 5.0), ("StartSpeed", 0.0), ("MidSpeed", 0.0),
            ("EndSpeed", 0.0), ("MinRadius", 0.0), ("MaxRadius", 0.0)],
    ints=[("MaxParticle", 0), ("BurstAmount", 0), ("Type", 0)],
)


def particles(sprite="Sparkle", sheet_index=0, sprite_index=0, **settings):
    """An emitter; settings override the defaults by field name."""
    children = []
    for name, default in PARTICLE_DEFAULTS["bools"]:
        children.append(value(name, bool(settings.get(name, default))))
    for name, default in PARTICLE_DEFAULTS["vecs"]:
        children.append(vec3(name, settings.get(name, default)))
    for name, default in PARTICLE_DEFAULTS["colours"]:
        children.append(colour(name, settings.get(name, default)))
    for name, default in PARTICLE_DEFAULTS["floats"]:
        children.append(value(name, float(settings.get(name, default))))
    for name, default in PARTICLE_DEFAULTS["ints"]:
        children.append(value(name, int(settings.get(name, default))))
    children += [value("SpriteName", sprite), value("SheetIndex", int(sheet_index)),
                 value("SpriteIndex", int(sprite_index))]
    return Element("ParticleComponent", [], children)


# The scale text objects get, set per level by the generator (a page of the
# menu is 10 units high, a level's view 22).
TEXT_SCALE = [0.5]


class GameObject:
    def __init__(self, name, tag=0, pos=(0, 0, 0), scale=(1, 1, 1), rot=0.0, components=(), start_frame=0):
        self.start_frame = start_frame  # the frame an animated object shows once started
        self.name = name
        self.tag = TAG[tag] if isinstance(tag, str) else int(tag)
        self.transform = transform(pos, scale, rot)
        self.pos = pos
        self.scale = scale
        self.components = list(components)

    def element(self):
        if "TextRenderer" in [c.name for c in self.components] and tuple(self.scale[:2]) == (1, 1):
            # Glyphs are drawn at the font's pixel size times the object's
            # scale: text would stand two units tall at scale 1.
            self.transform = transform(self.pos, (TEXT_SCALE[0], TEXT_SCALE[0], 1))
        names = [c.name for c in self.components]
        for c in self.components:
            # An Animator starts its Renderer at frame 0, and a Button gives its
            # AudioComponent the click sound: files say so, so they load and
            # save back unchanged.
            if c.name == "Renderer" and "Animator" in names:
                index = next(child for child in c.children if child.name == "Index")
                index.attrs = [("Value", self.start_frame)]
            if c.name == "AudioComponent" and "Button" in names:
                c.children[0].attrs = [("Value", "ButtonClickLeaf")]
        comps = [self.transform] + sorted(self.components, key=lambda c: TYPE_IDS[c.name])
        return Element(self.name, [("GameObjectName", self.name), ("ComponentCount", len(comps))],
                       [value("ObjectTag", self.tag)] + comps)

    def has(self, type_name):
        return any(c.name == type_name for c in self.components)
