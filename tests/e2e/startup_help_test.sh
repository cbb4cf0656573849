#!/bin/bash
# Start-up with a list that is not one, or that cannot be opened, and the
# help file: a damaged list named at start (as when it is double-clicked in
# the shell) shows its box and then a new, empty list; a missing list ends
# the start after its box; Help Contents opens Varnello.chm, built next to
# the program, in the HTML Help viewer; a copy of the program without the
# help file shows the box with the full expected path.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The caption and the text of the open box.
box() {
  inspect wait-dialog | sed -n 's/^dialog: //p; s/^static 65535: //p'
}

e2e_step "a damaged list at start: its box, then a new, empty list"
{ vld_string 'VLD Version 9'; vld_int32 0; vld_int32 0; vld_int32 0; vld_string 'Stretch'; } >BAD.vld
e2e_launch BAD.vld
expect_eq "box" "File Corruption Error
The VLD file signature is either incorrect or has been\\ncorrupted. File loading will not continue." \
  "$(box)"
inspect press OK
inspect wait-title "Untitled - Varnello" >/dev/null
expect_eq "window" "window: visible normal" "$(inspect window)"
e2e_close

e2e_step "a list that cannot be opened: its box, then the start ends"
e2e_launch GONE.vld
expect_eq "box" "Varnello
$(e2e_winpath "$E2E_WORK")\\GONE.vld\\nCannot find this file.\\nPlease verify that the correct path and file name are given." \
  "$(box)"
inspect press OK
for i in $(seq 100); do kill -0 "$E2E_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$E2E_PID" 2>/dev/null && e2e_fail "the program did not end"
wait "$E2E_PID"
expect_eq "exit code" 1 $?
E2E_PID=

e2e_step "Help Contents opens the help file"
[ -s "$(dirname "$VARNELLO_EXE")/Varnello.chm" ] || e2e_fail "no Varnello.chm next to the program"
e2e_start
inspect command 32787
for i in $(seq 100); do
  xdotool search --onlyvisible --name '^Varnello Help$' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Varnello Help$' >/dev/null 2>&1 || e2e_fail "no help viewer"
expect_eq "no box" "dialog: none" "$(inspect dialog)"
e2e_close

e2e_step "without the help file: the box with the expected path"
mkdir copy
cp "$VARNELLO_EXE" copy/
VARNELLO_EXE=$E2E_WORK/copy/varnello.exe
e2e_start
inspect command 32787
expect_eq "box" "Error Opening Help File
The program help file was either not found, or\\ncannot be opened. The expected file path is:\\n\\n$(e2e_winpath "$E2E_WORK/copy")\\Varnello.chm" \
  "$(box)"
inspect press OK
e2e_close
echo PASS
