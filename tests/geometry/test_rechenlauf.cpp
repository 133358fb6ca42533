#include "geometry/rechenlauf.h"
#include "geometry/sonnenposition.h"
#include "tools/calc_optionen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(Rechenlauf, DefaultsGiveTheHomeSiteOn7July2008) {
    const RechenlaufErgebnis r = Rechenlauf(RechenlaufEingabe{});
    EXPECT_NEAR(r.Azimut, 176.516, 0.0005);
    EXPECT_NEAR(r.Hoehe, 61.951, 0.0005);
    EXPECT_EQ(r.WinkelZurSonne, 0); // high sun: the shadow fits into the gap
    EXPECT_EQ(r.Verschattung, 0);
    EXPECT_EQ(r.TrackerPos, r.Azimut);
    EXPECT_EQ(r.WendeStunde, 11);
    EXPECT_EQ(r.WendeMinute, 15);
    EXPECT_EQ(r.wendeSchritte, 41);
    EXPECT_NEAR(r.MorgenPos, 138.93, 0.005);
    // 480 instants on each solstice, 41 search steps and the instant itself.
    EXPECT_EQ(r.zaehler.sonnenPositionen, 1002);
    EXPECT_LE(r.zaehler.trackerRegeln, r.zaehler.sonnenPositionen);
}

TEST(Rechenlauf, StopSearchSignsWithThePreviousWendeStunde) {
    RechenlaufEingabe e;
    e.WendeStunde = 11;
    RechenlaufErgebnis r = Rechenlauf(e);
    EXPECT_NEAR(r.AWestMax, 273.2, 0.05);
    EXPECT_NEAR(r.AOstMax, 87.0, 0.05);
    e.OstTracken = true;
    r = Rechenlauf(e);
    EXPECT_NEAR(r.AWestMax, 273.2, 0.05);
    EXPECT_NEAR(r.AOstMax, -33.0, 0.05);
    // 12 before the first search: the afternoon's first hour still turns west.
    e = RechenlaufEingabe{};
    EXPECT_GT(Rechenlauf(e).AWestMax, 273.25);
}

TEST(Rechenlauf, SignFlipsAtTheWholeHourAfterTheFoundSonnenwende) {
    // 21 December: low sun all day, and the search finds 11:15 whatever came before.
    RechenlaufEingabe e;
    e.Monat = 12;
    e.Tag = 21;
    e.WendeStunde = 12;
    struct Fall {
        double stunde;
        int minute;
        bool positiv;
    };
    for (const Fall f : {Fall{11, 59, true}, Fall{12, 0, false}, Fall{11.5, 29, true}}) {
        e.Stunde = f.stunde;
        e.Minute = f.minute;
        const RechenlaufErgebnis r = Rechenlauf(e);
        EXPECT_EQ(r.WendeStunde, 11);
        ASSERT_NE(r.WinkelZurSonne, 0) << f.stunde << ":" << f.minute;
        EXPECT_EQ(r.WinkelZurSonne > 0, f.positiv) << f.stunde << ":" << f.minute;
        EXPECT_EQ(r.TrackerPos, r.Azimut + r.WinkelZurSonne);
    }
}

TEST(Rechenlauf, InstantIsHourPlusMinutesOverSixty) {
    RechenlaufEingabe e;
    e.Stunde = 9.5;
    e.Minute = 30;
    double az, h;
    SonnenPosition(2008, 7, 7, 10.0, 50.53, -14.48, az, h);
    const RechenlaufErgebnis r = Rechenlauf(e);
    EXPECT_EQ(r.Azimut, az);
    EXPECT_EQ(r.Hoehe, h);
}

