// The quality summary: each departure from clean data counted, in each format, on two June
// days at Munich with one change each.
#include "wetterproben.h"

#include "basis/zahltext.h"
#include "wetter/wetterdatei.h"
#include "wetter/wettertexte.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

using proben::Zeile;
using wetter::Format;

bool Mittelwerte(Format f) {
    return f == Format::EPW || f == Format::TMY3;
}

std::vector<Zeile> Tage(Format f, wetter::Datum von, int tage) {
    const proben::Kopf k;
    return proben::Tage(proben::Himmel{k.ort}, k.zeitzone, von, tage, 60, Mittelwerte(f));
}

// Row 1 lies at night (EPW, TMY3: 1:00 to 2:00 local; PVGIS: 1:00 UTC), row 12 at midday.
constexpr int Nacht = 1, Mittag = 12;

struct Fall {
    const char* name;
    std::function<void(std::vector<Zeile>&, Format)> aendere;
    std::function<void(wetter::Qualitaet&)> erwartet;
    bool mitAlbedo = false; // EPW and TMY3 only: PVGIS gives no albedo
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

const Fall Faelle[] = {
    {"Sauber", [](auto&, Format) {}, [](auto&) {}},
    {"NegativeDiffusNachts", [](auto& z, Format) { z[Nacht].dhi = -3; },
     [](auto& q) { q.negativ = 1; }},
    // Clipped to 0, the global lies below the diffuse.
    {"NegativeGlobalMittags", [](auto& z, Format) { z[Mittag].ghi = -5; },
     [](auto& q) {
         q.negativ = 1;
         q.dhiUeberGhi = 1;
     }},
    // Spencer's extraterrestrial in June: about 1322 W/m^2.
    {"DniUeberExtraterrestrisch", [](auto& z, Format) { z[Mittag].dni = 1340; },
     [](auto& q) { q.dniUeberExtraterrestrisch = 1; }},
    {"DniKnappDarunter", [](auto& z, Format) { z[Mittag].dni = 1310; }, [](auto&) {}},
    {"DiffusUeberGlobal", [](auto& z, Format) { z[Mittag].dhi = *z[Mittag].ghi + 10; },
     [](auto& q) { q.dhiUeberGhi = 1; }},
    {"EinstrahlungNachts",
     [](auto& z, Format) {
         z[Nacht].ghi = 5;
         z[Nacht].dni = 20;
         z[Nacht].dhi = 5;
     },
     [](auto& q) {
         q.unterHorizont = 1;
         q.unterHorizontDirekt = 0.02;
     }},
    {"NurDiffusNachts",
     [](auto& z, Format) {
         z[Nacht].ghi = 3;
         z[Nacht].dhi = 3;
     },
     [](auto& q) { q.unterHorizont = 1; }},
    {"LueckeImMonat", [](auto& z, Format) { z.erase(z.begin() + 5, z.begin() + 8); },
     [](auto& q) {
         q.zeilen = 45;
         q.luecken = 1;
         q.lueckenStunden = 3;
     }},
    {"DoppelteZeile", [](auto& z, Format) { z.insert(z.begin() + 5, z[5]); },
     [](auto& q) {
         q.zeilen = 49;
         q.luecken = 1;
     }},
    // A typical year's months come from different years: no gap between them.
    {"MonateAusVerschiedenenJahren",
     [](auto& z, Format f) {
         z = Tage(f, {2007, 1, 31}, 1);
         const auto feb = Tage(f, {2012, 2, 1}, 1);
         z.insert(z.end(), feb.begin(), feb.end());
     },
     [](auto&) {}},
    {"MonatsgrenzeMitLuecke",
     [](auto& z, Format f) {
         z = Tage(f, {2019, 1, 31}, 1);
         const auto feb = Tage(f, {2019, 2, 2}, 1);
         z.insert(z.end(), feb.begin(), feb.end());
     },
     [](auto& q) {
         q.luecken = 1;
         q.lueckenStunden = 24;
     }},
    // 0, 1 or more and the missing mark count as not given; 0.99 is given.
    {"AlbedoNichtGegeben",
     [](auto& z, Format) {
         z[0].albedo = 0;
         z[1].albedo = 1;
         z[2].albedo = 1.7;
         z[3].albedo.reset();
         z[4].albedo = 0.99;
     },
     [](auto& q) { q.ohneAlbedo = 4; }, true},
    {"AlbedoNullInJederZeile",
     [](auto& z, Format) {
         for (Zeile& x : z)
             x.albedo = 0;
     },
     [](auto& q) { q.ohneAlbedo = 48; }, true},
};

class Qualitaet : public ::testing::TestWithParam<std::tuple<Fall, Format>> {};

TEST_P(Qualitaet, ZaehltJedeAbweichung) {
    const auto [fall, f] = GetParam();
    if (fall.mitAlbedo && !Mittelwerte(f)) GTEST_SKIP() << "PVGIS gibt keine Albedo";
    std::vector<Zeile> zeilen = Tage(f, {2019, 6, 10}, 2);
    fall.aendere(zeilen, f);
    const wetter::Ergebnis e = wetter::LiesBytes(proben::Text(f, proben::Kopf{}, zeilen));
    const auto* d = std::get_if<wetter::Datei>(&e);
    ASSERT_NE(d, nullptr) << wetter::Text(std::get<wetter::Ablehnung>(e)).toStdString();

    wetter::Qualitaet q;
    q.zeilen = 48;
    q.ohneAlbedo = Mittelwerte(f) ? 0 : static_cast<long long>(zeilen.size());
    fall.erwartet(q);
    // Doubles compared to their last digits: the beam left out is the value times an hour.
    EXPECT_NEAR(d->qualitaet.unterHorizontDirekt, q.unterHorizontDirekt, 1e-12);
    q.unterHorizontDirekt = d->qualitaet.unterHorizontDirekt;
    EXPECT_EQ(d->qualitaet, q) << ::testing::PrintToString(
        wetter::Qualitaetstexte(d->qualitaet).join(QStringLiteral(" | ")).toStdString());
    // Beam with the sun down is left out of the series; the diffuse and global stay.
    for (const messreihe::Messung& m : d->reihe.messungen)
        EXPECT_GE(m.dni, 0);
    if (std::string(fall.name) == "EinstrahlungNachts") {
        const messreihe::Messung& m = d->reihe.messungen[Nacht];
        EXPECT_EQ(m.dni, 0);
        EXPECT_EQ(m.ghi, 5);
        EXPECT_EQ(m.dhi, 5);
    }
}

std::string FallName(const ::testing::TestParamInfo<std::tuple<Fall, Format>>& info) {
    static const char* const namen[] = {"EPW", "PvgisCsv", "PvgisJson", "TMY3"};
    return std::string(std::get<0>(info.param).name) + "_" + namen[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Faelle, Qualitaet,
                         ::testing::Combine(::testing::ValuesIn(Faelle),
                                            ::testing::Values(Format::EPW, Format::TMY3,
                                                              Format::PvgisCsv)),
                         FallName);

// The summary's sentences, one a kind; none but the all-clear for clean data.
TEST(Qualitaet, Texte) {
    wetter::Qualitaet q;
    EXPECT_EQ(wetter::Qualitaetstexte(q),
              QStringList{QStringLiteral("Keine Auffälligkeiten in den Daten.")});
    const QChar trenner = zahltext::Dezimaltrenner();
    zahltext::SetzeDezimaltrenner(u',');
    q.negativ = 2;
    q.luecken = 1;
    q.lueckenStunden = 3;
    EXPECT_EQ(wetter::Qualitaetstexte(q),
              (QStringList{QStringLiteral("Negative Einstrahlungswerte (auf 0 gesetzt): 2"),
                           QStringLiteral("Lücken in der Zeitfolge innerhalb eines Monats: 1 "
                                          "(3,0 h)")}));
    zahltext::SetzeDezimaltrenner(trenner);
}

} // namespace
