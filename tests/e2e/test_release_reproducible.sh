#!/usr/bin/env bash
# Two releases made from copies of the same builds, the copies' files dated years apart, are
# the same bytes: the archives (the zip too where DEMO_WINDOWS_BUILD names a Windows build; the
# Linux one with the portable program where DEMO_PORTABLE_PROGRAM names one, as release.sh
# makes it), the still and SHA256SUMS.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/release_lib.sh"

DEMO_LINUX_BUILD=${DEMO_LINUX_BUILD:-$DEMO_BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Copies what make_release.sh takes from the builds into $1, dated $2.
copy_builds() {
  mkdir -p "$1/linux" "$1/windows"
  cp "$DEMO_LINUX_BUILD/demo" "$DEMO_LINUX_BUILD/demo-capture" "$DEMO_LINUX_BUILD/music.xm" \
    "$1/linux/"
  [ -n "${DEMO_WINDOWS_BUILD:-}" ] &&
    cp "$DEMO_WINDOWS_BUILD/demo.exe" "$DEMO_WINDOWS_BUILD/music.xm" "$1/windows/"
  if [ -f "${DEMO_PORTABLE_PROGRAM:-}" ]; then
    mkdir -p "$1/portable"
    cp "$DEMO_PORTABLE_PROGRAM" "$1/portable/demo"
  fi
  find "$1" -exec touch -d "$2" {} +
}
copy_builds "$work/a" "2001-02-03 04:05:06"
copy_builds "$work/b" "2024-06-07 08:09:10"
windows_a="" windows_b=""
[ -n "${DEMO_WINDOWS_BUILD:-}" ] && windows_a="$work/a/windows" windows_b="$work/b/windows"
# Both releases take the same commit time, even if a commit lands between them.
SOURCE_DATE_EPOCH=$(git -C "$(dirname "$0")" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
program_a="" program_b=""
if [ -f "$work/a/portable/demo" ]; then
  program_a="$work/a/portable/demo" program_b="$work/b/portable/demo"
fi
DEMO_LINUX_BUILD="$work/a/linux" DEMO_LINUX_PROGRAM=$program_a make_release "$work/first" \
  "$windows_a" >"$work/name"
DEMO_LINUX_BUILD="$work/b/linux" DEMO_LINUX_PROGRAM=$program_b make_release "$work/second" \
  "$windows_b" >/dev/null
name=$(cat "$work/name")
files=$(cd "$work/first" && ls)
[ "$files" = "$(cd "$work/second" && ls)" ] || fail "the two releases hold different files"
for file in $files; do
  cmp "$work/first/$file" "$work/second/$file" || fail "$file differs between two builds"
done
(cd "$work/first" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
# The archives list their entries in name order, owned by 0:0 with the commit's time.
TZ=UTC tar -tvzf "$work/first/$name-linux-x86_64.tar.gz" >"$work/listing"
awk '{ print $2 }' "$work/listing" | sort -u | grep -qvx '0/0' && fail "owners: $(cat "$work/listing")"
commit_time=$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M')
[ "$(awk '{ print $4, $5 }' "$work/listing" | sort -u)" = "$commit_time" ] ||
  fail "entries do not all carry the commit's time $commit_time: $(cat "$work/listing")"
echo "two builds${program_a:+ with the portable program}, same bytes:" $files
