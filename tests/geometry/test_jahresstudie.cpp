// The year study's pieces: air mass and beam irradiance at their published values, the shaded
// share against an independent ray cast through the rows, the angle of incidence, and a year
// whose shading is known by construction.
#include "geometry/jahresstudie.h"
#include "geometry/sonnenposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
double Rad(double grad) {
    return grad * pi / 180;
}

// Kasten and Young's formula as published (1989), to four decimals, and Meinel's clear-sky
// beam from it (947 W/m^2 with the sun overhead).
TEST(Jahresstudie, LuftmasseUndDirektstrahlung) {
    const struct {
        double zenit, luftmasse, dni;
    } faelle[] = {{0, 0.9997, 947.17}, {60, 1.9943, 765.50}, {80, 5.5860, 430.55},
                  {89, 26.3106, 51.20}};
    for (const auto& f : faelle) {
        EXPECT_NEAR(jahresstudie::Luftmasse(f.zenit), f.luftmasse, 5e-5) << f.zenit;
        EXPECT_NEAR(jahresstudie::Direktstrahlung(f.zenit), f.dni, 5e-3) << f.zenit;
    }
    EXPECT_EQ(jahresstudie::Direktstrahlung(90), 0);
    EXPECT_EQ(jahresstudie::Direktstrahlung(120), 0);
}

// The shaded share of the next row's face, cast as a ray in three dimensions: the rows face
// the azimuth difference delta away from the sun; the ray leaves the top edge of one row
// against the sun's direction and meets the plane of the next row's face.
double Strahl(double H, double N, double a, double hoehe, double delta) {
    const double heff = H * std::sin(Rad(N)), c = H * std::cos(Rad(N));
    // u: across the rows towards the side they face, v: along the rows, z: up.
    const double su = std::cos(Rad(hoehe)) * std::cos(Rad(delta));
    const double sz = std::sin(Rad(hoehe));
    // Top edge of the first row at u = -c, height heff; the next face from (-c - a, 0) up to
    // (-2c - a, heff): u + c z / heff + c + a = 0.
    const double nenner = su + c * sz / heff;
    if (nenner <= 0) return 0; // the ray runs away from the next row
    const double t = (c + a) / nenner;
    const double z = heff - t * sz;
    return std::clamp(z / heff, 0.0, 1.0);
}

TEST(Jahresstudie, VerschatteterAnteilWieDerStrahl) {
    const struct {
        double H, N, a;
    } geometrien[] = {{1.6, 30, 1.5}, {1.6, 30, 0.2}, {2.4, 60, 0.8}, {1.0, 10, 3.0},
                      {3.0, 85, 0.5}};
    int verschattet = 0;
    for (const auto& g : geometrien) {
        for (double hoehe : {0.5, 2.0, 5.0, 10.0, 20.0, 35.0, 60.0}) {
            for (double delta : {0.0, 15.0, 40.0, 70.0, 89.0}) {
                const double heff = g.H * std::sin(Rad(g.N));
                // The overlap as the calculation forms it: the shadow across the rows minus
                // the gap.
                const double quer = heff / std::tan(Rad(hoehe)) * std::sin(Rad(90 - delta));
                const double d = std::max(0.0, quer - g.a);
                const double f = jahresstudie::VerschatteterAnteil(d, g.a, g.H * std::cos(Rad(g.N)));
                EXPECT_NEAR(f, Strahl(g.H, g.N, g.a, hoehe, delta), 1e-12)
                    << g.H << " " << g.N << " " << g.a << " " << hoehe << " " << delta;
                if (f > 0) ++verschattet;
            }
        }
    }
    EXPECT_GT(verschattet, 30); // the table reaches shaded and unshaded cases alike
    EXPECT_EQ(jahresstudie::VerschatteterAnteil(0, 1.5, 1.4), 0);
    EXPECT_EQ(jahresstudie::VerschatteterAnteil(-0.2, 1.5, 1.4), 0);
}

