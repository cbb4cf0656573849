#!/bin/bash
# Large lists in the real program: varnello.exe under Wine, worked from
# outside with the inspector, each operation beside its floor measured in
# the same run. Prints one line per operation:
#
#   operation   program   floor   ratio   goal
#
# usage: bench/large_list.sh [BUILD_DIR] [RELEASE_DIR]
#   BUILD_DIR    a build of the win preset (default build/win): varnello.exe,
#                vldtool.exe, tests/vinspect.exe and bench/floors.exe
#   RELEASE_DIR  a build of the release preset for the memory figures
#                (default build/release; skipped when it has no varnello.exe)
#
# The lists hold paths like C:\Pictures\Album 0042\Photo_012345.jpg; every
# file exists (empty), so the dead-item scan keeps them all. The work lives
# in BUILD_DIR/bench-large with a Wine prefix of its own. Run it on an idle
# machine: figures taken while other work runs say little.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/win}" && pwd)
release=${2:-$here/build/release}
exe=$build/varnello.exe
for f in "$exe" "$build/vldtool.exe" "$build/tests/vinspect.exe" "$build/bench/floors.exe"; do
  [ -f "$f" ] || { echo "missing $f: build the win preset first" >&2; exit 1; }
done
command -v djpeg >/dev/null || { echo "djpeg missing (libjpeg-turbo-progs)" >&2; exit 1; }

work=$build/bench-large
mkdir -p "$work"
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
"$here/tools/wine-prefix-init" --unmanaged || exit 1
trap 'wineserver -k >/dev/null 2>&1' EXIT
drive=$WINEPREFIX/drive_c
pics='C:\Pictures'
key='HKCU\Software\Quillfen\Varnello'

now() { date +%s%N; }
ms_since() { echo $(( ($(now) - $1) / 1000000 )); }
winpath() { echo "Z:$1" | tr / '\\'; }
vi() { wine "$build/tests/vinspect.exe" poll 5 "$@" 2>&1 </dev/null; }
# The figure printed by the inspector's elapsed command LABEL.
figure() { awk -v l="$1" '$1 == l { printf "%d\n", $2 }'; }
# Best (lowest) of the numbers on standard input.
best() { sort -n | head -1; }

