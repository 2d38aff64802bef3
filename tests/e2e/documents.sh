#!/usr/bin/env bash
# Opens, edits and saves real Japanese files by key presses, as a user would:
# both encodings and both line-end styles come back byte-exact; Save As goes
# through the real dialog; a recent entry survives a restart; a file too
# large for the editor is handed to the external editor and the editor ends.
set -euo pipefail
exe=$1
. "$(dirname "$0")/lib/editor.sh"
e2e_workspace documents

text=$'日本語のメモ\n二行目\n'
printf '%s' "$text" | iconv -f UTF-8 -t SHIFT_JIS | LC_ALL=C sed 's/$/\r/' >"$work/sjis.txt"
printf '%s' "$text" | iconv -f UTF-8 -t EUC-JP >"$work/euc.txt"
printf 'abc%s' "$text" | iconv -f UTF-8 -t SHIFT_JIS | LC_ALL=C sed 's/$/\r/' >"$work/sjis.expected"
printf 'abc%s' "$text" | iconv -f UTF-8 -t EUC-JP >"$work/euc.expected"

# History on, so the saved files are listed at the next start.
printf '[Set]\r\nUse History=1\r\n' >"$ini"

for name in sjis euc; do
  start_editor "$(winpath "$work/$name.txt")"
  wait_title "$name.txt - Hakuzo"
  focus
  keys ctrl+Home
  typed abc
  wait_title "$name.txt - Hakuzo *"
  keys ctrl+s
  wait_title "$name.txt - Hakuzo"
  same_bytes "$work/$name.txt" "$work/$name.expected"
  keys alt+F4
  wait_exit
done
echo "documents: Shift_JIS CR LF and EUC-JP LF saved byte-exact"

# Save As through the real dialog, then a restart opens it from the list.
start_editor
wait_title "Hakuzo"
focus
typed 'saved as'
keys alt+f
keys a
wait_dialog "文書の保存"
typed "$(winpath "$work/copy")"
keys Return
wait_title "copy.txt - Hakuzo"
[ "$(cat "$work/copy.txt")" = "saved as" ] || fail "copy.txt holds '$(cat "$work/copy.txt")'"
keys alt+F4
wait_exit
grep -q "^Recent File0=$(winpath "$work/copy.txt" | LC_ALL=C sed 's/\\/\\\\/g')" "$ini" || fail "no recent entry: $(cat "$ini")"

start_editor
wait_title "Hakuzo"
focus
keys alt+f
keys 0
wait_title "copy.txt - Hakuzo"
keys alt+F4
wait_exit
echo "documents: Save As by the dialog, and its recent entry after a restart"

# A file too large for the editor goes to the external editor at once.
recorder=$(dirname "$exe")/tests/record_command_line.exe
[ -f "$recorder" ] || fail "no $recorder"
cp "$recorder" "$work/editor.exe"
head -c 60000 /dev/zero | tr '\0' 'x' >"$work/big.txt"
printf '[Relay]\r\nRelay Process=1\r\nNo Inquire=1\r\nProcess Name=%s\r\n' "$(winpath "$work/editor.exe")" >>"$ini"
start_editor "$(winpath "$work/big.txt")"
wait_exit
poll 50 test -s "$work/command-line.txt" || true
grep -qF "\"$(winpath "$work/big.txt")\"" "$work/command-line.txt" ||
  fail "the external editor got: $(cat "$work/command-line.txt" 2>/dev/null)"
echo "documents: a too-large file was handed over and the editor ended"
