#!/usr/bin/env bash
# Checks the release package that tools/dist makes: a 32-bit GUI exe that
# imports system DLLs only, whose VERSIONINFO carries the version in the zip's
# name (and in the file VERSION), and readmes that Notepad shows: Shift_JIS
# (Japanese) and UTF-8 (English), both with CR LF line ends.
#
#   bash tests/release/dist_test.sh [ZIP]
#
# Without ZIP it runs tools/dist into build/dist-test first.
set -uo pipefail
# objdump and friends translate their output under a Japanese locale (which
# tools/test runs in); the checks below read the untranslated words.
export LC_ALL=C
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
zip=${1:-}
if [ -z "$zip" ]; then
  rm -rf "$root/build/dist-test"
  HAKUZO_DIST_DIR=$root/build/dist-test "$root/tools/dist" >/dev/null || {
    echo "dist test: tools/dist failed" >&2
    exit 1
  }
  zip=$(find "$root/build/dist-test" -name 'hakuzo-*-win32.zip' | head -n 1)
fi
failures=0
fail() { echo "dist test: $*" >&2; failures=$((failures + 1)); }

name=$(basename "$zip")
version=$(head -n 1 "$root/VERSION" | tr -d '\r \t')
[ "$name" = "hakuzo-$version-win32.zip" ] || fail "$name is not hakuzo-$version-win32.zip"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work" || { echo "dist test: cannot open $zip" >&2; exit 1; }
listed=$(cd "$work" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
[ "$listed" = "README-en.txt hakuzo.exe readme.txt " ] || fail "unexpected contents: $listed"

exe=$work/hakuzo.exe
# Whole outputs first: grep -q stops reading early, and pipefail would count
# objdump's broken pipe as a failure.
header=$(objdump -f "$exe")
headers=$(objdump -p "$exe")
grep -q 'file format pei-i386' <<<"$header" || fail "hakuzo.exe is not a PE32 i386 exe"
grep -q -E '^Subsystem\s.*\(Windows GUI\)' <<<"$headers" || fail "hakuzo.exe is not a GUI program"
"$root/tools/check-imports" "$exe" || failures=$((failures + 1))

# The version strings of the VERSIONINFO (UTF-16 in the resource).
for key in FileVersion ProductVersion; do
  found=$(strings -el "$exe" | grep -x -A1 "$key" | sed -n 2p || true)
  [ "$found" = "$version" ] || fail "$key is '$found', the zip says $version"
done
# The numbers of VS_FIXEDFILEINFO after its signature 0xFEEF04BD: file
# version MS (minor, major as 16-bit little-endian words), then LS (0, patch).
offset=$(LC_ALL=C grep -m 1 -obUaP '\xbd\x04\xef\xfe' "$exe" | head -n 1 | cut -d: -f1)
if [ -z "$offset" ]; then
  fail "hakuzo.exe has no VERSIONINFO"
else
  read -r minor major build patch < <(od -An -t u2 -j $((offset + 8)) -N 8 "$exe")
  if [ "$major.$minor.$patch" != "$version" ] || [ "$build" != 0 ]; then
    fail "FILEVERSION is $major,$minor,$patch,$build, the zip says $version"
  fi
fi

# Every line ends in CR LF, the last one too.
crlf_only() {
  [ "$(LC_ALL=C grep -c -v $'\r$' "$1")" = 0 ] && [ "$(tail -c 1 "$1" | od -An -t x1 | tr -d ' ')" = 0a ]
}
ja=$work/readme.txt
if ! decoded=$(iconv -f SHIFT_JIS -t UTF-8 "$ja"); then
  fail "readme.txt is not Shift_JIS"
else
  for words in 'Hkz.ini' '55,999' '他エディタ' 'Shift+F4' "Hakuzo $version"; do
    grep -q -F "$words" <<<"$decoded" || fail "readme.txt does not mention $words"
  done
fi
crlf_only "$ja" || fail "readme.txt has line ends other than CR LF"
en=$work/README-en.txt
iconv -f UTF-8 -t UTF-8 "$en" >/dev/null || fail "README-en.txt is not UTF-8"
for words in 'Hkz.ini' '55,999' 'Alt+F4' "Hakuzo $version"; do
  grep -q -F "$words" "$en" || fail "README-en.txt does not mention $words"
done
crlf_only "$en" || fail "README-en.txt has line ends other than CR LF"

size=$(stat -c %s "$exe")
echo "dist test: $name, hakuzo.exe $size bytes"
[ "$size" -le 51200 ] || fail "hakuzo.exe has $size bytes, more than 50 KiB"
[ $failures -eq 0 ] || { echo "dist test: $failures failure(s)" >&2; exit 1; }
echo "dist test: passed"
