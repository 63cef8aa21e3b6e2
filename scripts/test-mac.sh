#!/usr/bin/env bash
# Builds the macOS deliverable on GNUstep (preset mac-gnustep: Plexmoor.bundle,
# the stand-in host with its Cocoa side, plexmoor) and tests it under Xvfb:
# scripts on Cocoa windows and the bundle with the Cocoa dialogs in the host
# (test_mac: activation, menus, panels, the export panel, progress, message
# boxes), then the command line with that bundle through the Cocoa menu,
# dialogs and panels: the preferences saved with CR line ends, the
# preferences and output-style panels, the log's version line in CRs, the
# menu, an EPS export through the export panel (its product comment ending
# in CR) and one it refuses (an invalid page range), the about box, and PNG
# pictures of the Cocoa windows in English and German. Everything runs with
# a private home folder (the host's own settings, with the output styles
# the tests edit, included):
# GNUstep takes the home from the password database, so a preload library
# points it at the run's folder. GNUstep catches SIGTERM, so every run is
# bounded with SIGKILL.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/setup.sh mac
cmake --preset mac-gnustep >/dev/null
cmake --build --preset mac-gnustep --target Plexmoor plexmoor test_mac plx_passwd_home

work=$(mktemp -d /tmp/plexmoor-mac.XXXXXX)
display=90
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done

home=$work/home
mkdir -p "$work/home-tests"
run() {
    # The host keeps its own settings (the output styles) under $HOME.
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_STATE_HOME=$home/.local/state \
        DISPLAY=:$display PLX_PASSWD_HOME=$home LD_PRELOAD=$root/build-mac/lib/passwd_home.so \
        timeout -s KILL 60 "$@"
}
fail() { echo "test-mac: $*" >&2; exit 1; }

# The tests edit the output styles: they get a home of their own.
home=$work/home-tests run build-mac/bin/test_mac
mkdir -p "$home"

# The command line, through the plug-in's Cocoa menu.
cd "$work"
run "$root/build-mac/bin/plexmoor" prefs --logging on --add-always off >prefs.txt 2>&1 ||
    { cat prefs.txt; fail "prefs failed"; }
ini=$home/GNUstep/Library/ApplicationSupport/Korvane/Plexmoor.ini
[ -f "$ini" ] || fail "no settings file at $ini"
[ "$(tr -cd '\n' <"$ini" | wc -c)" -eq 0 ] || fail "the settings file holds LF line ends"
[ "$(tr -cd '\r' <"$ini" | wc -c)" -ge 3 ] || fail "the settings file lacks CR line ends"
grep -q $'Logging=1\r' "$ini" || fail "Logging=1 not stored"
grep -q $'AddAlways=0\r' "$ini" || fail "AddAlways=0 not stored"

# The plug-in's Cocoa panels in the host's preferences window and style
# editor, through their controls.
run "$root/build-mac/bin/plexmoor" prefs --panel --last-folder on >panel.txt 2>&1 ||
    { cat panel.txt; fail "prefs --panel failed"; }
grep -q 'Use last folder  *on' panel.txt || { cat panel.txt; fail "the panel did not show its change"; }
grep -q $'LastFolder=1\r' "$ini" || fail "the panel did not store LastFolder=1"
run "$root/build-mac/bin/plexmoor" style "Default PDF" --base layout --separator - \
    --numbering 000x --frame on >style.txt 2>&1 || { cat style.txt; fail "style failed"; }
run "$root/build-mac/bin/plexmoor" styles >styles.txt 2>&1 || { cat styles.txt; fail "styles failed"; }
grep -q 'file name: \[Layout\] + "-" + \[000x\] + ".pdf"' styles.txt ||
    { cat style.txt styles.txt; fail "the style panel did not store what it showed"; }
run "$root/build-mac/bin/plexmoor" style "Default PDF" --base project --separator _ \
    --numbering 00x --frame off >style.txt 2>&1 || { cat style.txt; fail "style failed"; }

run "$root/build-mac/bin/plexmoor" menu "$root/examples/Catalog.proj" >menu.txt 2>&1 ||
    { cat menu.txt; fail "menu failed"; }
grep -q 'Save current box as EPS/PDF…  *enabled' menu.txt || { cat menu.txt; fail "menu"; }
# Logging is on: the menu run's log ends its lines in CR, but for the
# lines MyLog writes (the context menu's), which end in LF.
log=$home/Documents/Korvane/Plexmoor.txt
mylog=$(tr '\r' '\n' <"$log" | grep -cE '^[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}: Plexmoor::' || true)
[ "$mylog" -ge 1 ] || fail "the menu run logged no MyLog line"
[ "$(tr -cd '\n' <"$log" | wc -c)" -eq "$mylog" ] || fail "a log line other than MyLog's ends in LF"
[ "$(tr -cd '\r' <"$log" | wc -c)" -ge 2 ] || fail "the log lacks CR line ends"

