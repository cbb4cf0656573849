#!/bin/bash
# Applying a 24-megapixel JPEG (decode with GDI+, write CurrentPaper-style
# BMP) under Wine, against `djpeg -bmp` of the same file as the floor,
# measured in the same run. Both write their BMP into the same folder.
#
# usage: bench/apply_bench.sh [BUILD_DIR] [ROUNDS]
#   BUILD_DIR: a build of the win preset (default build/win)
# Needs: imagemagick (convert), libjpeg-turbo-progs (djpeg), wine.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/win}" && pwd)
rounds=${2:-3}
exe="$build/bench/apply_bench.exe"
[ -f "$exe" ] || { echo "no $exe: build the win preset first" >&2; exit 1; }
command -v djpeg >/dev/null || { echo "djpeg missing (apt-get install libjpeg-turbo-progs)" >&2; exit 1; }

data="$build/bench-data"
mkdir -p "$data"
jpeg="$data/big.jpg"
if [ ! -f "$jpeg" ]; then
  echo "making a 6000 x 4000 JPEG (ImageMagick plasma, quality 90)..."
  convert -size 6000x4000 -seed 1246 plasma:fractal -quality 90 "$jpeg"
fi

# The floor: best of the rounds of djpeg writing a BMP file.
best_floor=
for _ in $(seq "$rounds"); do
  start=$(date +%s%N)
  djpeg -bmp -outfile "$data/floor.bmp" "$jpeg"
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  if [ -z "$best_floor" ] || [ "$ms" -lt "$best_floor" ]; then best_floor=$ms; fi
done

# The program's way, timed inside the process (Wine's start-up excluded).
winpath() { echo "Z:$1" | tr / '\\'; }
out=$("$here/tools/wine-run" "$exe" "$(winpath "$jpeg")" "$(winpath "$data/CurrentPaper.bmp")" "$rounds")
echo "$out"
total=$(echo "$out" | awk '/^total_ms/ {print $2}')
[ -n "$total" ] || { echo "the benchmark printed no result" >&2; exit 1; }

echo "djpeg_bmp_ms $best_floor"
awk -v a="$total" -v b="$best_floor" 'BEGIN { printf "ratio %.2f (apply / djpeg -bmp)\n", a / b }'
