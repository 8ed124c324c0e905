#!/usr/bin/env bash
# Builds and runs every test: natively, natively under sanitizers, and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

for preset in linux linux-san linux-tsan windows; do
    echo "=== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
