#pragma once
// Command line of heliowendler-calc: every input of a whole calculation as an option.
// Numbers always take a point as decimal separator, whatever the locale; "--opt=wert" and
// "--opt wert" are both accepted, so "--lam -14.48" reads the negative value.
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
// prints (Uebersetze), this header and its tests stay free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace calc {

// The translation of a text marked above; German unless heliowendler-calc installs Qt's.
inline std::string (*Uebersetze)(const char* text) = [](const char* text) {
    return std::string(text);
};

// The translated format with each placeholder %1 ... %99 replaced by that argument, in one
// pass: a placeholder inside an argument (a value the user typed) stays as it is.
inline std::string Text(const char* format,
                        std::initializer_list<std::string_view> argumente = {}) {
    const std::string f = Uebersetze(format);
    std::string t;
    for (std::size_t i = 0; i < f.size(); ++i) {
        std::size_t ende = i + 1, n = 0;
        while (f[i] == '%' && ende < f.size() && ende < i + 3 && f[ende] >= '0' && f[ende] <= '9')
            n = 10 * n + static_cast<std::size_t>(f[ende++] - '0');
        if (ende > i + 1 && n >= 1 && n <= argumente.size()) {
            t += argumente.begin()[n - 1];
            i = ende - 1;
        } else {
            t += f[i];
        }
    }
    return t;
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

inline bool LeseGanzzahl(std::string_view text, int& wert) {
    const char* ende = text.data() + text.size();
    int v = 0;
    auto [p, ec] = std::from_chars(text.data(), ende, v);
    if (text.empty() || ec != std::errc() || p != ende) return false;
    wert = v;
    return true;
}

inline bool LeseZahl(std::string_view text, double& wert) {
    const char* ende = text.data() + text.size();
    double v = 0;
    auto [p, ec] = std::from_chars(text.data(), ende, v, std::chars_format::general);
    if (text.empty() || ec != std::errc() || p != ende || !std::isfinite(v)) return false;
    wert = v;
    return true;
}

// The searches read the geometry as whole numbers; a fraction there fails in the window too.
inline bool LeseGanzeZahl(std::string_view text, double& wert) {
    double v = 0;
    if (!LeseZahl(text, v) || std::trunc(v) != v || v < -2147483648.0 || v > 2147483647.0)
        return false;
    wert = v;
    return true;
}

enum class Art { Ganzzahl, Zahl, GanzeZahl, Schalter, Text };

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
    return o.variiert && LeseZahl(teile[1], o.von) && LeseZahl(teile[2], o.bis) &&
           LeseZahl(teile[3], o.weite) && variation::Bildbar(o.von, o.bis, o.weite);
}

} // namespace detail

