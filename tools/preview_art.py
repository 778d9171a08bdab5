#!/usr/bin/python3
"""Shows sprites in the real program and saves a screenshot, to check how
the sheets look at game size.

A temporary copy of Resources/ gets a splash level holding the sprites listed
below (sheet, frame, position, scale); the program runs it under Xvfb and the
screen is captured with ImageMagick's `import`. Nothing in the repository is
changed. Usage: /usr/bin/python3 tools/preview_art.py [program] [out.png]
"""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (object name, sheet, frame, x, y, scale x, scale y, z)
SCENE = [
    ("Back", "MenuBG", 0, 0, 0, 16, 9, -5),
    ("Top", "BG_Top", 0, 0, 3.2, 16, 8, -4),
    ("Tiles1", "TilePlatform", 1, -6, -3.5, 1, 1, 0),
    ("Tiles2", "TilePlatform", 1, -5, -3.5, 1, 1, 0),
    ("Tiles3", "TilePlatform", 1, -4, -3.5, 1, 1, 0),
    ("Apple", "Apple", 0, -6, -2, 1.5, 1.5, 1),
    ("Apple75", "Apple", 22, -4.3, -2, 1.5, 1.5, 1),
    ("Apple50", "Apple", 44, -2.6, -2, 1.5, 1.5, 1),
    ("Core", "Apple", 66, -0.9, -2, 1.5, 1.5, 1),
    ("Roach", "Roach", 0, 1, -2.2, 1.6, 1.2, 1),
    ("Rider", "RoachRider", 0, 1.1, -1.3, 0.8, 0.8, 1),
    ("Rat", "Rat", 6, 3, -2.2, 1.6, 1.2, 1),
    ("Mushroom", "Mushroom", 6, 5, -2, 1.5, 1.5, 1),
    ("Belt", "ConveyerBeltGreen", 0, 6.2, -3.4, 3, 0.75, 1),
    ("Van", "Van", 0, 4.5, 2.5, 5, 2.5, 1),
    ("Can", "Can", 0, -6.5, 0.5, 0.75, 1, 1),
    ("Crate", "Crate", 0, -5, 0.6, 1.2, 1.2, 1),
    ("Human", "Background_Human", 0, -2.8, 1.2, 1.2, 2.4, 1),
    ("Heart", "Heart", 0, -7.2, 3.8, 0.6, 0.6, 2),
    ("Heart1", "Heart", 0, -6.6, 3.8, 0.6, 0.6, 2),
    ("Heart2", "Heart", 1, -6.0, 3.8, 0.6, 0.6, 2),
    ("Timer", "TimerBG", 0, -3.5, 3.8, 2.4, 0.72, 2),
    ("Speed", "SpeedIndicator", 2, 7.2, 3.8, 0.9, 0.9, 2),
    ("Pick", "LevelPicks", 5, 0, 1.5, 1.2, 1.2, 2),
    ("Button", "UIButtons", 0, 0.5, 3.8, 2.4, 0.9, 2),
]


def object_xml(name, sheet, frame, x, y, sx, sy, z):
    return """        <{n} GameObjectName="{n}" ComponentCount="2">
            <ObjectTag Value="0"/>
            <Transform>
                <Position X="{x}" Y="{y}" Z="{z}"/>
                <Scale X="{sx}" Y="{sy}" Z="1"/>
                <Rotation Value="0"/>
            </Transform>
            <Renderer>
                <InvertX Value="false"/>
                <InvertY Value="false"/>
                <Invisible Value="false"/>
                <Index Value="{f}"/>
                <SpriteSheetKey Value="{s}"/>
                <Alpha Value="1"/>
            </Renderer>
        </{n}>
""".format(n=name, s=sheet, f=frame, x=x, y=y, z=z, sx=sx, sy=sy)


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "tandrel"))
    out = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "build", "preview.png"))
    with tempfile.TemporaryDirectory() as work:
        shutil.copytree(os.path.join(ROOT, "Resources"), os.path.join(work, "Resources"))
        level = "<SplashScreen>\n    <GameObjects GameObjectCount=\"%d\">\n%s    </GameObjects>\n</SplashScreen>\n" % (
            len(SCENE), "".join(object_xml(*o) for o in SCENE))
        with open(os.path.join(work, "Resources", "LevelData", "SplashScreen.xml"), "w") as f:
            f.write(level)
        env = dict(os.environ, HOME=work, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy")
        script = '"%s" > run.txt 2>&1 & pid=$!; sleep 8; import -window root "%s"; kill $pid 2>/dev/null || tail -5 run.txt; wait $pid || true; grep -i -m5 "error\|fail\|cannot" run.txt Documents/*/*.log || true' % (
            program, out)
        subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1366x768x24", "bash", "-c", script], cwd=work, env=env,
                       check=True)
    print(out)


if __name__ == "__main__":
    main()
