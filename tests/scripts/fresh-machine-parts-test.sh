#!/bin/sh
# Tests of scripts/fresh-machine-parts.sh on made-up apt sources and screen
# dumps. Usage: fresh-machine-parts-test.sh <source dir> <scratch dir>
. "$1/scripts/fresh-machine-parts.sh"
scratch="$2"
failures=0

expect() {
  if [ "$2" != "$3" ]; then
    echo "FAILED: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}

# --- Where the mirror comes from
apt="$scratch/apt"
rm -rf "$apt"
mkdir -p "$apt/sources.list.d"
# A security stanza first, a disabled and a commented one, lower-case field
# names and the URIs continued on a second line.
cat >"$apt/sources.list.d/debian.sources" <<'END'
Types: deb
URIs: http://mirror.test/debian-security
Suites: bookworm-security
Components: main

# Types: deb
# URIs: http://commented.test/debian
# Suites: bookworm

Types: deb
URIs: http://disabled.test/debian
Suites: bookworm
Enabled: no

types: deb-src deb
uris: cdrom:/media/disk
  http://mirror.test/debian
suites: bookworm bookworm-updates
components: main
END
expect "deb822 stanzas" "$(debian_mirror "$apt" bookworm)" "http://mirror.test/debian"
expect "another suite" "$(debian_mirror "$apt" bookworm-security)" "http://mirror.test/debian-security"
debian_mirror "$apt" trixie >/dev/null
expect "no source for the suite fails" "$?" "1"
# The one-line form comes first, with its options in brackets and source
# lines and other suites (even those named after the suite) passed over.
cat >"$apt/sources.list" <<'END'
deb http://security.test/debian-security bookworm-security main
deb-src http://src.test/debian bookworm main
deb http://other.test/debian bullseye main
deb [arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://old.test/debian bookworm main
END
expect "one-line sources" "$(debian_mirror "$apt" bookworm)" "http://old.test/debian"

# Only the files that read from the mirror's host are copied into the root.
echo "deb http://elsewhere.test/repo stable main" >"$apt/sources.list.d/extra.list"
echo "deb http://mirror.test/debian bookworm main" >"$apt/sources.list.d/disabled.list.off"
expect "files of the mirror" "$(mirror_source_files "$apt" http://mirror.test/debian)" \
  "$apt/sources.list.d/debian.sources"

# --- The same sources for another release
# deb822 stanzas (a continued Suites field, a commented one, a URI and a
# comment that name the release) and one-line entries with options; other
# releases and words that only start like the release stay as they are.
cat >"$scratch/release.sources" <<'END'
Types: deb
# http://mirror.test/archive/bookworm/ bookworm
URIs: http://mirror.test/bookworm
Suites: bookworm bookworm-updates
  bookworm-security bullseye bookwormy
Components: main

# Suites: bookworm
deb [arch=amd64 signed-by=/usr/share/keyrings/a b.gpg] http://mirror.test/debian bookworm-backports main
deb-src http://mirror.test/debian bookworm main
END
expect "renamed suites" "$(release_sources "$scratch/release.sources" bookworm trixie)" "Types: deb
# http://mirror.test/archive/bookworm/ bookworm
URIs: http://mirror.test/bookworm
Suites: trixie trixie-updates
  trixie-security bullseye bookwormy
Components: main

# Suites: bookworm
deb [arch=amd64 signed-by=/usr/share/keyrings/a b.gpg] http://mirror.test/debian trixie-backports main
deb-src http://mirror.test/debian trixie main"
expect "the same release unchanged" "$(release_sources "$scratch/release.sources" bookworm bookworm)" \
  "$(cat "$scratch/release.sources")"

# --- Counting lit pixels in an Xvfb screen dump
# The format is the byte itself, as an octal escape.
# shellcheck disable=SC2059
byte() { printf "\\$(printf %03o "$1")"; }
be32() { byte $(($1 >> 24 & 255)); byte $(($1 >> 16 & 255)); byte $(($1 >> 8 & 255)); byte $(($1 & 255)); }
# Writes a dump of $1 bits a pixel with $2 colour map entries (all bytes set),
# then the pixels given as little-endian words in hex, one argument each.
dump() {
  bits="$1"
  colours="$2"
  shift 2
  field=0
  while [ "$field" -lt 25 ]; do
    case "$field" in
      0) be32 104 ;;  # the header with the name
      11) be32 "$bits" ;;
      19) be32 "$colours" ;;
      *) be32 7 ;;
    esac
    field=$((field + 1))
  done
  be32 0  # name bytes after the 25 fields
  head -c $((12 * colours)) /dev/zero | tr '\000' '\377'
  for pixel in "$@"; do
    byte $((0x$pixel & 255)); byte $((0x$pixel >> 8 & 255))
    byte $((0x$pixel >> 16 & 255)); byte $((0x$pixel >> 24 & 255))
  done
}
screen="$scratch/screen"
dump 32 4 00000000 ff000000 00000000 ff000000 >"$screen"
expect "black with any pad byte" "$(lit_pixels "$screen")" "0"
dump 32 256 ff000001 00010000 00000000 ff100008 00ffffff >"$screen"
expect "dim and bright pixels after the colour map" "$(lit_pixels "$screen")" "4"
dump 16 0 00000000 >"$screen"
expect "other pixel sizes refused" "$(lit_pixels "$screen" 2>/dev/null; echo "status $?")" "status 1"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all passed"