// Reads argv[1..argc-1] into o. On failure returns false with a message naming the option
// or the value.
inline bool LeseOptionen(int argc, const char* const* argv, Optionen& o, std::string& fehler) {
    using detail::Art;
    using E = RechenlaufEingabe;
    struct Def {
        const char* name;
        Art art;
        int E::*ganz;
        double E::*zahl;
        // The range of a coordinate, as the main window's edits hold it.
        double kleinster = -std::numeric_limits<double>::infinity();
        double groesster = std::numeric_limits<double>::infinity();
    };
    static const Def defs[] = {
        {"jahr", Art::Ganzzahl, &E::Jahr, nullptr},
        {"monat", Art::Ganzzahl, &E::Monat, nullptr},
        {"tag", Art::Ganzzahl, &E::Tag, nullptr},
        {"stunde", Art::Zahl, nullptr, &E::Stunde},
        {"minute", Art::Ganzzahl, &E::Minute, nullptr},
        {"phi", Art::Zahl, nullptr, &E::Phi, -90, 90},
        {"lam", Art::Zahl, nullptr, &E::Lam, -180, 180},
        {"modull", Art::GanzeZahl, nullptr, &E::ModulL},
        {"modulh", Art::GanzeZahl, nullptr, &E::ModulH},
        {"modula", Art::GanzeZahl, nullptr, &E::ModulA},
        {"moduln", Art::GanzeZahl, nullptr, &E::ModulN},
        {"modulherr", Art::Zahl, nullptr, &E::ModulHErr},
        {"modulaerr", Art::Zahl, nullptr, &E::ModulAErr},
        {"modulnerr", Art::Zahl, nullptr, &E::ModulNErr},
        {"endlagestart", Art::Zahl, nullptr, &E::EndlageStart},
        {"endlagestarterr", Art::Zahl, nullptr, &E::EndlageStartErr},
        {"endlagestop", Art::Zahl, nullptr, &E::EndlageStop},
        {"wendestunde", Art::Ganzzahl, &E::WendeStunde, nullptr},
        {"ost", Art::Schalter, nullptr, nullptr},
        {"tabelle", Art::Ganzzahl, nullptr, nullptr},
        {"schritt", Art::Ganzzahl, nullptr, nullptr},
        {"jahresstudie", Art::Schalter, nullptr, nullptr},
        {"variiere", Art::Text, nullptr, nullptr},
        {"help", Art::Schalter, nullptr, nullptr},
    };

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.substr(0, 2) != "--" || arg.size() == 2) {
            fehler =
                Text(QT_TRANSLATE_NOOP("heliowendler-calc", "unerwartetes Argument '%1'"), {arg});
            return false;
        }
        std::string_view name = arg.substr(2);
        std::string_view wert;
        bool mitWert = false;
        if (const auto gleich = name.find('='); gleich != std::string_view::npos) {
            wert = name.substr(gleich + 1);
            name = name.substr(0, gleich);
            mitWert = true;
        }
        const Def* def = nullptr;
        for (const Def& d : defs)
            if (name == d.name) def = &d;
        const std::string opt = "--" + std::string(name);
        if (!def) {
            fehler = Text(QT_TRANSLATE_NOOP("heliowendler-calc", "unbekannte Option '%1'"), {opt});
            return false;
        }
        if (def->art == Art::Schalter) {
            if (mitWert) {
                fehler = Text(
                    QT_TRANSLATE_NOOP("heliowendler-calc", "Option '%1' nimmt keinen Wert"), {opt});
                return false;
            }
            if (name == "ost")
                o.eingabe.OstTracken = true;
            else if (name == "jahresstudie")
                o.jahresstudie = true;
            else
                o.hilfe = true;
            continue;
        }
        if (!mitWert) {
            if (i + 1 >= argc) {
                fehler =
                    Text(QT_TRANSLATE_NOOP("heliowendler-calc", "Option '%1' braucht einen Wert"),
                         {opt});
                return false;
            }
            wert = argv[++i];
        }
        const auto falsch = [&](const char* was) { return Text(was, {wert, opt}); };
        switch (def->art) {
        case Art::Ganzzahl: {
            int v = 0;
            if (!detail::LeseGanzzahl(wert, v)) {
                fehler = falsch(
                    QT_TRANSLATE_NOOP("heliowendler-calc", "'%1' ist fuer %2 keine ganze Zahl"));
                return false;
            }
            if (name == "tabelle") {
                if (v < 1 || v > 1440) {
                    fehler = falsch(QT_TRANSLATE_NOOP(
                        "heliowendler-calc", "'%1' ist fuer %2 keine Minutenzahl von 1 bis 1440"));
                    return false;
                }
                o.tabelleMinuten = v;
            } else if (name == "schritt") {
                if (v < 1 || v > 60) {
                    fehler = falsch(QT_TRANSLATE_NOOP(
                        "heliowendler-calc", "'%1' ist fuer %2 keine Minutenzahl von 1 bis 60"));
                    return false;
                }
                o.schritt = v;
            } else {
                o.eingabe.*(def->ganz) = v;
            }
            break;
        }
        case Art::GanzeZahl:
            if (!detail::LeseGanzeZahl(wert, o.eingabe.*(def->zahl))) {
                fehler = falsch(QT_TRANSLATE_NOOP("heliowendler-calc",
                                                  "'%1' ist fuer %2 keine ganze Zahl (die Suchen "
                                                  "lesen die Geometrie ganzzahlig)"));
                return false;
            }
            break;
        case Art::Zahl: {
            double v = 0;
            if (!detail::LeseZahl(wert, v)) {
                fehler = falsch(QT_TRANSLATE_NOOP(
                    "heliowendler-calc", "'%1' ist fuer %2 keine Zahl (Dezimalpunkt verwenden)"));
                return false;
            }
            if (v < def->kleinster || v > def->groesster) {
                fehler = Text(QT_TRANSLATE_NOOP("heliowendler-calc",
                                                "'%1' liegt fuer %2 nicht zwischen %3 und %4"),
                              {wert, opt, std::to_string(static_cast<int>(def->kleinster)),
                               std::to_string(static_cast<int>(def->groesster))});
                return false;
            }
            o.eingabe.*(def->zahl) = v;
            break;
        }
        case Art::Text:
            if (!detail::LeseVariation(wert, o)) {
                fehler = Text(QT_TRANSLATE_NOOP("heliowendler-calc",
                                                "'%1' ist fuer %2 nicht NAME:VON:BIS:SCHRITT (NAME "
                                                "einer von %3; VON <= BIS, SCHRITT > 0 und gross "
                                                "genug, den Wert zu aendern, hoechstens 1001 "
                                                "Werte)"),
                              {wert, opt, Variationsnamen()});
                return false;
            }
            break;
        case Art::Schalter:
            break;
        }
    }
    return true;
}

} // namespace calc
