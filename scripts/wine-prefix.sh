#!/usr/bin/env bash
# Creates the Wine prefix of a build folder once: Chinese fonts for the
# dialogs' "宋体", no crash dialog (a crash must fail a test, not wait for a
# click), and the browser command pointed at a recorder for the tests.
# Safe to call from tests running in parallel.
set -euo pipefail
prefix=${WINEPREFIX:?WINEPREFIX must name the prefix}
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
# The stamp names this script's content, so a changed setting reaches
# prefixes made before it.
stamp=$(sha1sum < "$0" | cut -c1-40)
[ "$(cat "$prefix/.miravox-ready" 2>/dev/null)" == "$stamp" ] && exit 0

. "$(dirname "$0")/wine-env.sh"
wineboot -i >/dev/null 2>&1 || true
wineserver -w

here=$(cd "$(dirname "$0")" && pwd)
reg=$(mktemp --suffix=.reg)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  printf '"SimSun"="WenQuanYi Micro Hei"\r\n'
  printf '"宋体"="WenQuanYi Micro Hei"\r\n'
  printf '"NSimSun"="WenQuanYi Micro Hei"\r\n\r\n'
  # Wine draws the caption itself: a virtual display has no window manager.
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
  printf '"Decorated"="N"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n'
  printf '"ShowCrashDialog"=dword:00000000\r\n\r\n'
  # Web pages open through the shell in winebrowser, which runs this
  # command; the tests read the address it records.
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\r\n'
  printf '"Browsers"="%s"\r\n' "$here/record-url"
  printf '"Mailers"=""\r\n\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
"$wine" regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
echo "$stamp" > "$prefix/.miravox-ready"
