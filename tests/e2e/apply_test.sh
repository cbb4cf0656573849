#!/bin/bash
# Applies wallpapers as a user does: opens a list of three real images,
# selects a row and presses Enter, then double-clicks another row with the
# mouse. After each: the desktop values in the registry, the pixels of
# CurrentPaper.bmp against the source image, the Count column and the
# " *" of the title. Closing with "Auto Save" on then saves the list without
# a question; the saved bytes and the settings in the registry are checked.
#
# The program writes CurrentPaper.bmp next to varnello.exe, here in the build
# folder.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

program_folder=$(e2e_winpath "$(dirname "$VARNELLO_EXE")")
current_paper=$(dirname "$VARNELLO_EXE")/CurrentPaper.bmp
work=$(e2e_winpath "$E2E_WORK")
rm -f "$current_paper"

e2e_step "images: two 24-bit PNGs and a 16-colour (4-bit) BMP"
convert -size 32x20 gradient:yellow-navy -depth 8 PNG24:a.png || e2e_fail "convert a.png"
convert -size 40x30 gradient:red-blue -depth 8 \
  -fill white -draw 'rectangle 3,4 12,9' -fill black -draw 'point 39,29' PNG24:b.png ||
  e2e_fail "convert b.png"
convert -size 24x16 pattern:checkerboard -fill red -draw 'rectangle 2,2 8,8' \
  -type Palette -colors 16 BMP3:c.bmp || e2e_fail "convert c.bmp"

# The registry value of the desktop key as `wine reg query` shows it.
desktop_value() {
  local out=$E2E_WORK/.reg.out
  wine reg query 'HKCU\Control Panel\Desktop' /v "$1" >"$out" 2>/dev/null </dev/null ||
    { echo "<none>"; return; }
  tr -d '\r' <"$out" | sed -n "s/^ *$1 *REG_SZ *//p"
}

# Compares the pixels of CurrentPaper.bmp with the source image: same size
# and no differing pixel (alpha ignored). Wine's BMP encoder leaves the
# palette out of the file-size field of an indexed bitmap; ImageMagick warns
# about that ("length and filesize do not match") and reads the pixels all
# the same, so that warning alone is let through.
expect_same_pixels() {
  local source=$1 ae
  expect_eq "size of CurrentPaper.bmp" "$(identify -format '%w %h' "$source")" \
    "$(identify -format '%w %h' "$current_paper" 2>/dev/null)"
  convert "$source" -alpha off ppm:expected.ppm || e2e_fail "convert $source"
  rm -f written.ppm
  if ! convert "$current_paper" -alpha off ppm:written.ppm 2>convert.err; then
    grep -v 'length and filesize do not match' convert.err >&2 && e2e_fail "convert CurrentPaper.bmp"
    [ -s written.ppm ] || e2e_fail "convert CurrentPaper.bmp: no pixels"
  fi
  ae=$(compare -metric AE expected.ppm written.ppm null: 2>&1)
  expect_eq "pixels of CurrentPaper.bmp that differ from $source" 0 "$ae"
}

# The list: interval off, 1 hour 30 minutes, default position "Tile".
list_settings() {
  vld_string 'VLD Version 3'
  vld_int32 0; vld_int32 1; vld_int32 30
  vld_string 'Tile'; vld_string ''; vld_int32 0
}
item() { vld_string "$work\\$1"; vld_string "$2"; vld_int32 "$3"; vld_int32 "$4"; }
{ list_settings; vld_int32 3; item a.png Center 4 1; item b.png Tile 0 1; item c.bmp Stretch 7 0; } >LIST.vld
{ list_settings; vld_int32 3; item a.png Center 4 1; item b.png Tile 1 0; item c.bmp Stretch 8 0; } >expected.vld

inspect reg-set 'HKCU\Software\Quillfen\Varnello' 'Auto Save' dword 1
inspect reg-set 'HKCU\Control Panel\Desktop' Wallpaper sz ''
inspect reg-set 'HKCU\Control Panel\Desktop' TileWallpaper sz 0
inspect reg-set 'HKCU\Control Panel\Desktop' WallpaperStyle sz 2

e2e_step "open LIST.vld from the command line"
e2e_start LIST.vld
expect_eq "rows" "count: 3
row 0: a.png|$work|Center|4
row 1: b.png|$work|Tile|0
row 2: c.bmp|$work|Stretch|7" "$(inspect rows)"

e2e_step "select b.png (Tile) and press Enter"
inspect select 1
e2e_key Return
inspect wait-title 'LIST.vld * - Varnello' >/dev/null
expect_eq "Count column after Enter" "count: 3
row 0: a.png|$work|Center|4
row 1: b.png|$work|Tile|1
row 2: c.bmp|$work|Stretch|7" "$(inspect rows)"
expect_eq "no box" "dialog: none" "$(inspect dialog)"
expect_eq "Wallpaper" "$program_folder\\CurrentPaper.bmp" "$(desktop_value Wallpaper)"
expect_eq "TileWallpaper for Tile" 1 "$(desktop_value TileWallpaper)"
expect_eq "WallpaperStyle for Tile" 0 "$(desktop_value WallpaperStyle)"
[ -f "$current_paper" ] || e2e_fail "no CurrentPaper.bmp next to varnello.exe"
expect_eq "CurrentPaper.bmp is a bitmap" BM "$(head -c 2 "$current_paper")"
expect_same_pixels b.png

e2e_step "double-click c.bmp (Stretch)"
point=$(inspect row-point 2) || exit 1
set -- $point
e2e_click "$2" "$3" double
expect_soon "Count column after the double-click" "count: 3
row 0: a.png|$work|Center|4
row 1: b.png|$work|Tile|1
row 2: c.bmp|$work|Stretch|8" rows
expect_eq "selection" "selected: 2" "$(inspect selection | head -1)"
expect_eq "no box" "dialog: none" "$(inspect dialog)"
expect_eq "title" "title: LIST.vld * - Varnello" "$(inspect title)"
expect_eq "TileWallpaper for Stretch" 0 "$(desktop_value TileWallpaper)"
expect_eq "WallpaperStyle for Stretch" 2 "$(desktop_value WallpaperStyle)"
expect_same_pixels c.bmp
expect_eq "bits per pixel of CurrentPaper.bmp (the source's)" "$(od -An -tu2 -j28 -N2 c.bmp)" \
  "$(od -An -tu2 -j28 -N2 "$current_paper")"

e2e_step "close with Auto Save: saved without a question"
e2e_close
expect_file "saved list" expected.vld LIST.vld
key='HKCU\Software\Quillfen\Varnello'
expect_eq "settings after the close" "$key\\Auto Save = dword:1
$key\\Last Document = sz:$work\\LIST.vld
$key\\Last List Folder = sz:$program_folder
$key\\Col_Name = dword:150
$key\\Col_Count = dword:42
$key\\Snap Limit = dword:10
$key\\Sort Ascending = dword:1" \
  "$(inspect reg-get "$key" 'Auto Save' reg-get "$key" 'Last Document' reg-get "$key" 'Last List Folder' \
     reg-get "$key" Col_Name reg-get "$key" Col_Count reg-get "$key" 'Snap Limit' \
     reg-get "$key" 'Sort Ascending')"
expect_eq "Wallpaper after the close" "$program_folder\\CurrentPaper.bmp" "$(desktop_value Wallpaper)"
echo "PASS"
