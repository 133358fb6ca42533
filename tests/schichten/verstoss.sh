#!/usr/bin/env bash
# The include test must fail on the planted tree beside this script, naming each wrong
# include with its file and line, and nothing else.
# Usage: verstoss.sh SCHICHTEN_SH QTCORE_INCLUDE_DIR
set -uo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
ausgabe=$(bash "$1" "$hier/verstoss" "$2" 2>&1)
code=$?
erwartet='basis/gui.h:2: basis/ may include Qt Core only (<QWidget>)
geometry/qt.cpp:2: geometry/ may not include Qt (<QString>)
geometry/wetter.h:2: geometry/ may not include wetter/ ("wetter/wetterdatei.h")
seriallink/front.h:3: seriallink/ may include Qt Core and Qt Serial Port only (<QMessageBox>)
seriallink/front.h:4: seriallink/ may not include widgets/ ("widgets/dialoge.h")
wetter/falsch.h:3: wetter/ may include Qt Core only (<QWidget>)
wetter/falsch.h:4: wetter/ may not include workspace/ ("workspace/jahresverschattung.h")
widgets/falsch.h:4: widgets/ may not include workspace/ ("workspace/SDIMAIN.h")
widgets/falsch.h:5: widgets/ may not include app/ ("../app/anwendung.h")'
if [ "$code" -ne 1 ] || [ "$(sort <<<"$ausgabe")" != "$erwartet" ]; then
    echo "exit code $code, output:" >&2
    echo "$ausgabe" >&2
    exit 1
fi
