#!/bin/sh
# Installs the dependencies, then builds and runs the whole test suite twice:
# once with warnings as errors, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Every run shares one Xvfb display with software
# OpenGL and a silent audio driver; the sanitizer run also checks for leaks.
# Last, the loaders' fuzz targets run for a minute each (scripts/fuzz.sh).
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
# A library that the tests preload (the sanitizer run sets it); none at first.
test_preload=""
run_suite() {
  dir="$1"
  shift
  sh scripts/build.sh "$dir" -DQV_WERROR=ON "$@"
  set -- --test-dir "$dir" --output-on-failure -j "$jobs"
  if [ -n "$only" ]; then
    set -- "$@" -R "$only"
  fi
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 LD_PRELOAD="$test_preload" \
    xvfb-run -a -s "-screen 0 1280x720x24 -noreset" ctest "$@"
}

run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -n "$only" ]; then
  exit 0
fi
# Leaks are reported too, the story playthroughs included; only memory that the
# system libraries keep is listed in tests/lsan.supp. So is a use of a stack
# frame after its function returned, which newer toolchains look for by
# default and older ones only when asked. The content generator runs under the
# same options while the suite is built.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
# The software driver preloaded (see software-driver.sh); only the tests run
# with it, the build and its tools do not.
. scripts/software-driver.sh
test_preload="$(software_driver)"
if [ -n "$test_preload" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON

unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
test_preload=""
sh scripts/fuzz.sh
