#!/bin/sh
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz, sorts the generated content into
# seed corpora, then runs the file targets at once for FUZZ_SECONDS (default
# 60) and the save target, which plays the whole game and needs the machine
# to itself, for twice that, each on those seeds, the corpus kept in
# tests/fuzz/corpus and the regression files, under one Xvfb display with a
# silent audio driver. Fails when any
# target crashes, leaks in the game's own code or hangs on an input; the input
# is kept in build-fuzz/findings/<target>/. Prints each target's executions.
set -e
cd "$(dirname "$0")/.."
root="$(pwd)"
dir="$root/build-fuzz"

if [ "$1" != "--under-display" ]; then
  # The content generator runs instrumented too; its memory at exit is no
  # concern of the fuzz runs.
  CC=clang CXX=clang++ ASAN_OPTIONS=detect_leaks=0 sh scripts/build.sh build-fuzz \
    -DQV_FUZZ=ON -DQV_TESTS=OFF -DQV_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
  rm -rf "$dir/seeds" "$dir/fuzz-work" "$dir/findings" "$dir/fuzz-logs"
  "$dir/tests/fuzz/quendralvoss-fuzz-seeds" "$dir/res" "$dir/seeds"
  exec xvfb-run -a -s "-screen 0 1280x720x24 -noreset" sh "$0" --under-display
fi

seconds="${FUZZ_SECONDS:-60}"
corpus="$root/tests/fuzz/corpus"
regressions="$root/tests/fuzz/regressions"
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0
export LIBGL_ALWAYS_SOFTWARE=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/fuzz-logs"
# A library preloaded into a target's run; none but for the save target.
target_preload=""

# target, seconds, longest input, then its seed directories.
run_target() {
  name="$1"
  time="$2"
  length="$3"
  shift 3
  mkdir -p "$dir/fuzz-work/$name" "$dir/findings/$name"
  # The disk audio driver writes what it plays into a pipe that is read and
  # thrown away: SDL 2's driver (under sdl12-compat) takes no /dev/null.
  pipe="$dir/fuzz-work/$name.audio"
  rm -f "$pipe"
  mkfifo "$pipe"
  cat "$pipe" >/dev/null &
  reader=$!
  status=0
  LD_PRELOAD="$target_preload" SDL_DISKAUDIOFILE="$pipe" "$dir/tests/fuzz/fuzz_$name" -max_total_time="$time" -timeout=10 -rss_limit_mb=4096 \
    -max_len="$length" -print_final_stats=1 -artifact_prefix="$dir/findings/$name/" \
    "$dir/fuzz-work/$name" "$@" >"$dir/fuzz-logs/$name.log" 2>&1 || status=$?
  # A target that plays nothing never opened the pipe, so its reader still waits.
  kill "$reader" 2>/dev/null || true
  wait "$reader" 2>/dev/null || true
  echo "$status" >"$dir/fuzz-logs/$name.rc"
}

run_target Mesh "$seconds" 32768 "$dir/seeds/mesh" "$corpus/mesh" &
run_target Picture "$seconds" 32768 "$dir/seeds/picture" "$corpus/picture" "$regressions" &
run_target Sound "$seconds" 32768 "$dir/seeds/sound" "$corpus/sound" "$regressions" &
run_target Music "$seconds" 65536 "$dir/seeds/music" "$regressions" &
run_target ResourceFile "$seconds" 4096 "$dir/seeds/resource-file" "$corpus/resource-file" &
run_target MemoryReader "$seconds" 4096 "$dir/seeds/memory-reader" "$corpus/memory-reader" &
wait
# The save target shuts the game down when it exits, closing the display: it
# runs with the software driver preloaded, as the sanitizer suite does.
. "$root/scripts/software-driver.sh"
target_preload="$(software_driver)"
if [ -n "$target_preload" ]; then
  export ASAN_OPTIONS=verify_asan_link_order=0
fi
run_target SaveFile $((seconds * 2)) 4096 "$corpus/save"

failed=0
printf '%-14s %12s %8s %10s  %s\n' target executions "new" coverage result
for name in Mesh Picture Sound Music ResourceFile MemoryReader SaveFile; do
  log="$dir/fuzz-logs/$name.log"
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  added="$(sed -n 's/^stat::new_units_added: *//p' "$log")"
  cov="$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)"
  result=clean
  if [ "$(cat "$dir/fuzz-logs/$name.rc")" != "0" ]; then
    result="FAILED (log: $log, input: $dir/findings/$name/)"
    failed=1
  fi
  printf '%-14s %12s %8s %10s  %s\n' "$name" "${runs:-0}" "${added:-0}" "${cov:-0}" "$result"
done
if [ "$failed" != "0" ]; then
  for name in Mesh Picture Sound Music ResourceFile MemoryReader SaveFile; do
    if [ "$(cat "$dir/fuzz-logs/$name.rc")" != "0" ]; then
      echo "==== $name"
      tail -n 60 "$dir/fuzz-logs/$name.log"
    fi
  done
  exit 1
fi
