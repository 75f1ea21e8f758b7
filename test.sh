#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice:
# once in build/ and once in build-asan/ with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
setup_packages

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp

echo "== build/ (release with debug information)"
build_tree build
ctest --test-dir build --output-on-failure --timeout 600

# Further checks that need tools of their own; each script says what it does.
for check in tools/check-fuzz.sh tools/check-package.sh tools/check-mutants.py; do
  if [ -x "$check" ]; then
    echo "== $check"
    "$check"
  fi
done

echo "== build-asan/ (address and undefined-behaviour sanitizers)"
build_tree build-asan -DCMAKE_BUILD_TYPE=Debug -DVORMIS_SANITIZE=ON -DVORMIS_BENCHMARKS=OFF
ctest --test-dir build-asan --output-on-failure --timeout 900
