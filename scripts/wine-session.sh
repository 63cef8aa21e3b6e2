# Sourced by scripts/test-windows.sh and the Wine benchmarks (bench/): the
# Wine environment of the build's prefix (build-windows/wine-prefix), a
# work folder and one Xvfb for the whole run, all taken down as the script
# exits (the wineserver, the X server, the work folder).
#   wine_session ROOT NAME   sets WINEPREFIX, DISPLAY and `work`
#                            (a new folder named after NAME)

wine_session_end() {
    wineserver -k 2>/dev/null || true
    if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}

wine_session() {
    export WINEPREFIX=$1/build-windows/wine-prefix
    export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    work=$(mktemp -d "${TMPDIR:-/tmp}/$2.XXXXXX")
    xvfb_pid=""
    trap wine_session_end EXIT
    # -displayfd picks a free display.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
}
