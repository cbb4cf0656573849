#!/bin/bash
# Tests vldtool through its executable: list files are built byte by byte,
# dumped and upgraded, and the output, the written bytes and the exit codes
# are compared with what they must be.
#
# usage: vldtool_test.sh EMULATOR VLDTOOL   (EMULATOR empty when native,
#                                            tools/wine-run for the .exe)
set -u
emulator=${1:-}
tool=$(realpath "${2:?usage: vldtool_test.sh EMULATOR VLDTOOL}")
[ -n "$emulator" ] && emulator=$(realpath "$emulator")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

passed=0
failed=0

# Runs vldtool with the arguments; leaves stdout in out, stderr in err, the
# exit status in rc.
vld() {
  if [ -n "$emulator" ]; then
    "$emulator" "$tool" "$@" >out 2>err
  else
    "$tool" "$@" >out 2>err
  fi
  rc=$?
}

# Records one check: NAME then a command that must succeed.
check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name"
    echo "  exit status $rc; stdout:"; od -c out | head -20 | sed 's/^/    /'
    echo "  stderr:"; sed 's/^/    /' err
  fi
}

# True when the file holds exactly the bytes of the printf format.
bytes_are() {
  printf "$2" >expected.bin
  cmp -s "$1" expected.bin || { echo "  $1 differs:"; od -An -tx1 "$1" | head -8; \
                                  echo "  expected:"; od -An -tx1 expected.bin | head -8; false; }
}

