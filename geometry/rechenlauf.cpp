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

void SucheSonnenwendeAm(const RechenlaufEingabe& e, int tage, Suchstand& s, SuchZaehler* z) {
    const SuchGeometrie g = SuchGeometrieAus(e);
    s.wende.WendeStunde = e.WendeStunde;
    s.wende.WendeMinute = e.WendeMinute;
    s.wende.MorgenPos = e.MorgenPos;
    int jahr = e.Jahr, monat = e.Monat, tag = e.Tag;
    VersetzeTag(jahr, monat, tag, tage);
    s.wendeTag = tage;
    s.wendeSchritte = BerechneSonnenwende(g, jahr, monat, tag, e.Phi, e.Lam, s.wende, s.arbeit, z);
}

namespace {

// The solar day of an instant of e's date, in days from the date: the neighbouring one only
// while the sun is up (the only time the sign matters), so that the night keeps its date.
int TagDesAugenblicks(double mittag, double stunden, double hoehe) {
    return hoehe > 0 ? Sonnentag(mittag, stunden) : 0;
}

} // namespace

void SucheSonnenwende(const RechenlaufEingabe& e, Suchstand& s, SuchZaehler* z) {
    const double stunden = Augenblick(e);
    const double mittag = SonnenMittag(e.Jahr, e.Monat, e.Tag, e.Phi, e.Lam).stunden;
    int tage = Sonnentag(mittag, stunden);
    if (tage != 0) {
        double azimut, hoehe;
        SonnenPosition(e.Jahr, e.Monat, e.Tag, stunden, e.Phi, e.Lam, azimut, hoehe);
        if (z) ++z->sonnenPositionen;
        tage = TagDesAugenblicks(mittag, stunden, hoehe);
    }
    SucheSonnenwendeAm(e, tage, s, z);
}

Suchstand BerechneSuchen(const RechenlaufEingabe& e, SuchZaehler* z) {
    Suchstand s;
    SucheStopMax(e, s, z);
    SucheSonnenwende(e, s, z);
    return s;
}

KomplettEingabe KomplettAus(const RechenlaufEingabe& e, double hoehe, double stunden, int wende,
                            bool mittagNord) {
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
    k.mittagNord = mittagNord;
    return k;
}

RechenlaufErgebnis BerechneAugenblick(const RechenlaufEingabe& e, const Suchstand& s,
                                      double stunden, SuchZaehler* z) {
    RechenlaufErgebnis r;
    SonnenPosition(e.Jahr, e.Monat, e.Tag, stunden, e.Phi, e.Lam, r.Azimut, r.Hoehe);

    const KomplettErgebnis t = BerechneKomplett(KomplettAus(
        e, r.Hoehe, stunden - 24.0 * s.wendeTag, s.wende.WendeStunde, s.wende.MittagNord));
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

Tagessuchen::Tagessuchen(const RechenlaufEingabe& e)
    : e_(e), mittag_(SonnenMittag(e.Jahr, e.Monat, e.Tag, e.Phi, e.Lam).stunden) {
    SucheSonnenwendeAm(e_, 0, suche_[1]);
}

const Suchstand& Tagessuchen::Fuer(double stunden, double hoehe) {
    const int tage = TagDesAugenblicks(mittag_, stunden, hoehe);
    const std::size_t i = static_cast<std::size_t>(tage + 1);
    if (!gesucht_[i]) {
        // From the date's state, as the window would carry it into the neighbouring day.
        RechenlaufEingabe n = e_;
        n.WendeStunde = suche_[1].wende.WendeStunde;
        n.WendeMinute = suche_[1].wende.WendeMinute;
        n.MorgenPos = suche_[1].wende.MorgenPos;
        SucheSonnenwendeAm(n, tage, suche_[i]);
        gesucht_[i] = true;
    }
    return suche_[i];
}

RechenlaufErgebnis Tagessuchen::Augenblick(double stunden) {
    if (Sonnentag(mittag_, stunden) == 0) return BerechneAugenblick(e_, suche_[1], stunden);
    double azimut, hoehe;
    SonnenPosition(e_.Jahr, e_.Monat, e_.Tag, stunden, e_.Phi, e_.Lam, azimut, hoehe);
    return BerechneAugenblick(e_, Fuer(stunden, hoehe), stunden);
}
