# Sourced by the firmware measuring scripts: the test image, the simulated bootloader at the
# line's pace, and the check of its flash. Expects $bytes and $baud; sets $ordner (removed at
# exit), $sim and $geraet.
command -v srec_cat >/dev/null || { echo "srec_cat fehlt (Paket srecord)" >&2; exit 1; }

ordner=$(mktemp -d)
sim=
aufraeumen() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$ordner"
}
trap aufraeumen EXIT

# Random bytes: code up to 0xFF00, a table at 0xFF40 and the interrupt vectors at 0xFFE0, 16
# bytes per line, as TI-TXT writers emit it (no image with fewer than three segments is
# taken); and the 64 KiB they leave in an erased flash, as srec_cat reads them.
erzeuge_image() {
    local start=$((0xFF00 - (bytes - 96)))
    srec_cat -generate "$start" 0xFF00 -random -generate 0xFF40 0xFF80 -random \
        -generate 0xFFE0 0x10000 -random -o "$ordner/image.txt" -ti-txt
    srec_cat "$ordner/image.txt" -ti-txt -fill 0xFF 0x0000 0x10000 -o "$ordner/soll.bin" -binary
    echo "Image: $bytes Bytes ab $(printf '0x%04X' "$start") in $(grep -c . "$ordner/image.txt") Zeilen, $baud Baud"
}

# A simulated bootloader that takes and sends its bytes at the line's pace.
starte_bootloader() {
    rm -f "$ordner/flash.bin" "$ordner/geraet"
    build/bin/trackersim --bootloader --baud "$baud" --rx-baud "$baud" \
        --flash-dump "$ordner/flash.bin" >"$ordner/geraet" &
    sim=$!
    for _ in $(seq 100); do
        [ -s "$ordner/geraet" ] && break
        sleep 0.1
    done
    geraet=$(head -n1 "$ordner/geraet")
}

# Ends the bootloader (it writes its flash) and compares the flash with the image.
pruefe_flash() {
    kill "$sim"
    wait "$sim" 2>/dev/null || true
    sim=
    if cmp -s "$ordner/flash.bin" "$ordner/soll.bin"; then
        echo "Flash: gleich dem Image"
    else
        echo "Flash: weicht vom Image ab" >&2
        exit 1
    fi
}
