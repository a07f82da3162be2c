#!/bin/sh
# Installs the dependencies, then builds and runs the whole test suite twice:
# once with warnings as errors, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Every run shares one Xvfb display with software
# OpenGL and a silent audio driver. Last, the loaders' fuzz targets run for a
# minute each (scripts/fuzz.sh).
# With --only REGEX it stops after the first build, having run only the tests
# whose names match REGEX (as ctest -R takes it): the set-up and a quick look.
set -e
cd "$(dirname "$0")/.."
only=""
if [ "$1" = "--only" ]; then
  only="$2"
  if [ -z "$only" ]; then
    echo "usage: sh scripts/test.sh [--only REGEX]" >&2
    exit 2
  fi
fi
sh scripts/install-deps.sh --tests

jobs="$(nproc)"
run_suite() {
  dir="$1"
  shift
  sh scripts/build.sh "$dir" -DQV_WERROR=ON "$@"
  set -- --test-dir "$dir" --output-on-failure -j "$jobs"
  if [ -n "$only" ]; then
    set -- "$@" -R "$only"
  fi
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
    xvfb-run -a -s "-screen 0 1280x720x24 -noreset" ctest "$@"
}

run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -n "$only" ]; then
  exit 0
fi
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON

unset ASAN_OPTIONS UBSAN_OPTIONS
sh scripts/fuzz.sh
