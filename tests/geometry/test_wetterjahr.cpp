// The year study on a measured series: a clear-sky series built from the clear-sky model
// gives the clear-sky study's beam figures; the energy adds up on a series with diffuse light;
// the sweep is the study per value to the last bit; the day chart is the study's rows; each
// row keeps its own date and month; the site's longitude turns sign at the edge; under
// installation errors the sky masking takes the shadow's profile and the light the real tilt.
#include "geometry/einstrahlung.h"
#include "geometry/jahresstudie.h"
#include "geometry/sonnenposition.h"
#include "geometry/wetterjahr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <mutex>
#include <numbers>
#include <tuple>
#include <vector>

namespace {

using messreihe::Messung;
using messreihe::Reihe;
constexpr double zuRad = std::numbers::pi / 180;

// A year of rows on the hour at a site (east-positive longitude), as a file of the clear-sky
// model would give it: direct normal by the study's clear-sky model, no diffuse light, an
// albedo of 0 in every row (as several files write where they have none). wetter may change a row
// (it gets the sun's elevation); jahrVon picks each month's year.
Reihe KlarerHimmel(double breite, double laengeOst, const std::function<int(int monat)>& jahrVon,
                   const std::function<void(Messung&, double hoehe)>& wetter = {}) {
    Reihe r;
    r.ort = {breite, laengeOst, 0};
    for (int monat = 1; monat <= 12; ++monat) {
        const int jahr = jahrVon(monat);
        for (int tag = 1; tag <= TageImMonat(jahr, monat); ++tag)
            for (int stunde = 0; stunde < 24; ++stunde) {
                Messung m;
                m.jahr = jahr;
                m.monat = monat;
                m.tag = tag;
                m.stunden = stunde;
                m.dauer = 1;
                m.zaehlmonat = monat;
                double azimut = 0, hoehe = 0;
                SonnenPosition(jahr, monat, tag, stunde, breite, -laengeOst, azimut, hoehe);
                m.dni = jahresstudie::Direktstrahlung(90 - hoehe);
                m.dhi = 0;
                m.ghi = m.dni * std::max(0.0, std::sin(hoehe * zuRad));
                m.albedo = 0;
                if (wetter) wetter(m, hoehe);
                r.messungen.push_back(m);
            }
    }
    return r;
}
Reihe KlarerHimmel(double breite, double laengeOst, int jahr = 2026) {
    return KlarerHimmel(breite, laengeOst, [jahr](int) { return jahr; });
}

// Made-up weather on the clear-sky rows: every third day overcast (diffuse only), otherwise a
// hazy sky; an albedo on even days (none on odd ones), and a little direct light in the hour
// after sunset, which the study must leave out.
void Wetter(Messung& m, double hoehe) {
    const double s = std::max(0.0, std::sin(hoehe * zuRad));
    if (m.tag % 3 == 0) {
        m.dhi = 0.3 * (m.dni * s + 60 * s);
        m.dni = 0;
    } else {
        m.dni *= 0.85;
        m.dhi = 0.1 * m.dni * s + 40 * std::sqrt(s);
    }
    if (hoehe <= 0 && hoehe > -12) m.dni = 4;
    m.ghi = m.dni * s + m.dhi;
    m.albedo = m.tag % 2 ? NAN : 0.3;
}

// The clear-sky study on the hour and the weather study on the same hours of the clear-sky
// model: the same beam, beam shade and partly shaded hours, month by month, in each way. At
// the home site, in the south, at a site whose daylight crosses 0:00 UTC and in the tropics,
// with installation errors (so the rows shade each other with backtracking too).
TEST(Wetterjahr, KlarerHimmelWieDieKlarhimmelstudie) {
    const struct {
        double breite, laengeOst;
        double herr, serr;
    } orte[] = {
        {50.53, 14.48, 2, 3}, {-33.87, 151.21, 0, -4}, {36.1, -79.95, 3, 2}, {1.35, 103.82, -2, 5}};
    for (const auto& o : orte) {
        SCOPED_TRACE(testing::Message() << o.breite << " " << o.laengeOst);
        const Reihe reihe = KlarerHimmel(o.breite, o.laengeOst);
        RechenlaufEingabe e;
        e.Jahr = 2026;
        e.ModulHErr = o.herr;
        e.EndlageStartErr = o.serr;
        e = wetterjahr::AmOrt(e, reihe.ort);
        EXPECT_EQ(e.Phi, o.breite);
        EXPECT_EQ(e.Lam, -o.laengeOst); // the main window's longitude counts west positive
        const jahresstudie::Ergebnis klar = jahresstudie::Rechne(e, 60);
        wetterjahr::Optionen ohneBoden;
        ohneBoden.albedo = 0;
        const wetterjahr::Ergebnis wetter = wetterjahr::Rechne(e, reihe, ohneBoden);
        EXPECT_EQ(wetter.zeilen, 365 * 24);
        double schatten = 0;
        for (std::size_t monat = 0; monat <= 12; ++monat) {
            const jahresstudie::Drei& k = monat < 12 ? klar.monate[monat] : klar.jahr;
            const wetterjahr::Drei& w = monat < 12 ? wetter.monate[monat] : wetter.jahr;
            for (const auto& [ks, ws] : {std::pair{&k.mitBacktracking, &w.mitBacktracking},
                                         std::pair{&k.ohneFehler, &w.ohneFehler},
                                         std::pair{&k.ohneBacktracking, &w.ohneBacktracking}}) {
                EXPECT_NEAR(ws->direkt, ks->strahlung, 1e-12 * ks->strahlung) << monat;
                EXPECT_NEAR(ws->strahlSchatten, ks->verschattet, 1e-12 * ks->strahlung) << monat;
                EXPECT_EQ(ws->teilverschattet, ks->teilverschattet) << monat;
                EXPECT_EQ(ws->Himmel(), 0);
                EXPECT_EQ(ws->boden, 0);
                EXPECT_EQ(ws->himmelSchatten, 0);
                // With beam alone the effective irradiance is what the blocks leave of it.
                EXPECT_NEAR(ws->wirksam, ws->direkt - ws->strahlSchatten - ws->elektrisch,
                            1e-12 * ks->strahlung);
            }
            schatten += w.mitBacktracking.strahlSchatten + w.ohneBacktracking.strahlSchatten;
        }
        EXPECT_GT(schatten, 0);
    }
}

// A series with diffuse light: the parts add up, the losses are what the unshaded irradiance
// loses to reach the effective one, the isotropic sky and the ground are the tilt's share of
// the horizontal sums (a turntable keeps its tilt), the sky masking is the view factor's share.
TEST(Wetterjahr, EnergieBilanz) {
    const Reihe reihe = KlarerHimmel(
        50.53, 14.48, [](int) { return 2026; }, Wetter);
    RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, reihe.ort);
    e.EndlageStartErr = 4;
    e.ModulNErr = 2;
    double dhi = 0, ghiAlbedo = 0, strahlNacht = 0;
    int nacht = 0;
    for (const Messung& m : reihe.messungen) {
        dhi += m.dhi * m.dauer / 1000;
        ghiAlbedo += m.ghi * (std::isnan(m.albedo) ? 0.25 : m.albedo) * m.dauer / 1000;
        double az = 0, hoehe = 0;
        SonnenPosition(m.jahr, m.monat, m.tag, m.stunden, e.Phi, e.Lam, az, hoehe);
        if (!(hoehe > 0) && m.dni > 0) {
            ++nacht;
            strahlNacht += m.dni * m.dauer / 1000;
        }
    }
    ASSERT_GT(nacht, 300);
    for (wetterjahr::Himmelsmodell himmel :
         {wetterjahr::Himmelsmodell::Perez, wetterjahr::Himmelsmodell::Isotrop}) {
        wetterjahr::Optionen o;
        o.albedo = 0.25;
        o.himmel = himmel;
        const wetterjahr::Ergebnis r = wetterjahr::Rechne(e, reihe, o);
        EXPECT_EQ(r.strahlOhneSonne, nacht);
        EXPECT_NEAR(r.strahlOhneSonneKwh, strahlNacht, 1e-9);
        for (const auto& [s, neigung, schattenN] :
             {std::tuple{&r.jahr.mitBacktracking, 32.0, 32.0},
              std::tuple{&r.jahr.ohneFehler, 30.0, 30.0},
              std::tuple{&r.jahr.ohneBacktracking, 32.0, 32.0}}) {
            const double u = s->Unverschattet();
            EXPECT_NEAR(u, s->direkt + s->isotrop + s->zirkumsolar + s->horizont + s->boden,
                        1e-12 * u);
            EXPECT_NEAR(s->wirksam, u - s->strahlSchatten - s->himmelSchatten - s->elektrisch,
                        1e-9 * u);
            EXPECT_LT(s->wirksam, u);
            for (double verlust : {s->strahlSchatten, s->himmelSchatten, s->elektrisch})
                EXPECT_GE(verlust, 0);
            EXPECT_NEAR(s->boden, ghiAlbedo * (1 - std::cos(neigung * zuRad)) / 2, 1e-9);
            const double verlust = einstrahlung::Himmelsverlust(1.6, schattenN, 1.5);
            if (himmel == wetterjahr::Himmelsmodell::Isotrop) {
                EXPECT_NEAR(s->isotrop, dhi * (1 + std::cos(neigung * zuRad)) / 2, 1e-9);
                EXPECT_EQ(s->zirkumsolar, 0);
                EXPECT_EQ(s->horizont, 0);
                EXPECT_NEAR(s->himmelSchatten, s->isotrop * verlust, 1e-9);
            } else {
                EXPECT_GT(s->zirkumsolar, 0);
                EXPECT_NEAR(s->himmelSchatten, s->isotrop * verlust + s->horizont, 1e-9);
            }
        }
        // Months add up to the year.
        double wirksam = 0;
        for (const wetterjahr::Drei& d : r.monate)
            wirksam += d.ohneBacktracking.wirksam;
        EXPECT_NEAR(wirksam, r.jahr.ohneBacktracking.wirksam, 1e-12 * wirksam);
        // Backtracking pays: without it the partial shade costs whole blocks.
        EXPECT_GT(r.GewinnBacktracking(), 1);
        EXPECT_GT(r.jahr.ohneBacktracking.elektrisch, r.jahr.ohneBacktracking.strahlSchatten);
    }
}

