"""Interface art: the mouse cursor, labelled and icon buttons (idle, hover,
pressed in three columns), the nine level picks, the heads-up display and the
pause, win and lose panels.
"""
# Contents:
#   the mouse cursor: arrow, hand, cursor
#   labelled buttons: wide_button
#   icon buttons: icon_glyph, icon_button
#   level picks: level_pick
#   the HUD: heart, star, timer_bg, speed_indicator, ui_apple
#   panels: pause, controls, result, win and lose apples, how to play, settings
import math
from svg import *
from apple import apple_shape

# ---- Mouse cursor: 64-pixel frames, 2 rows x 4 columns ----
# 0 plain, 1 over something that can be picked, 5 dragging / holding a button;
# the others are spares in the same style. The tip sits near (18, 6) so it
# lands on the mouse where the game draws the sprite.

def arrow(col):
    pts = [(18, 6), (18, 50), (28, 40), (36, 58), (44, 54), (36, 37), (50, 37)]
    return poly(pts, col, OUT, 3.5) + path("M 22 16 L 22 34", None, WHITE, 3, opacity=0.6)


def hand(open_hand):
    out = ""
    if open_hand:
        # A pointing glove.
        out += rect(14, 4, 12, 30, WHITE, OUT, 3.5, rx=6)
        out += path("M 10 34 Q 8 28 14 26 L 48 26 Q 56 26 56 36 L 54 48 Q 52 58 40 58 L 24 58 Q 12 56 10 44 Z", WHITE, OUT, 3.5)
        for x in (28, 38, 48):
            out += line(x, 28, x, 38, OUT, 2.5)
    else:
        # A closed, grabbing glove.
        out += path("M 10 30 Q 8 18 20 18 L 46 18 Q 56 18 56 30 L 54 46 Q 52 58 40 58 L 24 58 Q 12 56 10 44 Z", WHITE, OUT, 3.5)
        for x in (20, 30, 40):
            out += path("M %s 18 Q %s 28 %s 32" % (f(x), f(x + 5), f(x + 10)), None, OUT, 2.5)
    out += rect(18, 56, 28, 6, RED, OUT, 2.5, rx=3)
    return out


def cursor(i):
    if i == 1:
        return hand(True)
    if i == 5:
        return hand(False)
    return arrow([WHITE, None, YELLOW, SKY, LEAF, None, PINK, ORANGE][i])


# ---- Labelled buttons: 256 x 96 frames, 3 columns (idle, hover, pressed) ----
BUTTON_LABELS = ["PLAY", "LEVELS", "HOW TO PLAY", "SETTINGS", "CREDITS", "EXIT", "BACK", "YES", "NO",
                 "RESUME", "RESTART", "QUIT", "NEXT", "RETRY", "MENU", "CONTROLS", "START", "SKIP"]
BUTTON_COLOURS = {"EXIT": RED, "QUIT": RED, "NO": RED, "YES": GREEN_BTN, "PLAY": GREEN_BTN, "START": GREEN_BTN,
                  "NEXT": GREEN_BTN, "BACK": ORANGE, "MENU": ORANGE}


def wide_button(label, state):
    col = BUTTON_COLOURS.get(label, BLUE)
    press = 4 if state == 2 else 0
    out = rect(8, 16, 240, 72, OUT, None, rx=30)  # the base the face presses into
    face_col = col
    if state == 1:
        out = rect(4, 10, 248, 82, YELLOW, None, rx=34, opacity=0.6) + out
    out += rect(8, 10 + press, 240, 70, face_col, OUT, 4, rx=30)
    out += rect(20, 16 + press, 216, 22, WHITE, None, rx=11, opacity=0.3 if state != 2 else 0.15)
    size = 34 if len(label) <= 8 else 27
    out += text(128, 57 + press + (0 if len(label) <= 8 else -2), label, size, WHITE, OUT, 7)
    return out


# ---- Icon buttons: 96 x 96 frames, 3 columns (idle, hover, pressed) ----
ICONS = ["up", "down", "plus", "minus", "tick_off", "tick_on", "bell", "pause", "back", "close", "leaf", "speaker"]


