#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz/) with clang in build-fuzz/ and
# runs each for a bounded time from the committed seed corpus.
#
#   tools/check-fuzz.sh                          # 60 seconds per fuzzer
#   VORMIS_FUZZ_SECONDS=3600 tools/check-fuzz.sh # an hour each
#
# Settings (environment):
#   VORMIS_FUZZ_SECONDS  seconds per fuzzer (default 60)
#   VORMIS_FUZZ_TARGETS  which fuzzers (default "fuzz_engine fuzz_world")
#   VORMIS_FUZZ_BUILD    build folder (default build-fuzz)
#   VORMIS_FUZZ_JOBS     parallel compile jobs (default 2)
#
# The corpus is copied to a temporary folder, so the repository is not
# changed; what the run found interesting is thrown away with it.  A finding
# (crash, broken check, leak, timeout, memory limit) is kept in
# <build folder>/fuzz-findings/ and makes the script exit non-zero.  Without
# clang and its fuzzing runtime the check is skipped (exit 0).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${VORMIS_FUZZ_SECONDS:-60}
targets=${VORMIS_FUZZ_TARGETS:-fuzz_engine fuzz_world}
build=${VORMIS_FUZZ_BUILD:-build-fuzz}
jobs=${VORMIS_FUZZ_JOBS:-2}

if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "check-fuzz: VORMIS_FUZZ_SECONDS must be a whole number of seconds, not '$seconds'" >&2
  exit 2
fi

install_hint="apt-get install -y clang libclang-rt-dev"
if ! command -v clang++ >/dev/null 2>&1; then
  echo "check-fuzz: skipped: clang++ is not installed (install it with: $install_hint)"
  exit 0
fi
# clang prints the bare name back when it has no such runtime library.
fuzzer_runtime=$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null || true)
if [ "$(uname -m)" = x86_64 ] && [ ! -f "$fuzzer_runtime" ]; then
  echo "check-fuzz: skipped: clang's libFuzzer runtime is missing (install it with: $install_hint)"
  exit 0
fi

started=$(date +%s)
sanitize="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
echo "check-fuzz: configuring $build/ with clang"
# The window and its dialog are not needed; the runner needs display/ (the
# world's painting) and app/images/ (its pictures, compiled in as resources).
CC=clang CXX=clang++ cmake -S . -B "$build" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORMIS_FUZZ=ON \
  -DVORMIS_BENCHMARKS=OFF \
  -DVORMIS_WERROR=OFF \
  -DVORMIS_WINDOW=OFF \
  "-DCMAKE_CXX_FLAGS=$sanitize" >/dev/null
echo "check-fuzz: building $targets"
# shellcheck disable=SC2086 # targets is a list
cmake --build "$build" --parallel "$jobs" --target $targets >/dev/null
built=$(date +%s)
echo "check-fuzz: built in $((built - started)) s"

binaries=$(cd "$build" && pwd)/fuzz
work=$(mktemp -d "${TMPDIR:-/tmp}/vormis-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
findings=$(cd "$build" && pwd)/fuzz-findings
mkdir -p "$findings"

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0:handle_abort=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export QT_QPA_PLATFORM=offscreen

status=0
for target in $targets; do
  case $target in
    fuzz_engine) corpus=tests/fuzz/corpus/engine; extra=() ;;
    fuzz_world) corpus=tests/fuzz/corpus/world; extra=(-dict="$PWD/tests/fuzz/world.dict") ;;
    *) echo "check-fuzz: unknown fuzzer '$target'" >&2; exit 2 ;;
  esac
  mkdir -p "$work/$target"
  cp "$corpus"/* "$work/$target/"
  log=$work/$target.log
  echo "check-fuzz: $target for $seconds s"
  run_status=0
  # From the work folder: whatever a run leaves in its current folder goes
  # with it.
  (cd "$work" && "$binaries/$target" "$work/$target" "${extra[@]}" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" >"$log" 2>&1) || run_status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  echo "check-fuzz: $target: ${executions:-?} executions (${rate:-?}/s)"
  if [ "$run_status" -ne 0 ]; then
    status=1
    echo "check-fuzz: $target FAILED (exit status $run_status); the end of its log:" >&2
    tail -n 60 "$log" >&2
    artifact=$(sed -n "s/.*Test unit written to \(.*\)$/\1/p" "$log" | tail -n 1)
    if [ -n "$artifact" ]; then
      echo "check-fuzz: the input is in $artifact" >&2
      echo "check-fuzz: replay it with: $build/fuzz/$target $artifact" >&2
      if [ "$target" = fuzz_engine ]; then
        echo "check-fuzz: as C++ calls:  VORMIS_FUZZ_TRACE=1 $build/fuzz/$target $artifact" >&2
      fi
    fi
  fi
done

echo "check-fuzz: done in $(($(date +%s) - started)) s"
if [ "$status" -ne 0 ]; then
  echo "check-fuzz: FAILED: findings are in $findings/" >&2
fi
exit "$status"