// The block layout: three stacked blocks lose less to a shadow rising from the lower edge than
// three side by side, which it touches at once; the geometry does not change.
TEST(Wetterjahr, BlockanordnungAendertNurDenElektrischenVerlust) {
    const Reihe reihe = KlarerHimmel(
        50.53, 14.48, [](int) { return 2026; }, Wetter);
    const RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, reihe.ort);
    wetterjahr::Optionen quer, hoch, einer;
    hoch.bloecke = {3, 1};
    einer.bloecke = {1, 1};
    const wetterjahr::Ergebnis q = wetterjahr::Rechne(e, reihe, quer);
    const wetterjahr::Ergebnis h = wetterjahr::Rechne(e, reihe, hoch);
    const wetterjahr::Ergebnis n = wetterjahr::Rechne(e, reihe, einer);
    EXPECT_EQ(q.optionen.bloecke.nebeneinander, 3);
    EXPECT_EQ(h.optionen.bloecke.uebereinander, 3);
    const wetterjahr::Summe& a = q.jahr.ohneBacktracking;
    const wetterjahr::Summe& b = h.jahr.ohneBacktracking;
    const wetterjahr::Summe& c = n.jahr.ohneBacktracking;
    EXPECT_EQ(a.Unverschattet(), b.Unverschattet());
    EXPECT_EQ(a.strahlSchatten, b.strahlSchatten);
    EXPECT_EQ(a.teilverschattet, b.teilverschattet);
    EXPECT_GT(a.elektrisch, b.elektrisch);
    // 1x3 and 1x1 lose the same share once shaded: 3/4 against 1/2 of what the shadow leaves.
    EXPECT_NEAR(a.elektrisch / c.elektrisch, 1.5, 1e-12);
    EXPECT_LT(a.wirksam, b.wirksam);
}

