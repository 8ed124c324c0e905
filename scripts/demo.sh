#!/usr/bin/env bash
# The main job: builds the plug-in and corvane for Linux and Windows into dist/, then scores the
# bundled sample log through each library and shows the plug-in's result.
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
# The country file beside corvane, where the Windows build looks for it.
cp /usr/share/hamradio-files/cty.dat /usr/share/hamradio-files/cty.csv dist/

sample=(samples/sample-cw.adi --ini samples/sample-cw.ini)
echo "--- samples/sample-cw.adi scored through dist/libStats.so"
dist/corvane score "${sample[@]}" --out build/demo/linux
echo
echo "--- the same through dist/Stats.dll, under Wine"
export WINEPREFIX=${WINEPREFIX:-$PWD/build/windows/wineprefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || scripts/wine-prefix.sh "$WINEPREFIX" >/dev/null
timeout 120 wine dist/corvane.exe score "${sample[@]}" --out build/demo/windows | tr -d '\r'
