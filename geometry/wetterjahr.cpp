#include "geometry/wetterjahr.h"

#include "geometry/jahreslauf.h"
#include "geometry/jahresstudie.h"
#include "geometry/sonnenposition.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <unordered_map>

namespace wetterjahr {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double zuRad = (1.0 / 180) * pi;

// What a row gives whatever way the tracker runs.
struct Licht {
    double ghi = 0, dni = 0, dhi = 0, albedo = 0;
    bool sonneAuf = false;
    double zenit = 90; // degrees
    // Perez needs an air mass: with the sun down (and for an isotropic sky) the sky is isotropic.
    bool perez = false;
    einstrahlung::Perezfaktoren faktoren;
};

Licht LichtDer(const messreihe::Messung& m, const Sonnenstand& sonne, const Optionen& o) {
    Licht l;
    l.ghi = m.ghi;
    l.dni = m.dni;
    l.dhi = m.dhi;
    // A row's albedo counts inside (0, 1): several files write 0 in every row, and 1 or more is
    // no ground's; the option stands in for those as for a missing one.
    l.albedo = m.albedo > 0 && m.albedo < 1 ? m.albedo : o.albedo;
    l.sonneAuf = sonne.hoehe > 0;
    l.zenit = 90 - sonne.hoehe;
    l.perez = l.sonneAuf && o.himmel == Himmelsmodell::Perez;
    if (l.perez)
        l.faktoren = einstrahlung::PerezFaktoren(
            m.dhi, m.dni, l.zenit, jahresstudie::Luftmasse(l.zenit),
            einstrahlung::Extraterrestrisch(einstrahlung::TagImJahr(m.jahr, m.monat, m.tag)));
    return l;
}

// What a way's module keeps for every row: its tilt, the share of the isotropic sky the row in
// front hides from it, its blocks.
struct Weg {
    double neigung = 0, himmelsverlust = 0;
    einstrahlung::Bloecke bloecke;
};

Weg WegAus(const jahresstudie::Modul& m, const Optionen& o) {
    Weg w;
    w.neigung = m.neigung;
    w.himmelsverlust = einstrahlung::Himmelsverlust(m.schattenH, m.schattenN, m.abstand);
    w.bloecke = o.bloecke;
    return w;
}

// One row on one way's module, W/m^2: Summe's fields at an instant.
Summe AufDemModul(const Licht& l, double cosEinfall, double f, const Weg& w) {
    Summe s;
    const einstrahlung::Himmel h =
        l.perez ? einstrahlung::HimmelPerez(l.dhi, l.faktoren, cosEinfall, l.zenit, w.neigung)
                : einstrahlung::HimmelIsotrop(l.dhi, w.neigung);
    s.direkt = l.sonneAuf ? l.dni * std::max(0.0, cosEinfall) : 0;
    s.isotrop = h.isotrop;
    s.zirkumsolar = h.zirkumsolar;
    s.horizont = h.horizont;
    s.boden = einstrahlung::Bodenreflexion(l.ghi, l.albedo, w.neigung);
    // Beam and circumsolar come from the sun's direction: the shadow of the row in front
    // takes them together (Martinez-Moreno et al., eq. 6).
    const double strahl = s.direkt + s.zirkumsolar;
    const int gesamt = w.bloecke.Gesamt();
    const int verschattet = einstrahlung::VerschatteteBloecke(f, w.bloecke);
    s.strahlSchatten = strahl * f;
    s.elektrisch = strahl * (1 - f) * verschattet / (gesamt + 1);
    s.himmelSchatten = s.isotrop * w.himmelsverlust + s.horizont;
    // Eq. 8: beam and circumsolar through the blocks, the sky the row in front leaves, the
    // ground.
    s.wirksam = strahl * einstrahlung::Strahlfaktor(f, verschattet, gesamt) +
                s.isotrop * (1 - w.himmelsverlust) + s.boden;
    s.teilverschattet = l.sonneAuf && f > 1e-9 && cosEinfall > 0;
    return s;
}

// s * stunden / 1000 added to ziel (W/m^2 over hours to kWh/m^2); teilverschattet is 1 or 0 in
// s and adds the hours.
void Addiere(Summe& ziel, const Summe& s, double stunden) {
    const double k = stunden / 1000;
    ziel.direkt += s.direkt * k;
    ziel.isotrop += s.isotrop * k;
    ziel.zirkumsolar += s.zirkumsolar * k;
    ziel.horizont += s.horizont * k;
    ziel.boden += s.boden * k;
    ziel.strahlSchatten += s.strahlSchatten * k;
    ziel.himmelSchatten += s.himmelSchatten * k;
    ziel.elektrisch += s.elektrisch * k;
    ziel.wirksam += s.wirksam * k;
    ziel.teilverschattet += s.teilverschattet * stunden;
}

void Addiere(Summe& ziel, const Summe& s) {
    ziel.direkt += s.direkt;
    ziel.isotrop += s.isotrop;
    ziel.zirkumsolar += s.zirkumsolar;
    ziel.horizont += s.horizont;
    ziel.boden += s.boden;
    ziel.strahlSchatten += s.strahlSchatten;
    ziel.himmelSchatten += s.himmelSchatten;
    ziel.elektrisch += s.elektrisch;
    ziel.wirksam += s.wirksam;
    ziel.teilverschattet += s.teilverschattet;
}

long Datum(const messreihe::Messung& m) {
    return (static_cast<long>(m.jahr) * 16 + m.monat) * 32 + m.tag;
}

// The searches of each UTC date the rows come from, run once per date (a typical year's
// months come from different years, so dates recur out of order), each from e's state.
class Suchen {
public:
    explicit Suchen(const RechenlaufEingabe& e) : e_(e) {}
    // The search for a row's instant with the sun at hoehe.
    const Suchstand& Fuer(const messreihe::Messung& m, double hoehe) {
        const long datum = Datum(m);
        if (!letzte_ || datum != letztesDatum_) {
            auto it = tage_.find(datum);
            if (it == tage_.end()) {
                RechenlaufEingabe x = e_;
                x.Jahr = m.jahr;
                x.Monat = m.monat;
                x.Tag = m.tag;
                it = tage_.emplace(datum, Tagessuchen(x)).first;
            }
            letzte_ = &it->second;
            letztesDatum_ = datum;
        }
        return letzte_->Fuer(m.stunden, hoehe);
    }

private:
    RechenlaufEingabe e_;
    std::unordered_map<long, Tagessuchen> tage_;
    Tagessuchen* letzte_ = nullptr;
    long letztesDatum_ = 0;
};

// A run's fixed part: the three ways' geometry, the site's sun, the searches.
struct Jahreslauf {
    Jahreslauf(const RechenlaufEingabe& e, const Optionen& o)
        : optionen(o), dreiWege(e), ort(e.Phi, e.Lam), suchen(e) {
        mit = WegAus(dreiWege.MitFehlern(), o);
        ohne = WegAus(dreiWege.OhneFehler(), o);
    }
    Optionen optionen;
    jahresstudie::Lauf dreiWege;
    Weg mit, ohne;
    Sonnenort ort;
    Suchen suchen;
};

struct Zeile {
    Licht licht;
    Summe mit, ohneFehler, ohneBacktracking;
};

// One row, the three ways: the one path the study and the day chart take.
Zeile Berechne(Jahreslauf& lauf, const messreihe::Messung& m) {
    const Sonnenstand sonne = lauf.ort.Position(m.jahr, m.monat, m.tag, m.stunden);
    Zeile z;
    z.licht = LichtDer(m, sonne, lauf.optionen);
    jahresstudie::Augenblick a;
    if (z.licht.sonneAuf) {
        const Suchstand& s = lauf.suchen.Fuer(m, sonne.hoehe);
        a = lauf.dreiWege.Geometrie(sonne, m.stunden - 24.0 * s.wendeTag, s.wende.WendeStunde,
                                    s.wende.MittagNord);
    }
    z.mit = AufDemModul(z.licht, a.cosMit, a.fMit, lauf.mit);
    z.ohneFehler = AufDemModul(z.licht, a.cosOhneF, a.fOhneF, lauf.ohne);
    z.ohneBacktracking = AufDemModul(z.licht, a.cosOhneB, a.fOhneB, lauf.mit);
    return z;
}

std::size_t Monatsindex(const messreihe::Messung& m) {
    if (m.zaehlmonat < 1 || m.zaehlmonat > 12)
        throw std::invalid_argument("zaehlmonat ausserhalb 1 ... 12");
    return static_cast<std::size_t>(m.zaehlmonat - 1);
}

} // namespace

