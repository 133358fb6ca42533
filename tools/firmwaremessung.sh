#!/usr/bin/env bash
# The time a firmware transfer takes against the time its bytes need on the line (goal: at
# most 1.05). srec_cat makes an image of random bytes (default 16 KiB: code up to 0xFF00, a
# table at 0xFF40 and the interrupt vectors at 0xFFE0, 16 bytes per line, as TI-TXT writers
# emit it; the window takes no image with fewer than three segments); the simulated bootloader
# takes and sends its bytes at the line's pace and answers at once; the application's link and
# firmware window transfer it. Afterwards the simulated flash is compared with srec_cat's
# reading of the image.
# Usage: tools/firmwaremessung.sh [bytes] [baud]
set -euo pipefail
cd "$(dirname "$0")/.."
bytes=${1:-16384}
baud=${2:-4800}
cmake --build build --target firmwaremessung trackersim >/dev/null
. tools/messimage.sh
erzeuge_image
starte_bootloader

QT_QPA_PLATFORM=offscreen build/bin/firmwaremessung --geraet "$geraet" --image "$ordner/image.txt" \
    --baud "$baud" 2>"$ordner/fehler" || { cat "$ordner/fehler" >&2; exit 1; }

pruefe_flash
