#pragma once
// What the windows of other subsystems may do with the simulation: the parametrization
// window's "GET Sim Daten" and "SET Sim Daten" and the simulation file read and write the
// inputs as one value, recalculate and report in the status bar. The main window implements
// it; app/ hands it to the others. GUI thread only.
#include "basis/simeingaben.h"

#include <QString>

class SimDaten {
public:
    // The text of every input edit, in the order of SimFeld.
    virtual SimEingaben LeseSimEingaben() const = 0;
    // Writes the given texts in the given order, each firing its change handling. Inside a
    // running handler a failure of that handling stops the writing and is thrown on, as it
    // is for the window's own writes (widgets/handlerlauf.h).
    virtual void UebernimmSimEingaben(const SimEingaben& eingaben) = 0;
    // The calculation driver, "Berechnen"; throws at the first text that does not convert.
    virtual void Berechne() = 0;
    // The site combo box shows "--unbekannt---" with no site chosen.
    virtual void ZeigeStandortUnbekannt() = 0;
    // Writes the five date and time edits in this order, as UebernimmSimEingaben does.
    virtual void SetzeDatumZeit(const QString& jahr, const QString& monat, const QString& tag,
                                const QString& stunde, const QString& minute) = 0;
    // The four panels of the status bar (0: frames, 1: port, 2: settings, 3: last message).
    virtual QString Panel(int i) const = 0;
    virtual void SetzePanel(int i, const QString& text) = 0;

protected:
    ~SimDaten() = default;
};
