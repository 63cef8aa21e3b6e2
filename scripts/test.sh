#!/usr/bin/env bash
# Builds Plexmoor twice (normal, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the whole test suite on both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