TEST(Jahresstudie, Einfallskosinus) {
    // Facing the sun with the module at right angles to it.
    EXPECT_NEAR(jahresstudie::Einfallskosinus(135, 25, 135, 65), 1, 1e-12);
    // Flat module: the sine of the elevation, wherever it faces.
    EXPECT_NEAR(jahresstudie::Einfallskosinus(80, 30, 200, 0), 0.5, 1e-12);
    // Turned 90 degrees away: only the tilt's share of the vertical.
    EXPECT_NEAR(jahresstudie::Einfallskosinus(90, 30, 180, 30), std::sin(Rad(30)) * std::cos(Rad(30)),
                1e-12);
}

// Without installation errors the rows shade each other only where the correction is
// capped at 90 - limit angle; everywhere else the share is 0 up to rounding.
TEST(Jahresstudie, OhneFehlerNurBeiGekappterKorrektur) {
    RechenlaufEingabe e; // the default site and geometry
    for (const int monat : {1, 3, 6, 9, 12}) {
        e.Monat = monat;
        e.Tag = 15;
        const Suchstand s = BerechneSuchen(e);
        const double G = Grenzwinkel(e.ModulA, e.ModulL);
        int gekappt = 0;
        for (int minute = 0; minute < 24 * 60; minute += 5) {
            const double stunden = minute / 60.0;
            const jahresstudie::Augenblick a = jahresstudie::Berechne(e, s, stunden);
            if (a.dni <= 0) continue;
            double az = 0, hoehe = 0;
            SonnenPosition(e.Jahr, e.Monat, e.Tag, stunden, e.Phi, e.Lam, az, hoehe);
            const bool kappe = std::fabs(std::fabs(a.trackerPos - az) - (90 - G)) < 1e-9;
            if (kappe) ++gekappt;
            if (!kappe) {
                EXPECT_LT(a.fMit, 1e-9) << monat << " " << stunden;
            }
            EXPECT_EQ(a.fMit, a.fOhneF);
            EXPECT_GE(a.fOhneB, a.fMit);
        }
        EXPECT_GT(gekappt, 0) << monat; // low sun caps the correction every day
    }
}

// A year: with no errors the two first ways agree; backtracking gives up about the beam that
// shading would take, but leaves far fewer partly shaded hours.
TEST(Jahresstudie, Jahr) {
    RechenlaufEingabe e;
    const jahresstudie::Ergebnis r = jahresstudie::Rechne(e, 15);
    ASSERT_FALSE(r.abgebrochen);
    EXPECT_GT(r.augenblicke, 365 * 8 * 4 / 2);
    const auto& j = r.jahr;
    EXPECT_DOUBLE_EQ(j.mitBacktracking.strahlung, j.ohneFehler.strahlung);
    EXPECT_DOUBLE_EQ(j.mitBacktracking.verschattet, j.ohneFehler.verschattet);
    EXPECT_GT(j.ohneBacktracking.VerlustProzent(), 5 * j.mitBacktracking.VerlustProzent());
    EXPECT_GT(j.ohneBacktracking.teilverschattet, 2 * j.mitBacktracking.teilverschattet);
    double summe = 0;
    for (const auto& m : r.monate) summe += m.mitBacktracking.strahlung;
    EXPECT_NEAR(summe, j.mitBacktracking.strahlung, 1e-9 * summe);
    EXPECT_GT(j.mitBacktracking.strahlung, 1000); // kWh/m^2 of clear-sky beam
    EXPECT_LT(j.mitBacktracking.strahlung, 4000);
    // The extremes lie within what the positions can be and the solstice search agrees
    // roughly with the year's.
    EXPECT_LE(r.kleinste.position, r.groesste.position);
    EXPECT_NEAR(r.groesste.position, r.stop.West, 5);
    EXPECT_NEAR(r.kleinste.position, r.stop.Ost, 5);
    EXPECT_GT(r.weg, 365 * 100);

    // An error makes it worse.
    RechenlaufEingabe f = e;
    f.EndlageStartErr = 5;
    const jahresstudie::Ergebnis rf = jahresstudie::Rechne(f, 15);
    EXPECT_GT(rf.jahr.mitBacktracking.VerlustProzent(), j.mitBacktracking.VerlustProzent());
    EXPECT_DOUBLE_EQ(rf.jahr.ohneFehler.verschattet, j.ohneFehler.verschattet);

    std::atomic<bool> abbruch{true};
    EXPECT_TRUE(jahresstudie::Rechne(e, 15, &abbruch).abgebrochen);
}

} // namespace
