#!/usr/bin/env bash
# Takes the README's screenshots: runs the game under a virtual screen from a
# temporary copy of Resources/ and saves the splash and the main menu.
# Usage: bash tools/take_screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
mkdir -p "$out"
program="$PWD/build/tandrel"
[ -x "$program" ] || { echo "build the program first (cmake --build build)"; exit 1; }

work="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r Resources "$work/"
display=":$((RANDOM % 400 + 200))"
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"
(cd "$work" && HOME="$work" SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 exec "$program" >"$work/stdout.txt" 2>&1) &
pid=$!

loads() { grep -c "Done Loading" "$work/stdout.txt" 2>/dev/null || true; }
wait_loads() { for _ in $(seq 1 240); do [ "$(loads)" -ge "$1" ] && return 0; sleep 0.5; done; echo "timed out waiting for load $1"; exit 1; }
shot() { import -window root "$out/$1.png"; echo "wrote $out/$1.png"; }

wait_loads 1; sleep 4; shot splash
wait_loads 2; sleep 2; shot menu
