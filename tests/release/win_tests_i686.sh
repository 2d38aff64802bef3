#!/usr/bin/env bash
# The in-process suite (tests/win) of the i686 build, under the 32-bit Wine
# loader in the build folder's own prefix: the release runs as 32-bit code,
# so its window procedures must pass there, not only under wine64.
#
#   bash tests/release/win_tests_i686.sh <build folder>/tests/win_tests.exe [gtest options]
#
# Exits 77 (skipped) where 32-bit programs cannot run (see tools/setup-release).
# The run keeps to its own deadline (HAKUZO_WIN32_TESTS_BUDGET seconds, below
# ctest's timeout) so that it always ends its Wine processes itself: 240 s
# where 32-bit programs run natively (the suite takes about 15 s; a modal box
# nobody answers must not hold up tools/test for long), 560 s through qemu.
set -uo pipefail

exe=${1:?usage: win_tests_i686.sh <path to the i686 win_tests.exe> [gtest options]}
shift
[ -f "$exe" ] || { echo "win_tests_i686: no exe at $exe"; exit 1; }

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tests=$(cd "$(dirname "$exe")" && pwd)
# shellcheck source=wine32-env.sh
source "$here/wine32-env.sh"
hakuzo_wine32_enter "${BASH_SOURCE[0]}" "$exe" "$@"
hakuzo_wine32_or_skip "win_tests_i686"
hakuzo_use_build_prefix "$(dirname "$tests")"
budget=240 limit=60
# Through qemu the suite takes about two minutes; its longest test under one.
if hakuzo_wine32_emulated; then budget=560 limit=150; fi
budget=${HAKUZO_WIN32_TESTS_BUDGET:-$budget}
# Each test's own limit (tests/win/main.cpp), far above its time when native.
export HAKUZO_TEST_TIMEOUT=${HAKUZO_TEST_TIMEOUT:-$limit}

cleanup() {
  trap - EXIT INT TERM
  hakuzo_stop_prefix
  hakuzo_stop_display
}
trap cleanup EXIT
trap 'echo "win_tests_i686: interrupted"; exit 1' INT TERM

# A run that was killed (ctest's timeout) may have left processes behind.
[ -n "$(hakuzo_prefix_pids)" ] && hakuzo_stop_prefix
hakuzo_start_display || { echo "win_tests_i686: no display"; exit 1; }
[ -f "$WINEPREFIX/.hakuzo-ready" ] || echo "win_tests_i686: making the prefix $WINEPREFIX (once)"
hakuzo_make_prefix

# Through qemu, 32-bit Wine cannot deliver the exception of
# OutputDebugStringA, which GoogleTest calls for every skip and failure
# message: the process dies there, so a failure still fails the run. The
# full-disk test, which only tests/e2e/full_disk.sh gives its small file
# system, would always skip here, so it is left out. Nor does the process
# always end cleanly after the last test: when that is all, the report says
# whether every test passed. And Wine's file dialog, built up under
# emulation, now and then never answers: the four tests that drive it run
# in the x86_64 suite only.
# Beside the test folder: the tests look at what the exe's folder holds.
report=$(dirname "$tests")/win_tests_i686.xml
# By its Z: name: GoogleTest takes a path without a drive for a relative one.
report_name="Z:$(printf '%s' "$report" | tr / '\\')"
rm -f "$report"
filter=()
if hakuzo_wine32_emulated; then
  filter=(--gtest_filter=-DocumentFullDisk.*:DocumentCommands.UntitledSaveAsThroughTheRealDialogs:DocumentCommands.YesWithACancelledSaveAsStopsEveryCommand:Hostile.OddFilesAreRefusedOrShownAndNeverChanged:Hostile.PathsAtTheEdgeOfThePathFieldAreOpenedWholeOrRefused)
  for argument; do [[ $argument == --gtest_filter=* ]] && filter=(); done
fi

started=$(date +%s)
# In a session of its own: a Wine process that fails early may signal its
# whole process group, and that must not take this script with it.
timeout -k 10 "$budget" setsid "$HAKUZO_WINE32" "$tests/win_tests.exe" "${filter[@]}" \
  "--gtest_output=xml:$report_name" "$@" </dev/null
rc=$?
[ $rc -eq 124 ] && echo "win_tests_i686: FAILED: still running after $budget s"
if [ $rc -ne 0 ] && [ $rc -ne 124 ] && hakuzo_wine32_emulated &&
  grep -q '<testsuites tests="[1-9][0-9]*" failures="0" disabled="[0-9]*" errors="0"' "$report" 2>/dev/null; then
  echo "win_tests_i686: every test passed; the process then ended with $rc under qemu, not counted"
  rc=0
fi
echo "win_tests_i686: $(($(date +%s) - started)) s"
exit $rc
