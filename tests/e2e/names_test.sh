#!/bin/bash
# File names in any script, end to end. Images named in Japanese, Greek,
# with an emoji and with an accented Latin letter, most of them in a folder
# with a Japanese name:
# - on a Windows-1252 system: a Japanese-named list opened from the command
#   line, Add From Folder, apply, the preview, recycling one file, All Dead
#   Items, save (café in the list's 8-bit form, the rest in the 16-bit
#   form); a copy of the program in a folder アプリ reopens it as the last
#   list, applies an image, opens its help, and takes a Japanese-named list
#   handed over by a second start;
# - on a code page 932 system: a list written there (folder 表, whose
#   second byte is a backslash) reads right and saves as Shift JIS, with
#   café in the 16-bit form;
# - the same program with the manifest's code page element taken out (as
#   a Windows that ignores it runs it) saves exactly as before: names the
#   code page lacks become "?".
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
W=$(e2e_winpath "$E2E_WORK")
# Recycled files go to the Recycle Bin of this test's own data folder.
export XDG_DATA_HOME=$E2E_WORK/xdg

# List-file pieces: TEXT in the 8-bit form of a code page (CP1252, CP932),
# and in the 16-bit form (FF FE FF, length in UTF-16 units, UTF-16LE).
vld_ansi() {
  local n
  n=$(printf '%s' "$2" | iconv -f UTF-8 -t "$1" | wc -c) || e2e_fail "iconv $1"
  printf "\\x$(printf %02x "$n")"
  printf '%s' "$2" | iconv -f UTF-8 -t "$1"
}
vld_wide() {
  local n
  n=$(( $(printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | wc -c) / 2 ))
  printf "\\xff\\xfe\\xff\\x$(printf %02x "$n")"
  printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE
}
vld_1252() { vld_ansi CP1252 "$1"; }
vld_932() { vld_ansi CP932 "$1"; }
# Fresh settings with the last folder, then an item: ENCODING is one of the
# functions above (or vld_string for ASCII).
settings() {  # ENCODING LAST_FOLDER
  vld_string 'VLD Version 3'; vld_int32 0; vld_int32 0; vld_int32 0; vld_string Stretch
  "$1" "$2"; vld_int32 0
}
item() { "$1" "$2"; vld_string "$3"; vld_int32 "$4"; vld_int32 "$5"; }  # ENCODING PATH ...

e2e_step "images in $W\\写真, and café.png next to the lists"
mkdir -p 写真
for name in 日本語 Ελληνικά 🌄 消える; do
  convert -size 16x12 gradient:yellow-navy PNG24:"写真/$name.png" || e2e_fail "convert $name"
done
convert -size 16x12 gradient:red-blue PNG24:café.png || e2e_fail "convert café"
{ settings vld_string ''; vld_int32 1; item vld_1252 "$W\\café.png" Stretch 0 1; } >壁紙.vld
program_folder=$(e2e_winpath "$(dirname "$VARNELLO_EXE")")
inspect reg-set 'HKCU\Control Panel\Desktop' Wallpaper sz ''

e2e_step "壁紙.vld from the command line, then Add From Folder with the Japanese folder"
e2e_start 壁紙.vld
expect_eq "title" "title: 壁紙.vld - Varnello" "$(inspect title)"
e2e_key shift+Insert
inspect wait-dialog 20000 >/dev/null
inspect set-text 1000 "$W\\写真" press OK wait-no-dialog 10000 wait-count 5 20000 >/dev/null
expect_eq "rows" "count: 5
row 0: café.png|$W|Stretch|0
row 1: Ελληνικά.png|$W\\写真|Stretch|0
row 2: 日本語.png|$W\\写真|Stretch|0
row 3: 消える.png|$W\\写真|Stretch|0
row 4: 🌄.png|$W\\写真|Stretch|0" "$(inspect rows)"

e2e_step "apply 日本語.png"
inspect select 2 >/dev/null
e2e_key Return
expect_soon "count after apply" "count: 5
row 0: café.png|$W|Stretch|0
row 1: Ελληνικά.png|$W\\写真|Stretch|0
row 2: 日本語.png|$W\\写真|Stretch|1
row 3: 消える.png|$W\\写真|Stretch|0
row 4: 🌄.png|$W\\写真|Stretch|0" rows
expect_soon "wallpaper" "HKCU\\Control Panel\\Desktop\\Wallpaper = sz:$program_folder\\CurrentPaper.bmp" \
  reg-get 'HKCU\Control Panel\Desktop' Wallpaper

e2e_step "the preview shows Ελληνικά.png without a box"
inspect select 1 >/dev/null
e2e_key F5
expect_eq "preview" "dialog: Wallpaper Preview" \
  "$(inspect wait-dialog 20000 sync dialog | grep '^dialog:' | tail -1)"
e2e_key Escape

e2e_step "recycle 🌄.png; All Dead Items takes 消える.png, deleted on disk"
inspect select 4 command 32775 wait-dialog 20000 >/dev/null
inspect press Yes wait-count 4 20000 >/dev/null
[ ! -e "写真/🌄.png" ] || e2e_fail "🌄.png is still there"
rm "写真/消える.png"
inspect command 32810 >/dev/null
expect_eq "dead-files box" 'static 65535: 1 dead file removed from the active list.' \
  "$(inspect wait-dialog 20000 | grep '^static 65535')"
inspect press OK wait-no-dialog 10000 >/dev/null