// Rows of a typical year come from different years and may count in a month other than their
// UTC date's: each row keeps its own date (the sun and the searches of that date) and counts in
// its zaehlmonat.
TEST(Wetterjahr, JedeZeileBehaeltIhrDatum) {
    const auto jahrVon = [](int monat) { return 2015 + (monat * 7) % 10; }; // 2016, 2019, ...
    const Reihe reihe = KlarerHimmel(-33.87, 151.21, jahrVon);
    RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, reihe.ort);
    e.EndlageStartErr = -3;
    const wetterjahr::Ergebnis w = wetterjahr::Rechne(e, reihe);
    for (int monat = 1; monat <= 12; ++monat) {
        e.Jahr = jahrVon(monat);
        const jahresstudie::Ergebnis klar = jahresstudie::Rechne(e, 60);
        const auto i = static_cast<std::size_t>(monat - 1);
        const jahresstudie::Summe& k = klar.monate[i].mitBacktracking;
        EXPECT_NEAR(w.monate[i].mitBacktracking.direkt, k.strahlung, 1e-12 * k.strahlung) << monat;
        EXPECT_NEAR(w.monate[i].mitBacktracking.strahlSchatten, k.verschattet, 1e-12 * k.strahlung)
            << monat;
        EXPECT_EQ(w.monate[i].mitBacktracking.teilverschattet, k.teilverschattet) << monat;
    }

    // A row of 31 December 23:30 UTC that counts in January (a local new year east of
    // Greenwich) adds to January only.
    Reihe zwei;
    zwei.ort = {-33.87, 151.21, 0};
    Messung m;
    m.jahr = 2025;
    m.monat = 12;
    m.tag = 31;
    m.stunden = 23.5; // 10:30 local: the sun is up
    m.zaehlmonat = 1;
    m.ghi = 700;
    m.dni = 600;
    m.dhi = 150;
    zwei.messungen.push_back(m);
    const wetterjahr::Ergebnis z = wetterjahr::Rechne(e, zwei);
    EXPECT_GT(z.monate[0].mitBacktracking.direkt, 0);
    EXPECT_EQ(z.monate[11].mitBacktracking.Unverschattet(), 0);
    EXPECT_EQ(z.jahr.mitBacktracking.direkt, z.monate[0].mitBacktracking.direkt);
    zwei.messungen[0].zaehlmonat = 13;
    EXPECT_THROW(wetterjahr::Rechne(e, zwei), std::invalid_argument);
}

