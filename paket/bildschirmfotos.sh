#!/usr/bin/env bash
# Takes the screenshots the AppStream data shows from the real application: the main window,
# drawn offscreen after its first calculation and the rows' first turn (HELIOWENDLER_SCREENSHOT,
# as tools/run.sh uses it). The program runs as a copy in a scratch folder, so it neither reads
# nor writes the settings beside build/bin. Usage: paket/bildschirmfotos.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target heliowendler
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cp "$build/bin/heliowendler" "$ordner/"
HOME="$ordner" XDG_CONFIG_HOME="$ordner/config" QT_QPA_PLATFORM=offscreen \
    HELIOWENDLER_SCREENSHOT="$PWD/paket/bildschirmfoto-hauptfenster.png" \
    timeout 60 "$ordner/heliowendler"
