#!/bin/bash
# A list changed in the running program (Enter applies the selected row,
# which adds 1 to its count and clears its pending flag): the title shows
# " *"; closing asks "Save changes to LIST.vld?", where Cancel keeps the
# program open and No leaves the file as it was; Ctrl+S saves and clears
# the mark; Yes at closing saves too.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# A 1 x 1 blue 24-bit bitmap at a fixed path of the prefix's drive C:.
mkdir -p "$WINEPREFIX/drive_c/varnello-e2e"
printf 'BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00' >"$WINEPREFIX/drive_c/varnello-e2e/blue.bmp"
printf '\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x04\x00\x00\x00' \
  >>"$WINEPREFIX/drive_c/varnello-e2e/blue.bmp"
printf '\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\x00\x00' \
  >>"$WINEPREFIX/drive_c/varnello-e2e/blue.bmp"

# Fresh settings, then two records: the bitmap (Tile, count as given,
# pending flag as given) and a file that is never applied.
list_with() {
  printf '\x0dVLD Version 3\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x07Stretch\x00\x00\x00\x00\x00'
  printf '\x02\x00\x00\x00'
  printf '\x18C:\\varnello-e2e\\blue.bmp\x04Tile'
  printf "$1"
  printf '\x1aC:\\varnello-e2e\\sunset.jpg\x06Center\x02\x00\x00\x00\x01\x00\x00\x00'
}
list_with '\x05\x00\x00\x00\x01\x00\x00\x00' >LIST.vld
cp LIST.vld original.vld
list_with '\x06\x00\x00\x00\x00\x00\x00\x00' >count6.vld
list_with '\x07\x00\x00\x00\x00\x00\x00\x00' >count7.vld

question='dialog: Varnello
button 6: &Yes [default]
button 7: &No
button 2: Cancel
static 65535: Save changes to LIST.vld?'

e2e_step "Enter applies the selected row: count 6, title marked"
e2e_start LIST.vld
inspect select 0 >/dev/null
e2e_key Return
inspect wait-title "LIST.vld * - Varnello" 20000 >/dev/null
expect_eq "rows after applying" "count: 2
row 0: blue.bmp|C:\\varnello-e2e|Tile|6
row 1: sunset.jpg|C:\\varnello-e2e|Center|2" "$(inspect rows)"

e2e_step "closing asks; Cancel keeps the program open"
inspect close >/dev/null
expect_eq "question at closing" "$question" "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press Cancel wait-no-dialog 10000
expect_eq "title after Cancel" "title: LIST.vld * - Varnello" "$(inspect sync title)"
cmp -s original.vld LIST.vld || e2e_fail "Cancel changed the file"

e2e_step "No closes without saving"
inspect close wait-dialog 20000 >/dev/null
inspect press No
e2e_wait_exit
expect_file "file after No" original.vld LIST.vld

e2e_step "Ctrl+S saves the changed list and clears the mark"
e2e_start LIST.vld
inspect select 0 >/dev/null
e2e_key Return
inspect wait-title "LIST.vld * - Varnello" 20000 >/dev/null
e2e_key ctrl+s
inspect wait-title "LIST.vld - Varnello" 20000 >/dev/null
expect_file "file after Ctrl+S" count6.vld LIST.vld

e2e_step "Yes at closing saves"
e2e_key Return
inspect wait-title "LIST.vld * - Varnello" 20000 >/dev/null
expect_eq "count after the second apply" "row 0: blue.bmp|C:\\varnello-e2e|Tile|7" "$(inspect rows | grep '^row 0')"
inspect close >/dev/null
expect_eq "question at closing" "$question" "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press Yes
e2e_wait_exit
expect_file "file after Yes" count7.vld LIST.vld
echo "PASS"
