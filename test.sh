#!/usr/bin/env bash
# Installs what is missing, builds build/ and runs every test in it.
#
#   ./test.sh          the quick check: build/ (release with debug
#                      information), all its CTest tests and the length of
#                      every function (tools/check-function-size.py)
#   ./test.sh --full   also the translations' check (complete and up to date
#                      with the sources), the sanitizer build (build-asan/,
#                      AddressSanitizer and UndefinedBehaviorSanitizer) and
#                      its tests, the fuzzers, the package check and the
#                      engine's mutation check; this is what CI runs
set -euo pipefail
cd "$(dirname "$0")"

full=0
case "${1:-}" in
  "") ;;
  --full) full=1 ;;
  *) echo "usage: ./test.sh [--full]" >&2; exit 2 ;;
esac

source tools/setup.sh
setup_packages

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp

echo "== build/ (release with debug information)"
build_tree build
ctest --test-dir build --output-on-failure --timeout 600 --parallel "$(nproc)"
echo "== tools/check-function-size.py"
tools/check-function-size.py
[ "$full" = 1 ] || exit 0

# Further checks that need tools of their own; each script says what it does.
for check in tools/check-translations.py tools/check-fuzz.sh tools/check-package.sh tools/check-mutants.py; do
  echo "== $check"
  "$check"
done

echo "== build-asan/ (address and undefined-behaviour sanitizers)"
build_tree build-asan -DCMAKE_BUILD_TYPE=Debug -DVORMIS_SANITIZE=ON -DVORMIS_BENCHMARKS=OFF
if ! ctest --test-dir build-asan --output-on-failure --timeout 900 --parallel "$(nproc)"; then
  # LeakSanitizer's own tracer thread now and then crashes while it stops the
  # process at exit ("LeakSanitizer has encountered a fatal error"), after
  # every test in it passed. Only then are the failed tests run once more;
  # a leak or any other fault fails again.
  grep -q "LeakSanitizer has encountered a fatal error" build-asan/Testing/Temporary/LastTest.log
  echo "== build-asan/: the leak checker itself failed; the failed tests once more"
  ctest --test-dir build-asan --output-on-failure --timeout 900 --rerun-failed
fi
