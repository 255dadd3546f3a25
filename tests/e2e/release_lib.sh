# Shared steps of the release tests: building a release without its video into a scratch
# folder, and telling the demo's two scenes apart on the screen. Sourced after lib.sh.

readonly MAKE_RELEASE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts/release" && pwd)/make_release.sh

# Writes a release without its video into the folder $1 from the Linux build (its archive's
# program DEMO_LINUX_PROGRAM where that is set) and, when $2 is given, the Windows build;
# prints the archives' base name.
make_release() {
  local windows=() program=()
  [ -n "${2:-}" ] && windows=(--windows-build "$2")
  [ -n "${DEMO_LINUX_PROGRAM:-}" ] && program=(--linux-program "$DEMO_LINUX_PROGRAM")
  "$MAKE_RELEASE" --no-video --out "$1" --linux-build "$DEMO_LINUX_BUILD" "${program[@]}" \
    "${windows[@]}" \
    >"$1.log" 2>&1 || fail "make_release.sh failed: $(cat "$1.log")"
  basename "$(ls "$1"/*-linux-x86_64.tar.gz)" -linux-x86_64.tar.gz
}

# How many pixels of the screenshot $1 are of the colour class $2: "yellow" (the cube
# crosses' cubes; never in scene 1) or "blue" (the blob grid's lower layers; never in scene 2).
count_colour() {
  # Each channel is thresholded to 0 or 1 (negated first where it must be low); the pixels
  # where all three are 1 are counted.
  local channels
  case "$2" in
    yellow) channels=(-channel R -threshold 60% -channel G -threshold 60%
      -channel B -negate -threshold 60%) ;;
    blue) channels=(-channel R -negate -threshold 40% -channel G -negate -threshold 60%
      -channel B -threshold 60%) ;;
  esac
  convert "$1" "${channels[@]}" +channel -separate -evaluate-sequence min \
    -format '%[fx:round(mean*w*h)]' info:
}

# Waits up to $2 seconds until the screen shows scene $1: over 1000 pixels of its colour and
# none of the other scene's.
wait_for_scene() {
  local mine=blue other=yellow shot
  [ "$1" -eq 2 ] && mine=yellow other=blue
  shot=$(mktemp --suffix=.png)
  local deadline=$((SECONDS + $2 * WAIT_FACTOR))
  while :; do
    kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited before scene $1 was seen"
    import -window root -depth 8 "$shot"
    if [ "$(count_colour "$shot" "$mine")" -gt 1000 ] && [ "$(count_colour "$shot" "$other")" -eq 0 ]
    then
      rm -f "$shot"
      return 0
    fi
    [ $SECONDS -le $deadline ] || { rm -f "$shot"; fail "scene $1 not seen within $2 s"; }
    sleep 0.5
  done
}
