#include "geraet/bootloaderhinweise.h"

#include <QCoreApplication>

namespace bootloaderhinweise {

QString PortVerloren() {
    return QCoreApplication::translate(
        "Bootloader", "Keine Antwort des Bootloaders seit 5 s: die Verbindung zur Schnittstelle "
                      "ist verloren. Gerät und Kabel prüfen, die Schnittstelle neu bestätigen "
                      "und Start drücken.");
}

QString LoeschenOhneAntwort() {
    return QCoreApplication::translate(
        "Bootloader", "Keine Antwort des Bootloaders seit 5 s auf das Löschen. Läuft die "
                      "Steuerung im Bootloader (beim Einschalten Servicetaste gedrückt und "
                      "Kippschalter auf Ost oder West)? Ist die richtige Schnittstelle gewählt? "
                      "Start beginnt neu.");
}

} // namespace bootloaderhinweise
