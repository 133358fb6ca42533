#include "geometry/tracker.h"

#include "geometry/sonnenposition.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

using std::numbers::pi;
constexpr double zuRad = (1.0 / 180) * pi;
constexpr double zuGrad = 180 / pi;

// Tilt, effective height and shadow of one geometry. The shadow is the ground length behind a
// module; a sun below the horizon casts none, whatever the signs of the geometry. A sun
// exactly on the horizon (or so low that the length overflows) casts one without end: it is
// flagged as endless and stored as 0, because no finite length describes it and the scene
// draws nothing for 0. The tilt and height depend on the geometry alone; a run over many
// instants forms them once (Neigung), the shadow takes the tangent of the elevation formed
// once per instant.
struct Schattenwurf {
    double NRad = 0, HEff = 0, Schatten = 0;
    bool endlos = false;
};

Schattenwurf Neigung(double H, double N) {
    Schattenwurf s;
    s.NRad = N * zuRad;
    s.HEff = std::sin(s.NRad) * H * 0.01;
    return s;
}

Schattenwurf BerechneSchatten(Schattenwurf s, double hoehe, double tanHoehe) {
    if (!(hoehe >= 0) || s.HEff <= 0) return s; // no sun above the ground or no height
    const double laenge = s.HEff / tanHoehe;
    if (!std::isfinite(laenge)) {
        s.endlos = true;
        return s;
    }
    if (laenge > 0) s.Schatten = laenge;
    return s;
}

// Unsigned correction for a shadow s over the gap A. Only a real shadow asks for a
// correction: without one (sun down, no tilt) the gap cannot be overshot, even when an
// installation error makes the distance negative.
double Korrektur(const Schattenwurf& s, double A, double G, double tanHoehe) {
    const bool ueberGap = s.endlos || (s.Schatten > 0 && 0.01 * A < s.Schatten);
    if (!ueberGap) return 0;
    // HEff > 0 here, so no 0/0; an overflow is clamped. On the horizon tan(0) makes q 0
    // and the cap applies.
    double q = tanHoehe * 0.01 * A / s.HEff;
    if (q > 1) q = 1;
    if (q < -1) q = -1;
    double w = std::asin(q) * zuGrad;
    if (w < G) w = G;
    return 90 - w;
}

} // namespace

double Grenzwinkel(double A, double L) {
    // Zero width: the limit of atan(A / L); a row without width needs no turn away.
    const double breite = 0.01 * L;
    if (breite == 0) return 90;
    return std::atan(0.01 * A / breite) * zuGrad;
}

TrackerRegel BerechneTracker(double A, double H, double N, double L, double hoehe) {
    const double tanHoehe = std::tan(hoehe * zuRad);
    const Schattenwurf s = BerechneSchatten(Neigung(H, N), hoehe, tanHoehe);
    TrackerRegel r;
    r.NRad = s.NRad;
    r.HEff = s.HEff;
    r.Schatten = s.Schatten;
    r.Grenzwinkel = Grenzwinkel(A, L);
    r.Korrektur = Korrektur(s, A, r.Grenzwinkel, tanHoehe);
    return r;
}

// A correction of 0 stays +0 so that no "-0" reaches a label or a printout.
double VorzeichenKomplett(double korrektur, bool immerOst, double stunden, int WendeStunde) {
    // trunc on the double: no conversion to int that could overflow for odd hours.
    const bool nachWende = std::trunc(stunden) > WendeStunde;
    return ((immerOst || nachWende) && korrektur != 0) ? -korrektur : korrektur;
}

double VorzeichenSuche(double korrektur, int stunde, int WendeStunde) {
    return (stunde > WendeStunde && korrektur != 0) ? -korrektur : korrektur;
}

KomplettGeometrie KomplettGeometrieAus(const KomplettEingabe& e) {
    KomplettGeometrie g;
    const Schattenwurf err = Neigung(e.ModulH + e.ModulHErr, e.Neigung + e.NeigungErr);
    g.NErrRad = err.NRad;
    g.HEffErr = err.HEff;
    const Schattenwurf nenn = Neigung(e.ModulH, e.Neigung);
    g.NRad = nenn.NRad;
    g.HEff = nenn.HEff;
    g.AErr = e.ModulA + e.ModulAErr;
    g.GrenzwinkelErr = Grenzwinkel(g.AErr, e.ModulL);
    return g;
}

