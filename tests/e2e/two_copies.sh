#!/usr/bin/env bash
# Two copies of the editor under one user share one settings file. Started
# from one folder on different documents, each switches a different option,
# and they close in both orders: the file must stay a valid INI (every line a
# [section] or a key=value, each section and each key once), with the later
# closer's recent entry on top and both options kept.
set -euo pipefail
exe=$1
. "$(dirname "$0")/lib/editor.sh"
e2e_workspace two-copies
printf 'first' >"$work/a.txt"
printf 'second' >"$work/b.txt"

# Every line a section header or key=value (blank lines allowed), no section
# twice and no key twice within a section, names compared without case.
check_ini() {
  awk '
    { sub(/\r$/, "") }
    /^[ \t]*$/ { next }
    /^\[[^]]+\]$/ {
      section = tolower($0)
      if (seen[section]++) { print "section twice: " $0; bad = 1 }
      next
    }
    /^[^=[][^=]*=/ {
      key = section "/" tolower(substr($0, 1, index($0, "=") - 1))
      if (section == "") { print "key outside a section: " $0; bad = 1 }
      if (keys[key]++) { print "key twice: " $0; bad = 1 }
      next
    }
    { print "not an INI line: " $0; bad = 1 }
    END { exit bad }
  ' "$ini" || { cat "$ini"; fail "the settings file is no valid INI after closing $1"; }
}

value() { sed -n "s/^$1=\\(.*\\)\\r\\?\$/\\1/p" "$ini" | tr -d '\r'; }

# Without a window manager a focus change alone does not activate a Wine
# window, and a window raised from outside may stay under the other: the two
# copies sit side by side, and a click into the text activates one.
bring() {
  window=$1
  xdotool mousemove --window "$window" 100 150 click 1
  sleep 0.3
  focus
  wait_keyboard
}

close_copy() {
  bring "$1"
  keys alt+F4
  pid=$2
  wait_exit
}

# The settings file as a copy started now reads it, placing its window at x.
settings_at() {
  printf '[Set]\r\nUse History=1\r\n[Window]\r\nSave Position=1\r\nSave Size=1\r\n' >"$ini"
  printf 'Left=%s\r\nTop=0\r\nWidth=400\r\nHeight=300\r\n' "$1" >>"$ini"
}

run_order() {
  settings_at 0
  start_editor "$(winpath "$work/a.txt")"
  pid_a=$pid
  wait_title "a.txt - Hakuzo"
  win_a=$window
  settings_at 500
  start_editor "$(winpath "$work/b.txt")"
  pid_b=$pid
  wait_title "b.txt - Hakuzo"
  win_b=$window
  # A copy takes the keyboard as it starts; clicks into A before that are
  # undone by it.
  wait_keyboard
  # Copy A shows the status bar, copy B stops wrapping lines.
  bring "$win_a" && keys alt+o && keys s
  bring "$win_b" && keys alt+o && keys e
  if [ "$1" = ab ]; then
    close_copy "$win_a" "$pid_a"
    close_copy "$win_b" "$pid_b"
    last=b.txt
  else
    close_copy "$win_b" "$pid_b"
    close_copy "$win_a" "$pid_a"
    last=a.txt
  fi
  check_ini "$1"
  [ "$(value 'Recent File0')" = "$(winpath "$work/$last")" ] ||
    fail "Recent File0 is '$(value 'Recent File0')' after closing $1"
  [ "$(value 'Status Bar')" = 1 ] || fail "Status Bar lost after closing $1: $(tr -d '\r' <"$ini" | tr '\n' '|')"
  [ "$(value 'Term Right')" = 0 ] || fail "Term Right lost after closing $1"
  echo "two_copies: closing $1 leaves a valid settings file"
}

run_order ab
run_order ba
cmp -s <(printf 'first') "$work/a.txt" || fail "a.txt changed"
cmp -s <(printf 'second') "$work/b.txt" || fail "b.txt changed"
