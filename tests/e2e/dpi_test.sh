#!/bin/bash
# The program at 150 and 200 % display scale (Wine's "LogPixels" 144 and
# 192): the first run's placement and minimum size, the columns' default
# widths, the toolbar's buttons and the images drawn on them, the About
# box's banner; at 96 dpi the values stored at 200 % are used as stored,
# and WM_DPICHANGED lays the window out for 200 % as a start there does
# (toolbar, header, the count's pane) and back. Wine reads "LogPixels" when
# a program starts, so the prefix's server keeps running; 96 comes back at
# the end.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
desktop='HKCU\Control Panel\Desktop'
trap 'rc=$?; inspect_try reg-set "$desktop" LogPixels dword 96; (exit $rc); e2e_cleanup' EXIT

columns() {
  inspect header | cut -d'|' -f4 | tr '\n' ' '
}

# Waits until the toolbar is drawn as expected: button size, images on the
# screen, gripper and height.
wait_toolbar() {
  local i line
  for i in $(seq 40); do
    line=$(inspect scale | head -1)
    [ "$line" = "toolbar: $1" ] && return 0
    sleep 0.2
  done
  expect_eq "toolbar" "toolbar: $1" "$line"
}

# First run at a dpi: placement, column widths, toolbar, About box.
first_run() {
  inspect reg-delete 'HKCU\Software\Quillfen\Varnello'
  inspect reg-set "$desktop" LogPixels dword "$1"
  e2e_start
  expect_eq "placement" "rect: $2" "$(inspect rect)"
  expect_eq "column widths" "$3" "$(columns)"
  wait_toolbar "$4"
  inspect command 57664 wait-dialog >/dev/null
  expect_eq "About box" "bitmap: $5
fit: ok" "$(inspect dialog-fit)"
  inspect press OK wait-no-dialog
}

e2e_step "150 %: first run"
first_run 144 "30 30 780 480" "225 300 75 63 " "button 31 30 image 24 24 grip 12 height 36" "450 113"
e2e_close

e2e_step "200 %: first run, minimum size"
first_run 192 "40 40 1040 640" "300 400 100 84 " "button 39 38 image 32 32 grip 16 height 46" "600 150"
at200=$(inspect scale)
inspect size 100 100
expect_eq "minimum size" "rect: 40 40 640 448" "$(inspect rect)"
e2e_close

e2e_step "100 % with the values stored at 200 %, then WM_DPICHANGED to 200 % and back"
inspect reg-set "$desktop" LogPixels dword 96
e2e_start
expect_eq "placement as stored" "rect: 40 40 640 448" "$(inspect rect)"
expect_eq "column widths as stored" "300 400 100 84 " "$(columns)"
wait_toolbar "button 23 22 image 16 16 grip 8 height 26"
at100=$(inspect scale)
inspect dpi-changed 192 50 60 1050 660
expect_eq "suggested rectangle" "rect: 50 60 1050 660" "$(inspect rect)"
expect_eq "column widths" "600 800 200 168 " "$(columns)"
expect_soon "laid out as at 200 %" "$at200" scale
inspect dpi-changed 96 50 60 550 360
expect_eq "column widths" "300 400 100 84 " "$(columns)"
expect_soon "laid out as at 100 %" "$at100" scale
e2e_close
echo PASS
