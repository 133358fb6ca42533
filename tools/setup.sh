#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (run as root), then builds.
# Usage: [HW_ZIELE="target ..."] tools/setup.sh [build-dir] [extra cmake options...]
# HW_ZIELE names the targets to build (default: all of them).
set -euo pipefail
cd "$(dirname "$0")/.."

pakete=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-charts-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools libgl1-mesa-dev
        libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo
        xvfb xauth fonts-dejavu-core fonts-liberation openbox x11-utils xdotool srecord ccache
        dpkg-dev help2man lintian appstream desktop-file-utils man-db file)
fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${fehlend[*]} (run as root to install them)" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${fehlend[@]}"
fi

dir=${1:-build}
shift || true
# A compiler cache: a later build of the same tree on this machine (another clone, a CI run
# after a working session) compiles only what changed.
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
ziele=()
for z in ${HW_ZIELE:-}; do ziele+=(--target "$z"); done
cmake --build "$dir" -j "$(nproc)" "${ziele[@]}"
