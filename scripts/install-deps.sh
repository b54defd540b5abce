#!/bin/sh
# Installs what building and testing TovrelUI needs on Debian 12 (as root, or through sudo).
# Extra package names given as arguments are installed too. When every package is there
# already it does nothing, so a second build or test run starts at once.
set -eu
# The validators and dpkg-shlibdeps check and build the packages.
packages="cmake g++ ninja-build qt6-base-dev libcanberra-dev desktop-file-utils appstream dpkg-dev $*"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update
# shellcheck disable=SC2086 # one word a package
$as_root apt-get install -y --no-install-recommends $missing