KomplettErgebnis BerechneKomplett(const KomplettGeometrie& g, const KomplettEingabe& e,
                                  double tanHoehe) {
    KomplettErgebnis r;
    Schattenwurf geneigt;
    geneigt.NRad = g.NErrRad;
    geneigt.HEff = g.HEffErr;
    const Schattenwurf err = BerechneSchatten(geneigt, e.Hoehe, tanHoehe);
    r.ModulNErrRad = err.NRad;
    r.ModulHEffErr = err.HEff;
    r.SchattenErr = err.Schatten;

    geneigt.NRad = g.NRad;
    geneigt.HEff = g.HEff;
    const Schattenwurf nenn = BerechneSchatten(geneigt, e.Hoehe, tanHoehe);
    r.ModulNRad = nenn.NRad;
    r.ModulHEff = nenn.HEff;
    r.Schatten = nenn.Schatten;

    const double korrektur = Korrektur(err, g.AErr, g.GrenzwinkelErr, tanHoehe);
    r.WinkelZurSonne = VorzeichenKomplett(korrektur, e.immerOst, e.stunden, e.WendeStunde);

    // How far the shadow, measured across the rows, still reaches past the nominal gap with
    // the tracker at its corrected position plus the east-stop error.
    if (r.WinkelZurSonne != 0) {
        double v = std::fabs(e.EndlageStartErr + r.WinkelZurSonne);
        v = (90 - v) * zuRad;
        v = std::sin(v) * (r.SchattenErr > r.Schatten ? r.SchattenErr : r.Schatten);
        v = v - 0.01 * e.ModulA;
        r.Verschattung = v < 0 ? 0 : v;
    }
    return r;
}

KomplettErgebnis BerechneKomplett(const KomplettEingabe& e) {
    return BerechneKomplett(KomplettGeometrieAus(e), e, std::tan(e.Hoehe * zuRad));
}

int TageImMonat(int jahr, int monat) {
    static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // A month outside 1..12 only reaches here from an odd edit; 31 lets the day run on.
    if (monat < 1 || monat > 12) return 31;
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return (monat == 2 && schalt) ? 29 : tage[monat - 1];
}

namespace {

void SetzeGeometrie(const SuchGeometrie& g, Arbeitswerte& a) {
    a.ModulNRad = g.ModulN * zuRad;
    a.ModulHEff = std::sin(a.ModulNRad) * g.ModulH * 0.01;
}

// One day forward; written as comparisons before the increment so that no field overflows.
void NaechsterTag(int& jahr, int& monat, int& tag) {
    if (tag < TageImMonat(jahr, monat)) {
        ++tag;
        return;
    }
    tag = 1;
    if (monat < 12) {
        ++monat;
        return;
    }
    monat = 1;
    if (jahr < std::numeric_limits<int>::max()) ++jahr;
}

} // namespace

int BerechneSonnenwende(const SuchGeometrie& g, int jahr, int monat, int tag, double phi,
                        double lam, Sonnenwende& w, Arbeitswerte& a, SuchZaehler* z) {
    SetzeGeometrie(g, a);
    double prev = 0.0;
    int stunde = 1;
    double minute = 0; // a decimal number, as the quarter hours are counted
    for (int schritt = 1; schritt <= 360; ++schritt) {
        minute = minute + 15;
        if (minute > 59) {
            minute = 0;
            stunde = stunde + 1;
            if (stunde >= 24) {
                stunde = 0;
                NaechsterTag(jahr, monat, tag);
            }
        }
        SonnenPosition(jahr, monat, tag, stunde + minute / 60, phi, lam, a.Azimut, a.Hoehe);
        const TrackerRegel r = BerechneTracker(g.ModulA, g.ModulH, g.ModulN, g.ModulL, a.Hoehe);
        a.Schatten = r.Schatten;
        a.WinkelZurSonne = VorzeichenSuche(r.Korrektur, stunde, w.WendeStunde);
        if (z) {
            ++z->sonnenPositionen;
            ++z->trackerRegeln;
        }
        if (prev < 0 && a.Hoehe > 0) {
            w.MorgenPos = a.Azimut + a.WinkelZurSonne;
        } else if (a.Hoehe > 0 && a.Hoehe < prev) {
            w.WendeStunde = stunde;
            w.WendeMinute = static_cast<int>(minute);
            return schritt;
        }
        prev = a.Hoehe;
    }
    return 360;
}

StopMax BerechneStopMax(const SuchGeometrie& g, int jahr, double phi, double lam, bool immerOst,
                        int WendeStunde, Arbeitswerte& a, SuchZaehler* z) {
    SetzeGeometrie(g, a);
    struct Extrem {
        double max = 0.0, min = 359.0;
    };
    auto tag21 = [&](int monat) {
        Extrem x;
        // Accumulated as 3-minute steps; the sum's rounding decides the whole hour at
        // 3:00 ... 9:00, where it lies a hair below the hour.
        for (double t = 0.0; t < 24.0; t += 0.05) {
            SonnenPosition(jahr, monat, 21, t, phi, lam, a.Azimut, a.Hoehe);
            if (z) ++z->sonnenPositionen;
            if (!(a.Hoehe > 0)) continue;
            const TrackerRegel r = BerechneTracker(g.ModulA, g.ModulH, g.ModulN, g.ModulL, a.Hoehe);
            if (z) ++z->trackerRegeln;
            a.Schatten = r.Schatten;
            a.WinkelZurSonne = VorzeichenKomplett(r.Korrektur, immerOst, t, WendeStunde);
            const double p = a.Azimut + a.WinkelZurSonne;
            if (p > x.max) x.max = p;
            if (p < x.min) x.min = p;
        }
        return x;
    };
    const Extrem juni = tag21(6);
    const Extrem dezember = tag21(12);
    StopMax s;
    s.West = dezember.max > juni.max ? dezember.max : juni.max;
    s.Ost = dezember.min < juni.min ? dezember.min : juni.min;
    return s;
}
