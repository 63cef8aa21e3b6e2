#!/usr/bin/env bash
# Builds Plexmoor twice (normal, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the whole test suite on both, then
# builds the fuzz targets and runs each briefly: its corpus (seeds and the
# reproducers of faults found so far) and a few seconds of new inputs, and
# cross-builds the Windows deliverables and runs them under Wine
# (scripts/test-windows.sh), then builds the macOS bundle on GNUstep and
# tests it under Xvfb (scripts/test-mac.sh) when its packages can be
# installed. Each stage reports how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan; do
    echo "== $preset build"
    start=$SECONDS
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
    echo "== $preset stage: $((SECONDS - start)) s"
done
echo "== fuzz targets, briefly"
scripts/fuzz.sh 4
start=$SECONDS
scripts/test-windows.sh
echo "== windows stage: $((SECONDS - start)) s"
start=$SECONDS
if scripts/setup.sh mac; then
    scripts/test-mac.sh
    echo "== mac stage: $((SECONDS - start)) s"
else
    echo "== mac stage skipped: the GNUstep packages are not installed"
fi
