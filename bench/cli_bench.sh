#!/usr/bin/env bash
# Whole `plexmoor export` runs: a 1000-page layout to EPS and a 100-page
# layout to PDF, each beside Ghostscript splitting an equivalent PDF into
# one file per page (eps2write / pdfwrite), measured in the same run.
# Usage: bench/cli_bench.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
plexmoor="$build/bin/plexmoor"
work=$(mktemp -d /tmp/plx-clibench-XXXXXX)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_STATE_HOME="$work/.state"

project() { # NAME PAGES
    {
        echo "layout \"$1\""
        echo "  page-size 595 842"
        echo "  pages $2"
        echo "  spreads facing"
        for ((p = 1; p <= $2; p++)); do
            echo "  box $p page=$p x=60 y=80 w=475 h=300 fill=0.8 text=\"Page $p\""
        done
    } >"$work/$1.proj"
}

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

measure() { # NAME PAGES STYLE EXT DEVICE
    local name=$1 pages=$2 style=$3 ext=$4 device=$5
    project "$name" "$pages"
    mkdir -p "$work/$name-out" "$work/$name-ref"
    local t0 t1 t2 t3
    t0=$(now)
    "$plexmoor" export "$work/$name.proj" --absolute --all --style "$style" \
        --to "$work/$name-out/$name.$ext" >/dev/null
    t1=$(now)
    # The reference's input: one PDF of the same pages (not timed).
    (cd "$work/$name-out" && gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite \
        -o "$work/$name-all.pdf" $(ls | sort) >/dev/null 2>&1)
    t2=$(now)
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE="$device" -o "$work/$name-ref/page_%04d.$ext" \
        "$work/$name-all.pdf" >/dev/null 2>&1
    t3=$(now)
    local ours ref
    ours=$(elapsed "$t0" "$t1")
    ref=$(elapsed "$t2" "$t3")
    printf '%-5s %5d pages: plexmoor export %7.2f s (%6.1f pages/s), gs %-9s split %7.2f s, ratio %.2f\n' \
        "$ext" "$pages" "$ours" "$(ratio "$pages" "$ours")" "$device" "$ref" "$(ratio "$ref" "$ours")"
}

measure Thousand 1000 "Default EPS" eps eps2write
measure Hundred 100 "Default PDF" pdf pdfwrite
echo "ratio = Ghostscript's time / plexmoor's time (above 1: plexmoor is faster)"
