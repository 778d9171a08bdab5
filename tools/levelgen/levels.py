"""The nine play levels, the end scene (Level10) and the ending (Level11).

Units: one tile is 1 x 1; the floor of most rooms is rows 0-1, its top at
y 2. The apple (world radius 1) rolls at about 3.3 units a second; a tap on
Up lifts it about 2 units, two quick taps about 4; a mushroom about 4.5."""
import kit
from kit import Level
from objects import GameObject, animator, audio, behaviour, body, camera, circle, obb, renderer, text
from tiles import TileMap


def room(width, height):
    """A closed room: floor rows 0-1 (its top at y 2), side walls and a
    ceiling, so no jump leaves the level."""
    t = TileMap(width, height)
    t.fill(0, 0, width - 1, 1)
    t.fill(0, height - 1, width - 1, height - 1)
    t.fill(0, 2, 0, height - 1)
    t.fill(width - 1, 2, width - 1, height - 1)
    return t


def level1():
    """Rolling, jumping and turning. The apple lands facing right, but the
    basket lies to the left: Space starts it, Right turns it around, Up hops
    it up two steps. Rolling right only meets a wall that sends it back."""
    t = room(64, 24)
    t.fill(24, 2, 29, 2)        # first step, top at y 3
    t.fill(17, 2, 23, 3)        # second step, top at y 4
    L = Level("Level1", t, "TilePlatform", (36, 5), (0, 0), (64, 24))
    L.sign(33, 11, "SPACE: start rolling")
    L.sign(33, 9.8, "RIGHT: turn around")
    L.sign(27, 7.5, "UP: jump")
    L.goal(8, 2)
    return L


def level2():
    """Mushrooms and checkpoints: a mushroom bounces the apple onto a high
    shelf; a checkpoint keeps the way won; a false wall lets the apple
    through."""
    t = room(84, 26)
    t.fill(26, 2, 44, 5)        # the shelf, top at y 6
    L = Level("Level2", t, "TilePlatform", (5, 5), (0, 0), (84, 26))
    L.sign(14, 9, "Mushrooms bounce you up")
    L.mushroom(24.8, 2)
    L.checkpoint(34, 6)
    L.sign(34, 12, "Checkpoints keep your place")
    L.spikes(1, 2, 2)
    L.fake_tile(66.0, 2, 1)     # looks like a wall, rolls through
    L.fake_tile(66.0, 3, 1)
    L.sign(62, 8, "Not every wall is solid")
    L.goal(78, 2)
    return L


def level3():
    """Springs, cans and fruit: a spring climbs a step, cans and a fruit hop
    the apple along."""
    t = room(96, 26)
    t.fill(20, 2, 36, 2)        # the step, top at y 3
    L = Level("Level3", t, "TilePlatform", (5, 5), (0, 0), (96, 26))
    L.jump_pad(18.8, 2)
    L.sign(16, 8, "Springs lift you")
    L.can(30, 3)
    L.fruit(45, 2, 0)
    L.spikes(1, 2, 2)
    L.checkpoint(64, 2)
    L.can(74, 2)
    L.goal(88, 2)
    return L


def level4():
    """Roaches: they walk to and fro and cost a heart when they touch the
    rolling apple; hot plates burn, marshmallows are soft bumps."""
    t = room(100, 26)
    L = Level("Level4", t, "TilePlatform2", (5, 5), (0, 0), (100, 26), "Warehouse")
    L.sign(16, 9, "Jump over the roaches")
    L.roach(26, 2)
    L.checkpoint(38, 2)
    L.death_platform(47, 2, 1)
    L.roach(58, 2, rider=True)
    L.marshmallow(66, 2)
    L.checkpoint(72, 2)
    L.roach(82, 2)
    L.goal(93, 2)
    return L


