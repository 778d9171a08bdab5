#!/usr/bin/env bash
# Builds everything and runs every test under one virtual screen, with a
# temporary HOME so no test touches the user's Documents folder.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh -DTANDREL_BUILD_TESTS=ON

TEST_HOME="$(mktemp -d)"
trap 'rm -rf "$TEST_HOME"' EXIT
export HOME="$TEST_HOME"
export XDG_CONFIG_HOME="$TEST_HOME/.config"
unset XDG_DOCUMENTS_DIR
export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER=dummy

xvfb-run -a -s '-screen 0 1366x768x24' \
  ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
