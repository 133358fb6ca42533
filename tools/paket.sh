#!/usr/bin/env bash
# Builds the Debian package build/heliowendler_<version>_<arch>.deb from the normal build tree
# and prints its path. Like tools/run.sh and tools/test.sh it first installs what is missing
# (Debian 12, as root: the compiler, CMake, Qt, help2man ...) and configures the tree.
# Usage: tools/paket.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
# Only what the package holds; the tests stay as they are. The setup's output goes to standard
# error, so that the package's path stays the last line here.
HW_ZIELE="heliowendler heliowendler-calc heliowendler-service trackersim paketdateien" \
    bash tools/setup.sh "$dir" >&2
rm -f "$dir"/heliowendler_*.deb
(cd "$dir" && cpack -G DEB -C "$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' CMakeCache.txt)" >/dev/null)
paket=$(ls "$dir"/heliowendler_*.deb)
echo "$paket"
