#!/usr/bin/env bash
# A PDF document of PAGES pages opened as a layout and exported page by
# page with `plexmoor export`, to PDF and to EPS, each beside splitting the
# same PDF into one file a page with Ghostscript (pdfwrite, eps2write) and
# with `qpdf --split-pages` (which copies pages without drawing them: the
# lower bound), measured in the same run, run by run. Every run's files
# are counted before its time counts. Prints medians and ratios of the
# medians (ours / reference: below 1 means plexmoor is faster).
# Usage: bench/pdf_bench.sh [BUILD_DIR] [PAGES] [RUNS]
set -euo pipefail
build=${1:-build}
pages=${2:-1000}
runs=${3:-3}
plexmoor="$build/bin/plexmoor"
work=$(mktemp -d "${BENCH_DIR:-$PWD/build}/plx-pdfbench-XXXXXX")
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_STATE_HOME="$work/.state"

now() { date +%s.%N; }
# Every timed command starts with nothing of another's left to write
# back: the exports end with one syncfs, which would otherwise also write
# what the command before them left (eps2write's 165 MB), while the
# references never sync.
settle() { sync; }
# Nothing is deleted while the bench times (see bench/cli_bench.sh): every
# round writes into folders of its own; all go at the end.
# The machine's load, printed with the figures: the times mean little
# without it.
load() { cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || uptime; }
load_start=$(load)
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
fail() { echo "bench: $*" >&2; exit 1; }
count() { # FOLDER EXT COUNT
    local n
    n=$(find "$1" -name "*.$2" | wc -l)
    [[ $n == "$3" ]] || fail "$1: $n files, not $3"
}

# The document: A4 pages with a heading, a paragraph and a rectangle,
# four pages of roman front matter, facing pages (not timed).
{
    echo "%!PS"
    echo "[ {Catalog} << /PageLabels << /Nums [ 0 << /S /r >> 4 << /S /D >> ] >>"
    echo "   /PageLayout /TwoPageRight >> /PUT pdfmark"
    echo "/Times-Roman findfont 11 scalefont /body exch def"
    echo "/Helvetica-Bold findfont 20 scalefont /head exch def"
    for ((p = 1; p <= pages; p++)); do
        echo "<< /PageSize [595 842] >> setpagedevice head setfont 60 760 moveto (Page $p) show"
        echo "body setfont 60 720 moveto (A line of text on page $p, to be kept as text.) show"
        echo "0.2 0.4 0.8 setrgbcolor 60 400 475 250 rectfill showpage"
    done
} >"$work/doc.ps"
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -dPDFSETTINGS=/prepress -o "$work/Doc.pdf" \
    "$work/doc.ps" >/dev/null || fail "the document could not be made"

declare -A times
record() { times[$1]="${times[$1]:-} $2"; }
for ((r = 1; r <= runs; r++)); do
    round="$work/round$r"
    for d in pdf pw qs eps e2w; do mkdir -p "$round/$d"; done
    settle; t=$(now)
    "$plexmoor" export "$work/Doc.pdf" --absolute --all --style "Default PDF" \
        --to "$round/pdf/Doc.pdf" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; fail "PDF export"; }
    record pdf "$(since "$t")"
    count "$round/pdf" pdf "$pages"
    settle; t=$(now)
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -dPDFSETTINGS=/prepress \
        -o "$round/pw/p%04d.pdf" "$work/Doc.pdf" >/dev/null 2>&1 || fail "pdfwrite failed"
    record pw "$(since "$t")"
    count "$round/pw" pdf "$pages"
    settle; t=$(now)
    qpdf --split-pages "$work/Doc.pdf" "$round/qs/p.pdf" || fail "qpdf failed"
    record qs "$(since "$t")"
    count "$round/qs" pdf "$pages"
    settle; t=$(now)
    "$plexmoor" export "$work/Doc.pdf" --absolute --all --style "Default EPS" \
        --to "$round/eps/Doc.eps" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; fail "EPS export"; }
    record eps "$(since "$t")"
    count "$round/eps" eps "$pages"
    settle; t=$(now)
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=eps2write -o "$round/e2w/p%04d.eps" "$work/Doc.pdf" \
        >/dev/null 2>&1 || fail "eps2write failed"
    record e2w "$(since "$t")"
    count "$round/e2w" eps "$pages"
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
stat_of() { tr ' ' '\n' <<<"${times[$1]}" | grep . | median; }
line() { printf '  %-36s median %8.3f s\n' "$2" "$(stat_of "$1")"; }
ratio() { awk -v a="$(stat_of "$1")" -v b="$(stat_of "$2")" 'BEGIN { printf "%.2f", a / b }'; }
echo "a PDF of $pages pages as a layout, $runs paired runs ($(nproc) cores, $(uname -sr)), load $load_start at the start, $(load) at the end"
line pdf "plexmoor export, PDF"
line pw "gs pdfwrite split"
line qs "qpdf --split-pages"
line eps "plexmoor export, EPS"
line e2w "gs eps2write split"
echo "ratios of medians (plexmoor / reference)"
echo "  PDF / gs pdfwrite:  $(ratio pdf pw)   (goal: at most 1.5)"
echo "  PDF / qpdf split:   $(ratio pdf qs)   (lower bound)"
echo "  EPS / gs eps2write: $(ratio eps e2w)   (goal: at most 1.5)"
echo "  EPS / qpdf split:   $(ratio eps qs)   (lower bound)"
