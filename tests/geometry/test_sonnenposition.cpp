#include "geometry/sonnenposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <ostream>

namespace {

using std::numbers::pi;
constexpr double grad = pi / 180;

struct Position {
    const char* name;
    int jahr, monat, tag;
    double stunden, breite, laenge;
    double azimut, hoehe; // to 3 decimals
};

std::ostream& operator<<(std::ostream& os, const Position& p) {
    return os << p.name;
}

class WorkedPositions : public ::testing::TestWithParam<Position> {};

TEST_P(WorkedPositions, MatchToThreeDecimals) {
    const Position& p = GetParam();
    double az = -1, h = -1;
    SonnenPosition(p.jahr, p.monat, p.tag, p.stunden, p.breite, p.laenge, az, h);
    EXPECT_NEAR(az, p.azimut, 0.0005);
    EXPECT_NEAR(h, p.hoehe, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(
    Sonnenposition, WorkedPositions,
    ::testing::Values(
        Position{"Sommer_Heimstandort", 2008, 7, 7, 11, 50.53, -14.48, 176.516, 61.951},
        Position{"Sommer_51N_13O", 2008, 7, 7, 11, 51, -13, 173.713, 61.403},
        Position{"Winter_Heimstandort", 2008, 12, 21, 11, 50.53, -14.48, 179.910, 16.031},
        Position{"J2000_Aequator", 2000, 1, 1, 12, 0, 0, 178.039, 66.953}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SonnenpositionSchritte, J2000Epoch) {
    const double JD = JulianischerTag(2000, 1, 1, 12);
    EXPECT_EQ(JD, 2451545.0);
    EXPECT_EQ(JahrhunderteSeitJ2000(JD), 0.0);
    EXPECT_EQ(SternzeitSekunden(0), 67310.54841);
}

TEST(SonnenpositionSchritte, WinterSolsticeDeclination) {
    const double T = JahrhunderteSeitJ2000(JulianischerTag(2008, 12, 21, 11));
    EXPECT_NEAR(SonneAequatorial(T).Deklination / grad, -23.439, 0.0005);
}

TEST(Sonnenposition, JanuaryAndFebruaryCountAsMonthsOfThePreviousYear) {
    EXPECT_EQ(JulianischerTag(2009, 2, 15, 10.5), JulianischerTag(2009, 1, 46, 10.5));
    double az1, h1, az2, h2;
    SonnenPosition(2009, 2, 15, 10.5, 50.53, -14.48, az1, h1);
    SonnenPosition(2009, 1, 46, 10.5, 50.53, -14.48, az2, h2);
    EXPECT_EQ(az1, az2);
    EXPECT_EQ(h1, h2);
    // And a day past the year's end runs into the next year.
    EXPECT_EQ(JulianischerTag(2008, 12, 32, 0), JulianischerTag(2009, 1, 1, 0));
}

TEST(Sonnenposition, PositiveLongitudeIsWestWithEarlierSolarTime) {
    double azWest, hWest, azOst, hOst;
    SonnenPosition(2008, 7, 7, 9, 50, +13, azWest, hWest);
    SonnenPosition(2008, 7, 7, 9, 50, -13, azOst, hOst);
    EXPECT_LT(azWest, azOst); // morning: the western site sees the sun further east and lower
    EXPECT_LT(hWest, hOst);
    // 26 degrees of longitude are 104 minutes of solar time.
    double az, h;
    SonnenPosition(2008, 7, 7, 9 - 26.0 / 15, 50, -13, az, h);
    EXPECT_NEAR(az, azWest, 0.05);
    EXPECT_NEAR(h, hWest, 0.05);
}

// Hour angle as the routine forms it, to construct sites with an exact hour angle.
double Stundenwinkel(double T, double laenge) {
    const double theta = SternzeitSekunden(T) * (1.0 / 3600) * grad * 15;
    double H = theta - laenge * grad - SonneAequatorial(T).Rektaszension;
    return H - 2 * pi * std::floor(H / (2 * pi));
}

// Longitude near the first guess whose hour angle at T is exactly ziel, found by stepping
// through neighbouring doubles; NaN when none is within reach.
double LaengeFuerStundenwinkel(double T, double ziel) {
    const double theta = SternzeitSekunden(T) * (1.0 / 3600) * grad * 15;
    double l = (theta - SonneAequatorial(T).Rektaszension - ziel) / grad;
    for (int i = 0; i < 40; ++i)
        l = std::nextafter(l, -1e9);
    for (int i = 0; i < 80; ++i, l = std::nextafter(l, 1e9))
        if (Stundenwinkel(T, l) == ziel) return l;
    return NAN;
}

TEST(Sonnenposition, HourAnglePiGivesAzimuth360) {
    const double T = JahrhunderteSeitJ2000(JulianischerTag(2000, 1, 1, 12));
    const double laenge = LaengeFuerStundenwinkel(T, pi);
    ASSERT_FALSE(std::isnan(laenge));
    double az, h;
    SonnenPosition(2000, 1, 1, 12, 40, laenge, az, h);
    EXPECT_EQ(az, 360.0);
    EXPECT_LT(h, 0); // lower culmination in the northern winter
    // A hair further on the sun is east of north and the azimuth starts again near 0.
    SonnenPosition(2000, 1, 1, 12, 40, laenge - 1e-9, az, h);
    EXPECT_LT(az, 1e-3);
}

TEST(Sonnenposition, ZenithGivesAzimuth180) {
    const double T = JahrhunderteSeitJ2000(JulianischerTag(2000, 1, 1, 12));
    const double laenge = LaengeFuerStundenwinkel(T, 0);
    ASSERT_FALSE(std::isnan(laenge));
    // The latitude of the declination, stepped until the cosine of the zenith distance
    // rounds to 1 (or past it, which the clamp takes).
    double breite = SonneAequatorial(T).Deklination / grad;
    for (int i = 0; i < 40; ++i)
        breite = std::nextafter(breite, -1e9);
    bool gefunden = false;
    for (int i = 0; i < 80 && !gefunden; ++i, breite = std::nextafter(breite, 1e9)) {
        double az, h;
        SonnenPosition(2000, 1, 1, 12, breite, laenge, az, h);
        if (h == 90) {
            EXPECT_EQ(az, 180.0);
            gefunden = true;
        }
    }
    EXPECT_TRUE(gefunden);
}

TEST(Sonnenposition, OddInputsGiveFiniteDirections) {
    const int jahre[] = {INT_MIN, -4713, 0, 1582, 2008, 9999, INT_MAX};
    const int monate[] = {INT_MIN, -5, 0, 1, 2, 3, 12, 13, 25, INT_MAX};
    const int tage[] = {INT_MIN, -400, 0, 1, 31, 400, INT_MAX};
    const double stunden[] = {-1e300, -1e6, -0.5, 0, 11.75, 24, 1e6, 1e300};
    const double breiten[] = {-1e300, -90, -45, 0, 23.44, 90, 91, 1e300};
    const double laengen[] = {-1e300, -180, -14.48, 0, 180, 1e300};
    for (int j : jahre)
        for (int m : monate)
            for (int t : tage)
                for (double s : stunden)
                    for (double b : breiten)
                        for (double l : laengen) {
                            double az = NAN, h = NAN;
                            SonnenPosition(j, m, t, s, b, l, az, h);
                            ASSERT_TRUE(std::isfinite(az) && std::isfinite(h))
                                << j << "-" << m << "-" << t << " " << s << "h " << b << " " << l;
                            ASSERT_GE(az, 0);
                            ASSERT_LE(az, 360);
                            ASSERT_GE(h, -90);
                            ASSERT_LE(h, 90);
                        }
}


// The site-bound position of the year study against the window's, at every minute of a year
// at sites from the poles to the tropics (where the sun passes the zenith and the azimuth
// turns fastest): the same to 1e-9 degrees, with the elevation's sine and cosine.
TEST(Sonnenort, WieSonnenPositionAufEinMilliardstelGrad) {
    struct Ort {
        double breite, laenge;
    };
    const Ort orte[] = {{50.53, -14.48}, {0, 0},       {23.0, -100},    {6.19, 149.03},
                        {-33.9, -18.4},  {78.2, -15.6}, {-89.5, 120}};
    for (const Ort& o : orte) {
        const Sonnenort ort(o.breite, o.laenge);
        double schlimmsteHoehe = 0, schlimmsterAzimut = 0, schlimmsterSinus = 0;
        for (int monat = 1; monat <= 12; ++monat)
            for (int tag = 1; tag <= 31; tag += (monat == 6 ? 1 : 3))
                for (int minute = 0; minute < 24 * 60; ++minute) {
                    const double stunden = minute / 60.0;
                    double az = 0, h = 0;
                    SonnenPosition(2026, monat, tag, stunden, o.breite, o.laenge, az, h);
                    const Sonnenstand s = ort.Position(2026, monat, tag, stunden);
                    schlimmsteHoehe = std::max(schlimmsteHoehe, std::fabs(s.hoehe - h));
                    // 0 and 360 are one direction.
                    const double d = std::fabs(s.azimut - az);
                    schlimmsterAzimut = std::max(schlimmsterAzimut, std::min(d, 360 - d));
                    schlimmsterSinus = std::max(
                        {schlimmsterSinus, std::fabs(s.sinHoehe - std::sin(h * grad)),
                         std::fabs(s.cosHoehe - std::cos(h * grad))});
                }
        EXPECT_LT(schlimmsteHoehe, 1e-9) << o.breite;
        EXPECT_LT(schlimmsterAzimut, 1e-9) << o.breite;
        EXPECT_LT(schlimmsterSinus, 1e-12) << o.breite;
    }
    // Where SonnenPosition reports a direction for an impossible time, this does too.
    const Sonnenstand fern = Sonnenort(50, 0).Position(2008, 1, 1, 1e300);
    EXPECT_EQ(fern.azimut, 180);
    EXPECT_EQ(fern.hoehe, -90);
}

} // namespace
