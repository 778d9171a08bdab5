#!/usr/bin/python3
"""Makes every sprite sheet of the game under Resources/Art/: each PNG with its
sheet text file, the art list Art.dat and the animation list Animations.dat,
plus a contact sheet of everything for review.

The drawings are SVG written by the modules in tools/art/ and rasterised with
rsvg-convert (Debian's librsvg2-bin); Pillow (python3-pil) assembles and
encodes the PNGs. The text files are written exactly as the engine writes
them back at shutdown, so a run of the game leaves them byte-identical.
Running the script again with the same rsvg-convert and Pillow reproduces
the PNGs byte for byte.

Usage: /usr/bin/python3 tools/make_art.py [art folder] [contact sheet path]
       (defaults: Resources/Art and build/contact_sheet.png)
"""
# Contents:
#   frame helpers: frames_of, one, buttons, icon_buttons, level_picks, tiles
#   SHEETS: every sprite sheet
#   ANIMATIONS: every animation
#   write_plain_png and placeholder
#   contact_sheet
#   main
import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True  # keep tools/art free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "art"))

import apple  # noqa: E402
import characters as ch  # noqa: E402
import props  # noqa: E402
import scenes  # noqa: E402
import sheet  # noqa: E402
import svg  # noqa: E402
import ui  # noqa: E402
from PIL import Image, ImageDraw  # noqa: E402


def frames_of(count, draw):
    return lambda: [draw(i) for i in range(count)]


def one(draw):
    return lambda: [draw()]


def buttons():
    return [ui.wide_button(label, state) for label in ui.BUTTON_LABELS for state in range(3)]


def icon_buttons():
    return [ui.icon_button(name, state) for name in ui.ICONS for state in range(3)]


def level_picks():
    return [ui.level_pick(level, state) for level in range(1, 10) for state in range(7)]


def tiles(material):
    return lambda: [props.tile(material, r, c) for r in range(8) for c in range(8)]