rc_is() { [ "$rc" -eq "$1" ]; }
stdout_is() { bytes_are out "$1"; }
stderr_is() { bytes_are err "$1"; }
stdout_empty() { [ ! -s out ]; }
no_temp_files() { ! ls ./*.tmp >/dev/null 2>&1; }

# ---- Byte pieces of list files ----
SIG1='\x0dVLD Version 1'
SIG2='\x0dVLD Version 2'
SIG3='\x0dVLD Version 3'
Z4='\x00\x00\x00\x00'
ONE='\x01\x00\x00\x00'
# Version 3 with fresh settings, up to the item count.
FRESH3="$SIG3$Z4$Z4$Z4"'\x07Stretch\x00'"$Z4"
EMPTY3="$FRESH3$Z4"
FRESH_DUMP='interval-change: 0\nhours: 0\nminutes: 0\ndefault-position: Stretch\nlast-folder: \ninclude-subfolders: 0\n'

# ---- The smallest file: empty list, fresh settings (43 bytes) ----
printf "$EMPTY3" >empty.vld
check "empty file is 43 bytes" [ "$(wc -c <empty.vld)" -eq 43 ]
vld dump empty.vld
check "dump empty: exit 0" rc_is 0
check "dump empty: output" stdout_is "signature: VLD Version 3\n${FRESH_DUMP}items: 0\n"
vld upgrade empty.vld empty-out.vld
check "upgrade empty: exit 0" rc_is 0
check "upgrade empty: same 43 bytes" bytes_are empty-out.vld "$EMPTY3"
check "upgrade empty: nothing on stdout" stdout_empty

# ---- Version 1: count text, pending 1, trailing backslashes, old names ----
printf "$SIG1"'\x03\x00\x00\x00'\
'\x05a.jpg''\x09C:\\Pics\\\\''\x08Centered''\x0512abc'\
'\x05b.jpg''\x04D:\\W''\x05Tiled''\x03 -3'\
'\x05c.jpg''\x02\\\\''\x09Stretched''\x01x' >v1.vld
vld dump v1.vld
check "dump v1: exit 0" rc_is 0
check "dump v1: output" stdout_is "signature: VLD Version 1\n${FRESH_DUMP}items: 3\n"\
'C:\\Pics\\a.jpg\tCenter\t12\t1\nD:\\W\\b.jpg\tTile\t-3\t1\n\\c.jpg\tStretch\t0\t1\n'
vld upgrade v1.vld v1-out.vld
check "upgrade v1: exit 0" rc_is 0
check "upgrade v1: version 3 with fresh settings" bytes_are v1-out.vld "$FRESH3"'\x03\x00\x00\x00'\
'\x0dC:\\Pics\\a.jpg\x06Center\x0c\x00\x00\x00'"$ONE"\
'\x0aD:\\W\\b.jpg\x04Tile\xfd\xff\xff\xff'"$ONE"\
'\x06\\c.jpg\x07Stretch'"$Z4$ONE"

# ---- Version 2: int32 count and pending flag ----
printf "$SIG2"'\x02\x00\x00\x00'\
'\x05a.jpg''\x0aC:\\Pics\\\\\\''\x05Tiled''\x07\x00\x00\x00'"$Z4"\
'\x05b.jpg''\x02E:''\x06Center''\xff\xff\xff\xff''\x02\x00\x00\x00' >v2.vld
vld dump v2.vld
check "dump v2: exit 0" rc_is 0
check "dump v2: output" stdout_is "signature: VLD Version 2\n${FRESH_DUMP}items: 2\n"\
'C:\\Pics\\a.jpg\tTile\t7\t0\nE:\\b.jpg\tCenter\t-1\t2\n'
vld upgrade v2.vld v2-out.vld
check "upgrade v2: exit 0" rc_is 0
check "upgrade v2: bytes" bytes_are v2-out.vld "$FRESH3"'\x02\x00\x00\x00'\
'\x0dC:\\Pics\\a.jpg\x04Tile\x07\x00\x00\x00'"$Z4"\
'\x08E:\\b.jpg\x06Center\xff\xff\xff\xff\x02\x00\x00\x00'

# ---- Version 3: settings, "Tiled" stays, odd names, negative counts ----
V3="$SIG3$ONE"'\x02\x00\x00\x00\x1e\x00\x00\x00''\x04Tile''\x09E:\\Walls\\'"$ONE"'\x03\x00\x00\x00'\
'\x0dC:\\Pics\\a.jpg''\x05Tiled''\xf6\xff\xff\xff'"$Z4"\
'\x09loose.bmp''\x05Weird''\x05\x00\x00\x00''\x09\x00\x00\x00'\
'\x08C:\\x.jpg''\x07Stretch'"$Z4$ONE"
printf "$V3" >v3.vld
vld dump v3.vld
check "dump v3: exit 0" rc_is 0
check "dump v3: output" stdout_is 'signature: VLD Version 3\ninterval-change: 1\nhours: 2\nminutes: 30\n'\
'default-position: Tile\nlast-folder: E:\\Walls\\\ninclude-subfolders: 1\nitems: 3\n'\
'C:\\Pics\\a.jpg\tTiled\t-10\t0\nloose.bmp\tWeird\t5\t9\nC:\\x.jpg\tStretch\t0\t1\n'
vld upgrade v3.vld v3-out.vld
check "upgrade v3: exit 0" rc_is 0
check "upgrade v3: same bytes" bytes_are v3-out.vld "$V3"

# ---- Length prefixes: 255 bytes take FF and two bytes; other forms are read ----
long=$(printf 'p%.0s' $(seq 255))
printf "$FRESH3$ONE"'\xff\xff\x00'"$long"'\x04Tile'"$Z4$ONE" >long.vld
vld upgrade long.vld long-out.vld
check "upgrade 255-byte path: exit 0" rc_is 0
check "upgrade 255-byte path: FF FF 00 prefix" cmp -s long.vld long-out.vld
long=$(printf 'p%.0s' $(seq 65533))
printf "$FRESH3$ONE"'\xff\xfd\xff'"$long"'\x04Tile'"$Z4$ONE" >long.vld
vld upgrade long.vld long-out.vld
check "upgrade 65533-byte path: FF FD FF prefix" cmp -s long.vld long-out.vld
long=$(printf 'p%.0s' $(seq 65534))
printf "$FRESH3$ONE"'\xff\xff\xff\xfe\xff\x00\x00'"$long"'\x04Tile'"$Z4$ONE" >long.vld
vld upgrade long.vld long-out.vld
check "upgrade 65534-byte path: 7-byte prefix" cmp -s long.vld long-out.vld

# Every reader form: 8-bit with 3-, 7- and 15-byte prefixes, 16-bit with the
# FE FF marker (é, printed in UTF-8, is E9 in Windows-1252); written back in
# the shortest 8-bit form.
printf "$SIG3$Z4$Z4$Z4"'\xff\x04\x00Tile''\xff\xfe\xff\x03W\x00:\x00\xe9\x00'"$Z4"'\x02\x00\x00\x00'\
'\xff\xff\xff\x08\x00\x00\x00C:\\a.jpg''\xff\xff\xff\xff\xff\xff\xff\x06\x00\x00\x00\x00\x00\x00\x00Center'"$Z4$ONE"\
'\xff\xfe\xff\xff\xff\xff\x05\x00\x00\x00b\x00.\x00j\x00p\x00g\x00''\xff\xfe\xff\xff\x04\x00T\x00i\x00l\x00e\x00'"$ONE$Z4" >forms.vld
vld dump forms.vld
check "dump all string forms: exit 0" rc_is 0
check "dump all string forms: output" stdout_is 'signature: VLD Version 3\ninterval-change: 0\nhours: 0\nminutes: 0\n'\
'default-position: Tile\nlast-folder: W:\xc3\xa9\ninclude-subfolders: 0\nitems: 2\n'\
'C:\\a.jpg\tCenter\t0\t1\nb.jpg\tTile\t1\t0\n'
vld upgrade forms.vld forms-out.vld
check "upgrade all string forms: shortest prefixes" bytes_are forms-out.vld "$SIG3$Z4$Z4$Z4"'\x04Tile\x03W:\xe9'"$Z4"\
'\x02\x00\x00\x00''\x08C:\\a.jpg\x06Center'"$Z4$ONE"'\x05b.jpg\x04Tile'"$ONE$Z4"

# ---- Names in any script: printed in UTF-8; upgrade keeps the 16-bit form
# for what Windows-1252 lacks (日本語\🌄.png, Ελ) and its 8-bit form for é ----
NAMES3="$SIG3$Z4$Z4$Z4"'\x04Tile''\xff\xfe\xff\x02\x95\x03\xbb\x03'"$Z4"'\x02\x00\x00\x00'\
'\xff\xfe\xff\x0a\xe5\x65\x2c\x67\x9e\x8a\x5c\x00\x3c\xd8\x04\xdf\x2e\x00\x70\x00\x6e\x00\x67\x00'\
'\x04Tile'"$Z4$ONE"'\x08caf\xe9.jpg''\x04Tile'"$ONE$Z4"
printf "$NAMES3" >'壁紙.vld'
vld dump '壁紙.vld'
check "dump names: exit 0" rc_is 0
check "dump names: UTF-8" stdout_is 'signature: VLD Version 3\ninterval-change: 0\nhours: 0\nminutes: 0\n'\
'default-position: Tile\nlast-folder: \xce\x95\xce\xbb\ninclude-subfolders: 0\nitems: 2\n'\
'\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\\\xf0\x9f\x8c\x84.png\tTile\t0\t1\ncaf\xc3\xa9.jpg\tTile\t1\t0\n'
vld upgrade '壁紙.vld' '壁紙-out.vld'
check "upgrade names: same bytes" bytes_are '壁紙-out.vld' "$NAMES3"

# ---- Item count 0 or negative: empty list ----
for count in "$Z4" '\xff\xff\xff\xff' '\x00\x00\x00\x80'; do
  printf "$FRESH3$count"'\x05a.jpg' >neg.vld
  vld dump neg.vld
  check "count $count: exit 0" rc_is 0
  check "count $count: empty list" stdout_is "signature: VLD Version 3\n${FRESH_DUMP}items: 0\n"
  printf "$SIG2$count" >neg.vld
  vld dump neg.vld
  check "v2 count $count: empty list" stdout_is "signature: VLD Version 2\n${FRESH_DUMP}items: 0\n"
done

# ---- Failures: message, exit status, OUT never written ----
printf 'keep me' >keep.vld

printf '\x0dVLD Version 4'"$Z4" >bad-sig.vld
vld dump bad-sig.vld
check "unknown signature: exit 4" rc_is 4
check "unknown signature: text" stderr_is \
'The VLD file signature is either incorrect or has been\ncorrupted. File loading will not continue.\n'
check "unknown signature: no stdout" stdout_empty
vld upgrade bad-sig.vld keep.vld
check "unknown signature upgrade: exit 4" rc_is 4
check "unknown signature upgrade: OUT untouched" bytes_are keep.vld 'keep me'
vld upgrade bad-sig.vld new.vld
check "unknown signature upgrade: OUT not created" [ ! -e new.vld ]

head -c 60 v3.vld >short.vld
vld dump short.vld
check "truncated: exit 5" rc_is 5
check "truncated: text" stderr_is 'Unexpected file format.\n'
check "truncated: no stdout" stdout_empty
vld upgrade short.vld keep.vld
check "truncated upgrade: exit 5" rc_is 5
check "truncated upgrade: OUT untouched" bytes_are keep.vld 'keep me'

: >zero.vld
vld dump zero.vld
check "empty file: exit 5" rc_is 5
check "empty file: text" stderr_is 'Unexpected file format.\n'

printf "$FRESH3$ONE"'\xff\xff\xff\xff\xff\xff\xff\x00\x00\x00\x80\x00\x00\x00\x00abc' >badlen.vld
vld dump badlen.vld
check "8-byte length 80000000: exit 6" rc_is 6
check "8-byte length 80000000: text" stderr_is 'Failed to open document.\n'
vld upgrade badlen.vld keep.vld
check "8-byte length upgrade: exit 6" rc_is 6
check "8-byte length upgrade: OUT untouched" bytes_are keep.vld 'keep me'

# A 4 GiB length in a small file fails as end of file, at once.
printf "$FRESH3$ONE"'\xff\xff\xff\xfe\xff\xff\xffabc' >huge.vld
vld dump huge.vld
check "4 GiB length in a small file: exit 5" rc_is 5

vld dump missing.vld
check "missing file: exit 3" rc_is 3
check "missing file: named" grep -q 'missing.vld' err
vld upgrade missing.vld keep.vld
check "missing input upgrade: exit 3" rc_is 3
check "missing input upgrade: OUT untouched" bytes_are keep.vld 'keep me'

vld upgrade v3.vld no-such-dir/out.vld
check "unwritable OUT: exit 3" rc_is 3
check "unwritable OUT: named" grep -q 'out.vld' err
check "unwritable OUT: not created" [ ! -e no-such-dir ]

# ---- Usage ----
for args in "" "dump" "dump a b" "upgrade a" "upgrade a b c" "list v3.vld"; do
  # shellcheck disable=SC2086
  vld $args
  check "usage '$args': exit 2" rc_is 2
  check "usage '$args': no stdout" stdout_empty
done

# ---- Upgrade over an existing OUT and in place; no temporary files left ----
cp v1.vld inplace.vld
vld upgrade inplace.vld inplace.vld
check "upgrade in place: exit 0" rc_is 0
check "upgrade in place: bytes" cmp -s inplace.vld v1-out.vld
vld upgrade v2.vld keep.vld
check "upgrade over existing OUT: exit 0" rc_is 0
check "upgrade over existing OUT: bytes" cmp -s keep.vld v2-out.vld
check "no temporary files left" no_temp_files

echo "vldtool: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
