#!/usr/bin/env bash
# Installs what is missing, builds Kestrix and starts it.
# Usage: scripts/run.sh [arguments for kestrix]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKESTRIX_BUILD_TESTS=OFF -DKESTRIX_BUILD_BENCH=OFF
cmake --build "$here/build" --parallel
if [ -x "$here/build/bin/kestrix" ]; then
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: starting Kestrix under xvfb-run (set DISPLAY to see the window)." >&2
    exec xvfb-run -a "$here/build/bin/kestrix" "$@"
  fi
  exec "$here/build/bin/kestrix" "$@"
fi
exec "$here/build/bin/kestrix-cli" calc --format text "$@"
