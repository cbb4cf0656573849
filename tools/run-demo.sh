#!/bin/bash
# Builds Varnello and starts it under Wine with a demo list of five small
# images made here with ImageMagick.
#
# With an X display the program is left running. Without one it runs in
# Wine's virtual desktop under Xvfb, a screenshot of the main window is
# saved, and everything is ended again.
#
# Environment: VARNELLO_BUILD (default build/win) is the Windows build
# tree; the demo's images, list, prefix and screenshot go to build/demo.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=${VARNELLO_BUILD:-build/win}
demo=$root/build/demo
jobs=$(nproc 2>/dev/null || echo 2)

bash tools/install-deps.sh

have_display() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }
if ! have_display && [ "${1:-}" != --in-xvfb ]; then
  # No display: all of this again under a virtual X server.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/tools/run-demo.sh" --in-xvfb
fi

echo "==== building varnello.exe in $build"
if [ "$build" = build/win ]; then
  cmake --preset win >/dev/null
else
  cmake --preset win -B "$build" >/dev/null
fi
cmake --build "$build" -j"$jobs" --target varnello vinspect
exe=$root/$build/varnello.exe
inspector=$root/$build/tests/vinspect.exe

echo "==== making the demo list in $demo"
mkdir -p "$demo/images"
cd "$demo/images"
[ -f "Dusk Gradient.jpg" ] || convert -size 640x400 gradient:'#101848-#f08838' -quality 90 "Dusk Gradient.jpg"
[ -f "Plasma Clouds.jpg" ] || convert -seed 7 -size 640x400 plasma:'#2060c0-#e0f0ff' -quality 85 "Plasma Clouds.jpg"
[ -f "Radial Glow.bmp" ] || convert -size 320x200 radial-gradient:'#fff6c0-#203060' BMP3:"Radial Glow.bmp"
[ -f "checkers.png" ] || convert -size 64x64 pattern:checkerboard -fill '#3a7a50' -tint 100 "checkers.png"
[ -f "Hexagons.png" ] || convert -size 320x200 pattern:hexagons -fill '#804080' -colorize 40 "Hexagons.png"

# List file pieces: a string with its length prefix, a 32-bit integer.
string() {
  local LC_ALL=C
  local n=${#1}
  if [ "$n" -lt 255 ]; then
    printf "\\x$(printf %02x "$n")"
  else
    printf "\\xff\\x$(printf %02x $(( n & 255 )))\\x$(printf %02x $(( n >> 8 )))"
  fi
  printf '%s' "$1"
}
int32() {
  local v=$(( $1 & 0xFFFFFFFF ))
  printf "\\x$(printf %02x $(( v & 255 )))\\x$(printf %02x $(( (v >> 8) & 255 )))"
  printf "\\x$(printf %02x $(( (v >> 16) & 255 )))\\x$(printf %02x $(( (v >> 24) & 255 )))"
}
# Wine sees the Unix root as drive Z:.
folder="Z:${demo//\//\\}\\images"
{
  # Version 3, fresh settings: no interval, default position Stretch,
  # no last folder, no subfolders.
  string "VLD Version 3"; int32 0; int32 0; int32 0; string Stretch; string "$folder"; int32 0
  int32 5
  string "$folder\\Dusk Gradient.jpg"; string Stretch; int32 4; int32 0
  string "$folder\\Plasma Clouds.jpg"; string Stretch; int32 2; int32 1
  string "$folder\\Radial Glow.bmp"; string Center; int32 0; int32 1
  string "$folder\\checkers.png"; string Tile; int32 11; int32 1
  string "$folder\\Hexagons.png"; string Tile; int32 1; int32 1
} >"$demo/Demo.vld"
cd "$demo"
# A Windows path: the program's command line takes "/..." for a flag.
list="Z:${demo//\//\\}\\Demo.vld"

export WINEPREFIX=$demo/wineprefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="

if [ "${1:-}" != --in-xvfb ]; then
  "$root/tools/wine-prefix-init"
  echo "==== starting Varnello on $DISPLAY (prefix $WINEPREFIX)"
  nohup wine "$exe" "$list" >"$demo/varnello.log" 2>&1 </dev/null &
  echo "Varnello is running with $demo/Demo.vld; end it with File > Exit."
  exit 0
fi

"$root/tools/wine-prefix-init"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
echo "==== starting Varnello in Wine's virtual desktop under Xvfb"
# The virtual desktop draws the windows' frames and title bars, which a
# bare X server without a window manager would not.
wine explorer /desktop=Varnello,1024x768 "$exe" "$list" >"$demo/varnello.log" 2>&1 </dev/null &
# The inspector reports what the window shows once it is there.
wine "$inspector" desktop Varnello wait-window 60000 sleep 1500 title rows status rect \
  >"$demo/window.txt" 2>&1 </dev/null ||
  { cat "$demo/window.txt"; echo "Varnello did not show its window" >&2; exit 1; }
grep -v '^rect:' "$demo/window.txt" | sed 's/^/  /'

# The screenshot is cut to the main window's rectangle on the desktop.
set -- $(grep '^rect:' "$demo/window.txt")
geometry="$(( $4 - $2 ))x$(( $5 - $3 ))+$2+$3"
desktop=$(xdotool search --name 'Varnello - Wine desktop' | head -1)
shot=$demo/varnello-demo.png
import -window "${desktop:-root}" -crop "$geometry" +repage "$shot"
echo "Screenshot of the main window: $shot"

# As a user would: select the first row, press Enter, and the desktop
# behind the window shows that image as its wallpaper.
wine "$inspector" desktop Varnello wait-window 10000 select 0 key Return sleep 3000 rows \
  >"$demo/applied.txt" 2>&1 </dev/null || { cat "$demo/applied.txt"; exit 1; }
grep '^row 0' "$demo/applied.txt" | sed 's/^/  applied: /' || true
wallpaper=$demo/varnello-wallpaper.png
import -window root "$wallpaper"
echo "Screenshot of the whole screen after Enter on the first row: $wallpaper"
