#!/usr/bin/env bash
# Takes the README's screenshots: runs the game under a virtual screen from a
# temporary copy of Resources/ and plays it with synthetic input (xdotool):
# the splash, the main menu, Level1 in play with its heads-up display, and the
# editor (F5 during the level) with its panels over the scene.
# Usage: bash tools/take_screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
mkdir -p "$out"
program="$PWD/build/tandrel"
[ -x "$program" ] || { echo "build the program first (cmake --build build)"; exit 1; }
for tool in Xvfb xdotool import; do
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

wait_runs 1; sleep 4; shot splash
wait_runs 2; sleep 2; shot menu
# PLAY, on the 1366 x 768 screen; the story then leads into Level1.
click 683 287
wait_runs 3
wait_runs 4
# Start the apple, turn it back and catch it rolling towards the crate.
sleep 4; tap space; sleep 0.75; tap Right; sleep 2.5; shot play
# F5: the editor opens on the same level, its camera at the level's corner.
# Drag the camera with the right button to look at the apple, the crate and
# the signs; a click of the side button 8 brings the pointer along before
# the press and again before the release, as above.
tap F5
wait_runs 5; sleep 2
xdotool mousemove --sync 980 380 sleep 0.2 click 8 sleep 0.3 mousedown 3 sleep 0.3 \
  mousemove --sync 380 580 sleep 0.2 click 8 sleep 0.3 mouseup 3
sleep 1; shot editor
