#!/bin/bash
# Reads the built help file back and checks it against the help sources:
# the project's contents file, index file, default topic and title are in
# it; every topic that the table of contents or the index names is in it;
# every page of the help folder is in the table of contents; and every link
# of every page in the file (stylesheet included) is relative and finds its
# page, and its anchor after "#" when it names one.
#
# usage: help_file_test.sh VARNELLO.CHM HELP_SOURCE_DIR
set -u
usage="usage: help_file_test.sh VARNELLO.CHM HELP_SOURCE_DIR"
chm=${1:?$usage}
src=${2:?$usage}

command -v extract_chmLib >/dev/null ||
  { echo "FAIL: extract_chmLib not found (Debian package libchm-bin)"; exit 1; }
[ -s "$chm" ] || { echo "FAIL: no help file at $chm"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
extract_chmLib "$chm" "$out" >/dev/null || { echo "FAIL: extract_chmLib cannot read $chm"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A value of the help project's [OPTIONS] section.
option() { sed -n "s/^$1=//p" "$src"/*.hhp | tr -d '\r'; }

# The "Local" values of a site map (table of contents or index).
locals() { grep -oi '<param name="Local" value="[^"]*"' "$1" | sed 's/.*value="//; s/"$//'; }

# Checks that TARGET ("page", "page#anchor" or "#anchor"), met in the file
# FROM (both relative to the root of the help file), exists in the help file.
check_target() {
  local from=$1 target=$2 page=${2%%#*} anchor=
  [[ $target == *#* ]] && anchor=${target#*#}
  if [ -z "$page" ]; then
    page=$from
  else
    page=$(realpath -m --relative-to="$out" "$out/$(dirname "$from")/$page")
  fi
  if [ ! -f "$out/$page" ]; then
    fail "$from: $target is not in the help file"
  elif [ -n "$anchor" ] && ! grep -qiE "(id|name)=\"$anchor\"" "$out/$page"; then
    fail "$from: $target names an anchor that $page lacks"
  fi
}

for key in "Contents file" "Index file" "Default topic"; do
  name=$(option "$key")
  [ -n "$name" ] && [ -f "$out/$name" ] || fail "$key \"$name\" of the project is not in the help file"
done
title=$(option Title)
[ -n "$title" ] && grep -aqF "$title" "$out/#SYSTEM" || fail "the title \"$title\" is not in the help file"

hhc=$(option "Contents file")
hhk=$(option "Index file")
for map in "$hhc" "$hhk"; do
  [ -f "$out/$map" ] || continue
  [ -n "$(locals "$out/$map")" ] || fail "$map names no topic"
  while read -r topic; do check_target "$map" "$topic"; done < <(locals "$out/$map")
done

contents=$(locals "$out/$hhc" 2>/dev/null | sed 's/#.*//' | sort -u)
pages=0
for page in "$src"/*.htm; do
  [ -f "$page" ] || continue
  pages=$((pages + 1))
  grep -qxF "$(basename "$page")" <<<"$contents" || fail "$(basename "$page") is not in the table of contents"
done
[ "$pages" -gt 0 ] || fail "no pages in $src"

links=0
while read -r page; do
  from=${page#"$out"/}
  while read -r link; do
    links=$((links + 1))
    case $link in
    *:* | /*) fail "$from: the link $link is not relative" ;;
    *) check_target "$from" "$link" ;;
    esac
  done < <(grep -oiE '(href|src)="[^"]*"' "$page" | sed -E 's/^[a-zA-Z]+="//; s/"$//')
done < <(find "$out" -type f \( -name '*.htm' -o -name '*.html' \))
[ "$links" -gt 0 ] || fail "the pages in the help file hold no links"

echo "$pages pages, $links links checked, $failures failures"
[ "$failures" -eq 0 ]
