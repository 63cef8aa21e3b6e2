#!/usr/bin/env bash
# Builds and runs the export benchmark: every ratio in one run (see
# bench/cli_bench.sh). Usage: scripts/bench.sh [PAGES] [RUNS] [RSS_PAGES]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target plexmoor Plexmoor bench_durable_baseline bench_project
build/bin/bench_project
bench/cli_bench.sh build "${1:-1000}" "${2:-5}" "${3:-9999}"
bench/pdf_bench.sh build "${1:-1000}" "${2:-5}"
