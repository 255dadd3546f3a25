#!/usr/bin/env bash
# Needs root (debootstrap, chroot, mounts): skipped when not root, except under CI=true.
# The release's Linux archive with the portable program (DEMO_PORTABLE_PROGRAM, made by
# scripts/build-portable-linux.sh) runs unpacked in minimal Debian 11 and Debian 13 systems
# that hold Mesa's GL driver and the X11 and ALSA client libraries but no SDL2, libopenmpt or
# GLU (made with debootstrap and cached as tarballs): on this machine's Xvfb screen, its socket
# bound into the system, --scene 1 --at 20000 --freeze shows the frame demo-capture draws for
# that moment and cursor (a 16-pixel allowance, as for the native build, for another Mesa's
# rasteriser), the music reaches SDL's disk driver, and Esc ends it with status 0. Prints the
# libraries the program loaded in each system.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/audio.sh"
source "$(dirname "$0")/release_lib.sh"
source "$(dirname "$0")/../../scripts/debian_chroot.sh"

skip() {
  [ "${CI:-}" = true ] && fail "$* (under CI=true this test must run)"
  echo "SKIPPED: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "needs root (debootstrap, chroot, mounts)"
program=${DEMO_PORTABLE_PROGRAM:-}
[ -f "$program" ] || skip "no portable program at '$program' (scripts/build-portable-linux.sh)"
run_under_xvfb 800x600

work=$(mktemp -d)
# A failing check leaves the demo running in the system: it is stopped before the unmounting.
trap 'kill -9 "${DEMO_PID:-}" 2>/dev/null || true; chroot_remove; rm -rf "$work"' EXIT

# The program itself: glibc symbols no newer than 2.31, and only libraries every desktop with
# a GL driver has among those it needs before it starts.
newest=$(objdump -T "$program" | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -V | tail -n 1)
[ "$(printf '%s\n2.31\n' "$newest" | sort -V | tail -n 1)" = 2.31 ] ||
  fail "the program needs glibc $newest"
needed=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }' | sort | tr '\n' ' ')
for library in $needed; do
  case "$library" in
    libGL.so.1 | libc.so.6 | libm.so.6 | libdl.so.2 | libpthread.so.0 | librt.so.1 | \
      ld-linux-x86-64.so.2) ;;
    *) fail "the program needs $library (all it needs: $needed)" ;;
  esac
done

DEMO_LINUX_BUILD=$DEMO_BUILD_DIR DEMO_LINUX_PROGRAM=$program make_release "$work/dist" >"$work/name"
archive="$work/dist/$(cat "$work/name")-linux-x86_64.tar.gz"
name=$(cat "$work/name")
LIBGL_ALWAYS_SOFTWARE=1 "$DEMO_CAPTURE" --still --scene 1 --t 2.0 --cursor 300,220 \
  --out "$work/expected.png" 2>"$work/capture.err" ||
  fail "demo-capture could not draw the frame: $(cat "$work/capture.err")"

# Sets system_tar to the cached system of Debian $1 with the packages $2...: minbase and those
# only. (Not in a command substitution: a failure there would skip the unmounting.)
run_system() {
  local codename=$1 key minbase
  shift
  key=$(printf '%s\n' "$@" | md5sum | cut -c1-8)
  system_tar=$debian_cache/debian-$codename-demo-run-$key.tar
  if [ ! -f "$system_tar" ]; then
    minbase=$(debian_minbase_tar "$codename")
    echo "Preparing a Debian $codename system to run the release in (once)" >&2
    chroot_unpack "$minbase"
    chroot_mount_system
    chroot_run DEBIAN_FRONTEND=noninteractive -- apt-get update -qq >&2
    chroot_run DEBIAN_FRONTEND=noninteractive -- apt-get install -y -qq \
      --no-install-recommends "$@" >/dev/null
    chroot_run -- apt-get clean
    chroot_unmount
    chroot_save "$system_tar"
    chroot_remove
  fi
}

# Runs the unpacked archive in the cached system $2 (Debian $1) and checks picture, music and
# exit.
try_release_in() {
  local codename=$1 differing deadline library
  chroot_unpack "$2"
  for library in libSDL2-2.0.so.0 libopenmpt.so.0 libGLU.so.1; do
    [ -z "$(find "$chroot_root/usr/lib" -name "$library*" -print -quit)" ] ||
      fail "Debian $codename's system has $library"
  done
  chroot_mount_system
  chroot_mount /tmp/.X11-unix /tmp/.X11-unix --bind
  tar -C "$chroot_root/root" -xzf "$archive"
  new_demo_tag
  chroot "$chroot_root" /usr/bin/env -i HOME=/root PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    DEMO_RUN_TAG="$DEMO_RUN_TAG" LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/root/capture.f32 \
    "/root/$name/run" --scene 1 --at 20000 --freeze >"$work/$codename.out" 2>&1 &
  DEMO_PID=$!
  DEMO_STDERR="$work/$codename.out"
  wait_for_window 30 >/dev/null
  xdotool mousemove 300 220
  deadline=$((SECONDS + 30 * WAIT_FACTOR))
  while :; do
    import -window root "$work/shown.png"
    differing=$(compare -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1 || true)
    [ "$differing" -le 16 ] && break
    [ $SECONDS -le $deadline ] ||
      fail "on Debian $codename the screen differs from the native frame in $differing pixels"
    sleep 0.5
  done
  wait_for_bytes "$chroot_root/root/capture.f32" $((2 * bytes_per_second)) 30
  [ "$(first_difference "$chroot_root/root/capture.f32" /dev/zero 0)" -le \
    "$(stat -c %s "$chroot_root/root/capture.f32")" ] ||
    fail "on Debian $codename only silence reached the sound device"
  echo "Debian $codename: the program loaded" \
    $(awk '$6 ~ /\.so/ { n = split($6, path, "/"); print path[n] }' "/proc/$DEMO_PID/maps" |
      sort -u)
  xdotool key Escape
  wait_for_exit 10
  [ "$DEMO_STATUS" -eq 0 ] || fail "on Debian $codename: exit status $DEMO_STATUS after Esc"
  echo "Debian $codename: scene 1 as the native build draws it ($differing pixels differ)," \
    "music, Esc exits 0"
  chroot_remove
}

client_libraries=(libgl1 libgl1-mesa-dri libglx-mesa0 libx11-6 libxext6 libxcursor1 libxi6
  libxrandr2 libxss1)
run_system bullseye "${client_libraries[@]}" libasound2
try_release_in bullseye "$system_tar"
run_system trixie "${client_libraries[@]}" libasound2t64
try_release_in trixie "$system_tar"
