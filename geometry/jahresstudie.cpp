#include "geometry/jahresstudie.h"

#include "geometry/sonnenposition.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace jahresstudie {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double zuRad = (1.0 / 180) * pi;
const double lnSieben = std::log(0.7);

double LuftmasseAus(double z, double cosZ) {
    return 1 / (cosZ + 0.50572 * std::pow(96.07995 - z, -1.6364));
}

// 0.7^x as e^(x ln 0.7): the same to rounding, and a third of the cost of a power.
double DirektstrahlungAus(double z, double cosZ) {
    if (!(z < 90)) return 0;
    return 1353 * std::exp(lnSieben * std::pow(LuftmasseAus(z, cosZ), 0.678));
}

// cos of the angle of incidence from the sun's elevation (sine, cosine), the module's tilt
// (sine, cosine) and the cosine of the azimuth between the sun and the module's facing.
double Einfall(double sinE, double cosE, double sinN, double cosN, double cosAzimut) {
    return sinE * cosN + cosE * sinN * cosAzimut;
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

// One run's fixed part (the geometry with and without the errors, the tilts' sines and
// cosines, the modules' horizontal depths), and the three ways at an instant.
class Lauf {
public:
    explicit Lauf(const RechenlaufEingabe& e)
        : e_(e), mit_(KomplettAus(e, 0, 0, 12)),
          fehlerfrei_(e.ModulHErr == 0 && e.ModulAErr == 0 && e.ModulNErr == 0 &&
                      e.EndlageStartErr == 0) {
        ohne_ = mit_;
        ohne_.ModulHErr = ohne_.ModulAErr = ohne_.NeigungErr = ohne_.EndlageStartErr = 0;
        gMit_ = KomplettGeometrieAus(mit_);
        gOhne_ = KomplettGeometrieAus(ohne_);
        const double nErr = (e.ModulN + e.ModulNErr) * zuRad, n = e.ModulN * zuRad;
        sinNErr_ = std::sin(nErr);
        cosNErr_ = std::cos(nErr);
        sinN_ = std::sin(n);
        cosN_ = std::cos(n);
        cErr_ = 0.01 * (e.ModulH + e.ModulHErr) * cosNErr_;
        c_ = 0.01 * e.ModulH * cosN_;
        cosStopErr_ = std::cos(e.EndlageStartErr * zuRad);
    }

    Augenblick Rechne(const Sonnenstand& sonne, double stunden, int wende) {
        Augenblick a;
        if (!(sonne.hoehe > 0)) return a;
        a.dni = DirektstrahlungAus(90 - sonne.hoehe, sonne.sinHoehe);
        const double tanHoehe = std::tan(sonne.hoehe * zuRad);

        // With backtracking and the errors: the window's calculation.
        for (KomplettEingabe* k : {&mit_, &ohne_}) {
            k->Hoehe = sonne.hoehe;
            k->stunden = stunden;
            k->WendeStunde = wende;
        }
        const KomplettErgebnis mit = BerechneKomplett(gMit_, mit_, tanHoehe);
        a.trackerPos = sonne.azimut + mit.WinkelZurSonne;
        // The module faces where the tracker really stands: the sun's azimuth turned by the
        // correction and the east-stop error.
        const double cosMit = std::cos((mit.WinkelZurSonne + e_.EndlageStartErr) * zuRad);
        a.cosMit = Einfall(sonne.sinHoehe, sonne.cosHoehe, sinNErr_, cosNErr_, cosMit);
        a.fMit = Anteil(mit, cosMit);

        // The same geometry without errors (the same calculation when there are none).
        if (fehlerfrei_) {
            a.cosOhneF = a.cosMit;
            a.fOhneF = a.fMit;
        } else {
            const KomplettErgebnis o = BerechneKomplett(gOhne_, ohne_, tanHoehe);
            const double cosOhne = std::cos(o.WinkelZurSonne * zuRad);
            a.cosOhneF = Einfall(sonne.sinHoehe, sonne.cosHoehe, sinN_, cosN_, cosOhne);
            a.fOhneF = Anteil(o, cosOhne);
        }

        // Without backtracking: the tracker faces the sun, the errors as they are.
        a.cosOhneB = Einfall(sonne.sinHoehe, sonne.cosHoehe, sinNErr_, cosNErr_, cosStopErr_);
        a.fOhneB = Anteil(mit, cosStopErr_);
        return a;
    }

private:
    // The overlap of the shadow past the next row's front foot, as the main window's
    // Verschattung computes it (sin(90 - |angle|) written as the cosine of the angle between
    // the module's facing and the sun), but at every instant, also where the correction is 0;
    // and the shaded share it gives.
    double Anteil(const KomplettErgebnis& k, double cosWinkel) const {
        const bool mitFehler = k.SchattenErr > k.Schatten;
        const double v = cosWinkel * (mitFehler ? k.SchattenErr : k.Schatten) - 0.01 * e_.ModulA;
        // The module whose shadow was taken: its horizontal depth.
        return VerschatteterAnteil(v < 0 ? 0 : v, 0.01 * e_.ModulA, mitFehler ? cErr_ : c_);
    }

    RechenlaufEingabe e_;
    KomplettEingabe mit_, ohne_;
    KomplettGeometrie gMit_, gOhne_;
    bool fehlerfrei_;
    double sinNErr_ = 0, cosNErr_ = 1, sinN_ = 0, cosN_ = 1, cErr_ = 0, c_ = 0, cosStopErr_ = 1;
};

} // namespace

