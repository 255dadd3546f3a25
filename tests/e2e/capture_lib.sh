# Shared steps of the demo-capture end-to-end tests: a scratch folder, and reading back what
# ffmpeg wrote. Sourced after lib.sh. demo-capture needs no display: every run drops DISPLAY.
# demo-capture runs in $WORK; the test keeps what it derives in $CHECK.
WORK=$(mktemp -d)
CHECK=$(mktemp -d)
# Only the test's own shell cleans up: a subshell killed before it runs its command (a
# background capture stopped early) would run this trap too and take the folders away.
trap '[ "$BASHPID" != $$ ] || rm -rf "$WORK" "$CHECK"' EXIT

# Runs demo-capture in $WORK without a display, with PATH set to $CAPTURE_PATH if that is
# set; stderr goes to $WORK/stderr. Sets CAPTURE_STATUS.
capture() {
  set +e
  (cd "$WORK" && env -u DISPLAY -u WAYLAND_DISPLAY PATH="${CAPTURE_PATH:-$PATH}" \
    "${DEMO_CAPTURE}" "$@" 2>"$WORK/stderr")
  CAPTURE_STATUS=$?
  set -e
}

# One field of one stream, e.g. stream_field clip.mp4 a nb_read_frames.
stream_field() {
  ffprobe -v error -count_frames -select_streams "$2" -show_entries "stream=$3" \
    -of default=noprint_wrappers=1:nokey=1 "$1"
}

# The video $1's sound decoded to raw 16-bit stereo samples in the file $2.
decode_sound() {
  ffmpeg -v error -i "$1" -map 0:a -f s16le -ac 2 -y "$2"
}

# How many 16-bit values in the raw sound file $1 are louder than $2.
count_louder() {
  od -An -v -td2 "$1" | tr -s ' ' '\n' |
    awk -v l="$2" 'NF && ($1 > l || $1 < -l) { n++ } END { print n + 0 }'
}

# Lists the files in the capture's folder other than those named, to catch leftovers.
leftovers() {
  local keep
  keep=$(printf '%s\n' stderr "$@")
  (cd "$WORK" && ls -A | grep -vxF "$keep" || true)
}
