#!/usr/bin/env bash
# Installs, from Debian's packages and only when missing, what the build, the tests, `make run` and
# `make dist` need.
set -eu
want="cmake make g++ g++-mingw-w64-x86-64 wine64 xvfb xauth x11-utils fonts-wqy-microhei imagemagick libgtest-dev googletest"
want="$want clang-format libcap2-bin fp-utils libchm-bin nsis zip unzip ${EXTRA_PACKAGES:-}"
missing=""
for p in $want; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q >/dev/null
$sudo apt-get install -y -q --no-install-recommends $missing >/dev/null