double Luftmasse(double z) {
    return LuftmasseAus(z, std::cos(z * zuRad));
}

double Direktstrahlung(double z) {
    return DirektstrahlungAus(z, std::cos(z * zuRad));
}

double Einfallskosinus(double sonneAzimut, double sonneHoehe, double modulAzimut, double neigung) {
    const double e = sonneHoehe * zuRad, n = neigung * zuRad;
    return Einfall(std::sin(e), std::cos(e), std::sin(n), std::cos(n),
                   std::cos((sonneAzimut - modulAzimut) * zuRad));
}

double VerschatteterAnteil(double d, double a, double c) {
    if (!(d > 0)) return 0;
    const double f = d / (d + a + c);
    return std::clamp(f, 0.0, 1.0);
}

Augenblick Berechne(const RechenlaufEingabe& e, const Suchstand& s, double stunden) {
    Sonnenstand sonne;
    SonnenPosition(e.Jahr, e.Monat, e.Tag, stunden, e.Phi, e.Lam, sonne.azimut, sonne.hoehe);
    sonne.sinHoehe = std::sin(sonne.hoehe * zuRad);
    sonne.cosHoehe = std::cos(sonne.hoehe * zuRad);
    return Lauf(e).Rechne(sonne, stunden, s.wende.WendeStunde);
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
    Lauf lauf(e);
    const Sonnenort ort(e.Phi, e.Lam);
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
                const Augenblick a = lauf.Rechne(ort.Position(e.Jahr, monat, tag, stunden), stunden,
                                                 s.wende.WendeStunde);
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

std::vector<double> Werte(double von, double bis, double weite) {
    std::vector<double> werte;
    for (int i = 0;; ++i) {
        const double w = von + i * weite;
        if (w > bis + 1e-9 * weite) break;
        werte.push_back(w);
    }
    return werte;
}

std::vector<Summe> Variiere(const RechenlaufEingabe& e, double RechenlaufEingabe::*feld,
                            const std::vector<double>& werte, int schritt,
                            const std::atomic<bool>* abbruch, const std::function<void()>& arbeiter,
                            const std::function<void()>& jeWert) {
    std::vector<Summe> ergebnis(werte.size());
    std::atomic<std::size_t> naechster{0};
    const auto arbeite = [&] {
        if (arbeiter) arbeiter();
        for (std::size_t i; (i = naechster++) < werte.size() &&
                            !(abbruch && abbruch->load(std::memory_order_relaxed));) {
            RechenlaufEingabe x = e;
            x.*feld = werte[i];
            ergebnis[i] = Rechne(x, schritt, abbruch).jahr.mitBacktracking;
            if (jeWert) jeWert();
        }
    };
    std::vector<std::thread> helfer;
    for (unsigned k = 1; k < std::max(1u, std::thread::hardware_concurrency()); ++k)
        helfer.emplace_back(arbeite);
    arbeite();
    for (std::thread& t : helfer)
        t.join();
    return ergebnis;
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
            if (anschlaege)
                p = std::clamp(p, eingabe.EndlageStart,
                               std::max(eingabe.EndlageStart, eingabe.EndlageStop));
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
