#!/bin/bash
# Runs the Windows build's tests under Wine with one prefix and one
# wineserver for the whole run, ended afterwards.
set -u
build=${1:-build/win}
export WINEPREFIX="$(cd "$build" && pwd)/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
# Wine reads Unix file names in the encoding of the Unix locale, which must
# be one the machine has: C.UTF-8 is there everywhere.
export LANG=C.UTF-8 LC_ALL=
here=$(cd "$(dirname "$0")" && pwd)
"$here/wine-prefix-init" --unmanaged
ctest --test-dir "$build" --output-on-failure -j1
rc=$?
wineserver -k >/dev/null 2>&1 || true
exit $rc