# name -> (frame width, frame height, rows, cols, frame drawings)
SHEETS = {
    # The hero and the characters.
    "Apple": (128, 128, 10, 10, apple.frames),
    "Roach": (128, 96, 2, 4, frames_of(8, ch.roach)),
    "RoachRider": (96, 96, 1, 2, frames_of(2, ch.rider)),
    "Rat": (128, 96, 2, 4, frames_of(8, ch.rat)),
    "Worm": (128, 128, 3, 4, frames_of(12, ch.worm)),
    "TopAppleFront": (128, 128, 1, 2, frames_of(2, ch.top_apple)),
    "Background_Human": (128, 256, 1, 4, frames_of(4, lambda i: ch.human(i, 0))),
    "Background_Human_wBasket": (128, 256, 1, 4, frames_of(4, lambda i: ch.human(i, 0, True))),
    "Background_Human2": (128, 256, 1, 4, frames_of(4, lambda i: ch.human(i, 1))),
    "Background_Human3": (128, 256, 1, 4, frames_of(4, lambda i: ch.human(i, 2))),
    # Props.
    "ConveyerBeltGreen": (256, 64, 4, 1, frames_of(4, lambda i: props.belt(i, svg.GREEN_BTN, True))),
    "ConveyerBeltRed": (256, 64, 4, 1, frames_of(4, lambda i: props.belt(i, svg.RED, False))),
    "Switch": (96, 96, 2, 3, frames_of(6, props.switch)),
    "AirCon": (128, 128, 3, 4, frames_of(12, props.aircon)),
    "Van": (512, 256, 1, 1, one(props.van)),
    "VanWheel": (96, 96, 1, 4, frames_of(4, props.wheel)),
    "Crate": (128, 128, 1, 4, frames_of(4, props.crate)),
    "Mushroom": (128, 128, 2, 4, frames_of(8, props.mushroom)),
    "Can": (96, 128, 1, 4, frames_of(4, props.can)),
    "Ketchup": (96, 192, 1, 2, frames_of(2, props.bottle)),
    "Checkpoint": (96, 160, 2, 4, frames_of(8, props.checkpoint)),
    "Icicle": (64, 128, 1, 4, frames_of(4, props.icicle)),
    "Hazards": (128, 128, 1, 4, frames_of(4, props.hazard)),
    "HeatGlow": (128, 128, 1, 1, one(props.heat_glow)),
    "SignBoard": (1024, 128, 1, 1, one(props.sign_board)),
    "Spring": (128, 64, 1, 2, frames_of(2, props.spring)),
    "Fruits": (128, 128, 1, 4, frames_of(4, props.fruit)),
    "Basket": (128, 128, 1, 1, one(props.basket)),
    "Sparkle": (64, 64, 1, 4, frames_of(4, props.sparkle)),
    "Smoke": (64, 64, 1, 4, frames_of(4, props.smoke)),
    "Cloud": (64, 64, 1, 1, one(props.cloud)),
    "AirStream": (32, 64, 1, 1, one(props.air_stream)),
    "AirColumn": (32, 64, 1, 1, one(props.air_column)),
    "TileCollider": (64, 64, 1, 8, frames_of(8, props.collider)),
    "TilePlatform": (64, 64, 8, 8, tiles(props.TILE_SETS["TilePlatform"])),
    "TilePlatform2": (64, 64, 8, 8, tiles(props.TILE_SETS["TilePlatform2"])),
    "TilePlatform3": (64, 64, 8, 8, tiles(props.TILE_SETS["TilePlatform3"])),
    # Interface.
    "MouseCursor": (64, 64, 2, 4, frames_of(8, ui.cursor)),
    "UIButtons": (256, 96, len(ui.BUTTON_LABELS), 3, buttons),
    "UIIconButtons": (96, 96, len(ui.ICONS), 3, icon_buttons),
    "LevelPicks": (128, 128, 9, 7, level_picks),
    "Heart": (64, 64, 1, 2, frames_of(2, ui.heart)),
    "Star": (128, 128, 1, 2, frames_of(2, ui.star)),
    "TimerBG": (880, 96, 1, 1, one(ui.timer_bg)),
    "SpeedIndicator": (128, 128, 2, 2, frames_of(4, ui.speed_indicator)),
    "UIApple": (128, 128, 1, 1, one(ui.ui_apple)),
    "PausePanel": (1116, 564, 1, 1, one(ui.pause_board)),
    "PauseScreenBG": (250, 260, 1, 1, one(lambda: ui.pause_panel("pause"))),
    "UIAppleConfirmation": (250, 260, 1, 1, one(lambda: ui.pause_panel("confirm"))),
    "UIAppleControls": (250, 260, 1, 1, one(lambda: ui.pause_panel("controls"))),
    "PauseControls": (1134, 602, 1, 1, one(ui.pause_controls)),
    "WinScreenBG": (930, 520, 1, 1, one(lambda: ui.result_panel(True))),
    "LoseScreenBG": (930, 520, 1, 1, one(lambda: ui.result_panel(False))),
    "AppleWin": (128, 128, 2, 2, frames_of(4, ui.apple_win)),
    "AppleLose": (128, 128, 2, 2, frames_of(4, ui.apple_lose)),
    "HowToPlay": (1024, 576, 1, 1, one(ui.how_to_play)),
    "SettingsPanel": (960, 544, 1, 1, one(ui.settings_panel)),
    "SettingsBar": (384, 96, 1, 4, frames_of(4, ui.settings_bar)),
    # Screens and backgrounds.
    "VelmarLogo": (768, 384, 1, 1, one(scenes.velmar_logo)),
    "TeamLogo": (768, 384, 1, 1, one(scenes.team_logo)),
    "OrlintideLogo": (768, 384, 1, 1, one(scenes.orlintide_logo)),
    "MenuBG": (1024, 576, 1, 1, one(scenes.menu_bg)),
    "Story": (1024, 576, 1, 1, one(scenes.story)),
    "CreditsBG": (1024, 576, 1, 1, one(scenes.credits_bg)),
    "EndingBG": (1024, 576, 1, 1, one(scenes.ending_bg)),
    "BlackScreen": (16, 16, 1, 1, one(scenes.black)),
    "WhiteScreen": (16, 16, 1, 1, one(scenes.white)),
    "BG_Market_Far": (1024, 512, 1, 1, one(scenes.market_far)),
    "BG_Market_Near": (1024, 512, 1, 1, one(scenes.market_near)),
    "BG_Warehouse_Far": (1024, 512, 1, 1, one(scenes.warehouse_far)),
    "BG_Warehouse_Near": (1024, 512, 1, 1, one(scenes.warehouse_near)),
    "BG_Freezer_Far": (1024, 512, 1, 1, one(scenes.freezer_far)),
    "BG_Freezer_Near": (1024, 512, 1, 1, one(scenes.freezer_near)),
    "BG_Top": (1024, 512, 1, 1, one(scenes.top_layer)),
    "BG_Street_Far": (1024, 512, 1, 1, one(scenes.street_far)),
    "BG_Street_Near": (1024, 512, 1, 1, one(scenes.street_near)),
}

