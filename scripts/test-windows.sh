#!/usr/bin/env bash
# The Windows stage: cross-builds Plexmoor.xnt and plexmoor.exe with
# mingw-w64 and runs them under Wine. One Xvfb and one persistent
# wineserver serve every wine call of the run; the Wine prefix is made
# once and kept in build-windows/wine-prefix (about 20 s to create), with
# Wine's virtual desktop on and its user folders made real folders inside
# the prefix (Wine links them to the Linux home otherwise).
#
# With a Linux build in build/ the export is also compared with it: the
# same file names, the same content apart from the creation date and the
# CR LF line ends of the plug-in's PostScript additions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows

stage_start=$SECONDS
echo "== windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows
build_seconds=$((SECONDS - stage_start))

root=$PWD
bin=$root/build-windows/bin
xnt=$root/build-windows/lib/Plexmoor.xnt

fail() { echo "windows stage: $*" >&2; exit 1; }

# A Linux path as Wine's drive Z: sees it.
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

# A project and a target folder whose names hold non-ASCII letters, one
# (Ω) outside the ANSI code page: the arguments must reach the program as
# UTF-16 and every file be opened by its wide name.
check_non_ascii_paths() {
    echo "== plexmoor.exe export with non-ASCII paths"
    local folder=$work/Übersicht target=$work/Ausgabe-é-Ω
    mkdir -p "$folder" "$target"
    cp examples/Catalog.proj "$folder/Katalog.proj"
    LC_ALL=C.UTF-8 wine "$bin/plexmoor.exe" export "$(winpath "$folder/Katalog.proj")" --pages 1 \
        --style "Default EPS" \
        --to "$(winpath "$target")\\" >"$work/non-ascii.txt" 2>&1 ||
        fail "export with non-ASCII paths failed: $(cat "$work/non-ascii.txt")"
    [ "$(cd "$target" && echo *)" = "Katalog_001.eps" ] ||
        fail "files written for Übersicht/Katalog.proj: $(ls -A "$target")"
    tr -d '\r' <"$work/non-ascii.txt" | grep -qF "Ausgabe-é-Ω\\Katalog_001.eps" ||
        fail "the report does not name the folder as given: $(cat "$work/non-ascii.txt")"
}

# Every test program of the build, one after the other (their temporary
# homes move the prefix's profile folder, so they never run side by side).
# A program that dies in the middle of a test may leave the profile folder
# pointing into its home: it is put back after each failure. The cases of
# tests/windows_pending.txt (expectations not yet ported) are left out.
run_test_programs() {
    echo "== test programs under Wine"
    local tmp=$root/build-windows/test-tmp failed="" program name log pending
    pending=$(sed -e '/^#/d' -e '/^[[:space:]]*$/d' tests/windows_pending.txt | paste -sd:)
    rm -rf "$tmp"
    mkdir -p "$tmp"
    for program in "$bin"/test_*.exe; do
        name=$(basename "$program" .exe)
        log=$work/$name.txt
        if PLX_TEST_TMP=$(winpath "$tmp") timeout 600 wine "$program" --gtest_brief=1 \
            --gtest_filter="-$pending" >"$log" 2>&1; then
            echo "$name: $(tr -d '\r' <"$log" | grep -E '^\[  (PASSED|SKIPPED) ' | tr '\n' ' ')"
        else
            tr -d '\r' <"$log" | tail -40
            failed="$failed $name"
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\ProfileList' \
                /v ProfilesDirectory /t REG_EXPAND_SZ /d 'C:\users' /f >/dev/null 2>&1
        fi
    done
    rm -rf "$tmp"
    [ -z "$failed" ] || fail "test programs failed:$failed"
}

