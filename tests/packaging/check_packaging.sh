#!/bin/sh
# Checks that TovrelUI installs as a desktop program: the desktop entry and the metainfo pass
# their validators, an install holds exactly the expected files, the two packages build with
# dependencies computed from the libraries, and (as root, on a machine that may be changed) the
# packages install, the installed programs attach to each other, and both remove cleanly.
# Usage: check_packaging.sh SOURCE_DIR BUILD_DIR
set -eu
src=$1
build=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
passed=0
failed=0
check() { # name, then the command
    name=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        passed=$((passed + 1))
        echo "PASS   : $name"
    else
        failed=$((failed + 1))
        echo "FAIL!  : $name"
        sed 's/^/    /' "$work/out"
    fi
}

desktop_entry_is_valid() {
    out=$(desktop-file-validate "$src/data/org.tovrelui.TovrelUI.desktop" 2>&1)
    echo "$out"
    [ -z "$out" ]
}
metainfo_is_valid() {
    out=$(appstreamcli validate --no-net "$src/data/org.tovrelui.TovrelUI.metainfo.xml" 2>&1)
    echo "$out"
    ! echo "$out" | grep -qE '^(E|W):'
}
installs_the_expected_files() {
    DESTDIR="$work/root" cmake --install "$build" --prefix /usr
    (cd "$work/root" && find . -type f | LC_ALL=C sort) >"$work/installed"
    LC_ALL=C sort "$src/tests/packaging/expected-files.txt" | diff -u - "$work/installed"
}
packages_build() {
    cpack --config "$build/CPackConfig.cmake" -B "$work/packages"
    app=$(ls "$work"/packages/tovrelui_*.deb)
    sim=$(ls "$work"/packages/tovrelui-engine-sim_*.deb)
    dpkg-deb --info "$app"
    # Dependencies come from the libraries the programs link.
    dpkg-deb --field "$app" Depends | grep -q 'libqt6widgets6'
    dpkg-deb --field "$app" Depends | grep -q 'libcanberra0'
    dpkg-deb --field "$sim" Depends | grep -q 'libqt6network6'
    dpkg-deb --field "$app" Recommends | grep -q 'fonts-noto-cjk'
    dpkg-deb --contents "$app" | grep -q ' ./usr/bin/tovrelui$'
    dpkg-deb --contents "$app" | grep -q ' ./usr/share/applications/org.tovrelui.TovrelUI.desktop$'
    dpkg-deb --contents "$app" | grep -q ' ./usr/share/metainfo/org.tovrelui.TovrelUI.metainfo.xml$'
    dpkg-deb --contents "$app" | grep -q ' ./usr/share/icons/hicolor/scalable/apps/org.tovrelui.TovrelUI.svg$'
    ! dpkg-deb --contents "$app" | grep -q 'zol-engine-sim'
    dpkg-deb --contents "$sim" | grep -q ' ./usr/bin/zol-engine-sim$'
}
installed_programs_attach() {
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y --no-install-recommends "$(ls "$work"/packages/tovrelui_*.deb)" \
        "$(ls "$work"/packages/tovrelui-engine-sim_*.deb)"
    /usr/bin/zol-engine-sim --calm --verbose >"$work/engine.log" 2>&1 &
    engine=$!
    mkdir -p "$work/runtime" "$work/data"
    XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen \
        /usr/bin/tovrelui >"$work/ui.log" 2>&1 &
    ui=$!
    attached=no
    for _ in $(seq 1 100); do
        if grep -q 'ZOL_CLIENT_GETSTATE' "$work/engine.log"; then
            attached=yes
            break
        fi
        sleep 0.1
    done
    kill "$ui" "$engine" 2>/dev/null || true
    wait "$ui" "$engine" 2>/dev/null || true
    apt-get remove -y tovrelui tovrelui-engine-sim
    cat "$work/engine.log"
    [ "$attached" = yes ] && [ ! -e /usr/bin/tovrelui ] && [ ! -e /usr/bin/zol-engine-sim ]
}

check "the desktop entry passes desktop-file-validate" desktop_entry_is_valid
check "the metainfo passes appstreamcli validate" metainfo_is_valid
check "an install holds exactly the expected files" installs_the_expected_files
check "the two packages build with their dependencies" packages_build
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP   : installing the packages needs root (run as root on a disposable machine)"
elif [ "$failed" -eq 0 ]; then
    check "the installed programs attach, and both packages remove" installed_programs_attach
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
