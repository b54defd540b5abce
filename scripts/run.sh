#!/bin/sh
# Installs the dependencies, builds, and starts the substitute engine and TovrelUI beside it.
# Closing the window stops both.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh fonts-noto-cjk
./scripts/build.sh build
# The example bookmarks beside the program, unless there are some already.
[ -e build/src/app/Bookmarks.txt ] || cp tools/zol-engine-sim/Bookmarks.txt build/src/app/
./build/tools/zol-engine-sim/zol-engine-sim &
engine=$!
trap 'kill "$engine" 2>/dev/null || true' EXIT INT TERM
echo "Log in as alice / wonderland, bob / builder or tovrel / tovrel."
./build/src/app/tovrelui
