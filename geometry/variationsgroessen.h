#pragma once
// The inputs a sensitivity sweep can vary: the four installation errors. One table for the
// year window's choice and for heliowendler-calc --variiere. The captions are German and
// translated where they are shown (context "variation"); the names are the command line's and
// never translated.
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"

#include <string_view>

// Marks a caption for the translation without Qt here, spelled as Qt's own marker so that
// either definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace variation {

struct Groesse {
    const char* name;    // as --variiere names it
    const char* text;    // the caption, with its unit
    const char* einheit; // "°" or "cm", as the caption has it
    double RechenlaufEingabe::*feld;
};

inline constexpr Groesse Groessen[] = {
    {"endlagestarterr", QT_TRANSLATE_NOOP("variation", "Fehler Anschlag Ost in °"), "°",
     &RechenlaufEingabe::EndlageStartErr},
    {"modulherr", QT_TRANSLATE_NOOP("variation", "Fehler Modulhöhe in cm"), "cm",
     &RechenlaufEingabe::ModulHErr},
    {"modulaerr", QT_TRANSLATE_NOOP("variation", "Fehler Modulabstand in cm"), "cm",
     &RechenlaufEingabe::ModulAErr},
    {"modulnerr", QT_TRANSLATE_NOOP("variation", "Fehler Modulneigung in °"), "°",
     &RechenlaufEingabe::ModulNErr},
};

// The entry of that name, or nullptr.
inline const Groesse* Finde(std::string_view name) {
    for (const Groesse& g : Groessen)
        if (name == g.name) return &g;
    return nullptr;
}

// Whether von, von + weite, ... up to bis can be swept: at least one value and no more than
// jahresstudie::Werte forms (its rule: finite, a step that changes the value, at most
// GroessteWertezahl values).
inline bool Bildbar(double von, double bis, double weite) {
    try {
        return !jahresstudie::Werte(von, bis, weite).empty();
    } catch (const jahresstudie::WerteFehler&) {
        return false;
    }
}

} // namespace variation
