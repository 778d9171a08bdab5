"""The nine play levels, the end scene (Level10) and the ending (Level11).

Units: one tile is 1 x 1; the floor of most rooms is rows 0-1, its top at
y 2. The apple (world radius 1) rolls at about 3.3 units a second; a tap on
Up lifts it about 2 units, two quick taps about 4; a mushroom about 4.5."""
# Contents:
#   room: a closed room's tiles
#   level1 to level9: the play levels
#   level10 (the end scene) and level11 (the ending)
#   Scene and all_levels
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
    """Rolling, turning and jumping, in a closed room where no mistake costs
    more than a second try. The apple lands facing right; the basket lies to
    the left behind a crate. Space starts the apple, Right turns it back (left
    alone it turns at the wall), and the crate stops it, the apple pushing
    against it, until Up hops it over: a hop that falls short just leaves it
    at the crate again."""
    t = room(44, 20)
    L = Level("Level1", t, "TilePlatform", (30, 5), (0, 0), (44, 20))
    L.dark_sign(31.5, 10.3, "SPACE: start rolling", more=["RIGHT: turn around"])
    L.crate_step(27.5, 2)
    L.dark_sign(19.5, 7.9, "UP: hop over the crate")
    L.goal(17, 2)
    return L


def level2():
    """Mushrooms, checkpoints and false tiles. A mushroom bounces the apple
    onto a shelf where a checkpoint waits; a wall at the foot of the shelf
    is false and lets the apple through; the basket stands on a step beyond
    a ledge of false tiles, which the apple reaches by hopping up through the
    ledge from below (it is solid only from above). Rolling on under the
    ledge meets the step's wall and comes back for another try."""
    t = room(84, 26)
    t.fill(21, 2, 38, 5)        # the shelf, top at y 6
    t.fill(50, 5, 50, 24)       # a wall down from the ceiling ...
    t.fill(70, 2, 82, 3)        # the basket's step, top at y 4
    L = Level("Level2", t, "TilePlatform", (5, 5), (0, 0), (84, 26))
    L.sign(16, 10, "Mushrooms bounce you up")
    L.mushroom(20, 2)
    L.checkpoint(26, 6)
    L.sign(21, 13.5, "Checkpoints keep your place")
    for y in (2, 3, 4):         # ... that ends in false tiles
        L.fake_tile(50, y, 1)
    L.sign(46, 11, "Not every wall is solid")
    L.false_ledge(58, 3, 12)    # top at y 4, up to the step
    L.sign(62, 10, "UP under a false ledge: hop through it")
    L.goal(77, 4)
    return L


def level3():
    """Springs, cans and fruit. A can and a fruit hop the apple along on
    their own; a spring at the foot of a high shelf throws the apple only
    halfway up, unless Up is tapped as it springs; past the checkpoint the
    basket stands on a block as high as the shelf, climbed with a quick
    double tap of Up."""
    t = room(100, 26)
    t.fill(34, 2, 60, 4)        # the high shelf, top at y 5
    L = Level("Level3", t, "TilePlatform", (5, 5), (0, 0), (100, 26))
    L.can(18, 2)
    L.sign(18, 9, "Cans bounce you over")
    L.fruit(25, 2, 0)
    L.sign(25, 7, "Fruit gives a little hop")
    L.jump_pad(33, 2)
    L.sign(17.5, 12, "Tap UP as a spring throws you up")
    L.checkpoint(40, 5)
    t.fill(76, 2, 98, 4)        # the basket's block, top at y 5
    L.sign(70, 11, "Tap UP twice, quickly, for a high jump")
    L.goal(88, 5)
    return L


def level4():
    """Roaches, hot plates and marshmallows, in the warehouse. A marshmallow
    stops the apple until it hops over; a hot plate set in the floor burns
    it unless it hops across; a roach with a rider walks to and fro in a pit
    the apple must cross, jumped with a double tap, and the pit is left with
    another double tap up its far side."""
    t = room(110, 26)
    t.clear(21, 1, 21, 1)       # the hot plate's bed
    t.clear(44, 1, 61, 1)       # the roach's pit, its floor at y 1
    L = Level("Level4", t, "TilePlatform2", (5, 5), (0, 0), (110, 26), "Warehouse")
    L.marshmallow(16, 2)
    L.sign(15, 9, "Hop over marshmallows")
    L.flush_hotplate(21, 2, 1)
    L.sign(21.5, 11, "Hot plates burn: hop across")
    L.checkpoint(34, 2)
    L.roach(52, 1, rider=True)
    L.sign(48, 10, "Roaches bite: jump them with a double tap")
    L.checkpoint(70, 2)
    L.goal(100, 2)
    return L


