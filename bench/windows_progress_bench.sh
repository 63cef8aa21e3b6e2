#!/usr/bin/env bash
# What the progress window's timer costs a real export under Wine: a
# generated layout of PAGES pages exported with plexmoor.exe through the
# plug-in's Win32 dialogs, with the plug-in's log on; the gaps between the
# log's "exportPage" lines (stamped to the millisecond) are each page's own
# work plus whatever the window waited for its timer. Prints the time from
# the first page to the last, the median gap and the largest.
# Usage: bench/windows_progress_bench.sh [PAGES]   (after scripts/test-windows.sh,
# whose Wine prefix it uses)
set -euo pipefail
cd "$(dirname "$0")/.."
pages=${1:-300}
bin=$PWD/build-windows/bin
[ -f build-windows/wine-prefix/.plexmoor-ready ] ||
    { echo "run scripts/test-windows.sh first" >&2; exit 1; }
source scripts/wine-session.sh
wine_session "$PWD" plexmoor-progress
wineserver -p

{
    echo 'layout "Bench"'
    echo '  page-size 595 842'
    echo "  pages $pages"
    for ((p = 1; p <= pages; p++)); do
        echo "  box $p page=$p x=60 y=80 w=475 h=300 fill=0.8 text=\"Page $p\""
    done
} >"$work/Bench.proj"
mkdir "$work/out"
documents=$(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -name Documents ! -path '*/Public/*' | head -1)
log="$documents/Korvane/Plexmoor.txt"
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

wine "$bin/plexmoor.exe" prefs --logging on >/dev/null 2>&1
rm -f "$log"
wine "$bin/plexmoor.exe" export "$(winpath "$work/Bench.proj")" --all --absolute \
    --to "$(winpath "$work/out")\\" >/dev/null 2>&1
wine "$bin/plexmoor.exe" prefs --logging off >/dev/null 2>&1
[ "$(ls "$work/out" | wc -l)" -eq "$pages" ] || { echo "not every page was written" >&2; exit 1; }

tr -d '\r' <"$log" | grep 'exportPage: ' |
    awk -F: '{ t = (($1 * 60 + $2) * 60 + $3) * 1000 + $4; if (NR > 1) print t - p; p = t }' |
    sort -n | awk -v pages="$pages" '{ g[NR] = $1; sum += $1 }
        END { printf "%d pages: %d ms from the first page to the last, median gap %d ms, largest %d ms\n",
                     pages, sum, g[int((NR + 1) / 2)], g[NR] }'
