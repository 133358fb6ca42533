#!/usr/bin/env bash
# Builds the Debian package build/heliowendler_<version>_<arch>.deb from the normal build tree
# (configured and built first where anything is missing) and prints its path.
# Usage: tools/paket.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
[ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Only what the package holds; the tests stay as they are.
cmake --build "$dir" --target heliowendler heliowendler-calc heliowendler-service trackersim \
    paketdateien
rm -f "$dir"/heliowendler_*.deb
(cd "$dir" && cpack -G DEB -C "$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' CMakeCache.txt)" >/dev/null)
paket=$(ls "$dir"/heliowendler_*.deb)
echo "$paket"
