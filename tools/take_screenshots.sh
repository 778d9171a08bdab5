#!/usr/bin/env bash
# Takes the game's screenshots: runs the game under a virtual screen from a
# temporary copy of Resources/ and plays it with synthetic input (xdotool).
# The README's four (splash, menu, play, editor) and one of every other page
# and overlay: the settings, how-to-play, LEVELS and credits pages, the pause
# screen with its controls page and quit dialog, the lose and win screens,
# and the end.
# Usage: bash tools/take_screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
mkdir -p "$out"
program="$PWD/build/tandrel"
[ -x "$program" ] || { echo "build the program first (cmake --build build)"; exit 1; }
for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: bash tools/setup.sh installs it"; exit 1; }
done

work="$(mktemp -d)"
pid=""
xvfb=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
cp -r Resources "$work/"
display=":$((RANDOM % 400 + 200))"
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"
(cd "$work" && HOME="$work" SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 exec "$program" >"$work/stdout.txt" 2>&1) &
pid=$!

# The game loop logs this line once for every level it enters, as the level's
# first frame ends (standard output is buffered, the session log is not).
log="$work/Documents/Kestrome/Vorlane.log"
runs() { local n; n="$(grep -c "Game is running." "$log" 2>/dev/null)"; echo "${n:-0}"; }
wait_runs() {
  for _ in $(seq 1 360); do [ "$(runs)" -ge "$1" ] && return 0; sleep 0.5; done
  echo "timed out waiting for level switch $1"; exit 1
}
shot() { import -silent -window root "$out/$1.png"; echo "wrote $out/$1.png"; }
tap() { xdotool keydown "$1" sleep 0.08 keyup "$1"; }
# xdotool's pointer motion reaches the game only with the next button event:
# a click of the side button 8 (which the game ignores) brings the pointer
# there first.
click() {
  xdotool mousemove --sync "$1" "$2" sleep 0.2 click 8 sleep 0.3 mousedown 1 sleep 0.15 mouseup 1
}
# A click that must switch the level: when it does not, it is tried again a
# little lower, so a build whose buttons react below their picture still
# gets its screenshots.
click_switches() {
  local n dy; n="$(runs)"
  for dy in 0 40 85 110; do
    click "$1" $(($2 + dy)); sleep 1.5
    [ "$(runs)" -gt "$n" ] && return 0
  done
  echo "no level switch after clicking near $1,$2"; exit 1
}
# Where a labelled button of the interface is on the screen: its label's
# picture (from the UIButtons sheet, rows in the order of tools/art/ui.py)
# searched for in a half-size screenshot; prints the centre "x y".
LABELS=(PLAY LEVELS "HOW TO PLAY" SETTINGS CREDITS EXIT BACK YES NO RESUME RESTART QUIT NEXT RETRY MENU
  CONTROLS START SKIP)
find_button() {
  local row=0 label at
  for label in "${LABELS[@]}"; do [ "$label" = "$1" ] && break; row=$((row + 1)); done
  convert Resources/Art/UIButtons.png -crop "256x96+0+$((row * 96))" +repage -crop 200x50+28+20 +repage \
    -resize '66x21!' "$work/label.png"
  import -silent -window root png:- | convert - -resize 50% "$work/half.png"
  at="$(compare -metric RMSE -subimage-search "$work/half.png" "$work/label.png" null: 2>&1 | sed -n 's/.*@ \([0-9]*\),\([0-9]*\).*/\1 \2/p' | tail -1)"
  set -- $at
  echo "$((($1 + 33) * 2)) $((($2 + 10) * 2))"
}
press() { click $(find_button "$1"); sleep 1; }

levels_page() { click 683 399; sleep 7.5; }     # the intro plays the first time
pick() {                                        # the LEVELS page's pick n
  local xs=(453 683 913) ys=(245 406 568) n=$(( $1 - 1 ))
  click_switches "${xs[$((n % 3))]}" "${ys[$((n / 3))]}"
}

wait_runs 1; sleep 4; shot splash
wait_runs 2; sleep 2; shot menu
# The menu's pages; the camera moves 0.8 s after a click.
click 975 507; sleep 1.5; shot settings; click 683 681; sleep 1
click 391 507; sleep 1.5; shot howtoplay; click 1259 90; sleep 1
levels_page; shot levels; click 683 702; sleep 1
# PLAY, on the 1366 x 768 screen; the story then leads into Level1.
click 683 287
wait_runs 3
wait_runs 4
# Start the apple, turn it back and catch it rolling towards the crate.
sleep 4; tap space; sleep 0.75; tap Right; sleep 2.5; shot play
# The pause screen, its controls page (BACK closes it) and the quit dialog
# (NO closes it).
tap Escape; sleep 1; shot pause
press CONTROLS; shot controls; press BACK
press QUIT; shot quit; press NO
# K costs the apple a heart (not while it is still hurt): the last loses the level.
tap Escape; sleep 1
for _ in 1 2 3 4 5 6; do tap k; sleep 3; done
sleep 5; shot lose
# F5: the editor opens on the same level, its camera at the level's corner.
# Drag the camera with the right button to look at the apple, the crate and
# the signs; a click of the side button 8 brings the pointer along before
# the press and again before the release, as above.
n="$(runs)"; tap F5
wait_runs $((n + 1)); sleep 2
xdotool mousemove --sync 980 380 sleep 0.2 click 8 sleep 0.3 mousedown 3 sleep 0.3 \
  mousemove --sync 380 580 sleep 0.2 click 8 sleep 0.3 mouseup 3
sleep 1; shot editor
# F6: the main menu; A opens every level.
n="$(runs)"; tap F6; wait_runs $((n + 1)); sleep 2; tap a
# Level9 won at once (Q): the walker takes the basket, then the win screen;
# NEXT leads to the van scene and the ending.
levels_page; pick 9; sleep 3
tap space; sleep 0.5; tap q; sleep 14; shot win
click_switches $(find_button NEXT)
n="$(runs)"; wait_runs $((n + 1))
# The ending: the apple lands, the worm comes out, the view cuts to the top
# and "THE END" shows, then it returns to the menu. Its length in seconds
# depends on the frame rate, so the screen is taken every second until the
# menu comes, and the one from three seconds before that is kept.
n="$(runs)"; menu=0
for i in $(seq 1 60); do
  import -silent -window root "$work/end_$i.png"
  [ "$(runs)" -gt "$n" ] && { menu=1; break; }
  sleep 1
done
cp "$work/end_$((i > 3 ? i - 3 : 1)).png" "$out/end.png"; echo "wrote $out/end.png"
# The credits: from the menu (F6 brings it if the ending has not yet: in the
# menu itself it switches nothing), CREDITS leads there.
if [ "$menu" = 0 ]; then n="$(runs)"; tap F6; wait_runs $((n + 1)); fi
sleep 2
n="$(runs)"; click 391 614; wait_runs $((n + 1)); sleep 3; shot credits
