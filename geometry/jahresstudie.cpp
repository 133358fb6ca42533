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
        : e_(e), mit_(KomplettAus(e, 0, 0, 12, false)),
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

    Augenblick Rechne(const Sonnenstand& sonne, double stunden, int wende, bool nord) {
        Augenblick a;
        if (!(sonne.hoehe > 0)) return a;
        a.dni = DirektstrahlungAus(90 - sonne.hoehe, sonne.sinHoehe);
        const double tanHoehe = std::tan(sonne.hoehe * zuRad);

        // With backtracking and the errors: the window's calculation.
        for (KomplettEingabe* k : {&mit_, &ohne_}) {
            k->Hoehe = sonne.hoehe;
            k->stunden = stunden;
            k->WendeStunde = wende;
            k->mittagNord = nord;
        }
        const KomplettErgebnis mit = Mit(sonne, tanHoehe, a);

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

    // The way with backtracking alone, for a sweep over an installation error: mit_ holds the
    // instant (Hoehe, stunden, WendeStunde, mittagNord), tanHoehe its elevation's tangent.
    KomplettErgebnis Mit(const Sonnenstand& sonne, double tanHoehe, Augenblick& a) {
        const KomplettErgebnis mit = BerechneKomplett(gMit_, mit_, tanHoehe);
        a.trackerPos = sonne.azimut + mit.WinkelZurSonne;
        // The module faces where the tracker really stands: the sun's azimuth turned by the
        // correction and the east-stop error.
        const double cosMit = std::cos((mit.WinkelZurSonne + e_.EndlageStartErr) * zuRad);
        a.cosMit = Einfall(sonne.sinHoehe, sonne.cosHoehe, sinNErr_, cosNErr_, cosMit);
        a.fMit = Anteil(mit, cosMit);
        return mit;
    }
    void Setze(double hoehe, double stunden, int wende, bool nord) {
        mit_.Hoehe = hoehe;
        mit_.stunden = stunden;
        mit_.WendeStunde = wende;
        mit_.mittagNord = nord;
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
    return Lauf(e).Rechne(sonne, stunden - 24.0 * s.wendeTag, s.wende.WendeStunde,
                          s.wende.MittagNord);
}

namespace {

// What the sign rule needs of one solar day: its Sonnenwende hour, its noon's side, its noon.
struct Tageswende {
    int stunde = 12;
    bool nord = false;
    double mittag = 12;
};

// The solar days of the year e.Jahr and the one on each side of it (index 0: 31 December
// before, 1 ... days: the year, then 1 January after). Each day's search starts from the
// day before's result, as the main window carries it from date to date; the year's first day
// and the day before it start from e's carried state.
std::vector<Tageswende> Wenden(const RechenlaufEingabe& eingabe) {
    const int tage = TageImJahr(eingabe.Jahr);
    std::vector<Tageswende> w(static_cast<std::size_t>(tage) + 2);
    RechenlaufEingabe e = eingabe;
    e.Monat = 1;
    e.Tag = 1;
    Suchstand s;
    const auto merke = [&](std::size_t i, const Suchstand& x, int jahr, int monat, int tag) {
        w[i].stunde = x.wende.WendeStunde;
        w[i].nord = x.wende.MittagNord;
        w[i].mittag = SonnenMittag(jahr, monat, tag, e.Phi, e.Lam).stunden;
    };
    SucheSonnenwendeAm(e, -1, s);
    merke(0, s, e.Jahr - 1, 12, 31);
    std::size_t i = 1;
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1; tag <= TageImMonat(e.Jahr, monat); ++tag, ++i) {
            e.Monat = monat;
            e.Tag = tag;
            SucheSonnenwendeAm(e, 0, s);
            e.WendeStunde = s.wende.WendeStunde;
            e.WendeMinute = s.wende.WendeMinute;
            e.MorgenPos = s.wende.MorgenPos;
            merke(i, s, e.Jahr, monat, tag);
        }
    SucheSonnenwendeAm(e, 1, s);
    merke(i, s, e.Jahr + 1, 1, 1);
    return w;
}

// The weight of the instant at minute of a day in hours: its step, and at the day's end what
// is left of the day when the step does not divide it.
double Gewicht(int minute, int schritt, double dt) {
    return minute + schritt <= 24 * 60 ? dt : (24 * 60 - minute) / 60.0;
}

// Instants of a day whose sun stands in a neighbouring solar day take that day's Sonnenwende
// (index of the day in Wenden: tag), with their hours counted from it.
struct Vorzeichenlage {
    double stunden;
    const Tageswende& wende;
};
Vorzeichenlage LageIm(const std::vector<Tageswende>& w, std::size_t tag, double stunden) {
    const int versatz = Sonnentag(w[tag].mittag, stunden);
    return {stunden - 24.0 * versatz,
            w[static_cast<std::size_t>(static_cast<long>(tag) + versatz)]};
}

} // namespace

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
    const std::vector<Tageswende> wenden = Wenden(e);
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
            ++tage;
            bool sonneVorher = false;
            double posVorher = 0;
            for (int minute = 0; minute < 24 * 60; minute += schritt) {
                const double stunden = minute / 60.0;
                const Sonnenstand sonne = ort.Position(e.Jahr, monat, tag, stunden);
                const Vorzeichenlage lage = LageIm(wenden, static_cast<std::size_t>(tage), stunden);
                const Augenblick a =
                    lauf.Rechne(sonne, lage.stunden, lage.wende.stunde, lage.wende.nord);
                if (a.dni <= 0) {
                    sonneVorher = false;
                    continue;
                }
                ++r.augenblicke;
                const double gewicht = Gewicht(minute, schritt, dt);
                Addiere(m.mitBacktracking, a.dni, a.cosMit, a.fMit, gewicht);
                Addiere(m.ohneFehler, a.dni, a.cosOhneF, a.fOhneF, gewicht);
                Addiere(m.ohneBacktracking, a.dni, a.cosOhneB, a.fOhneB, gewicht);
                // On the day's continuous path: a tracker that turns through north turns a few
                // degrees, not 360.
                const double p = sonneVorher ? AufDemWeg(a.trackerPos, posVorher)
                                             : WegBeginn(a.trackerPos, e.Phi);
                if (erstes || p > r.groesste.position) r.groesste = {p, monat, tag, stunden};
                if (erstes || p < r.kleinste.position) r.kleinste = {p, monat, tag, stunden};
                erstes = false;
                if (sonneVorher) r.weg += std::fabs(p - posVorher);
                posVorher = p;
                sonneVorher = true;
            }
            if (fortschritt) fortschritt(tage);
        }
        Addiere(r.jahr.mitBacktracking, m.mitBacktracking);
        Addiere(r.jahr.ohneFehler, m.ohneFehler);
        Addiere(r.jahr.ohneBacktracking, m.ohneBacktracking);
    }
    return r;
}

