# Sourced by the tests that run i686 programs under 32-bit Wine (the release
# smoke test, the in-process suite of the i686 build): the loader, the build
# folder's own prefix, and ending every process of that prefix.
#
#   source tests/release/wine32-env.sh
#   hakuzo_wine32_or_skip "release smoke"   # exits 77 where 32-bit programs cannot run
#   hakuzo_use_build_prefix <build folder>

# shellcheck source=../../tools/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
HAKUZO_WINE32=/usr/lib/wine/wine

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
