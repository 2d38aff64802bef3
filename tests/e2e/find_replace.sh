#!/usr/bin/env bash
# Find and replace by the keys a user presses: Ctrl+F, F3, Shift+F3, Ctrl+R
# and F4 answered with Yes, then Ctrl+S; the bytes on disk tell the result.
set -euo pipefail
exe=$1
. "$(dirname "$0")/lib/editor.sh"
e2e_workspace find-replace

printf 'abc abc abc\r\n' >"$work/find.txt"
start_editor "$(winpath "$work/find.txt")"
wait_title "find.txt - Hakuzo"
focus

keys ctrl+f
wait_dialog "文字列の検索"
typed abc
keys Return
wait_title "find.txt - Hakuzo"
keys F3 F3 shift+F3   # 0-3, 4-7, 8-11, back to 4-7

keys ctrl+r
wait_dialog "文字列の置換"
keys Tab             # from the search box, already "abc", to the replacement
typed XYZ
keys Return          # finds 8-11 after the selection and asks
wait_dialog "Hakuzo"
keys Return          # Yes
wait_title "find.txt - Hakuzo *"
keys F4              # wraps to 0-3 and asks again
wait_dialog "Hakuzo"
keys Return
wait_title "find.txt - Hakuzo *"
keys ctrl+s
wait_title "find.txt - Hakuzo"
printf 'XYZ abc XYZ\r\n' >"$work/find.expected"
same_bytes "$work/find.txt" "$work/find.expected"
keys alt+F4
wait_exit
echo "find_replace: Ctrl+F, F3, Shift+F3, Ctrl+R and F4 replaced what they should"
