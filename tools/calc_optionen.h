#pragma once
// Command line of heliowendler-calc: every input of a whole calculation as an option, read by
// the programs' shared reader (basis/kommandozeile.h): numbers always with a point, whatever
// the locale; "--opt=wert" and "--opt wert", so "--lam -14.48" reads the negative value.
#include "basis/kommandozeile.h"
#include "geometry/rechenlauf.h"
#include "geometry/variationsgroessen.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

// Marks a text for the translation without Qt here: heliowendler-calc translates it when it
// prints (kommandozeile::Uebersetzung), this header and its tests stay free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace calc {

// The translated format (context "heliowendler-calc") with each placeholder %1 ... %99 replaced
// by that argument, in one pass: a placeholder inside an argument (a value the user typed)
// stays as it is.
inline std::string Text(const char* format,
                        std::initializer_list<std::string_view> argumente = {}) {
    return kommandozeile::Uebersetzt("heliowendler-calc", format, argumente);
}

struct Optionen {
    RechenlaufEingabe eingabe;
    bool hilfe = false;
    int tabelleMinuten = 0; // 0: one instant; otherwise the step of the day table
    bool jahresstudie = false;
    int schritt = 5; // minutes between the year study's instants
    // --variiere NAME:VON:BIS:SCHRITT: one error input swept over a range.
    double RechenlaufEingabe::*variiert = nullptr;
    double von = 0, bis = 0, weite = 0;
};

// The names --variiere takes, from the table of the sweepable inputs.
inline std::string Variationsnamen() {
    std::string namen;
    for (const variation::Groesse& g : variation::Groessen)
        namen += (namen.empty() ? "" : ", ") + std::string(g.name);
    return namen;
}

inline std::string Hilfetext() {
    return Text(
        QT_TRANSLATE_NOOP(
            "heliowendler-calc",
            "Aufruf: heliowendler-calc [Optionen]\n"
            "Berechnet Sonnenstand, Backtracking und Verschattung wie das Hauptfenster.\n"
            "Zahlen immer mit Punkt; --opt=wert oder --opt wert.\n"
            "  --jahr N --monat N --tag N      Datum (2008, 7, 7)\n"
            "  --stunde X --minute N           UTC (11, 0)\n"
            "  --phi X --lam X                 Breite (-90 bis 90), Laenge Ost negativ (-180 bis\n"
            "                                  180) in Grad (50.53, -14.48)\n"
            "  --modull N --modulh N           Modulbreite, Modulhoehe in cm (1500, 160)\n"
            "  --modula N --moduln N           Lichter Abstand in cm, Neigung in Grad (150, 30)\n"
            "  --modulherr X --modulaerr X --modulnerr X   Fehler (0)\n"
            "  --endlagestart X --endlagestarterr X --endlagestop X   Anschlaege (75, 0, 285)\n"
            "  --ost                           Backtrack immer nach Osten\n"
            "  --wendestunde N                 Sonnenwende der vorigen Rechnung (12)\n"
            "  --tabelle MIN                   CSV ueber den UTC-Tag in Schritten von MIN Minuten\n"
            "  --jahresstudie                  Strahlung und Verschattung des Jahres --jahr als "
            "CSV\n"
            "                                  je Monat und Jahr: mit Backtracking, ohne Fehler,\n"
            "                                  ohne Backtracking; danach die Extreme (Name=Wert)\n"
            "  --schritt MIN                   Abstand der Augenblicke der Jahresstudie (5; 1 bis "
            "60)\n"
            "  --variiere NAME:VON:BIS:SCHRITT Jahresstudie je Wert eines Fehlers als CSV\n"
            "                                  (hoechstens 1001 Werte); NAME einer von\n"
            "                                  %1\n"
            "  --help                          diese Hilfe\n"
            "Ende: 0 gerechnet, 2 falscher Aufruf oder die Rechnung scheiterte.\n"),
        {Variationsnamen()});
}

namespace detail {

// The searches read the geometry as whole numbers; a fraction there fails in the window too.
inline bool LeseGanzeZahl(std::string_view text, double& wert) {
    double v = 0;
    if (!kommandozeile::LeseZahl(text, -2147483648.0, 2147483647.0, v) || std::trunc(v) != v)
        return false;
    wert = v;
    return true;
}

// "NAME:VON:BIS:SCHRITT" of --variiere.
inline bool LeseVariation(std::string_view text, Optionen& o) {
    std::string_view teile[4];
    for (int i = 0; i < 4; ++i) {
        const auto doppel = text.find(':');
        if ((i < 3) == (doppel == std::string_view::npos)) return false;
        teile[i] = text.substr(0, doppel);
        if (i < 3) text.remove_prefix(doppel + 1);
    }
    const variation::Groesse* g = variation::Finde(teile[0]);
    o.variiert = g ? g->feld : nullptr;
    constexpr double inf = std::numeric_limits<double>::infinity();
    return o.variiert && kommandozeile::LeseZahl(teile[1], -inf, inf, o.von) &&
           kommandozeile::LeseZahl(teile[2], -inf, inf, o.bis) &&
           kommandozeile::LeseZahl(teile[3], -inf, inf, o.weite) &&
           variation::Bildbar(o.von, o.bis, o.weite);
}

} // namespace detail

