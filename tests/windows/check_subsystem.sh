#!/usr/bin/env bash
# check_subsystem.sh OBJDUMP PROGRAM.exe: the program is a 32-bit GUI program, so Windows opens
# no console window beside the demo when it is double-clicked.
set -euo pipefail
objdump=$1
program=$2
header=$("$objdump" -p "$program")
format=$(sed -n 's/.*file format //p' <<<"$header" | head -n 1)
subsystem=$(sed -n 's/^Subsystem[[:space:]]*//p' <<<"$header")
status=0
[ "$format" = pei-i386 ] ||
  { echo "FAIL: $program is $format, not a 32-bit program" >&2; status=1; }
[[ "$subsystem" == *"(Windows GUI)" ]] ||
  { echo "FAIL: $program's subsystem is '$subsystem', not Windows GUI" >&2; status=1; }
echo "$program: $format, subsystem $subsystem"
exit $status