WerteFehler::WerteFehler(Art art, const char* was) : std::invalid_argument(was), art_(art) {}

std::vector<double> Werte(double von, double bis, double weite) {
    if (!std::isfinite(von) || !std::isfinite(bis) || !std::isfinite(weite) || !(weite > 0))
        throw WerteFehler(WerteFehler::Ungueltig, "von, bis und Schritt endlich, Schritt > 0");
    if (von + weite == von)
        throw WerteFehler(WerteFehler::KeinSchritt, "der Schritt verändert den Wert nicht");
    std::vector<double> werte;
    if (bis < von) return werte;
    // Counted before any value is formed, with the rounding allowance of 1e-9 steps past bis.
    const double schritte = std::floor((bis - von) / weite + 1e-9);
    if (!(schritte < GroessteWertezahl))
        throw WerteFehler(WerteFehler::ZuViele, "mehr als 1001 Werte");
    const int n = static_cast<int>(schritte) + 1;
    werte.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double w = von + i * weite;
        if (!werte.empty() && !(w > werte.back()))
            throw WerteFehler(WerteFehler::KeinSchritt, "der Schritt verändert den Wert nicht");
        werte.push_back(w);
    }
    return werte;
}

namespace {

// The inputs a sweep may vary without touching the sun, the searches or the nominal geometry:
// the installation errors.
bool NurFehler(double RechenlaufEingabe::*feld) {
    return feld == &RechenlaufEingabe::ModulHErr || feld == &RechenlaufEingabe::ModulAErr ||
           feld == &RechenlaufEingabe::ModulNErr || feld == &RechenlaufEingabe::EndlageStartErr;
}

// Calls jeWert once for each value's worth of work as the days get done (all values advance
// together), so a caller counting values sees the same total as before.
class Tagesfortschritt {
public:
    Tagesfortschritt(std::size_t werte, int tage, const std::function<void()>& jeWert)
        : werte_(werte), tage_(tage), jeWert_(jeWert) {}
    void TagFertig() {
        if (!jeWert_) return;
        const long fertig = ++fertig_;
        const std::size_t vorher = (fertig - 1) * werte_ / static_cast<std::size_t>(tage_);
        const std::size_t jetzt = fertig * werte_ / static_cast<std::size_t>(tage_);
        for (std::size_t k = vorher; k < jetzt; ++k)
            jeWert_();
    }

private:
    std::size_t werte_;
    int tage_;
    const std::function<void()>& jeWert_;
    std::atomic<long> fertig_{0};
};

} // namespace

