# Helpers for the end-to-end tests: varnello.exe under Wine in the build's
# own prefix, driven by real X input (xdotool) and read from outside by the
# window inspector vinspect.exe. A test sources this file and calls
#   e2e_init "$@"      (arguments: varnello.exe, source dir, build dir)
# first. See tests/e2e/README.md.

E2E_PID=
E2E_XWIN=

# Ends the test with a message; the EXIT trap cleans up.
e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Prints a step of the test.
e2e_step() {
  echo "--- [${SECONDS}s] $*"
}

# Sets up the test: paths, the prefix, a fresh work folder, clean-up on exit
# and default program settings.
e2e_init() {
  [ $# -ge 3 ] || e2e_fail "usage: $0 VARNELLO_EXE SOURCE_DIR BUILD_DIR"
  VARNELLO_EXE=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  E2E_SRC=$(cd "$2" && pwd)
  E2E_BUILD=$(cd "$3" && pwd)
  VINSPECT=$E2E_BUILD/tests/vinspect.exe
  [ -f "$VARNELLO_EXE" ] || e2e_fail "no program $VARNELLO_EXE"
  [ -f "$VINSPECT" ] || e2e_fail "no inspector $VINSPECT (build the target vinspect)"
  E2E_NAME=$(basename "$0" .sh)
  E2E_WORK=$E2E_BUILD/e2e/$E2E_NAME
  rm -rf "$E2E_WORK"
  mkdir -p "$E2E_WORK"
  export WINEPREFIX=$E2E_BUILD/wineprefix
  # Wine reads Unix file names in the encoding of the Unix locale; under a
  # locale the machine has not generated it mangles every name that is not
  # ASCII. C.UTF-8 is there on every system.
  export LANG=C.UTF-8 LC_ALL=
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml="}
  [ -n "${DISPLAY:-}" ] || e2e_fail "no X display (run under tools/with-display.sh)"
  # Keys and clicks: real X input when xdotool is there, else system input
  # sent by the inspector. E2E_INPUT=sendinput forces the latter.
  if [ -z "${E2E_INPUT:-}" ]; then
    if command -v xdotool >/dev/null 2>&1; then E2E_INPUT=xdotool; else E2E_INPUT=sendinput; fi
  fi
  trap e2e_cleanup EXIT
  "$E2E_SRC/tools/wine-prefix-init" --unmanaged || e2e_fail "cannot prepare $WINEPREFIX"
  # Every test starts from the program's default settings.
  inspect reg-delete 'HKCU\Software\Quillfen\Varnello'
  cd "$E2E_WORK" || e2e_fail "no work folder"
}

# Runs on exit: a program that is still running is killed, so that no
# process of the test outlives it.
e2e_cleanup() {
  local rc=$?
  if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
    echo "varnello.exe still running: killing pid $E2E_PID" >&2
    kill -KILL "$E2E_PID" 2>/dev/null
    wait "$E2E_PID" 2>/dev/null
    rc=1
  fi
  if [ $rc -ne 0 ] && [ -s "$E2E_WORK/varnello.log" ]; then
    echo "varnello.exe output:" >&2
    cat "$E2E_WORK/varnello.log" >&2
  fi
  exit $rc
}

# Runs the inspector with the commands given; prints what it prints. A
# failing command ends the test.
inspect() {
  inspect_try "$@" || e2e_fail "vinspect $*"
}

# Runs the inspector like inspect, but returns its exit code instead.
# Its output goes through files: Wine's helper processes must not hold a
# pipe of ours open.
inspect_try() {
  local out=$E2E_WORK/.vinspect.out err=$E2E_WORK/.vinspect.err rc
  timeout 120 wine "$VINSPECT" "$@" >"$out" 2>"$err" </dev/null
  rc=$?
  cat "$out"
  cat "$err" >&2
  return $rc
}

# Converts an absolute Unix path to the path Wine's programs see (Z:\...).
e2e_winpath() {
  local p=$1
  echo "Z:${p//\//\\}"
}

# Starts varnello.exe with the arguments in the work folder and returns at
# once (for a box that comes before the main window shows: inspect
# wait-dialog). Arguments that are paths: relative, or Wine paths (Z:\...);
# the program's command line takes "/..." for a flag.
e2e_launch() {
  [ -z "$E2E_PID" ] || e2e_fail "varnello.exe is already running"
  (cd "$E2E_WORK" && exec wine "$VARNELLO_EXE" "$@") >"$E2E_WORK/varnello.log" 2>&1 </dev/null &
  E2E_PID=$!
  E2E_XWIN=
}

# Starts varnello.exe like e2e_launch and waits for its main window.
e2e_start() {
  e2e_launch "$@"
  if ! inspect_try wait-window 60000 >/dev/null; then
    kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "varnello.exe ended at start"
    inspect_try dialog 2>/dev/null
    e2e_fail "no visible Varnello window"
  fi
}

# Finds the X window of the main window (title ending in " - Varnello").
e2e_xwindow() {
  local i
  for i in $(seq 50); do
    E2E_XWIN=$(xdotool search --onlyvisible --pid "$E2E_PID" --name ' - Varnello$' 2>/dev/null | head -1)
    [ -n "$E2E_XWIN" ] && return 0
    sleep 0.1
  done
  e2e_fail "no X window of Varnello"
}

# Presses keys given in xdotool's names (ctrl+s, Return, Delete, shift+Insert).
# They reach the program's active window, an open dialog included.
e2e_key() {
  local keys
  for keys in "$@"; do
    if [ "$E2E_INPUT" = xdotool ]; then
      [ -n "$E2E_XWIN" ] || e2e_xwindow
      xdotool windowfocus --sync "$E2E_XWIN" key "$keys" 2>/dev/null ||
        { e2e_xwindow; xdotool windowfocus --sync "$E2E_XWIN" key "$keys"; } ||
        e2e_fail "xdotool key $keys"
    else
      inspect key "$keys"
    fi
  done
}

# Clicks the screen point X Y with button left (default), right or double.
# (mousemove --sync would wait in vain when the pointer is already there.)
e2e_click() {
  local x=$1 y=$2 button=${3:-left}
  if [ "$E2E_INPUT" = xdotool ]; then
    case $button in
      left) xdotool mousemove "$x" "$y" sleep 0.2 click 1 ;;
      right) xdotool mousemove "$x" "$y" sleep 0.2 click 3 ;;
      double) xdotool mousemove "$x" "$y" sleep 0.2 click --repeat 2 --delay 50 1 ;;
      *) e2e_fail "unknown button $button" ;;
    esac || e2e_fail "xdotool click at $x $y"
  else
    inspect click "$x" "$y" "$button"
  fi
}

