#!/usr/bin/env bash
# The application side's CPU use while the serial port is open, 30 s each:
#  1. the link alone, idle;
#  2. the link alone with a status request every 1.5 s that a stand-in controller answers:
#     the floor, what any poller on this line costs;
#  3. the composed application with the parametrization window open and polling the
#     simulated controller (headless: QT_QPA_PLATFORM=offscreen, which paints as a screen
#     does, into memory).
# Goal for 3: at most 0.15 % of one core. The CPU clock counts in 10 ms ticks, so a figure
# of a few ticks is as exact as it gets; run longer for finer figures.
# Usage: tools/leerlauf.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target sioleerlauf fensterleerlauf trackersim >/dev/null
sekunden=${1:-30}
build/bin/sioleerlauf --sekunden "$sekunden"
build/bin/sioleerlauf --sekunden "$sekunden" --abfrage
QT_QPA_PLATFORM=offscreen build/bin/fensterleerlauf --sekunden "$sekunden" | tail -n 1
