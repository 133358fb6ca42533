// Files refused, each with the line and column (or character) where it went wrong: no weather
// file, a missing irradiance column, a broken row, in each format.
#include "wetterproben.h"

#include "wetter/wetterdatei.h"
#include "wetter/wettertexte.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using wetter::Erwartung;
using wetter::Format;
using wetter::Groesse;
using wetter::Grund;

// One June day at Munich in the format; PVGIS JSON with one row a line (row i on line i + 2).
std::string Probe(Format f) {
    proben::Kopf k;
    const bool mittel = f == Format::EPW || f == Format::TMY3;
    const auto zeilen =
        proben::Tage(proben::Himmel{k.ort}, k.zeitzone, {2020, 6, 1}, 1, 60, mittel);
    switch (f) {
    case Format::EPW:
        return proben::EpwText(k, zeilen);
    case Format::TMY3:
        return proben::Tmy3Text(k, zeilen);
    case Format::PvgisCsv:
        return proben::PvgisCsvText(k, zeilen);
    case Format::PvgisJson:
        return proben::PvgisJsonText(k, zeilen, true);
    }
    return {};
}

// The text with field feld (1-based) of line zeile (1-based) replaced by neu, or, without neu,
// the line ending before that field.
std::string Feld(const std::string& text, int zeile, int feld, std::optional<std::string> neu) {
    std::size_t a = 0;
    for (int z = 1; z < zeile; ++z)
        a = text.find('\n', a) + 1;
    const std::size_t ende = text.find('\n', a);
    std::size_t f = a;
    for (int i = 1; i < feld; ++i)
        f = text.find(',', f) + 1;
    if (!neu) return text.substr(0, f - 1) + text.substr(ende);
    const std::size_t k = std::min(text.find(',', f), ende);
    return text.substr(0, f) + *neu + text.substr(k);
}

std::string Ersetze(std::string text, const std::string& alt, const std::string& neu) {
    const std::size_t p = text.find(alt);
    if (p != std::string::npos) text.replace(p, alt.size(), neu);
    return text;
}

// The start of row i of the JSON sample (one row a line).
std::string JsonZeile(const std::string& text, int i) {
    std::size_t a = 0;
    for (int z = 0; z < i + 1; ++z)
        a = text.find('\n', a) + 1;
    return text.substr(a, text.find('\n', a) - a);
}

