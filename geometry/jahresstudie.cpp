#include "geometry/jahresstudie.h"

#include "geometry/jahreslauf.h"
#include "geometry/sonnenposition.h"

#include <algorithm>
#include <cmath>

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

// The three ways at an instant under the clear sky: nothing with the sun down.
Augenblick Klar(Lauf& lauf, const Sonnenstand& sonne, double stunden, int wende, bool nord) {
    if (!(sonne.hoehe > 0)) return Augenblick{};
    Augenblick a = lauf.Geometrie(sonne, stunden, wende, nord);
    a.dni = DirektstrahlungAus(90 - sonne.hoehe, sonne.sinHoehe);
    return a;
}

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
    Lauf lauf(e);
    return Klar(lauf, sonne, stunden - 24.0 * s.wendeTag, s.wende.WendeStunde, s.wende.MittagNord);
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
                    Klar(lauf, sonne, lage.stunden, lage.wende.stunde, lage.wende.nord);
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

std::vector<Summe> Variiere(const RechenlaufEingabe& eingabe, double RechenlaufEingabe::*feld,
                            const std::vector<double>& werte, int schritt,
                            const std::atomic<bool>* abbruch, const std::function<void()>& arbeiter,
                            const std::function<void()>& jeWert) {
    const auto abgebrochen = [&] { return abbruch && abbruch->load(std::memory_order_relaxed); };
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
        AufKernen(~0u, arbeite);
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
    AufKernen(12, arbeite);
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
