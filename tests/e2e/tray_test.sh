#!/bin/bash
# The notification area with the real program: minimising parks the window
# (hidden, the icon stays with the shell), a click on the icon brings it
# back, Shift+click (Shift held in the X server) changes the wallpaper while
# the window stays parked, the icon's menu works while parked, and a double
# click brings the window back. While a change's error box is open, timer
# ticks, Shift+clicks, Apply Random and a "/random" start open no second
# box. The icon's mouse messages are posted to the window as the shell
# posts them.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_step "a list of two images"
convert -size 16x12 xc:red PNG24:a.png || e2e_fail "convert a.png"
convert -size 12x16 xc:blue PNG24:b.png || e2e_fail "convert b.png"
{
  vld_string 'VLD Version 3'
  vld_int32 0; vld_int32 0; vld_int32 0
  vld_string 'Stretch'; vld_string ''; vld_int32 0
  vld_int32 2
  for f in a.png b.png; do
    vld_string "$(e2e_winpath "$E2E_WORK/$f")"; vld_string 'Center'; vld_int32 0; vld_int32 1
  done
} >LIST.vld
e2e_start LIST.vld
expect_eq "icon at start" "tray icon: present" "$(inspect tray-icon)"

# Waits until the Count column of the rows, sorted, reads as expected ("0 1").
expect_counts() {
  local i actual
  for i in $(seq 40); do
    actual=$(inspect rows | sed -n 's/^row [0-9]*: .*|//p' | sort | tr '\n' ' ' | sed 's/ $//')
    [ "$actual" = "$1" ] && return 0
    sleep 0.2
  done
  expect_eq "counts" "$1" "$actual"
}

e2e_step "minimise: parked in the notification area"
inspect minimize
expect_soon "parked" "window: hidden minimized" window
expect_eq "icon while parked" "tray icon: present" "$(inspect tray-icon)"
expect_eq "one main window" "frames: 1" "$(inspect frames)"

e2e_step "a click on the icon brings it back, not minimised"
inspect tray left-down
expect_soon "back" "window: visible normal" window

e2e_step "Shift+click while parked: a random change, the window stays parked"
inspect minimize
expect_soon "parked again" "window: hidden minimized" window
xdotool keydown shift || e2e_fail "xdotool keydown shift"
inspect_try shift-down tray left-down sync >/dev/null
rc=$?
inspect shift-up >/dev/null
xdotool keyup shift
[ $rc -eq 0 ] || e2e_fail "Shift+click on the icon"
expect_counts "0 1"
expect_eq "still parked" "window: hidden minimized" "$(inspect window)"
expect_eq "title" "title: LIST.vld * - Varnello" "$(inspect title)"

e2e_step "the icon's menu while parked: Apply Random"
inspect tray right-up menu-key r
expect_counts "1 1"
expect_eq "still parked after the menu" "window: hidden minimized" "$(inspect window)"

e2e_step "a double click brings it back"
inspect tray left-double
expect_soon "back" "window: visible normal" window

e2e_step "Exit from the icon's menu, parked, with the save question"
inspect minimize
expect_soon "parked" "window: hidden minimized" window
inspect tray right-up menu-key x
inspect wait-dialog >/dev/null
inspect press No
e2e_wait_exit

e2e_step "a change's error box stays the only one: ticks, Shift-clicks, Apply Random skipped"
{
  vld_string 'VLD Version 3'
  vld_int32 1; vld_int32 24; vld_int32 0  # a change every 24 hours: ticks come from the test
  vld_string 'Stretch'; vld_string ''; vld_int32 0
  vld_int32 1
  vld_string "$(e2e_winpath "$E2E_WORK/gone.png")"; vld_string 'Center'; vld_int32 0; vld_int32 1
} >GONE.vld
e2e_start GONE.vld
inspect timer 1246
expect_eq "the first tick's box" "dialog: File Not Found" "$(inspect wait-dialog | head -1)"
# Each of these returns only once the program is done with it; one that
# opened a box of its own would not.
inspect timer 1246 wait timer 1246 wait send-command 32813 5000
xdotool keydown shift || e2e_fail "xdotool keydown shift"
inspect_try shift-down tray left-down wait tray left-double wait >/dev/null
rc=$?
inspect shift-up >/dev/null
xdotool keyup shift
[ $rc -eq 0 ] || e2e_fail "Shift+click on the icon while the box is open"
# A scheduled "/random" start hands its request over and ends; the request
# is posted, so a second box would show within the second waited here.
timeout 60 wine "$VARNELLO_EXE" /random >random.log 2>&1 </dev/null
expect_eq "exit code of the /random start" 0 $?
inspect sleep 1000 >/dev/null
expect_eq "boxes" "boxes: 1" "$(inspect boxes)"
inspect press OK wait-no-dialog
e2e_step "closed: the next tick changes again"
inspect timer 1246
expect_eq "the next tick's box" "dialog: File Not Found" "$(inspect wait-dialog | head -1)"
inspect press OK wait-no-dialog
e2e_close
echo PASS
