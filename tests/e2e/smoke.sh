#!/usr/bin/env bash
# Starts the built editor as a user would, types into it, switches the status
# bar on through the menu keys, closes it (answering No to the question about
# the unsaved text), and checks that it exited and wrote its settings file.
set -euo pipefail
exe=$1
. "$(dirname "$0")/../../tools/wine-env.sh"
work=$(dirname "$exe")/e2e-smoke
rm -rf "$work" && mkdir -p "$work"
cp "$exe" "$work/hakuzo.exe"
trap 'hakuzo_stop_wine; hakuzo_stop_display' EXIT
hakuzo_start_display
hakuzo_make_prefix
started=$(date +%s%N)

$HAKUZO_WINE "$work/hakuzo.exe" &
pid=$!
window=
for _ in $(seq 1 150); do
  window=$(xdotool search --onlyvisible --name '^Hakuzo$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window titled Hakuzo"; exit 1; }
echo "window after $(( ($(date +%s%N) - started) / 1000000 )) ms"

for _ in $(seq 1 50); do
  xdotool windowfocus --sync "$window" 2>/dev/null && break
  sleep 0.1
done
xdotool type --delay 20 'hello hakuzo'
sleep 0.5
title=$(xdotool getwindowname "$window")
[ "$title" = "Hakuzo *" ] || { echo "FAIL: title after typing is '$title'"; exit 1; }
xdotool key alt+o
sleep 0.3
xdotool key s
sleep 0.5
ini="$work/${USER:-root}Hkz.ini"
grep -q '^Status Bar=1' "$ini" 2>/dev/null || { echo "FAIL: Status Bar=1 not in $ini"; cat "$ini" 2>/dev/null; exit 1; }

# The typed text was never saved: closing asks, and No drops it.
xdotool key alt+F4
prompt=
for _ in $(seq 1 50); do
  prompt=$(xdotool search --onlyvisible --name '^Hakuzo$' 2>/dev/null | head -n 1 || true)
  [ -n "$prompt" ] && break
  sleep 0.1
done
[ -n "$prompt" ] || { echo "FAIL: closing with unsaved text did not ask"; exit 1; }
xdotool key n
for _ in $(seq 1 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then echo "FAIL: the editor did not exit"; kill $pid; exit 1; fi
wait $pid || { echo "FAIL: exit code $?"; exit 1; }
echo "smoke: window, typing, menu toggle and exit work"