std::vector<Summe> Variiere(const RechenlaufEingabe& eingabe, double RechenlaufEingabe::*feld,
                            const std::vector<double>& werte, int schritt,
                            const std::atomic<bool>* abbruch, const std::function<void()>& arbeiter,
                            const std::function<void()>& jeWert) {
    const auto abgebrochen = [&] { return abbruch && abbruch->load(std::memory_order_relaxed); };
    const unsigned kerne = std::max(1u, std::thread::hardware_concurrency());
    std::vector<Summe> ergebnis(werte.size());
    if (!NurFehler(feld)) {
        // Another input changes the searches too: one whole study per value, every core
        // taking the next value.
        std::atomic<std::size_t> naechster{0};
        const auto arbeite = [&] {
            if (arbeiter) arbeiter();
            for (std::size_t i; (i = naechster++) < werte.size() && !abgebrochen();) {
                RechenlaufEingabe x = eingabe;
                x.*feld = werte[i];
                ergebnis[i] = Rechne(x, schritt, abbruch).jahr.mitBacktracking;
                if (jeWert) jeWert();
            }
        };
        std::vector<std::thread> helfer;
        for (unsigned k = 1; k < kerne; ++k)
            helfer.emplace_back(arbeite);
        arbeite();
        for (std::thread& t : helfer)
            t.join();
        return ergebnis;
    }

    // An installation error leaves the sun, the Sonnenwende searches and the beam alone: each
    // instant's sun and sign are formed once and every value's way with backtracking is summed
    // from them, month by month in the order the study sums them, so each value's sum is the
    // study's to the last bit. The cores take whole months.
    schritt = std::clamp(schritt, 1, 60);
    RechenlaufEingabe e = eingabe;
    e.Monat = 1;
    e.Tag = 1;
    const std::vector<Tageswende> wenden = Wenden(e);
    const double dt = schritt / 60.0;
    const Sonnenort ort(e.Phi, e.Lam);
    std::array<std::vector<Summe>, 12> monate;
    int ersterTag[13] = {1};
    for (int m = 1; m <= 12; ++m)
        ersterTag[m] = ersterTag[m - 1] + TageImMonat(e.Jahr, m);
    Tagesfortschritt fortschritt(werte.size(), TageImJahr(e.Jahr), jeWert);
    std::atomic<int> naechsterMonat{1};
    const auto arbeite = [&] {
        if (arbeiter) arbeiter();
        std::vector<Lauf> laeufe;
        laeufe.reserve(werte.size());
        for (double w : werte) {
            RechenlaufEingabe x = e;
            x.*feld = w;
            laeufe.emplace_back(x);
        }
        for (int monat; (monat = naechsterMonat++) <= 12 && !abgebrochen();) {
            std::vector<Summe>& summen = monate[static_cast<std::size_t>(monat - 1)];
            summen.assign(werte.size(), Summe{});
            for (int tag = 1; tag <= TageImMonat(e.Jahr, monat); ++tag) {
                if (abgebrochen()) return;
                const auto index = static_cast<std::size_t>(ersterTag[monat - 1] + tag - 1);
                for (int minute = 0; minute < 24 * 60; minute += schritt) {
                    const double stunden = minute / 60.0;
                    const Sonnenstand sonne = ort.Position(e.Jahr, monat, tag, stunden);
                    if (!(sonne.hoehe > 0)) continue;
                    const double dni = DirektstrahlungAus(90 - sonne.hoehe, sonne.sinHoehe);
                    if (dni <= 0) continue;
                    const double tanHoehe = std::tan(sonne.hoehe * zuRad);
                    const Vorzeichenlage lage = LageIm(wenden, index, stunden);
                    const double gewicht = Gewicht(minute, schritt, dt);
                    for (std::size_t i = 0; i < laeufe.size(); ++i) {
                        Augenblick a;
                        laeufe[i].Setze(sonne.hoehe, lage.stunden, lage.wende.stunde,
                                        lage.wende.nord);
                        laeufe[i].Mit(sonne, tanHoehe, a);
                        Addiere(summen[i], dni, a.cosMit, a.fMit, gewicht);
                    }
                }
                fortschritt.TagFertig();
            }
        }
    };
    std::vector<std::thread> helfer;
    for (unsigned k = 1; k < std::min(kerne, 12u); ++k)
        helfer.emplace_back(arbeite);
    arbeite();
    for (std::thread& t : helfer)
        t.join();
    if (abgebrochen()) return ergebnis;
    for (const std::vector<Summe>& summen : monate)
        for (std::size_t i = 0; i < ergebnis.size(); ++i)
            Addiere(ergebnis[i], summen[i]);
    return ergebnis;
}

