#!/usr/bin/env bash
# Builds the game and runs it from the repository root (where Resources/ is).
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh -DTANDREL_BUILD_TESTS=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set): the game needs a screen to draw on."
  echo "To run it without one, use a virtual screen:"
  echo "  xvfb-run -a -s '-screen 0 1366x768x24' ./run.sh"
  exit 1
fi
exec ./build/tandrel
