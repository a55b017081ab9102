# Sourced by the Wine helpers: one place for how Wine is run here.
# Quiet, and a crash ends the program instead of opening the debugger's
# dialog, which would wait for a click forever.
export WINEDEBUG=-all WINEDLLOVERRIDES="winedbg.exe=d;mscoree,mshtml="
# The 64-bit loader itself: the "wine" wrapper complains when wine32 is absent.
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine
