#!/usr/bin/env bash
# The release's Linux archive, unpacked into an empty folder, holds demo (stripped of its
# symbols), music.xm, run and README.txt, and runs from there: ./run shows scene 1 and then scene 2, the music reaches the
# sound device (SDL's disk driver), and Esc ends it with status 0.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/audio.sh"
source "$(dirname "$0")/release_lib.sh"
run_under_xvfb 800x600

readonly DEMO_LINUX_BUILD=$DEMO_BUILD_DIR
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=$(make_release "$work/dist")
mkdir "$work/unpacked"
tar -C "$work/unpacked" -xzf "$work/dist/$name-linux-x86_64.tar.gz"
listing=$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')
[ "$listing" = "./$name/README.txt ./$name/demo ./$name/music.xm ./$name/run " ] ||
  fail "the archive holds: $listing"
folder="$work/unpacked/$name"
objdump -t "$folder/demo" | grep -qx "no symbols" || fail "demo in the archive still has its symbols"
for needs in "glibc 2.31 or newer" "Nothing to install" "libGL.so.1"; do
  grep -qF -- "$needs" "$folder/README.txt" ||
    fail "README.txt does not say '$needs': $(cat "$folder/README.txt")"
done
! grep -q "apt-get install" "$folder/README.txt" || fail "README.txt still lists packages"

capture="$work/capture.f32"
(cd "$folder" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$capture" exec ./run) &
DEMO_PID=$!
wait_for_window 10 >/dev/null
wait_for_bytes "$capture" $((2 * bytes_per_second)) 30
[ "$(first_difference "$capture" /dev/zero 0)" -le "$(stat -c %s "$capture")" ] ||
  fail "only silence reached the sound device"
wait_for_scene 1 30
# Scene 1 lasts 31 s.
wait_for_scene 2 60
xdotool key Escape
wait_for_exit 5
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
echo "$name-linux-x86_64.tar.gz runs from an empty folder: both scenes, music, Esc exits 0"
