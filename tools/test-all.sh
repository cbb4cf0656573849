#!/bin/bash
# Installs what is missing, checks the layering and the formatting, builds
# every preset and runs every test: the portable core natively and under
# sanitizers, the Windows build under Wine (with Xvfb when there is no
# display), the fuzzers (list file and photo orientation), and the packages
# (installer and zip) under Wine.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

bash tools/install-deps.sh

step() { echo; echo "==== $*"; }

step "checks: layering and formatting"
bash tools/check-layers.sh
bash tools/check-format.sh

for preset in native native-asan; do
  step "$preset: build and test"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset" -j"$jobs"
done

step "win: build"
cmake --preset win >/dev/null
cmake --build --preset win -j"$jobs"

step "win: test under Wine"
bash tools/with-display.sh bash tools/wine-ctest.sh build/win

step "fuzz: list file reader and photo orientation reader, 60 seconds in all"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
bash fuzz/run.sh build/fuzz 60

step "packages: release build, installer and zip, tested under Wine in their own prefix"
bash tools/package.sh
bash tools/with-display.sh bash tests/package/package_test.sh build/package build/win

step "all tests passed"
