#!/usr/bin/env bash
# Makes examples/Handbook.pdf from examples/Handbook.ps with Ghostscript:
# twelve A5 pages labelled i-iv and 1-8, facing pages, fonts embedded.
set -euo pipefail
cd "$(dirname "$0")"
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -dPDFSETTINGS=/prepress \
   -dAutoRotatePages=/None -o Handbook.pdf Handbook.ps
