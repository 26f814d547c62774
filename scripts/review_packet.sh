#!/usr/bin/env bash
# Turns a printed packet (an RTF document from "wendmoor4 print") into one PNG
# per printed page, for reviewing the forms as they will look on paper:
# LibreOffice converts the document to PDF, pdftoppm renders each page.
#
#   scripts/review_packet.sh PACKET.rtf OUT_DIR [DPI]
#
# Writes OUT_DIR/<name>.pdf and OUT_DIR/<name>-1.png, -2.png, ... and prints
# the number of pages.
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: $0 PACKET.rtf OUT_DIR [DPI]" >&2
  exit 2
fi
packet=$1
out=$2
dpi=${3:-80}
[ -f "$packet" ] || { echo "$0: no such file: $packet" >&2; exit 1; }
command -v soffice >/dev/null || { echo "$0: soffice (libreoffice-writer-nogui) is not installed" >&2; exit 1; }
command -v pdftoppm >/dev/null || { echo "$0: pdftoppm (poppler-utils) is not installed" >&2; exit 1; }

mkdir -p "$out"
name=$(basename "${packet%.*}")
# A private profile keeps a running LibreOffice of the user out of the way.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
soffice -env:UserInstallation=file://"$profile" --headless --convert-to pdf --outdir "$out" "$packet" >/dev/null 2>&1
pdf="$out/$name.pdf"
[ -f "$pdf" ] || { echo "$0: LibreOffice did not convert $packet" >&2; exit 1; }
rm -f "$out/$name"-*.png
pdftoppm -r "$dpi" -png "$pdf" "$out/$name"
pages=$(ls "$out/$name"-*.png | wc -l)
echo "$pages page(s): $out/$name-*.png"