def level5():
    """Ketchup bridges and rats: a ketchup bottle lying over a pit carries the
    apple across; a rat chases the apple from behind."""
    t = room(104, 26)
    t.clear(30, 0, 37, 1)       # a pit under the first bottle
    t.fill(30, 0, 37, 0)
    L = Level("Level5", t, "TilePlatform2", (5, 5), (0, 0), (104, 26), "Warehouse")
    L.spikes(30, 1, 8)
    L.rotating(34, 2.3, 9.0, 180.0)
    L.sign(33, 8, "Bottles bridge the gaps")
    L.checkpoint(44, 2)
    L.rat(50, 2)
    L.sign(56, 8, "Keep ahead of the rat!")
    L.wall(66.5, 3, 1, 2, name="CrateWall")
    L.checkpoint(76, 2)
    L.death_platform(84, 2, 2)
    L.goal(96, 2)
    return L


def level6():
    """The freezer. Icicles fall on an apple passing below them, but too late
    for one that keeps rolling; a false ice floor hides a pit of spikes (a
    double tap jumps it); a belt carries the apple fast under icicles hung
    low enough to catch a slow one; a hop climbs the last ice step."""
    t = room(112, 24)
    t.fill(20, 10, 44, 11)      # the high ceiling of the first icicle run
    t.clear(53, 0, 54, 1)       # the pit under the false floor
    t.fill(53, 0, 54, 0)
    t.fill(68, 8, 78, 9)        # the low ceiling over the belt
    t.fill(86, 2, 94, 2)        # the ice step, top at y 3
    L = Level("Level6", t, "TilePlatform3", (5, 5), (0, 0), (112, 24), "Freezer")
    L.sign(16, 8, "Icicles fall when you pass")
    L.sign(16, 6.8, "Keep rolling!")
    for x in (25, 32, 39):
        L.icicle(x, 10)
    L.checkpoint(47, 2)
    L.spikes(53, 1, 2)
    for x in range(53, 55):
        L.fake_tile(x, 1)
    L.sign(53, 9, "Not all ice holds")
    L.sign(53, 7.8, "Tap UP twice to jump far")
    L.checkpoint(61, 2)
    kit.belt_in_floor(L, 65, 12)
    L.sign(66, 11, "Belts speed you up")
    for x in (71, 75):
        L.icicle(x, 8)
    L.checkpoint(81, 2)
    L.sign(84, 8, "Hop up the step")
    L.goal(104, 2)
    return L


def level7():
    """Air conditioners run by a floor switch. A rat in a cage under the
    floor runs five units behind the apple; only at the cage's right end is
    it on the switch that runs the air stream up to the high shelf, so the
    apple waits by the stream (a Right turn) until the rat gets there."""
    t = room(96, 30)
    t.fill(0, 2, 95, 3)         # a thick floor, top at y 4
    t.clear(4, 1, 25, 2)        # the rat's cage inside it
    t.fill(34, 4, 94, 12)       # the high shelf, top at y 13
    L = Level("Level7", t, "TilePlatform2", (5, 7), (0, 0), (96, 30), "Warehouse")
    L.floor_switch("A", 24.9, 1)
    L.rat(5.5, 1)
    L.sign(19, 9, "A rat on the switch runs the air")
    L.sign(19, 7.8, "Wait for it: RIGHT turns you")
    kit.air_column(L, "AirConA", 31, 4, 4, 12)
    L.aircon_unit("AirConUnitA", 31, 3.0, 0)
    L.sign(31, 20, "Turn RIGHT as you rise")
    L.checkpoint(44, 13)
    L.spikes(60, 13, 1)
    L.sign(58, 19, "Tap UP twice to jump far")
    L.goal(88, 13)
    return L