Gezeichnet Zeichne(Tagessuchen& suchen, const RechenlaufEingabe& e, double stunden, bool anschlaege,
                   std::optional<double>& weg) {
    Gezeichnet g;
    g.r = suchen.Augenblick(stunden);
    g.trackerPos = g.r.TrackerPos;
    if (g.r.Hoehe < 0) {
        g.position = suchen.Datum().wende.MorgenPos;
        return g;
    }
    // On the day's continuous path, as the year study takes it.
    g.trackerPos = weg ? AufDemWeg(g.trackerPos, *weg) : WegBeginn(g.trackerPos, e.Phi);
    weg = g.trackerPos;
    g.position = g.trackerPos;
    if (anschlaege)
        g.position =
            std::clamp(g.position, e.EndlageStart, std::max(e.EndlageStart, e.EndlageStop));
    return g;
}

Tag BerechneTag(const RechenlaufEingabe& eingabe, int schritt, bool anschlaege) {
    schritt = std::clamp(schritt, 1, 60);
    Tag t;
    Tagessuchen suchen(eingabe);
    t.wendeStunde = suchen.Datum().wende.WendeStunde;
    t.wendeMinute = suchen.Datum().wende.WendeMinute;
    std::optional<double> weg;
    for (int minute = 0; minute < 24 * 60; minute += schritt) {
        const double stunden = minute / 60.0;
        const Gezeichnet g = Zeichne(suchen, eingabe, stunden, anschlaege, weg);
        const RechenlaufErgebnis& r = g.r;
        const bool auf = !(r.Hoehe < 0);
        if (auf && !t.stunden.empty() && t.hoehe.back() < 0 && t.aufgang < 0) t.aufgang = stunden;
        if (!auf && !t.stunden.empty() && !(t.hoehe.back() < 0)) t.untergang = t.stunden.back();
        t.stunden.push_back(stunden);
        t.hoehe.push_back(r.Hoehe);
        t.azimut.push_back(r.Azimut);
        t.position.push_back(g.position);
        t.trackerPos.push_back(g.trackerPos);
        t.winkel.push_back(r.WinkelZurSonne);
        t.schatten.push_back(r.Schatten);
        t.verschattung.push_back(r.Verschattung);
    }
    return t;
}

} // namespace jahresstudie
