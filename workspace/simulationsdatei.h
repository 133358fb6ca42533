#pragma once
// Simulation files (".TRD"): an INI file with the section "Parameter" that keeps the
// geometry, the site's coordinates, the end stops and the interval of the main window, and
// the tracker speed and group of the parametrization window. The file functions below know
// no window; Simulationsdatei runs "Öffnen" and "Speichern" on the main window through
// SimDaten and on the parametrization window through TrackerWerte.
#include "basis/simeingaben.h"

#include <QString>

class QWidget;
class SimDaten;
class TrackerWerte;

namespace simulationsdatei {

// What a file holds, as the load puts it into the windows.
struct Inhalt {
    SimEingaben eingaben; // the ten edits, in the order of the file's keys
    double winkelSpeed = 0;
    int gruppe = 0; // as read; the parametrization window keeps its low 8 bits
};

// Reads the twelve keys. A missing file, section or key, and a text that does not convert,
// read as 0; integers may be "0x" hexadecimal; a decimal number written under the other
// decimal separator reads as written. A decimal number with group separators ("1.234,5")
// throws zahltext::KonvertierFehler naming the file and the key (IniDatei::LeseGleitkomma).
Inhalt Lies(const QString& pfad);

// Converts every value first, in the order of the keys, and throws the conversion error of
// the first text that does not convert without touching the file; then writes all twelve
// keys in one replacement of the file (SchreibFehler when it cannot be written, the file
// as it was). Only the ten edits of the file are taken from eingaben.
void Schreibe(const QString& pfad, const SimEingaben& eingaben, double winkelSpeed, int gruppe);

// The default extension: a name chosen without one gets ".TRD". For opening, a file that
// exists under the name as chosen is taken as it is (a folder of that name is no file).
QString MitEndung(const QString& gewaehlt, bool zumOeffnen);

} // namespace simulationsdatei

class Simulationsdatei {
public:
    // fenster: the main window (its caption, the dialogs' parent); daten: its inputs.
    Simulationsdatei(QWidget* fenster, SimDaten& daten);

    // The parametrization window; without it speed and group are saved as 0 and a load
    // leaves them alone.
    void SetzeTrackerWerte(TrackerWerte* werte) { werte_ = werte; }

    // Each throws at the first failure (conversion, write, a change handling of the load);
    // the handler runner shows it.
    void FileOpen1Execute();
    void FileSave1Execute();

private:
    QWidget* fenster_;
    SimDaten& daten_;
    TrackerWerte* werte_ = nullptr;
    // Each dialog starts with the name last chosen in it.
    QString nameOeffnen_, nameSpeichern_;
};
