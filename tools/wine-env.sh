# Sourced by the scripts in tools/ and tests/: the Wine environment the tests
# and the editor run in. Never set up by hand.
HAKUZO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${HAKUZO_WINEPREFIX:-$HAKUZO_ROOT/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
# Where 32-bit programs run through qemu (the release exe, and the 32-bit
# half that a new 64-bit prefix sets up), qemu searches the whole 4 GB for
# free room at every mapping; a smaller reserve makes each start seconds
# instead of a minute. Wine needs some room above 2 GB.
export QEMU_RESERVED_VA=${HAKUZO_QEMU_RESERVED_VA:-0x82000000}
HAKUZO_WINE=/usr/lib/wine/wine64
HAKUZO_XVFB_PID=

# Starts a virtual display when there is none; hakuzo_stop_display ends it.
hakuzo_start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 91 120); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    HAKUZO_XVFB_PID=$!
    export DISPLAY=:$n
    local i
    for i in $(seq 1 50); do
      [ -e /tmp/.X11-unix/X$n ] && return 0
      sleep 0.1
    done
    return 0
  done
  echo "no free display number for Xvfb" >&2
  return 1
}

hakuzo_stop_display() {
  if [ -n "$HAKUZO_XVFB_PID" ]; then
    kill "$HAKUZO_XVFB_PID" 2>/dev/null || true
    wait "$HAKUZO_XVFB_PID" 2>/dev/null || true
    HAKUZO_XVFB_PID=
    unset DISPLAY
  fi
}

# Ends this prefix's wineserver (and with it every Wine process in the prefix).
hakuzo_stop_wine() {
  [ -d "$WINEPREFIX" ] && WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
}

# Makes the prefix once. Its windows are not handed to a window manager:
# there is none under Xvfb, and Wine would wait two seconds for one at every
# hide of a managed window.
hakuzo_make_prefix() {
  if [ ! -f "$WINEPREFIX/.hakuzo-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    $HAKUZO_WINE wineboot -i >/dev/null 2>&1 || true
    $HAKUZO_WINE reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    WINEPREFIX=$WINEPREFIX wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.hakuzo-ready"
  fi
  hakuzo_add_marlett
}

# Wine draws the caption buttons with Marlett, and this Wine does not look for
# the font where Debian's fonts-wine puts it: without it they read "0 1 r".
# Also for prefixes made before this copy existed.
hakuzo_add_marlett() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$WINEPREFIX/drive_c/windows" ] || return 0
  [ -e "$fonts/marlett.ttf" ] && return 0
  mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/" || true
}
