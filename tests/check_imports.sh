#!/usr/bin/env bash
# A Windows program of ours must need no DLL beyond the system's own.
#   check_imports.sh PROGRAM.exe...
set -u
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|SHELL32|msvcrt|ADVAPI32)\.dll$'
status=0
for exe in "$@"; do
  dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  [ -n "$dlls" ] || { echo "FAIL $exe: no imports read"; status=1; continue; }
  while read -r dll; do
    if ! [[ "$dll" =~ $allowed ]]; then echo "FAIL $exe imports $dll"; status=1; fi
  done <<< "$dlls"
  echo "$(basename "$exe"): $(echo $dlls)"
done
exit $status
