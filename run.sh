#!/usr/bin/env bash
# Installs what is missing, builds the two programs, and starts Vormis.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
setup_packages
build_tree build --target vormis vormis-run
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "vormis: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "        Start it on a virtual display instead:  xvfb-run -a build/vormis" >&2
  echo "        or without any window system:          QT_QPA_PLATFORM=offscreen build/vormis" >&2
  exit 1
fi
exec build/vormis "$@"
