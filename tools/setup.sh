#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need
# (only the missing ones), then configures and builds into build/. xdotool
# and ImageMagick let the playthrough test and tools/take_screenshots.sh play
# the game and read the screen.
#
# With --content (first argument) it also installs what the content generators
# under tools/ call: rsvg-convert and Pillow for the art (make_art.py),
# FluidSynth with its General MIDI sound font for the music (make_music.py),
# sox with its OGG format for the sounds and music (make_sounds.sh), and the
# Vorbis tools (oggenc, ogginfo) to check what they write. Any other argument
# goes to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(build-essential cmake ninja-build pkg-config libsdl2-dev libglew-dev libglm-dev
  libfreetype-dev libtinyxml2-dev libstb-dev libimgui-dev libvorbis-dev libgtest-dev xvfb xauth
  libgl1-mesa-dri mesa-utils-bin sox libsox-fmt-all libbox2d-dev
  xdotool imagemagick clang-format)
CONTENT_PACKAGES=(python3 librsvg2-bin python3-pil fluidsynth fluid-soundfont-gm
  sox libsox-fmt-all vorbis-tools)
if [ "${1:-}" = "--content" ]; then
  shift
  PACKAGES+=("${CONTENT_PACKAGES[@]}")
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)"
