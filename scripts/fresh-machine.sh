#!/bin/sh
# Checks that the README's two commands work on a freshly installed Debian 12.
# Makes a bookworm root with debootstrap (default variant: the required and
# important packages, as the installer leaves a machine with no task chosen)
# from the Debian mirror of this machine's apt sources, copies the source tree
# in (the files git knows, as a clone has them) and, inside the root, as root:
#   play  `sh scripts/play.sh` until the game shows a picture that is not all
#         black on an Xvfb of this machine; then SIGTERM, which the game takes
#         as a quit: it must exit with 0.
#   tests `sh scripts/test.sh --only '^(engine|app)\.'`: the test packages,
#         the suite's build and the engine and app tests.
# Needs root. Prints each step's time; a failed step ends the check with its
# name and the last lines of its log (build-fresh/logs/<step>.log). Mounts,
# the X server and whatever still runs in the root are undone on every exit;
# the root is removed at the end unless --keep is given, and before each run.
set -e
cd "$(dirname "$0")/.."
tree="$(pwd -P)"
. "$tree/scripts/fresh-machine-parts.sh"

keep=0
if [ "$1" = "--keep" ]; then
  keep=1
fi
if [ "$(id -u)" != "0" ]; then
  echo "fresh machine: needs root (debootstrap, chroot and mounts)" >&2
  exit 1
fi

work="$tree/build-fresh"
root="$work/root"
logs="$work/logs"
home=/root/quendralvoss
# Seconds allowed for play.sh to install and build, then for the game to show
# its first picture once it runs, then to end after SIGTERM.
play_limit=2400
picture_limit=120
quit_limit=30
# A picture: at least 1 % of the 800 x 450 window lit.
lit_enough=3600

say() {
  echo "fresh machine: $*"
}

# Mount points under the root, deepest first.
mounts_in_root() {
  awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/self/mounts | sort -r
}

# Ends what still runs inside the root (daemons a package started, a game that
# did not quit): the processes whose root directory is the root.
stop_root_processes() {
  for signal in TERM KILL; do
    found=""
    for proc in /proc/[0-9]*; do
      if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
        kill -s "$signal" "${proc#/proc/}" 2>/dev/null || true
        found=1
      fi
    done
    [ -z "$found" ] && return 0
    sleep 2
  done
}

unmount_root() {
  for point in $(mounts_in_root); do
    umount "$point" 2>/dev/null || umount -l "$point" || true
  done
}

# Removes the root, but never while anything is mounted in it (a bound /dev
# or /tmp would be emptied with it).
remove_root() {
  [ -e "$root" ] || return 0
  if [ -n "$(mounts_in_root)" ]; then
    say "still mounted in $root, not removing it:" >&2
    mounts_in_root >&2
    return 1
  fi
  rm -rf --one-file-system "$root"
}

