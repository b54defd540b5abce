#!/bin/sh
# Installs what building and testing TovrelUI needs on Debian 12 (as root, or through sudo).
# Extra package names given as arguments are installed too.
set -eu
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update
$as_root apt-get install -y --no-install-recommends \
    cmake g++ ninja-build qt6-base-dev libcanberra-dev "$@"
