#!/usr/bin/env bash
# Whole `plexmoor export` runs beside references measured in the same run,
# paired run by run:
#   EPS: the file system's limit (bench_durable_baseline writing files of
#        the same sizes, temp + rename, one syncfs; timed from outside,
#        its start included, as the export is) and Ghostscript's
#        eps2write splitting a PDF of the same pages into one file a page;
#   PDF: Ghostscript's pdfwrite splitting that PDF into one file a page.
# The exports use styles with the plug-in's page frame on. Every run's
# output is checked (file count, one page a file, page size and CropBox,
# the plug-in's comment and frame) before its time counts. Prints medians and
# minimums, and ratios of the medians (ours / reference: below 1 means
# plexmoor is faster). Then, when valgrind is there, the plug-in's share
# of an EPS export's instructions (callgrind, the same pages), and the
# peak memory of 100 pages against RSS_PAGES pages (at most 9999).
# Usage: bench/cli_bench.sh [BUILD_DIR] [PAGES] [RUNS] [RSS_PAGES]
set -euo pipefail
build=${1:-build}
pages=${2:-1000}
runs=${3:-3}
rss_pages=${4:-9999} # the most pages a layout of the project format has
plexmoor="$build/bin/plexmoor"
baseline="$build/bin/bench_durable_baseline"
work=$(mktemp -d "${BENCH_DIR:-$PWD/build}/plx-clibench-XXXXXX")
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
# Every timed command starts with nothing of another's left to write
# back: the exports end with one syncfs, which would otherwise also write
# what the command before them left (eps2write's 165 MB), while the
# references never sync.
settle() { sync; }
# Nothing is deleted while the bench times: an ext4 without a journal (as
# on the machine the figures come from) passes over every inode deleted in
# the last minute, one by one, when it makes a file, so after thousands of
# deletions each new file costs up to a millisecond, more with every round.
# Every round writes into folders of its own; all go at the end.
# The machine's load, printed with the figures: the times mean little
# without it.
load() { cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || uptime; }
load_start=$(load)
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
fail() { echo "bench: $*" >&2; exit 1; }

export_run() { # NAME STYLE EXT OUT
    "$plexmoor" export "$work/$1.proj" --absolute --all --style "$2" --to "$4/$1.$3" \
        >/dev/null 2>"$work/export.err" || { cat "$work/export.err" >&2; fail "the export failed"; }
}

