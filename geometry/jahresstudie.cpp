#include "geometry/jahresstudie.h"

#include "geometry/sonnenposition.h"

#include <algorithm>
#include <cmath>

namespace jahresstudie {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double zuRad = (1.0 / 180) * pi;

// The overlap of the shadow past the next row's front foot, as the main window's Verschattung
// computes it, but at every instant (also where the correction is 0) and for any correction
// winkel; and the shaded share it gives. Geometry in cm and degrees as typed.
struct Profil {
    double d = 0, f = 0;
};
Profil Ueberlappung(const KomplettErgebnis& k, double winkel, double endlageErr, double H,
                    double Herr, double N, double Nerr, double A) {
    const bool mitFehler = k.SchattenErr > k.Schatten;
    const double schatten = mitFehler ? k.SchattenErr : k.Schatten;
    double v = std::sin((90 - std::fabs(endlageErr + winkel)) * zuRad) * schatten - 0.01 * A;
    Profil p;
    p.d = v < 0 ? 0 : v;
    // The module whose shadow was taken: its horizontal depth.
    const double c = mitFehler ? 0.01 * (H + Herr) * std::cos((N + Nerr) * zuRad)
                               : 0.01 * H * std::cos(N * zuRad);
    p.f = VerschatteterAnteil(p.d, 0.01 * A, c);
    return p;
}

void Addiere(Summe& s, double dni, double cosinus, double f, double stunden) {
    const double strahl = dni * std::max(0.0, cosinus) * stunden / 1000; // kWh/m^2
    s.strahlung += strahl;
    s.verschattet += strahl * f;
    if (f > 1e-9 && cosinus > 0) s.teilverschattet += stunden;
}

void Addiere(Summe& ziel, const Summe& s) {
    ziel.strahlung += s.strahlung;
    ziel.verschattet += s.verschattet;
    ziel.teilverschattet += s.teilverschattet;
}

} // namespace

double Luftmasse(double z) {
    return 1 / (std::cos(z * zuRad) + 0.50572 * std::pow(96.07995 - z, -1.6364));
}

double Direktstrahlung(double z) {
    if (!(z < 90)) return 0;
    return 1353 * std::pow(0.7, std::pow(Luftmasse(z), 0.678));
}

double Einfallskosinus(double sonneAzimut, double sonneHoehe, double modulAzimut,
                       double neigung) {
    const double e = sonneHoehe * zuRad, n = neigung * zuRad;
    return std::sin(e) * std::cos(n) +
           std::cos(e) * std::sin(n) * std::cos((sonneAzimut - modulAzimut) * zuRad);
}

double VerschatteterAnteil(double d, double a, double c) {
    if (!(d > 0)) return 0;
    const double f = d / (d + a + c);
    return std::clamp(f, 0.0, 1.0);
}

Augenblick Berechne(const RechenlaufEingabe& e, const Suchstand& s, double stunden) {
    Augenblick a;
    double azimut = 0, hoehe = 0;
    SonnenPosition(e.Jahr, e.Monat, e.Tag, stunden, e.Phi, e.Lam, azimut, hoehe);
    if (!(hoehe > 0)) return a;
    a.dni = Direktstrahlung(90 - hoehe);
    const double neigungErr = e.ModulN + e.ModulNErr;

    // With backtracking and the errors: the window's calculation.
    const KomplettErgebnis mit = BerechneKomplett(KomplettAus(e, hoehe, stunden, s.wende.WendeStunde));
    a.trackerPos = azimut + mit.WinkelZurSonne;
    const Profil pm = Ueberlappung(mit, mit.WinkelZurSonne, e.EndlageStartErr, e.ModulH,
                                   e.ModulHErr, e.ModulN, e.ModulNErr, e.ModulA);
    a.cosMit = Einfallskosinus(azimut, hoehe, a.trackerPos + e.EndlageStartErr, neigungErr);
    a.fMit = pm.f;

    // The same geometry without errors (the same calculation when there are none).
    const bool fehlerfrei = e.ModulHErr == 0 && e.ModulAErr == 0 && e.ModulNErr == 0 &&
                            e.EndlageStartErr == 0;
    KomplettErgebnis o = mit;
    if (!fehlerfrei) {
        KomplettEingabe k = KomplettAus(e, hoehe, stunden, s.wende.WendeStunde);
        k.ModulHErr = k.ModulAErr = k.NeigungErr = k.EndlageStartErr = 0;
        o = BerechneKomplett(k);
    }
    const Profil po = Ueberlappung(o, o.WinkelZurSonne, 0, e.ModulH, 0, e.ModulN, 0, e.ModulA);
    a.cosOhneF = Einfallskosinus(azimut, hoehe, azimut + o.WinkelZurSonne, e.ModulN);
    a.fOhneF = po.f;

    // Without backtracking: the tracker faces the sun, the errors as they are.
    const Profil pb = Ueberlappung(mit, 0, e.EndlageStartErr, e.ModulH, e.ModulHErr, e.ModulN,
                                   e.ModulNErr, e.ModulA);
    a.cosOhneB = Einfallskosinus(azimut, hoehe, azimut + e.EndlageStartErr, neigungErr);
    a.fOhneB = pb.f;
    return a;
}

