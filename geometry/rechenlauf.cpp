#include "geometry/rechenlauf.h"

#include "geometry/sonnenposition.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

int Ganzzahl(double wert, const char* feld) {
    if (!(std::trunc(wert) == wert) || wert < std::numeric_limits<int>::min() ||
        wert > std::numeric_limits<int>::max())
        throw std::invalid_argument(std::string(feld) + " ist keine ganze Zahl");
    return static_cast<int>(wert);
}

} // namespace

SuchGeometrie SuchGeometrieAus(const RechenlaufEingabe& e) {
    SuchGeometrie g;
    g.ModulL = Ganzzahl(e.ModulL, "ModulL");
    g.ModulH = Ganzzahl(e.ModulH, "ModulH");
    g.ModulA = Ganzzahl(e.ModulA, "ModulA");
    g.ModulN = Ganzzahl(e.ModulN, "ModulN");
    return g;
}

void SucheStopMax(const RechenlaufEingabe& e, Suchstand& s, SuchZaehler* z) {
    s.stop = BerechneStopMax(SuchGeometrieAus(e), e.Jahr, e.Phi, e.Lam, e.OstTracken, e.WendeStunde,
                             s.arbeit, z);
}

void SucheSonnenwende(const RechenlaufEingabe& e, Suchstand& s, SuchZaehler* z) {
    const SuchGeometrie g = SuchGeometrieAus(e);
    s.wende.WendeStunde = e.WendeStunde;
    s.wende.WendeMinute = e.WendeMinute;
    s.wende.MorgenPos = e.MorgenPos;
    s.wendeSchritte =
        BerechneSonnenwende(g, e.Jahr, e.Monat, e.Tag, e.Phi, e.Lam, s.wende, s.arbeit, z);
}

Suchstand BerechneSuchen(const RechenlaufEingabe& e, SuchZaehler* z) {
    Suchstand s;
    SucheStopMax(e, s, z);
    SucheSonnenwende(e, s, z);
    return s;
}

KomplettEingabe KomplettAus(const RechenlaufEingabe& e, double hoehe, double stunden, int wende) {
    KomplettEingabe k;
    k.ModulL = e.ModulL;
    k.ModulH = e.ModulH;
    k.ModulHErr = e.ModulHErr;
    k.ModulA = e.ModulA;
    k.ModulAErr = e.ModulAErr;
    k.Neigung = e.ModulN;
    k.NeigungErr = e.ModulNErr;
    k.Hoehe = hoehe;
    k.EndlageStartErr = e.EndlageStartErr;
    k.immerOst = e.OstTracken;
    k.stunden = stunden;
    k.WendeStunde = wende;
    return k;
}

RechenlaufErgebnis BerechneAugenblick(const RechenlaufEingabe& e, const Suchstand& s,
                                      double stunden, SuchZaehler* z) {
    RechenlaufErgebnis r;
    SonnenPosition(e.Jahr, e.Monat, e.Tag, stunden, e.Phi, e.Lam, r.Azimut, r.Hoehe);

    const KomplettErgebnis t = BerechneKomplett(KomplettAus(e, r.Hoehe, stunden, s.wende.WendeStunde));
    if (z) {
        ++z->sonnenPositionen;
        ++z->trackerRegeln;
    }

    r.ModulNRad = t.ModulNRad;
    r.ModulHEff = t.ModulHEff;
    r.Schatten = t.Schatten;
    r.ModulNErrRad = t.ModulNErrRad;
    r.ModulHEffErr = t.ModulHEffErr;
    r.SchattenErr = t.SchattenErr;
    r.WinkelZurSonne = t.WinkelZurSonne;
    r.TrackerPos = r.Azimut + r.WinkelZurSonne;
    r.Verschattung = t.Verschattung;
    r.WendeStunde = s.wende.WendeStunde;
    r.WendeMinute = s.wende.WendeMinute;
    r.MorgenPos = s.wende.MorgenPos;
    r.AWestMax = s.stop.West;
    r.AOstMax = s.stop.Ost;
    r.wendeSchritte = s.wendeSchritte;
    return r;
}

RechenlaufErgebnis Rechenlauf(const RechenlaufEingabe& e) {
    SuchZaehler z;
    const Suchstand s = BerechneSuchen(e, &z);
    RechenlaufErgebnis r = BerechneAugenblick(e, s, Augenblick(e), &z);
    r.zaehler = z;
    return r;
}