check() { # FOLDER EXT COUNT
    local n
    n=$(find "$1" -name "*.$2" | wc -l)
    [[ $n == "$3" ]] || fail "$1: $n files, not $3"
    local first last
    first=$(ls "$1" | sort | sed -n 1p)
    last=$(ls "$1" | sort | sed -n '$p')
    for f in "$first" "$last"; do
        if [[ $2 == pdf ]]; then
            local info
            info=$(pdfinfo -box "$1/$f") || fail "$f is no PDF"
            grep -q "^Pages: *1$" <<<"$info" || fail "$f: not one page"
            grep -q "^CropBox: *0.00 *0.00 *595.00 *842.00" <<<"$info" || fail "$f: CropBox"
        elif [[ $f == *.eps && -n ${4:-} ]]; then
            grep -q "^%%BoundingBox: 0 0 595 842" "$1/$f" || fail "$f: BoundingBox"
            grep -q "^%%Plexmoor: " "$1/$f" || fail "$f: the plug-in's comment is missing"
        fi
        # The frame lies on the page's edge, the page's box well inside it:
        # what is drawn reaches the edges only with the frame.
        if [[ -n ${4:-} ]]; then
            local drawn
            drawn=$(gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox "$1/$f" 2>&1)
            grep -q "^%%BoundingBox: 0 0 59[56] 84[23]" <<<"$drawn" || fail "$f: no page frame"
        fi
    done
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minimum() { sort -g | sed -n 1p; }

# Styles like the defaults, with the page frame on.
"$plexmoor" style "Bench EPS" --medium eps --frame on >/dev/null
"$plexmoor" style "Bench PDF" --medium pdf --frame on >/dev/null
project Bench "$pages"
declare -A times
record() { times[$1]="${times[$1]:-} $2"; }

# The references' input: the same pages as one PDF (not timed).
mkdir -p "$work/seed"
export_run Bench "Bench PDF" pdf "$work/seed"
check "$work/seed" pdf "$pages" plexmoor
qpdf --empty --pages $(ls -d "$work"/seed/*.pdf | sort) -- "$work/all.pdf"

for ((r = 1; r <= runs; r++)); do
    round="$work/round$r"
    for d in eps base e2w pdf pw; do mkdir -p "$round/$d"; done
    settle; t=$(now); export_run Bench "Bench EPS" eps "$round/eps"; record eps "$(since "$t")"
    check "$round/eps" eps "$pages" plexmoor
    sizes=$(find "$round/eps" -name '*.eps' -printf '%s\n' | sort -n)
    # Timed from outside as the export is: both sides pay for starting a
    # program and for the clock's own start.
    settle; t=$(now); "$baseline" "$round/base" $sizes >/dev/null || fail "the baseline failed"
    record base "$(since "$t")"
    settle; t=$(now)
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=eps2write -o "$round/e2w/p%04d.eps" "$work/all.pdf" \
        >/dev/null 2>&1 || fail "eps2write failed"
    record e2w "$(since "$t")"
    check "$round/e2w" eps "$pages"
    settle; t=$(now); export_run Bench "Bench PDF" pdf "$round/pdf"; record pdf "$(since "$t")"
    check "$round/pdf" pdf "$pages" plexmoor
    settle; t=$(now)
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -o "$round/pw/p%04d.pdf" "$work/all.pdf" \
        >/dev/null 2>&1 || fail "pdfwrite failed"
    record pw "$(since "$t")"
    check "$round/pw" pdf "$pages"
done

stat_of() { tr ' ' '\n' <<<"${times[$1]}" | grep . | "$2"; }
line() { # KEY LABEL
    printf '  %-44s median %7.3f s  min %7.3f s\n' "$2" "$(stat_of "$1" median)" "$(stat_of "$1" minimum)"
}
ratio() { awk -v a="$(stat_of "$1" median)" -v b="$(stat_of "$2" median)" 'BEGIN { printf "%.2f", a / b }'; }
echo "$pages pages, $runs paired runs ($(nproc) cores, $(uname -sr)), load $load_start at the start, $(load) at the end"
line eps "plexmoor export, EPS"
line base "file system's limit (bench_durable_baseline)"
line e2w "gs eps2write split"
line pdf "plexmoor export, PDF"
line pw "gs pdfwrite split"
echo "ratios of medians (plexmoor / reference; below 1: plexmoor is faster)"
echo "  EPS / file system's limit: $(ratio eps base)   (goal: at most 1.3)"
echo "  EPS / gs eps2write:         $(ratio eps e2w)"
echo "  PDF / gs pdfwrite:          $(ratio pdf pw)   (goal: at most 1.0)"

if command -v valgrind >/dev/null && [[ ${BENCH_CALLGRIND:-1} == 1 ]]; then
    project Small "$pages"
    mkdir -p "$work/cg"
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$plexmoor" export \
        "$work/Small.proj" --absolute --all --style "Bench EPS" --to "$work/cg/Small.eps" \
        >/dev/null 2>&1
    # Self cost by object file: lines after "calls=" are inclusive costs
    # of a call and are skipped; "ob=(n) name" names an object once.
    awk '
        /^c?ob=/ { cob = substr($0, 1, 1) == "c"; s = substr($0, cob ? 5 : 4)
                   if (match(s, /^\([0-9]+\) /)) { id = substr(s, 1, RLENGTH - 1)
                       names[id] = substr(s, RLENGTH + 1); s = id }
                   if (!cob) ob = (s in names) ? names[s] : s
                   next }
        /^calls=/ { skip = 1; next }
        /^[0-9+-]/ { if (skip) { skip = 0; next } n = split($0, f, " "); if (n >= 2) cost[ob] += f[2]; total += f[2]; next }
        END { for (o in cost) if (o ~ /Plexmoor\.so/) mine += cost[o];
              printf "plug-in code (Plexmoor.so): %.1f %% of an EPS export'"'"'s instructions (goal: under 5 %%)\n", 100 * mine / total }
    ' "$work/cg.out"
fi

if [[ $rss_pages -gt 0 ]]; then
    project Rss "$rss_pages"
    project Hundred 100
    for style in EPS PDF; do
        ext=$(tr A-Z a-z <<<"$style")
        for name in Hundred Rss; do
            rm -rf "$work/rss"; mkdir -p "$work/rss"
            /usr/bin/time -o "$work/rss.txt" -f '%M' "$plexmoor" export "$work/$name.proj" \
                --absolute --all --style "Bench $style" --to "$work/rss/$name.$ext" \
                >/dev/null 2>"$work/export.err" || { cat "$work/export.err" >&2; fail "the export failed"; }
            kb=$(tail -1 "$work/rss.txt")
            eval "rss_$name=$kb"
        done
        printf 'peak RSS, %s: %6d KB at 100 pages, %6d KB at %d pages (%+.0f %%; goal: within 20 %%)\n' \
            "$style" "$rss_Hundred" "$rss_Rss" "$rss_pages" \
            "$(awk -v a="$rss_Hundred" -v b="$rss_Rss" 'BEGIN { print 100 * (b - a) / a }')"
    done
fi
