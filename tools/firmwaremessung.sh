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
command -v srec_cat >/dev/null || { echo "srec_cat fehlt (Paket srecord)" >&2; exit 1; }

ordner=$(mktemp -d)
sim=
aufraeumen() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$ordner"
}
trap aufraeumen EXIT

start=$((0xFF00 - (bytes - 96)))
srec_cat -generate "$start" 0xFF00 -random -generate 0xFF40 0xFF80 -random \
    -generate 0xFFE0 0x10000 -random -o "$ordner/image.txt" -ti-txt
srec_cat "$ordner/image.txt" -ti-txt -fill 0xFF 0x0000 0x10000 -o "$ordner/soll.bin" -binary
echo "Image: $bytes Bytes ab $(printf '0x%04X' "$start") in $(grep -c . "$ordner/image.txt") Zeilen"

build/bin/trackersim --bootloader --baud "$baud" --rx-baud "$baud" \
    --flash-dump "$ordner/flash.bin" >"$ordner/geraet" &
sim=$!
for _ in $(seq 100); do
    [ -s "$ordner/geraet" ] && break
    sleep 0.1
done
geraet=$(head -n1 "$ordner/geraet")

QT_QPA_PLATFORM=offscreen build/bin/firmwaremessung --geraet "$geraet" --image "$ordner/image.txt" \
    --baud "$baud" 2>"$ordner/fehler" || { cat "$ordner/fehler" >&2; exit 1; }

kill "$sim"
wait "$sim" 2>/dev/null || true
sim=
if cmp -s "$ordner/flash.bin" "$ordner/soll.bin"; then
    echo "Flash: gleich dem Image"
else
    echo "Flash: weicht vom Image ab" >&2
    exit 1
fi
