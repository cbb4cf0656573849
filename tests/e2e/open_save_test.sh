#!/bin/bash
# Opens a version 3 list named on the command line, checks what the window
# shows (title, the four texts of every row in the file's order, no sort
# arrow yet, the status count), saves it unchanged with Ctrl+S, re-sorts it by
# clicking the Count header twice, saves again and compares the bytes of
# both saves with the file format's layout. The name on the command line is
# a symbolic link to the list: every save goes to the list, and the link
# stays a link.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# A folder whose path with the file name is 284 bytes long, so that the
# string gets the three-byte length prefix FF 1C 01.
long='D:'
for i in 1 2 3 4 5 6 7 8; do long+='\Photos of the long summer holiday'; done
long_file="$long\\apple.png"
expect_eq "length of the long path" 284 "$(LC_ALL=C; echo ${#long_file})"

# The settings part of both files: interval change on, 2 hours, 30 minutes,
# default position "Tile", last folder "C:\Walls", include subfolders on.
settings() {
  printf '\x0dVLD Version 3'
  printf '\x01\x00\x00\x00\x02\x00\x00\x00\x1e\x00\x00\x00'
  printf '\x04Tile'
  printf '\x08C:\\Walls'
  printf '\x01\x00\x00\x00'
}
# The three records: path, position, count, pending flag.
cherry() { printf '\x13C:\\Walls\\cherry.bmp\x06Center\x00\x00\x00\x00\x01\x00\x00\x00'; }
banana() { printf '\x19Z:\\My Pictures\\Banana.jpg\x04Tile\x2c\x01\x00\x00\x00\x00\x00\x00'; }
apple() { printf '\xff\x1c\x01%s\x07Stretch\xff\xff\xff\xff\x01\x00\x00\x00' "$long_file"; }

mkdir lists
{ settings; printf '\x03\x00\x00\x00'; cherry; banana; apple; } >lists/LIST.vld
ln -s lists/LIST.vld LIST.vld
cp LIST.vld as-read.vld
touch -d @978307200 LIST.vld  # a save gives it a new time
{ settings; printf '\x03\x00\x00\x00'; banana; cherry; apple; } >by-count-down.vld

e2e_step "open LIST.vld from the command line"
e2e_start LIST.vld
expect_eq "title" "title: LIST.vld - Varnello" "$(inspect title)"
expect_eq "rows in the file's order: a list read at start is not sorted" "count: 3
row 0: cherry.bmp|C:\\Walls|Center|0
row 1: Banana.jpg|Z:\\My Pictures|Tile|300
row 2: apple.png|$long|Stretch|-1" "$(inspect rows)"
expect_eq "columns, no arrow yet" "column 0: Filename|left|none
column 1: Path|left|none
column 2: Position|left|none
column 3: Count|right|none" "$(inspect header | cut -d'|' -f1-3)"
expect_eq "row count in the status bar" 'pane 1: \t\t3 Wallpaper Files' "$(inspect status | grep '^pane 1:')"
expect_eq "no box at start" "dialog: none" "$(inspect dialog)"

e2e_step "Ctrl+S saves the rows in the order shown"
e2e_key ctrl+s
for i in $(seq 100); do [ "$(stat -L -c %Y LIST.vld)" -gt 978307200 ] && break; sleep 0.1; done
[ "$(stat -L -c %Y LIST.vld)" -gt 978307200 ] || e2e_fail "Ctrl+S did not write LIST.vld"
wait_file "unchanged list saved" as-read.vld LIST.vld
expect_eq "title after saving" "title: LIST.vld - Varnello" "$(inspect sync title)"
expect_eq "no box after saving" "dialog: none" "$(inspect dialog)"

e2e_step "Count header: ascending, then descending"
e2e_click_column 3
expect_soon "sorted by Count ascending" "count: 3
row 0: apple.png|$long|Stretch|-1
row 1: cherry.bmp|C:\\Walls|Center|0
row 2: Banana.jpg|Z:\\My Pictures|Tile|300" rows
e2e_click_column 3
expect_soon "sorted by Count descending" "count: 3
row 0: Banana.jpg|Z:\\My Pictures|Tile|300
row 1: cherry.bmp|C:\\Walls|Center|0
row 2: apple.png|$long|Stretch|-1" rows
expect_eq "arrow down on Count" "column 0: Filename|left|none
column 1: Path|left|none
column 2: Position|left|none
column 3: Count|right|image 0 right" "$(inspect header | cut -d'|' -f1-3)"
expect_eq "sorting leaves the list unmodified" "title: LIST.vld - Varnello" "$(inspect title)"

e2e_step "Ctrl+A selects every row"
e2e_key ctrl+a
expect_soon "selection" "selected: 0 1 2
focused: -1" selection

e2e_step "a selected, focused row keeps both when the rows are sorted"
inspect select 0 >/dev/null  # Banana.jpg, count 300
e2e_click_column 3
expect_soon "Banana.jpg last in the ascending order, still selected and focused" "selected: 2
focused: 2" selection
expect_eq "its texts moved with it" "Banana.jpg" "$(inspect rows | sed -n 's/^row 2: \([^|]*\)|.*/\1/p')"
e2e_click_column 3
expect_soon "back at the top" "selected: 0
focused: 0" selection

e2e_step "Ctrl+S writes the new order; closing asks nothing"
e2e_key ctrl+s
wait_file "re-sorted list saved" by-count-down.vld LIST.vld
e2e_close
expect_file "list after closing" by-count-down.vld lists/LIST.vld
expect_eq "LIST.vld still a link to the list" "lists/LIST.vld" "$(readlink LIST.vld)"
expect_eq "nothing else beside the list" "LIST.vld" "$(ls -A lists)"
echo "PASS"
