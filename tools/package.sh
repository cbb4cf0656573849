#!/bin/bash
# Builds what a Windows user downloads: the release preset (build/release:
# stripped varnello.exe and vldtool.exe, their debug information beside
# them in varnello.debug and vldtool.debug) and, with CPack, the per-user
# installer and the zip in build/package/. Installs what is missing first.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

bash tools/install-deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
mkdir -p build/package
rm -f build/package/Varnello-*-win64-setup.exe build/package/Varnello-*-win64.zip
cpack --config build/release/CPackConfig.cmake -B build/package
ls -l build/package/Varnello-*-win64-setup.exe build/package/Varnello-*-win64.zip
