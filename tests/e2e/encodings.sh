#!/usr/bin/env bash
# The two line-end and encoding pairs that documents.sh leaves out, opened
# from the command line, edited and saved by Ctrl+S byte-exact: Shift_JIS
# with LF and EUC-JP with CR LF. Then the EUC switch of the menu turns an
# EUC-JP file into Shift_JIS at the next save, keeping its LF line ends.
set -euo pipefail
exe=$1
. "$(dirname "$0")/lib/editor.sh"
e2e_workspace encodings

# Half-width katakana are single bytes in Shift_JIS only; EUC-JP writes them
# with a lead byte that the editor reads as Shift_JIS.
sjis_text=$'半角ｶﾅと全角カナ、記号「」も\n二行目の漢字\n'
text=$'全角カナと漢字、記号「」も\n二行目の漢字\n'
crlf() { LC_ALL=C sed 's/$/\r/'; }
printf '%s' "$sjis_text" | iconv -f UTF-8 -t SHIFT_JIS >"$work/sjis-lf.txt"
printf 'abc%s' "$sjis_text" | iconv -f UTF-8 -t SHIFT_JIS >"$work/sjis-lf.expected"
printf '%s' "$text" | iconv -f UTF-8 -t EUC-JP | crlf >"$work/euc-crlf.txt"
printf 'abc%s' "$text" | iconv -f UTF-8 -t EUC-JP | crlf >"$work/euc-crlf.expected"

for name in sjis-lf euc-crlf; do
  edit_and_save "$work/$name.txt"
  same_bytes "$work/$name.txt" "$work/$name.expected"
  close_editor
done
echo "encodings: Shift_JIS LF and EUC-JP CR LF saved byte-exact"

# Options > 文字(C) > EUC(E) switches the open document to Shift_JIS.
printf '%s' "$text" | iconv -f UTF-8 -t EUC-JP >"$work/toggle.txt"
printf 'abc%s' "$text" | iconv -f UTF-8 -t SHIFT_JIS >"$work/toggle.expected"
start_editor "$(winpath "$work/toggle.txt")"
wait_title "toggle.txt - Hakuzo"
focus
keys alt+o c e
keys ctrl+Home
typed abc
wait_title "toggle.txt - Hakuzo *"
keys ctrl+s
wait_title "toggle.txt - Hakuzo"
same_bytes "$work/toggle.txt" "$work/toggle.expected"
close_editor
echo "encodings: the EUC switch made an EUC-JP file save as Shift_JIS"
