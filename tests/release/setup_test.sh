#!/usr/bin/env bash
# tools/setup against a registry that answers badly: an apt-get on PATH whose
# update always fails. Set-up must go on with what it has and say so, and
# stop with one line naming the package only when the install itself fails.
#
#   bash tests/release/setup_test.sh
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
failures=0

# dpkg-query says every package is installed except cmake; apt-get logs its
# calls, fails every update and answers install as $INSTALL_RESULT says.
cat >"$fake/dpkg-query" <<'SH'
#!/bin/sh
for a; do last=$a; done
[ "$last" = cmake ] || printf 'install ok installed'
SH
cat >"$fake/apt-get" <<'SH'
#!/bin/sh
echo "$*" >>"$FAKE_LOG"
case " $* " in
*" update "*) echo "E: Failed to fetch http://x/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2; exit 100 ;;
*" install "*) [ "$INSTALL_RESULT" = ok ] && exit 0
  echo "E: Unable to locate package cmake" >&2; exit 100 ;;
esac
SH
chmod +x "$fake/dpkg-query" "$fake/apt-get"

# result of the install | setup's exit | a line setup must print
cases=(
  "ok|0|setup: apt-get update failed twice; going on with the indexes it fetched (E: Failed to fetch"
  "fail|1|setup: cannot install cmake: E: Unable to locate package cmake"
)
for row in "${cases[@]}"; do
  IFS='|' read -r result want_rc want_line <<<"$row"
  export FAKE_LOG=$fake/log INSTALL_RESULT=$result
  : >"$FAKE_LOG"
  out=$(PATH=$fake:$PATH bash "$root/tools/setup" --no-release 2>&1)
  rc=$?
  [ $rc -eq "$want_rc" ] && grep -qF -- "$want_line" <<<"$out" &&
    [ "$(grep -c '^update' "$FAKE_LOG")" -eq 2 ] && grep -q 'install .* cmake$' "$FAKE_LOG" && continue
  printf 'setup test (%s): exit %s (want %s), two updates and one install wanted; output:\n%s\n' \
    "$result" "$rc" "$want_rc" "$out"
  failures=$((failures + 1))
done
[ $failures -eq 0 ] && echo "setup test: passed"
exit $failures
