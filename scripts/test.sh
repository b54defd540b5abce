#!/bin/sh
# Installs the dependencies, builds, and runs every test without a display: the suite, the same
# suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a
# minute.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh clang libclang-rt-14-dev
./scripts/build.sh build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2 --timeout 300)

./scripts/build-asan.sh
# The packages are built and installed from the ordinary build only.
(cd build-asan && QT_QPA_PLATFORM=offscreen \
    LSAN_OPTIONS="suppressions=$PWD/../tests/sanitizers/lsan.supp" \
    UBSAN_OPTIONS="print_stacktrace=1" \
    ctest --output-on-failure --parallel 2 --timeout 600 -E '^packaging$')
for target in codec files window; do
    ./scripts/fuzz.sh "$target" 60
done