# ---- Data: the files on disk, the lists, the folder to add, a large JPEG.
make_data() {
  python3 - "$drive" "$work" <<'PY'
import os, struct, sys
drive, work = sys.argv[1], sys.argv[2]
def s(text):
    b = text.encode('cp1252')
    if len(b) < 0xFF:
        return bytes([len(b)]) + b
    return b'\xff' + struct.pack('<H', len(b)) + b
def path(i):
    return 'C:\\Pictures\\Album %04d\\Photo_%06d.jpg' % (i // 1000, i)
for i in range(100000):
    p = os.path.join(drive, 'Pictures', 'Album %04d' % (i // 1000))
    if i % 1000 == 0:
        os.makedirs(p, exist_ok=True)
    open(os.path.join(p, 'Photo_%06d.jpg' % i), 'wb').close()
add = os.path.join(drive, 'Pictures', 'Add20k')
os.makedirs(add, exist_ok=True)
for i in range(20000):
    open(os.path.join(add, 'New_%05d.jpg' % i), 'wb').close()
for n in (5000, 20000, 100000):
    out = s('VLD Version 3') + struct.pack('<iii', 0, 0, 0) + s('Stretch') + s('') + \
        struct.pack('<ii', 0, n)
    items = [s(path(i)) + s(('Center', 'Stretch', 'Tile')[i % 3]) + struct.pack('<ii', i % 7, 1)
             for i in range(n)]
    with open(os.path.join(work, 'list%d.vld' % n), 'wb') as f:
        f.write(out + b''.join(items))
with open(os.path.join(work, 'paths.txt'), 'w') as f:
    f.write('\n'.join(path(i) for i in range(100000)) + '\n')
with open(os.path.join(work, 'big.vld'), 'wb') as f:
    f.write(s('VLD Version 3') + struct.pack('<iii', 0, 0, 0) + s('Stretch') + s('') +
            struct.pack('<ii', 0, 1) + s('C:\\Pictures\\big.jpg') + s('Stretch') +
            struct.pack('<ii', 0, 1))
PY
  [ -f "$drive/Pictures/big.jpg" ] ||
    convert -size 6000x4000 -seed 1246 plasma:fractal -quality 90 "$drive/Pictures/big.jpg"
}
[ -f "$work/big.vld" ] && [ -f "$drive/Pictures/big.jpg" ] || make_data

# ---- The program.
PID=
# Starts varnello.exe with the arguments (after fresh default settings).
launch() {
  wine "$exe" "$@" >"$work/program.log" 2>&1 </dev/null &
  PID=$!
}
fresh_settings() { vi reg-delete "$key" >/dev/null; }
# Closes the program without saving and waits for it to end.
finish() {
  vi close >/dev/null
  vi wait-exit 3000 >/dev/null 2>&1 || vi press No wait-exit 120000 >/dev/null 2>&1
  wait "$PID" 2>/dev/null
  PID=
}
# Private memory (clean + dirty) in KB of the Linux process running the exe.
private_kb() {
  local pid
  pid=$(pgrep -f "$1" | head -1)
  [ -n "$pid" ] || { echo 0; return; }
  awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/$pid/smaps_rollup"
}

line() {  # operation program floor goal
  awk -v o="$1" -v p="$2" -v f="$3" -v g="$4" 'BEGIN {
    r = (f > 0) ? sprintf("%.2f", p / f) : "-"
    printf "%-34s %9s ms %9s ms %7s   %s\n", o, p, (f > 0 ? f : "-"), r, g }'
}

echo "varnello.exe: $exe"
echo "$(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-34s %12s %12s %7s   %s\n' operation program floor ratio goal

# Warm up the prefix and the program's first start.
fresh_settings; launch; vi wait-window 60000 >/dev/null; finish

# Floors of a start: the empty list, and reading each list with vldtool.
empty_start=$(for _ in 1 2 3; do
  fresh_settings; t=$(now); launch; vi wait-window 60000 wait-count 0 >/dev/null; ms_since "$t"; finish
done | best)
empty_close=$(for _ in 1 2 3; do
  fresh_settings; launch; vi wait-window 60000 wait-count 0 >/dev/null
  vi mark close wait-exit 60000 elapsed close | figure close; wait "$PID"; PID=
done | best)
line "start, empty list" "$empty_start" 0 ""
for n in 5000 20000 100000; do
  list=$(winpath "$work/list$n.vld")
  dump=$(for _ in 1 2 3; do
    t=$(now); wine "$build/vldtool.exe" dump "$list" >/dev/null 2>&1 </dev/null; ms_since "$t"
  done | best)
  fresh_settings; t=$(now); launch "$list"
  vi wait-window 120000 wait-count "$n" 300000 >/dev/null
  open=$(ms_since "$t")
  line "open $n from the command line" "$open" $((empty_start + dump)) "<= 3x (empty start + vldtool dump)"
  close=$(vi mark close wait-exit 300000 elapsed close | figure close)
  wait "$PID"; PID=
  line "close $n" "$close" "$empty_close" "< empty close + 1000 ms"
done

n=100000
list=$(winpath "$work/list$n.vld")
dump=$(t=$(now); wine "$build/vldtool.exe" dump "$list" >/dev/null 2>&1 </dev/null; ms_since "$t")

# File > Open: from pressing Open in the dialog to the rows shown.
fresh_settings; launch; vi wait-window 60000 wait-count 0 >/dev/null
opened=$(vi command 57601 wait-dialog set-text 1148 "$list" mark press Open wait-count $n 300000 \
  elapsed open | figure open)
line "open $n with File > Open" "$opened" "$dump" "<= 3x vldtool dump"
finish

# "Reload Last List" at start-up.
fresh_settings
vi reg-set "$key" "Reload Last List" dword 1 reg-set "$key" "Last Document" sz "$list" >/dev/null
t=$(now); launch; vi wait-window 120000 wait-count $n 300000 >/dev/null; reload=$(ms_since "$t")
line "open $n by Reload Last List" "$reload" $((empty_start + dump)) "<= 3x (empty start + vldtool dump)"

# With the list open: sort, select all, dead items, remove all.
point=$(vi column-point 3 | awk '{ print $2, $3 }')
sorted=$(vi mark click $point left wait-arrow 3 up 300000 elapsed sort | figure sort)
line "header click: sort $n by Count" "$sorted" 0 "< 1000 ms"
selected=$(vi mark send-command 32812 wait-selected $n elapsed select | figure select)
line "Select All on $n" "$selected" 0 "< 1000 ms"
exists=$(wine "$build/bench/floors.exe" exists "$(winpath "$work/paths.txt")" 2>/dev/null | figure exists)
dead=$(vi mark command 32810 wait-dialog 300000 elapsed dead | figure dead)
vi press OK >/dev/null  # of "No Dead Files Found"
line "Remove All Dead Items, none dead" "$dead" "$exists" "< floor + 1000 ms (floor: the file checks)"
removed=$(vi command 32777 wait-dialog mark press Yes wait-count 0 300000 elapsed remove | figure remove)
line "Remove All on $n" "$removed" 0 "< 1000 ms"
vi reg-set "$key" "Auto Save" dword 0 >/dev/null
kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null; PID=

# Add From Folder: 20,000 files, from OK to the rows shown (sorted, as Auto
# Sort is on); best of three, each into a new empty list, as is the floor.
added=$(for _ in 1 2 3; do
  fresh_settings; launch; vi wait-window 60000 wait-count 0 >/dev/null
  vi command 32772 wait-dialog set-text 1000 "$pics\\Add20k" mark press OK \
    wait-count 20000 300000 elapsed add | figure add
  finish
done | best)
enumerated=$(for _ in 1 2 3; do
  wine "$build/bench/floors.exe" enumerate "$pics\\Add20k" 2>/dev/null | figure enumerate
done | best)
line "Add From Folder, 20,000 files" "$added" "$enumerated" "<= 2x plain enumeration"

# Apply a 6000 x 4000 JPEG: the program (Apply Selected) against the raw
# GDI+ decode and BMP encode, and djpeg -bmp.
fresh_settings; launch "$(winpath "$work/big.vld")"; vi wait-window 60000 wait-count 1 >/dev/null
applied=$(for _ in 1 2 3; do
  vi select 0 mark send-command 32788 elapsed apply | figure apply
done | best)
finish
raw=$(wine "$build/bench/floors.exe" gdiplus "$pics\\big.jpg" "$(winpath "$work/raw.bmp")" 3 \
  2>/dev/null | figure gdiplus)
djpeg_ms=$(for _ in 1 2 3; do
  t=$(now); djpeg -bmp -outfile "$work/djpeg.bmp" "$drive/Pictures/big.jpg"; ms_since "$t"
done | best)
# Applying also hands the bitmap it wrote to the system, which the raw
# floor leaves out: that call alone, with the same bitmap.
handed=$(wine "$build/bench/floors.exe" wallpaper "$(winpath "$build/CurrentPaper.bmp")" 3 \
  2>/dev/null | figure wallpaper)
line "apply 6000 x 4000 JPEG" "$applied" "$raw" "<= 1.1x raw GDI+ decode + BMP encode"
line "  (djpeg -bmp of the same file)" "$djpeg_ms" 0 ""
line "  (the system taking the bitmap)" "$handed" 0 ""

# Idle private memory of the Release build: empty list against an empty
# window with a list view, and per item with 100,000 items.
if [ -f "$release/varnello.exe" ]; then
  wine "$build/bench/floors.exe" window >/dev/null 2>&1 </dev/null &
  floor_pid=$!
  vi frame-class ListWindowFloor wait-window 60000 >/dev/null; sleep 2
  floor_kb=$(private_kb 'floors.exe window')
  vi frame-class ListWindowFloor close >/dev/null; wait "$floor_pid"
  fresh_settings; wine "$release/varnello.exe" >/dev/null 2>&1 </dev/null & PID=$!
  vi wait-window 60000 wait-count 0 >/dev/null; sleep 2
  empty_kb=$(private_kb "$release/varnello.exe")
  finish
  fresh_settings; wine "$release/varnello.exe" "$list" >/dev/null 2>&1 </dev/null & PID=$!
  vi wait-window 120000 wait-count $n 300000 >/dev/null; sleep 2
  full_kb=$(private_kb "$release/varnello.exe")
  kill "$PID" 2>/dev/null; wait "$PID" 2>/dev/null; PID=
  per_item=$(( (full_kb - empty_kb) * 1024 / n ))
  own=$(awk '{ b += length($0) + 8 + 8 } END { printf "%d", b / NR }' "$work/paths.txt")
  printf '%-34s %9s KB %9s KB %7s   %s\n' "idle memory, empty list (release)" "$empty_kb" "$floor_kb" \
    "$(awk -v a="$empty_kb" -v b="$floor_kb" 'BEGIN { printf "%.2f", a / b }')" "<= 1.5x empty list view window"
  printf '%-34s %9s B  %9s B  %7s   %s\n' "memory per item, $n items" "$per_item" "$own" \
    "$(awk -v a="$per_item" -v b="$own" 'BEGIN { printf "%.2f", a / b }')" "<= about 2x the item's own bytes"
else
  echo "memory: no $release/varnello.exe (build the release preset)"
fi
