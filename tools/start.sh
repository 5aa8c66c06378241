#!/usr/bin/env bash
# Installs what is needed, builds Rackmere and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target rackmere rackmere-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No desktop here: start it on a virtual screen.
  exec xvfb-run -a ./build/src/app/rackmere "$@"
fi
exec ./build/src/app/rackmere "$@"
