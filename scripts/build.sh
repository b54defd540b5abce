#!/bin/sh
# Configures and builds into the folder given (default: build), warnings on.
set -eu
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --parallel
