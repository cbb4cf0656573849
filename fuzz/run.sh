#!/bin/bash
# Runs the list-file reader fuzzer from the seed corpus for a number of
# seconds; fails on any finding.
set -eu
build=${1:-build/fuzz}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/corpus/* "$work"/ 2>/dev/null || true
"$build/fuzz/fuzz_list_reader" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
  -artifact_prefix="$build/" -print_final_stats=1 "$work"
