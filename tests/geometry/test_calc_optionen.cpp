// heliowendler-calc's command line beyond test_rechenlauf's cases: messages that quote the
// user's text, the site's ranges, the sweep's table and values that cannot be formed.
#include "geometry/variationsgroessen.h"
#include "tools/calc_optionen.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

bool Lies(std::vector<const char*> args, calc::Optionen& o, std::string& fehler) {
    args.insert(args.begin(), "heliowendler-calc");
    return calc::LeseOptionen(static_cast<int>(args.size()), args.data(), o, fehler);
}

struct Meldungsfall {
    std::vector<const char*> args;
    const char* meldung; // the whole message
};

void PrintTo(const Meldungsfall& f, std::ostream* aus) {
    for (const char* a : f.args)
        *aus << a << ' ';
}

class CalcMeldung : public ::testing::TestWithParam<Meldungsfall> {};

// The value is quoted as typed: a placeholder in it is not filled again ("--jahr %2" once
// said "'--jahr' ist fuer %2 keine ganze Zahl").
TEST_P(CalcMeldung, ZitiertDenWertWieGetippt) {
    calc::Optionen o;
    std::string fehler;
    EXPECT_FALSE(Lies(GetParam().args, o, fehler));
    EXPECT_EQ(fehler, GetParam().meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Platzhalter, CalcMeldung,
    ::testing::Values(
        Meldungsfall{{"--jahr", "%2"}, "'%2' ist für --jahr nicht eine ganze Zahl"},
        Meldungsfall{{"--jahr=%1"}, "'%1' ist für --jahr nicht eine ganze Zahl"},
        Meldungsfall{{"--stunde", "%2%1"},
                     "'%2%1' ist für --stunde nicht eine Zahl mit Dezimalpunkt"},
        Meldungsfall{{"--%1"}, "unbekannte Option '--%1'"},
        Meldungsfall{{"%2"}, "unerwartetes Argument '%2'"},
        Meldungsfall{{"--phi", "91"}, "'91' ist für --phi nicht eine Zahl von -90 bis 90"},
        Meldungsfall{{"--lam=-180.5"}, "'-180.5' ist für --lam nicht eine Zahl von -180 bis 180"},
        Meldungsfall{{"--jahr=1", "--jahr=2"}, "Option '--jahr' ist mehr als einmal angegeben"}));

// The site as the main window's edits hold it: latitude -90 to 90, longitude -180 to 180.
TEST(CalcOptionen, BreiteUndLaengeImBereich) {
    const struct {
        const char* arg;
        bool gilt;
    } faelle[] = {{"--phi=90", true},      {"--phi=-90", true},  {"--phi=90.0001", false},
                  {"--phi=-91", false},    {"--lam=180", true},  {"--lam=-180", true},
                  {"--lam=180.01", false}, {"--lam=-1e3", false}};
    for (const auto& f : faelle) {
        calc::Optionen o;
        std::string fehler;
        EXPECT_EQ(Lies({f.arg}, o, fehler), f.gilt) << f.arg << ": " << fehler;
    }
    calc::Optionen o;
    std::string fehler;
    EXPECT_FALSE(Lies({"--phi=91"}, o, fehler));
    EXPECT_EQ(o.eingabe.Phi, RechenlaufEingabe{}.Phi); // left as it was
}

// Every sweepable input of the table is a name of --variiere and stands in the help.
TEST(CalcOptionen, VariationAusDerTabelle) {
    for (const variation::Groesse& g : variation::Groessen) {
        calc::Optionen o;
        std::string fehler;
        const std::string arg = "--variiere=" + std::string(g.name) + ":-1:1:0.5";
        ASSERT_TRUE(Lies({arg.c_str()}, o, fehler)) << fehler;
        EXPECT_EQ(o.variiert, g.feld);
        EXPECT_NE(calc::Hilfetext().find(g.name), std::string::npos) << g.name;
        EXPECT_EQ(variation::Finde(g.name), &g);
    }
    EXPECT_EQ(variation::Finde("phi"), nullptr);
}

// Values that cannot be formed are refused by the parser, before the sweep is asked for
// them: a step too small to change the value never reached bis.
TEST(CalcOptionen, UnmoeglicheVariation) {
    for (const char* arg : {"--variiere=modulherr:1:1:1e-300", "--variiere=modulherr:1e20:1e20:1",
                            "--variiere=modulherr:0:1001:1", "--variiere=modulherr:0:1:-1",
                            "--variiere=modulherr:0:inf:1"}) {
        calc::Optionen o;
        std::string fehler;
        EXPECT_FALSE(Lies({arg}, o, fehler)) << arg;
        EXPECT_NE(fehler.find("NAME:VON:BIS:SCHRITT"), std::string::npos) << fehler;
        EXPECT_NE(fehler.find("modulnerr"), std::string::npos) << fehler;
    }
    calc::Optionen o;
    std::string fehler;
    EXPECT_TRUE(Lies({"--variiere=modulherr:0:1000:1"}, o, fehler)) << fehler; // 1001 values
}

struct Bildbarfall {
    double von, bis, weite;
    bool bildbar;
};

class Bildbar : public ::testing::TestWithParam<Bildbarfall> {};

TEST_P(Bildbar, HoechstensTausendundeinVerschiedeneWerte) {
    const Bildbarfall& f = GetParam();
    EXPECT_EQ(variation::Bildbar(f.von, f.bis, f.weite), f.bildbar)
        << f.von << " " << f.bis << " " << f.weite;
}

INSTANTIATE_TEST_SUITE_P(
    Werte, Bildbar,
    ::testing::Values(Bildbarfall{-20, 20, 1, true}, Bildbarfall{0, 0, 1, true},
                      Bildbarfall{0, 1000, 1, true}, Bildbarfall{0, 1000.5, 1, true},
                      Bildbarfall{0, 1001, 1, false}, Bildbarfall{1, 1, 1e-300, false},
                      Bildbarfall{1e20, 1e20, 1, false}, Bildbarfall{0, 1e-300, 1e-300, true},
                      Bildbarfall{2, 1, 1, false}, Bildbarfall{0, 1, 0, false},
                      Bildbarfall{0, 1, -1, false},
                      Bildbarfall{0, 1, std::numeric_limits<double>::quiet_NaN(), false},
                      Bildbarfall{std::numeric_limits<double>::quiet_NaN(), 1, 1, false}));

} // namespace
