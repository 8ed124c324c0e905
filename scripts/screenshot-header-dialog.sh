#!/usr/bin/env bash
# Takes a picture of the Cabrillo header dialog as Windows draws it: builds the Windows plug-in,
# opens an export run under Wine on a virtual X screen and photographs it.
#   scripts/screenshot-header-dialog.sh [OUTPUT.png]      (default: build/screenshots/header-dialog.png)
# Installs what it needs besides the build tools (Xvfb and ImageMagick) when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-build/screenshots/header-dialog.png}")

scripts/install-deps.sh
missing=()
command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
[ -x /usr/bin/import ] || missing+=(imagemagick)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake --preset windows >/dev/null
cmake --build --preset windows --target show_header_dialog >/dev/null

# A prefix of its own with the X11 driver (the test prefix uses the null driver, which draws
# nothing).
export WINEPREFIX=$root/build/windows/wineprefix-x11 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || scripts/wine-prefix.sh "$WINEPREFIX" x11 >/dev/null

# A folder with a settings file, so the dialog shows the texts an operator stored last time.
run=$root/build/screenshots/run
rm -rf "$run"
mkdir -p "$run/Plugins"
printf '%s\r\n' '[Settings]' 'Name_Test=Corvane 2016' 'Claimed=1234' 'Name=Erika Muster' \
    'Address=Hauptstr. 1' 'Address_City=Bonn' 'Address_PostalCode=53111' 'Address_Country=Germany' \
    'Email=dl1abc@example.org' 'Club=DARC' 'SoapBox=Nice contest, thanks!<CR><LF>73' > "$run/Plugins/Corvane.ini"
cp build/windows/bin/Stats.dll build/windows/bin/show_header_dialog.exe "$run/"

mkdir -p "$(dirname "$out")"
cd "$run"
timeout 120 xvfb-run -a -s '-screen 0 1024x768x24' sh -c '
    wine show_header_dialog.exe &
    sleep 6
    import -window root "$1"
    wineserver -k' sh "$out.full.png"
convert "$out.full.png" -trim +repage "$out"
rm -f "$out.full.png"
echo "header dialog: $out"
