#!/usr/bin/env bash
# The set-up's package and source steps hold on Debian 13 as on this machine: in a fresh
# minimal Debian 13 system (made with debootstrap once, then cached), every package the two
# commands install can be installed, and with the deb-src entries the set-up adds apt finds
# Debian's libopenmpt source package. The system gets this repository's last commit.
source "$(dirname "$0")/lib.sh"
require_root "makes a Debian 13 system with debootstrap and chroot"

project=$(cd "$(dirname "$0")/../.." && pwd)
output=$("$project/scripts/try-on-debian.sh" 13 setup 2>&1) ||
  fail "the set-up's steps on Debian 13: $(tail -n 20 <<<"$output")"
grep -q "^apt can install all " <<<"$output" || fail "no word on the packages: $output"
grep -q "^apt-get source finds libopenmpt_" <<<"$output" ||
  fail "no word on libopenmpt's source package: $output"
grep -E "^apt" <<<"$output"
