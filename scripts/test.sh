#!/bin/sh
# Installs the dependencies, builds, and runs every test without a display.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2 --timeout 300
