// Runs the main window's whole calculation from the command line and prints its results as
// Name=value lines, or a CSV table over one UTC day. Output stays in the C locale (no
// setlocale), so numbers always carry a point.
#include "geometry/rechenlauf.h"
#include "tools/calc_optionen.h"

#include <cstdio>
#include <exception>
#include <string>

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
// and the sign flips at the first whole hour after it.
void DruckeTabelle(const RechenlaufEingabe& e, int schritt) {
    const Suchstand s = BerechneSuchen(e);
    std::printf("Zeit,Azimut,Hoehe,Schatten,WinkelZurSonne,TrackerPos,Verschattung\n");
    for (int m = 0; m < 24 * 60; m += schritt) {
        const int stunde = m / 60, minute = m % 60;
        const RechenlaufErgebnis r = BerechneAugenblick(e, s, stunde + minute / 60.0);
        std::printf("%02d:%02d,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\n", stunde, minute, r.Azimut,
                    r.Hoehe, r.Schatten, r.WinkelZurSonne, r.TrackerPos, r.Verschattung);
    }
}

} // namespace

int main(int argc, char** argv) {
    calc::Optionen o;
    std::string fehler;
    if (!calc::LeseOptionen(argc, argv, o, fehler)) {
        std::fprintf(stderr, "heliowendler-calc: %s\n(--help zeigt die Optionen)\n",
                     fehler.c_str());
        return 2;
    }
    if (o.hilfe) {
        std::fputs(calc::Hilfetext(), stdout);
        return 0;
    }
    try {
        if (o.tabelleMinuten > 0)
            DruckeTabelle(o.eingabe, o.tabelleMinuten);
        else
            DruckeErgebnis(Rechenlauf(o.eingabe));
    } catch (const std::exception& x) {
        std::fprintf(stderr, "heliowendler-calc: %s\n", x.what());
        return 2;
    }
    return 0;
}
