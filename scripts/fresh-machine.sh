#!/bin/sh
# Checks that the README's two commands work on a freshly installed Debian 12
# (bookworm, classic SDL 1.2) and Debian 13 (trixie, sdl12-compat over SDL 2).
# The two releases are checked at the same time, each in a process of its own:
# much of a check waits on the mirror (debootstrap, apt), so the two overlap
# well on one machine. For each release it makes a root with debootstrap (default variant: the
# required and important packages, as the installer leaves a machine with no
# task chosen) from the Debian mirror of this machine's apt sources, which
# serves both releases, copies the source tree in (the files git knows, as a
# clone has them) and, inside the root, as root:
#   play  `sh scripts/play.sh` until the game shows a picture that is not all
#         black on an Xvfb of this machine; then SIGTERM, which the game takes
#         as a quit: it must exit with 0.
#   tests `sh scripts/test.sh --only REGEX`: the test packages, the suite's
#         build and the engine and app tests; on Debian 13 also one story
#         playthrough of each program, so that every change plays the game on
#         sdl12-compat too.
# Needs root. Prints each step's time; a failed step ends the check with its
# release, its name and the last lines of its log
# (build-fresh/logs/<release>/<step>.log). Mounts, the X server and whatever
# still runs in a root are undone on every exit; the roots are removed at the
# end unless --keep is given, and before each run.
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

# The releases, each with the tests its root runs after the set-up.
releases="bookworm trixie"
platform_tests='^(engine|app)\.'
tests_bookworm="$platform_tests"
# ctest names a playthrough "story.EveryCostume/...Checkpoint/ghost  # GetParam() = 1".
tests_trixie='^((engine|app)\.|story\..*/ghost|story_de\..*/werewolf)'
# The release whose sources this machine's apt lists.
host_release=bookworm

work="$tree/build-fresh"
roots="$work/roots"
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

# Mount points under the directory $1 (default: all the roots), deepest first.
mounts_in_roots() {
  awk -v roots="${1:-$roots}/" 'index($2, roots) == 1 { print $2 }' /proc/self/mounts | sort -r
}

