#!/usr/bin/env bash
# The service tool's firmware transfer against the time its bytes need on the line (goal: at
# most 1.03), and its CPU time against the application's for the same transfer. The image and
# the simulated bootloader are those of tools/firmwaremessung.sh (default 16 KiB at 4800 baud,
# the bootloader taking and sending its bytes at the line's pace); the flash is compared with
# srec_cat's reading of the image after each run. The application's figure is that of
# firmwaremessung, which runs the link and the firmware window as the application does.
# Usage: tools/dienstmessung.sh [bytes] [baud]
set -euo pipefail
cd "$(dirname "$0")/.."
bytes=${1:-16384}
baud=${2:-4800}
cmake --build build --target heliowendler-service firmwaremessung trackersim >/dev/null
. tools/messimage.sh
erzeuge_image

# The CPU seconds come from bash's own accounting of the finished command (user, system).
starte_bootloader
TIMEFORMAT='%R %U %S'
{ time build/bin/heliowendler-service flash "$ordner/image.txt" --port "$geraet" \
    >"$ordner/dienst.txt" 2>/dev/null; } 2>"$ordner/dienst.zeit"
pruefe_flash
cat "$ordner/dienst.txt"
read -r _ dienst_user dienst_sys <"$ordner/dienst.zeit"
# The tool's own figures: "... N s (Zeit auf der Leitung bei 4800 Baud: M s)" at 4800 baud.
dauer=$(sed -E 's/.*, ([0-9.]+) s \(Zeit.*/\1/' "$ordner/dienst.txt")
draht=$(sed -E 's/.*Baud: ([0-9.]+) s\)/\1/' "$ordner/dienst.txt")
draht=$(awk -v d="$draht" -v b="$baud" 'BEGIN{print d * 4800 / b}')

starte_bootloader
{ time QT_QPA_PLATFORM=offscreen build/bin/firmwaremessung --geraet "$geraet" \
    --image "$ordner/image.txt" --baud "$baud" >"$ordner/fenster.txt" 2>/dev/null; } \
    2>"$ordner/fenster.zeit"
pruefe_flash
read -r _ fenster_user fenster_sys <"$ordner/fenster.zeit"

awk -v dauer="$dauer" -v draht="$draht" -v du="$dienst_user" -v ds="$dienst_sys" \
    -v fu="$fenster_user" -v fs="$fenster_sys" 'BEGIN {
    printf "Werkzeug: %.2f s, Leitungszeit %.2f s, Verhältnis %.4f (Ziel <= 1.03)\n", dauer, draht, dauer / draht
    printf "CPU Werkzeug: %.2f s, CPU Anwendung (firmwaremessung): %.2f s, Verhältnis %.3f (Ziel <= 1)\n", du + ds, fu + fs, (du + ds) / (fu + fs)
}'
