#include "basis/simeingaben.h"

#include <gtest/gtest.h>

namespace {

std::vector<SimFeld> Felder(const SimEingaben& e) {
    std::vector<SimFeld> f;
    for (const auto& eintrag : e.Eintraege())
        f.push_back(eintrag.feld);
    return f;
}

TEST(SimEingaben, KeepTheOrderTheyAreGivenIn) {
    // "SET Sim Daten" writes the geometry before the date, the simulation file the
    // coordinates longitude first: each order is kept as given.
    const SimEingaben e{{SimFeld::ModulL, "1500"},
                        {SimFeld::Lam, "-13"},
                        {SimFeld::Phi, "51"},
                        {SimFeld::Jahr, "2008"}};
    EXPECT_EQ(Felder(e),
              (std::vector<SimFeld>{SimFeld::ModulL, SimFeld::Lam, SimFeld::Phi, SimFeld::Jahr}));
    EXPECT_EQ(e.Text(SimFeld::Lam), QStringLiteral("-13"));
    EXPECT_EQ(e.Text(SimFeld::Jahr), QStringLiteral("2008"));
    EXPECT_EQ(e.Text(SimFeld::Monat), std::nullopt);
}

TEST(SimEingaben, AFieldSetAgainKeepsItsPlace) {
    SimEingaben e{{SimFeld::Tag, "7"}, {SimFeld::Monat, "7"}, {SimFeld::Tag, "8"}};
    EXPECT_EQ(Felder(e), (std::vector<SimFeld>{SimFeld::Tag, SimFeld::Monat}));
    EXPECT_EQ(e.Text(SimFeld::Tag), QStringLiteral("8"));
    e.Setze(SimFeld::Monat, "12");
    e.Setze(SimFeld::Stunde, "");
    EXPECT_EQ(Felder(e), (std::vector<SimFeld>{SimFeld::Tag, SimFeld::Monat, SimFeld::Stunde}));
    EXPECT_EQ(e.Text(SimFeld::Monat), QStringLiteral("12"));
    // An empty text is a text: the field is there.
    EXPECT_EQ(e.Text(SimFeld::Stunde), QString());
}

TEST(SimEingaben, EqualOnlyInTheSameOrder) {
    const SimEingaben a{{SimFeld::Phi, "51"}, {SimFeld::Lam, "-13"}};
    const SimEingaben b{{SimFeld::Lam, "-13"}, {SimFeld::Phi, "51"}};
    EXPECT_EQ(a, (SimEingaben{{SimFeld::Phi, "51"}, {SimFeld::Lam, "-13"}}));
    EXPECT_NE(a, b);
}

} // namespace
