#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test Corvane: the native toolchain,
# GoogleTest sources and Google Benchmark, the 32-bit mingw-w64 cross compiler, Wine (32-bit)
# and the amateur-radio country files. Quick when everything is already there.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libbenchmark-dev
          g++-mingw-w64-i686-posix wine wine32:i386 hamradio-files)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