// Albedo: the row's where given, else the option's; a row's 0 (written by several files in every
// row), 1 or more counts as not given.
TEST(Wetterjahr, AlbedoDerZeileSonstDieVorgabe) {
    Reihe r;
    r.ort = {50.53, 14.48, 0};
    Messung m;
    m.jahr = 2026;
    m.monat = 6;
    m.tag = 21;
    m.stunden = 11;
    m.ghi = 800;
    m.dni = 700;
    m.dhi = 120;
    const RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, r.ort);
    wetterjahr::Optionen o;
    o.albedo = 0.1;
    const struct {
        double zeile, genommen;
    } faelle[] = {{NAN, 0.1},  {0.6, 0.6}, {0.999, 0.999}, {1e-3, 1e-3}, {0, 0.1},
                  {-0.2, 0.1}, {1, 0.1},   {1.5, 0.1},     {9999, 0.1}};
    for (const auto& f : faelle) {
        m.albedo = f.zeile;
        r.messungen = {m};
        EXPECT_NEAR(wetterjahr::Rechne(e, r, o).jahr.ohneFehler.boden,
                    f.genommen * 800 * (1 - std::cos(30 * zuRad)) / 2 / 1000, 1e-15)
            << f.zeile;
    }
    o.albedo = 1.5;
    EXPECT_THROW(wetterjahr::Rechne(e, r, o), std::invalid_argument);
    o.albedo = 0.2;
    o.bloecke = {0, 3};
    EXPECT_THROW(wetterjahr::Rechne(e, r, o), std::invalid_argument);
}

// Rows with the sun at or below the horizon at their instant: the beam is left out and counted,
// the twilight's diffuse light counts as an isotropic sky (Perez needs an air mass), the row in
// front still hides its share of it, and no shade falls.
TEST(Wetterjahr, OhneSonneKeinStrahlUndIsotroperHimmel) {
    Reihe r;
    r.ort = {50.53, 14.48, 0};
    for (double stunden : {0.0, 1.5, 2.5, 19.6, 20.5, 23.0}) { // 21 June: the sun is down
        Messung m;
        m.jahr = 2026;
        m.monat = 6;
        m.tag = 21;
        m.stunden = stunden;
        m.dauer = 0.5;
        m.zaehlmonat = 6;
        m.ghi = 12;
        m.dni = 4;
        m.dhi = 10;
        r.messungen.push_back(m);
    }
    const RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, r.ort);
    const wetterjahr::Ergebnis w = wetterjahr::Rechne(e, r);
    EXPECT_EQ(w.strahlOhneSonne, 6);
    EXPECT_NEAR(w.strahlOhneSonneKwh, 6 * 4 * 0.5 / 1000, 1e-15);
    const double verlust = einstrahlung::Himmelsverlust(1.6, 30, 1.5);
    for (const wetterjahr::Summe* s :
         {&w.jahr.mitBacktracking, &w.jahr.ohneFehler, &w.jahr.ohneBacktracking}) {
        EXPECT_EQ(s->direkt, 0);
        EXPECT_EQ(s->zirkumsolar, 0);
        EXPECT_EQ(s->horizont, 0);
        EXPECT_NEAR(s->isotrop, 6 * 10 * (1 + std::cos(30 * zuRad)) / 2 * 0.5 / 1000, 1e-15);
        EXPECT_NEAR(s->himmelSchatten, s->isotrop * verlust, 1e-15);
        EXPECT_EQ(s->strahlSchatten, 0);
        EXPECT_EQ(s->elektrisch, 0);
        EXPECT_EQ(s->teilverschattet, 0);
    }
}

