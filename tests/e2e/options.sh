#!/usr/bin/env bash
# The options a user sets through the menus come back after a restart, both
# in the settings file and on the screen: the status bar, word wrap switched
# off, a font picked in the font dialog, and the window's position and size
# (moved and sized with the mouse) with both placement options on.
set -euo pipefail
exe=$1
. "$(dirname "$0")/lib/editor.sh"
e2e_workspace options

# A view of pure red, so that a screenshot tells the view from the bars below it.
printf '[Font]\r\nBack Color=255\r\n' >"$ini"
printf 'one long line %.0s' $(seq 1 40) >"$work/long.txt"
printf '\r\n' >>"$work/long.txt"

start_editor "$(winpath "$work/long.txt")"
wait_title "long.txt - Hakuzo"
focus
plain=$(settled_gap)

keys alt+o s
wait_ini Set "Status Bar" 1
with_bar=$(settled_gap)
[ "$with_bar" -gt $((plain + 10)) ] || fail "no status bar below the view: $with_bar rows, $plain without it"

keys alt+o e
wait_ini Set "Term Right" 0
unwrapped=$(settled_gap)
[ "$unwrapped" -gt $((with_bar + 10)) ] || fail "no horizontal scroll bar without word wrap: $unwrapped rows, $with_bar with wrap"

keys alt+o c f
wait_dialog "フォントの指定"
typed 'Noto Sans Mono CJK JP'
keys Tab Tab # the size box
typed 20
keys Return
wait_title "long.txt - Hakuzo"
wait_ini Font "Face Name" "Noto Sans Mono CJK JP"
# 20 points at 96 dots per inch, as a character height.
for pair in Height=-27 Width=0 Weight=400 Italic=0 CharSet=128; do
  wait_ini Font "${pair%=*}" "${pair#*=}"
done

keys alt+o w p
wait_ini Window "Save Position" 1
keys alt+o w s
wait_ini Window "Save Size" 1
read -r x y w h <<<"$(geometry)"
drag $((x + 200)) $((y + 10)) 300 90 # by the caption
wait_geometry "100 80 $w $h"
drag $((100 + w - 2)) $((80 + h - 2)) $((100 + 600 - 2)) $((80 + 420 - 2)) # by the corner
wait_geometry "100 80 600 420"
close_editor
for pair in Left=100 Top=80 Width=600 Height=420; do
  wait_ini Window "${pair%=*}" "${pair#*=}"
done
echo "options: status bar, word wrap, font and placement written ($plain, $with_bar, $unwrapped rows below the view)"

start_editor "$(winpath "$work/long.txt")"
wait_title "long.txt - Hakuzo"
focus
wait_geometry "100 80 600 420"
wait_gap "$unwrapped" "after the restart, status bar and unwrapped view"
# The dialog starts from the font in use: accepting it writes that font
# again over the marks put into the file after the start.
LC_ALL=C sed -i 's/^Face Name=.*/Face Name=mark/; s/^Height=-27/Height=-1/' "$ini"
keys alt+o c f
wait_dialog "フォントの指定"
keys Return
wait_title "long.txt - Hakuzo"
wait_ini Font "Face Name" "Noto Sans Mono CJK JP"
wait_ini Font Height -27
# The status bar was really on: switching it off takes away just its rows.
keys alt+o s
wait_ini Set "Status Bar" 0
wait_gap $((unwrapped - (with_bar - plain))) "the status bar switched off"
close_editor
echo "options: all of them came back after a restart"
