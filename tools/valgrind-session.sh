#!/usr/bin/env bash
# Runs a short scripted session of the program's window under valgrind's
# memcheck, without a window system (QT_QPA_PLATFORM=offscreen): start,
# "Advance " 30 times, "Example", the animation, the configuration dialog
# accepted with new values, quit.  The session is tests/window/session_driver.cpp,
# which starts the window as main() does.
#
# Fails on any invalid read or write, use of uninitialised memory or bad free,
# and on memory definitely or indirectly lost.  tests/valgrind.supp lists what
# the toolkit and the system libraries leak on their own, each with its reason.
#
#   tools/valgrind-session.sh [BUILD_DIR]
#
# BUILD_DIR (default build/) is configured as RelWithDebInfo if it does not
# exist yet; a sanitizer build cannot run under valgrind and is refused.  The
# full report is left in BUILD_DIR/valgrind-session.log.  Extra valgrind
# options may be given in VALGRIND_OPTIONS, e.g. --gen-suppressions=all.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}

if ! command -v valgrind >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "valgrind-session: installing valgrind"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends valgrind
  else
    echo "valgrind-session: valgrind is missing; install it (Debian: apt-get install valgrind)" >&2
    exit 2
  fi
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORMIS_BENCHMARKS=OFF >/dev/null
fi
if grep -q '^VORMIS_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "valgrind-session: $build is a sanitizer build; valgrind needs a plain one" >&2
  exit 2
fi
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
if [ "$type" != RelWithDebInfo ]; then
  echo "valgrind-session: note: $build is a '$type' build, not RelWithDebInfo"
fi
cmake --build "$build" --target session_driver --parallel "${VORMIS_JOBS:-2}"

log=$build/valgrind-session.log
started=$(date +%s)
status=0
# shellcheck disable=SC2086 # VALGRIND_OPTIONS is a list of options
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck \
  --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --error-exitcode=1 --num-callers=40 \
  --suppressions=tests/valgrind.supp ${VALGRIND_OPTIONS:-} \
  --log-file="$log" \
  "$build/tests/window/session_driver" || status=$?
elapsed=$(( $(date +%s) - started ))

echo "== memcheck summary ($elapsed s; full report in $log)"
grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:|still reachable:|suppressed:' "$log" \
  | sed 's/^==[0-9]*== *//'
case $status in
  0) echo "valgrind-session: clean" ;;
  1) echo "valgrind-session: memcheck found errors or leaks, see $log" >&2 ;;
  3) echo "valgrind-session: the session did not go as scripted" >&2 ;;
  *) echo "valgrind-session: the session ended with status $status" >&2 ;;
esac
exit "$status"