// With installation errors the sky the row in front hides is that of the shadow's profile (the
// module of the longer shadow, the nominal gap), the light on the module that of the real tilt;
// without the errors both are the nominal ones. An isotropic twilight row shows both at once.
TEST(Wetterjahr, HimmelsverlustMitFehlernAusDemSchattenprofil) {
    Reihe r;
    r.ort = {50.53, 14.48, 0};
    Messung m;
    m.jahr = 2026;
    m.monat = 6;
    m.tag = 21;
    m.stunden = 0; // the sun is down
    m.zaehlmonat = 6;
    m.ghi = m.dhi = 100;
    r.messungen = {m};
    const struct {
        double herr, nerr, aerr;
        double neigung, schattenH, schattenN; // of the way with backtracking
    } faelle[] = {
        {0, 2, 0, 32, 1.6, 32},  // steeper: the real module casts the longer shadow
        {0, -2, 0, 28, 1.6, 30}, // flatter: the nominal one does
        {10, 0, 0, 30, 1.7, 30}, {-10, 0, 0, 30, 1.6, 30},
        {0, 0, 20, 30, 1.6, 30}, // the gap's error leaves the nominal gap
    };
    for (const auto& f : faelle) {
        RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, r.ort);
        e.ModulHErr = f.herr;
        e.ModulNErr = f.nerr;
        e.ModulAErr = f.aerr;
        const wetterjahr::Ergebnis w = wetterjahr::Rechne(e, r);
        SCOPED_TRACE(testing::Message() << f.herr << " " << f.nerr << " " << f.aerr);
        for (const auto& [s, neigung, H, n] :
             {std::tuple{&w.jahr.mitBacktracking, f.neigung, f.schattenH, f.schattenN},
              std::tuple{&w.jahr.ohneBacktracking, f.neigung, f.schattenH, f.schattenN},
              std::tuple{&w.jahr.ohneFehler, 30.0, 1.6, 30.0}}) {
            EXPECT_NEAR(s->isotrop, 0.1 * (1 + std::cos(neigung * zuRad)) / 2, 1e-15);
            EXPECT_NEAR(s->himmelSchatten, s->isotrop * einstrahlung::Himmelsverlust(H, n, 1.5),
                        1e-15);
        }
    }
}

bool GleichBisAufsBit(const wetterjahr::Summe& a, const wetterjahr::Summe& b) {
    return a.direkt == b.direkt && a.isotrop == b.isotrop && a.zirkumsolar == b.zirkumsolar &&
           a.horizont == b.horizont && a.boden == b.boden && a.strahlSchatten == b.strahlSchatten &&
           a.himmelSchatten == b.himmelSchatten && a.elektrisch == b.elektrisch &&
           a.wirksam == b.wirksam && a.teilverschattet == b.teilverschattet;
}