def icon_glyph(name):
    if name == "up":
        return poly([(48, 28), (70, 56), (26, 56)], WHITE, OUT, 3.5)
    if name == "down":
        return poly([(48, 64), (70, 36), (26, 36)], WHITE, OUT, 3.5)
    if name == "plus":
        return rect(40, 26, 16, 44, WHITE, OUT, 3, rx=4) + rect(26, 40, 44, 16, WHITE, OUT, 3, rx=4) + rect(42, 28, 12, 40, WHITE, None, rx=3)
    if name == "minus":
        return rect(26, 40, 44, 16, WHITE, OUT, 3, rx=4)
    if name in ("tick_off", "tick_on"):
        out = rect(26, 26, 44, 44, WHITE, OUT, 3.5, rx=8)
        if name == "tick_on":
            out += path("M 32 48 L 44 60 L 66 30", None, OUT, 9) + path("M 32 48 L 44 60 L 66 30", None, GREEN_BTN, 5)
        return out
    if name == "bell":
        out = path("M 30 62 Q 32 30 48 28 Q 64 30 66 62 L 72 68 L 24 68 Z", YELLOW, OUT, 3.5)
        return out + circle(48, 72, 6, GOLD, OUT, 2.5) + circle(48, 24, 4, GOLD, OUT, 2.5)
    if name == "pause":
        return rect(30, 28, 12, 40, WHITE, OUT, 3, rx=3) + rect(54, 28, 12, 40, WHITE, OUT, 3, rx=3)
    if name == "back":
        return path("M 24 48 L 46 28 L 46 40 L 70 40 L 70 56 L 46 56 L 46 68 Z", WHITE, OUT, 3.5)
    if name == "close":
        return (line(32, 32, 64, 64, OUT, 14) + line(64, 32, 32, 64, OUT, 14) +
                line(32, 32, 64, 64, WHITE, 8) + line(64, 32, 32, 64, WHITE, 8))
    if name == "leaf":
        return path("M 26 68 Q 22 26 70 24 Q 74 66 26 68 Z", LEAF, OUT, 3.5) + path("M 28 66 Q 46 46 66 28", None, LEAF_D, 3)
    if name == "speaker":
        out = path("M 26 40 L 38 40 L 52 28 L 52 68 L 38 56 L 26 56 Z", WHITE, OUT, 3.5)
        return out + path("M 60 38 Q 66 48 60 58", None, OUT, 4) + path("M 66 32 Q 76 48 66 64", None, OUT, 4)
    return ""


def icon_button(name, state):
    press = 3 if state == 2 else 0
    col = GREEN_BTN if name in ("leaf", "tick_on") else (RED if name == "close" else ORANGE)
    out = ""
    if state == 1:
        out += circle(48, 50, 46, YELLOW, None, opacity=0.6)
    out += circle(48, 52, 40, OUT, None)
    out += circle(48, 48 + press, 40, col, OUT, 4)
    out += ellipse(40, 30 + press, 22, 10, WHITE, None, opacity=0.3)
    return out + group(icon_glyph(name), ty=press)


# ---- Level picks: 128 x 128 frames; one row of 7 per level ----
# b idle, b+1 hover, b+2 locked, b+3 open idle, b+4 open hover,
# b+5 completed idle, b+6 completed hover; b = 7 x (level - 1).

def level_pick(level, state):
    colours = [RED, ORANGE, YELLOW, GREEN_BTN, "#3fbfa8", BLUE, PURPLE, PINK, "#9fd6f2"]
    hover = state in (1, 4, 6)
    locked = state == 2
    done = state in (5, 6)
    col = GREY if locked else colours[level - 1]
    out = ""
    if hover:
        out += circle(64, 64, 62, YELLOW, None, opacity=0.6)
    out += circle(64, 68, 54, OUT, None)
    out += circle(64, 64, 54, col, OUT, 4)
    out += ellipse(52, 36, 30, 12, WHITE, None, opacity=0.3)
    if locked:
        out += rect(40, 58, 48, 38, GOLD, OUT, 3.5, rx=6)
        out += path("M 48 58 L 48 46 Q 48 30 64 30 Q 80 30 80 46 L 80 58", None, OUT, 8)
        out += path("M 48 58 L 48 46 Q 48 30 64 30 Q 80 30 80 46 L 80 58", None, GREY_L, 4)
        out += circle(64, 74, 5, OUT, None) + rect(62, 74, 4, 12, OUT, None)
        return out
    out += text(64, 84 if not done else 76, str(level), 56 if not done else 44, WHITE, OUT, 8)
    if done:
        for k, x in enumerate((40, 64, 88)):
            out += poly(star_points(x, 100 - (6 if k == 1 else 0), 12, 5), YELLOW, OUT, 2.5)
    if hover:
        out += apple_shape(104, 24, 14, 3, "happy")
    return out


