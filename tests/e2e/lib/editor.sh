# Sourced by the end-to-end scripts: starts the editor as a user would and
# waits for what a user would see. Needs $exe (the x86_64 hakuzo.exe).
# shellcheck source=../../../tools/wine-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../../tools/wine-env.sh"

fail() { echo "FAIL: $*"; exit 1; }

# A folder of its own with a copy of the exe, so the settings file is fresh.
e2e_workspace() {
  exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
  work=$(dirname "$exe")/e2e-$1
  rm -rf "$work" && mkdir -p "$work"
  cp "$exe" "$work/hakuzo.exe"
  ini="$work/${USER:-root}Hkz.ini"
  trap 'hakuzo_stop_wine; hakuzo_stop_display' EXIT
  hakuzo_start_display
  hakuzo_make_prefix
}

winpath() { echo "Z:${1//\//\\}"; }

# Starts the editor with optional arguments; sets $pid.
start_editor() {
  (cd "$work" && exec $HAKUZO_WINE "$work/hakuzo.exe" "$@") &
  pid=$!
}

# Waits until a window of that exact title exists; sets $window.
wait_title() {
  local i
  for i in $(seq 1 100); do
    window=$(xdotool search --name "^$(printf '%s' "$1" | sed 's/[][\.*^$]/\\&/g')\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  fail "no window titled '$1' (titles: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
}

focus() { xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"; }

# Sends keys to the focused window and gives Wine time to handle them.
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
typed() { xdotool type --delay 40 "$1"; sleep 0.3; }

wait_exit() {
  local i
  for i in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
    sleep 0.1
  done
  fail "the editor did not end"
}

# Compares a file's bytes with the expected bytes in another file.
same_bytes() {
  cmp -s "$1" "$2" || fail "$(basename "$1") differs: $(od -An -tx1 "$1" | head -c 200) vs $(od -An -tx1 "$2" | head -c 200)"
}
