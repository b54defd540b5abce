#!/bin/sh
# Runs a fuzz campaign on one target and prints what it did and found:
#   ./scripts/fuzz.sh TARGET SECONDS        (TARGET: codec, files or window)
# Builds the sanitizer and fuzz build in build-asan when needed. An input that makes the target
# fail is kept in fuzz/regressions/TARGET/, which the ordinary test suite replays.
set -eu
cd "$(dirname "$0")/.."
target=$1
seconds=$2
./scripts/install-deps.sh clang libclang-rt-14-dev
./scripts/build-asan.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/findings"
cp -r "fuzz/corpus/$target/." "$work/corpus/"
# A datagram may be 64 KB; the bookmarks file is read from its first MiB.
case $target in
    files) max_len=1048576 ;;
    *) max_len=65536 ;;
esac
status=0
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' \
    LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp" \
    "build-asan/fuzz/fuzz_$target" "$work/corpus" -dict=fuzz/protocol.dict \
    -max_len="$max_len" -max_total_time="$seconds" -artifact_prefix="$work/findings/" -print_final_stats=1 \
    -rss_limit_mb=4096 -timeout=10 >"$work/log" 2>&1 || status=$?
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -n 1)
findings=$(ls "$work/findings" | wc -l)
echo "fuzz_$target: $executions executions in $seconds s, $rate per second, $coverage, $findings findings"
if [ "$findings" -gt 0 ] || [ "$status" -ne 0 ]; then
    mkdir -p "fuzz/regressions/$target"
    cp "$work"/findings/* "fuzz/regressions/$target/" 2>/dev/null || true
    tail -n 60 "$work/log"
    echo "kept in fuzz/regressions/$target/: $(ls "$work/findings" | tr '\n' ' ')"
    exit 1
fi