# ---- HUD ----

def heart(i):
    """64 x 64: 0 full, 1 empty."""
    if i == 0:
        return path(heart_path(32, 33, 26), RED, OUT, 3.5) + highlight(22, 22, 6, 4, rot=-30)
    return path(heart_path(32, 33, 26), GREY_L, OUT, 3.5, opacity=0.8)


def star(i):
    """128 x 128: 0 empty, 1 filled."""
    pts = star_points(64, 68, 58, 26)
    if i == 0:
        return poly(pts, "#6b5a4a", OUT, 5, opacity=0.85) + poly(star_points(64, 68, 44, 20), None, "#8e7a66", 3)
    return (poly(pts, YELLOW, OUT, 5) + poly(star_points(64, 68, 40, 18), GOLD, None, 0, opacity=0.5) +
            highlight(48, 44, 10, 6, rot=-30, opacity=0.6))


def timer_bg():
    """880 x 96, drawn at 580 x 63 (the same proportions): the wooden sign
    behind the time text, its clock left of where the text starts."""
    out = rect(6, 10, 868, 76, BROWN_L, OUT, 4, rx=20)
    out += rect(16, 18, 848, 14, WHITE, None, rx=7, opacity=0.25)
    out += line(20, 60, 860, 60, BROWN, 2, opacity=0.5)
    out += circle(48, 48, 24, CREAM, OUT, 3.5) + line(48, 48, 48, 32, OUT, 3.5) + line(48, 48, 60, 52, OUT, 3.5)
    return out


def speed_indicator(i):
    """128 x 128: 0 normal, 1 normal hover, 2 fast, 3 fast hover."""
    fast = i >= 2
    hover = i % 2 == 1
    out = ""
    if hover:
        out += circle(64, 64, 62, YELLOW, None, opacity=0.6)
    out += circle(64, 68, 54, OUT, None) + circle(64, 64, 54, ORANGE if fast else BLUE, OUT, 4)
    out += ellipse(52, 36, 30, 12, WHITE, None, opacity=0.3)
    n = 2 if fast else 1
    for k in range(n):
        x = 52 + k * 22 - (11 if fast else 0)
        out += poly([(x - 14, 40), (x + 14, 64), (x - 14, 88)], WHITE, OUT, 3.5)
    out += text(64, 116, "x2" if fast else "x1", 22, WHITE, OUT, 5)
    return out


def ui_apple():
    """128 x 128: the apple portrait beside the hearts."""
    return circle(64, 64, 58, CREAM, OUT, 4) + apple_shape(64, 62, 40, 3, "smile")


# ---- Panels ----

def panel(w, h, title, colour=BROWN_L):
    out = rect(10, 18, w - 20, h - 24, OUT, None, rx=36)
    out += rect(10, 10, w - 20, h - 24, colour, OUT, 5, rx=36)
    out += rect(26, 26, w - 52, h - 56, CREAM, OUT, 3, rx=26)
    if title:
        out += rect(w / 2 - 150, -2 + 10, 300, 64, RED, OUT, 4, rx=24)
        out += text(w / 2, 54, title, 38, WHITE, OUT, 7)
    return out


