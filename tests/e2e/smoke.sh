#!/usr/bin/env bash
# Starts the built editor as a user would, types into it, switches the status
# bar on through the menu keys, closes it (answering No to the question about
# the unsaved text), and checks that it exited and wrote its settings file.
set -euo pipefail
exe=$1
. "$(dirname "$0")/lib/editor.sh"
e2e_workspace smoke
started=$(date +%s%N)

start_editor
wait_title "Hakuzo"
echo "window after $((($(date +%s%N) - started) / 1000000)) ms"
focus
typed 'hello hakuzo'
wait_title "Hakuzo *"
keys alt+o
keys s
wait_ini Set "Status Bar" 1

# The typed text was never saved: closing asks, and No drops it.
keys alt+F4
wait_dialog "Hakuzo"
keys n
poll 100 ended || fail "the editor did not exit"
wait "$pid" || fail "exit code $?"
echo "smoke: window, typing, menu toggle and exit work"