RechenlaufEingabe AmOrt(RechenlaufEingabe e, const messreihe::Ort& ort) {
    e.Phi = ort.breite;
    e.Lam = -ort.laengeOst;
    return e;
}

double Ergebnis::GewinnBacktracking() const {
    const double ohne = jahr.ohneBacktracking.wirksam;
    return ohne > 0 ? 100 * (jahr.mitBacktracking.wirksam / ohne - 1) : 0;
}

void Pruefe(const Optionen& o) {
    if (!(o.albedo >= 0 && o.albedo <= 1)) throw std::invalid_argument("Albedo ausserhalb 0 ... 1");
    if (o.bloecke.uebereinander < 1 || o.bloecke.nebeneinander < 1)
        throw std::invalid_argument("weniger als ein Block");
}

int Tage(const messreihe::Reihe& reihe) {
    int tage = 0;
    long vorher = -1;
    for (const messreihe::Messung& m : reihe.messungen) {
        if (Datum(m) != vorher) ++tage;
        vorher = Datum(m);
    }
    return tage;
}

Ergebnis Rechne(const RechenlaufEingabe& e, const messreihe::Reihe& reihe, const Optionen& o,
                const std::atomic<bool>* abbruch, const std::function<void(int)>& fortschritt) {
    Pruefe(o);
    Ergebnis r;
    r.optionen = o;
    r.gcr = einstrahlung::Bedeckungsgrad(0.01 * e.ModulH, e.ModulN, 0.01 * e.ModulA);
    Jahreslauf lauf(e, o);
    int tage = 0;
    long datum = -1;
    for (const messreihe::Messung& m : reihe.messungen) {
        const std::size_t monat = Monatsindex(m);
        if (Datum(m) != datum) {
            if (tage > 0 && fortschritt) fortschritt(tage);
            if (abbruch && abbruch->load(std::memory_order_relaxed)) {
                r.abgebrochen = true;
                return r;
            }
            ++tage;
            datum = Datum(m);
        }
        const Zeile z = Berechne(lauf, m);
        ++r.zeilen;
        if (!z.licht.sonneAuf && m.dni > 0) {
            ++r.strahlOhneSonne;
            r.strahlOhneSonneKwh += m.dni * m.dauer / 1000;
        }
        Drei& d = r.monate[monat];
        Addiere(d.mitBacktracking, z.mit, m.dauer);
        Addiere(d.ohneFehler, z.ohneFehler, m.dauer);
        Addiere(d.ohneBacktracking, z.ohneBacktracking, m.dauer);
    }
    if (tage > 0 && fortschritt) fortschritt(tage);
    for (const Drei& d : r.monate) {
        Addiere(r.jahr.mitBacktracking, d.mitBacktracking);
        Addiere(r.jahr.ohneFehler, d.ohneFehler);
        Addiere(r.jahr.ohneBacktracking, d.ohneBacktracking);
    }
    return r;
}

