#!/usr/bin/env bash
# --out writes through what it names: a link to a file keeps being a link while its target is
# replaced whole; standard output, a pipe or a device gets the bytes streamed (a video as
# fragmented MP4) and is never replaced; a normal user can pipe /dev/stdout.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

still=(--still --scene 2 --t 0.5)
video=(--seconds 2 --fps 30)
# Video frames and sound packets in a file, e.g. "60 88" for 2 s at 30 fps.
frames_and_packets() {
  echo "$(stream_field "$1" v nb_read_frames) $(stream_field "$1" a nb_read_frames)"
}

# The reference still, written to a plain file.
capture "${still[@]}" --out reference.png
[ "$CAPTURE_STATUS" -eq 0 ] || fail "reference still: $(cat "$WORK/stderr")"
mv "$WORK/reference.png" "$CHECK/reference.png"

# A link to an existing file, and a dangling link to a file in another folder: both stay
# links, and their targets get the picture with nothing left beside either.
mkdir "$CHECK/real"
echo "old contents" >"$CHECK/real/old.png"
ln -s "$CHECK/real/old.png" "$WORK/old-link.png"
ln -s ../"$(basename "$CHECK")"/real/new.png "$WORK/new-link.png"
for link in old-link.png new-link.png; do
  capture "${still[@]}" --out "$link"
  [ "$CAPTURE_STATUS" -eq 0 ] || fail "$link: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
  [ -L "$WORK/$link" ] || fail "$link was replaced instead of written through"
  cmp -s "$WORK/$link" "$CHECK/reference.png" || fail "$link's target is not the picture"
done
[ "$(ls -A "$CHECK/real")" = "$(printf 'new.png\nold.png')" ] ||
  fail "beside the targets: $(ls -A "$CHECK/real")"
[ -z "$(leftovers old-link.png new-link.png)" ] || fail "left: $(leftovers old-link.png new-link.png)"
rm "$WORK/old-link.png" "$WORK/new-link.png"

# "-" streams to standard output, a still and a video (through a pipe, so not seekable).
(cd "$WORK" && env -u DISPLAY "${DEMO_CAPTURE}" "${still[@]}" --out - 2>"$WORK/stderr" |
  cat >"$CHECK/stdout.png") || fail "still to -: $(cat "$WORK/stderr")"
cmp -s "$CHECK/stdout.png" "$CHECK/reference.png" || fail "the still on stdout differs"
(cd "$WORK" && env -u DISPLAY "${DEMO_CAPTURE}" "${video[@]}" --out - 2>"$WORK/stderr" |
  cat >"$CHECK/stdout.mp4") || fail "video to -: $(cat "$WORK/stderr")"
[ "$(frames_and_packets "$CHECK/stdout.mp4")" = "60 88" ] ||
  fail "video on stdout: $(frames_and_packets "$CHECK/stdout.mp4") frames and packets"
[ "$(cd "$WORK" && env -u DISPLAY "${DEMO_CAPTURE}" "${still[@]}" --out - 2>/dev/null | wc -c)" \
  -eq "$(stat -c %s "$CHECK/reference.png")" ] || fail "| wc -c counts other than the still"

# A named pipe stays one and its reader gets the fragmented video.
mkfifo "$WORK/pipe"
cat "$WORK/pipe" >"$CHECK/pipe.mp4" &
reader=$!
capture "${video[@]}" --out pipe
wait "$reader"
[ "$CAPTURE_STATUS" -eq 0 ] || fail "video to a pipe: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
[ -p "$WORK/pipe" ] || fail "the named pipe was replaced"
[ "$(frames_and_packets "$CHECK/pipe.mp4")" = "60 88" ] ||
  fail "video through a pipe: $(frames_and_packets "$CHECK/pipe.mp4") frames and packets"
[ -z "$(leftovers pipe)" ] || fail "left: $(leftovers pipe)"

# A device node is written, never replaced: the superuser's own null device here, else
# /dev/null (which a normal user could not replace anyway, but must be able to write).
device=/dev/null
if [ "$(id -u)" -eq 0 ]; then
  device="$CHECK/null"
  mknod "$device" c 1 3
fi
capture "${still[@]}" --out "$device"
[ "$CAPTURE_STATUS" -eq 0 ] || fail "$device: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
[ -c "$device" ] || fail "$device is no longer a device"

# A normal user pipes /dev/stdout (as the superuser, the test runs it as nobody).
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 777 "$WORK"
fi
bytes=$( (cd "$WORK" && env -u DISPLAY "${as_user[@]}" "${DEMO_CAPTURE}" "${still[@]}" \
  --out /dev/stdout 2>"$WORK/stderr") | wc -c)
[ "$bytes" -eq "$(stat -c %s "$CHECK/reference.png")" ] ||
  fail "/dev/stdout ${as_user[*]}: $bytes bytes: $(cat "$WORK/stderr")"
echo "links written through, - / pipe / device streamed (video 60 frames, 88 sound packets)," \
  "/dev/stdout piped ${as_user[*]}"
