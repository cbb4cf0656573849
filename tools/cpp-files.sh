#!/bin/bash
# Prints the project's C++ files (*.h, *.cpp) under the given folders, or in
# the whole project when none is given, one a line, relative to the project:
# the files git tracks or, where git cannot tell (no git, no .git), the files
# on disk outside build/. The checks fail on an empty list themselves.
# usage: tools/cpp-files.sh [FOLDER]...
set -u
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- .
specs=()
for folder in "$@"; do
  specs+=("$folder/*.h" "$folder/*.cpp")
done
git ls-files -- "${specs[@]}" 2>/dev/null ||
  find "$@" \( -path ./build -o -path build \) -prune -o \
    -type f \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||' | LC_ALL=C sort
