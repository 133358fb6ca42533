#include "geometry/sonnenposition.h"
#include "geometry/tracker.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The window's default geometry: A 150, H 160, N 30, L 1500.
TrackerRegel Standard(double hoehe) {
    return BerechneTracker(150, 160, 30, 1500, hoehe);
}

KomplettEingabe StandardKomplett(double hoehe, double stunden) {
    KomplettEingabe e;
    e.ModulL = 1500;
    e.ModulH = 160;
    e.ModulA = 150;
    e.Neigung = 30;
    e.Hoehe = hoehe;
    e.stunden = stunden;
    e.WendeStunde = 11;
    return e;
}

// As the result labels show it.
std::string EineStelle(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", x);
    return text;
}

struct Elevation {
    double hoehe, schatten, korrektur;
};

class ElevationTable : public ::testing::TestWithParam<Elevation> {};

TEST_P(ElevationTable, ShadowAndCorrectionToFourDecimals) {
    const Elevation& f = GetParam();
    const TrackerRegel r = Standard(f.hoehe);
    EXPECT_NEAR(r.Schatten, f.schatten, 0.00005);
    EXPECT_NEAR(r.Korrektur, f.korrektur, 0.00005);
    EXPECT_NEAR(r.HEff, 0.8, 1e-12);
    EXPECT_NEAR(r.Grenzwinkel, 5.7106, 0.00005);
}

INSTANTIATE_TEST_SUITE_P(Standardgeometrie, ElevationTable,
                         ::testing::Values(Elevation{60, 0.4619, 0}, Elevation{30, 1.3856, 0},
                                           Elevation{28, 1.5046, 4.4723},
                                           Elevation{20, 2.1980, 46.9651},
                                           Elevation{10, 4.5370, 70.6940},
                                           Elevation{5, 9.1440, 80.5585},
                                           Elevation{2, 22.9090, 84.2894}));

TEST(TrackerRegel, CorrectionStartsContinuouslyWhereShadowEqualsGap) {
    // Shadow = gap at atan(0.8 / 1.5) = 28.0725 degrees.
    const double grenze = std::atan(Standard(45).HEff / 1.5) * 180 / 3.141592653589793;
    EXPECT_NEAR(grenze, 28.0725, 0.00005);
    EXPECT_EQ(Standard(grenze + 1e-7).Korrektur, 0);
    const double knapp = Standard(grenze - 1e-7).Korrektur;
    EXPECT_GT(knapp, 0);
    EXPECT_LT(knapp, 0.05);
}

TEST(TrackerRegel, SunBelowHorizonCastsNoShadowWhateverTheGeometry) {
    const double geometrien[][4] = {{150, 160, 30, 1500},  {-30, 160, 30, 1500},
                                    {150, 160, -30, 1500}, {150, -40, 30, 1500},
                                    {150, 160, 30, 0},     {0, 0, 0, 0}};
    for (const auto& g : geometrien)
        for (double hoehe : {-0.001, -5.0, -45.0, -90.0}) {
            const TrackerRegel r = BerechneTracker(g[0], g[1], g[2], g[3], hoehe);
            EXPECT_EQ(r.Schatten, 0) << g[0] << " " << g[1] << " " << g[2] << " " << hoehe;
            EXPECT_EQ(r.Korrektur, 0) << g[0] << " " << g[1] << " " << g[2] << " " << hoehe;
        }
}

TEST(TrackerRegel, SunOnTheHorizonTakesTheCappedCorrectionWithoutStoredShadow) {
    const TrackerRegel r = Standard(0);
    EXPECT_NEAR(r.Korrektur, 84.2894, 0.00005);
    EXPECT_EQ(r.Schatten, 0); // endless, kept as 0 so nothing is drawn off the scene
    EXPECT_TRUE(std::isfinite(r.Grenzwinkel));
}

