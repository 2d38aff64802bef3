# Sourced by the tests that run i686 programs under 32-bit Wine (the release
# smoke test, the in-process suite of the i686 build): the loader, the build
# folder's own prefix, and ending every process of that prefix.
#
#   source tests/release/wine32-env.sh
#   hakuzo_wine32_enter "${BASH_SOURCE[0]}" "$@"  # where the i386 Wine lies over /usr
#   hakuzo_wine32_or_skip "release smoke"   # exits 77 where 32-bit programs cannot run
#   hakuzo_use_build_prefix <build folder>

# shellcheck source=../../tools/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
HAKUZO_WINE32=/usr/lib/wine/wine
HAKUZO_I386_WINE=$HAKUZO_ROOT/build/i386-wine/root

# Without an installed wine32:i386, runs the calling script again in a mount
# namespace of its own where the i386 Wine that tools/setup-release unpacked
# lies over /usr: Wine's 64-bit half then finds its 32-bit half where it
# looks, and nothing outside the namespace sees it.
hakuzo_wine32_enter() { # script, its arguments
  [ -x "$HAKUZO_WINE32" ] && return 0
  [ -x "$HAKUZO_I386_WINE/usr/lib/wine/wine" ] || return 0 # hakuzo_wine32_or_skip says why
  exec unshare -m --propagation private -- bash -c \
    'mount -t overlay hakuzo-i386 -o "lowerdir=$0/usr:/usr" /usr ||
       { echo "$1: skipped: cannot lay $0 over /usr; see tools/setup-release"; exit 77; }
     exec bash "$@"' "$HAKUZO_I386_WINE" "$@"
}

# Exits 77 (skipped for ctest) unless this machine runs 32-bit Wine.
hakuzo_wine32_or_skip() {
  if [ ! -x "$HAKUZO_WINE32" ]; then
    echo "$1: skipped: no 32-bit Wine loader ($HAKUZO_WINE32); see tools/setup-release"
    exit 77
  fi
  # The loader is itself a 32-bit program, so this also proves that the
  # kernel (or a binfmt_misc handler) can run 32-bit programs at all.
  if ! "$HAKUZO_WINE32" --version >/dev/null 2>&1; then
    echo "$1: skipped: 32-bit programs do not run here (no qemu-i386 handler?); see tools/setup-release"
    exit 77
  fi
}

# Whether 32-bit programs go through qemu: a registered binfmt_misc handler
# comes before the kernel's own 32-bit support.
hakuzo_wine32_emulated() {
  grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null
}

# A 64-bit prefix holds the 32-bit side of Wine too, so only the test's own
# process runs under emulation; a 32-bit prefix would start every Wine service
# under qemu as well. It is the build folder's own: ending a run ends every
# process of its prefix, which must not hit other tests running at the same
# time. qemu's guest address space is set small in tools/wine-env.sh.
hakuzo_use_build_prefix() {
  export WINEPREFIX=$1/wineprefix
  # A prefix made while Wine had no 32-bit half lacks it for good.
  if [ -f "$WINEPREFIX/.hakuzo-ready" ] && [ -z "$(ls -A "$WINEPREFIX/drive_c/windows/syswow64" 2>/dev/null)" ]; then
    rm -rf "$WINEPREFIX"
  fi
  # The menu builder would write desktop menu entries outside the build folder.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
}

# Every process of this prefix, found by its environment: processes that
# were still starting when wineserver -k ran escape it.
hakuzo_prefix_pids() {
  local p
  for p in /proc/[0-9]*; do
    tr '\0' ' ' 2>/dev/null <"$p/cmdline" | grep -q wine || continue
    tr '\0' '\n' 2>/dev/null <"$p/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "${p#/proc/}"
  done
}

hakuzo_stop_prefix() {
  local pids
  hakuzo_stop_wine
  for _ in 1 2 3 4 5; do
    pids=$(hakuzo_prefix_pids)
    [ -z "$pids" ] && return 0
    # shellcheck disable=SC2086
    kill -9 $pids 2>/dev/null
    sleep 1
  done
}