# Ends what still runs inside a root (daemons a package started, a game that
# did not quit): the processes whose root directory lies under the directory
# $1 (default: all the roots).
stop_root_processes() {
  under="${1:-$roots}"
  for signal in TERM KILL; do
    found=""
    for proc in /proc/[0-9]*; do
      case "$(readlink "$proc/root" 2>/dev/null)" in
        "$under" | "$under"/*)
          kill -s "$signal" "${proc#/proc/}" 2>/dev/null || true
          found=1
          ;;
      esac
    done
    [ -z "$found" ] && return 0
    sleep 2
  done
}

# Undoes the mounts under the directory $1 (default: all the roots).
unmount_roots() {
  for point in $(mounts_in_roots "$1"); do
    umount "$point" 2>/dev/null || umount -l "$point" || true
  done
}

# Removes the roots, but never while anything is mounted in one (a bound /dev
# or /tmp would be emptied with it).
remove_roots() {
  [ -e "$roots" ] || return 0
  if [ -n "$(mounts_in_roots)" ]; then
    say "still mounted in $roots, not removing it:" >&2
    mounts_in_roots >&2
    return 1
  fi
  rm -rf --one-file-system "$roots"
}

xvfb_pid=""
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}
# The processes that check a release each, while they run.
checks=""
cleanup() {
  status=$?
  # A check waits on what it runs in its root before it takes its signal, so
  # that goes first.
  for check in $checks; do
    kill "$check" 2>/dev/null || true
  done
  stop_root_processes
  for check in $checks; do
    wait "$check" 2>/dev/null || true
  done
  stop_root_processes
  unmount_roots
  stop_xvfb
  if [ "$keep" = "0" ]; then
    remove_roots || status=1
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'say interrupted >&2; exit 130' INT TERM HUP

# The release being checked, its root and its logs; set by check_release.
release=""
root=""
logs="$work/logs"

fail() {
  say "${release:+$release: }step '$1' FAILED: $2" >&2
  if [ -f "$logs/$1.log" ]; then
    echo "---- last lines of $logs/$1.log" >&2
    tail -n 40 "$logs/$1.log" >&2
  fi
  exit 1
}

step_start=0
begin() {
  step_start=$(date +%s)
  say "${release:+$release: }$1 ..."
}
done_step() {
  say "${release:+$release: }$1 passed in $(($(date +%s) - step_start)) s"
}

# The plain environment of a new login, for the commands run in a root.
login_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# Whether the process $1 still runs (a zombie no longer does).
running() {
  state="$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)"
  [ -n "$state" ] && [ "$state" != "Z" ]
}

# Makes the root of release $1, copies the tree in and runs its two steps. Run
# in a process of its own: its X server is stopped when it exits, however it
# ends; the mounts and processes of its root are left to the cleanup of the
# whole check when it fails.
check_release() {
  release="$1"
  root="$roots/$release"
  logs="$work/logs/$release"
  screen_dir="$work/screen/$release"
  release_start=$(date +%s)
  mkdir -p "$logs" "$screen_dir"
  trap stop_xvfb EXIT
  trap 'exit 130' INT TERM HUP

  begin debootstrap
  debootstrap "$release" "$root" "$mirror" >"$logs/debootstrap.log" 2>&1 || fail debootstrap "no root made"
  done_step debootstrap

  begin copy
  {
    # The root's apt reads from the same mirror as this machine, and nothing
    # else, with the suites of its own release.
    rm -f "$root/etc/apt/sources.list"
    for file in $(mirror_source_files /etc/apt "$mirror"); do
      release_sources "$file" "$host_release" "$release" >"$root/etc/apt/sources.list.d/${file##*/}"
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
  rm -f "$screen_dir/Xvfb_screen0"
  Xvfb -displayfd 3 -fbdir "$screen_dir" -br -nolisten tcp -noreset -screen 0 1280x720x24 \
    3>"$screen_dir/display" 2>"$logs/xvfb.log" &
  xvfb_pid=$!
  display=""
  waited=0
  while [ -z "$display" ] && [ "$waited" -lt 30 ]; do
    sleep 1
    waited=$((waited + 1))
    display="$(cat "$screen_dir/display")"
    running "$xvfb_pid" || break
  done
  [ -n "$display" ] || fail xvfb "no Xvfb display"
  screen="$screen_dir/Xvfb_screen0"

  # Started straight from here (not from a subshell of its own) and ending by
  # play.sh's exec of the game, this process becomes the game. There is no
  # sound device in the root; and the video driver is named so that a display
  # that fails is reported by the game, not left to SDL's fall-back to a text
  # terminal.
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
        say "$release: play: built in $((now - step_start)) s, the game runs"
      fi
      lit="$(lit_pixels "$screen")" || lit=0
      if [ "$lit" -ge "$lit_enough" ]; then
        outcome=picture
        say "$release: play: first picture after $((now - game_since)) s ($lit pixels lit), sending SIGTERM"
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
  stop_xvfb

  begin tests
  eval "only=\$tests_$release"
  chroot "$root" /usr/bin/env -i PATH="$login_path" HOME=/root \
    sh -c "cd $home && exec sh scripts/test.sh --only '$only'" >"$logs/tests.log" 2>&1 ||
    fail tests "the test command's set-up or its tests ($only) failed"
  grep 'tests passed' "$logs/tests.log" | tail -n 1 | sed "s/^/fresh machine: $release: tests: /"
  done_step tests

  # Done with this root: nothing of it stays running or mounted.
  stop_root_processes "$root"
  unmount_roots "$root"
  say "$release: passed in $(($(date +%s) - release_start)) s"
}

all_start=$(date +%s)
stop_root_processes
unmount_roots
remove_roots
rm -rf "$work/logs" "$work/screen"
mkdir -p "$work/logs/host"

logs="$work/logs/host"
begin host
mirror="$(debian_mirror /etc/apt "$host_release")" || fail host "no Debian $host_release source in /etc/apt"
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

for name in $releases; do
  (check_release "$name") &
  checks="$checks $!"
done
failed=""
set -- $releases
for check in $checks; do
  wait "$check" || failed="$failed $1"
  shift
done
checks=""
release=""
[ -z "$failed" ] || fail releases "the check of$failed failed (its lines above say where)"
say "passed in $(($(date +%s) - all_start)) s (logs in $work/logs)"
