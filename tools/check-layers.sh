#!/bin/bash
# Checks the direction of the program's dependencies (ARCHITECTURE.md):
# - a layer includes only headers of its own layer and of the layers below;
# - portable code (outside win/ folders) includes no Windows header and no
#   header of a win/ folder;
# - the portable tests (tests/core) are portable code too.
# Prints each offending include and fails when there is one.
set -u
cd "$(dirname "$0")/.."
layers=(base framework res list wallpaper dialogs view app)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
windows_headers='windows|win[a-z0-9]*|commctrl|commdlg|shellapi|shlobj|shlwapi|shobjidl|ole[a-z0-9]*|objbase|objidl|unknwn|oaidl|wtypes|rpc[a-z]*|gdiplus[a-z]*|htmlhelp|mmsystem|tchar|uxtheme|dwmapi'
bad=0
checked=0
complain() { echo "$1: $2"; bad=1; }

check_file() {
  local file=$1 own=$2 portable=$3 line target
  checked=$((checked + 1))
  while IFS= read -r line; do
    if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z]+)/([^\"]*)\" ]]; then
      target=${BASH_REMATCH[1]}
      local rest=${BASH_REMATCH[2]}
      local r; r=$(rank "$target")
      if [ "$own" != "" ] && [ "$r" -ge 0 ] && [ "$r" -gt "$(rank "$own")" ]; then
        complain "$file" "includes $target/$rest from the lower layer $own"
      fi
      if [ "$portable" = 1 ] && [[ $rest == win/* ]]; then
        complain "$file" "portable code includes the Win32 header $target/$rest"
      fi
    elif [ "$portable" = 1 ] && [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([A-Za-z0-9_]+)\.h\> ]]; then
      if [[ ${BASH_REMATCH[1],,} =~ ^($windows_headers)$ ]]; then
        complain "$file" "portable code includes <${BASH_REMATCH[1]}.h>"
      fi
    fi
  done < "$file"
}

for layer in "${layers[@]}"; do
  [ -d "$layer" ] || continue
  while IFS= read -r file; do
    case $file in */win/*) portable=0 ;; *) portable=1 ;; esac
    check_file "$file" "$layer" "$portable"
  done < <(bash tools/cpp-files.sh "$layer")
done
while IFS= read -r file; do
  check_file "$file" "" 1
done < <(bash tools/cpp-files.sh tests/core)

if [ $checked -eq 0 ]; then
  echo "layers: no files to check" >&2
  exit 1
fi

if [ $bad -ne 0 ]; then
  echo "Includes that run against the layers (see ARCHITECTURE.md)." >&2
  exit 1
fi
echo "layers: every include runs downward"
