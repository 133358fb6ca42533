#!/usr/bin/env bash
# The application side's CPU use and wake-ups, 30 s each:
#  1. the link alone with the port open, idle;
#  2. the link alone with a "Get Status" request every 1.5 s that a stand-in controller
#     answers: the floor, what any poller on this line costs;
#  3. the composed application with the parametrization window open and polling the
#     simulated controller;
#  4. an empty window: the floor at rest;
#  5. the composed application at rest: shown as started, port closed, nothing started
#     (after 10 s, when the start-up with the first turn of the rows has ended).
# Windows are headless (QT_QPA_PLATFORM=offscreen, which paints as a screen does, into
# memory). Goals: 3 at most 0.15 % of one core; 5 wakes no more often than 4 (nothing runs
# while nothing happens). The CPU clock counts in 10 ms ticks, so a figure of a few ticks is
# as exact as it gets; run longer for finer figures.
# Usage: tools/leerlauf.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target sioleerlauf fensterleerlauf trackersim >/dev/null
sekunden=${1:-30}
build/bin/sioleerlauf --sekunden "$sekunden" | grep "^Leerlauf "
build/bin/sioleerlauf --sekunden "$sekunden" --abfrage | grep "^Abfrage "
QT_QPA_PLATFORM=offscreen build/bin/fensterleerlauf --sekunden "$sekunden" | tail -n 1
QT_QPA_PLATFORM=offscreen build/bin/fensterleerlauf --sekunden "$sekunden" --vorlauf 10 --leer
QT_QPA_PLATFORM=offscreen build/bin/fensterleerlauf --sekunden "$sekunden" --vorlauf 10 --ruhe