Ergebnis Rechne(const RechenlaufEingabe& eingabe, int schritt, const std::atomic<bool>* abbruch,
                const std::function<void(int)>& fortschritt) {
    schritt = std::clamp(schritt, 1, 60);
    Ergebnis r;
    RechenlaufEingabe e = eingabe;
    e.Monat = 1;
    e.Tag = 1;
    Suchstand s;
    SucheStopMax(e, s);
    r.stop = s.stop;
    const double dt = schritt / 60.0;
    bool erstes = true;
    int tage = 0;
    for (int monat = 1; monat <= 12; ++monat) {
        Drei& m = r.monate[static_cast<std::size_t>(monat - 1)];
        for (int tag = 1; tag <= TageImMonat(e.Jahr, monat); ++tag) {
            if (abbruch && abbruch->load(std::memory_order_relaxed)) {
                r.abgebrochen = true;
                return r;
            }
            e.Monat = monat;
            e.Tag = tag;
            // The day's Sonnenwende, carried from the day before as the window carries it.
            SucheSonnenwende(e, s);
            e.WendeStunde = s.wende.WendeStunde;
            e.WendeMinute = s.wende.WendeMinute;
            e.MorgenPos = s.wende.MorgenPos;
            bool sonneVorher = false;
            double posVorher = 0;
            for (int minute = 0; minute < 24 * 60; minute += schritt) {
                const double stunden = minute / 60.0;
                const Augenblick a = Berechne(e, s, stunden);
                if (a.dni <= 0) {
                    sonneVorher = false;
                    continue;
                }
                ++r.augenblicke;
                Addiere(m.mitBacktracking, a.dni, a.cosMit, a.fMit, dt);
                Addiere(m.ohneFehler, a.dni, a.cosOhneF, a.fOhneF, dt);
                Addiere(m.ohneBacktracking, a.dni, a.cosOhneB, a.fOhneB, dt);
                if (erstes || a.trackerPos > r.groesste.position)
                    r.groesste = {a.trackerPos, monat, tag, stunden};
                if (erstes || a.trackerPos < r.kleinste.position)
                    r.kleinste = {a.trackerPos, monat, tag, stunden};
                erstes = false;
                if (sonneVorher) r.weg += std::fabs(a.trackerPos - posVorher);
                posVorher = a.trackerPos;
                sonneVorher = true;
            }
            ++tage;
            if (fortschritt) fortschritt(tage);
        }
        Addiere(r.jahr.mitBacktracking, m.mitBacktracking);
        Addiere(r.jahr.ohneFehler, m.ohneFehler);
        Addiere(r.jahr.ohneBacktracking, m.ohneBacktracking);
    }
    return r;
}

Tag BerechneTag(const RechenlaufEingabe& eingabe, int schritt, bool anschlaege) {
    schritt = std::clamp(schritt, 1, 60);
    Tag t;
    Suchstand s;
    SucheSonnenwende(eingabe, s);
    t.wendeStunde = s.wende.WendeStunde;
    t.wendeMinute = s.wende.WendeMinute;
    for (int minute = 0; minute < 24 * 60; minute += schritt) {
        const double stunden = minute / 60.0;
        const RechenlaufErgebnis r = BerechneAugenblick(eingabe, s, stunden);
        double p = r.TrackerPos;
        if (r.Hoehe < 0) {
            p = s.wende.MorgenPos;
        } else {
            if (t.aufgang < 0) t.aufgang = stunden;
            t.untergang = stunden;
            if (anschlaege) p = std::clamp(p, eingabe.EndlageStart, std::max(eingabe.EndlageStart, eingabe.EndlageStop));
        }
        t.stunden.push_back(stunden);
        t.hoehe.push_back(r.Hoehe);
        t.azimut.push_back(r.Azimut);
        t.position.push_back(p);
        t.trackerPos.push_back(r.TrackerPos);
        t.winkel.push_back(r.WinkelZurSonne);
        t.schatten.push_back(r.Schatten);
        t.verschattung.push_back(r.Verschattung);
    }
    return t;
}

} // namespace jahresstudie