# Clicks the header of column N. Two clicks within the system's double-click
# time (500 ms) would make a double click, which the header reports as such
# and not as a second click; so a click waits that long after the last one.
E2E_LAST_COLUMN_CLICK=0
e2e_click_column() {
  local point now
  point=$(inspect column-point "$1") || exit 1
  set -- $point
  now=$(date +%s%N)
  if [ $(( (now - E2E_LAST_COLUMN_CLICK) / 1000000 )) -lt 700 ]; then sleep 0.7; fi
  e2e_click "$2" "$3"
  E2E_LAST_COLUMN_CLICK=$(date +%s%N)
}

# Waits for varnello.exe to end by itself (at most $1 seconds, default 30)
# and checks that it ended with exit code 0.
e2e_wait_exit() {
  local limit=$(( ${1:-30} * 10 )) i rc
  for i in $(seq "$limit"); do
    kill -0 "$E2E_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$E2E_PID" 2>/dev/null && e2e_fail "varnello.exe did not end"
  wait "$E2E_PID"
  rc=$?
  E2E_PID=
  [ $rc -eq 0 ] || e2e_fail "varnello.exe ended with exit code $rc"
}

# Closes the main window (WM_CLOSE) and waits for the program to end.
e2e_close() {
  inspect close
  e2e_wait_exit "$@"
}

# Compares two texts; on a difference shows both and ends the test.
expect_eq() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    echo "FAIL: $what" >&2
    diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | sed '1,2d' >&2
    exit 1
  fi
}

# Runs the inspector commands until their output is the expected text (at
# most 10 seconds), for effects of input that arrive a little later.
expect_soon() {
  local what=$1 expected=$2 actual i
  shift 2
  for i in $(seq 40); do
    actual=$(inspect_try "$@" 2>&1)
    [ "$actual" = "$expected" ] && return 0
    sleep 0.2
  done
  expect_eq "$what" "$expected" "$actual"
}

# Compares a file's bytes with an expected file; shows both in hex on a
# difference and ends the test.
expect_file() {
  local what=$1 expected=$2 actual=$3
  if ! cmp -s "$expected" "$actual"; then
    echo "FAIL: $what: $actual differs from $expected" >&2
    diff -u <(od -An -tx1 -v "$expected") <(od -An -tx1 -v "$actual") | sed '1,2d' >&2
    exit 1
  fi
}

# Waits at most $4 seconds (default 10) for a file to have the expected bytes.
wait_file() {
  local what=$1 expected=$2 actual=$3 limit=$(( ${4:-10} * 10 )) i
  for i in $(seq "$limit"); do
    cmp -s "$expected" "$actual" && return 0
    sleep 0.1
  done
  expect_file "$what" "$expected" "$actual"
}

# List-file pieces for building input lists: a string with its length
# prefix (texts below 255 bytes) and a little-endian 32-bit integer.
vld_string() {
  local LC_ALL=C
  local n=${#1}
  [ "$n" -lt 255 ] || e2e_fail "vld_string: text too long"
  printf "\\x$(printf %02x "$n")%s" "$1"
}
vld_int32() {
  local v=$(( $1 & 0xFFFFFFFF ))
  printf "\\x$(printf %02x $(( v & 255 )))\\x$(printf %02x $(( (v >> 8) & 255 )))"
  printf "\\x$(printf %02x $(( (v >> 16) & 255 )))\\x$(printf %02x $(( (v >> 24) & 255 )))"
}