def level5():
    """Ketchup bottles, rats and crates, in the warehouse. A bottle lying
    over a pit of forks carries the apple across. A rat waits at the near
    end of its pit (held by a marshmallow, not a wall, so it can turn and
    run), jumped from the pit's edge with a double tap; then it gives chase,
    and an apple that turns back meets it, so the pit's far wall must be
    climbed at the first go. A crate at the foot of a high shelf throws the
    apple onto its lid, and a tap on Up from there reaches the shelf (the rat
    cannot follow); a second bottle bridges a gap in the shelf."""
    t = room(120, 26)
    t.fill(1, 2, 17, 2)         # the start, a row up (top at y 3) ...
    t.clear(18, 0, 21, 1)       # ... then the first bottle's pit ...
    t.fill(18, 0, 21, 0)        # ... one row deep; the floor beyond at y 2
    t.clear(40, 1, 55, 1)       # the rat's pit, its floor at y 1
    t.fill(65, 2, 83, 5)        # the high shelf, top at y 6 ...
    t.fill(84, 2, 87, 4)        # ... a gap in it a row deep ...
    t.fill(88, 2, 118, 4)       # ... and beyond, a row lower (top at y 5)
    L = Level("Level5", t, "TilePlatform2", (5, 5), (0, 0), (120, 26), "Warehouse")
    L.spikes(18, 1.39, 4)       # the bottle lies on the forks' points
    L.bottle_bridge(20, 2.25)
    L.sign(20, 8, "Bottles bridge the gaps")
    L.checkpoint(28, 2)
    L.marshmallow(40.5, 1)      # the rat waits against it, free to turn
    L.rat(50, 1)
    L.sign(44, 9, "Jump the rat, then never turn back")
    L.toss_crate(64.2, 2)
    L.sign(60, 13, "Crates throw you up: tap UP on the lid")
    L.checkpoint(70, 6)
    L.spikes(84, 4.89, 4)
    L.bottle_bridge(86, 5.75)
    L.goal(110, 5)
    return L