TEST(Rechenlauf, FailedSearchKeepsTheCarriedState) {
    RechenlaufEingabe e;
    e.Phi = 80;
    e.Monat = 12;
    e.Tag = 21;
    e.WendeStunde = 9;
    e.WendeMinute = 30;
    e.MorgenPos = 111;
    const RechenlaufErgebnis r = Rechenlauf(e);
    EXPECT_EQ(r.WendeStunde, 9);
    EXPECT_EQ(r.WendeMinute, 30);
    EXPECT_EQ(r.MorgenPos, 111);
    EXPECT_EQ(r.wendeSchritte, 360);
    EXPECT_EQ(r.zaehler.sonnenPositionen, 960 + 360 + 1);
    EXPECT_EQ(r.Schatten, 0);
}

TEST(Rechenlauf, SearchGeometryMustBeWhole) {
    RechenlaufEingabe e;
    e.ModulHErr = 2.5; // errors are read as decimals
    EXPECT_NO_THROW(Rechenlauf(e));
    for (double RechenlaufEingabe::*feld :
         {&RechenlaufEingabe::ModulL, &RechenlaufEingabe::ModulH, &RechenlaufEingabe::ModulA,
          &RechenlaufEingabe::ModulN}) {
        RechenlaufEingabe f;
        f.*feld = 160.5;
        EXPECT_THROW(SuchGeometrieAus(f), std::invalid_argument);
        f.*feld = 1e10;
        EXPECT_THROW(SuchGeometrieAus(f), std::invalid_argument);
    }
}

// ---- command line of heliowendler-calc ----

bool Lies(std::vector<const char*> args, calc::Optionen& o, std::string& fehler) {
    args.insert(args.begin(), "heliowendler-calc");
    return calc::LeseOptionen(static_cast<int>(args.size()), args.data(), o, fehler);
}

TEST(CalcOptionen, NoOptionsKeepTheDefaults) {
    calc::Optionen o;
    std::string fehler;
    ASSERT_TRUE(Lies({}, o, fehler));
    EXPECT_EQ(o.eingabe.Jahr, 2008);
    EXPECT_EQ(o.eingabe.Phi, 50.53);
    EXPECT_EQ(o.eingabe.Lam, -14.48);
    EXPECT_EQ(o.eingabe.WendeStunde, 12);
    EXPECT_FALSE(o.eingabe.OstTracken);
    EXPECT_EQ(o.tabelleMinuten, 0);
    EXPECT_FALSE(o.hilfe);
}

TEST(CalcOptionen, BothFormsAndEveryOption) {
    calc::Optionen o;
    std::string fehler;
    ASSERT_TRUE(Lies({"--jahr=2009",
                      "--monat",
                      "2",
                      "--tag=15",
                      "--stunde",
                      "10.5",
                      "--minute=7",
                      "--phi=-33.9",
                      "--lam",
                      "-18.4",
                      "--modull=1000.0",
                      "--modulh",
                      "200",
                      "--modula=120",
                      "--moduln=25",
                      "--modulherr=-2.5",
                      "--modulaerr",
                      "1e1",
                      "--modulnerr=0.25",
                      "--endlagestart",
                      "80.5",
                      "--endlagestarterr",
                      "-5",
                      "--endlagestop=290",
                      "--ost",
                      "--wendestunde",
                      "11",
                      "--tabelle=15"},
                     o, fehler))
        << fehler;
    const RechenlaufEingabe& e = o.eingabe;
    EXPECT_EQ(e.Jahr, 2009);
    EXPECT_EQ(e.Monat, 2);
    EXPECT_EQ(e.Tag, 15);
    EXPECT_EQ(e.Stunde, 10.5);
    EXPECT_EQ(e.Minute, 7);
    EXPECT_EQ(e.Phi, -33.9);
    EXPECT_EQ(e.Lam, -18.4);
    EXPECT_EQ(e.ModulL, 1000);
    EXPECT_EQ(e.ModulH, 200);
    EXPECT_EQ(e.ModulA, 120);
    EXPECT_EQ(e.ModulN, 25);
    EXPECT_EQ(e.ModulHErr, -2.5);
    EXPECT_EQ(e.ModulAErr, 10);
    EXPECT_EQ(e.ModulNErr, 0.25);
    EXPECT_EQ(e.EndlageStart, 80.5);
    EXPECT_EQ(e.EndlageStartErr, -5);
    EXPECT_EQ(e.EndlageStop, 290);
    EXPECT_TRUE(e.OstTracken);
    EXPECT_EQ(e.WendeStunde, 11);
    EXPECT_EQ(o.tabelleMinuten, 15);
}

