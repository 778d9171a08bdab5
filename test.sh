#!/usr/bin/env bash
# Builds everything and runs every test under one virtual screen, with a
# temporary HOME so no test touches the user's Documents folder.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh -DTANDREL_BUILD_TESTS=ON

# Every source in the house format (.clang-format); the build above already
# fails on any warning.
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# The GL driver keeps its shader cache under XDG_CACHE_HOME, which points
# inside the temporary home, as every other file a test may write there does.
TEST_HOME="$(mktemp -d)"
trap 'rm -rf "$TEST_HOME"' EXIT
export HOME="$TEST_HOME"
export XDG_CONFIG_HOME="$TEST_HOME/.config"
export XDG_CACHE_HOME="$TEST_HOME/.cache"
unset XDG_DOCUMENTS_DIR
export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER=dummy
# No session bus: SDL's video start would otherwise fork a bus launcher, and a
# child forked while a test's decoding threads run can hang in the sanitizer
# build's allocator (the program itself starts its video before any thread).
export DBUS_SESSION_BUS_ADDRESS=disabled:

# Tests write only inside their temporary folders and the build folder: list
# the top of the file system and the repository before and after the run.
# Only what the tests can reach is listed: the real user's folders (a shader
# cache that another GL program fills meanwhile, say) are not theirs.
snapshot() {
  ls -A / | sed 's|^|/|'
  git status --porcelain --untracked-files=all --ignored=no 2>/dev/null | sed 's|^|repo: |'
  # Files already changed before the run: their contents, too.
  git ls-files -z -m -o --exclude-standard 2>/dev/null | xargs -0 -r sha1sum 2>/dev/null | sed 's|^|repo: |'
}
before="$(snapshot)"

status=0
xvfb-run -a -s '-screen 0 1366x768x24' \
  ctest --test-dir build --output-on-failure -j"$(nproc)" "$@" || status=$?

after="$(snapshot)"
written="$(comm -13 <(sort <<<"$before") <(sort <<<"$after"))"
if [ -n "$written" ]; then
  echo "Tests wrote outside their temporary folders:"
  echo "$written"
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