# name -> (sheet, frames, frames per second)
ANIMATIONS = {name: ("Apple", frames, fps) for name, (frames, fps) in apple.ANIMATIONS.items()}
ANIMATIONS.update({
    "Tester": ("PlaceHolder1", [0, 1, 2, 3], 4),
    "Roach_Walk": ("Roach", [0, 1, 2, 3], 10),
    "RoachRider_Bob": ("RoachRider", [0, 1], 4),
    "New_Rat": ("Rat", [0, 1, 2, 3, 4, 5], 14),
    "Worm_Wiggle": ("Worm", [0, 1, 2, 1], 6),
    "TopWorm_Rise": ("Worm", [3, 4, 5, 6, 7, 8], 6),
    "Human_Walk": ("Background_Human", [0, 1, 2, 3], 8),
    "Human_Walk2": ("Background_Human2", [0, 1, 2, 3], 8),
    "Human_Walk3": ("Background_Human3", [0, 1, 2, 3], 8),
    "HumanBasket_Walk": ("Background_Human_wBasket", [0, 1, 2, 3], 8),
    "ConveyerBelt_Run": ("ConveyerBeltGreen", [0, 1, 2, 3], 12),
    "AirCon_Run": ("AirCon", [0, 1, 2, 3], 12),
    "AirCon_FrostRun": ("AirCon", [4, 5, 6, 7], 12),
    "Van_WheelSpin": ("VanWheel", [0, 1, 2, 3], 12),
    "Crate_Push": ("Crate", [2, 3, 1], 16),
    "Mushroom_Bounce": ("Mushroom", [0, 1, 2, 3, 4, 5], 15),
    "Checkpoint_Raise": ("Checkpoint", [0, 1, 2, 3, 4, 5, 6, 7], 12),
    "Icicle_Shatter": ("Icicle", [1, 2, 3], 12),
    "Spring_Bounce": ("Spring", [1, 0], 12),
    "Smoke_Puff": ("Smoke", [0, 1, 2, 3], 10),
    "Sparkle_Twinkle": ("Sparkle", [0, 3], 4),
    "AppleWinCheer": ("AppleWin", [0, 1, 2, 3], 8),
    "AppleLoseSob": ("AppleLose", [0, 1, 2, 3], 6),
})


