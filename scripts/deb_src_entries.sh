# shellcheck shell=bash
# Source-package entries for apt: the deb-src twins of the system's Debian or Ubuntu archive
# entries, whichever way they are written (one-line "deb" lines in sources.list or *.list, or
# deb822 stanzas in *.sources files of any name), so that `apt-get source` finds Debian's
# packages. Sourced by setup.sh; APT_DIR (default /etc/apt) lets tests point it elsewhere.

# True when some entry already offers source packages.
has_deb_src_entry() {
  local apt_dir=${APT_DIR:-/etc/apt}
  grep -qsE '^[[:space:]]*deb-src[[:space:]]|^Types:.*\bdeb-src\b' "$apt_dir/sources.list" \
    "$apt_dir"/sources.list.d/*.list "$apt_dir"/sources.list.d/*.sources
}

# The deb822 stanzas of the *.sources files whose archive is Debian's or Ubuntu's, turned into
# deb-src stanzas. Third-party archives (a vendor's node or browser) often have no sources.
deb822_source_twins() {
  local apt_dir=${APT_DIR:-/etc/apt}
  local file
  for file in "$apt_dir"/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    # Entries this project added (source twins, backports) are not the system's archive.
    case $(basename "$file") in demo-*) continue ;; esac
    awk 'BEGIN { RS = "" }
      {
        n = split($0, lines, "\n")
        types = ""
        archive = 0
        enabled = 1
        for (i = 1; i <= n; i++) {
          line = tolower(lines[i])
          if (line ~ /^types:/) types = line
          if (line ~ /^(uris|signed-by):/ && line ~ /(debian|ubuntu)/) archive = 1
          if (line ~ /^enabled: *no/) enabled = 0
        }
        if (!enabled || !archive || types !~ /[: ]deb( |$)/) next
        for (i = 1; i <= n; i++) {
          if (tolower(lines[i]) ~ /^types:/) lines[i] = "Types: deb-src"
          print lines[i]
        }
        print ""
      }' "$file"
  done
}

# The one-line "deb" entries of Debian's or Ubuntu's archive, as "deb-src" lines.
one_line_source_twins() {
  local apt_dir=${APT_DIR:-/etc/apt}
  grep -hsE '^[[:space:]]*deb[[:space:]]' "$apt_dir/sources.list" "$apt_dir"/sources.list.d/*.list |
    grep -iE 'debian|ubuntu' | sed -E 's/^[[:space:]]*deb([[:space:]])/deb-src\1/' || true
}

# Adds the deb-src twins (demo-deb-src.sources or demo-deb-src.list) unless some deb-src entry
# exists. Prints what it did; returns 1, after one line saying what to add, where it found no
# Debian or Ubuntu entry to twin. Runs the writer given ("as_root tee" or "tee") with the file.
add_deb_src_entries() {
  local apt_dir=${APT_DIR:-/etc/apt}
  has_deb_src_entry && return 0
  local stanzas lines
  stanzas=$(deb822_source_twins)
  lines=$(one_line_source_twins)
  if [ -n "$stanzas" ]; then
    printf '%s\n' "$stanzas" | "$@" "$apt_dir/sources.list.d/demo-deb-src.sources" >/dev/null
  fi
  if [ -n "$lines" ]; then
    printf '%s\n' "$lines" | "$@" "$apt_dir/sources.list.d/demo-deb-src.list" >/dev/null
  fi
  if [ -z "$stanzas$lines" ]; then
    echo "Found no Debian or Ubuntu archive entry to add source packages for: add a 'deb-src'" \
      "line like your 'deb' line to $apt_dir/sources.list, then run this again" >&2
    return 1
  fi
  echo "Added deb-src entries for Debian's source packages to $apt_dir/sources.list.d/"
}
