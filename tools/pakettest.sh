#!/usr/bin/env bash
# Tests the Debian package made from the normal build tree: unpacked into a scratch root
# (dpkg -x; installed with dpkg -i only when running as root and HW_WEGWERFMASCHINE=1 says the
# machine may be changed), each program answers --help, the manual pages document every option
# --help names and render, in UTF-8 encoded once, the application started twice on an
# offscreen display seeds and then writes its settings in the config folder and nothing under
# usr/, the desktop entry is the one the application names, and lintian, desktop-file-validate
# and appstreamcli find no error or warning.
# Usage: tools/pakettest.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
paket=$(bash tools/paket.sh "${1:-build}" | tail -n 1)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
falsch() { echo "FEHLER: $*" >&2; fehler=1; }

if [ "$(id -u)" -eq 0 ] && [ "${HW_WEGWERFMASCHINE:-}" = 1 ]; then
    dpkg -i "$paket"
    wurzel=
else
    wurzel=$tmp/wurzel
    dpkg -x "$paket" "$wurzel"
fi
usr=$wurzel/usr
bestand() { find "$usr/bin" "$usr/share/heliowendler" -printf '%p %s %T@\n' | sort; }
bestand >"$tmp/vorher"

export LC_ALL=C.UTF-8
for p in heliowendler heliowendler-calc heliowendler-service trackersim; do
    "$usr/bin/$p" --help >"$tmp/$p.hilfe" || falsch "$p --help endet mit $?"
    seite=$usr/share/man/man1/$p.1.gz
    MANWIDTH=80 man --warnings -l "$seite" >"$tmp/$p.seite" 2>"$tmp/$p.warnungen" ||
        falsch "man -l $seite"
    [ -s "$tmp/$p.warnungen" ] && falsch "man -l $seite: $(cat "$tmp/$p.warnungen")"
    head -n 3 "$tmp/$p.seite"
    # UTF-8 encoded twice ("Ã¼" for "ü", "Â°" for "°") anywhere in the page or its source.
    for text in "$tmp/$p.seite" <(zcat "$seite"); do
        doppelt=$(LC_ALL=C grep -naP '\xC3[\x82\x83]\xC2[\x80-\xBF]' "$text" || true)
        [ -z "$doppelt" ] || falsch "$p: doppelt kodiertes UTF-8 in der Handbuchseite: $doppelt"
    done
    # Every option of --help stands in the page (help2man breaks no option apart).
    for option in $(grep -o -- '--[a-z][a-z-]*' "$tmp/$p.hilfe" | sort -u); do
        grep -q -- "$option" "$tmp/$p.seite" || falsch "$p: $option fehlt in der Handbuchseite"
    done
done

# The application, installed: a first start seeds the config folder from the package and
# writes its settings there; a second start keeps the user's copy and writes into it.
starte() {
    HOME=$tmp/home XDG_CONFIG_HOME=$tmp/konfig QT_QPA_PLATFORM=offscreen \
        HELIOWENDLER_SCREENSHOT=$tmp/bild.png timeout 60 "$usr/bin/heliowendler" >/dev/null 2>&1 ||
        falsch "heliowendler endet mit $?"
}
ini=$tmp/konfig/heliowendler/heliowendler.INI
starte
cmp -s "$ini" "$usr/share/heliowendler/heliowendler.INI" ||
    falsch "erster Start: $ini ist nicht die Datei des Pakets"
printf '[COMs]\r\nSender1=3\r\n' >"$ini"
starte
grep -q '^Width=' "$ini" && grep -q '^Sender1=3' "$ini" ||
    falsch "zweiter Start: die Einstellungen stehen nicht in $ini: $(cat "$ini")"
bestand >"$tmp/nachher"
cmp -s "$tmp/vorher" "$tmp/nachher" ||
    falsch "die Anwendung hat unter usr/ geschrieben: $(diff "$tmp/vorher" "$tmp/nachher")"

# The desktop entry and the running window belong together: the program names the entry (its
# file name, the Wayland app id) and its window's X11 class is the entry's StartupWMClass.
eintrag=$(ls "$usr"/share/applications/*.desktop)
grep -qaF "$(basename "$eintrag" .desktop)" "$usr/bin/heliowendler" ||
    falsch "heliowendler nennt seinen Desktop-Eintrag $(basename "$eintrag") nicht"
klasse=$(sed -n 's/^StartupWMClass=//p' "$eintrag")
# The application stays open until the window is found (however loaded the machine), then ends.
# On the X server, whatever platform the caller chose for the tests (tools/test.sh: offscreen).
[ -n "$klasse" ] && HOME=$tmp/home XDG_CONFIG_HOME=$tmp/konfig QT_QPA_PLATFORM=xcb \
    xvfb-run -a sh -c '"$1" >"$3" 2>&1 & p=$!
        timeout 120 xdotool search --sync --class "^$2\$" >/dev/null; e=$?
        kill $p 2>/dev/null; wait; exit $e' fenster "$usr/bin/heliowendler" "$klasse" "$tmp/fenster.log" ||
    falsch "kein Fenster der Klasse \"$klasse\" (StartupWMClass in $eintrag): $(cat "$tmp/fenster.log")"

lintian --fail-on error,warning "$paket" || falsch "lintian"
desktop-file-validate "$usr"/share/applications/*.desktop || falsch "desktop-file-validate"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml || falsch "appstreamcli"

[ "$fehler" -eq 0 ] && echo "Paket in Ordnung: $paket"
exit "$fehler"
