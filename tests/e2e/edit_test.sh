#!/bin/bash
# Building a list in the running program: Shift+Ins opens the Add Folder
# dialog, which refuses an empty folder and then adds a folder with its
# subfolders (sorted, title marked, status count); Del removes two selected
# rows and selects the row that followed them; after a file is deleted on
# disk, All Dead Items removes its row with its box, and a second run finds
# nothing; Ctrl+S saves the list with the folder and the subfolder flag
# remembered. A scan of a large folder tree shows its progress in the
# status bar and stops on Esc, keeping the rows it added. Then a list that
# someone else wrote: Shift+Del sends exactly the one ordinary file to the
# Recycle Bin and refuses the patterns and the folder; F8 on an item whose
# "folder" is a batch file says Path Not Found and runs nothing; All Dead
# Items keeps the item on a drive that is not there and says so.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

pics="$WINEPREFIX/drive_c/varnello-e2e-edit/pics"
rm -rf "$WINEPREFIX/drive_c/varnello-e2e-edit"
mkdir -p "$pics/sub"
: >"$pics/a.jpg"
: >"$pics/B.png"
: >"$pics/c.bmp"
: >"$pics/notes.txt"
: >"$pics/sub/d.jpeg"
# The clean-up keeps the test's exit code for e2e_cleanup.
trap 'rc=$?; rm -rf "$WINEPREFIX/drive_c/varnello-e2e-edit"; (exit $rc); e2e_cleanup' EXIT

# An empty list with fresh settings.
printf '\x0dVLD Version 3\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x07Stretch\x00\x00\x00\x00\x00\x00\x00\x00\x00' >LIST.vld

e2e_step "Shift+Ins opens the Add Folder dialog, empty"
e2e_start LIST.vld
expect_eq "title at start" "title: LIST.vld - Varnello" "$(inspect title)"
e2e_key shift+Insert
empty_dialog='dialog: Add Folder
static -1: &Folder path:
edit 1000: 
button 1001: &Browse...
checkbox 1002: Include all &subfolders [clear]
static -1: 
button 1: OK [default]
button 2: Cancel'
expect_eq "the Add Folder dialog" "$empty_dialog" "$(inspect wait-dialog 20000)"

e2e_step "OK with the folder empty is refused over the dialog, which stays open"
inspect press OK
expect_soon "the refusal" 'dialog: Varnello
static 1088:  [icon]
button 1: OK [default]
static 65535: Please enter a folder path, or click Browse to select a folder.' dialog
inspect press OK
expect_soon "the dialog still open" "$empty_dialog" dialog
expect_eq "nothing added" "count: 0" "$(inspect count)"

e2e_step "the folder and its subfolders are added, sorted by file name"
inspect set-text 1000 'C:\varnello-e2e-edit\pics' check 1002 1 press OK wait-no-dialog 10000
inspect wait-count 4 20000 >/dev/null
expect_eq "rows after adding" 'count: 4
row 0: a.jpg|C:\varnello-e2e-edit\pics|Stretch|0
row 1: B.png|C:\varnello-e2e-edit\pics|Stretch|0
row 2: c.bmp|C:\varnello-e2e-edit\pics|Stretch|0
row 3: d.jpeg|C:\varnello-e2e-edit\pics\sub|Stretch|0' "$(inspect rows)"
expect_eq "title after adding" "title: LIST.vld * - Varnello" "$(inspect title)"
expect_status() {
  local i actual
  for i in $(seq 40); do
    actual=$(inspect sync status | grep '^pane 1:')
    [ "$actual" = "pane 1: $1" ] && return 0
    sleep 0.2
  done
  expect_eq "status count" "pane 1: $1" "$actual"
}
expect_status '\t\t4 Wallpaper Files'

e2e_step "Del removes rows 1 and 2 and selects the row after them"
inspect select 1,2 >/dev/null
e2e_key Delete
inspect wait-count 2 20000 >/dev/null
expect_eq "rows after Del" 'count: 2
row 0: a.jpg|C:\varnello-e2e-edit\pics|Stretch|0
row 1: d.jpeg|C:\varnello-e2e-edit\pics\sub|Stretch|0' "$(inspect rows)"
expect_eq "selection after Del" "selected: 1" "$(inspect selection | grep '^selected:')"
expect_status '\t\t2 Wallpaper Files'

e2e_step "a file deleted on disk is found by All Dead Items"
rm "$pics/a.jpg"
inspect command 32810 >/dev/null
expect_eq "the dead-files box" 'dialog: Dead Files Removed
button 1: OK [default]
static 65535: 1 dead file removed from the active list.' "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press OK wait-no-dialog 10000
expect_eq "rows after the dead-item scan" 'count: 1
row 0: d.jpeg|C:\varnello-e2e-edit\pics\sub|Stretch|0' "$(inspect rows)"
expect_eq "selection after the scan" "selected: 0" "$(inspect selection | grep '^selected:')"
expect_status '\t\t1 Wallpaper File'

e2e_step "a second scan finds nothing"
inspect command 32810 >/dev/null
expect_eq "the no-dead-files box" 'dialog: No Dead Files Found
button 1: OK [default]
static 65535: No dead files were found in the active list.' "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press OK wait-no-dialog 10000

e2e_step "Ctrl+S saves the list with the folder remembered"
e2e_key ctrl+s
inspect wait-title "LIST.vld - Varnello" 20000 >/dev/null
{
  printf '\x0dVLD Version 3\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x07Stretch'
  printf '\x19C:\\varnello-e2e-edit\\pics\x01\x00\x00\x00\x01\x00\x00\x00'
  printf '\x24C:\\varnello-e2e-edit\\pics\\sub\\d.jpeg\x07Stretch\x00\x00\x00\x00\x01\x00\x00\x00'
} >expected.vld
expect_file "the saved list" expected.vld LIST.vld