echo "== Plexmoor.xnt: exports, imports, version block"
objdump=x86_64-w64-mingw32-objdump
exports=$($objdump -p "$xnt" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\t\[ *[0-9]*\] //p')
[ "$exports" = XTActivateCallback ] || fail "Plexmoor.xnt exports: $exports"
# System DLLs only: the dialogs are Win32's.
imports=$($objdump -p "$xnt" | sed -n 's/^\tDLL Name: //p' | sort | tr '\n' ' ')
for dll in $imports; do
    case "${dll^^}" in
    KERNEL32.DLL | MSVCRT.DLL | SHELL32.DLL | USER32.DLL | GDI32.DLL | COMDLG32.DLL | COMCTL32.DLL) ;;
    *) fail "Plexmoor.xnt imports $dll" ;;
    esac
done
version=$(strings -el "$xnt")
for pair in "FileVersion 6.72" "ProductVersion 6.72" "InternalName Plexmoor" \
            "FileDescription Plexmoor"; do
    echo "$version" | grep -A1 -x "${pair% *}" | grep -qx "${pair#* }" || fail "version block: no $pair"
done
echo "$version" | grep -qx 040704B0 || fail "version block: not language 0x0407, code page 1200"
echo "exports: $exports; imports: $imports"
# The prefix's environment, a work folder and one X server for the run.
source scripts/wine-session.sh
wine_session "$root" plexmoor-windows

if [ ! -f "$WINEPREFIX/.plexmoor-ready" ]; then
    echo "== wine prefix (made once)"
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
    done
    wineserver -w
    touch "$WINEPREFIX/.plexmoor-ready"
fi
wineserver -p
wine_start=$SECONDS

documents=$(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -name Documents ! -path '*/Public/*' | head -1)
[ -d "$documents" ] || fail "no Documents folder in the Wine prefix"
rm -rf "$documents/Korvane"

# The plug-in's resources are the DLL's own: the dialog templates as DIALOG
# resources beside the window descriptions and string tables (type XML),
# and what the plug-in shows comes from them (the German table and the
# preferences dialog's description: its Win32 dialog, as the command line
# looked at it).
check_plugin_resources() {
    echo "== Plexmoor.xnt: resources"
    local listed
    listed=$(x86_64-w64-mingw32-windres -i "$xnt" -O rc 2>/dev/null |
        grep -E '^[^ /]+ (DIALOG|DIALOGEX|"XML")( |$)' | cut -d' ' -f1,2 | tr -d '"' | tr '\n' ' ')
    for res in "MYDIALOG DIALOGEX" "MSGBOX DIALOGEX" "25051 DIALOGEX" "25052 DIALOGEX" "25053 DIALOGEX" \
               "PREFS XML" "PROGRESS XML" "MYSTRINGS_E XML" "MYSTRINGS_D XML"; do
        case " $listed" in *" $res "*) ;; *) fail "Plexmoor.xnt lacks the resource $res (has: $listed)" ;; esac
    done
    wine "$bin/plexmoor.exe" prefs --lang de >"$work/prefs-de.txt" 2>&1 ||
        fail "prefs failed: $(cat "$work/prefs-de.txt")"
    grep -q "Letzten Ordner verwenden" "$work/prefs-de.txt" ||
        fail "the German preferences dialog does not show its German texts: $(cat "$work/prefs-de.txt")"
}

# The dialog toolkit on real Win32 controls: each dialog driven from a timer
# inside its own modal loop (tests/win32).
# Pictures of every window, English and German, are left in
# build-windows/pictures; each is checked for texts that do not fit and
# controls that overlap.
check_win32_dialogs() {
    echo "== Win32 dialog toolkit"
    local pictures=$root/build-windows/pictures
    rm -rf "$pictures"
    mkdir -p "$pictures"
    # A dialog that does not end as driven would wait for a person forever.
    timeout 120 wine "$bin/win32_dialogs_check.exe" "$(winpath "$pictures")" \
        >"$work/win32-dialogs.txt" 2>&1 ||
        fail "the Win32 dialog toolkit: $(tr -d '\r' <"$work/win32-dialogs.txt")"
    tr -d '\r' <"$work/win32-dialogs.txt"
    echo "== the host's Win32 windows with the plug-in's panels"
    timeout 120 wine "$bin/win32_host_windows_check.exe" "$(winpath "$pictures")" \
        "$(winpath "$root/examples/Catalog.proj")" >"$work/win32-host.txt" 2>&1 ||
        fail "the host's Win32 windows: $(tr -d '\r' <"$work/win32-host.txt")"
    tr -d '\r' <"$work/win32-host.txt"
    # Every window the plug-in shows or puts its panel in, in both languages.
    local window language
    for window in Prefs Progress Export 25051 25052 25053 MSGBOX about export-dialog \
                  main-window preferences style-editor output-styles; do
        for language in en de; do
            [ -s "$pictures/$window-$language.png" ] || fail "no picture $window-$language.png"
        done
    done
    echo "pictures: $(cd "$pictures" && ls | wc -l) in build-windows/pictures"
    # The panels stored settings; the export below starts from none.
    rm -rf "$documents/Korvane"
}

