#!/bin/sh
# Installs the Debian packages (Debian 12 or 13) that the build and the content
# generator need, and with --tests also those of the test suite and its fuzz
# targets. Every name is one that both releases have: where a tool comes in
# one version a release (clang's sanitizer and fuzzer runtime), the release's
# defaults package brings the one that goes with its clang.
# Only packages that are missing are installed, so once everything is there it
# needs neither root nor the package index; otherwise it runs apt-get as root,
# or through sudo.
set -e
packages="build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libpng-dev libfreetype-dev fonts-dejavu-core libvorbis-dev libogg-dev"
if [ "$1" = "--tests" ]; then
  packages="$packages libgtest-dev googletest clang libclang-rt-dev libx11-dev xvfb xauth"
fi

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

SUDO=""
if [ "$(id -u)" != "0" ]; then
  SUDO=sudo
fi
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
