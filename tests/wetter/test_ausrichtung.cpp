// The alignment check on files shifted on purpose: a made-up sky whose rows hold what the sky
// did some minutes later or earlier than their stamps say, at sites in both hemispheres and far
// east and west, in local standard time (EPW) and in UTC (PVGIS). +H: the data are H early.
#include "wetterproben.h"

#include "wetter/wetterdatei.h"
#include "wetter/wettertexte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using wetter::Format;

struct Standort {
    const char* name;
    messreihe::Ort ort;
    double zeitzone; // EPW's standard time, hours east of UTC
};

const Standort Standorte[] = {
    {"Muenchen", {48.1, 11.6, 520}, 1},  {"Kapstadt", {-33.9, 18.4, 40}, 2},
    {"Fidschi", {-17.8, 178.0, 10}, 12}, {"Aleuten", {52.0, -176.6, 30}, -10},
    {"Alaska", {64.8, -147.7, 140}, -9},
};

// Minutes the data are early (positive) or late (negative).
const double Verschiebungen[] = {-180, -120, -60, -30, -20, -10, 0, 10, 20, 30, 60, 120, 180};

// Two stretches of a year: 45 days from March and 45 from September, hourly, so a southern
// and a northern summer and winter both show.
std::vector<proben::Zeile> Probe(const Standort& s, Format f, double frueher) {
    const proben::Himmel himmel{s.ort, 99};
    const bool mittel = f == Format::EPW;
    const double zone = mittel ? s.zeitzone : 0;
    std::vector<proben::Zeile> z =
        proben::Tage(himmel, zone, {2019, 3, 1}, 45, 60, mittel, 0, frueher);
    const std::vector<proben::Zeile> herbst =
        proben::Tage(himmel, zone, {2019, 9, 1}, 45, 60, mittel, 0, frueher);
    z.insert(z.end(), herbst.begin(), herbst.end());
    return z;
}

wetter::Datei Gelesen(const wetter::Ergebnis& e) {
    const auto* d = std::get_if<wetter::Datei>(&e);
    if (!d) {
        ADD_FAILURE() << "abgelehnt: "
                      << wetter::Text(std::get<wetter::Ablehnung>(e)).toStdString();
        return {};
    }
    return *d;
}

class Ausrichtung : public ::testing::TestWithParam<std::tuple<Standort, Format, double>> {};

TEST_P(Ausrichtung, FindetDieVerschiebung) {
    const auto [s, f, frueher] = GetParam();
    proben::Kopf k;
    k.ort = s.ort;
    k.zeitzone = s.zeitzone;
    const QByteArray text = proben::Text(f, k, Probe(s, f, frueher));
    const wetter::Datei d = Gelesen(wetter::LiesBytes(text));
    const wetter::Ausrichtung& a = d.ausrichtung;
    ASSERT_TRUE(a.bestimmt);
    EXPECT_GT(a.korrelation, 0.8);
    // The check's own noise is about a minute.
    EXPECT_NEAR(a.versatzMinuten, frueher, 2);
    // Said from 30 minutes on, not below.
    EXPECT_EQ(a.auffaellig, std::abs(frueher) >= 30) << a.versatzMinuten;
    const QString hinweis = wetter::Hinweis(a);
    if (std::abs(frueher) >= 30) {
        const long long m = std::llround(std::abs(frueher));
        const QString erwartet =
            QStringLiteral("Die Einstrahlung dieser Datei liegt um %1 h %2 min %3 als der "
                           "Sonnenstand: ist die Zeitzone richtig?")
                .arg(m / 60)
                .arg(m % 60, 2, 10, QLatin1Char('0'))
                .arg(frueher > 0 ? QStringLiteral("früher") : QStringLiteral("später"));
        EXPECT_EQ(hinweis, erwartet);
    } else {
        EXPECT_TRUE(hinweis.isEmpty()) << hinweis.toStdString();
    }

    // The zeitversatz the note asks for aligns the data: each instant moves that much later.
    const wetter::Datei korrigiert = Gelesen(wetter::LiesBytes(text, frueher / 60));
    EXPECT_NEAR(korrigiert.ausrichtung.versatzMinuten, 0, 2);
    EXPECT_FALSE(korrigiert.ausrichtung.auffaellig);
    ASSERT_EQ(korrigiert.reihe.messungen.size(), d.reihe.messungen.size());
    const messreihe::Messung &x = d.reihe.messungen[100], &y = korrigiert.reihe.messungen[100];
    if (f == Format::PvgisCsv) { // an instant without an interval around a sunrise moves as is
        const double dt = (y.tag - x.tag) * 24 + y.stunden - x.stunden;
        EXPECT_NEAR(dt, frueher / 60, 1e-6);
    }
}

std::string FallName(const ::testing::TestParamInfo<std::tuple<Standort, Format, double>>& i) {
    const double v = std::get<2>(i.param);
    return std::string(std::get<0>(i.param).name) +
           (std::get<1>(i.param) == Format::EPW ? "_EPW_" : "_PVGIS_") +
           (v < 0 ? "spaeter" : "frueher") + std::to_string(std::llround(std::abs(v))) + "min";
}

INSTANTIATE_TEST_SUITE_P(Verschoben, Ausrichtung,
                         ::testing::Combine(::testing::ValuesIn(Standorte),
                                            ::testing::Values(Format::EPW, Format::PvgisCsv),
                                            ::testing::ValuesIn(Verschiebungen)),
                         FallName);

// A file without a sunny day's shape (overcast noise, or the sun never up) says nothing.
TEST(Ausrichtung, OhneSonnenformKeinHinweis) {
    proben::Kopf k;
    std::vector<proben::Zeile> z =
        proben::Tage(proben::Himmel{k.ort}, k.zeitzone, {2019, 6, 1}, 10, 60, true);
    proben::Zufall r{7};
    for (proben::Zeile& zeile : z) {
        zeile.ghi = 300 * r.Naechste();
        zeile.dni = 0;
        zeile.dhi = *zeile.ghi;
    }
    const wetter::Datei d = Gelesen(wetter::LiesBytes(proben::Text(Format::EPW, k, z)));
    EXPECT_FALSE(d.ausrichtung.auffaellig);
    EXPECT_TRUE(wetter::Hinweis(d.ausrichtung).isEmpty());
}

} // namespace