xvfb_pid=""
cleanup() {
  status=$?
  stop_root_processes
  unmount_root
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  if [ "$keep" = "0" ]; then
    remove_root || status=1
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'say interrupted >&2; exit 130' INT TERM HUP

fail() {
  say "step '$1' FAILED: $2" >&2
  if [ -f "$logs/$1.log" ]; then
    echo "---- last lines of $logs/$1.log" >&2
    tail -n 40 "$logs/$1.log" >&2
  fi
  exit 1
}

step_start=0
begin() {
  step_start=$(date +%s)
  say "$1 ..."
}
done_step() {
  say "$1 passed in $(($(date +%s) - step_start)) s"
}

# The plain environment of a new login, for the commands run in the root.
login_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# Whether the process $1 still runs (a zombie no longer does).
running() {
  state="$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)"
  [ -n "$state" ] && [ "$state" != "Z" ]
}

all_start=$(date +%s)
stop_root_processes
unmount_root
remove_root
rm -rf "$logs" "$work/screen"
mkdir -p "$logs" "$work/screen"

begin host
mirror="$(debian_mirror /etc/apt bookworm)" || fail host "no Debian bookworm source in /etc/apt"
{
  missing=""
  for package in debootstrap debian-archive-keyring xvfb; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing="$missing $package"
    fi
  done
  if [ -n "$missing" ]; then
    apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
  fi
} >"$logs/host.log" 2>&1 || fail host "could not install debootstrap and Xvfb on this machine"
done_step host

begin debootstrap
debootstrap bookworm "$root" "$mirror" >"$logs/debootstrap.log" 2>&1 || fail debootstrap "no root made"
done_step debootstrap

begin copy
{
  # The root's apt reads from the same mirror as this machine, and nothing else.
  rm -f "$root/etc/apt/sources.list"
  for file in $(mirror_source_files /etc/apt "$mirror"); do
    cp "$file" "$root/etc/apt/sources.list.d/"
  done
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  mkdir -p "$root$home"
  git ls-files -z --cached --others --exclude-standard |
    tar --null --ignore-failed-read -T - -cf - | tar -xf - -C "$root$home"
} >"$logs/copy.log" 2>&1 || fail copy "could not copy the tree and the apt sources in"
done_step copy

# The kernel's file systems, and this machine's /tmp: X display numbers are
# taken machine-wide (the abstract sockets are shared), so the lock files
# that say which are taken must be the same inside as outside.
for point in proc sys dev dev/pts dev/shm tmp; do
  mount --bind "/$point" "$root/$point" || fail mount "could not bind /$point into the root"
done

begin play
Xvfb -displayfd 3 -fbdir "$work/screen" -br -nolisten tcp -noreset -screen 0 1280x720x24 \
  3>"$work/display" 2>"$logs/xvfb.log" &
xvfb_pid=$!
display=""
waited=0
while [ -z "$display" ] && [ "$waited" -lt 30 ]; do
  sleep 1
  waited=$((waited + 1))
  display="$(cat "$work/display")"
  running "$xvfb_pid" || break
done
[ -n "$display" ] || fail xvfb "no Xvfb display"
screen="$work/screen/Xvfb_screen0"

# Started straight from here (not from a function, which would run in a
# subshell of its own) and ending by play.sh's exec of the game, this process
# becomes the game. There is no sound device in the root; and the video driver
# is named so that a display that fails is reported by the game, not left to
# SDL's fall-back to a text terminal.
chroot "$root" /usr/bin/env -i PATH="$login_path" HOME=/root DISPLAY=":$display" \
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  sh -c "cd $home && exec sh scripts/play.sh" >"$logs/play.log" 2>&1 &
play_pid=$!
game_since=""
lit=0
outcome=""
while running "$play_pid"; do
  now=$(date +%s)
  if ! running "$xvfb_pid"; then
    outcome="the Xvfb display ended (its log: $logs/xvfb.log)"
    break
  fi
  if [ "$(cat "/proc/$play_pid/comm" 2>/dev/null)" = "quendralvoss" ]; then
    if [ -z "$game_since" ]; then
      game_since=$now
      say "play: built in $((now - step_start)) s, the game runs"
    fi
    lit="$(lit_pixels "$screen")" || lit=0
    if [ "$lit" -ge "$lit_enough" ]; then
      outcome=picture
      say "play: first picture after $((now - game_since)) s ($lit pixels lit), sending SIGTERM"
      break
    fi
    if [ $((now - game_since)) -ge "$picture_limit" ]; then
      outcome="no picture within $picture_limit s of the game's start ($lit pixels lit)"
      break
    fi
  elif [ $((now - step_start)) -ge "$play_limit" ]; then
    outcome="play.sh did not start the game within $play_limit s"
    break
  fi
  sleep 1
done
kill -TERM "$play_pid" 2>/dev/null || true
waited=0
while running "$play_pid" && [ "$waited" -lt "$quit_limit" ]; do
  sleep 1
  waited=$((waited + 1))
done
if running "$play_pid"; then
  kill -KILL "$play_pid"
  fail play "the game did not end within $quit_limit s of SIGTERM"
fi
play_status=0
wait "$play_pid" || play_status=$?
if [ -z "$outcome" ]; then
  fail play "play.sh ended with status $play_status before the game showed a picture"
fi
[ "$outcome" = "picture" ] || fail play "$outcome"
[ "$play_status" = "0" ] || fail play "the game ended with status $play_status after SIGTERM, not 0"
done_step play
kill "$xvfb_pid" 2>/dev/null || true
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""

begin tests
chroot "$root" /usr/bin/env -i PATH="$login_path" HOME=/root \
  sh -c "cd $home && exec sh scripts/test.sh --only '^(engine|app)\\.'" >"$logs/tests.log" 2>&1 ||
  fail tests "the test command's set-up or the engine and app tests failed"
grep 'tests passed' "$logs/tests.log" | tail -n 1 | sed 's/^/fresh machine: tests: /'
done_step tests

say "passed in $(($(date +%s) - all_start)) s (logs in $logs)"
