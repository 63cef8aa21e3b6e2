#!/usr/bin/env bash
# Installs what the build, the tests and the examples need on Debian.
# As root it installs what is missing; otherwise it prints the exact
# apt-get line and stops. `setup.sh windows` adds what the Windows stage
# needs: the mingw-w64 cross compiler (posix threads), Wine and Xvfb;
# `setup.sh mac` what the macOS stage needs: GNUstep's Foundation and
# AppKit with the GNU Objective-C runtime, its cairo back end, and Xvfb.
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config libgtest-dev libbenchmark-dev
          ghostscript qpdf libqpdf-dev poppler-utils time valgrind
          clang libclang-rt-14-dev) # the fuzz targets: clang and its libFuzzer runtime
if [ "${1:-}" = windows ]; then
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 xvfb)
fi
if [ "${1:-}" = mac ]; then
    packages+=(gnustep-make libgnustep-base-dev libgnustep-gui-dev gobjc++
               gnustep-back0.29-cairo gnustep-base-runtime xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