def level8():
    """Air conditioners run by a clickable switch. The switch runs one of the
    two streams at a time: the first tower needs stream B, which starts off,
    so the player clicks the switch before the apple gets there; on the
    tower the player clicks again to swap back to stream A, which lifts the
    apple onto the high shelf of the basket."""
    t = room(112, 30)
    t.fill(40, 2, 56, 10)       # the first tower, top at y 11
    t.fill(72, 2, 110, 12)      # the high shelf, top at y 13
    L = Level("Level8", t, "TilePlatform2", (5, 5), (0, 0), (112, 30), "Warehouse")
    kit.air_column(L, "ClickableAirConA", 68.5, 2, 4, 14)
    L.aircon_unit("Aircon_SpriteA", 68.5, 1.0, 11)
    kit.air_column(L, "ClickableAirConB", 36.5, 2, 4, 12)
    L.aircon_unit("Aircon_SpriteB", 36.5, 1.0, 10)
    L.clickable_switch("A", 26, 7)
    L.sign(26, 10.5, "Click the switch to swap the air")
    L.checkpoint(46, 11)
    L.sign(50, 17, "Click again for the other stream")
    L.checkpoint(78, 13)
    L.spikes(88, 13, 1)
    L.goal(102, 13)
    return L


def level9():
    """Everything at once, in the cold store: icicles to roll under, a
    mushroom up to a ledge, a false ice floor, a belt under low icicles, the
    caged rat's floor switch and its air stream, a roach in a trough, and a
    clickable switch for the last stream up to the basket."""
    t = room(188, 30)
    t.fill(0, 2, 187, 3)        # a thick floor, top at y 4
    t.fill(16, 12, 32, 13)      # the high ceiling of the first icicles
    t.fill(42, 4, 58, 6)        # the ledge the mushroom reaches, top at y 7
    t.clear(66, 3, 67, 3)       # the pit under the false floor
    t.fill(80, 10, 92, 11)      # the low ceiling over the belt
    t.clear(98, 1, 117, 2)      # the rat's cage inside the floor
    t.fill(127, 4, 150, 12)     # the rat's shelf, top at y 13
    t.clear(160, 3, 161, 3)     # the roach's trough
    t.fill(174, 4, 186, 14)     # the basket's shelf, top at y 15
    L = Level("Level9", t, "TilePlatform3", (5, 7), (0, 0), (188, 30), "Freezer")
    L.sign(12, 10, "Everything you learnt, all at once")
    for x in (20, 27):
        L.icicle(x, 12)
    L.mushroom(40.8, 4)
    L.checkpoint(46, 7)
    L.spikes(66, 3, 2)
    for x in (66, 67):
        L.fake_tile(x, 3)
    L.checkpoint(72, 4)
    kit.belt_in_floor(L, 78, 14, floor_y=4)
    for x in (84, 88):
        L.icicle(x, 10)
    L.floor_switch("A", 116.9, 1)
    L.rat(99.5, 1)
    kit.air_column(L, "AirConA", 124, 4, 4, 12)
    L.aircon_unit("AirConUnitA", 124, 3.0, 0)
    L.checkpoint(132, 13)
    L.spikes(142, 13, 1)
    L.roach(160.8, 3)
    # The switch swaps two streams: C, a short one behind the basket that
    # runs from the start, and D, the way up.
    kit.air_column(L, "ClickableAirConC", 185, 15, 2, 3)
    L.aircon_unit("Aircon_SpriteC", 185, 14.0, 11)
    kit.air_column(L, "ClickableAirConD", 170.5, 4, 4, 14)
    L.aircon_unit("Aircon_SpriteD", 170.5, 3.0, 10)
    L.clickable_switch("C", 164, 11)
    L.goal(181, 15)
    return L


