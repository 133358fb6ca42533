#!/usr/bin/env bash
# The include test: fails when a source includes a layer it may not depend on.
# Usage: tools/schichten.sh [ROOT] [QTCORE_INCLUDE_DIR]
#
# Each folder may include itself and the folders the table names; tests/ and bench/ may
# include anything and are not read. geometry/ includes no Qt header at all; basis/ and
# wetter/ only Qt Core headers; seriallink/ and geraet/, which command-line tools link, Qt Core
# and Qt Serial Port headers (both checked when the folder of the Qt Core headers is given). The
# same table stands in docs/architecture.md.
set -euo pipefail
wurzel=$(cd "${1:-$(dirname "$0")/..}" && pwd)
qtcore=${2:-}

declare -A darf=(
    [geometry]=""
    [basis]=""
    [wetter]="geometry basis"
    [widgets]="basis"
    [workspace]="geometry basis wetter widgets"
    [seriallink]="basis"
    [linkfenster]="basis widgets seriallink geraet"
    [geraet]="basis seriallink"
    [controller]="geometry basis widgets seriallink geraet"
    [firmware]="basis widgets seriallink geraet"
    [app]="geometry basis wetter widgets workspace seriallink linkfenster geraet controller firmware"
    [tools]="geometry basis wetter widgets workspace seriallink linkfenster geraet controller firmware"
)

fehler=0
melde() {
    echo "$1" >&2
    fehler=1
}

# The layer an include names: its first folder, or, for a path relative to the including
# file, the folder it resolves to; empty when it names no layer.
schicht_von() {
    local datei=$1 pfad=$2 erster=${2%%/*}
    if [ "$erster" != "$pfad" ] && [ -n "${darf[$erster]+x}" ]; then
        echo "$erster"
        return
    fi
    local ziel
    ziel=$(realpath -m --relative-to="$wurzel" "$(dirname "$datei")/$pfad")
    erster=${ziel%%/*}
    if [ -n "${darf[$erster]+x}" ]; then echo "$erster"; fi
}

for schicht in "${!darf[@]}"; do
    [ -d "$wurzel/$schicht" ] || continue
    while IFS= read -r -d '' datei; do
        rel=${datei#"$wurzel"/}
        while IFS=: read -r zeile text; do
            if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
                pfad=${BASH_REMATCH[1]}
                ziel=$(schicht_von "$datei" "$pfad")
                [ -z "$ziel" ] || [ "$ziel" = "$schicht" ] && continue
                [[ " ${darf[$schicht]} " == *" $ziel "* ]] && continue
                melde "$rel:$zeile: $schicht/ may not include $ziel/ (\"$pfad\")"
            elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[^>]*)\> ]]; then
                kopf=${BASH_REMATCH[1]}
                if [ "$schicht" = geometry ]; then
                    melde "$rel:$zeile: geometry/ may not include Qt (<$kopf>)"
                elif [[ $schicht == basis || $schicht == wetter ]] && [ -n "$qtcore" ] &&
                    [ ! -e "$qtcore/${kopf#QtCore/}" ]; then
                    melde "$rel:$zeile: $schicht/ may include Qt Core only (<$kopf>)"
                elif [[ $schicht == seriallink || $schicht == geraet ]] && [ -n "$qtcore" ] &&
                    [ ! -e "$qtcore/${kopf#QtCore/}" ] && [[ ! $kopf =~ ^(QtSerialPort/)?QSerialPort ]]; then
                    melde "$rel:$zeile: $schicht/ may include Qt Core and Qt Serial Port only (<$kopf>)"
                fi
            fi
        done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$datei" || true)
    done < <(find "$wurzel/$schicht" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) -print0)
done
exit "$fehler"
