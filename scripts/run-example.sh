#!/usr/bin/env bash
# Builds Plexmoor and runs its main job: an export of pages of the bundled
# example project, through the plug-in's menu command and export dialog.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
# Only what the main job needs: the plug-in and the program (the tests are
# built by scripts/test.sh).
cmake --build --preset default --target Plexmoor plexmoor
mkdir -p out
build/bin/plexmoor info examples/Catalog.proj
build/bin/plexmoor export examples/Catalog.proj --pages i-2 --to out/Spring.eps
build/bin/plexmoor export examples/Handbook.pdf --pages iv-2 --style "Default PDF" --to out/Handbook.pdf
