#!/bin/sh
# Installs the Debian 12 packages that the build, the content generator and the
# test suite need. Runs apt-get as root, or through sudo otherwise.
set -e
SUDO=""
if [ "$(id -u)" != "0" ]; then
  SUDO=sudo
fi
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  build-essential cmake pkg-config \
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev \
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri \
  libpng-dev libfreetype-dev fonts-dejavu-core libvorbis-dev libogg-dev \
  libgtest-dev googletest \
  libx11-dev xvfb xauth
