#!/usr/bin/env bash
# The parametrization window under a flood of status frames, as a screen-reader user meets
# it: the composed application (build/bin/fensterflut) on a virtual display with an AT-SPI
# bus, the simulated controller flooding for FLUT seconds after VORLAUF seconds, and
# tools/atspi_abfrage.py asking for the status bar over AT-SPI every 200 ms, registered for
# the events a screen reader listens to. Prints the in-process figures of fensterflut (the
# queries and the window's opening, at rest and in the flood) and the AT-SPI ones.
# Needs xvfb, dbus, at-spi2-core, python3-dbus and python3-gi (Debian packages).
# Usage: tools/flutmessung.sh [FLUT [VORLAUF]]
set -euo pipefail
cd "$(dirname "$0")/.."
flut=${1:-10}
vorlauf=${2:-6}
cmake --build build --target fensterflut trackersim >/dev/null
if [ "${HW_FLUT_INNEN:-}" != 1 ]; then
    HW_FLUT_INNEN=1 exec xvfb-run -a dbus-run-session -- bash "$0" "$flut" "$vorlauf"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
bus=$!
trap 'kill $bus 2>/dev/null || true' EXIT
sleep 1
ausgabe=$(mktemp)
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    build/bin/fensterflut --flut "$flut" --vorlauf "$vorlauf" >"$ausgabe" 2>/dev/null &
app=$!
sleep 2
# The client's clock starts about 2 s after the simulator's: at rest until a second before
# the flood, in it from a second after its start to a second before its end.
/usr/bin/python3 tools/atspi_abfrage.py $((vorlauf - 3)) $((vorlauf - 1)) $((vorlauf + flut - 3)) \
    || rc=$?
wait $app
grep -v '^Rahmen\|^$' "$ausgabe" | tail -n 6
rm -f "$ausgabe"
exit "${rc:-0}"