def write_plain_png(path, width, height, pixel):
    """The checkered placeholder is drawn pixel by pixel (standard library only)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw.extend(bytes(pixel(x, y)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def placeholder(folder, size=64):
    """Four checkered frames in four tints, for objects whose sheet was not chosen."""
    tints = [(255, 0, 255), (0, 200, 255), (255, 200, 0), (120, 255, 80)]

    def pixel(x, y):
        frame = (y // size) * 2 + (x // size)
        tx, ty = x % size, y % size
        if tx < 2 or ty < 2 or tx >= size - 2 or ty >= size - 2:
            return (20, 20, 20, 255)
        dark = ((tx // 8) + (ty // 8)) % 2 == 0
        return (tints[frame] if dark else (40, 40, 40)) + (255,)

    write_plain_png(os.path.join(folder, "PlaceHolder1.png"), size * 2, size * 2, pixel)
    sheet.write_sheet_text(folder, "PlaceHolder1", 2, 2)


def contact_sheet(folder, names, out_path):
    """Every sheet scaled to fit a 320-pixel cell, with its grid and frame numbers."""
    cell, label = 320, 16
    cols = 6
    rows = (len(names) + cols - 1) // cols
    board = Image.new("RGBA", (cols * cell, rows * (cell + label)), (236, 236, 236, 255))
    draw = ImageDraw.Draw(board)
    for k, name in enumerate(names):
        img = Image.open(os.path.join(folder, name + ".png")).convert("RGBA")
        with open(os.path.join(folder, name + ".txt")) as txt:
            r, c = int(txt.readline()), int(txt.readline())
        scale = min((cell - 8) / img.width, (cell - 8) / img.height, 1.0)
        w, h = max(1, int(img.width * scale)), max(1, int(img.height * scale))
        thumb = img.resize((w, h), Image.LANCZOS)
        x0, y0 = (k % cols) * cell + 4, (k // cols) * (cell + label) + label + 4
        checker = Image.new("RGBA", (w, h), (255, 255, 255, 255))
        board.paste(checker, (x0, y0))
        board.alpha_composite(thumb, (x0, y0))
        if r * c > 1:
            for i in range(1, c):
                draw.line([(x0 + i * w / c, y0), (x0 + i * w / c, y0 + h)], fill=(200, 120, 120, 255))
            for i in range(1, r):
                draw.line([(x0, y0 + i * h / r), (x0 + w, y0 + i * h / r)], fill=(200, 120, 120, 255))
            for i in range(r * c):
                draw.text((x0 + (i % c) * w / c + 1, y0 + (i // c) * h / r), str(i), fill=(0, 0, 160, 255))
        draw.text((x0, y0 - label), "%s (%dx%d)" % (name, r, c), fill=(0, 0, 0, 255))
    os.makedirs(os.path.dirname(out_path) or ".", exist_ok=True)
    board.save(out_path)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("Resources", "Art")
    contact = sys.argv[2] if len(sys.argv) > 2 else os.path.join("build", "contact_sheet.png")
    os.makedirs(folder, exist_ok=True)
    only = os.environ.get("ONLY_SHEETS")  # comma-separated names, for quick iteration
    for name in sorted(SHEETS):
        if only and name not in only.split(","):
            continue
        fw, fh, rows, cols, draw = SHEETS[name]
        svg.reset_ids()
        frames = draw()
        assert len(frames) <= rows * cols, name
        image = sheet.rasterise(sheet.sheet_svg(fw, fh, rows, cols, frames))
        sheet.save_png(image, os.path.join(folder, name + ".png"))
        sheet.write_sheet_text(folder, name, rows, cols)
    placeholder(folder)
    names = sorted(list(SHEETS) + ["PlaceHolder1"])
    with open(os.path.join(folder, "Art.dat"), "w", newline="\n") as out:
        out.write("".join("%s\nResources/Art/%s.txt\n" % (n, n) for n in names))
    for name, (key, frames, fps) in ANIMATIONS.items():
        assert key in names, name
    with open(os.path.join(folder, "Animations.dat"), "w", newline="\n") as out:
        for i, name in enumerate(sorted(ANIMATIONS)):
            key, frames, fps = ANIMATIONS[name]
            out.write("Animation%s\n%s\n%s\n" % (chr(48 + i), key, name))
            out.write("".join("%d " % f for f in frames) + "-1\n%d\n" % fps)
    contact_sheet(folder, names, contact)


if __name__ == "__main__":
    main()
