# shellcheck shell=sh
# The parts of scripts/fresh-machine.sh that only read files, sourced by it and
# by its tests. POSIX sh; no part changes anything.

# Prints the first http(s) URI that apt under the directory $1 (normally
# /etc/apt) reads the suite $2 of Debian from, looking at sources.list, then
# sources.list.d/*.list and *.sources in name order; fails when there is none.
debian_mirror() {
  apt_dir="$1"
  suite="$2"
  for file in "$apt_dir/sources.list" "$apt_dir"/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    # deb [options] URI suite components
    uri="$(sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$file" |
      awk -v suite="$suite" '$1 == "deb" && $3 == suite && $2 ~ /^https?:\/\// { print $2; exit }')"
    if [ -n "$uri" ]; then
      echo "$uri"
      return 0
    fi
  done
  for file in "$apt_dir"/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    # Stanzas of "Field: value" lines, separated by blank lines; a line that
    # starts with white space continues the field before it.
    uri="$(awk -v suite="$suite" '
      function has(list, word) { return (" " list " ") ~ (" " word " ") }
      function stanza_end() {
        if (!done && has(fields["types"], "deb") && has(fields["suites"], suite) &&
            fields["enabled"] != "no") {
          n = split(fields["uris"], uris, " ")
          for (i = 1; i <= n; i++) {
            if (uris[i] ~ /^https?:\/\//) { print uris[i]; done = 1; break }
          }
        }
        delete fields
      }
      /^[ \t]*#/ { next }
      /^[ \t]*$/ { stanza_end(); next }
      /^[ \t]/ { gsub(/^[ \t]+|[ \t]+$/, ""); fields[last] = fields[last] " " $0; next }
      {
        colon = index($0, ":")
        last = tolower(substr($0, 1, colon - 1))
        value = substr($0, colon + 1)
        gsub(/^[ \t]+|[ \t]+$/, "", value)
        fields[last] = value
      }
      END { stanza_end() }' "$file")"
    if [ -n "$uri" ]; then
      echo "$uri"
      return 0
    fi
  done
  return 1
}

# Prints the apt source files under $1 that name the host of the URI $2, so a
# copy of them reads from the same mirror and from nowhere else.
mirror_source_files() {
  host="$(echo "$2" | sed -e 's,^[a-z]*://,,' -e 's,/.*,,')"
  for file in "$1/sources.list" "$1"/sources.list.d/*.list "$1"/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    if sed 's/#.*//' "$file" | grep -F "://$host/" >/dev/null; then
      echo "$file"
    fi
  done
}

# Prints the apt source file $1 with the suites of the release $2 renamed to
# the release $3 ("bookworm-security" becomes "trixie-security"), in deb822
# Suites fields (continuation lines too) and one-line entries; comments, URIs
# and everything else stay as they are. A root of another release made from
# the same mirror then reads from it as this machine does.
release_sources() {
  awk -v from="$2" -v to="$3" '
    function rename(word) {
      if (word == from || index(word, from "-") == 1) return to substr(word, length(from) + 1)
      return word
    }
    function rename_from(first,   i) { for (i = first; i <= NF; i++) $i = rename($i) }
    /^[ \t]*#/ || /^[ \t]*$/ { in_suites = 0; print; next }
    /^[ \t]/ { if (in_suites) { indent = $0; sub(/[^ \t].*/, "", indent); rename_from(1); $0 = indent $0 } print; next }
    tolower($1) == "suites:" { in_suites = 1; rename_from(2); print; next }
    $1 == "deb" || $1 == "deb-src" {
      in_suites = 0
      i = 2
      if ($i ~ /^\[/) { while (i < NF && $i !~ /\]$/) i++; i++ }
      # The URI, then the suite.
      $(i + 1) = rename($(i + 1))
      print
      next
    }
    { in_suites = 0; print }' "$1"
}

# Reads a 4-byte big-endian number at byte $2 of the file $1.
xwd_field() {
  od -A n -t u1 -j "$2" -N 4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'
}

# Prints how many pixels of the X screen dump $1 (the XWD file that Xvfb
# -fbdir keeps current) are not black; the pad byte beside red, green and blue
# is left out. Fails on anything but 32 bits a pixel.
lit_pixels() {
  if [ "$(xwd_field "$1" 44)" != "32" ]; then
    echo "lit_pixels: $1 is not 32 bits a pixel" >&2
    return 1
  fi
  # The pixels follow the header and 12 bytes for each colour map entry.
  start=$(($(xwd_field "$1" 0) + 12 * $(xwd_field "$1" 76)))
  # As little-endian words a black pixel reads xx000000 whatever its pad byte.
  tail -c +$((start + 1)) "$1" | od -A n -v -t x4 -w4 | grep -c -v ' [0-9a-f][0-9a-f]000000$' || true
}