def pause_board():
    """1116 x 564: the board every pause page stands on (drawn at 1302 x 658
    on screen, centred)."""
    w, h = 1116, 564
    out = rect(8, 14, w - 16, h - 20, OUT, None, rx=40, opacity=0.85)
    out += rect(8, 8, w - 16, h - 20, BROWN_L, OUT, 5, rx=40)
    out += rect(24, 24, w - 48, h - 52, CREAM, OUT, 3, rx=30, opacity=0.96)
    for x, y in ((60, 64), (60, 500), (1056, 500), (1056, 64)):
        out += circle(x, y, 7, BROWN, OUT, 2)
    return out


def pause_panel(kind):
    """250 x 260: the page's card at the board's left: the apple and the
    page's name (pause, confirm or controls)."""
    face, title = {"pause": ("closed", "PAUSED"), "confirm": ("sad", "QUIT?"),
                   "controls": ("open", "CONTROLS")}[kind]
    out = rect(6, 10, 238, 244, OUT, None, rx=30)
    out += rect(6, 6, 238, 244, WHITE, OUT, 4, rx=30)
    out += apple_shape(125, 110, 66, 3, face)
    if kind == "pause":
        out += path("M 186 48 L 204 48 L 186 66 L 204 66", None, BLUE_D, 4)
        out += path("M 210 24 L 222 24 L 210 36 L 222 36", None, BLUE_D, 3)
    out += rect(20, 190, 210, 50, RED, OUT, 4, rx=20)
    out += text(125, 227, title, 34 if len(title) <= 6 else 28, WHITE, OUT, 6)
    return out


# The controls page: the apple's keys left of the card, the view's right,
# the clock below; the top-left corner is the BACK button's.
CONTROL_ROWS_APPLE = [("SPACE", "start rolling"), ("UP", "jump"), ("RIGHT", "turn around"),
                      ("MOUSE", "drag a can"), ("ESC", "pause")]
CONTROL_ROWS_VIEW = [("WHEEL", "zoom in and out"), ("R-DRAG", "look around"), ("V", "look with keys"),
                     ("W A S D", "move the view"), ("x1", "fast mode on/off")]


def pause_controls():
    """1134 x 602 (drawn at that size on screen, its centre 75 px left of the
    screen's): what the keys and the mouse do. Transparent but for the words."""
    out = ""

    def column(x, title, rows):
        col = text(x + 200, 150, title, 34, RED, OUT, 6)
        for k, (key, what) in enumerate(rows):
            y = 210 + k * 58
            col += rect(x, y - 32, 130, 44, WHITE, OUT, 3, rx=10)
            col += text(x + 65, y - 1, key, 22, BROWN_D, None)
            col += text(x + 146, y - 1, what, 26, BROWN_D, None, anchor="start")
        return col

    out += column(36, "THE APPLE", CONTROL_ROWS_APPLE)
    out += column(666, "THE VIEW", CONTROL_ROWS_VIEW)
    out += text(567, 540, "The clock counts up: the quicker to the basket, the more stars.", 28, BROWN_D, None)
    return out


def result_panel(won):
    """930 x 520 (drawn at 1302 x 728, centred): the win or lose card behind
    the stars, the apple and the buttons, which stand in its middle band."""
    w, h = 930, 520
    colour = LEAF if won else GREY
    out = rect(10, 18, w - 20, h - 26, OUT, None, rx=36)
    out += rect(10, 10, w - 20, h - 26, colour, OUT, 5, rx=36)
    out += rect(26, 26, w - 52, h - 58, CREAM, OUT, 3, rx=26)
    title = "LEVEL CLEAR!" if won else "OH NO!"
    out += rect(w / 2 - 170, 6, 340, 66, RED, OUT, 4, rx=24)
    out += text(w / 2, 53, title, 38, WHITE, OUT, 7)
    if won:
        for x, y in ((90, 120), (840, 130), (90, 300), (850, 300)):
            out += poly(star_points(x, y, 14, 6), YELLOW, OUT, 2.5, opacity=0.7)
        out += text(w / 2, 440, "The apple is one step closer to home!", 28, BROWN_D, None)
    else:
        for x, y in ((110, 140), (820, 150)):
            out += path("M %s %s q 6 10 0 16 q -6 -6 0 -16 z" % (f(x), f(y)), SKY, OUT, 2)
        out += text(w / 2, 430, "That apple got a little too bruised.", 28, BROWN_D, None)
        out += text(w / 2, 466, "Give it another roll!", 24, BROWN, None)
    return out


