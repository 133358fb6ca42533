// Each format read from a small file with the quirks of the real ones (EPW's eight header
// lines and hour 24, PVGIS's offset line, months' table and legend, TMY3's two header lines,
// CR LF, a missing value in each column, a leap day), and the same data in two formats giving
// the same series.
#include "wetterproben.h"

#include "wetter/wetterdatei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using proben::Zeile;
using wetter::Format;

bool Mittelwerte(Format f) {
    return f == Format::EPW || f == Format::TMY3;
}

wetter::Datei Gelesen(const wetter::Ergebnis& e) {
    if (const auto* a = std::get_if<wetter::Ablehnung>(&e))
        ADD_FAILURE() << "abgelehnt: Grund " << int(a->grund) << ", Zeile " << a->zeile
                      << ", Spalte " << a->spalte << ", erwartet " << int(a->erwartet) << ", "
                      << a->gefunden.toStdString();
    const auto* d = std::get_if<wetter::Datei>(&e);
    return d ? *d : wetter::Datei{};
}

// Two series the same, value for value (NaN albedos alike).
void Gleich(const messreihe::Reihe& a, const messreihe::Reihe& b) {
    EXPECT_EQ(a.ort.breite, b.ort.breite);
    EXPECT_EQ(a.ort.laengeOst, b.ort.laengeOst);
    EXPECT_EQ(a.ort.hoehe, b.ort.hoehe);
    ASSERT_EQ(a.messungen.size(), b.messungen.size());
    for (std::size_t i = 0; i < a.messungen.size(); ++i) {
        const messreihe::Messung &x = a.messungen[i], &y = b.messungen[i];
        const auto sx =
            std::tie(x.jahr, x.monat, x.tag, x.stunden, x.dauer, x.zaehlmonat, x.ghi, x.dni, x.dhi);
        const auto sy =
            std::tie(y.jahr, y.monat, y.tag, y.stunden, y.dauer, y.zaehlmonat, y.ghi, y.dni, y.dhi);
        ASSERT_TRUE(sx == sy) << "Zeile " << i;
        ASSERT_TRUE(x.albedo == y.albedo || (std::isnan(x.albedo) && std::isnan(y.albedo)))
            << "Zeile " << i;
    }
}

// 27 February to 1 March 2020, hourly, in Munich's standard time; a missing GHI, DNI and DHI
// in three daylight rows and a missing albedo in a fourth.
std::vector<Zeile> Schalttage(Format f, const proben::Kopf& k, bool mitFehlwerten = true) {
    const proben::Himmel himmel{k.ort};
    std::vector<Zeile> z = proben::Tage(himmel, k.zeitzone, {2020, 2, 27}, 4, 60, Mittelwerte(f),
                                        Mittelwerte(f) ? 0 : 0.5);
    if (!mitFehlwerten) return z;
    z[10].ghi.reset();
    z[35].dni.reset();
    z[60].dhi.reset();
    z[61].albedo.reset();
    return z;
}

class Formate : public ::testing::TestWithParam<std::tuple<Format, bool>> {};

TEST_P(Formate, LiestSchalttageMitFehlwerten) {
    const auto [f, crlf] = GetParam();
    proben::Kopf k;
    k.crlf = crlf;
    if (!Mittelwerte(f)) k.versatz = 0.5;
    const std::vector<Zeile> zeilen = Schalttage(f, k);
    const wetter::Datei d = Gelesen(wetter::LiesBytes(proben::Text(f, k, zeilen)));

    EXPECT_EQ(d.format, f);
    EXPECT_DOUBLE_EQ(d.reihe.ort.breite, 48.1);
    EXPECT_DOUBLE_EQ(d.reihe.ort.laengeOst, 11.6);
    EXPECT_DOUBLE_EQ(d.reihe.ort.hoehe, 520);
    EXPECT_EQ(d.zeit.utc, !Mittelwerte(f));
    EXPECT_EQ(d.zeit.zeitzone, Mittelwerte(f) ? 1 : 0);
    EXPECT_EQ(d.zeit.versatz, k.versatz);
    EXPECT_EQ(d.schrittMinuten, 60);
    EXPECT_EQ(d.erster, (wetter::Datum{2020, 2, 27}));
    EXPECT_EQ(d.letzter, (wetter::Datum{2020, 3, 1}));

    wetter::Qualitaet q;
    q.zeilen = 96;
    q.fehlwertZeilen = 3;
    q.fehlwerte = {1, 1, 1};
    q.fehlwertAnteil = d.qualitaet.fehlwertAnteil;
    q.ohneAlbedo = Mittelwerte(f) ? 1 : 93;
    EXPECT_EQ(d.qualitaet, q);
    // The share the three rows had, estimated from their neighbours.
    const std::vector<Zeile> ganz = Schalttage(f, k, false);
    double summe = 0;
    for (const Zeile& z : ganz)
        summe += *z.ghi;
    const double anteil = (*ganz[10].ghi + *ganz[35].ghi + *ganz[60].ghi) / summe;
    EXPECT_NEAR(d.qualitaet.fehlwertAnteil, anteil, 0.25 * anteil);

    ASSERT_EQ(d.reihe.messungen.size(), 93u);
    int schalttag = 0;
    for (const messreihe::Messung& m : d.reihe.messungen) {
        EXPECT_EQ(m.dauer, 1);
        schalttag += m.zaehlmonat == 2 && m.tag == 29;
    }
    // 29 February's rows (one of its daylight rows left out), each in February.
    EXPECT_EQ(schalttag, Mittelwerte(f) ? 22 : 23);

    // The last row of 29 February: EPW and TMY3 write it as hour 24, the mean of 23:00 to
    // 24:00 local (22:00 to 23:00 UTC); PVGIS's 23:00 UTC stamp holds half an hour later.
    const std::size_t i = 2 * 24 + 23 - 3; // three rows before it left out
    const messreihe::Messung& m = d.reihe.messungen[i];
    EXPECT_EQ(m.jahr, 2020);
    EXPECT_EQ(m.monat, 2);
    EXPECT_EQ(m.tag, 29);
    EXPECT_NEAR(m.stunden, Mittelwerte(f) ? 22.5 : 23.5, 1e-9);
    EXPECT_EQ(m.zaehlmonat, 2);
}

