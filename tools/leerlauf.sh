#!/usr/bin/env bash
# The application side's CPU use while the serial port is open: opens a pseudo-terminal
# through the link's front, first idle, then with a status request every 1.5 s that a
# stand-in controller answers, 30 s each (goal: under 1 % of one core).
# Usage: tools/leerlauf.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target sioleerlauf >/dev/null
sekunden=${1:-30}
build/bin/sioleerlauf --sekunden "$sekunden"
build/bin/sioleerlauf --sekunden "$sekunden" --abfrage
