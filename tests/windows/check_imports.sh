#!/usr/bin/env bash
# check_imports.sh OBJDUMP PROGRAM.exe: the program imports only DLLs that every Windows has,
# so copying its folder is enough to run it (the C++ runtime is linked in).
set -euo pipefail
objdump=$1
program=$2
system_dlls="kernel32.dll user32.dll gdi32.dll opengl32.dll glu32.dll winmm.dll msvcrt.dll
ole32.dll rpcrt4.dll advapi32.dll shell32.dll ws2_32.dll"
imports=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "FAIL: no imports found in $program" >&2; exit 1; }
status=0
for dll in $imports; do
  if ! grep -qw -- "$dll" <<<"$system_dlls"; then
    echo "FAIL: $program imports $dll, which is not a system DLL" >&2
    status=1
  fi
done
echo "imports:" $imports
exit $status
