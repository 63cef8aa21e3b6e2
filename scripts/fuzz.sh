#!/usr/bin/env bash
# Builds the fuzz targets (the "fuzz" preset: clang, libFuzzer, ASan and
# UBSan) and runs each one for SECONDS seconds (default 60), one after the
# other at the lowest priority: first its whole corpus, then new inputs.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]      e.g. scripts/fuzz.sh 600 settings_store
#
# The seeds and reproducers in fuzz/corpus/TARGET are only read; what a run
# learns goes to build-fuzz/corpus/TARGET, and an input that breaks a
# property or crashes goes to build-fuzz/artifacts/. Exits 1 when any target
# failed; keep its input as a regression input in fuzz/corpus/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
case "$seconds" in ''|*[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2; exit 2;; esac

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

work=build-fuzz
mkdir -p "$work/artifacts" "$work/logs"
# The targets' files go to a folder of this run, removed afterwards: in
# memory where there is /dev/shm, since the stores flush every save to disk
# and on a disk that alone holds a target to a few dozen inputs a second.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then base=/dev/shm; else base=${TMPDIR:-/tmp}; fi
scratch=$(mktemp -d "$base/plexfuzz-run-XXXXXX")
trap 'rm -rf "$scratch"' EXIT

failed=()
for t in "${targets[@]}"; do
    program="$work/bin/fuzz_$t"
    [ -x "$program" ] || { echo "no fuzz target $t" >&2; exit 2; }
    mkdir -p "$work/corpus/$t"
    log="$work/logs/$t.log"
    if TMPDIR="$scratch" nice -n 19 "$program" -max_total_time="$seconds" -timeout=10 \
            -print_final_stats=1 -artifact_prefix="$work/artifacts/$t-" \
            "$work/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz $t: ${runs:-?} executions in ${seconds} s, clean"
    else
        echo "fuzz $t: FAILED (see $log)"
        grep -E "property failed|ERROR:|runtime error|Test unit written" "$log" | head -5 | sed 's/^/  /'
        failed+=("$t")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets that failed: ${failed[*]}" >&2
    exit 1
fi
