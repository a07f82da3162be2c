#!/bin/sh
# Installs the dependencies, then builds and runs the whole test suite twice:
# once with warnings as errors, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Every run shares one Xvfb display with software
# OpenGL and a silent audio driver. Last, the loaders' fuzz targets run for a
# minute each (scripts/fuzz.sh).
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh --tests

jobs="$(nproc)"
run_suite() {
  dir="$1"
  shift
  sh scripts/build.sh "$dir" -DQV_WERROR=ON "$@"
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
    xvfb-run -a -s "-screen 0 1280x720x24 -noreset" \
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON

unset ASAN_OPTIONS UBSAN_OPTIONS
sh scripts/fuzz.sh