struct Fall {
    const char* name;
    std::function<std::string()> text;
    Grund grund;
    long long zeile;
    int spalte; // -1: a character instead (JSON), not checked
    Groesse groesse;
    Erwartung erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

const Fall Faelle[] = {
    {"KeineWetterdatei", [] { return std::string("Name,Wert\nA,1\n"); }, Grund::KeineWetterdatei, 1,
     0, Groesse::Keine, Erwartung::Nichts},
    {"Leer", [] { return std::string(); }, Grund::KeineWetterdatei, 1, 0, Groesse::Keine,
     Erwartung::Nichts},
    {"Bild", [] { return std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16); },
     Grund::KeineWetterdatei, 1, 0, Groesse::Keine, Erwartung::Nichts},
    // EPW: eight header lines, the rows from line 9; GHI, DNI, DHI in fields 14 ... 16.
    {"EpwOhneDhi", [] { return Feld(Probe(Format::EPW), 9, 16, std::nullopt); }, Grund::SpalteFehlt,
     9, 16, Groesse::DHI, Erwartung::Feld},
    {"EpwOhneGhi", [] { return Feld(Probe(Format::EPW), 9, 14, std::nullopt); }, Grund::SpalteFehlt,
     9, 14, Groesse::GHI, Erwartung::Feld},
    {"EpwGhiKeineZahl", [] { return Feld(Probe(Format::EPW), 11, 14, "x12"); }, Grund::ZeileDefekt,
     11, 14, Groesse::GHI, Erwartung::Zahl},
    {"EpwZeileEndetVorDni", [] { return Feld(Probe(Format::EPW), 12, 15, std::nullopt); },
     Grund::ZeileDefekt, 12, 15, Groesse::DNI, Erwartung::Feld},
    {"EpwStunde25", [] { return Feld(Probe(Format::EPW), 10, 4, "25"); }, Grund::ZeileDefekt, 10, 4,
     Groesse::Keine, Erwartung::Stunde},
    {"Epw31Juni", [] { return Feld(Probe(Format::EPW), 10, 3, "31"); }, Grund::ZeileDefekt, 10, 3,
     Groesse::Keine, Erwartung::Tag},
    {"EpwBreite", [] { return Feld(Probe(Format::EPW), 1, 7, "N48"); }, Grund::AngabeFehlt, 1, 7,
     Groesse::Keine, Erwartung::Breite},
    // TMY3: the site line, the column line, the rows from line 3; GHI 5, DNI 8, DHI 11.
    {"Tmy3OhneDni", [] { return Ersetze(Probe(Format::TMY3), "DNI (W/m^2)", "DNI"); },
     Grund::SpalteFehlt, 2, 0, Groesse::DNI, Erwartung::Feld},
    {"Tmy3Datum", [] { return Feld(Probe(Format::TMY3), 5, 1, "06/31/2020"); }, Grund::ZeileDefekt,
     5, 1, Groesse::Keine, Erwartung::Datum},
    {"Tmy3Uhrzeit", [] { return Feld(Probe(Format::TMY3), 6, 2, "24:30"); }, Grund::ZeileDefekt, 6,
     2, Groesse::Keine, Erwartung::Uhrzeit},
    {"Tmy3DhiKeineZahl", [] { return Feld(Probe(Format::TMY3), 4, 11, "n/a"); }, Grund::ZeileDefekt,
     4, 11, Groesse::DHI, Erwartung::Zahl},
    {"Tmy3ZeileEndetVorDhi", [] { return Feld(Probe(Format::TMY3), 7, 11, std::nullopt); },
     Grund::ZeileDefekt, 7, 11, Groesse::DHI, Erwartung::Feld},
    // PVGIS CSV: three site lines, the months' table (13 lines), the column line (17), rows.
    {"PvgisCsvOhneGd", [] { return Ersetze(Probe(Format::PvgisCsv), ",Gd(h),", ",Gd,"); },
     Grund::SpalteFehlt, 17, 0, Groesse::DHI, Erwartung::Feld},
    {"PvgisCsvStempel", [] { return Feld(Probe(Format::PvgisCsv), 19, 1, "20200601:2400"); },
     Grund::ZeileDefekt, 19, 1, Groesse::Keine, Erwartung::Zeitstempel},
    {"PvgisCsvGhKeineZahl", [] { return Feld(Probe(Format::PvgisCsv), 20, 4, "12.5.3"); },
     Grund::ZeileDefekt, 20, 4, Groesse::GHI, Erwartung::Zahl},
    {"PvgisCsvBreite",
     [] {
         return Ersetze(Probe(Format::PvgisCsv), "Latitude (decimal degrees): 48.10",
                        "Latitude (decimal degrees): 148.10");
     },
     Grund::AngabeFehlt, 1, 0, Groesse::Keine, Erwartung::Breite},
    // PVGIS JSON, one row a line: row i on line i + 2.
    {"PvgisJsonKaputt",
     [] {
         const std::string t = Probe(Format::PvgisJson);
         return Ersetze(t, JsonZeile(t, 2), Ersetze(JsonZeile(t, 2), "\"G(h)\":", "\"G(h)\":,"));
     },
     Grund::ZeileDefekt, 4, -1, Groesse::Keine, Erwartung::Json},
    {"PvgisJsonOhneGb",
     [] {
         const std::string t = Probe(Format::PvgisJson);
         return Ersetze(t, JsonZeile(t, 0), Ersetze(JsonZeile(t, 0), "\"Gb(n)\"", "\"Gbn\""));
     },
     Grund::SpalteFehlt, 2, -1, Groesse::DNI, Erwartung::Feld},
    {"PvgisJsonGhText",
     [] {
         const std::string t = Probe(Format::PvgisJson);
         const std::string z = JsonZeile(t, 3);
         const std::size_t p = z.find("\"G(h)\":") + 7;
         return Ersetze(t, z, z.substr(0, p) + "\"viel\"" + z.substr(z.find(',', p)));
     },
     Grund::ZeileDefekt, 5, -1, Groesse::GHI, Erwartung::Zahl},
};

class Ablehnung : public ::testing::TestWithParam<Fall> {};

TEST_P(Ablehnung, NenntZeileUndSpalte) {
    const Fall& f = GetParam();
    const std::string text = f.text();
    const wetter::Ergebnis e = wetter::LiesBytes(QByteArray::fromStdString(text));
    const auto* a = std::get_if<wetter::Ablehnung>(&e);
    ASSERT_NE(a, nullptr) << "gelesen statt abgelehnt";
    EXPECT_EQ(a->grund, f.grund);
    EXPECT_EQ(a->zeile, f.zeile);
    if (f.spalte >= 0)
        EXPECT_EQ(a->spalte, f.spalte);
    else
        EXPECT_GT(a->zeichen, 0);
    EXPECT_EQ(a->groesse, f.groesse);
    EXPECT_EQ(a->erwartet, f.erwartet);
    // The sentence names the line (and the column where there is one).
    const QString satz = wetter::Text(*a);
    EXPECT_TRUE(satz.contains(QStringLiteral("Zeile %1").arg(f.zeile))) << satz.toStdString();
    if (f.spalte > 0) {
        EXPECT_TRUE(satz.contains(QStringLiteral("Spalte %1").arg(f.spalte))) << satz.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Ablehnung, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.name); });

// The samples themselves are read, so each refusal above comes from its one change.
TEST(Ablehnung, ProbenSelbstWerdenGelesen) {
    for (Format f : {Format::EPW, Format::TMY3, Format::PvgisCsv, Format::PvgisJson}) {
        const wetter::Ergebnis e = wetter::LiesBytes(QByteArray::fromStdString(Probe(f)));
        const auto* d = std::get_if<wetter::Datei>(&e);
        ASSERT_NE(d, nullptr) << int(f);
        EXPECT_EQ(d->format, f);
        EXPECT_EQ(d->reihe.messungen.size(), 24u);
    }
}

TEST(Ablehnung, DateiFehlt) {
    const wetter::Ergebnis e = wetter::Lies(QStringLiteral("/nicht/da/wetter.epw"));
    const auto* a = std::get_if<wetter::Ablehnung>(&e);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->grund, Grund::NichtLesbar);
}

} // namespace