struct Fehlerfall {
    std::vector<const char*> args;
    const char* genannt; // what the message must name
};

class CalcOptionenFehler : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(CalcOptionenFehler, NamesTheCulprit) {
    calc::Optionen o;
    std::string fehler;
    EXPECT_FALSE(Lies(GetParam().args, o, fehler));
    EXPECT_NE(fehler.find(GetParam().genannt), std::string::npos) << fehler;
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, CalcOptionenFehler,
    ::testing::Values(
        Fehlerfall{{"--breite=50"}, "--breite"}, Fehlerfall{{"-phi", "50"}, "-phi"},
        Fehlerfall{{"50.53"}, "50.53"}, Fehlerfall{{"--phi=50,53"}, "50,53"},
        Fehlerfall{{"--phi="}, "--phi"}, Fehlerfall{{"--phi=nan"}, "nan"},
        Fehlerfall{{"--stunde=inf"}, "inf"}, Fehlerfall{{"--lam"}, "--lam"},
        Fehlerfall{{"--jahr=2008.5"}, "2008.5"}, Fehlerfall{{"--jahr=99999999999"}, "99999999999"},
        Fehlerfall{{"--modulh=160.5"}, "--modulh"}, Fehlerfall{{"--moduln", "1e12"}, "--moduln"},
        Fehlerfall{{"--ost=1"}, "--ost"}, Fehlerfall{{"--tabelle=0"}, "--tabelle"},
        Fehlerfall{{"--tabelle=1441"}, "--tabelle"}, Fehlerfall{{"--phi=1 "}, "--phi"},
        Fehlerfall{{"--schritt=0"}, "--schritt"}, Fehlerfall{{"--schritt=61"}, "--schritt"},
        Fehlerfall{{"--jahresstudie=1"}, "--jahresstudie"},
        Fehlerfall{{"--variiere=modulherr:0:1"}, "modulherr:0:1"},
        Fehlerfall{{"--variiere=phi:0:1:1"}, "phi:0:1:1"},
        Fehlerfall{{"--variiere=modulherr:2:1:1"}, "--variiere"},
        Fehlerfall{{"--variiere=modulherr:0:1:0"}, "--variiere"},
        Fehlerfall{{"--variiere=modulherr:0:2000:1"}, "--variiere"},
        Fehlerfall{{"--variiere=modulherr:0:1:1:2"}, "--variiere"}));

// The year study's options; the sweep of --variiere names its field.
TEST(CalcOptionen, Jahresstudie) {
    calc::Optionen o;
    std::string fehler;
    ASSERT_TRUE(Lies({"--jahresstudie", "--schritt", "10", "--variiere=endlagestarterr:-20:20:1"},
                     o, fehler))
        << fehler;
    EXPECT_TRUE(o.jahresstudie);
    EXPECT_EQ(o.schritt, 10);
    EXPECT_EQ(o.variiert, &RechenlaufEingabe::EndlageStartErr);
    EXPECT_EQ(o.von, -20);
    EXPECT_EQ(o.bis, 20);
    EXPECT_EQ(o.weite, 1);
}

TEST(CalcOptionen, BadValueLeavesTheFieldAlone) {
    calc::Optionen o;
    std::string fehler;
    EXPECT_FALSE(Lies({"--modulh=160.5"}, o, fehler));
    EXPECT_EQ(o.eingabe.ModulH, 160);
}

TEST(CalcOptionen, Help) {
    calc::Optionen o;
    std::string fehler;
    ASSERT_TRUE(Lies({"--help"}, o, fehler));
    EXPECT_TRUE(o.hilfe);
    EXPECT_NE(std::string(calc::Hilfetext()).find("--endlagestarterr"), std::string::npos);
}

} // namespace
