#!/bin/sh
# Times two builds of the game against each other with the bench:
#
#   sh scripts/bench-compare.sh BASE_BUILD NEW_BUILD [--rounds N] [--frames N]
#                               [--rooms N[,N...]] [--size W H]
#
# Runs BASE_BUILD/tools/quendralvoss-bench and NEW_BUILD/tools/quendralvoss-bench
# (each with its own res folder) in turn, A B A B ..., N rounds (default 3), at
# W x H (default 1920 x 1080) under one Xvfb of that size, so that both see the
# same machine and the same drift of its load. Then prints per room variant the
# median over the rounds of frame p50, p99, main-thread CPU and all-threads CPU
# per frame (ms) for both, and the ratios new / base. --frames is passed on to
# the bench; --rooms too where the bench knows it (an older one runs every
# room), and only those rooms are shown. The machine's load before and after is printed too:
# timings are only worth comparing on a quiet machine.
set -e
if [ $# -lt 2 ]; then
  echo "usage: $0 BASE_BUILD NEW_BUILD [--rounds N] [--frames N] [--rooms N[,N...]] [--size W H]" >&2
  exit 2
fi
base="$(cd "$1" && pwd)"
new="$(cd "$2" && pwd)"
shift 2
rounds=3
width=1920
height=1080
extra=""
rooms=""
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds="$2"; shift 2 ;;
    --frames) extra="$extra --frames $2"; shift 2 ;;
    --rooms) rooms="$2"; shift 2 ;;
    --size) width="$2"; height="$3"; shift 3 ;;
    *) echo "$0: unknown argument $1" >&2; exit 2 ;;
  esac
done
for build in "$base" "$new"; do
  if [ ! -x "$build/tools/quendralvoss-bench" ] || [ ! -d "$build/res" ]; then
    echo "$0: $build has no tools/quendralvoss-bench or res" >&2
    exit 2
  fi
done

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A display number no X server holds.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 "${width}x${height}x24" -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
until [ -e "/tmp/.X11-unix/X$display" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "$0: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
export DISPLAY=":$display" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1

echo "machine load before: $(cat /proc/loadavg)"
round=1
while [ "$round" -le "$rounds" ]; do
  for side in base new; do
    if [ "$side" = base ]; then build="$base"; else build="$new"; fi
    # shellcheck disable=SC2086
    "$build/tools/quendralvoss-bench" "$width" "$height" --res "$build/res" $extra \
      >"$work/$side-$round.txt"
    echo "round $round $side done" >&2
  done
  round=$((round + 1))
done
echo "machine load after: $(cat /proc/loadavg)"

# Rows of the bench's table: a room number and a label of more words, then
# nine numbers (build, first, p50, p99, max, main cpu, all cpu, peak MB,
# vertices). The bench's other lines (the machine's load, ...) are left out.
for side in base new; do
  for file in "$work/$side"-*.txt; do
    awk -v side="$side" -v rooms=",$rooms," '
      $1 ~ /^[0-9]+$/ && NF >= 10 && $NF ~ /^[0-9.]+$/ && $(NF - 8) ~ /^[0-9.]+$/ && (rooms == ",," || index(rooms, "," $1 ",")) {
        label = $1
        for (k = 2; k <= NF - 9; ++k) label = label " " $k
        print side "\t" label "\t" $(NF - 6) "\t" $(NF - 5) "\t" $(NF - 3) "\t" $(NF - 2)
      }' "$file"
  done
done >"$work/rows.tsv"

printf '%s x %s, %s rounds, medians in ms\n' "$width" "$height" "$rounds"
awk -F '\t' '
  function median(list,    n, v, i, j, t) {
    n = split(list, v, " ")
    for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j - 1] + 0 > v[j] + 0; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  function ratio(a, b) { return b > 0 ? sprintf("%.2f", a / b) : "-" }
  {
    if (!($2 in seen)) { seen[$2] = 1; order[++count] = $2 }
    for (c = 3; c <= 6; ++c) values[$1, $2, c] = values[$1, $2, c] " " $c
  }
  END {
    printf "%-18s | %27s | %27s | %23s\n", "", "base: p50 p99 main all", "new: p50 p99 main all", "new/base: p50 p99 main all"
    for (r = 1; r <= count; ++r) {
      v = order[r]
      for (c = 3; c <= 6; ++c) { b[c] = median(values["base", v, c]); n[c] = median(values["new", v, c]) }
      printf "%-18s | %6.1f %6.1f %6.2f %6.1f | %6.1f %6.1f %6.2f %6.1f | %5s %5s %5s %5s\n", v,
             b[3], b[4], b[5], b[6], n[3], n[4], n[5], n[6], ratio(n[3], b[3]), ratio(n[4], b[4]),
             ratio(n[5], b[5]), ratio(n[6], b[6])
    }
  }' "$work/rows.tsv"
