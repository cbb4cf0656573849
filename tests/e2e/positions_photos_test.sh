#!/bin/bash
# The positions of today's desktops and upright photos. Four JPEGs whose
# EXIF orientation tags are 2, 3, 6 and 8 (two in each byte order), listed
# as Fill, Fit, Span and Center, are applied one by one: the desktop's style
# values, and the size of CurrentPaper.bmp and where the photo's four
# coloured quarters lie in it. Then the Position commands Fill, Fit and
# Span, the default-position list of List Settings, and the list saved with
# the new names and opened and saved again, byte for byte.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

current_paper=$(dirname "$VARNELLO_EXE")/CurrentPaper.bmp
work=$(e2e_winpath "$E2E_WORK")
desktop='HKCU\Control Panel\Desktop'

e2e_step "photos of 40x20 with quarters red, lime / blue, yellow, tagged 2, 3, 6, 8"
convert -size 20x10 xc:red xc:lime +append \( -size 20x10 xc:blue xc:yellow +append \) \
  -append -quality 100 -strip base.jpg || e2e_fail "convert base.jpg"
# The photo with an EXIF block (APP1) right after SOI: one directory entry,
# the orientation, in the byte order II or MM.
tagged() {
  printf '\xff\xd8\xff\xe1\x00\x22Exif\x00\x00'
  if [ "$1" = II ]; then
    printf 'II*\x00\x08\x00\x00\x00\x01\x00\x12\x01\x03\x00\x01\x00\x00\x00'"\\x0$2"'\x00\x00\x00\x00\x00\x00\x00'
  else
    printf 'MM\x00*\x00\x00\x00\x08\x00\x01\x01\x12\x00\x03\x00\x00\x00\x01\x00'"\\x0$2"'\x00\x00\x00\x00\x00\x00'
  fi
  tail -c +3 base.jpg
}
tagged II 2 >o2.jpg; tagged MM 3 >o3.jpg; tagged MM 6 >o6.jpg; tagged II 8 >o8.jpg

# "W H: TL TR BL BR", the size of CurrentPaper.bmp and the colours at the
# middle of its quarters.
quarters() {
  local size w h x y fx=
  size=$(identify -format '%w %h' "$current_paper" 2>/dev/null)
  read -r w h <<<"$size"
  for y in $((h / 4)) $((h * 3 / 4)); do
    for x in $((w / 4)) $((w * 3 / 4)); do
      fx+=" %[fx:p{$x,$y}.r>0.5]%[fx:p{$x,$y}.g>0.5]%[fx:p{$x,$y}.b>0.5]"
    done
  done
  echo "$size: $(convert "$current_paper" -format "$fx" info: 2>/dev/null |
    sed 's/100/red/g; s/010/lime/g; s/001/blue/g; s/110/yellow/g; s/^ *//')"
}

settings() {
  vld_string 'VLD Version 3'; vld_int32 0; vld_int32 0; vld_int32 0
  vld_string 'Span'; vld_string ''; vld_int32 0; vld_int32 4
}
item() { vld_string "$work\\$1"; printf "$2"; vld_int32 "$3"; vld_int32 "$4"; }
{ settings; item o2.jpg '\x04Fill' 0 1; item o3.jpg '\x03Fit' 0 1
  item o6.jpg '\x04Span' 0 1; item o8.jpg '\x06Center' 0 1; } >LIST.vld
{ settings; item o2.jpg '\x03Fit' 1 0; item o3.jpg '\x04Span' 1 0
  item o6.jpg '\x04Fill' 1 0; item o8.jpg '\x04Fill' 1 0; } >expected.vld
inspect reg-set "$desktop" TileWallpaper sz 1
inspect reg-set "$desktop" WallpaperStyle sz 0

e2e_start LIST.vld
for case in "0|0 10|40 20: lime red yellow blue" "1|0 6|40 20: yellow blue lime red" \
            "2|0 22|20 40: blue red yellow lime" "3|0 0|20 40: lime yellow red blue"; do
  IFS='|' read -r row style picture <<<"$case"
  e2e_step "apply row $row"
  rm -f "$current_paper"
  inspect select "$row" send-command 32788 >/dev/null
  expect_eq "row $row: TileWallpaper, WallpaperStyle and the picture" "$style|$picture" \
    "$(inspect reg-get "$desktop" TileWallpaper reg-get "$desktop" WallpaperStyle |
       sed 's/.*sz://' | tr '\n' ' ' | sed 's/ $//')|$(quarters)"
done

e2e_step "Position > Fill for all, Fit for row 0, Span for row 1"
inspect select all send-command 32814 select 0 send-command 32815 select 1 send-command 32816
expect_eq "positions" "count: 4
row 0: o2.jpg|$work|Fit|1
row 1: o3.jpg|$work|Span|1
row 2: o6.jpg|$work|Fill|1
row 3: o8.jpg|$work|Fill|1" "$(inspect rows)"

e2e_step "List Settings: the six positions, the list's Span chosen"
inspect command 32783
expect_eq "default position" "ComboBox 1011: Span [items Center|Fill|Fit|Span|Stretch|Tile]" \
  "$(inspect wait-dialog | grep '^ComboBox')"
inspect press Cancel wait-no-dialog >/dev/null

e2e_step "save, open again, save again"
inspect send-command 57603 wait-title 'LIST.vld - Varnello' >/dev/null
expect_file "saved list" expected.vld LIST.vld
e2e_close
e2e_start LIST.vld
expect_eq "positions after opening" "o2.jpg|Fit o3.jpg|Span o6.jpg|Fill o8.jpg|Fill" \
  "$(inspect rows | sed -n 's/^row [0-9]*: \([^|]*\)|[^|]*|\([^|]*\)|.*/\1|\2/p' | tr '\n' ' ' |
     sed 's/ $//')"
inspect send-command 57603 >/dev/null
expect_file "list saved again" expected.vld LIST.vld
e2e_close
echo PASS
