"""The levels that are not played: the splash, the main menu, the story, the
credits, the interface level loaded beside every play level, and the test
level the editor's play-test overwrites."""
from objects import (GameObject, animator, audio, behaviour, body, button, camera, circle, obb, particles,
                     renderer, text)
from tiles import TileMap

# UIButtons holds three frames (idle, hover, pressed) per label, in this order.
LABELS = ["PLAY", "LEVELS", "HOW TO PLAY", "SETTINGS", "CREDITS", "EXIT", "BACK", "YES", "NO", "RESUME",
          "RESTART", "QUIT", "NEXT", "RETRY", "MENU", "CONTROLS", "START", "SKIP"]
ICONS = ["up", "down", "plus", "minus", "tick_off", "tick_on", "bell", "pause", "back", "close", "leaf",
         "speaker"]


def label(name):
    return LABELS.index(name) * 3


def icon(name):
    return ICONS.index(name) * 3


def camera_object(pos, zoom, name="MainCamera"):
    return GameObject(name, 0, pos, components=[camera(zoom)])


def splash():
    objects = [
        camera_object((0, 0, 0), 35.0),
        GameObject("Backdrop", 0, (0, 0, -5), (40, 23, 1), components=[renderer("WhiteScreen")]),
        GameObject("VELMARLOGO", 0, (0, 0.5, 0), (14, 7, 1), components=[renderer("VelmarLogo", alpha=0.0)]),
        GameObject("TEAMLOGO", 0, (0, 0.5, 0), (14, 7, 1), components=[renderer("TeamLogo", alpha=0.0)]),
        GameObject("OrlintideLogo", 0, (0, 0.5, 0), (14, 7, 1), components=[renderer("OrlintideLogo", alpha=0.0)]),
        GameObject("SplashDirector", 0, (0, 0, 0), components=[behaviour("SplashScreen"), audio("LogoSound")]),
    ]
    return objects, TileMap(0, 0)


def story():
    objects = [
        camera_object((0, 0, 0), 35.0),
        GameObject("StoryBoard", 0, (0, 0, 0), (39, 22, 1), components=[renderer("Story", alpha=0.0),
                                                                          behaviour("StoryScript")]),
    ]
    return objects, TileMap(0, 0)


# A title: red letters with a dark outline, as the pictures' titles are
# drawn. Text has no outline of its own: eight dark copies around the red
# one make it; they come first, as text is drawn in the order it is read.
TITLE_RED = (0.91, 0.25, 0.24, 1)
TITLE_EDGE = (0.23, 0.14, 0.09, 1)