std::string FallName(const ::testing::TestParamInfo<std::tuple<Format, bool>>& info) {
    static const char* const namen[] = {"EPW", "PvgisCsv", "PvgisJson", "TMY3"};
    return std::string(namen[int(std::get<0>(info.param))]) +
           (std::get<1>(info.param) ? "_CRLF" : "_LF");
}

INSTANTIATE_TEST_SUITE_P(JedesFormat, Formate,
                         ::testing::Combine(::testing::Values(Format::EPW, Format::PvgisCsv,
                                                              Format::PvgisJson, Format::TMY3),
                                            ::testing::Bool()),
                         FallName);

// The same made-up year as PVGIS CSV and JSON, with the offset line.
TEST(Formate, PvgisCsvUndJsonGebenDieselbeReihe) {
    proben::Kopf k;
    k.ort = {45.0, 8.0, 250};
    k.versatz = 0.1761;
    const std::vector<Zeile> jahr = proben::Jahr({k.ort, 7}, 0, 2018, 60, false, *k.versatz);
    const wetter::Datei csv = Gelesen(wetter::LiesBytes(proben::Text(Format::PvgisCsv, k, jahr)));
    const wetter::Datei json = Gelesen(wetter::LiesBytes(proben::Text(Format::PvgisJson, k, jahr)));
    EXPECT_EQ(csv.reihe.messungen.size(), 8760u);
    Gleich(csv.reihe, json.reihe);
    EXPECT_EQ(csv.qualitaet, json.qualitaet);
    EXPECT_EQ(csv.ausrichtung.versatzMinuten, json.ausrichtung.versatzMinuten);
    EXPECT_EQ(csv.zeit.versatz, json.zeit.versatz);
}

// The same made-up year as EPW and TMY3, both hour-ending means in local standard time.
TEST(Formate, EpwUndTmy3GebenDieselbeReihe) {
    proben::Kopf k;
    k.ort = {36.1, -79.95, 273};
    k.zeitzone = -5;
    const std::vector<Zeile> jahr = proben::Jahr({k.ort, 11}, k.zeitzone, 1988, 60, true);
    const wetter::Datei epw = Gelesen(wetter::LiesBytes(proben::Text(Format::EPW, k, jahr)));
    const wetter::Datei tmy3 = Gelesen(wetter::LiesBytes(proben::Text(Format::TMY3, k, jahr)));
    EXPECT_EQ(epw.reihe.messungen.size(), 8784u); // 1988 is a leap year
    Gleich(epw.reihe, tmy3.reihe);
    EXPECT_EQ(epw.qualitaet, tmy3.qualitaet);
    EXPECT_EQ(epw.ausrichtung.versatzMinuten, tmy3.ausrichtung.versatzMinuten);
    // The year's last row, hour 24 of 31 December at UTC-5, lies in the next year in UTC and
    // counts in December.
    const messreihe::Messung& letzte = epw.reihe.messungen.back();
    EXPECT_EQ(letzte.jahr, 1989);
    EXPECT_EQ(letzte.monat, 1);
    EXPECT_EQ(letzte.tag, 1);
    EXPECT_NEAR(letzte.stunden, 4.5, 1e-9);
    EXPECT_EQ(letzte.zaehlmonat, 12);
}

} // namespace

