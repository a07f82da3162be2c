#!/bin/sh
# Installs the dependencies, builds both programs, the tools and the content
# without the test suite (whose packages only scripts/test.sh installs), and
# starts the English game in a window of 800 x 450.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh build -DQV_TESTS=OFF
cd build
exec ./quendralvoss w 800 450