echo "== plexmoor.exe info"
wine "$bin/plexmoor.exe" info examples/Catalog.proj >"$work/info.txt" || fail "info failed"
grep -q "activation: accepted (0)" "$work/info.txt" || fail "the plug-in was not activated"
tr -d '\r' <"$work/info.txt" | head -4
check_plugin_resources
check_win32_dialogs

echo "== plexmoor.exe export (EPS)"
mkdir "$work/out"
winout="Z:$(echo "$work/out" | tr / '\\')\\"
wine "$bin/plexmoor.exe" export examples/Catalog.proj --pages ii-1 --to "$winout" \
    >"$work/export.txt" || fail "export failed: $(cat "$work/export.txt")"
expected="Catalog_001.eps Catalog_ii.eps Catalog_iii.eps Catalog_iv.eps"
[ "$(cd "$work/out" && echo *)" = "$expected" ] || fail "files written: $(ls "$work/out")"
grep -q $'^%%Plexmoor: 6.72\r$' "$work/out/Catalog_001.eps" ||
    fail "the plug-in's PostScript comment does not end in CR LF"

ini="$documents/Korvane/Plexmoor.ini"
[ -f "$ini" ] || fail "no settings file in Documents\\Korvane"
grep -q $'^\\[General\\]\r$' "$ini" || fail "the settings file has no [General] line ending in CR LF"
if grep -q $'[^\r]$' "$ini" || [ "$(tail -c 2 "$ini" | od -An -c | tr -d ' ')" != '\r\n' ]; then
    fail "the settings file has lines not ending in CR LF"
fi

echo "== plexmoor.exe export (PDF, no Ghostscript for Windows here)"
mkdir "$work/pdf"
winpdf="Z:$(echo "$work/pdf" | tr / '\\')\\"
status=0
wine "$bin/plexmoor.exe" export examples/Catalog.proj --pages 1 --style "Default PDF" \
    --to "$winpdf" >"$work/pdf.txt" 2>&1 || status=$?
[ "$status" -eq 3 ] || fail "a PDF export without Ghostscript ended with status $status"
grep -q 'Ghostscript (.*) was not found' "$work/pdf.txt" ||
    fail "no clear message without Ghostscript: $(cat "$work/pdf.txt")"
[ -z "$(ls -A "$work/pdf")" ] || fail "a PDF export without Ghostscript left files: $(ls -A "$work/pdf")"

if [ -x build/bin/plexmoor ]; then
    echo "== the same export on Linux"
    mkdir "$work/linux" "$work/home"
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.state" \
        build/bin/plexmoor export examples/Catalog.proj --pages ii-1 --to "$work/linux/" >/dev/null
    [ "$(cd "$work/linux" && echo *)" = "$expected" ] || fail "the Linux build wrote other files"
    for f in $expected; do
        diff <(tr -d '\r' <"$work/out/$f" | grep -v '^%%CreationDate:') \
             <(grep -v '^%%CreationDate:' "$work/linux/$f") >/dev/null ||
            fail "$f differs from the Linux build's"
    done
fi

check_non_ascii_paths

tests_start=$SECONDS
run_test_programs
echo "test programs: $((SECONDS - tests_start)) s"

echo "windows stage passed: build ${build_seconds} s, wine $((SECONDS - wine_start)) s," \
     "whole stage $((SECONDS - stage_start)) s"