namespace {

// Every regular step a file may have, in each format: the step found, each row's interval,
// and its instant (means: the middle of the interval ending at the stamp, local standard time;
// PVGIS: the stamp in UTC).
class Schritte : public ::testing::TestWithParam<std::tuple<Format, int>> {};

TEST_P(Schritte, JedeZeileAnIhremZeitpunkt) {
    const auto [f, schritt] = GetParam();
    proben::Kopf k;
    k.jeStunde = 60 / schritt;
    const std::vector<Zeile> zeilen =
        proben::Tage(proben::Himmel{k.ort}, k.zeitzone, {2020, 6, 1}, 1, schritt, Mittelwerte(f));
    const wetter::Datei d = Gelesen(wetter::LiesBytes(proben::Text(f, k, zeilen)));
    EXPECT_EQ(d.schrittMinuten, schritt);
    ASSERT_EQ(d.reihe.messungen.size(), static_cast<std::size_t>(1440 / schritt));
    EXPECT_EQ(d.qualitaet.luecken, 0);
    // The row ending (EPW, TMY3) or stamped (PVGIS) at 12:00 of the file's clock.
    const std::size_t i = static_cast<std::size_t>(720 / schritt) - (Mittelwerte(f) ? 1 : 0);
    const messreihe::Messung& m = d.reihe.messungen[i];
    EXPECT_DOUBLE_EQ(m.dauer, schritt / 60.0);
    EXPECT_EQ(m.tag, 1);
    EXPECT_NEAR(m.stunden, Mittelwerte(f) ? 11 - schritt / 120.0 : 12, 1e-9);
}

std::string SchrittName(const ::testing::TestParamInfo<std::tuple<Format, int>>& info) {
    static const char* const namen[] = {"EPW", "PvgisCsv", "PvgisJson", "TMY3"};
    return std::string(namen[int(std::get<0>(info.param))]) + "_" +
           std::to_string(std::get<1>(info.param)) + "min";
}

INSTANTIATE_TEST_SUITE_P(JederSchritt, Schritte,
                         ::testing::Combine(::testing::Values(Format::EPW, Format::PvgisCsv,
                                                              Format::PvgisJson, Format::TMY3),
                                            ::testing::Values(60, 30, 15, 10, 1)),
                         SchrittName);

// The hour that holds sunrise or sunset stands at the middle of its sunlit part, in both
// hemispheres and far east and west.
class Sonnenaufgang : public ::testing::TestWithParam<std::tuple<Format, messreihe::Ort>> {};

double Durchgang(const messreihe::Ort& ort, double a, double b) {
    const bool obenA = proben::SinHoehe(ort, a) > 0;
    while (b - a > 1e-6) {
        const double m = 0.5 * (a + b);
        ((proben::SinHoehe(ort, m) > 0) == obenA ? a : b) = m;
    }
    return 0.5 * (a + b);
}

TEST_P(Sonnenaufgang, MitteDesSonnigenTeils) {
    const auto [f, ort] = GetParam();
    const double zeitzone = std::round(ort.laengeOst / 15);
    proben::Kopf k;
    k.ort = ort;
    k.zeitzone = zeitzone;
    const std::vector<Zeile> zeilen =
        proben::Tage(proben::Himmel{k.ort}, k.zeitzone, {2021, 3, 20}, 2, 60, true);
    const wetter::Datei d = Gelesen(wetter::LiesBytes(proben::Text(f, k, zeilen)));
    ASSERT_EQ(d.reihe.messungen.size(), zeilen.size());
    int auf = 0, unter = 0;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const double bis =
            wetter::TagNummer(zeilen[i].eigen.jahr, zeilen[i].eigen.monat, zeilen[i].eigen.tag) *
                1440.0 +
            zeilen[i].ende - zeitzone * 60;
        const double von = bis - 60;
        const bool obenVon = proben::SinHoehe(ort, von) > 0,
                   obenBis = proben::SinHoehe(ort, bis) > 0;
        const messreihe::Messung& m = d.reihe.messungen[i];
        const double t =
            wetter::TagNummer(m.jahr, m.monat, m.tag) * 1440.0 + m.stunden * 60; // UTC minutes
        if (obenVon == obenBis) {
            EXPECT_NEAR(t, bis - 30, 1e-6) << i;
            continue;
        }
        const double x = Durchgang(ort, von, bis);
        const double mitte = obenBis ? 0.5 * (x + bis) : 0.5 * (von + x);
        EXPECT_NEAR(t, mitte, 1.0 / 60) << i; // within a second
        (obenBis ? auf : unter) += 1;
    }
    EXPECT_EQ(auf, 2);
    EXPECT_EQ(unter, 2);
}

INSTANTIATE_TEST_SUITE_P(Orte, Sonnenaufgang,
                         ::testing::Combine(::testing::Values(Format::EPW, Format::TMY3),
                                            ::testing::Values(messreihe::Ort{48.1, 11.6, 520},
                                                              messreihe::Ort{-33.9, 18.4, 40},
                                                              messreihe::Ort{-17.8, 178.0, 10},
                                                              messreihe::Ort{64.8, -147.7, 140})));

} // namespace