def level6():
    """The freezer. Icicles fall on an apple passing below them, but too late
    for one that keeps rolling; a false ice floor hides a pit of spikes (a
    double tap jumps it); a belt carries the apple fast under icicles hung
    low enough to catch a slow one; a hop climbs the last ice step."""
    t = room(112, 24)
    t.fill(20, 9, 44, 10)       # the high ceiling of the first icicle run
    t.clear(53, 0, 54, 1)       # the pit under the false floor
    t.fill(53, 0, 54, 0)
    t.fill(68, 7, 78, 8)        # the low ceiling over the belt
    t.fill(86, 2, 94, 2)        # the ice step, top at y 3
    L = Level("Level6", t, "TilePlatform3", (5, 5), (0, 0), (112, 24), "Freezer")
    # Left of the icicle run: its board ends before the ceiling begins.
    L.sign(4, 7.5, "Icicles fall when you pass", more=["Keep rolling!"])
    for x in (25, 32, 39):
        L.icicle(x, 9)
    L.checkpoint(47, 2)
    L.spikes(53, 1, 2)
    for x in range(53, 55):
        L.fake_tile(x, 1)
    L.sign(53, 9, "Not all ice holds", more=["Tap UP twice to jump far"])
    L.checkpoint(61, 2)
    kit.belt_in_floor(L, 65, 12)
    L.sign(66, 11, "Belts speed you up")
    for x in (71, 75):
        L.icicle(x, 7)
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
    L.sign(19, 9, "A rat on the switch runs the air", more=["It follows you to the switch"])
    kit.air_column(L, "AirConA", 31, 4, 4, 12)
    L.aircon_unit("AirConUnitA", 31, 3.0, 0)
    # Below the interface's clock and speed button in the first view.
    L.sign(16, 17, "Turn RIGHT as you rise")
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
    L.sign(15, 10.5, "Click the switch to swap the air")
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
    t.fill(16, 11, 32, 12)      # the high ceiling of the first icicles
    t.fill(42, 4, 58, 6)        # the ledge the mushroom reaches, top at y 7
    t.clear(66, 3, 67, 3)       # the pit under the false floor
    t.fill(80, 9, 92, 10)       # the low ceiling over the belt
    t.clear(98, 1, 117, 2)      # the rat's cage inside the floor
    t.fill(127, 4, 150, 12)     # the rat's shelf, top at y 13
    t.clear(160, 3, 161, 3)     # the roach's trough
    t.fill(174, 4, 186, 14)     # the basket's shelf, top at y 15
    L = Level("Level9", t, "TilePlatform3", (5, 7), (0, 0), (188, 30), "Freezer")
    # On the icicles' ceiling, clear of the icicles hanging under it.
    L.sign(12, 15, "Everything you learnt, all at once")
    for x in (20, 27):
        L.icicle(x, 11)
    L.mushroom(40.8, 4)
    L.checkpoint(46, 7)
    L.spikes(66, 3, 2)
    for x in (66, 67):
        L.fake_tile(x, 3)
    L.checkpoint(72, 4)
    kit.belt_in_floor(L, 78, 14, floor_y=4)
    for x in (84, 88):
        L.icicle(x, 9)
    L.floor_switch("A", 116.9, 1)
    L.rat(99.5, 1)
    L.sign(118, 10, "Lead the rat to its switch")
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
    L.sign(164, 13.5, "Click for the last stream")
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
    # No walker here, so the camera script leaves the camera where it is
    # placed: its view's bottom edge is the tiles' bottom (half the screen's
    # 768 pixels at the zoom above it), nothing below the ground shows.
    o.append(GameObject("MainCamera", 0, (18, 384.0 / 35.0, 0), components=[camera(35.0, (0, 0), (60, 20)),
                                                                            behaviour("CameraScript")]))
    # The street covers every view of the clamp at any zoom, the floor's
    # underside included (the art keeps its 2:1 shape).
    o.append(GameObject("Street", 0, (30, 10, -9), (88, 44, 1), components=[renderer("BG_Market_Far")]))
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
    o.append(GameObject("CrateInside", 0, (24, 16, -9), (56, 32, 1), components=[renderer("EndingBG")]))
    o.append(GameObject("Worm", 0, (15.5, 11.5, -5.5), (2.5, 2.5, 1), components=[
        renderer("Worm", 0, alpha=0.0), animator("Worm_Wiggle", 8, playing=False)]))
    # The sky of the top view (the camera cuts to (23, 40)) fills every
    # row of that view, down to its bottom edge at y 29; the bunting hangs
    # in front of it. Its picture is as tall per unit as the crate's inside.
    o.append(GameObject("TopSky", 0, (24, 45, -9), (56, 32, 1), components=[renderer("EndingBG")]))
    o.append(GameObject("TopView", 0, (23, 40, -8.5), (40, 23, 1), components=[renderer("BG_Top")]))
    o.append(GameObject("TopWorm1", 0, (21, 39, -4), (5, 5, 1), components=[
        renderer("Worm", 3), animator("TopWorm_Rise", 6, loop=False, playing=False)]))
    o.append(GameObject("TopWorm2", 0, (21, 39, -4), (5, 5, 1), components=[renderer("Worm", 8, invisible=True)]))
    o.append(GameObject("TopAppleFront", 0, (25, 39, -3), (4, 4, 1), components=[renderer("TopAppleFront", 0)]))
    # "THE END" on a board centred on the top view's x 23, between the lamps
    # and under the bunting (text starts at its position).
    size = 52
    width = kit.text_width("THE END", size)
    end_x = round(23 - width / 2.0, 2)
    em = size * 0.45 * 48 / 500.0
    base_y = 44.6
    top, bottom = base_y + 0.85 * em, base_y - 0.25 * em
    o.append(GameObject("TheEndBoard", 0, (23, round((top + bottom) / 2.0, 3), -7.8),
                        (round(width + 1.6, 3), round(top - bottom + 0.6, 3), 1), components=[renderer("SignBoard")]))
    o.append(GameObject("TheEnd", 0, (end_x, base_y, 1), components=[text("THE END", size, (0.71, 0.16, 0.16, 1))]))
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
