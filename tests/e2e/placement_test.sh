#!/bin/bash
# The main window's placement and toolbar with the real program: a first run
# shows the default placement even with "Minimize On Start"; the toolbar
# docks on the side it is dragged to; "WindowPos" is written at close and
# restored at start, maximised too; "Minimize On Start" with a stored
# placement and a reloaded list starts parked, and a second start brings the
# window back; a window closed while parked reopens shown normally where it
# was; a stored placement that would hide the window gives the default one.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
key='HKCU\Software\Quillfen\Varnello'

# "WindowPos" without the minimised and maximised positions, which the
# system chooses: flags, show command and the normal rectangle.
stored_placement() {
  inspect reg-get "$key" WindowPos | sed 's/.*= sz://' | cut -d, -f1,2,7-10
}

e2e_step "first run with Minimize On Start: shown normally at (20,20), 500 by 300"
inspect reg-set "$key" "Minimize On Start" dword 1
e2e_start
expect_eq "window" "window: visible normal" "$(inspect window)"
expect_eq "rectangle" "rect: 20 20 520 320" "$(inspect rect)"

e2e_step "the toolbar, dragged by its gripper to the left edge, docks there"
set -- $(inspect bars | tr '\n' ' ')  # toolbar: L T R B list: L T R B
[ "$1" = toolbar: ] && [ "$6" = list: ] || e2e_fail "bars: $*"
bar=("$2" "$3" "$4" "$5") list=("$7" "$8" "$9" "${10}")
[ "${list[1]}" -ge "${bar[3]}" ] || e2e_fail "the list does not start below the toolbar: $*"
xdotool mousemove $((bar[0] + 3)) $(((bar[1] + bar[3]) / 2)) sleep 0.3 mousedown 1 sleep 0.2 \
  mousemove $((bar[0] + 20)) $(((list[1] + list[3]) / 2)) sleep 0.2 \
  mousemove "${bar[0]}" $(((list[1] + list[3]) / 2)) sleep 0.2 mouseup 1 ||
  e2e_fail "xdotool drag"
set -- $(inspect bars | tr '\n' ' ')
[ "$2" = "${bar[0]}" ] && [ $(($4 - $2)) -lt $(($5 - $3)) ] ||
  e2e_fail "the toolbar is not a column at the left: $*"
[ "$7" -ge "$4" ] || e2e_fail "the list does not start right of the toolbar: $*"
e2e_close
expect_eq "stored at close" "0,1,20,20,520,320" "$(stored_placement)"

e2e_step "a stored maximised placement opens maximised and is stored again"
inspect reg-set "$key" "Minimize On Start" dword 0
inspect reg-set "$key" WindowPos sz "0,3,-1,-1,-1,-1,100,50,700,450"
e2e_start
expect_eq "window" "window: visible maximized" "$(inspect window)"
e2e_close
expect_eq "stored at close" "0,3,100,50,700,450" "$(stored_placement)"

e2e_step "Minimize On Start with the last list reloaded: parked at start"
vld_string 'VLD Version 3' >LIST.vld
{ vld_int32 0; vld_int32 0; vld_int32 0; vld_string 'Stretch'; vld_string ''
  vld_int32 0; vld_int32 0; } >>LIST.vld
inspect reg-set "$key" WindowPos sz "0,1,-1,-1,-1,-1,100,50,700,450"
inspect reg-set "$key" "Minimize On Start" dword 1
inspect reg-set "$key" "Reload Last List" dword 1
inspect reg-set "$key" "Last Document" sz "$(e2e_winpath "$E2E_WORK/LIST.vld")"
e2e_launch
inspect wait-title "LIST.vld - Varnello" >/dev/null
expect_soon "parked" "window: hidden minimized" window
timeout 60 wine "$VARNELLO_EXE" >second.log 2>&1 </dev/null
expect_eq "exit code of the second start" 1 $?
expect_soon "brought back by the second start" "window: visible normal" window
expect_eq "rectangle" "rect: 100 50 700 450" "$(inspect rect)"

e2e_step "closed while parked: reopens shown normally"
inspect minimize
expect_soon "parked" "window: hidden minimized" window
e2e_close
expect_eq "stored at close" "0,5,100,50,700,450" "$(stored_placement)"
inspect reg-set "$key" "Minimize On Start" dword 0
e2e_start
expect_eq "window" "window: visible normal" "$(inspect window)"
expect_eq "rectangle" "rect: 100 50 700 450" "$(inspect rect)"
e2e_close

e2e_step "a stored show command 0 (hidden): the default placement, shown"
inspect reg-set "$key" WindowPos sz "0,0,-1,-1,-1,-1,100,50,700,450"
e2e_start
expect_eq "window" "window: visible normal" "$(inspect window)"
expect_eq "rectangle" "rect: 20 20 520 320" "$(inspect rect)"
e2e_close
echo PASS
