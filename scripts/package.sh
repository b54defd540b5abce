#!/bin/sh
# Builds the Debian packages tovrelui and tovrelui-engine-sim into build/.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh build
cd build
cpack -G DEB
ls -1 "$PWD"/*.deb
