#!/usr/bin/env bash
# Smoke test of the i686 release exe: starts it under 32-bit Wine on an EUC-JP
# file, waits for its window, shows the status bar through the Options menu,
# types and saves with Ctrl+S (the file must stay EUC-JP with LF line ends),
# closes the window and checks that the setting reached the INI file.
#
#   bash tests/release/release_smoke.sh <build folder>/hakuzo.exe
#
# Exits 77 (skipped) when this machine cannot run 32-bit programs under Wine
# (tools/setup-release makes it able to where it can). Where the kernel has no
# 32-bit support the editor's process runs under qemu's user-mode emulator;
# the whole run keeps to its own deadline (HAKUZO_RELEASE_BUDGET seconds,
# below ctest's timeout) so that it always ends its Wine processes itself.
set -uo pipefail

started=$(date +%s)
budget=${HAKUZO_RELEASE_BUDGET:-870}
deadline=$((started + budget))
exe=${1:?usage: release_smoke.sh <path to the i686 hakuzo.exe>}
[ -f "$exe" ] || { echo "release smoke: no exe at $exe"; exit 1; }

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$(dirname "$exe")" && pwd)
# shellcheck source=wine32-env.sh
source "$here/wine32-env.sh"
hakuzo_wine32_enter "${BASH_SOURCE[0]}" "$@"
hakuzo_wine32_or_skip "release smoke"
hakuzo_use_build_prefix "$build"
wine32=$HAKUZO_WINE32

work=$build/release-smoke
ini=$work/${USER:-$(id -un)}Hkz.ini
shot=$build/release-smoke.png
log=$work/wine.log

app_pid=

now() { date +%s; }
left() { echo $((deadline - $(now))); }

cleanup() {
  trap - EXIT INT TERM
  hakuzo_stop_prefix
  hakuzo_stop_display
}
trap cleanup EXIT
trap 'echo "release smoke: interrupted"; exit 1' INT TERM

fail() {
  echo "release smoke: FAILED: $*"
  if [ -s "$log" ]; then
    echo "--- last lines of $log"
    tail -n 20 "$log"
  fi
  echo "release smoke: $(($(now) - started)) s"
  exit 1
}

app_alive() { [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; }

# Polls a command once a second until it succeeds, the app ends, or the
# seconds (capped by the deadline) run out.
wait_for() {
  local until=$(($(now) + $1))
  shift
  [ "$until" -gt "$deadline" ] && until=$deadline
  while [ "$(now)" -lt "$until" ]; do
    "$@" && return 0
    app_alive || return 1
    sleep 1
  done
  "$@"
}

# Value of a key in a section of an INI file (CR LF or LF line ends).
ini_value() {
  local file=$1 section=$2 key=$3
  [ -f "$file" ] || return 1
  tr -d '\r' <"$file" | awk -v s="[$section]" -v k="$key" '
    /^\[/ { in_section = ($0 == s); next }
    in_section { i = index($0, "="); if (i && substr($0, 1, i - 1) == k) { print substr($0, i + 1); exit } }'
}

status_bar_is() { [ "$(ini_value "$ini" Set "Status Bar")" = "$1" ]; }

# The main window of our own process; other Wine windows may share the
# display. Only a mapped window can take the keyboard.
window=
found_window() {
  window=$(xdotool search --onlyvisible --pid "$app_pid" --name '^euc\.txt - Hakuzo$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}

# Visible top-level X windows of our process: an open popup menu adds one.
visible_windows() {
  xdotool search --onlyvisible --pid "$app_pid" --name '' 2>/dev/null | wc -l
}
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }

focus() {
  local i
  for i in $(seq 1 50); do
    xdotool windowfocus --sync "$window" 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}

# --- Prefix and display ------------------------------------------------------------
# A run that was killed (ctest's timeout) may have left processes behind.
[ -n "$(hakuzo_prefix_pids)" ] && { echo "release smoke: ending processes left by an earlier run"; hakuzo_stop_prefix; }

hakuzo_start_display || fail "no display"

# Made once per build folder; the call also brings an older prefix up to date.
t=$(now)
[ -f "$WINEPREFIX/.hakuzo-ready" ] || echo "release smoke: making the prefix $WINEPREFIX (once)"
hakuzo_make_prefix
echo "release smoke: prefix ready in $(($(now) - t)) s"

rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$work/hakuzo.exe"
# A small EUC-JP file with LF line ends, and the bytes a save after typing
# "abc" at its start must leave.
memo=$'日本語のメモ\n二行目\n'
printf '%s' "$memo" | iconv -f UTF-8 -t EUC-JP >"$work/euc.txt"
printf 'abc%s' "$memo" | iconv -f UTF-8 -t EUC-JP >"$work/euc.expected"

# --- Start -------------------------------------------------------------------------
t=$(now)
# In a session of its own: a Wine process that fails early may signal its
# whole process group, and that must not take this script with it.
(cd "$work" && exec setsid "$wine32" hakuzo.exe euc.txt) </dev/null >"$log" 2>&1 &
app_pid=$!
wait_for "$(left)" found_window || fail "no window named 'euc.txt - Hakuzo' after $(($(now) - t)) s"
echo "release smoke: window $window after $(($(now) - t)) s"
sleep 3 # the first paint is slow under emulation
import -window root "$shot" 2>/dev/null || echo "release smoke: no screenshot (import failed)"

# --- Status bar through the menu ---------------------------------------------------
# Alt+O opens the Options popup; S is the access key of the status bar item
# there and of no other item of that popup. The S goes out only once the popup
# is on screen: sent earlier it would land in the edit view as text.
status_bar_is 1 && fail "the fresh INI file already says Status Bar=1"
focus
before=$(visible_windows)
xdotool key alt+o
wait_for 120 more_windows_than "$before" || fail "Alt+O opened no menu"
sleep 1
xdotool key s
wait_for 120 status_bar_is 1 || fail "the status bar item did not write [Set] Status Bar=1"
echo "release smoke: status bar on after $(($(now) - t)) s"

# --- Document round trip -----------------------------------------------------------
# Typed at the start of the EUC-JP file and saved with Ctrl+S: the bytes on
# disk are EUC-JP with LF line ends again.
saved_as_expected() { cmp -s "$work/euc.txt" "$work/euc.expected"; }
focus
xdotool key ctrl+Home
xdotool type --delay 100 abc
sleep 1
xdotool key ctrl+s
wait_for 120 saved_as_expected ||
  fail "after Ctrl+S euc.txt holds $(od -An -tx1 "$work/euc.txt" | tr -s ' \n' ' ')"
echo "release smoke: EUC-JP file saved byte-exact after $(($(now) - t)) s"

# --- Close -------------------------------------------------------------------------
focus
xdotool key alt+F4
until=$(($(now) + 180))
[ "$until" -gt "$deadline" ] && until=$deadline
while app_alive && [ "$(now)" -lt "$until" ]; do sleep 1; done
app_alive && fail "the process did not end after Alt+F4"
wait "$app_pid" 2>/dev/null
app_pid=
echo "release smoke: closed after $(($(now) - t)) s"

status_bar_is 1 || fail "after exit, [Set] Status Bar is '$(ini_value "$ini" Set "Status Bar")', not 1"

echo "release smoke: passed; screenshot $shot"
echo "release smoke: $(($(now) - started)) s"
