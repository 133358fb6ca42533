// Runs the main window's whole calculation from the command line and prints its results as
// Name=value lines, or a CSV table over one UTC day. Numbers are printed in the C locale's
// format, so they always carry a point.
#include "basis/sprache.h"
#include "geometry/jahrescsv.h"
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"
#include "tools/calc_optionen.h"

#include <QCoreApplication>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void Zeile(const char* name, double wert) {
    std::printf("%s=%.17g\n", name, wert);
}

void DruckeErgebnis(const RechenlaufErgebnis& r) {
    Zeile("Azimut", r.Azimut);
    Zeile("Hoehe", r.Hoehe);
    Zeile("Schatten", r.Schatten);
    Zeile("SchattenErr", r.SchattenErr);
    Zeile("WinkelZurSonne", r.WinkelZurSonne);
    Zeile("TrackerPos", r.TrackerPos);
    Zeile("Verschattung", r.Verschattung);
    std::printf("WendeStunde=%d\nWendeMinute=%d\n", r.WendeStunde, r.WendeMinute);
    Zeile("MorgenPos", r.MorgenPos);
    Zeile("AWestMax", r.AWestMax);
    Zeile("AOstMax", r.AOstMax);
}

// The searches run once for the date, as the simulation run's driver finds the same
// Sonnenwende on every tick of one day: WendeStunde is the date's Sonnenwende for every row,
// and the sign flips at the first whole hour after it. Where the sun is up in a neighbouring
// solar day (daylight crossing 0:00 UTC), that day's search signs the row.
void DruckeTabelle(const RechenlaufEingabe& e, int schritt) {
    Tagessuchen suchen(e);
    std::printf("Zeit,Azimut,Hoehe,Schatten,WinkelZurSonne,TrackerPos,Verschattung\n");
    for (int m = 0; m < 24 * 60; m += schritt) {
        const int stunde = m / 60, minute = m % 60;
        const RechenlaufErgebnis r = suchen.Augenblick(stunde + minute / 60.0);
        std::printf("%02d:%02d,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\n", stunde, minute, r.Azimut,
                    r.Hoehe, r.Schatten, r.WinkelZurSonne, r.TrackerPos, r.Verschattung);
    }
}

// The month table and the year, three ways side by side; then the year's extremes.
void DruckeJahresstudie(const RechenlaufEingabe& e, int schritt) {
    std::fputs(jahrescsv::Jahresstudie(jahresstudie::Rechne(e, schritt), e.Jahr).c_str(), stdout);
}

// The yearly study for each value of one error input, on every core: the loss with
// backtracking, the beam on the unshaded part and the partly shaded hours. Values that cannot
// be formed are refused before anything runs (exit 2).
bool DruckeVariation(const calc::Optionen& o) {
    std::vector<double> werte;
    try {
        werte = jahresstudie::Werte(o.von, o.bis, o.weite);
    } catch (const std::invalid_argument&) {
    }
    if (werte.empty()) {
        std::fprintf(stderr, "heliowendler-calc: %s\n",
                     calc::Text(QT_TRANSLATE_NOOP("heliowendler-calc",
                                                  "die Werte von --variiere lassen sich nicht "
                                                  "bilden: hoechstens 1001, jeder Schritt muss "
                                                  "den Wert aendern"))
                         .c_str());
        return false;
    }
    const std::vector<jahresstudie::Summe> summen =
        jahresstudie::Variiere(o.eingabe, o.variiert, werte, o.schritt);
    std::fputs(jahrescsv::Variation(werte, summen).c_str(), stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Qt only for the translation of the help and the messages: English for an English
    // locale, as the windows. The numbers are printed by the C library, with a point.
    QCoreApplication app(argc, argv);
    // The application object takes the user's locale for the C library; the numbers keep
    // the point.
    std::setlocale(LC_NUMERIC, "C");
    sprache::Installiere(app, false);
    kommandozeile::Uebersetzung() = [](const char* kontext, const char* text) {
        return sprache::Text(kontext, text);
    };
    calc::Optionen o;
    std::string fehler;
    if (!calc::LeseOptionen(argc, argv, o, fehler)) {
        std::fprintf(
            stderr, "heliowendler-calc: %s\n%s\n", fehler.c_str(),
            calc::Text(QT_TRANSLATE_NOOP("heliowendler-calc", "(--help zeigt die Optionen)"))
                .c_str());
        return 2;
    }
    if (o.hilfe) {
        std::fputs(calc::Hilfetext().c_str(), stdout);
        return 0;
    }
    try {
        if (o.variiert) {
            if (!DruckeVariation(o)) return 2;
        } else if (o.jahresstudie)
            DruckeJahresstudie(o.eingabe, o.schritt);
        else if (o.tabelleMinuten > 0)
            DruckeTabelle(o.eingabe, o.tabelleMinuten);
        else
            DruckeErgebnis(Rechenlauf(o.eingabe));
    } catch (const std::exception& x) {
        std::fprintf(stderr, "heliowendler-calc: %s\n", x.what());
        return 2;
    }
    return 0;
}
