// The year study's text, which heliowendler-calc prints and the year window saves.
#include "geometry/jahrescsv.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);)
        z.push_back(zeile);
    return z;
}

jahresstudie::Ergebnis Beispiel() {
    jahresstudie::Ergebnis r;
    for (std::size_t m = 0; m < 12; ++m)
        r.monate[m].mitBacktracking = {100.0 + m, 0.5, 12.25};
    r.jahr.mitBacktracking = {1234.5678901, 1.0, 263.5};
    r.jahr.ohneBacktracking = {2351.0, 253.6, 2613.0};
    r.groesste = {268.7, 6, 27, 16.0};
    r.kleinste = {90.25, 12, 3, 6.5 + 1.0 / 120}; // 06:30:30, shown to the minute
    r.stop.West = 274.4;
    r.stop.Ost = 87;
    r.weg = 68703.25;
    return r;
}

// The month table, an empty line, the extremes with their dates and the travel, numbers with
// a point in fixed digits.
TEST(Jahrescsv, TabelleUndExtreme) {
    const std::vector<std::string> z = Zeilen(jahrescsv::Jahresstudie(Beispiel(), 2026));
    ASSERT_EQ(z.size(), 1u + 13u + 1u + 7u);
    EXPECT_EQ(z[0], "Monat,MitStrahlung_kWh_m2,MitVerlust_Prozent,MitUnverschattet_kWh_m2,"
                    "MitTeilverschattet_h,OhneFehlerStrahlung_kWh_m2,OhneFehlerVerlust_Prozent,"
                    "OhneFehlerUnverschattet_kWh_m2,OhneFehlerTeilverschattet_h,"
                    "OhneBacktrackingStrahlung_kWh_m2,OhneBacktrackingVerlust_Prozent,"
                    "OhneBacktrackingUnverschattet_kWh_m2,OhneBacktrackingTeilverschattet_h");
    EXPECT_EQ(z[1], "1,100.000000,0.500000,99.500000,12.2500,0.000000,0.000000,0.000000,0.0000,"
                    "0.000000,0.000000,0.000000,0.0000");
    EXPECT_EQ(z[12].substr(0, 3), "12,");
    EXPECT_EQ(z[13], "Jahr,1234.567890,0.081000,1233.567890,263.5000,0.000000,0.000000,0.000000,"
                     "0.0000,2351.000000,10.786899,2097.400000,2613.0000");
    EXPECT_EQ(z[14], "");
    const std::vector<std::string> extreme(z.begin() + 15, z.end());
    EXPECT_EQ(extreme, (std::vector<std::string>{
                           "GroesstePosition=268.700000", "GroesstePositionDatum=2026-06-27T16:00",
                           "KleinstePosition=90.250000", "KleinstePositionDatum=2026-12-03T06:31",
                           "AWestMax=274.400000", "AOstMax=87.000000", "WegImJahr=68703.250"}));
}

TEST(Jahrescsv, Variation) {
    const std::vector<std::string> z = Zeilen(
        jahrescsv::Variation({-20, 0.1 * 3, 1e-7}, {{10, 1, 2}, {20, 2, 3}, {30, 3, 4.56789}}));
    EXPECT_EQ(z, (std::vector<std::string>{
                     "Wert,Strahlung_kWh_m2,Verlust_Prozent,Unverschattet_kWh_m2,Teilverschattet_h",
                     "-20,10.000000,10.000000,9.000000,2.0000",
                     "0.3,20.000000,10.000000,18.000000,3.0000",
                     "1e-07,30.000000,10.000000,27.000000,4.5679"}));
}

// The digits printf gave the tool before (in the C locale), whatever the locale now.
TEST(Jahrescsv, ZiffernWiePrintf) {
    for (const double x :
         {0.0, -0.0, 1e-7, 0.1 * 3, 2097.7149999999999, 1e300, -123.4567895, 0.0000005, 2.5, 3.5}) {
        char f[400], g[400];
        std::snprintf(f, sizeof f, "%.6f", x);
        std::snprintf(g, sizeof g, "%.6g", x);
        jahresstudie::Summe s;
        s.strahlung = x;
        const std::string zeile = Zeilen(jahrescsv::Variation({x}, {s}))[1];
        EXPECT_EQ(zeile.substr(0, zeile.find(',', 0)), g) << x;
        const std::string rest = zeile.substr(zeile.find(',') + 1);
        EXPECT_EQ(rest.substr(0, rest.find(',')), f) << x;
    }
}

} // namespace
