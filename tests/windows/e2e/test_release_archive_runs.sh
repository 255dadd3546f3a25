#!/usr/bin/env bash
# The release's Windows archive, made from this build and unpacked into an empty folder,
# holds demo.exe (stripped of its symbols), music.xm and README.txt, and runs from there under
# Wine: scene 1 and then
# scene 2 show, the music reaches ALSA (a file, as in test_music_reaches_alsa.sh), and Esc
# ends it with status 0.
source "$(dirname "$0")/../../e2e/lib.sh"
source "$(dirname "$0")/../../e2e/audio.sh"
source "$(dirname "$0")/../../e2e/release_lib.sh"
run_under_xvfb 800x600

readonly DEMO_LINUX_BUILD=${DEMO_LINUX_BUILD:?the Linux build folder, for make_release.sh}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=$(make_release "$work/dist" "$DEMO_BUILD_DIR")
mkdir "$work/unpacked"
unzip -q "$work/dist/$name-win32.zip" -d "$work/unpacked"
listing=$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')
[ "$listing" = "./$name/README.txt ./$name/demo.exe ./$name/music.xm " ] ||
  fail "the archive holds: $listing"
folder="$work/unpacked/$name"
grep -q $'\r$' "$folder/README.txt" || fail "README.txt does not have Windows line ends"
i686-w64-mingw32-objdump -t "$folder/demo.exe" | grep -qx "no symbols" ||
  fail "demo.exe in the archive still has its symbols"

capture="$work/capture.f32"
mkdir "$work/home"
cat >"$work/home/.asoundrc" <<ASOUNDRC
pcm.!default {
  type file
  slave.pcm "null"
  file "$capture"
  format "raw"
}
ASOUNDRC
(cd "$folder" && HOME="$work/home" exec "$DEMO" "$folder/demo.exe") &
DEMO_PID=$!
wait_for_window 30 >/dev/null
wait_for_bytes "$capture" $((2 * bytes_per_second)) 60
[ "$(first_difference "$capture" /dev/zero 0)" -le "$(stat -c %s "$capture")" ] ||
  fail "only silence reached ALSA"
wait_for_scene 1 60
wait_for_scene 2 90
xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
echo "$name-win32.zip runs from an empty folder under Wine: both scenes, music, Esc exits 0"
