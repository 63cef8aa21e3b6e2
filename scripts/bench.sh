#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its ratio against a reference
# measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target bench_export
build/bin/bench_export "${1:-1000}"
cmake --build --preset default --target plexmoor Plexmoor
bench/cli_bench.sh build
