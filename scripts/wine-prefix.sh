#!/usr/bin/env bash
# Makes a fresh Wine prefix for the Windows tests: Wine's null display driver (windows, dialogs
# and timers work without an X server) and no crash dialog (a crash ends the program with a
# backtrace instead of waiting for a click that never comes). With "x11" the prefix keeps the
# X11 driver, for screenshots, and Wine draws title bars itself as there is no window manager.
#   scripts/wine-prefix.sh PREFIX_DIR [x11]
set -eu
prefix=$1 display=${2:-null}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -d "$prefix" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
fi
mkdir -p "$prefix"
timeout 180 wineboot -i >/dev/null 2>&1
if [ "$display" = x11 ]; then
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
else
    timeout 60 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
fi
timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# Saves the registry; the next start reads the null driver setting.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
echo "wine prefix ready: $prefix"
