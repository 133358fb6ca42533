#!/usr/bin/env bash
# Sets everything up and starts the application. Without a display it runs on a virtual
# one, lets the first calculation happen, writes a screenshot of the main window and
# prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only what a run needs: the application and the simulated controller the README uses.
HW_ZIELE="heliowendler trackersim" bash tools/setup.sh build

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/heliowendler
fi

bild="$PWD/out/hauptfenster.png"
mkdir -p out
HELIOWENDLER_SCREENSHOT="$bild" xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/heliowendler
echo "Screenshot of the main window: $bild"
