#!/usr/bin/env bash
# The set-up finds the archive entries to add source packages for however the system writes
# them: deb822 files of any name (Debian's debian.sources, Ubuntu's ubuntu.sources), one-line
# sources.list entries, both; it leaves third-party archives and an existing deb-src entry
# alone, and where it finds nothing to twin it says what to add, in one line.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../scripts/deb_src_entries.sh"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# A fresh /etc/apt under $WORK/$1.
apt_dir() {
  mkdir -p "$WORK/$1/sources.list.d"
  echo "$WORK/$1"
}

# Adds the entries in apt folder $1 and prints what it wrote.
added() {
  APT_DIR=$1 add_deb_src_entries tee >/dev/null 2>"$1/said" || return 1
  cat "$1"/sources.list.d/demo-deb-src.* 2>/dev/null || true
}

# Debian 12 and 13: deb822, with a vendor's archive beside it.
dir=$(apt_dir debian)
cat >"$dir/sources.list.d/debian.sources" <<'SOURCES'
Types: deb
URIs: http://deb.debian.org/debian
Suites: trixie trixie-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: trixie-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
cat >"$dir/sources.list.d/vendor.sources" <<'SOURCES'
Types: deb
URIs: https://deb.nodesource.com/node_20.x
Suites: nodistro
SOURCES
out=$(added "$dir") || fail "debian.sources: $(cat "$dir/said")"
[ "$(grep -c '^Types: deb-src$' <<<"$out")" -eq 2 ] || fail "debian.sources gave: $out"
grep -q "Suites: trixie-security" <<<"$out" || fail "the security archive is missing: $out"
grep -q nodesource <<<"$out" && fail "a vendor's archive was twinned: $out"
# A second run finds the entries there and adds nothing.
APT_DIR=$dir has_deb_src_entry || fail "the added entries are not seen"

# Ubuntu: ubuntu.sources, Types listing more than one kind.
dir=$(apt_dir ubuntu)
cat >"$dir/sources.list.d/ubuntu.sources" <<'SOURCES'
Types: deb
URIs: http://archive.ubuntu.com/ubuntu/
Suites: noble noble-updates
Components: main universe
Signed-By: /usr/share/keyrings/ubuntu-archive-keyring.gpg
SOURCES
out=$(added "$dir") || fail "ubuntu.sources: $(cat "$dir/said")"
grep -q "^URIs: http://archive.ubuntu.com/ubuntu/$" <<<"$out" || fail "ubuntu.sources gave: $out"
grep -q "^Types: deb-src$" <<<"$out" || fail "ubuntu.sources gave: $out"

# A minimal debootstrap system: one-line entries in sources.list.
dir=$(apt_dir oneline)
cat >"$dir/sources.list" <<'SOURCES'
# the system's archive
deb http://deb.debian.org/debian trixie main
deb [arch=amd64] https://vendor.example/apt stable main
SOURCES
out=$(added "$dir") || fail "sources.list: $(cat "$dir/said")"
[ "$out" = "deb-src http://deb.debian.org/debian trixie main" ] || fail "sources.list gave: $out"

# A deb-src entry already there: nothing is added.
dir=$(apt_dir present)
printf 'deb http://deb.debian.org/debian trixie main\ndeb-src http://deb.debian.org/debian trixie main\n' \
  >"$dir/sources.list"
out=$(added "$dir") || fail "with a deb-src entry: $(cat "$dir/said")"
[ -z "$out" ] || fail "added beside an existing deb-src entry: $out"

# Nothing to twin: one line saying what to add, and failure.
dir=$(apt_dir none)
echo "deb https://vendor.example/apt stable main" >"$dir/sources.list"
added "$dir" >/dev/null && fail "entries were added for a vendor's archive alone"
[ "$(wc -l <"$dir/said")" -eq 1 ] || fail "not one line: $(cat "$dir/said")"
grep -q "add a 'deb-src' line" "$dir/said" || fail "no advice: $(cat "$dir/said")"
echo "source entries added for deb822 (Debian, Ubuntu) and one-line systems; none for vendors"
