#!/bin/bash
# Checks that every C++ file of the project is formatted as .clang-format
# asks (clang-format 14); prints the first differences and fails otherwise.
# To format: bash tools/cpp-files.sh | xargs clang-format-14 -i
set -u
cd "$(dirname "$0")/.."
files=$(bash tools/cpp-files.sh)
if [ -z "$files" ]; then
  echo "format: no files to check" >&2
  exit 1
fi
if ! out=$(echo "$files" | xargs clang-format-14 --dry-run --Werror 2>&1); then
  echo "$out" | head -40
  echo "Files are not formatted; run: bash tools/cpp-files.sh | xargs clang-format-14 -i" >&2
  exit 1
fi
echo "format: every C++ file is formatted"