e2e_step "Ctrl+S: café in Windows-1252, the others in UTF-16"
e2e_key ctrl+s
{
  settings vld_wide "$W\\写真"; vld_int32 3
  item vld_1252 "$W\\café.png" Stretch 0 1
  item vld_wide "$W\\写真\\Ελληνικά.png" Stretch 0 1
  item vld_wide "$W\\写真\\日本語.png" Stretch 1 0
} >expected.vld
wait_file "saved list" expected.vld 壁紙.vld
inspect wait-title "壁紙.vld - Varnello" 20000 >/dev/null
e2e_close
expect_eq "Last Document" "HKCU\\Software\\Quillfen\\Varnello\\Last Document = sz:$W\\壁紙.vld" \
  "$(inspect reg-get 'HKCU\Software\Quillfen\Varnello' 'Last Document')"

e2e_step "a copy in アプリ reopens the last list, applies café.png, opens its help"
mkdir アプリ
cp "$VARNELLO_EXE" "$(dirname "$VARNELLO_EXE")/Varnello.chm" アプリ/ || e2e_fail "copy"
# Fresh settings: "Last List Folder" starts as the program's folder.
inspect reg-delete 'HKCU\Software\Quillfen\Varnello' \
  reg-set 'HKCU\Software\Quillfen\Varnello' 'Reload Last List' dword 1 \
  reg-set 'HKCU\Software\Quillfen\Varnello' 'Last Document' sz "$W\\壁紙.vld"
VARNELLO_EXE=$E2E_WORK/アプリ/varnello.exe e2e_start
expect_eq "reopened rows" "count: 3
row 0: café.png|$W|Stretch|0
row 1: Ελληνικά.png|$W\\写真|Stretch|0
row 2: 日本語.png|$W\\写真|Stretch|1" "$(inspect wait-title '壁紙.vld - Varnello' >/dev/null; inspect rows)"
inspect select 0 >/dev/null
e2e_key Return
expect_soon "wallpaper" "HKCU\\Control Panel\\Desktop\\Wallpaper = sz:$W\\アプリ\\CurrentPaper.bmp" \
  reg-get 'HKCU\Control Panel\Desktop' Wallpaper
inspect command 32787 >/dev/null
for i in $(seq 100); do
  xdotool search --onlyvisible --name '^Varnello Help$' >/dev/null 2>&1 && break
  sleep 0.1
done
expect_eq "help, no box" "dialog: none" "$(inspect dialog)"
xdotool search --onlyvisible --name '^Varnello Help$' >/dev/null 2>&1 || e2e_fail "no help viewer"

e2e_step "a second start hands over 絵.vld: the save question, then the list"
{ settings vld_string ''; vld_int32 0; } >絵.vld
timeout 60 wine "$E2E_WORK/アプリ/varnello.exe" 絵.vld >second.log 2>&1 </dev/null
expect_eq "exit code of the second start" 1 $?
expect_eq "save question" "static 65535: Save changes to 壁紙.vld?" \
  "$(inspect wait-dialog 20000 | grep '^static 65535')"
inspect press No
inspect wait-title "絵.vld - Varnello" 20000 >/dev/null
e2e_close
expect_eq "settings" "HKCU\\Software\\Quillfen\\Varnello\\Last List Folder = sz:$W\\アプリ
HKCU\\Software\\Quillfen\\Varnello\\Recent File List\\File1 = sz:$W\\絵.vld" \
  "$(inspect reg-get 'HKCU\Software\Quillfen\Varnello' 'Last List Folder' \
     reg-get 'HKCU\Software\Quillfen\Varnello\Recent File List' File1)"

e2e_step "code page 932: a version 2 list from a Japanese system"
if ! locale -a | grep -qix 'ja_JP.utf8'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || e2e_fail "cannot generate ja_JP.UTF-8 (package locales)"
fi
{
  vld_string 'VLD Version 2'; vld_int32 2
  vld_ansi CP932 日本語.png; vld_ansi CP932 "$W\\表\\"; vld_string Tiled; vld_int32 3; vld_int32 0
  vld_wide café.png; vld_string "$W"; vld_string Center; vld_int32 0; vld_int32 1
} >一覧.vld
{
  settings vld_string ''; vld_int32 2
  item vld_932 "$W\\表\\日本語.png" Tile 3 0
  item vld_wide "$W\\café.png" Center 0 1
} >expected932.vld
inspect reg-set 'HKCU\Software\Quillfen\Varnello' 'Reload Last List' dword 0
LANG=ja_JP.UTF-8 e2e_start 一覧.vld
expect_eq "rows under 932" "count: 2
row 0: 日本語.png|$W\\表|Tile|3
row 1: café.png|$W|Center|0" "$(inspect rows)"
e2e_key ctrl+s
wait_file "saved under 932" expected932.vld 一覧.vld
e2e_close

e2e_step "a Windows that ignores the manifest element: saved as before"
LC_ALL=C sed 's/activeCodePage/activeCodePagX/g' "$VARNELLO_EXE" >legacy.exe
[ "$(LC_ALL=C grep -c activeCodePagX legacy.exe)" -ge 1 ] || e2e_fail "no manifest element found"
{ settings vld_string ''; vld_int32 2
  item vld_1252 "$W\\café.png" Stretch 0 1
  item vld_wide "$W\\日本語.png" Stretch 0 1; } >legacy.vld
{ settings vld_string ''; vld_int32 2
  item vld_1252 "$W\\café.png" Stretch 0 1
  item vld_string "$W\\???.png" Stretch 0 1; } >expected-legacy.vld
VARNELLO_EXE=$E2E_WORK/legacy.exe e2e_start legacy.vld
e2e_key ctrl+s
wait_file "saved without UTF-8" expected-legacy.vld legacy.vld
e2e_close
echo "PASS"
