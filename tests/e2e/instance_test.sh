#!/bin/bash
# One Varnello at a time: two programs started at the same moment give
# exactly one window; a second start while the window is parked brings it
# back and ends; a second start with a list (a relative name, as the shell
# may give it) hands the list to the running program, which asks about its
# own changes first and then opens it; a start that finds the start-up lock
# held for long ends by itself, without a window. "/random" with none
# running starts with the list and changes the wallpaper once; with one
# running and parked, that one changes it, stays parked, and the start ends
# with exit code 0.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

convert -size 16x12 xc:red PNG24:a.png || e2e_fail "convert a.png"
# A list of the image a.png, or of none.
write_list() {
  vld_string 'VLD Version 3'
  vld_int32 0; vld_int32 0; vld_int32 0
  vld_string 'Stretch'; vld_string ''; vld_int32 0
  if [ "$1" = 0 ]; then vld_int32 0; return; fi
  vld_int32 1
  vld_string "$(e2e_winpath "$E2E_WORK/a.png")"; vld_string 'Tile'; vld_int32 0; vld_int32 1
}
write_list 1 >ONE.vld
mkdir -p lists
write_list 0 >lists/EMPTY.vld

e2e_step "two starts at the same moment: one window"
(exec wine "$VARNELLO_EXE" ONE.vld) >first.log 2>&1 </dev/null &
pa=$!
(exec wine "$VARNELLO_EXE" ONE.vld) >second.log 2>&1 </dev/null &
pb=$!
for i in $(seq 300); do
  kill -0 $pa 2>/dev/null && kill -0 $pb 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pa 2>/dev/null; then E2E_PID=$pa; ended=$pb; else E2E_PID=$pb; ended=$pa; fi
kill -0 $E2E_PID 2>/dev/null || e2e_fail "both programs ended"
wait $ended
expect_eq "exit code of the start that found the other" 1 $?
inspect wait-window >/dev/null
expect_eq "main windows" "frames: 1" "$(inspect frames)"

e2e_step "a second start while parked brings the window back and ends"
inspect minimize
expect_soon "parked" "window: hidden minimized" window
timeout 60 wine "$VARNELLO_EXE" >third.log 2>&1 </dev/null
expect_eq "exit code of the second start" 1 $?
expect_soon "back" "window: visible normal" window
expect_eq "main windows" "frames: 1" "$(inspect frames)"

e2e_step "a second start with a list: the save question, then the list opens"
inspect command 32813  # Apply Random: the list is changed
inspect wait-title "ONE.vld * - Varnello" >/dev/null
(cd lists && timeout 60 wine "$VARNELLO_EXE" EMPTY.vld) >fourth.log 2>&1 </dev/null
expect_eq "exit code of the start with a list" 1 $?
expect_eq "the question" "static 65535: Save changes to ONE.vld?" \
  "$(inspect wait-dialog | grep '^static 65535')"
inspect press No
inspect wait-title "EMPTY.vld - Varnello" >/dev/null
expect_eq "rows of the opened list" "count: 0" "$(inspect count)"
e2e_close

e2e_step "the start-up lock held by another program: a start ends after a while"
(exec wine "$VINSPECT" hold-mutex Varnello-619438ce-c736-4ac7-a835-59b2591670ba 60000) \
  >holder.out 2>&1 </dev/null &
holder=$!
for i in $(seq 200); do grep -q held holder.out && break; sleep 0.1; done
grep -q held holder.out || { kill $holder; e2e_fail "the lock is not held"; }
started=$SECONDS
timeout 40 wine "$VARNELLO_EXE" ONE.vld >fifth.log 2>&1 </dev/null
rc=$?
waited=$((SECONDS - started))
kill $holder 2>/dev/null
wait $holder 2>/dev/null
expect_eq "exit code of the start that waited" 1 $rc
[ $waited -le 20 ] || e2e_fail "the start ended after $waited s"
echo "the start waited $waited s"

e2e_step "/random with none running: the list opens, then one random change"
inspect reg-set 'HKCU\Software\Quillfen\Varnello' 'Auto Save' dword 1
e2e_start /random ONE.vld
row="row 0: a.png|$(e2e_winpath "$E2E_WORK")|Tile"
expect_soon "the change at start" "count: 1
$row|1" rows
expect_eq "no box" "dialog: none" "$(inspect dialog)"

e2e_step "/random with the program parked: it changes again and stays parked"
inspect minimize
expect_soon "parked" "window: hidden minimized" window
timeout 60 wine "$VARNELLO_EXE" /random >sixth.log 2>&1 </dev/null
expect_eq "exit code of the /random start" 0 $?
expect_soon "the second change" "count: 1
$row|2" rows
expect_eq "still parked" "window: hidden minimized" "$(inspect window)"
expect_eq "main windows" "frames: 1" "$(inspect frames)"
e2e_close
echo PASS
