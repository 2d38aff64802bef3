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

# Runs a check every tenth of a second until it holds, at most that many
# times; every wait below is one of these.
poll() {
  local tries=$1 i
  shift
  for i in $(seq 1 "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Sets $window to a mapped window of that exact title. Only mapped windows
# count: Wine names a window before it maps it, and focusing an unmapped
# window fails.
titled() {
  window=$(xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[][\.*^$]/\\&/g')\$" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ]
}

wait_title() {
  poll 100 titled "$1" ||
    fail "no window titled '$1' (titles: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
}

# Gives $window the keyboard; retries while Wine is still mapping it.
focused() { xdotool windowfocus --sync "$window" 2>/dev/null; }
focus() {
  poll 50 focused || fail "could not focus window $window ($(xdotool getwindowname "$window" 2>/dev/null))"
}

# Waits until $window holds the keyboard: a copy that has just started takes
# it a moment after its window is mapped, from whatever window had it.
has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
wait_keyboard() {
  poll 50 has_keyboard || fail "window $window ($(xdotool getwindowname "$window" 2>/dev/null)) did not take the keyboard"
}

# Waits for a box or dialog of that title and gives it the keyboard: keys sent
# as soon as it is mapped may still go to the window below it.
wait_dialog() {
  wait_title "$1"
  focus
}

# Sends keys to the focused window and gives Wine time to handle them.
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
typed() { xdotool type --delay 40 "$1"; sleep 0.3; }

ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_exit() {
  poll 100 ended || fail "the editor did not end"
  wait "$pid" 2>/dev/null || true
}

# Compares a file's bytes with the expected bytes in another file.
same_bytes() {
  cmp -s "$1" "$2" || fail "$(basename "$1") differs: $(od -An -tx1 "$1" | head -c 200) vs $(od -An -tx1 "$2" | head -c 200)"
}

# Closes the editor by Alt+F4, for a document without unsaved changes.
close_editor() {
  keys alt+F4
  wait_exit
}

# Opens a file from the command line, types "abc" at its start and saves it
# by Ctrl+S; the caller checks the bytes. Leaves the editor running.
edit_and_save() {
  local name
  name=$(basename "$1")
  start_editor "$(winpath "$1")"
  wait_title "$name - Hakuzo"
  focus
  keys ctrl+Home
  typed abc
  wait_title "$name - Hakuzo *"
  keys ctrl+s
  wait_title "$name - Hakuzo"
}

# The value of a key in the settings file; empty when it is absent.
ini_value() {
  [ -f "$ini" ] || return 0
  tr -d '\r' <"$ini" | awk -v section="[$1]" -v key="$2" '
    /^\[/ { inside = ($0 == section); next }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}

# Waits until a key of the settings file holds the value (the editor writes
# some keys only as it shuts down).
ini_is() { [ "$(ini_value "$1" "$2")" = "$3" ]; }
wait_ini() {
  poll 50 ini_is "$@" ||
    fail "[$1] $2 is '$(ini_value "$1" "$2")', not '$3'; the settings file: $(tr -d '\r' <"$ini" 2>/dev/null | tr '\n' '|')"
}

# The main window's position and size as "x y width height".
geometry() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Waits until the main window has that geometry ("x y width height").
at_geometry() { [ "$(geometry)" = "$1" ]; }
wait_geometry() {
  poll 30 at_geometry "$1" || fail "the window is at '$(geometry)', not '$1'"
}

# Drags with the left button held, in steps, as a hand would: Wine runs its
# own move and size loop for windows without a window manager and ignores a
# window moved from outside.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1 sleep 0.2 \
    mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) sleep 0.2 \
    mousemove "$3" "$4" sleep 0.2 mouseup 1
}

# Rows between the lowest row of the view and the window's bottom edge, down
# the middle of the window: the status bar and the horizontal scroll bar of
# an unwrapped view each add to it. Needs the view's background set to pure
# red ("Back Color=255" in [Font]) so that nothing else is taken for it.
bottom_gap() {
  local shot=$work/window.png size
  import -window "$window" "$shot" 2>/dev/null || { echo none; return 0; }
  size=$(identify -format '%w %h' "$shot")
  convert "$shot" -crop "1x${size#* }+$((${size% *} / 2))+0" +repage -depth 8 txt:- |
    awk -F'[,:]' -v height="${size#* }" '/#FF0000/ { last = $2 }
      END { if (last == "") print "none"; else print height - 1 - last }'
}

# Waits until the window is drawn the same twice in a row; prints the gap.
settled_gap() {
  local i gap previous=
  for i in $(seq 1 30); do
    gap=$(bottom_gap)
    [ "$gap" != none ] && [ "$gap" = "$previous" ] && { echo "$gap"; return 0; }
    previous=$gap
    sleep 0.1
  done
  fail "the window's bottom did not settle (last gap '$gap')"
}

# Waits until the gap below the view is that many rows.
gap_is() { [ "$(bottom_gap)" = "$1" ]; }
wait_gap() {
  poll 30 gap_is "$1" || fail "$2: $(bottom_gap) rows below the view, not $1"
}
