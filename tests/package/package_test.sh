#!/bin/bash
# The two packages as a Windows user meets them, under Wine in a fresh prefix
# of their own (build/package-test/wineprefix, never a build's test prefix):
# - the zip holds the files in a Varnello folder; its programs carry no debug
#   sections and import only system libraries;
# - the silent installer asks for no elevation and puts the same files in
#   the user's own programs folder, with the Start-menu shortcut and the
#   entry in the user's list of installed programs;
# - the installed program starts, registers ".vld" and applies a wallpaper;
# - the uninstaller refuses while the program runs; afterwards it leaves no
#   file, shortcut, entry or file type behind and keeps the settings;
# - the zip's copy runs where it was unpacked and takes ".vld" over; /PURGE
#   then removes the settings and leaves the file type to the zip's copy.
#
# Usage (needs an X display): package_test.sh PACKAGE_DIR WIN_BUILD
# WIN_BUILD provides the window inspector tests/vinspect.exe (tests/e2e).
set -u
. "$(dirname "$0")/../e2e/lib.sh"

[ $# -eq 2 ] || e2e_fail "usage: $0 PACKAGE_DIR WIN_BUILD"
src=$(cd "$(dirname "$0")/../.." && pwd)
packages=$(cd "$1" && pwd) && VINSPECT=$(cd "$2" && pwd)/tests/vinspect.exe || exit 1
setup=$packages/Varnello-9.40-win64-setup.exe
zip=$packages/Varnello-9.40-win64.zip
work=$(dirname "$packages")/package-test
rm -rf "$work" && mkdir -p "$work/lists" && cd "$work/lists" || exit 1
E2E_WORK=$PWD
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
# On exit: Wine ends with everything it runs, then lib.sh's clean-up.
trap 'rc=$?; wineserver -k >/dev/null 2>&1; (exit $rc); e2e_cleanup' EXIT

# Runs a Windows program to its end.
run() { timeout 120 wine "$@" >"$work/run.log" 2>&1 </dev/null; }
# The Unix path of a path on Wine's drive C: or Z: (the Unix root).
unix_path() {
  local p=${1//\\//}
  case $p in C:/*) echo "$WINEPREFIX/drive_c/${p#C:/}" ;; *) echo "${p#Z:}" ;; esac
}
# Waits at most 60 seconds until `test ARGS...` holds; else fails with WHAT.
wait_until() {
  local i
  for i in $(seq 300); do test "${@:2}" && return 0; sleep 0.2; done
  e2e_fail "$1"
}

e2e_step "zip: the files in a Varnello folder"
expect_eq "zip entries" "Varnello/ Varnello/README.txt Varnello/Varnello.chm Varnello/varnello.exe Varnello/vldtool.exe" \
  "$(unzip -Z1 "$zip" | LC_ALL=C sort | xargs)"
unzip -q "$zip" -d "$work" || e2e_fail "unzip"
portable=$work/Varnello
"$src/tools/wine-prefix-init" --unmanaged || e2e_fail "cannot prepare $WINEPREFIX"

e2e_step "programs: no debug sections, only system libraries"
for name in varnello vldtool; do
  exe=$portable/$name.exe
  x86_64-w64-mingw32-objdump -h "$exe" | grep -q ' \.debug' && e2e_fail "$name.exe has debug sections"
  for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p'); do
    # A system library is one that a fresh Windows holds in its system folder.
    [ -n "$(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ] ||
      e2e_fail "$name.exe imports $dll, no system library"
  done
done

folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
paths=$(inspect reg-get "$folders" 'Local AppData' reg-get "$folders" Programs) || exit 1
install_win="$(sed -n 's/.*\\Local AppData = sz://p' <<<"$paths")\\Programs\\Varnello"
install=$(unix_path "$install_win")
shortcut=$(unix_path "$(sed -n 's/.*\\Programs = sz://p' <<<"$paths")\\Varnello.lnk")
uninstaller="$install_win\\Uninstall.exe"
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnello'
settings='HKCU\Software\Quillfen\Varnello'
classes='HKCU\Software\Classes'

e2e_step "silent install into $install_win"
grep -a -q 'requestedExecutionLevel level="asInvoker"' "$setup" || e2e_fail "the installer asks for elevation"
run "$setup" /S || e2e_fail "setup: exit code $?"
diff -r -x Uninstall.exe "$portable" "$install" || e2e_fail "the installed files are not the zip's"
grep -a -q -F "$install_win\\varnello.exe" "$shortcut" || e2e_fail "no shortcut to the program: $shortcut"
expect_eq "entry in the list of installed programs" "$entry\\DisplayName = sz:Varnello
$entry\\DisplayVersion = sz:9.40
$entry\\Publisher = sz:Quillfen
$entry\\DisplayIcon = sz:$install_win\\varnello.exe,0
$entry\\EstimatedSize = KB
$entry\\UninstallString = sz:\"$uninstaller\"
${entry/HKCU/HKLM}\\DisplayName = none" \
  "$(inspect reg-get "$entry" DisplayName reg-get "$entry" DisplayVersion reg-get "$entry" Publisher \
     reg-get "$entry" DisplayIcon reg-get "$entry" EstimatedSize reg-get "$entry" UninstallString \
     reg-get "${entry/HKCU/HKLM}" DisplayName | sed 's/= dword:[1-9][0-9][0-9]*$/= KB/')"

# A list of one image; applying counts, and Auto Save saves that at the close.
convert -size 32x20 gradient:yellow-navy PNG24:a.png || e2e_fail "convert"
{ vld_string 'VLD Version 3'; vld_int32 0; vld_int32 1; vld_int32 30; vld_string Stretch; vld_string ''
  vld_int32 0; vld_int32 1; vld_string "$(e2e_winpath "$PWD")\\a.png"; vld_string Stretch
  vld_int32 0; vld_int32 1; } >LIST.vld
inspect reg-set "$settings" 'Auto Save' dword 1

# Starts the varnello.exe in Windows folder $1 with the list and applies its
# image: the wallpaper bitmap lands next to that copy, and ".vld" opens it.
start_and_apply() {
  VARNELLO_EXE="$1\\varnello.exe"
  e2e_start LIST.vld
  inspect select 0 command 32788 >/dev/null
  wait_until "no wallpaper bitmap in $1" -s "$(unix_path "$1")/CurrentPaper.bmp"
  expect_eq "wallpaper and file type" "HKCU\\Control Panel\\Desktop\\Wallpaper = sz:$1\\CurrentPaper.bmp
$classes\\.vld\\ = sz:VarnelloList
$classes\\VarnelloList\\shell\\open\\command\\ = sz:\"$1\\varnello.exe\" \"%1\"" \
    "$(inspect reg-get 'HKCU\Control Panel\Desktop' Wallpaper reg-get "$classes\\.vld" '' \
       reg-get "$classes\\VarnelloList\\shell\\open\\command" '')"
}

# Uninstalls as a user does: the uninstaller hands over to a copy of itself
# and returns at once; the copy removes the folder last.
uninstall() {
  run "$uninstaller" /S "$@" || e2e_fail "uninstaller: exit code $?"
  wait_until "the uninstaller left $install" ! -e "$install"
  [ ! -e "$shortcut" ] || e2e_fail "the shortcut is left"
}

e2e_step "the installed program starts, registers .vld and applies a wallpaper"
start_and_apply "$install_win"

e2e_step "the uninstaller refuses while Varnello runs"
run "$uninstaller" /S "_?=$install_win" && e2e_fail "the uninstaller went ahead while Varnello ran"
[ -f "$install/varnello.exe" ] && [ -f "$install/Uninstall.exe" ] || e2e_fail "files removed while Varnello ran"
e2e_close

e2e_step "silent uninstall: nothing left but the settings"
uninstall
expect_eq "registry after the uninstall" "$entry\\DisplayName = none
$classes\\.vld\\ = none
$classes\\VarnelloList\\ = none
$settings\\Last Document = sz:$(e2e_winpath "$PWD")\\LIST.vld" \
  "$(inspect reg-get "$entry" DisplayName reg-get "$classes\\.vld" '' reg-get "$classes\\VarnelloList" '' \
     reg-get "$settings" 'Last Document')"

e2e_step "install again; the zip's copy runs where it was unpacked and takes .vld over"
run "$setup" /S || e2e_fail "setup: exit code $?"
start_and_apply "$(e2e_winpath "$portable")"
e2e_close

e2e_step "silent uninstall with /PURGE: the settings go, the zip's file type stays"
uninstall /PURGE
expect_eq "registry after the uninstall with /PURGE" "$entry\\DisplayName = none
$classes\\.vld\\ = sz:VarnelloList
$classes\\VarnelloList\\shell\\open\\command\\ = sz:\"$(e2e_winpath "$portable")\\varnello.exe\" \"%1\"
$settings\\Last Document = none" \
  "$(inspect reg-get "$entry" DisplayName reg-get "$classes\\.vld" '' \
     reg-get "$classes\\VarnelloList\\shell\\open\\command" '' reg-get "$settings" 'Last Document')"
echo PASS
