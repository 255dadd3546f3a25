# Shared steps of the end-to-end audio tests: SDL's disk driver writes what reaches the sound
# device to a file as 32-bit float stereo at 44100 Hz, 8 bytes a frame.
bytes_per_second=$((44100 * 8))

# Waits up to $3 seconds (times WAIT_FACTOR) until file $1 holds at least $2 bytes.
wait_for_bytes() {
  local limit=$(($3 * 20 * WAIT_FACTOR))
  local ticks=0
  while [ "$(stat -c %s "$1" 2>/dev/null || echo 0)" -lt "$2" ]; do
    [ $ticks -ge $limit ] && fail "$1 has $(stat -c %s "$1" 2>/dev/null || echo no) bytes, not $2"
    kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited while playing"
    sleep 0.05
    ticks=$((ticks + 1))
  done
}

# Prints the 1-based offset of the first byte where files $1 and $2 differ, after skipping $3
# bytes of $1; prints the byte after the end of $1 when $1 ran out first.
first_difference() {
  local said
  said=$(cmp -i "$3:0" "$1" "$2" 2>&1 || true)
  case "$said" in
    *"differ: byte "*) said=${said#*differ: byte }; echo "${said%%,*}" ;;
    *"EOF on $1 after byte "*) said=${said#*after byte }; echo $((${said%%,*} + 1)) ;;
    *"EOF on $1"*) echo 1 ;;
    *) fail "cannot compare $1 with $2: $said" ;;
  esac
}

# True when file $1, from its byte $2 (1-based; default 1) on, holds only zero bytes.
all_silent() {
  [ "$(tail -c +"${2:-1}" "$1" | tr -d '\0' | wc -c)" -eq 0 ]
}
