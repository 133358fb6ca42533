// Runs the main window's whole calculation from the command line and prints its results as
// Name=value lines, or a CSV table over one UTC day. Numbers are printed in the C locale's
// format, so they always carry a point.
#include "basis/sprache.h"
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"
#include "tools/calc_optionen.h"

#include <QCoreApplication>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <exception>
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

void DruckeSumme(const jahresstudie::Summe& s) {
    std::printf(",%.6f,%.6f,%.6f,%.4f", s.strahlung, s.VerlustProzent(), s.Unverschattet(),
                s.teilverschattet);
}

// The month table and the year, three ways side by side; then the year's extremes.
void DruckeJahresstudie(const RechenlaufEingabe& e, int schritt) {
    const jahresstudie::Ergebnis r = jahresstudie::Rechne(e, schritt);
    std::printf("Monat");
    for (const char* art : {"Mit", "OhneFehler", "OhneBacktracking"})
        std::printf(",%sStrahlung_kWh_m2,%sVerlust_Prozent,%sUnverschattet_kWh_m2,"
                    "%sTeilverschattet_h",
                    art, art, art, art);
    std::printf("\n");
    const auto zeile = [](const char* name, const jahresstudie::Drei& d) {
        std::printf("%s", name);
        DruckeSumme(d.mitBacktracking);
        DruckeSumme(d.ohneFehler);
        DruckeSumme(d.ohneBacktracking);
        std::printf("\n");
    };
    for (int m = 0; m < 12; ++m)
        zeile(std::to_string(m + 1).c_str(), r.monate[static_cast<std::size_t>(m)]);
    zeile("Jahr", r.jahr);
    const auto extrem = [&](const char* name, const jahresstudie::Extrem& x) {
        const int minuten = static_cast<int>(std::lround(x.stunden * 60));
        std::printf("%s=%.6f\n%sDatum=%04d-%02d-%02dT%02d:%02d\n", name, x.position, name, e.Jahr,
                    x.monat, x.tag, minuten / 60, minuten % 60);
    };
    std::printf("\n");
    extrem("GroesstePosition", r.groesste);
    extrem("KleinstePosition", r.kleinste);
    std::printf("AWestMax=%.6f\nAOstMax=%.6f\nWegImJahr=%.3f\n", r.stop.West, r.stop.Ost, r.weg);
}

// The yearly study for each value of one error input, on every core: the loss with
// backtracking, the beam on the unshaded part and the partly shaded hours.
void DruckeVariation(const calc::Optionen& o) {
    const std::vector<double> werte = jahresstudie::Werte(o.von, o.bis, o.weite);
    const std::vector<jahresstudie::Summe> ergebnis =
        jahresstudie::Variiere(o.eingabe, o.variiert, werte, o.schritt);
    std::printf("Wert,Strahlung_kWh_m2,Verlust_Prozent,Unverschattet_kWh_m2,Teilverschattet_h\n");
    for (std::size_t i = 0; i < werte.size(); ++i) {
        std::printf("%.6g", werte[i]);
        DruckeSumme(ergebnis[i]);
        std::printf("\n");
    }
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
    calc::Uebersetze = [](const char* text) {
        return QCoreApplication::translate("heliowendler-calc", text).toStdString();
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
        if (o.variiert)
            DruckeVariation(o);
        else if (o.jahresstudie)
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