// Reads argv[1..argc-1] into o. On failure returns false with a message naming the option
// or the value; what was read until then keeps its value.
inline bool LeseOptionen(int argc, const char* const* argv, Optionen& o, std::string& fehler) {
    namespace kz = kommandozeile;
    using kz::Schalter, kz::Wert;
    RechenlaufEingabe& e = o.eingabe;
    constexpr long long intMin = std::numeric_limits<int>::min();
    constexpr long long intMax = std::numeric_limits<int>::max();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const char* GanzeZahl = QT_TRANSLATE_NOOP("heliowendler-calc", "eine ganze Zahl");
    const char* Zahl = QT_TRANSLATE_NOOP("heliowendler-calc", "eine Zahl mit Dezimalpunkt");
    const char* Geometrie = QT_TRANSLATE_NOOP(
        "heliowendler-calc", "eine ganze Zahl (die Suchen lesen die Geometrie ganzzahlig)");
    const auto ganz = [&](const char* name, int& ziel) {
        return Wert(name, kz::Ganzzahl(ziel, intMin, intMax), GanzeZahl);
    };
    const auto zahl = [&](const char* name, double& ziel) {
        return Wert(name, kz::Zahl(ziel, -inf, inf), Zahl);
    };
    const auto geometrie = [&](const char* name, double& ziel) {
        return Wert(
            name, [&ziel](std::string_view w) { return detail::LeseGanzeZahl(w, ziel); },
            Geometrie);
    };
    const auto bereich = [&](const char* name, double& ziel, Bereich b) {
        kz::Option o = Wert(name, kz::Zahl(ziel, b.min, b.max),
                            QT_TRANSLATE_NOOP("heliowendler-calc", "eine Zahl von %1 bis %2"));
        o.erwartetWerte = {std::to_string(b.min), std::to_string(b.max)};
        return o;
    };
    kz::Option variiere = Wert(
        "variiere", [&o](std::string_view w) { return detail::LeseVariation(w, o); },
        QT_TRANSLATE_NOOP("heliowendler-calc",
                          "NAME:VON:BIS:SCHRITT (NAME einer von %1; VON <= BIS, SCHRITT > 0 "
                          "und gross genug, den Wert zu aendern, hoechstens 1001 Werte)"));
    variiere.erwartetWerte = {Variationsnamen()};
    const kz::Option optionen[] = {
        ganz("jahr", e.Jahr),
        ganz("monat", e.Monat),
        ganz("tag", e.Tag),
        zahl("stunde", e.Stunde),
        ganz("minute", e.Minute),
        // The site's ranges, as the main window's edits hold them.
        bereich("phi", e.Phi, BreitenBereich),
        bereich("lam", e.Lam, LaengenBereich),
        geometrie("modull", e.ModulL),
        geometrie("modulh", e.ModulH),
        geometrie("modula", e.ModulA),
        geometrie("moduln", e.ModulN),
        zahl("modulherr", e.ModulHErr),
        zahl("modulaerr", e.ModulAErr),
        zahl("modulnerr", e.ModulNErr),
        zahl("endlagestart", e.EndlageStart),
        zahl("endlagestarterr", e.EndlageStartErr),
        zahl("endlagestop", e.EndlageStop),
        ganz("wendestunde", e.WendeStunde),
        Schalter("ost", [&e] { e.OstTracken = true; }),
        Wert("tabelle", kz::Ganzzahl(o.tabelleMinuten, 1, 1440),
             QT_TRANSLATE_NOOP("heliowendler-calc", "eine Minutenzahl von 1 bis 1440")),
        Wert("schritt", kz::Ganzzahl(o.schritt, 1, 60),
             QT_TRANSLATE_NOOP("heliowendler-calc", "eine Minutenzahl von 1 bis 60")),
        Schalter("jahresstudie", [&o] { o.jahresstudie = true; }),
        variiere,
        Schalter("help", [&o] { o.hilfe = true; }),
    };
    kz::Regeln regeln;
    regeln.kontext = "heliowendler-calc";
    kz::Aufruf aufruf;
    return kz::Lies(argc, argv, optionen, regeln, aufruf, fehler);
}

} // namespace calc
