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
double VorzeichenKomplett(double korrektur, bool immerOst, double stunden, int WendeStunde,
                          bool mittagNord) {
    // trunc on the double: no conversion to int that could overflow for odd hours.
    const bool nachWende = std::trunc(stunden) > WendeStunde;
    return ((immerOst || nachWende != mittagNord) && korrektur != 0) ? -korrektur : korrektur;
}

double VorzeichenSuche(double korrektur, int stunde, int WendeStunde, bool mittagNord) {
    return ((stunde > WendeStunde) != mittagNord && korrektur != 0) ? -korrektur : korrektur;
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
    r.WinkelZurSonne =
        VorzeichenKomplett(korrektur, e.immerOst, e.stunden, e.WendeStunde, e.mittagNord);

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

void VorigerTag(int& jahr, int& monat, int& tag) {
    // A day past the month's end (an odd edit) steps back within its month first.
    if (tag > 1) {
        --tag;
        return;
    }
    if (monat > 1) {
        --monat;
    } else {
        monat = 12;
        if (jahr > std::numeric_limits<int>::min()) --jahr;
    }
    tag = TageImMonat(jahr, monat);
}

// A quarter hour q counted from 0:00 UTC of a date (negative before it) as the date, whole
// hour and minute the search evaluates; hour + minute / 60 is the instant, as the UTC day
// search has always formed it.
struct Viertelstunde {
    int jahr, monat, tag, stunde;
    double minute;
};
Viertelstunde ViertelstundeAus(int jahr, int monat, int tag, long long q) {
    long long tage = q >= 0 ? q / 96 : -((-q + 95) / 96);
    const long long rest = q - tage * 96;
    Viertelstunde v{jahr, monat, tag, static_cast<int>(rest / 4),
                    15.0 * static_cast<int>(rest % 4)};
    for (; tage > 0; --tage)
        NaechsterTag(v.jahr, v.monat, v.tag);
    for (; tage < 0; ++tage)
        VorigerTag(v.jahr, v.monat, v.tag);
    return v;
}

// Whole hours of a quarter hour count, toward negative infinity, and its minutes.
int StundeDerViertelstunde(long long q) {
    return static_cast<int>(q >= 0 ? q / 4 : -((-q + 3) / 4));
}
int MinuteDerViertelstunde(long long q) {
    return static_cast<int>(((q % 4) + 4) % 4) * 15;
}

} // namespace

void VersetzeTag(int& jahr, int& monat, int& tag, int tage) {
    for (; tage > 0; --tage)
        NaechsterTag(jahr, monat, tag);
    for (; tage < 0; ++tage)
        VorigerTag(jahr, monat, tag);
}

int Sonnentag(double mittagStunden, double stunden) {
    const double abstand = stunden - mittagStunden;
    if (abstand >= 12) return 1;
    if (abstand < -12) return -1;
    return 0;
}

double AufDemWeg(double p, double vorher) {
    const double k = std::round((vorher - p) / 360);
    return k == 0 ? p : p + 360 * k;
}

double WegBeginn(double p, double breite) {
    if (breite >= 0) return p;
    return p - 360 * std::floor((p + 180) / 360);
}

