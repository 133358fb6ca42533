#pragma once
// Command line of heliowendler-calc: every input of a whole calculation as an option, read by
// the programs' shared reader (basis/kommandozeile.h): numbers always with a point, whatever
// the locale; "--opt=wert" and "--opt wert", so "--lam -14.48" reads the negative value.
#include "basis/kommandozeile.h"
#include "geometry/rechenlauf.h"
#include "geometry/variationsgroessen.h"
#include "geometry/wetterjahr.h"

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
    // --wetter DATEI: the year study (or the sweep) on a measured weather file, at the file's
    // site unless --phi or --lam are given.
    std::string wetter;
    double zeitversatz = 0; // hours; +H: the file's data are H hours early
    wetterjahr::Optionen wetterOptionen;
    bool phiGegeben = false, lamGegeben = false;
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
            "  --wetter DATEI                  Jahresstudie (oder --variiere) auf einer\n"
            "                                  Wetterdatei (EPW, PVGIS-CSV/-JSON, TMY3) am Ort\n"
            "                                  der Datei, ausser --phi/--lam sind gegeben; je\n"
            "                                  Weg die Spalten Unverschattet, Direkt, Himmel,\n"
            "                                  Boden, Wirksam (kWh/m2), StrahlSchatten,\n"
            "                                  HimmelSchatten, Elektrisch (Prozent der\n"
            "                                  unverschatteten), Teilverschattet (h); danach\n"
            "                                  GewinnBacktracking_Prozent und die Annahmen.\n"
            "                                  Datenqualitaet und Zeitpruefung auf stderr\n"
            "  --zeitversatz H                 die Daten liegen H Stunden zu frueh (0; -24 bis "
            "24)\n"
            "  --albedo X                      Albedo, wo die Datei keine hat (0.2; 0 bis 1)\n"
            "  --diffus perez|isotrop          Himmelsmodell des diffusen Lichts (perez)\n"
            "  --bloecke NxM                   Bypass-Bloecke je Modul: N uebereinander,\n"
            "                                  M nebeneinander (1x3)\n"
            "  --help                          diese Hilfe\n"
            "Ende: 0 gerechnet, 2 falscher Aufruf oder die Rechnung scheiterte, 4 die\n"
            "Wetterdatei ist nicht lesbar oder keine.\n"),
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

// "perez" or "isotrop" of --diffus.
inline bool LeseHimmel(std::string_view text, wetterjahr::Himmelsmodell& himmel) {
    if (text == "perez")
        himmel = wetterjahr::Himmelsmodell::Perez;
    else if (text == "isotrop")
        himmel = wetterjahr::Himmelsmodell::Isotrop;
    else
        return false;
    return true;
}

// "NxM" of --bloecke: 1 ... 20 blocks each way.
inline bool LeseBloecke(std::string_view text, einstrahlung::Bloecke& b) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) return false;
    return kommandozeile::LeseGanzzahl(text.substr(0, x), 1, 20, b.uebereinander) &&
           kommandozeile::LeseGanzzahl(text.substr(x + 1), 1, 20, b.nebeneinander);
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
    const auto bereich = [&](const char* name, double& ziel, Bereich b, bool& gegeben) {
        kz::Option o = Wert(
            name,
            [&ziel, &gegeben, b](std::string_view w) {
                gegeben = true;
                return kz::LeseZahl(w, b.min, b.max, ziel);
            },
            QT_TRANSLATE_NOOP("heliowendler-calc", "eine Zahl von %1 bis %2"));
        o.erwartetWerte = {std::to_string(b.min), std::to_string(b.max)};
        return o;
    };
    bool wetterOption = false; // one of the options that only act on a weather file
    const auto nurWetter = [&wetterOption](std::function<bool(std::string_view)> lies) {
        return [&wetterOption, lies](std::string_view w) {
            wetterOption = true;
            return lies(w);
        };
    };
    wetterjahr::Optionen& wo = o.wetterOptionen;
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
        bereich("phi", e.Phi, BreitenBereich, o.phiGegeben),
        bereich("lam", e.Lam, LaengenBereich, o.lamGegeben),
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
        Wert(
            "wetter",
            [&o](std::string_view w) {
                o.wetter = std::string(w);
                return !w.empty();
            },
            QT_TRANSLATE_NOOP("heliowendler-calc", "der Pfad einer Wetterdatei")),
        Wert("zeitversatz", nurWetter(kz::Zahl(o.zeitversatz, -24, 24)),
             QT_TRANSLATE_NOOP("heliowendler-calc", "eine Stundenzahl von -24 bis 24")),
        Wert("albedo", nurWetter(kz::Zahl(wo.albedo, 0, 1)),
             QT_TRANSLATE_NOOP("heliowendler-calc", "eine Zahl von 0 bis 1")),
        Wert("diffus",
             nurWetter([&wo](std::string_view w) { return detail::LeseHimmel(w, wo.himmel); }),
             QT_TRANSLATE_NOOP("heliowendler-calc", "perez oder isotrop")),
        Wert("bloecke",
             nurWetter([&wo](std::string_view w) { return detail::LeseBloecke(w, wo.bloecke); }),
             QT_TRANSLATE_NOOP("heliowendler-calc",
                               "NxM, Bloecke uebereinander x nebeneinander, je 1 bis 20")),
        Schalter("help", [&o] { o.hilfe = true; }),
    };
    kz::Regeln regeln;
    regeln.kontext = "heliowendler-calc";
    kz::Aufruf aufruf;
    if (!kz::Lies(argc, argv, optionen, regeln, aufruf, fehler)) return false;
    if (o.hilfe) return true;
    // A weather file feeds the year study or the sweep only; its options act on it alone.
    if (!o.wetter.empty() && !o.jahresstudie && !o.variiert) {
        fehler = Text(QT_TRANSLATE_NOOP("heliowendler-calc",
                                        "--wetter gilt nur mit --jahresstudie oder --variiere"));
        return false;
    }
    if (o.wetter.empty() && wetterOption) {
        fehler = Text(QT_TRANSLATE_NOOP(
            "heliowendler-calc", "--zeitversatz, --albedo, --diffus und --bloecke gelten nur mit "
                                 "--wetter"));
        return false;
    }
    return true;
}

} // namespace calc
