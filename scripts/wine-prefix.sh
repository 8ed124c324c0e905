#!/usr/bin/env bash
# Makes a fresh Wine prefix for the Windows tests: Wine's null display driver (windows, dialogs
# and timers work without an X server) and no crash dialog (a crash ends the program with a
# backtrace instead of waiting for a click that never comes).
#   scripts/wine-prefix.sh PREFIX_DIR
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -d "$prefix" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
fi
mkdir -p "$prefix"
timeout 180 wineboot -i >/dev/null 2>&1
timeout 60 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# Saves the registry; the next start reads the null driver setting.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
echo "wine prefix ready: $prefix"