TEST(TrackerRegel, ZeroWidthGivesLimitAngle90AndNoCorrection) {
    const TrackerRegel r = BerechneTracker(150, 160, 30, 0, 5);
    EXPECT_EQ(r.Grenzwinkel, 90);
    EXPECT_EQ(r.Korrektur, 0);
    EXPECT_EQ(BerechneTracker(0, 160, 30, 0, 5).Grenzwinkel, 90);
}

TEST(TrackerRegel, FlatModulesCastNoShadow) {
    for (double hoehe : {0.0, 1e-9, 2.0, 45.0}) {
        const TrackerRegel r = BerechneTracker(150, 160, 0, 1500, hoehe);
        EXPECT_EQ(r.HEff, 0);
        EXPECT_EQ(r.Schatten, 0);
        EXPECT_EQ(r.Korrektur, 0);
    }
}

TEST(TrackerRegel, OddInputsStayFinite) {
    const double abstaende[] = {-1e6, -100, 0, 1, 150, 1e6, 1e300};
    const double hoehen[] = {-500, 0, 1, 160, 1e300};
    const double neigungen[] = {-90, -30, 0, 1e-300, 30, 90, 180, 1e6};
    const double breiten[] = {-10, 0, 5e-324, 1, 1500, 1e300};
    const double elevationen[] = {-90, -1e-300, 0, 5e-324, 1e-300, 1e-10, 2, 45, 90, 135, 360};
    for (double A : abstaende)
        for (double H : hoehen)
            for (double N : neigungen)
                for (double L : breiten)
                    for (double e : elevationen) {
                        const TrackerRegel r = BerechneTracker(A, H, N, L, e);
                        ASSERT_TRUE(std::isfinite(r.NRad) && std::isfinite(r.HEff) &&
                                    std::isfinite(r.Schatten) && std::isfinite(r.Grenzwinkel) &&
                                    std::isfinite(r.Korrektur))
                            << A << " " << H << " " << N << " " << L << " " << e;
                        ASSERT_GE(r.Schatten, 0);
                    }
}

struct Vorzeichenfall {
    double stunden;
    bool immerOst;
    int WendeStunde;
    double erwartet; // for a correction of 10
};

class SignRule : public ::testing::TestWithParam<Vorzeichenfall> {};

