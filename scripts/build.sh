#!/bin/sh
# Configures and builds into the given directory (default: build) with the
# extra CMake arguments that follow, then writes the game's content into
# <build>/res when the generator is part of the build.
set -e
cd "$(dirname "$0")/.."
dir="${1:-build}"
[ $# -gt 0 ] && shift
cmake -S . -B "$dir" "$@"
cmake --build "$dir" -j "$(nproc)"
if cmake --build "$dir" --target help | grep '\bcontent\b' >/dev/null; then
  cmake --build "$dir" --target content
fi