e2e_step "a long scan shows its progress and stops on Esc, keeping its rows"
# 9,000 files in 3,000 folders: the scan runs well past the half second
# after which it shows its progress (a folder costs more than a file). On
# a memory file system when there is one, where the tree is made and
# removed quickly.
tree_root=/dev/shm
[ -d "$tree_root" ] && [ -w "$tree_root" ] || tree_root=$E2E_WORK
tree=$(mktemp -d "$tree_root/varnello-e2e-scan.XXXXXX")
trap 'rc=$?; rm -rf "$WINEPREFIX/drive_c/varnello-e2e-edit" "$tree"; (exit $rc); e2e_cleanup' EXIT
mkdir -p "$tree"/d{0001..3000}
touch "$tree"/d{0001..3000}/f{1..3}.jpg
e2e_key shift+Insert
inspect wait-dialog 20000 >/dev/null
inspect set-text 1000 "$(e2e_winpath "$tree")" check 1002 1 press OK
progress=$(inspect wait-status "Scanning " 20000 key Escape)
inspect wait-status "Ready" 60000 >/dev/null
tree_win=$(e2e_winpath "$tree")
case "$progress" in
  "pane 0: Scanning $tree_win"*"... "*" files added") ;;
  *) e2e_fail "progress text: $progress" ;;
esac
count=$(inspect count)
count=${count#count: }
[ "$count" -gt 1 ] && [ "$count" -lt 9001 ] || e2e_fail "rows after the stopped scan: $count"
expect_eq "title after the stopped scan" "title: LIST.vld * - Varnello" "$(inspect title)"
echo "stopped after $count rows: $progress"

inspect close
expect_soon "the save question" 'dialog: Varnello
static 1088:  [icon]
button 6: &Yes [default]
button 7: &No
button 2: Cancel
static 65535: Save changes to LIST.vld?' dialog
inspect press No
e2e_wait_exit
expect_file "the list as saved before" expected.vld LIST.vld

e2e_step "a hostile list: patterns, a folder, a batch file as a folder, an absent drive"
[ ! -e "$WINEPREFIX/dosdevices/q:" ] || e2e_fail "drive Q: is mapped in the prefix"
top='C:\varnello-e2e-edit'
bin="$WINEPREFIX/drive_c/varnello-e2e-edit/bin"
mkdir -p "$bin/sub.png"
for name in a1.png a2.png b.png ok.png sub.png/c.png; do : >"$bin/$name"; done
printf 'echo ran>%s\\ran.txt\r\n' "$top" >"$WINEPREFIX/drive_c/varnello-e2e-edit/run.bat"
{
  vld_string 'VLD Version 3'; vld_int32 0; vld_int32 0; vld_int32 0
  vld_string 'Stretch'; vld_string ''; vld_int32 0; vld_int32 7
  for path in "$top\\bin\\*.png" "$top\\bin\\a?.png" "$top\\bin\\sub.png" "$top\\bin\\ok.png" \
    "$top\\run.bat\\x.png" 'Q:\pics\a.png' "$top\\gone.png"; do
    vld_string "$path"; vld_string Stretch; vld_int32 0; vld_int32 1
  done
} >HOSTILE.vld
inspect reg-set 'HKCU\Software\Quillfen\Varnello' 'Warn On Recycle' dword 0
e2e_start HOSTILE.vld
inspect wait-count 7 20000 >/dev/null

e2e_step "Shift+Del recycles only the ordinary file"
inspect select 0,1,2,3 >/dev/null
e2e_key shift+Delete
expect_eq "the recycle error box" 'dialog: Recycle Files Error
button 1: OK [default]
static 65535: A total of 3 errors were encountered while attempting to\nrecycle the selected files. Either the files were already\nremoved, or they were locked by another process.\n\nThe items have been removed from the list, but the files\nmay still be present on disk.' "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press OK wait-no-dialog 10000
expect_eq "files left on disk" "a1.png a2.png b.png sub.png sub.png/c.png" \
  "$(cd "$bin" && find . -mindepth 1 | sed 's|^\./||' | sort | tr '\n' ' ' | sed 's/ $//')"
expect_eq "rows after recycling" "count: 3" "$(inspect count)"

e2e_step "F8 on an item under a batch file: Path Not Found, nothing runs"
inspect select 0 >/dev/null
e2e_key F8
expect_eq "the path-not-found box" "dialog: Path Not Found
button 1: OK [default]
static 65535: The containing folder was not found!\\n\\nExpected Path: $top\\run.bat" \
  "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press OK wait-no-dialog 10000

e2e_step "All Dead Items keeps the item on the absent drive Q:"
inspect command 32810 >/dev/null
expect_eq "the dead-files box" 'dialog: Dead Files Removed
button 1: OK [default]
static 65535: 2 dead files removed from the active list.\n\n1 item was kept because its drive or network share is not available.' "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press OK wait-no-dialog 10000
expect_eq "rows after the scan" 'count: 1
row 0: a.png|Q:\pics|Stretch|0' "$(inspect rows)"
inspect command 32810 >/dev/null
expect_eq "the second scan's box" 'dialog: No Dead Files Found
button 1: OK [default]
static 65535: No dead files were found in the active list.\n\n1 item was kept because its drive or network share is not available.' "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press OK wait-no-dialog 10000
inspect close wait-dialog 20000 >/dev/null
inspect press No
e2e_wait_exit
[ ! -e "$WINEPREFIX/drive_c/varnello-e2e-edit/ran.txt" ] || e2e_fail "F8 ran run.bat"
echo "PASS"
