#!/bin/bash
# A list changed in the running program (Enter applies the selected row,
# which adds 1 to its count and clears its pending flag): the title shows
# " *"; closing asks "Save changes to LIST.vld?", where Cancel keeps the
# program open and No leaves the file as it was; Ctrl+S saves and clears
# the mark; Yes at closing saves too. A log-off asks the same question (also
# while the window is parked), saves with "Auto Save", and its end writes
# what a close writes.
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

# The log-off as the system runs it: WM_QUERYENDSESSION to every top-level
# window of the program, in the background (a question may come), then
# WM_ENDSESSION; after a session that ends the program is ended at once.
query_session() {
  (exec timeout 120 wine "$VINSPECT" session-query 60000) >query.out 2>&1 </dev/null &
  E2E_QUERY=$!
}
query_wait() {
  wait $E2E_QUERY
}
key='HKCU\Software\Quillfen\Varnello'
list_path=$(e2e_winpath "$E2E_WORK/LIST.vld")

e2e_step "log-off while parked, Auto Save off: the question; Cancel keeps the session"
cp original.vld LIST.vld
inspect reg-delete "$key"  # what the end of the session writes, nothing before
e2e_start LIST.vld
inspect select 0 >/dev/null
e2e_key Return
inspect wait-title "LIST.vld * - Varnello" 20000 >/dev/null
inspect command 32784 minimize  # the preview window, then parked with it
expect_soon "parked" "window: hidden minimized" window
query_session
expect_eq "question at log-off" "$question" "$(inspect wait-dialog 20000 | grep -v '^static 1088')"
inspect press Cancel
query_wait
expect_eq "answer after Cancel" "session may end: no" "$(cat query.out)"
inspect session-end 0
expect_eq "the session goes on" "title: LIST.vld * - Varnello" "$(inspect sync title)"
cmp -s original.vld LIST.vld || e2e_fail "Cancel changed the file"

e2e_step "Yes saves; the end of the session writes what a close writes"
query_session
inspect wait-dialog 20000 >/dev/null
inspect press Yes
query_wait
expect_eq "answer after Yes" "session may end: yes" "$(cat query.out)"
expect_file "file after Yes" count6.vld LIST.vld
inspect session-end 1 kill
e2e_wait_exit
expect_eq "written at the end of the session" "$key\WindowPos = sz:0,5,
$key\Last Document = sz:$list_path
$key\Recent File List\File1 = sz:$list_path
$key\Col_Name = dword:150
$key\Auto Save = dword:0
$key\Preview X = dword:0" "$(inspect reg-get "$key" WindowPos reg-get "$key" "Last Document" \
  reg-get "$key\Recent File List" File1 reg-get "$key" Col_Name reg-get "$key" "Auto Save" \
  reg-get "$key" "Preview X" | sed 's/\(WindowPos = sz:[0-9]*,[0-9]*,\).*/\1/')"

e2e_step "log-off with Auto Save on: saved without a question, and changes since at the end"
cp original.vld LIST.vld
inspect reg-set "$key" "Auto Save" dword 1
e2e_start LIST.vld
inspect select 0 >/dev/null
e2e_key Return
inspect wait-title "LIST.vld * - Varnello" 20000 >/dev/null
expect_eq "answer with Auto Save" "session may end: yes" "$(inspect session-query)"
expect_file "file after the question" count6.vld LIST.vld
e2e_key Return
inspect wait-title "LIST.vld * - Varnello" 20000 >/dev/null
inspect session-end 1 kill
e2e_wait_exit
expect_file "file after the end of the session" count7.vld LIST.vld
echo "PASS"