int BerechneSonnenwende(const SuchGeometrie& g, int jahr, int monat, int tag, double phi,
                        double lam, Sonnenwende& w, Arbeitswerte& a, SuchZaehler* z) {
    SetzeGeometrie(g, a);
    const Mittag mittag = SonnenMittag(jahr, monat, tag, phi, lam);
    w.MittagNord = mittag.nord;
    // One step at quarter hour q of the date: sun, tracker rule, the search's sign with the
    // given whole hour.
    const auto schritt = [&](long long q, int stunde) {
        const Viertelstunde v = ViertelstundeAus(jahr, monat, tag, q);
        SonnenPosition(v.jahr, v.monat, v.tag, v.stunde + v.minute / 60, phi, lam, a.Azimut,
                       a.Hoehe);
        const TrackerRegel r = BerechneTracker(g.ModulA, g.ModulH, g.ModulN, g.ModulL, a.Hoehe);
        a.Schatten = r.Schatten;
        a.WinkelZurSonne = VorzeichenSuche(r.Korrektur, stunde, w.WendeStunde, w.MittagNord);
        if (z) {
            ++z->sonnenPositionen;
            ++z->trackerRegeln;
        }
    };

    // From 01:15 UTC with no elevation before it, as long as the day's sunrise comes after
    // that (the sun is down at 01:15 and the noon still ahead): the whole daylight lies in the
    // date's UTC day, and so do the steps. A search that runs on past the day (polar night)
    // names the hour of the day it ends in.
    constexpr long long ab = 5; // 01:15
    const auto uhrStunde = [](long long q) { return static_cast<int>((q / 4) % 24); };
    schritt(ab, uhrStunde(ab));
    if (!(a.Hoehe > 0) && mittag.stunden > ab / 4.0) {
        double prev = a.Hoehe;
        for (int n = 2; n <= 360; ++n) {
            const long long q = ab + n - 1;
            schritt(q, uhrStunde(q));
            if (prev < 0 && a.Hoehe > 0) {
                w.MorgenPos = a.Azimut + a.WinkelZurSonne;
            } else if (a.Hoehe > 0 && a.Hoehe < prev) {
                w.WendeStunde = uhrStunde(q);
                w.WendeMinute = MinuteDerViertelstunde(q);
                return n;
            }
            prev = a.Hoehe;
        }
        return 360;
    }

    // The daylight began before 01:15 UTC or the noon lies before it: from the quarter hour
    // after the solar midnight before the noon, so that its sunrise is seen, with the
    // elevation of the quarter hour before as the first one to compare with.
    const long long beginn = static_cast<long long>(std::floor((mittag.stunden - 12) * 4)) + 1;
    schritt(beginn - 1, StundeDerViertelstunde(beginn - 1));
    double prev = a.Hoehe;
    bool gestiegen = false; // a fall counts only after the sun has risen since the midnight
    for (int n = 1; n <= 360; ++n) {
        const long long q = beginn + n - 1;
        schritt(q, StundeDerViertelstunde(q));
        if (prev < 0 && a.Hoehe > 0) {
            w.MorgenPos = a.Azimut + a.WinkelZurSonne;
        } else if (gestiegen && a.Hoehe > 0 && a.Hoehe < prev) {
            int stunde = StundeDerViertelstunde(q);
            if (q / 4.0 > mittag.stunden + 12) stunde = ((stunde % 24) + 24) % 24;
            w.WendeStunde = stunde;
            w.WendeMinute = MinuteDerViertelstunde(q);
            return n;
        }
        if (a.Hoehe > prev) gestiegen = true;
        prev = a.Hoehe;
    }
    return 360;
}

StopMax BerechneStopMax(const SuchGeometrie& g, int jahr, double phi, double lam, bool immerOst,
                        int WendeStunde, Arbeitswerte& a, SuchZaehler* z) {
    SetzeGeometrie(g, a);
    const bool sueden = phi < 0;
    struct Extrem {
        double max, min;
    };
    // A day without sun keeps values that any real position beats: north of the equator
    // 0 and 359 as always, mirrored south of it.
    const Extrem leer = sueden ? Extrem{-359.0, 0.0} : Extrem{0.0, 359.0};
    auto tag21 = [&](int monat) {
        Extrem x = leer;
        const Mittag mittag = SonnenMittag(jahr, monat, 21, phi, lam);
        bool weg = false;
        double vorher = 0;
        // The solar day around the noon of the 21st: the instants of the UTC days before and
        // after that fall within 12 hours of it, on the same 3-minute clock.
        for (int versatz = -1; versatz <= 1; ++versatz) {
            int j = jahr, m = monat, t = 21;
            VersetzeTag(j, m, t, versatz);
            // Accumulated as 3-minute steps; the sum's rounding decides the whole hour at
            // 3:00 ... 9:00, where it lies a hair below the hour.
            for (double u = 0.0; u < 24.0; u += 0.05) {
                const double stunden = versatz == 0 ? u : u + 24 * versatz;
                if (Sonnentag(mittag.stunden, stunden) != 0) continue;
                SonnenPosition(j, m, t, u, phi, lam, a.Azimut, a.Hoehe);
                if (z) ++z->sonnenPositionen;
                if (!(a.Hoehe > 0)) continue;
                const TrackerRegel r =
                    BerechneTracker(g.ModulA, g.ModulH, g.ModulN, g.ModulL, a.Hoehe);
                if (z) ++z->trackerRegeln;
                a.Schatten = r.Schatten;
                a.WinkelZurSonne =
                    VorzeichenKomplett(r.Korrektur, immerOst, stunden, WendeStunde, mittag.nord);
                double p = a.Azimut + a.WinkelZurSonne;
                p = weg ? AufDemWeg(p, vorher) : WegBeginn(p, phi);
                weg = true;
                vorher = p;
                if (p > x.max) x.max = p;
                if (p < x.min) x.min = p;
            }
        }
        return x;
    };
    const Extrem juni = tag21(6);
    const Extrem dezember = tag21(12);
    const double groesste = dezember.max > juni.max ? dezember.max : juni.max;
    const double kleinste = dezember.min < juni.min ? dezember.min : juni.min;
    StopMax s;
    s.West = sueden ? kleinste : groesste;
    s.Ost = sueden ? groesste : kleinste;
    return s;
}