def title(name, x, y, message, size, edge):
    copies = []
    for k, (dx, dy) in enumerate(((-1, -1), (0, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (0, 1), (1, 1))):
        copies.append(GameObject("%sEdge%d" % (name, k + 1), 0, (x + dx * edge, y + dy * edge, 0),
                                 components=[text(message, size, TITLE_EDGE)]))
    return copies + [GameObject(name, 0, (x, y, 0), components=[text(message, size, TITLE_RED)])]


def menu_button(name, x, y, frame, state="NONE", sheet="UIButtons", scale=(3.2, 1.2), script=True, tag=0):
    comps = [renderer(sheet, frame), button(state), audio("ButtonHover")]
    if script:
        comps.append(behaviour("MainMenu"))
    return GameObject(name, tag, (x, y, 1), (scale[0], scale[1], 1), components=comps)


def new_menu():
    # Pages (camera positions): main (31, 15), levels (47.5, 15.1), how to
    # play (31, 25), settings (14.5, 14.9), exit (31, 5). At zoom 76.8 the
    # view is 17.8 x 10 units, one page.
    zoom = 76.8
    o = [camera_object((31, 15, 0), zoom, "MenuCamera")]
    # Backdrop over every page.
    o.append(GameObject("MenuBG", 0, (31, 15, -9), (56, 34, 1), components=[renderer("MenuBG")]))
    # Main page.
    edge = 3.0 / zoom  # the outline, in pixels of the 1366 x 768 screen
    o += title("Title", 26.0, 18.2, "THE APPLE'S WAY HOME", 40, edge)
    o.append(menu_button("PlayButton", 31, 16.2, label("PLAY"), "PLAY_STORY", script=False))
    o.append(menu_button("LevelSelectionCol", 31, 14.8, label("LEVELS")))
    o.append(menu_button("HTP_Col", 27.2, 13.4, label("HOW TO PLAY")))
    o.append(menu_button("Setting_Col", 34.8, 13.4, label("SETTINGS")))
    o.append(menu_button("AppleCredits", 27.2, 12.0, label("CREDITS")))
    o.append(menu_button("Exit_Col", 34.8, 12.0, label("EXIT")))
    # Level page: picks 1-9 in three rows; the sheet holds 7 frames per pick.
    o += title("LevelsTitle", 44.4, 18.6, "CHOOSE A LEVEL", 36, edge)
    for n in range(1, 10):
        col, row = (n - 1) % 3, (n - 1) // 3
        o.append(GameObject("Level%dPick" % n, 0, (44.5 + 3 * col, 16.9 - 2.1 * row, 1), (1.9, 1.9, 1),
                            components=[renderer("LevelPicks", (n - 1) * 7), button("LEVEL"), audio("ButtonHover")]))
    o.append(menu_button("BackCol", 47.5, 10.95, label("BACK"), scale=(2.4, 0.9)))
    # How-to-play page, with the apple rolling on a shelf below the picture.
    o.append(GameObject("HowToPlayBoard", "HowToPlayInstruction", (31, 26.6, 0), (12, 6, 1),
                        components=[renderer("HowToPlay")]))
    o.append(menu_button("BackCol", 38.5, 28.8, label("BACK"), scale=(2.4, 0.9)))
    # Settings page.
    # One label, a minus, a bar of three steps, a plus and the value per row.
    o.append(GameObject("SettingsPanel", 0, (14.5, 14.9, -1), (15, 8.5, 1), components=[renderer("SettingsPanel")]))
    label_colour = (0.43, 0.26, 0.14, 1)
    rows = [("BGM", 16.8, "MUSIC"), ("SE", 15.4, "SOUNDS"), ("Scroll", 14.0, "ZOOM SPEED")]
    for prefix, y, caption in rows:
        o.append(GameObject(prefix + "Caption", 0, (8.0, y - 0.2, 1), components=[text(caption, 26, label_colour)]))
        down = "BGMdown" if prefix == "BGM" else "SEdown" if prefix == "SE" else "ScrollDown"
        up = "BGMup" if prefix == "BGM" else "SEup" if prefix == "SE" else "ScrollUp"
        o.append(menu_button(down, 13.0, y, icon("minus"), sheet="UIIconButtons", scale=(1.0, 1.0)))
        o.append(GameObject(prefix + "Bar", 0, (15.6, y, 0.5), (3.6, 0.9, 1), components=[
            renderer("SettingsBar", 3), behaviour("MainMenu")]))
        if prefix == "BGM":
            # The menu hides this button at its first click: the plus sign
            # itself is a picture under an invisible hit area.
            o.append(GameObject("BGMupIcon", 0, (18.2, y, 0.5), (1.0, 1.0, 1),
                                components=[renderer("UIIconButtons", icon("plus"))]))
        o.append(menu_button(up, 18.2, y, icon("plus"), sheet="UIIconButtons", scale=(1.0, 1.0)))
        o.append(GameObject(prefix + "Text", 0, (19.0, y - 0.2, 1), components=[text("HIGH", 24, label_colour),
                                                                             behaviour("MainMenu")]))
    o.append(GameObject("FullScreenCaption", 0, (8.0, 12.4, 1), components=[text("FULL SCREEN", 26, label_colour)]))
    o.append(GameObject("FullScreenBox", 0, (13.0, 12.6, 0.5), (1.0, 1.0, 1),
                        components=[renderer("UIIconButtons", icon("tick_off"))]))
    o.append(menu_button("FullScreenTick", 13.0, 12.6, icon("tick_on"), sheet="UIIconButtons", scale=(1.0, 1.0)))
    o.append(menu_button("BackCol", 14.5, 11.0, label("BACK"), scale=(2.4, 0.9)))
    # Exit page.
    o.append(GameObject("ExitQuestion", 0, (27.7, 6.8, 1), components=[text("LEAVE THE GAME?", 36, (1, 1, 1, 1))]))
    o.append(menu_button("QuitGame", 28.5, 4.8, label("YES"), "QUIT", script=False))
    o.append(menu_button("ConfirmExit", 33.5, 4.8, label("NO")))
    # Shared props of the level-page intro.
    o.append(GameObject("Emmiter", 0, (47.5, 20.5, 2), components=[particles(
        "Sparkle", Activate=False, VaryPosition=True, MinPos=(-9, 0, 0), MaxPos=(9, 0, 0), MinDir=(-0.2, -1, 0),
        MaxDir=(0.2, -1, 0), StartSpeed=3.0, MidSpeed=3.0, EndSpeed=3.0, MinLifeSpan=3.0, MaxLifeSpan=3.0,
        MidLifeSpan=1.5, MaxParticle=80, BurstAmount=4, Delay=0.1)]))
    o.append(GameObject("FallingApple", 0, (47.5, 21.0, 1.5), (1.2, 1.2, 1), components=[renderer("Apple", 0)]))
    o.append(GameObject("TheTruck", 0, (31, 9, 1), (0.4, 0.2, 1), components=[renderer("Van"), audio("IntroTruck")]))
    # The how-to-play apple: a real apple on a shelf of the page, so the menu
    # has its music and the page shows the apple rolling and turning.
    o.append(GameObject("Player", "Player", (25, 22.5, 0), (1.2, 1.2, 1), components=[
        body(mass=1.0), renderer("Apple", 0), animator("Apple100", 12), circle(1.0), behaviour("Player"),
        audio("AppleLand")]))
    # The shelf stays inside the how-to-play page (x 22.1 to 39.9) and out
    # of the LEVELS page beside it, which begins at x 38.6.
    tiles = TileMap(60, 32)
    tiles.fill(23, 20, 37, 20)
    tiles.fill(23, 21, 23, 22)
    tiles.fill(37, 21, 37, 22)
    return o, tiles.build()


def credits():
    # The camera shows x -9.5 to 29.5, y 4 to 26 at zoom 35.
    o = [camera_object((10, 15, 0), 35.0)]
    o.append(GameObject("CreditsBG", 0, (10, 15, -9), (40, 23, 1), components=[renderer("CreditsBG")]))
    # The credit lines are drawn on the page's card (CreditsBG).
    o.append(GameObject("MenuButton", 0, (24.5, 6.5, 1), (3.2, 1.2, 1), components=[
        renderer("UIButtons", label("MENU")), button("MAIN_MENU"), audio("ButtonHover")]))
    # Walkers on the back street.
    o.append(GameObject("Border1", "Border", (-12, 15.5, 0), (1, 4, 1), components=[body(), obb((0.5, 0.5))]))
    o.append(GameObject("Border2", "Border", (32, 15.5, 0), (1, 4, 1), components=[body(), obb((0.5, 0.5))]))
    for i, sheet in enumerate(["Background_Human", "Background_Human2", "Background_Human3"]):
        anim = ["Human_Walk", "Human_Walk2", "Human_Walk3"][i]
        o.append(GameObject("Walker%d" % (i + 1), "People", (-6 + 12 * i, 15.5, -5), (2, 4, 1), components=[
            body(mass=1.0), obb((0.5, 0.5)), renderer(sheet, 0), animator(anim, 8),
            behaviour("BackgroundPersonMovement")]))
    # An apple rolling to and fro on the shelf.
    o.append(GameObject("CreditsApple", 0, (4, 7.5, 0), (1.5, 1.5, 1), components=[
        body(mass=1.0), renderer("Apple", 0), circle(1.0), behaviour("BasicPlayerMovement"), audio("AppleLand")]))
    tiles = TileMap(30, 10)
    tiles.fill(0, 4, 22, 5)
    tiles.fill(0, 6, 0, 7)
    tiles.fill(22, 6, 22, 7)
    return o, tiles.build()


# The interface script moves a button's click box by this much (offset units
# at zoom 35) from the shape's own offset; the shapes here start the other way
# round, so the box sits on the picture at every zoom.
BOX_SHIFT = {"HTPBackBtn": (1.0, -0.5, 0.0)}
BOX_SHIFT_DEFAULT = (1.0, 2.5, 0.0)


def ui_button(name, frame, scale=(2.4, 0.9), sheet="UIButtons"):
    # The buttons stay in the world beside the view while hidden: their bodies
    # are for the mouse only and must not stop the apple or anything else. The
    # box covers the whole picture.
    return GameObject(name, 0, (0, 0, -2), (scale[0], scale[1], 1), components=[
        body(collide=False), obb((1.0, 1.0), BOX_SHIFT.get(name, BOX_SHIFT_DEFAULT)), renderer(sheet, frame),
        behaviour("UIScript"), audio("ButtonHover"), button()])


def ui_picture(name, sheet, scale, frame=0, alpha=1.0, extra=()):
    return GameObject(name, 0, (0, 0, -3), (scale[0], scale[1], 1), components=[
        renderer(sheet, frame, alpha=alpha), behaviour("UIScript")] + list(extra))


def ui():
    # Scales are the file scale: the interface shows them at twice this at the
    # level zoom 35, where the screen is about 19.5 x 11 file units.
    o = [
        ui_picture("TransitionIn", "BlackScreen", (20, 11.5), alpha=1.0),
        ui_picture("UIApple", "UIApple", (1.0, 1.0)),
        ui_picture("Heart", "Heart", (0.55, 0.5)),
        ui_picture("Heart1", "Heart", (0.55, 0.5)),
        ui_picture("Heart2", "Heart", (0.55, 0.5)),
        # Its clock stands left of where the time text starts (offset -3.8).
        ui_picture("TimerBG", "TimerBG", (8.3, 0.9)),
        GameObject("TimeText", 0, (0, 0, -2), components=[text("Time Spent: 0.00", 13, (1, 1, 1, 1)),
                                                          behaviour("UIScript")]),
        GameObject("SpeedIndicator", 0, (0, 0, -4), (0.8, 0.8, 1), components=[
            body(collide=False), obb((1.0, 1.0)), renderer("SpeedIndicator", 0), behaviour("UIScript"), audio("ButtonHover"),
            button()]),
        # The pause pages share one board, centred, that holds every piece of
        # them (the controls page's BACK at its top left, QUIT at its right);
        # the page's card stands at its left, clear of the buttons' diamond
        # and of YES above it; the controls text leaves the card a gap.
        ui_picture("PauseBG", "PausePanel", (18.6, 9.4)),
        ui_picture("PauseTitle", "PauseScreenBG", (2.5, 2.6)),
        ui_picture("HTPContent", "PauseControls", (16.2, 8.6)),
        ui_button("ResumeButton", label("RESUME")),
        ui_button("RestartButton", label("RESTART")),
        ui_button("HTPButton", label("CONTROLS")),
        ui_button("QuitButton", label("QUIT")),
        ui_button("YesButton", label("YES")),
        ui_button("NoButton", label("NO")),
        ui_button("HTPBackBtn", label("BACK")),
        # Inside the screen (the banner whole), clear of the stars, the apples
        # and the buttons.
        ui_picture("WinScreenBG", "WinScreenBG", (18.6, 10.4)),
        ui_picture("AppleWinAni", "AppleWin", (1.8, 1.8), extra=[animator("AppleWinCheer", 8)]),
        ui_picture("AppleLoseAni", "AppleLose", (2.2, 2.2), extra=[animator("AppleLoseSob", 6)]),
    ]
    for n in (1, 2, 3):
        extra = [audio("WinStar0")] if n == 1 else []
        o.append(ui_picture("Star%d" % n, "Star", (1.4, 1.4), extra=extra))
    for n in (1, 2, 3):
        o.append(GameObject("Star%dEmmitter" % n, 0, (0, 0, -3), components=[behaviour("UIScript"), particles(
            "Sparkle", Activate=False, CircleEmittion=True, MinRadius=0.2, MaxRadius=0.8, StartSpeed=4.0,
            MidSpeed=2.0, EndSpeed=0.5, MinLifeSpan=0.8, MaxLifeSpan=1.2, MidLifeSpan=0.5, MinScale=(0.3, 0.3, 0),
            MaxScale=(0.5, 0.5, 0), MaxParticle=40, BurstAmount=20, Delay=5.0, StartColour=(1, 0.9, 0.3, 1),
            EndColour=(1, 1, 1, 0), LerpColour=True)]))
    o += [
        # It leads to the main menu.
        ui_button("LevelSelButton", label("MENU")),
        ui_button("NextLvlButton", label("NEXT")),
        ui_button("RestartLvlButton", label("RETRY")),
        ui_picture("TransitionOut", "BlackScreen", (20, 11.5), alpha=0.0),
        GameObject("SurroundingAudio", 0, (0, 0, 0), components=[behaviour("UIScript"), audio("AirCon")]),
    ]
    return o, TileMap(0, 0)


def level_test():
    """A small room the editor's play-test starts from (it writes over it)."""
    from kit import Level
    tiles = TileMap(40, 20)
    tiles.fill(0, 0, 39, 1)
    tiles.fill(0, 2, 0, 12)
    tiles.fill(39, 2, 39, 12)
    level = Level("level_test", tiles, "TilePlatform", (4, 4), (0, 0), (40, 20))
    level.goal(34, 2)
    return level.objects, tiles.build()