// The sweep forms the sun, the light and the searches once for all values of an installation
// error; each value's year is still the study's to the last bit, for every error and for
// another input, with months from different years.
TEST(Wetterjahr, VariationGleichDerStudieJeWert) {
    const auto jahrVon = [](int monat) { return monat % 2 ? 2019 : 2021; };
    struct Fall {
        double RechenlaufEingabe::*feld;
        std::vector<double> werte;
        double breite, laengeOst;
    };
    const Fall faelle[] = {
        {&RechenlaufEingabe::EndlageStartErr, {-7, 0, 2.5}, 50.53, 14.48},
        {&RechenlaufEingabe::ModulHErr, {-10, 5}, -33.87, 151.21},
        {&RechenlaufEingabe::ModulAErr, {-20, 20}, 36.1, -79.95},
        {&RechenlaufEingabe::ModulNErr, {-2, 3}, 1.35, 103.82},
        {&RechenlaufEingabe::ModulH, {150, 170}, 50.53, 14.48},
    };
    for (const Fall& f : faelle) {
        // Every other day of the months, to keep the test short.
        Reihe reihe = KlarerHimmel(f.breite, f.laengeOst, jahrVon, Wetter);
        std::erase_if(reihe.messungen, [](const Messung& m) { return m.tag % 2 == 0; });
        RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, reihe.ort);
        e.ModulAErr = 3;
        int gemeldet = 0;
        std::mutex sperre;
        const std::vector<wetterjahr::Summe> summen =
            wetterjahr::Variiere(e, reihe, {}, f.feld, f.werte, nullptr, {}, [&] {
                std::lock_guard<std::mutex> s(sperre);
                ++gemeldet;
            });
        EXPECT_EQ(gemeldet, static_cast<int>(f.werte.size()));
        ASSERT_EQ(summen.size(), f.werte.size());
        for (std::size_t i = 0; i < f.werte.size(); ++i) {
            RechenlaufEingabe x = e;
            x.*f.feld = f.werte[i];
            const wetterjahr::Summe s = wetterjahr::Rechne(x, reihe).jahr.mitBacktracking;
            EXPECT_TRUE(GleichBisAufsBit(summen[i], s)) << f.breite << " " << i;
            EXPECT_GT(s.wirksam, 0);
        }
    }
}

// The day chart's rows are the study's: a series of that day alone sums them to the bit.
TEST(Wetterjahr, TagesverlaufWieDieStudie) {
    const Reihe reihe = KlarerHimmel(
        36.1, -79.95, [](int) { return 2026; }, Wetter);
    RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, reihe.ort);
    e.EndlageStartErr = 3;
    for (int tag : {20, 21}) { // a hazy and an overcast day
        const wetterjahr::Tagesverlauf t = wetterjahr::Tag(e, reihe, 2026, 6, tag);
        ASSERT_EQ(t.stunden.size(), 24u);
        Reihe tagAllein;
        for (const Messung& m : reihe.messungen)
            if (m.monat == 6 && m.tag == tag) tagAllein.messungen.push_back(m);
        const wetterjahr::Ergebnis r = wetterjahr::Rechne(e, tagAllein);
        double mit = 0, ohne = 0;
        for (std::size_t i = 0; i < t.stunden.size(); ++i) {
            EXPECT_EQ(t.stunden[i], tagAllein.messungen[i].stunden);
            EXPECT_EQ(t.dni[i], tagAllein.messungen[i].dni);
            EXPECT_EQ(t.ghi[i], tagAllein.messungen[i].ghi);
            EXPECT_EQ(t.dhi[i], tagAllein.messungen[i].dhi);
            mit += t.wirksamMit[i] * (1.0 / 1000);
            ohne += t.wirksamOhneBacktracking[i] * (1.0 / 1000);
        }
        EXPECT_EQ(r.monate[5].mitBacktracking.wirksam, mit);
        EXPECT_EQ(r.monate[5].ohneBacktracking.wirksam, ohne);
        EXPECT_GT(mit, 0);
    }
    EXPECT_TRUE(wetterjahr::Tag(e, reihe, 2025, 6, 21).stunden.empty());
}

// Cancel and progress as the clear-sky study's: the days of rows, one call each, in order.
TEST(Wetterjahr, AbbruchUndFortschritt) {
    const Reihe reihe = KlarerHimmel(50.53, 14.48);
    const RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, reihe.ort);
    EXPECT_EQ(wetterjahr::Tage(reihe), 365);
    std::vector<int> tage;
    const wetterjahr::Ergebnis r =
        wetterjahr::Rechne(e, reihe, {}, nullptr, [&](int t) { tage.push_back(t); });
    EXPECT_FALSE(r.abgebrochen);
    ASSERT_EQ(tage.size(), 365u);
    for (std::size_t i = 0; i < tage.size(); ++i)
        EXPECT_EQ(tage[i], static_cast<int>(i) + 1);
    std::atomic<bool> abbruch{true};
    EXPECT_TRUE(wetterjahr::Rechne(e, reihe, {}, &abbruch).abgebrochen);
    const std::vector<wetterjahr::Summe> v =
        wetterjahr::Variiere(e, reihe, {}, &RechenlaufEingabe::EndlageStartErr, {0, 1}, &abbruch);
    EXPECT_EQ(v[0].wirksam, 0);
}

} // namespace