std::vector<Summe> Variiere(const RechenlaufEingabe& e, const messreihe::Reihe& reihe,
                            const Optionen& o, double RechenlaufEingabe::*feld,
                            const std::vector<double>& werte, const std::atomic<bool>* abbruch,
                            const std::function<void()>& arbeiter,
                            const std::function<void()>& jeWert) {
    Pruefe(o);
    const auto abgebrochen = [&] { return abbruch && abbruch->load(std::memory_order_relaxed); };
    std::vector<Summe> ergebnis(werte.size());
    if (!jahresstudie::NurFehler(feld)) {
        // Another input changes the searches too: one whole study per value, every core
        // taking the next value.
        for (const messreihe::Messung& m : reihe.messungen)
            Monatsindex(m);
        std::atomic<std::size_t> naechster{0};
        jahresstudie::AufKernen(~0u, [&] {
            if (arbeiter) arbeiter();
            for (std::size_t i; (i = naechster++) < werte.size() && !abgebrochen();) {
                RechenlaufEingabe x = e;
                x.*feld = werte[i];
                ergebnis[i] = Rechne(x, reihe, o, abbruch).jahr.mitBacktracking;
                if (jeWert) jeWert();
            }
        });
        return ergebnis;
    }

    // An installation error leaves the sun, the light and the searches alone: each row's are
    // formed once and every value's way with backtracking is summed from them, month by month
    // in the rows' order as the study sums them, so each value's sum is the study's to the
    // last bit. The cores take whole months.
    std::array<std::vector<std::size_t>, 12> zeilen;
    int tage = 0;
    for (std::size_t monat = 0; monat < 12; ++monat) {
        long datum = -1;
        for (std::size_t i = 0; i < reihe.messungen.size(); ++i) {
            const messreihe::Messung& m = reihe.messungen[i];
            if (Monatsindex(m) != monat) continue;
            zeilen[monat].push_back(i);
            if (Datum(m) != datum) ++tage;
            datum = Datum(m);
        }
    }
    if (tage == 0) {
        for (std::size_t k = 0; k < werte.size() && jeWert; ++k)
            jeWert();
        return ergebnis;
    }
    jahresstudie::Tagesfortschritt fortschritt(werte.size(), tage, jeWert);
    std::array<std::vector<Summe>, 12> monate;
    std::atomic<std::size_t> naechsterMonat{0};
    jahresstudie::AufKernen(12, [&] {
        if (arbeiter) arbeiter();
        std::vector<jahresstudie::Lauf> laeufe;
        std::vector<Weg> wege;
        laeufe.reserve(werte.size());
        for (double w : werte) {
            RechenlaufEingabe x = e;
            x.*feld = w;
            laeufe.emplace_back(x);
            wege.push_back(WegAus(laeufe.back().MitFehlern(), o));
        }
        const Sonnenort ort(e.Phi, e.Lam);
        Suchen suchen(e);
        for (std::size_t monat; (monat = naechsterMonat++) < 12 && !abgebrochen();) {
            std::vector<Summe>& summen = monate[monat];
            summen.assign(werte.size(), Summe{});
            long datum = -1;
            for (std::size_t i : zeilen[monat]) {
                const messreihe::Messung& m = reihe.messungen[i];
                if (Datum(m) != datum) {
                    if (datum != -1) fortschritt.TagFertig();
                    if (abgebrochen()) return;
                    datum = Datum(m);
                }
                const Sonnenstand sonne = ort.Position(m.jahr, m.monat, m.tag, m.stunden);
                const Licht licht = LichtDer(m, sonne, o);
                if (!licht.sonneAuf) {
                    // As the study takes a row with the sun down: no beam, no shade.
                    for (std::size_t k = 0; k < laeufe.size(); ++k)
                        Addiere(summen[k], AufDemModul(licht, 0, 0, wege[k]), m.dauer);
                    continue;
                }
                const Suchstand& s = suchen.Fuer(m, sonne.hoehe);
                const double tanHoehe = std::tan(sonne.hoehe * zuRad);
                for (std::size_t k = 0; k < laeufe.size(); ++k) {
                    jahresstudie::Augenblick a;
                    laeufe[k].Setze(sonne.hoehe, m.stunden - 24.0 * s.wendeTag, s.wende.WendeStunde,
                                    s.wende.MittagNord);
                    laeufe[k].Mit(sonne, tanHoehe, a);
                    Addiere(summen[k], AufDemModul(licht, a.cosMit, a.fMit, wege[k]), m.dauer);
                }
            }
            if (datum != -1) fortschritt.TagFertig();
        }
    });
    if (abgebrochen()) return ergebnis;
    for (const std::vector<Summe>& summen : monate)
        for (std::size_t k = 0; k < ergebnis.size() && k < summen.size(); ++k)
            Addiere(ergebnis[k], summen[k]);
    return ergebnis;
}

Tagesverlauf Tag(const RechenlaufEingabe& e, const messreihe::Reihe& reihe, int jahr, int monat,
                 int tag, const Optionen& o) {
    Pruefe(o);
    Jahreslauf lauf(e, o);
    Tagesverlauf t;
    for (const messreihe::Messung& m : reihe.messungen) {
        if (m.jahr != jahr || m.monat != monat || m.tag != tag) continue;
        const Zeile z = Berechne(lauf, m);
        t.stunden.push_back(m.stunden);
        t.ghi.push_back(m.ghi);
        t.dni.push_back(m.dni);
        t.dhi.push_back(m.dhi);
        t.wirksamMit.push_back(z.mit.wirksam);
        t.wirksamOhneBacktracking.push_back(z.ohneBacktracking.wirksam);
    }
    return t;
}

} // namespace wetterjahr
