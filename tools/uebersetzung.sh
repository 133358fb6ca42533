#!/usr/bin/env bash
# Refreshes uebersetzung/heliowendler_en.ts from the sources: new German texts are added
# (unfinished until translated), texts no longer in the code are marked obsolete. The build
# compiles the file with lrelease.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -I . -locations none -no-obsolete -source-language de -target-language en \
    geometry basis wetter widgets workspace seriallink linkfenster geraet controller firmware app \
    tools \
    -ts uebersetzung/heliowendler_en.ts