mkdir out
run "$root/build-mac/bin/plexmoor" export "$root/examples/Catalog.proj" --pages ii-1 --to out/ \
    >export.txt 2>&1 || { cat export.txt; fail "export failed"; }
[ "$(cd out && ls | tr '\n' ' ')" = "Catalog_001.eps Catalog_ii.eps Catalog_iii.eps Catalog_iv.eps " ] ||
    { cat export.txt; fail "export wrote other files"; }
grep -aq $'^%%Plexmoor: 6.72\r%%EndComments' out/Catalog_ii.eps ||
    fail "the product comment does not end in CR"

# A page range the export panel refuses: its message, no file, a failure.
mkdir refused
if run "$root/build-mac/bin/plexmoor" export "$root/examples/Catalog.proj" --pages zz \
    --to refused/ >refused.txt 2>&1; then
    cat refused.txt; fail "an invalid page range was taken"
fi
grep -q 'Invalid page range!' refused.txt || { cat refused.txt; fail "no invalid-range message"; }
[ -z "$(ls refused)" ] || fail "a refused export wrote files"

run "$root/build-mac/bin/plexmoor" about >about.txt 2>&1 || { cat about.txt; fail "about failed"; }
grep -q 'Plexmoor 6.72' about.txt || { cat about.txt; fail "about box"; }

# Pictures of every Cocoa window the bundle shows, in English and German,
# kept in build-mac/pictures for a look: the export panel (25051), the
# progress window, the panels in the host's style editor (25052) and
# preferences window (25053), the preferences dialog, the preferences
# panel in its own window (PlxPrefs), a message box (MSGBOX: a page range
# refused) and the about box. Each is checked
# as it is drawn: a text that does not fit its control, or controls of one
# parent that overlap, fail the stage.
pictures=$root/build-mac/pictures
rm -rf "$pictures"
mkdir -p "$pictures"
for name in 25051 Progress 25052 25053 Prefs PlxPrefs MSGBOX About; do
    for lang in en de; do
        png=$pictures/$name-$lang.png
        run "$root/build-mac/bin/plexmoor" window $name --lang $lang -o "$png" >window.txt 2>&1 ||
            { cat window.txt; fail "window $name ($lang) failed"; }
        [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
            fail "$png is no PNG picture"
        if grep -E '(does not fit|needs [0-9]+ points|overlap)' window.txt; then
            fail "window $name ($lang) is not laid out to be read"
        fi
    done
done
echo "test-mac: pictures: $(cd "$pictures" && ls | wc -l) in build-mac/pictures"

# The end-to-end cases of the Linux build's test programs (built by the
# default stage) against this plexmoor, each with a home of its own, but
# for those waiting in tests/mac_pending.txt. PLX_TEST_PLEXMOOR_PLATFORM
# tells the test kit where this build keeps its settings file and log and
# how it ends their lines.
if [ -x "$root/build/bin/test_cli" ]; then
    # (sed, not grep: the list may hold no case at all.)
    pending=$(sed -e '/^#/d' -e '/^[[:space:]]*$/d' "$root/tests/mac_pending.txt" | paste -sd:)
    mkdir -p "$work/test-tmp"
    for entry in "test_cli:*" "test_menus:MenuCommand.*:StyleCommand.*" \
        "test_prefs:PrefsCommand.*" "test_settings:SettingsCli.*" "test_export:ExportMends.*" \
        "test_pdf:PdfExport.*:PdfOpen.*:PdfExample.*" "test_dialogs:WindowCommand.*"; do
        program=${entry%%:*}
        if ! DISPLAY=:$display PLX_TEST_TMP=$work/test-tmp PLX_TEST_PLEXMOOR=$root/build-mac/bin/plexmoor \
            PLX_TEST_PLEXMOOR_PLATFORM=mac LD_PRELOAD=$root/build-mac/lib/passwd_home.so timeout -s KILL 600 \
            "$root/build/bin/$program" --gtest_filter="${entry#*:}-$pending" >"$work/$program.log" 2>&1; then
            grep -v 'timers scheduled' "$work/$program.log" | tail -40
            fail "$program against the macOS plexmoor failed"
        fi
        grep -h '^\[  PASSED' "$work/$program.log" | sed "s/^/test-mac: $program: /"
    done
else
    echo "test-mac: no build/bin/test_cli (the default stage builds it); end-to-end cases skipped"
fi

# Logging was on for the last run: the log starts with the version line.
cmp -s -n 17 "$log" <(printf '\rPlexmoor: 6.72\r\r') ||
    fail "the log does not start with the version line in CRs"
echo "test-mac: all checks passed"
