#!/usr/bin/env bash
# Runs one Windows test program under Wine with a time bound, so that a hang fails the test
# instead of stalling the run. The prefix comes from WINEPREFIX (set per test by CMake).
set -u
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec timeout --kill-after=10 "${CORVANE_WINE_TIMEOUT:-240}" wine "$@"
