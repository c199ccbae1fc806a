#!/bin/sh
# Writes one seed file per golden transcript case: the lines it types, one per line.
# usage: fuzz/make_seeds.sh TRANSCRIPT_DIR OUTPUT_DIR
set -eu
mkdir -p "$2"
for transcript in "$1"/*.txt; do
  awk -v prefix="$2/$(basename "$transcript" .txt)-" '
    /^=== / { seed = sprintf("%s%03d", prefix, n++); typing = 1; printf "" > seed; next }
    /^--- console$/ { typing = 0; close(seed); next }
    typing { print ($0 == "<empty>" ? "" : $0) > seed }
  ' "$transcript"
done
