#!/bin/sh
# One PDF per form against one PDF of the whole packet, for every form of the
# rich sample case: wall time of "wendmoor4 print ... --forms all" with
# --pdf-folder (one LibreOffice run, then split by the forms' page ranges)
# and with --pdf (one LibreOffice run), the median of RUNS runs each, and
# their ratio. Both include the calculation and the merge (well under a
# second); the conversion is the rest.
#
#   scripts/bench_form_pdfs.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-build}
runs=${2:-3}
here=$(cd "$(dirname "$0")/.." && pwd)
program="$build/src/app/wendmoor4"
[ -x "$program" ] || program="$build/wendmoor4"
[ -x "$program" ] || { echo "no wendmoor4 in $build" >&2; exit 1; }
case_file="$here/tests/fixtures/rich_sample.wm4"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seconds() {  # runs the command, prints its wall time in seconds
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN {printf "%.2f\n", b - a}'
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: > "$work/whole"
: > "$work/forms"
i=0
while [ "$i" -lt "$runs" ]; do
    seconds "$program" print "$case_file" "$work/p.rtf" --forms all --pdf "$work/p.pdf" >> "$work/whole"
    rm -rf "$work/forms.d"
    seconds "$program" print "$case_file" "$work/p.rtf" --forms all --pdf-folder "$work/forms.d" >> "$work/forms"
    i=$((i + 1))
done
whole=$(median < "$work/whole")
forms=$(median < "$work/forms")
pages=$(pdfinfo "$work/p.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
count=$(ls "$work/forms.d" | wc -l)
echo "whole packet: $pages pages, median ${whole} s"
echo "one PDF per form: $count PDFs, median ${forms} s"
awk -v f="$forms" -v w="$whole" 'BEGIN {printf "ratio: %.2f\n", f / w}'
