#pragma once
// Which serial ports are there, and which device each "COM<n>" names. The interface dialog
// lists "COM<n>" entries and the window keeps the number <n>; this module maps them to
// devices:
//  1. the entries of the section "Ports" of the settings file ("COM5=/dev/ttyUSB0"): the
//     user's way to pin a device to a number (and the tests' way to reach a pseudo-terminal);
//  2. the serial devices the system reports under /sys/class/tty, numbered by their kind and
//     index so that a device keeps its number across starts and plugging:
//       ttyS<k> -> COM<k+1>, ttyUSB<k> -> COM<k+33>, ttyACM<k> -> COM<k+65>,
//       ttyAMA<k> -> COM<k+97>   (k = 0 ... 31; other kinds only through "Ports").
// A number that the settings file names hides the system device of the same number.
#include <QList>
#include <QString>

struct PortEintrag {
    int Nummer = 0;                // 5 for COM5
    QString Name;                  // "COM5"
    QString Geraet;                // "/dev/ttyUSB0"
    bool AusEinstellungen = false; // pinned in the settings file
    friend bool operator==(const PortEintrag&, const PortEintrag&) = default;
};

namespace portliste {

// Number for a device's kernel name ("ttyUSB0" -> 33), 0 for a kind without a number.
int NummerFuer(const QString& kernelname);

// The system's serial devices under sysKlasse (normally /sys/class/tty): entries with a
// device behind them; a ttyS<k> only when its UART type is not 0 (no port there).
QList<PortEintrag> Systemgeraete(const QString& sysKlasse = QStringLiteral("/sys/class/tty"));

// Every port, the settings file's first, then the system's, without double numbers.
QList<PortEintrag> Ports(const QString& einstellungsdatei,
                         const QString& sysKlasse = QStringLiteral("/sys/class/tty"));

// The device behind a number; empty when none is known.
QString GeraetFuer(int nummer, const QString& einstellungsdatei,
                   const QString& sysKlasse = QStringLiteral("/sys/class/tty"));

} // namespace portliste