def level10():
    """The end scene: the apple rolls (it never rests here) into the crate on
    the van's tail; the van drives off and the ending follows."""
    t = TileMap(60, 20)
    t.fill(0, 0, 59, 1)
    t.fill(0, 2, 0, 19)
    o = []
    o.append(GameObject("Player", "Player", (4, 5, -5), (2, 2, 1), components=[
        body(mass=1.0), renderer("Apple", 0), animator("Apple100", 12), circle(1.0), behaviour("Player"),
        audio("AppleLand")]))
    o.append(GameObject("MainCamera", 0, (18, 10, 0), components=[camera(35.0, (0, 0), (60, 20)),
                                                                  behaviour("CameraScript")]))
    o.append(GameObject("Street", 0, (30, 11, -9), (80, 22, 1), components=[renderer("BG_Market_Far")]))
    o.append(GameObject("CrateWin", "Crate", (30, 2.9, -4), (1.8, 1.8, 1), components=[
        body(), obb((0.5, 0.5)), renderer("Crate", 0)]))
    o.append(GameObject("Van", 0, (36, 4.6, -4.5), (10, 5, 1), components=[
        renderer("Van"), behaviour("Van"), audio("EndSceneTruckStay")]))
    for i, x in enumerate((33.5, 39.0)):
        o.append(GameObject("Van_Wheel", 0, (x, 2.7, -4.2), (1.6, 1.6, 1), components=[
            renderer("VanWheel", 0), animator("Van_WheelSpin", 12, playing=False)]))
    o.append(GameObject("BlackScreen", 0, (30, 10, 5), (120, 60, 1), components=[renderer("BlackScreen", alpha=1.0)]))
    return o, t


def level11():
    """The ending: the apple lands by the worm's hole, the worm comes out, and
    from above the worm and the apple share the crate. Then the menu."""
    t = TileMap(50, 60)
    t.fill(0, 0, 49, 9)         # the crate's floor, top at y 10
    t.fill(0, 10, 0, 28)
    t.fill(49, 10, 49, 28)
    o = []
    o.append(GameObject("Player", "Player", (26, 13, -5), (2, 2, 1), components=[
        body(mass=1.0), renderer("Apple", 0), animator("Apple100", 12), circle(1.0), behaviour("Player"),
        audio("AppleLand")]))
    o.append(GameObject("MainCamera", 0, (18, 17, 0), components=[camera(35.0, (0, 0), (50, 60)),
                                                                  behaviour("CameraScript")]))
    o.append(GameObject("CrateInside", 0, (18, 17, -9), (42, 24, 1), components=[renderer("EndingBG")]))
    o.append(GameObject("Worm", 0, (15.5, 11.5, -5.5), (2.5, 2.5, 1), components=[
        renderer("Worm", 0, alpha=0.0), animator("Worm_Wiggle", 8, playing=False)]))
    o.append(GameObject("TopView", 0, (23, 40, -9), (40, 23, 1), components=[renderer("BG_Top")]))
    o.append(GameObject("TopWorm1", 0, (21, 40, -4), (5, 5, 1), components=[
        renderer("Worm", 3), animator("TopWorm_Rise", 6, loop=False, playing=False)]))
    o.append(GameObject("TopWorm2", 0, (21, 40, -4), (5, 5, 1), components=[renderer("Worm", 8, invisible=True)]))
    o.append(GameObject("TopAppleFront", 0, (25, 40, -3), (4, 4, 1), components=[renderer("TopAppleFront", 0)]))
    o.append(GameObject("TheEnd", 0, (23, 46, 1), components=[text("THE END", 48, (1, 1, 1, 1))]))
    o.append(GameObject("BlackScreen", 0, (23, 30, 5), (120, 80, 1), components=[renderer("BlackScreen", alpha=1.0)]))
    return o, t


class Scene:
    """A level built without the play-level kit."""

    def __init__(self, objects, tiles, tileset):
        self.objects = objects
        self.tiles = tiles
        self.tileset = tileset


def all_levels():
    out = {}
    for n, make in enumerate([level1, level2, level3, level4, level5, level6, level7, level8, level9], 1):
        out["Level%d" % n] = make()
    out["Level10"] = Scene(*level10(), "TilePlatform")
    out["Level11"] = Scene(*level11(), "TilePlatform")
    return out