TEST_P(SignRule, WholeHourAgainstWendeStunde) {
    const Vorzeichenfall& f = GetParam();
    EXPECT_EQ(VorzeichenKomplett(10, f.immerOst, f.stunden, f.WendeStunde, false), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Komplett, SignRule,
                         ::testing::Values(Vorzeichenfall{11 + 59 / 60.0, false, 11, 10},
                                           Vorzeichenfall{12, false, 11, -10},
                                           Vorzeichenfall{11.25, false, 11, 10},
                                           Vorzeichenfall{6, true, 11, -10},
                                           Vorzeichenfall{12.5, false, 12, 10},
                                           Vorzeichenfall{-0.5, false, 0, 10},
                                           Vorzeichenfall{1e300, false, INT_MAX, -10}));

TEST(SignRule, SearchIgnoresTheCheckBoxAndZeroStaysPositive) {
    EXPECT_EQ(VorzeichenSuche(10, 11, 11, false), 10);
    EXPECT_EQ(VorzeichenSuche(10, 12, 11, false), -10);
    EXPECT_FALSE(std::signbit(VorzeichenKomplett(0, true, 18, 11, false)));
    EXPECT_FALSE(std::signbit(VorzeichenSuche(0, 18, 11, false)));
}

struct Verschattungsfall {
    const char* name;
    double hoehe, stunden, EndlageStartErr;
    double WinkelZurSonne, Verschattung;
};

class Shading : public ::testing::TestWithParam<Verschattungsfall> {};

TEST_P(Shading, RemainingOverlapPastTheGap) {
    const Verschattungsfall& f = GetParam();
    KomplettEingabe e = StandardKomplett(f.hoehe, f.stunden);
    e.EndlageStartErr = f.EndlageStartErr;
    const KomplettErgebnis r = BerechneKomplett(e);
    EXPECT_NEAR(r.WinkelZurSonne, f.WinkelZurSonne, 0.00005);
    EXPECT_NEAR(r.Verschattung, f.Verschattung, 0.00005);
    EXPECT_GE(r.Verschattung, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Standardgeometrie, Shading,
    ::testing::Values(Verschattungsfall{"morgens_ohne_Fehler", 10, 8, 0, 70.6940, 0},
                      Verschattungsfall{"Ostanschlag_plus5", 10, 8, 5, 70.6940, 0},
                      Verschattungsfall{"Ostanschlag_minus5", 10, 8, -5, 70.6940, 0.3675},
                      Verschattungsfall{"gekappt", 2, 8, 0, 84.2894, 0.7795},
                      Verschattungsfall{"abends_gekappt", 2, 16, 0, -84.2894, 0.7795},
                      Verschattungsfall{"ohne_Korrektur", 45, 8, -5, 0, 0},
                      Verschattungsfall{"unter_Horizont", -3, 8, -5, 0, 0},
                      Verschattungsfall{"auf_Horizont", 0, 8, 0, 84.2894, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Komplett, WithoutErrorsTheRuleOfTheNominalGeometryApplies) {
    for (double hoehe : {60.0, 28.0, 20.0, 10.0, 5.0, 2.0}) {
        const KomplettErgebnis r = BerechneKomplett(StandardKomplett(hoehe, 9));
        const TrackerRegel t = Standard(hoehe);
        EXPECT_EQ(r.WinkelZurSonne, t.Korrektur);
        EXPECT_EQ(r.Schatten, t.Schatten);
        EXPECT_EQ(r.SchattenErr, r.Schatten);
        EXPECT_EQ(r.ModulHEff, r.ModulHEffErr);
        EXPECT_NEAR(r.Verschattung, 0, hoehe > 2 ? 1e-9 : 1); // 0 unless capped
    }
}

TEST(Komplett, ErrorsDriveTheCorrectionAndTheShading) {
    KomplettEingabe e = StandardKomplett(15, 9);
    e.ModulHErr = 20; // taller modules, steeper tilt: a longer real shadow
    e.NeigungErr = 5;
    e.ModulAErr = 30; // rows further apart than planned: the tracker turns less
    const KomplettErgebnis r = BerechneKomplett(e);
    const TrackerRegel real = BerechneTracker(180, 180, 35, 1500, 15);
    EXPECT_EQ(r.WinkelZurSonne, real.Korrektur);
    EXPECT_EQ(r.SchattenErr, real.Schatten);
    EXPECT_EQ(r.Schatten, Standard(15).Schatten); // the label keeps the nominal shadow
    EXPECT_GT(r.SchattenErr, r.Schatten);
    // Turned for the real 1.8 m gap, the shadow overshoots the nominal 1.5 m by 0.3 m.
    EXPECT_NEAR(r.Verschattung, 0.3, 1e-9);
}

TEST(Komplett, OddInputsStayFinite) {
    const double werte[] = {-1e6, -80, 0, 5e-324, 30, 1e6};
    const double hoehen[] = {-10, 0, 1e-300, 3, 90};
    for (double w : werte)
        for (double err : werte)
            for (double hoehe : hoehen)
                for (double startErr : {-20.0, 0.0, 1e6}) {
                    KomplettEingabe e = StandardKomplett(hoehe, 15);
                    e.ModulL = w;
                    e.ModulA = w;
                    e.ModulAErr = err;
                    e.ModulHErr = err;
                    e.NeigungErr = err;
                    e.EndlageStartErr = startErr;
                    const KomplettErgebnis r = BerechneKomplett(e);
                    ASSERT_TRUE(std::isfinite(r.Schatten) && std::isfinite(r.SchattenErr) &&
                                std::isfinite(r.WinkelZurSonne) && std::isfinite(r.Verschattung) &&
                                std::isfinite(r.ModulHEffErr))
                        << w << " " << err << " " << hoehe << " " << startErr;
                    ASSERT_GE(r.Verschattung, 0);
                    if (r.WinkelZurSonne == 0) {
                        ASSERT_EQ(r.Verschattung, 0);
                    }
                }
}

TEST(TageImMonat, GregorianLeapRule) {
    EXPECT_EQ(TageImMonat(2008, 2), 29);
    EXPECT_EQ(TageImMonat(2009, 2), 28);
    EXPECT_EQ(TageImMonat(1900, 2), 28);
    EXPECT_EQ(TageImMonat(2000, 2), 29);
    EXPECT_EQ(TageImMonat(2100, 2), 28);
    EXPECT_EQ(TageImMonat(2009, 4), 30);
    EXPECT_EQ(TageImMonat(2009, 12), 31);
    EXPECT_EQ(TageImMonat(2009, 0), 31); // odd months let the day run on
    EXPECT_EQ(TageImMonat(2009, 13), 31);
}

struct Wendefall {
    const char* name;
    int monat, tag;
    double MorgenPos;
};

class SonnenwendeSearch : public ::testing::TestWithParam<Wendefall> {};

TEST_P(SonnenwendeSearch, HomeSite2008) {
    const Wendefall& f = GetParam();
    Sonnenwende w; // WendeStunde 12 from the window's start
    Arbeitswerte a;
    SuchZaehler z;
    const int schritte =
        BerechneSonnenwende(SuchGeometrie{}, 2008, f.monat, f.tag, 50.53, -14.48, w, a, &z);
    EXPECT_EQ(schritte, 41);
    EXPECT_EQ(w.WendeStunde, 11);
    EXPECT_EQ(w.WendeMinute, 15);
    EXPECT_NEAR(w.MorgenPos, f.MorgenPos, 0.005);
    EXPECT_EQ(z.sonnenPositionen, 41);
    EXPECT_EQ(z.trackerRegeln, 41);
    // The scratch values are those of the last step, 11:15.
    double az, h;
    SonnenPosition(2008, f.monat, f.tag, 11.25, 50.53, -14.48, az, h);
    EXPECT_EQ(a.Azimut, az);
    EXPECT_EQ(a.Hoehe, h);
    EXPECT_NEAR(a.ModulHEff, 0.8, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Heimstandort, SonnenwendeSearch,
                         ::testing::Values(Wendefall{"Juli", 7, 7, 138.93},
                                           Wendefall{"Dezember", 12, 21, 214.50}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Polarfall {
    const char* name;
    int jahr, monat, tag;
    double breite;
    int letzterJahr, letzterMonat, letzterTag; // date of step 360, 19:00 UTC three days on
};

class PolarNight : public ::testing::TestWithParam<Polarfall> {};

TEST_P(PolarNight, KeepsPreviousValuesAndCarriesTheDate) {
    const Polarfall& f = GetParam();
    Sonnenwende w;
    w.WendeStunde = 10;
    w.WendeMinute = 45;
    w.MorgenPos = 123.0;
    Arbeitswerte a;
    const int schritte =
        BerechneSonnenwende(SuchGeometrie{}, f.jahr, f.monat, f.tag, f.breite, -14.48, w, a);
    EXPECT_EQ(schritte, 360);
    EXPECT_EQ(w.WendeStunde, 10);
    EXPECT_EQ(w.WendeMinute, 45);
    EXPECT_EQ(w.MorgenPos, 123.0);
    double az, h;
    SonnenPosition(f.letzterJahr, f.letzterMonat, f.letzterTag, 19.0, f.breite, -14.48, az, h);
    EXPECT_EQ(a.Azimut, az);
    EXPECT_EQ(a.Hoehe, h);
}

INSTANTIATE_TEST_SUITE_P(Datumsuebertrag, PolarNight,
                         ::testing::Values(Polarfall{"Jahreswechsel", 2008, 12, 31, 80, 2009, 1, 3},
                                           Polarfall{"Schaltjahr", 2008, 2, 27, 89, 2008, 3, 1},
                                           Polarfall{"Gemeinjahr", 2009, 2, 27, 89, 2009, 3, 2},
                                           Polarfall{"Monatsende", 2008, 11, 29, 80, 2008, 12, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Sonnenwende, MidnightSunKeepsMorgenPos) {
    Sonnenwende w;
    w.MorgenPos = 77.0;
    Arbeitswerte a;
    const int schritte = BerechneSonnenwende(SuchGeometrie{}, 2008, 6, 21, 80, -14.48, w, a);
    EXPECT_LT(schritte, 360);
    EXPECT_EQ(w.MorgenPos, 77.0); // never below the horizon, so no sunrise step
    EXPECT_EQ(w.WendeStunde, 11);
}

struct Stopfall {
    const char* name;
    bool immerOst;
    const char *west, *ost;
};

class StopExtremes : public ::testing::TestWithParam<Stopfall> {};

TEST_P(StopExtremes, HomeSite2008WithWendeStunde11) {
    const Stopfall& f = GetParam();
    Arbeitswerte a;
    SuchZaehler z;
    const StopMax s = BerechneStopMax(SuchGeometrie{}, 2008, 50.53, -14.48, f.immerOst, 11, a, &z);
    EXPECT_EQ(EineStelle(s.West), f.west);
    EXPECT_EQ(EineStelle(s.Ost), f.ost);
    EXPECT_EQ(z.sonnenPositionen, 960);
    EXPECT_LT(z.trackerRegeln, 960);
    EXPECT_GT(z.trackerRegeln, 0);
}

INSTANTIATE_TEST_SUITE_P(Heimstandort, StopExtremes,
                         ::testing::Values(Stopfall{"Standard", false, "273.2", "87.0"},
                                           Stopfall{"immerOst", true, "273.2", "-33.0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StopMax, DayWithoutSunContributesNothing) {
    // At 89 N the sun never rises on 21 December: all 480 June instants and no December one.
    Arbeitswerte a;
    SuchZaehler z;
    const StopMax s = BerechneStopMax(SuchGeometrie{}, 2008, 89, -14.48, false, 12, a, &z);
    EXPECT_EQ(z.trackerRegeln, 480);
    EXPECT_GT(s.West, 300);
    EXPECT_LT(s.Ost, 60);
}

TEST(Searches, OddInputsStayFinite) {
    const SuchGeometrie geometrien[] = {{1500, 160, 150, 30},
                                        {0, 0, 0, 0},
                                        {1, 500, -80, 90},
                                        {INT_MAX, INT_MAX, INT_MIN, INT_MIN}};
    const int daten[][3] = {{2008, 7, 7},       {INT_MAX, 12, 31},  {INT_MIN, 1, 1},
                            {2008, 2, INT_MAX}, {2008, INT_MAX, 1}, {2008, -3, -5}};
    for (const SuchGeometrie& g : geometrien)
        for (const auto& d : daten)
            for (double breite : {-90.0, 0.0, 50.53, 90.0}) {
                Sonnenwende w;
                Arbeitswerte a;
                BerechneSonnenwende(g, d[0], d[1], d[2], breite, 180, w, a);
                const StopMax s = BerechneStopMax(g, d[0], breite, -180, true, INT_MIN, a);
                ASSERT_TRUE(std::isfinite(w.MorgenPos) && std::isfinite(s.West) &&
                            std::isfinite(s.Ost) && std::isfinite(a.Schatten) &&
                            std::isfinite(a.WinkelZurSonne))
                    << d[0] << "-" << d[1] << "-" << d[2] << " " << breite;
            }
}

} // namespace
