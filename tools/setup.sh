#!/usr/bin/env bash
# Installs what the build and the tests need (Debian/Ubuntu), then configures
# and builds one build folder.  Sourced by run.sh and test.sh.
#
#   setup_packages                      install missing Debian packages
#   build_tree DIR [ARGS...] [--target T...]
#                                       configure DIR with extra CMake ARGS and
#                                       build it (all of it, or the targets T)
set -euo pipefail

VORMIS_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev libgif-dev zlib1g-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core
  clang libclang-rt-dev
  dpkg-dev file desktop-file-utils appstream lintian groff-base binutils
  python3
)

missing_packages() {
  local p
  for p in "${VORMIS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

setup_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "vormis: this set-up knows Debian and Ubuntu only; install CMake, a C++17 compiler," >&2
    echo "        Qt 6 Widgets, GoogleTest and Google Benchmark yourself." >&2
    exit 1
  fi
  local missing
  missing=$(missing_packages | tr '\n' ' ')
  [ -z "${missing// /}" ] && return 0
  echo "vormis: installing $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "vormis: missing packages; run as root:" >&2
      echo "  apt-get update && apt-get install -y $missing" >&2
      exit 1
    fi
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

build_tree() {
  local dir=$1; shift
  local args=() targets=()
  while [ $# -gt 0 ] && [ "$1" != --target ]; do args+=("$1"); shift; done
  [ $# -gt 0 ] && shift && targets=(--target "$@")
  cmake -S . -B "$dir" -DVORMIS_WERROR="${VORMIS_WERROR:-OFF}" "${args[@]}" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
