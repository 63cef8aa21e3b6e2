#!/usr/bin/env bash
# Builds Plexmoor and runs its main job on the bundled example project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
build/bin/plexmoor info examples/Catalog.proj
