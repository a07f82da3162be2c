#!/bin/sh
# Installs the dependencies, builds both programs, makes the content and starts
# the English game in a window of 800 x 450.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh build
cd build
exec ./quendralvoss w 800 450
