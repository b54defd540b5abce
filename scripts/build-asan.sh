#!/bin/sh
# Configures and builds everything with AddressSanitizer, UndefinedBehaviorSanitizer and the
# libFuzzer targets, with clang, into build-asan.
set -eu
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOVREL_SANITIZE=ON -DTOVREL_FUZZ=ON
cmake --build build-asan --parallel