def apple_win(i):
    """128 x 128, 4 frames: the apple jumps for joy."""
    lift = [0, 10, 16, 8][i]
    arms = [0, 20, 30, 15][i]
    out = shadow(64, 120, 34 - lift, 5)
    a = apple_shape(64, 66 - lift, 42, 3, "happy", sx=[1.05, 0.95, 0.92, 1.0][i], sy=[0.95, 1.05, 1.1, 1.0][i])
    for side in (-1, 1):
        out += path("M %s %s L %s %s" % (f(64 + side * 36), f(76 - lift), f(64 + side * 52), f(56 - lift - arms)), None, OUT, 5)
    out += a
    if i in (1, 2):
        out += poly(star_points(20, 24, 9, 4), YELLOW, OUT, 2) + poly(star_points(110, 30, 7, 3), YELLOW, OUT, 2)
    return out


def apple_lose(i):
    """128 x 128, 4 frames: the bruised apple sobs."""
    bob = [0, 2, 0, 2][i]
    out = shadow(64, 120, 36, 5)
    out += apple_shape(64, 68 + bob, 42, 1, "sad", sx=1.02, sy=0.98)
    for side in (-1, 1):
        y = 66 + bob + [4, 10, 16, 22][i]
        out += path("M %s %s q 4 7 0 11 q -4 -4 0 -11 z" % (f(64 + side * 14), f(y)), SKY, OUT, 1.5)
    out += path("M 92 %s q 10 -6 20 0" % f(92 + bob), None, BLUE_D, 2.5, opacity=0.6)
    return out


def how_to_play():
    """1024 x 576: the how-to-play page (menu and pause)."""
    # The outline's 8-pixel stroke lies whole inside the frame.
    out = rect(4, 4, 1016, 568, CREAM, OUT, 8, rx=40)
    out += text(512, 70, "HOW TO PLAY", 52, RED, OUT, 8)
    # Cans are what a player can drag in the levels (crates stand fast).
    steps = [("1", "Press SPACE and the apple rolls on its own.", 3, "smile"),
             ("2", "UP jumps, RIGHT turns it around.", 3, "open"),
             ("3", "Drag a can with the mouse to clear its way.", 2, "smile"),
             ("", "Mind roaches, rats and icicles!", None, None),
             ("4", "Look around: drag with the right button, zoom", 3, "open"),
             ("", "with the wheel. V swaps to the keys W A S D.", None, None),
             ("5", "The clock counts up: reach the basket fast", 3, "happy"),
             ("", "to earn three stars.", None, None)]
    y = 136
    for k, (num, words, health, face) in enumerate(steps):
        if num:
            out += circle(96, y - 10, 26, ORANGE, OUT, 4) + text(96, y + 2, num, 30, WHITE, OUT, 6)
            out += apple_shape(930, y - 14, 26, health, face)
        out += text(150, y, words, 28, BROWN_D, None, anchor="start", weight="normal")
        follows = steps[k + 1][0] if k + 1 < len(steps) else "end"
        y += 34 if not follows else 60
    for k, x in enumerate((400, 512, 624)):
        out += poly(star_points(x, 540, 18, 8), YELLOW, OUT, 3)
    return out


def settings_panel():
    """960 x 544 (the page's 15 x 8.5 units): the settings card; the row
    labels, bars and values are objects of the menu level."""
    return panel(960, 544, "SETTINGS", BLUE)


def settings_bar(steps):
    """384 x 96: a settings value as three steps in a trough, `steps` of them
    filled (0 mute or off, 3 high)."""
    out = rect(6, 12, 372, 74, WHITE, OUT, 4, rx=28)
    for k in range(3):
        x = 24 + k * 116
        filled = k < steps
        out += rect(x, 26, 104, 46, GOLD if filled else GREY_L, OUT, 3, rx=16)
        if filled:
            out += rect(x + 10, 31, 84, 12, WHITE, None, rx=6, opacity=0.4)
    return out
