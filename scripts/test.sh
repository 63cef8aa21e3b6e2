#!/usr/bin/env bash
# Builds Plexmoor twice (normal, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the whole test suite on both, then
# builds the fuzz targets and runs each briefly: its corpus (seeds and the
# reproducers of faults found so far) and a few seconds of new inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
echo "== fuzz targets, briefly"
scripts/fuzz.sh 4
