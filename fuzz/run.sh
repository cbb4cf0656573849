#!/bin/bash
# Runs the fuzzers from their seed corpora for a number of seconds in all
# (three quarters for the list file reader, the rest for the photo
# orientation reader); fails on any finding.
set -eu
build=${1:-build/fuzz}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fuzz TARGET CORPUS SECONDS MAX_LEN
fuzz() {
  mkdir -p "$work/$1"
  cp "$here/$2"/* "$work/$1"/ 2>/dev/null || true
  "$build/fuzz/$1" -max_total_time="$3" -max_len="$4" -rss_limit_mb=2048 \
    -artifact_prefix="$build/$1-" -print_final_stats=1 "$work/$1"
}
list_seconds=$(( seconds * 3 / 4 ))
fuzz fuzz_list_reader corpus "$list_seconds" 4096
fuzz fuzz_exif_orientation exif_corpus "$(( seconds - list_seconds ))" 70000
