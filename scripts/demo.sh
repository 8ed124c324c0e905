#!/usr/bin/env bash
# The main job: builds the plug-in for Windows and Linux into dist/ and shows what a host sees.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

for preset in linux windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target Stats corvane >/dev/null
done
mkdir -p dist
cp build/linux/bin/libStats.so build/linux/bin/corvane dist/
cp build/windows/bin/Stats.dll build/windows/bin/corvane.exe dist/

echo "--- dist/libStats.so, loaded natively"
(cd dist && ./corvane info ./libStats.so)
echo "--- dist/Stats.dll, loaded under Wine"
export WINEPREFIX=${WINEPREFIX:-$PWD/build/windows/wineprefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || scripts/wine-prefix.sh "$WINEPREFIX" >/dev/null
(cd dist && timeout 120 wine corvane.exe info Stats.dll | tr -d '\r')
