#!/usr/bin/python3
"""Writes every level of the game into Resources/LevelData (the object file
X.xml and the tile file X.dat of each) and the editor's archetypes into
Resources/Archetype, in the engine's own formats. The output is
deterministic: re-running the script reproduces the committed files byte for
byte (the content tests also check that the engine reads and writes them back
unchanged).

    /usr/bin/python3 tools/make_levels.py [resources folder]
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "levelgen"))

import archetypes  # noqa: E402
import fmt  # noqa: E402
import levels  # noqa: E402
import objects as objects_module  # noqa: E402
import scenes  # noqa: E402


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                                               "Resources")
    data = os.path.join(root, "LevelData")
    os.makedirs(data, exist_ok=True)
    made = {
        "SplashScreen": scenes.splash() + ("TilePlatform",),
        "NewMenu": scenes.new_menu() + ("TilePlatform",),
        "Story": scenes.story() + ("TilePlatform",),
        "Credits": scenes.credits() + ("TilePlatform",),
        "UI": scenes.ui() + ("TilePlatform",),
        "level_test": scenes.level_test() + ("TilePlatform",),
    }
    for name, level in levels.all_levels().items():
        made[name] = (level.objects, level.tiles.build(), level.tileset)
    for name, (objects, tiles, tileset) in made.items():
        objects_module.TEXT_SCALE[0] = 0.22 if name == "NewMenu" else 0.45
        fmt.write_level(os.path.join(data, name + ".xml"), name, objects)
        fmt.write_tiles(os.path.join(data, name + ".dat"), tileset, tiles)
    archetypes.write_all(os.path.join(root, "Archetype"))
    print("wrote %d levels" % len(made))


if __name__ == "__main__":
    main()
