#include "basis/zahltext.h"

#include <gtest/gtest.h>

#include "trenner.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace zahltext;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct FestFall {
    double wert;
    int nachkomma;
    char trenner;
    const char* erwartet;
};

class FestTest : public testing::TestWithParam<FestFall> {};

TEST_P(FestTest, RundetDenBinaerwertHalbWegVonNull) {
    const FestFall& f = GetParam();
    MitTrenner trenner(QLatin1Char(f.trenner));
    EXPECT_EQ(Fest(f.wert, f.nachkomma), QString::fromLatin1(f.erwartet))
        << "wert " << f.wert << ", " << f.nachkomma << " Nachkommastellen";
}

INSTANTIATE_TEST_SUITE_P(Muster, FestTest,
                         testing::Values(
                             // exact binary ties go away from zero
                             FestFall{0.0625, 3, ',', "0,063"}, FestFall{-0.0625, 3, ',', "-0,063"},
                             FestFall{0.25, 1, ',', "0,3"}, FestFall{0.125, 2, ',', "0,13"},
                             FestFall{2.5, 0, ',', "3"}, FestFall{-2.5, 0, ',', "-3"},
                             FestFall{1.5, 0, ',', "2"},
                             // decimal ties that are not ties in binary follow the binary value
                             FestFall{0.05, 1, ',', "0,1"},   // 0.05000000000000000277...
                             FestFall{0.15, 1, ',', "0,1"},   // 0.14999999999999999444...
                             FestFall{2.675, 2, ',', "2,67"}, // 2.67499999999999982236...
                             FestFall{1.0005, 3, ',', "1,000"}, FestFall{0.0005, 3, ',', "0,001"},
                             FestFall{-0.05, 1, ',', "-0,1"}, FestFall{99.95, 1, ',', "100,0"},
                             FestFall{9.9996, 3, ',', "10,000"}, FestFall{999.99, 1, ',', "1000,0"},
                             // no minus on a value that shows as zero
                             FestFall{-0.0, 3, ',', "0,000"}, FestFall{-0.0004, 3, ',', "0,000"},
                             FestFall{-0.04, 1, ',', "0,0"}, FestFall{-0.0005, 3, ',', "-0,001"},
                             FestFall{-1e-300, 1, ',', "0,0"}, FestFall{5e-324, 3, ',', "0,000"},
                             // ordinary results, both separators, large values
                             FestFall{123.456, 3, ',', "123,456"}, FestFall{-7.0, 3, ',', "-7,000"},
                             FestFall{255.0, 3, '.', "255.000"}, FestFall{-14.48, 1, '.', "-14.5"},
                             FestFall{1e20, 3, ',', "100000000000000000000,000"},
                             FestFall{-123456789012.5, 0, ',', "-123456789013"},
                             // not a number: shown as such instead of a plausible figure
                             FestFall{kNaN, 3, ',', "NAN"}, FestFall{kInf, 1, ',', "INF"},
                             FestFall{-kInf, 1, ',', "-INF"}));

TEST(Fest, GroessterWertHatAlleStellen) {
    MitTrenner trenner(u',');
    const QString text = Fest(DBL_MAX, 1);
    EXPECT_TRUE(text.startsWith(QStringLiteral("17976931348623157"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(",0")));
    EXPECT_EQ(text.size(), 309 + 2);
}

struct AllgemeinFall {
    double wert;
    char trenner;
    const char* erwartet;
};

class AllgemeinTest : public testing::TestWithParam<AllgemeinFall> {};

TEST_P(AllgemeinTest, HoechstensFuenfzehnStellenOhneNullenAmEnde) {
    const AllgemeinFall& f = GetParam();
    MitTrenner trenner(QLatin1Char(f.trenner));
    EXPECT_EQ(Allgemein(f.wert), QString::fromLatin1(f.erwartet)) << "wert " << f.wert;
}

INSTANTIATE_TEST_SUITE_P(
    Werte, AllgemeinTest,
    testing::Values(AllgemeinFall{20, ',', "20"}, AllgemeinFall{20.5, ',', "20,5"},
                    AllgemeinFall{50.53, ',', "50,53"}, AllgemeinFall{-14.48, ',', "-14,48"},
                    AllgemeinFall{2.236, ',', "2,236"}, AllgemeinFall{0.1 + 0.2, ',', "0,3"},
                    AllgemeinFall{-13, ',', "-13"}, AllgemeinFall{0, ',', "0"},
                    AllgemeinFall{-0.0, ',', "0"}, AllgemeinFall{50.53, '.', "50.53"},
                    AllgemeinFall{1.0 / 3, ',', "0,333333333333333"},
                    AllgemeinFall{2.0 / 3, ',', "0,666666666666667"},
                    AllgemeinFall{123456.789, ',', "123456,789"},
                    // the exponent form only beyond 15 integer digits and below 0.00001
                    AllgemeinFall{1e14, ',', "100000000000000"},
                    AllgemeinFall{999999999999999, ',', "999999999999999"},
                    AllgemeinFall{1e15, ',', "1E15"}, AllgemeinFall{1e20, ',', "1E20"},
                    AllgemeinFall{-2.5e20, ',', "-2,5E20"}, AllgemeinFall{1e300, '.', "1E300"},
                    AllgemeinFall{0.00001, ',', "0,00001"},
                    AllgemeinFall{0.0000123, ',', "0,0000123"},
                    AllgemeinFall{0.0000099, ',', "9,9E-6"}, AllgemeinFall{1.5e-7, ',', "1,5E-7"},
                    AllgemeinFall{kNaN, ',', "NAN"}, AllgemeinFall{-kInf, ',', "-INF"}));

TEST(Allgemein, GelesenWiederDerselbeWert) {
    for (const char trenner : {',', '.'}) {
        MitTrenner t{QLatin1Char(trenner)};
        for (const double wert : {50.53, -14.48, 2.236, 1e20, -2.5e-7, 123456789.012345, 0.1}) {
            EXPECT_EQ(AlsGleitkomma(Allgemein(wert)), wert) << Allgemein(wert).toStdString();
        }
    }
}

struct GanzzahlFall {
    const char* text;
    std::optional<int> erwartet; // nullopt: must be rejected
};

class GanzzahlTest : public testing::TestWithParam<GanzzahlFall> {};

TEST_P(GanzzahlTest, WieDieLaufzeitbibliothek) {
    const GanzzahlFall& f = GetParam();
    const QString text = QString::fromUtf8(f.text);
    int wert = 12345;
    EXPECT_EQ(VersucheGanzzahl(text, wert), f.erwartet.has_value()) << '"' << f.text << '"';
    if (f.erwartet) {
        EXPECT_EQ(wert, *f.erwartet);
        EXPECT_EQ(AlsGanzzahl(text), *f.erwartet);
    } else {
        EXPECT_EQ(wert, 12345) << "a failed conversion leaves the target alone";
        EXPECT_THROW(AlsGanzzahl(text), KonvertierFehler);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texte, GanzzahlTest,
    testing::Values(GanzzahlFall{"0", 0}, GanzzahlFall{"42", 42}, GanzzahlFall{"   42", 42},
                    GanzzahlFall{"+7", 7}, GanzzahlFall{"-7", -7}, GanzzahlFall{"00012", 12},
                    GanzzahlFall{"2147483647", 2147483647}, GanzzahlFall{"-2147483648", INT32_MIN},
                    GanzzahlFall{"$FF", 255}, GanzzahlFall{"0x1f", 31}, GanzzahlFall{"0X1F", 31},
                    GanzzahlFall{"-$10", -16}, GanzzahlFall{" 0x7fffffff", 2147483647},
                    GanzzahlFall{"$FFFFFFFF", -1}, GanzzahlFall{"$80000000", INT32_MIN},
                    GanzzahlFall{"", std::nullopt}, GanzzahlFall{" ", std::nullopt},
                    GanzzahlFall{"+", std::nullopt}, GanzzahlFall{"-", std::nullopt},
                    GanzzahlFall{"42 ", std::nullopt}, GanzzahlFall{"4 2", std::nullopt},
                    GanzzahlFall{"- 5", std::nullopt}, GanzzahlFall{"\t5", std::nullopt},
                    GanzzahlFall{"1,5", std::nullopt}, GanzzahlFall{"1.5", std::nullopt},
                    GanzzahlFall{"160,5", std::nullopt}, GanzzahlFall{"12a", std::nullopt},
                    GanzzahlFall{"abc", std::nullopt}, GanzzahlFall{"2147483648", std::nullopt},
                    GanzzahlFall{"-2147483649", std::nullopt},
                    GanzzahlFall{"99999999999999999999", std::nullopt},
                    GanzzahlFall{"$", std::nullopt}, GanzzahlFall{"0x", std::nullopt},
                    GanzzahlFall{"$100000000", std::nullopt}, GanzzahlFall{"0x-1", std::nullopt},
                    GanzzahlFall{"$G", std::nullopt}, GanzzahlFall{"１２", std::nullopt}));

struct GleitkommaFall {
    const char* text;
    char trenner;
    std::optional<double> erwartet;
};

class GleitkommaTest : public testing::TestWithParam<GleitkommaFall> {};

TEST_P(GleitkommaTest, NurMitDemTrennerDesBenutzers) {
    const GleitkommaFall& f = GetParam();
    MitTrenner trenner(QLatin1Char(f.trenner));
    const QString text = QString::fromUtf8(f.text);
    double wert = 12345;
    EXPECT_EQ(VersucheGleitkomma(text, wert), f.erwartet.has_value()) << '"' << f.text << '"';
    if (f.erwartet) {
        EXPECT_EQ(wert, *f.erwartet);
        EXPECT_EQ(AlsGleitkomma(text), *f.erwartet);
    } else {
        EXPECT_EQ(wert, 12345);
        EXPECT_THROW(AlsGleitkomma(text), KonvertierFehler);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texte, GleitkommaTest,
    testing::Values(
        GleitkommaFall{"2,5", ',', 2.5}, GleitkommaFall{"  2,5  ", ',', 2.5},
        GleitkommaFall{"-14,48", ',', -14.48}, GleitkommaFall{"+3", ',', 3.0},
        GleitkommaFall{"5", ',', 5.0}, GleitkommaFall{",5", ',', 0.5},
        GleitkommaFall{"5,", ',', 5.0}, GleitkommaFall{"1E3", ',', 1000.0},
        GleitkommaFall{"1,5e-3", ',', 0.0015}, GleitkommaFall{"2e+2", ',', 200.0},
        GleitkommaFall{"0,0000", ',', 0.0}, GleitkommaFall{"1E-400", ',', 0.0},
        GleitkommaFall{"2.5", '.', 2.5}, GleitkommaFall{"-0.25E1", '.', -2.5},
        GleitkommaFall{"2.5", ',', std::nullopt}, GleitkommaFall{"2,5", '.', std::nullopt},
        GleitkommaFall{"", ',', std::nullopt}, GleitkommaFall{"   ", ',', std::nullopt},
        GleitkommaFall{"1.000,5", ',', std::nullopt}, GleitkommaFall{"1,0,5", ',', std::nullopt},
        GleitkommaFall{"1 000", ',', std::nullopt}, GleitkommaFall{"abc", ',', std::nullopt},
        GleitkommaFall{"1E", ',', std::nullopt}, GleitkommaFall{"1E+", ',', std::nullopt},
        GleitkommaFall{"E5", ',', std::nullopt}, GleitkommaFall{",", ',', std::nullopt},
        GleitkommaFall{"-", ',', std::nullopt}, GleitkommaFall{"NAN", ',', std::nullopt},
        GleitkommaFall{"INF", ',', std::nullopt}, GleitkommaFall{"1E400", ',', std::nullopt},
        GleitkommaFall{"-1E400", ',', std::nullopt}, GleitkommaFall{"0x10", ',', std::nullopt},
        GleitkommaFall{"2,5x", ',', std::nullopt}, GleitkommaFall{"\t2,5", ',', std::nullopt}));

// A decimal number in a file: written under any locale, so read with either separator
// whichever the user has; the typed number above stays with the user's. Group separators are
// refused, and what is no number under either separator stays no number.
struct DateizahlFall {
    const char* text;
    char trenner;
    Dateizahl ergebnis;
    double wert = 12345; // untouched unless read
};

class DateizahlTest : public testing::TestWithParam<DateizahlFall> {};

TEST_P(DateizahlTest, MitJedemTrenner) {
    const DateizahlFall& f = GetParam();
    MitTrenner trenner(QLatin1Char(f.trenner));
    double wert = 12345;
    EXPECT_EQ(LeseDateizahl(QString::fromUtf8(f.text), wert), f.ergebnis)
        << '"' << f.text << "\" unter '" << f.trenner << '\'';
    EXPECT_EQ(wert, f.wert) << '"' << f.text << "\" unter '" << f.trenner << '\'';
}

constexpr auto Zahl = Dateizahl::Zahl;
constexpr auto Keine = Dateizahl::KeineZahl;
constexpr auto Gruppiert = Dateizahl::Gruppiert;

INSTANTIATE_TEST_SUITE_P(
    Texte, DateizahlTest,
    testing::Values(
        // As each separator's writer writes them (15 significant digits, the exponent form).
        DateizahlFall{"47,99", ',', Zahl, 47.99}, DateizahlFall{"47.99", ',', Zahl, 47.99},
        DateizahlFall{"47,99", '.', Zahl, 47.99}, DateizahlFall{"47.99", '.', Zahl, 47.99},
        DateizahlFall{"-7.85", ',', Zahl, -7.85}, DateizahlFall{"-7,85", '.', Zahl, -7.85},
        DateizahlFall{"2.236", ',', Zahl, 2.236}, DateizahlFall{"2,236", '.', Zahl, 2.236},
        DateizahlFall{"-151.209295531985", ',', Zahl, -151.209295531985},
        DateizahlFall{"-151,209295531985", '.', Zahl, -151.209295531985},
        DateizahlFall{"1.23456789012345E-7", ',', Zahl, 1.23456789012345e-7},
        DateizahlFall{"1,23456789012345E-7", '.', Zahl, 1.23456789012345e-7},
        DateizahlFall{"5E1", ',', Zahl, 50}, DateizahlFall{"-13", '.', Zahl, -13},
        DateizahlFall{" 2.5 ", ',', Zahl, 2.5}, DateizahlFall{".5", ',', Zahl, 0.5},
        DateizahlFall{"5,", '.', Zahl, 5},
        // A separator that is neither: the files hold a point or a comma.
        DateizahlFall{"2.5", '/', Zahl, 2.5}, DateizahlFall{"2,5", '/', Zahl, 2.5},
        // Group separators, or both separators: refused under every separator.
        DateizahlFall{"1.234,5", ',', Gruppiert}, DateizahlFall{"1.234,5", '.', Gruppiert},
        DateizahlFall{"1,234.5", ',', Gruppiert}, DateizahlFall{"1,234.5", '.', Gruppiert},
        DateizahlFall{"1.234.567", ',', Gruppiert}, DateizahlFall{"1.234.567", '.', Gruppiert},
        DateizahlFall{"-1,234,567", ',', Gruppiert}, DateizahlFall{"-1,234,567", '.', Gruppiert},
        DateizahlFall{"1.234,5E3", '.', Gruppiert}, DateizahlFall{" 1.234,5 ", ',', Gruppiert},
        // No number with either separator, nor without its separators: the reader's default.
        DateizahlFall{"", ',', Keine}, DateizahlFall{"abc", '.', Keine},
        DateizahlFall{"2,5 m", '.', Keine}, DateizahlFall{"1 000", ',', Keine},
        DateizahlFall{"0x10", ',', Keine}, DateizahlFall{",", '.', Keine},
        DateizahlFall{".,", '.', Keine}, DateizahlFall{"1E400", '.', Keine},
        DateizahlFall{"1.2.x", ',', Keine}));

// A decimal text times a power of ten, on its digits: binary floating point made "8,45"
// times 100 into 844 and "1,15" into 114.
struct SkaliertFall {
    const char* text;
    char trenner;
    int zehnerpotenz;
    std::optional<long long> erwartet; // nullopt: refused
};

void PrintTo(const SkaliertFall& f, std::ostream* os) {
    *os << '"' << f.text << "\" x 10^" << f.zehnerpotenz << " (" << f.trenner << ')';
}

class GanzzahlSkaliertTest : public testing::TestWithParam<SkaliertFall> {};

TEST_P(GanzzahlSkaliertTest, GanzerTeilDerDezimalzahl) {
    const SkaliertFall& f = GetParam();
    MitTrenner trenner(QLatin1Char(f.trenner));
    const QString text = QString::fromUtf8(f.text);
    if (f.erwartet)
        EXPECT_EQ(AlsGanzzahlSkaliert(text, f.zehnerpotenz), *f.erwartet) << '"' << f.text << '"';
    else
        EXPECT_THROW(AlsGanzzahlSkaliert(text, f.zehnerpotenz), KonvertierFehler) << f.text;
}

constexpr long long kGroesste = std::numeric_limits<long long>::max();
constexpr long long kKleinste = std::numeric_limits<long long>::min();

INSTANTIATE_TEST_SUITE_P(
    Texte, GanzzahlSkaliertTest,
    testing::Values(
        SkaliertFall{"8,45", ',', 2, 845}, SkaliertFall{"-9,53", ',', 2, -953},
        SkaliertFall{"1,15", ',', 2, 115}, SkaliertFall{"0,29", ',', 2, 29},
        SkaliertFall{"4,35", ',', 2, 435}, SkaliertFall{"-0,57", ',', 2, -57},
        SkaliertFall{"1,001", ',', 3, 1001}, SkaliertFall{"8.45", '.', 2, 845},
        // digits beyond the scale are cut, toward zero
        SkaliertFall{"-9,535", ',', 2, -953}, SkaliertFall{"9,539", ',', 2, 953},
        SkaliertFall{"-0,009", ',', 2, 0}, SkaliertFall{"1,5", ',', 0, 1},
        // blanks, sign, separator at either end, exponent, leading and trailing zeros
        SkaliertFall{"  8,45  ", ',', 2, 845}, SkaliertFall{"+8,45", ',', 2, 845},
        SkaliertFall{",5", ',', 2, 50}, SkaliertFall{"5,", ',', 2, 500},
        SkaliertFall{"8,45E1", ',', 2, 8450}, SkaliertFall{"845e-2", ',', 2, 845},
        SkaliertFall{"0,0845E+2", ',', 2, 845}, SkaliertFall{"00008,4500", ',', 2, 845},
        SkaliertFall{"0E99999", ',', 2, 0}, SkaliertFall{"1E-400", ',', 2, 0},
        // saturated at the ends of 64 bits
        SkaliertFall{"9223372036854775807", ',', 0, kGroesste},
        SkaliertFall{"9223372036854775808", ',', 0, kGroesste},
        SkaliertFall{"-9223372036854775808", ',', 0, kKleinste},
        SkaliertFall{"-9223372036854775809", ',', 0, kKleinste},
        SkaliertFall{"99999999999999999999", ',', 0, kGroesste},
        SkaliertFall{"92233720368547758,07", ',', 2, kGroesste},
        SkaliertFall{"1E300", ',', 2, kGroesste}, SkaliertFall{"-1E300", ',', 2, kKleinste},
        // refused as AlsGleitkomma refuses them
        SkaliertFall{"8.45", ',', 2, std::nullopt}, SkaliertFall{"8,45", '.', 2, std::nullopt},
        SkaliertFall{"", ',', 2, std::nullopt}, SkaliertFall{"E2", ',', 2, std::nullopt},
        SkaliertFall{"1E", ',', 2, std::nullopt}, SkaliertFall{"1,2,3", ',', 2, std::nullopt},
        SkaliertFall{"1E400", ',', -3, std::nullopt}, SkaliertFall{"0x10", ',', 2, std::nullopt},
        SkaliertFall{"\t1", ',', 2, std::nullopt}));

// The scaled readers take and refuse exactly the texts AlsGleitkomma takes and refuses, with
// its message; only the value differs.
TEST(Skaliert, AnnahmeUndMeldungWieAlsGleitkomma) {
    MitTrenner trenner(u',');
    for (const char* t : {"8,45", " -1,5E2 ", "1E-400", "1E300", "", "  ", "8.45", "1,0,5", "E5",
                          "1E+", "-", ",", "NAN", "INF", "1E400", "-1E400", "2,5x", "1 000"}) {
        const QString text = QString::fromUtf8(t);
        std::optional<QString> erwartet;
        try {
            (void)AlsGleitkomma(text);
        } catch (const KonvertierFehler& f) {
            erwartet = f.meldung();
        }
        const auto meldung = [&](auto lesen) -> std::optional<QString> {
            try {
                lesen();
            } catch (const KonvertierFehler& f) {
                return f.meldung();
            }
            return std::nullopt;
        };
        EXPECT_EQ(meldung([&] { (void)AlsGanzzahlSkaliert(text, 2); }), erwartet) << t;
        EXPECT_EQ(meldung([&] { (void)AlsGleitkommaSkaliert(text, -3); }), erwartet) << t;
    }
}

// Thousandths to a double: the double nearest to k / 1000, which k * 0.001 often is not.
TEST(Skaliert, TausendstelSindDerNaechsteDouble) {
    MitTrenner trenner(u',');
    for (int k = 0; k <= 65535; ++k) {
        const double naechster = std::stod(std::to_string(k) + "e-3");
        ASSERT_EQ(AlsGleitkommaSkaliert(QString::number(k), -3), naechster) << k;
        ASSERT_EQ(AlsGleitkommaSkaliert(QString::number(-k), -3), -naechster) << k;
    }
    EXPECT_EQ(AlsGleitkommaSkaliert(QStringLiteral("1001"), -3), 1.001);
    EXPECT_EQ(AlsGleitkommaSkaliert(QStringLiteral("1,5"), -3), 0.0015);
    EXPECT_EQ(AlsGleitkommaSkaliert(QStringLiteral("2236E1"), -3), 22.36);
    EXPECT_EQ(AlsGleitkommaSkaliert(QStringLiteral("1E-400"), -3), 0.0);
    // Scaled up beyond the largest double: infinity with the text's sign.
    EXPECT_EQ(AlsGleitkommaSkaliert(QStringLiteral("1E300"), 10), kInf);
    EXPECT_EQ(AlsGleitkommaSkaliert(QStringLiteral("-1E300"), 10), -kInf);
}

struct AllgemeinSkaliertFall {
    long long ganz;
    int nachkomma;
    char trenner;
    const char* erwartet;
};

void PrintTo(const AllgemeinSkaliertFall& f, std::ostream* os) {
    *os << f.ganz << " / 10^" << f.nachkomma << " (" << f.trenner << ')';
}

class AllgemeinSkaliertTest : public testing::TestWithParam<AllgemeinSkaliertFall> {};

TEST_P(AllgemeinSkaliertTest, AusDenZiffernDerGanzzahl) {
    const AllgemeinSkaliertFall& f = GetParam();
    MitTrenner trenner(QLatin1Char(f.trenner));
    EXPECT_EQ(AllgemeinSkaliert(f.ganz, f.nachkomma), QString::fromLatin1(f.erwartet))
        << f.ganz << " / 10^" << f.nachkomma;
}

INSTANTIATE_TEST_SUITE_P(
    Werte, AllgemeinSkaliertTest,
    testing::Values(
        AllgemeinSkaliertFall{845, 2, ',', "8,45"}, AllgemeinSkaliertFall{-953, 2, ',', "-9,53"},
        AllgemeinSkaliertFall{5053, 2, ',', "50,53"}, AllgemeinSkaliertFall{5053, 2, '.', "50.53"},
        AllgemeinSkaliertFall{-5, 2, ',', "-0,05"}, AllgemeinSkaliertFall{-1300, 2, ',', "-13"},
        AllgemeinSkaliertFall{10, 2, ',', "0,1"}, AllgemeinSkaliertFall{0, 2, ',', "0"},
        AllgemeinSkaliertFall{-32768, 2, ',', "-327,68"}, AllgemeinSkaliertFall{123, 0, ',', "123"},
        AllgemeinSkaliertFall{1, 18, ',', "0,000000000000000001"},
        AllgemeinSkaliertFall{kKleinste, 0, ',', "-9223372036854775808"},
        AllgemeinSkaliertFall{kKleinste, 18, ',', "-9,223372036854775808"},
        AllgemeinSkaliertFall{kGroesste, 3, ',', "9223372036854775,807"}));

// Every hundredth of an i16 shows as the general format shows value x 0.01, and reads back as
// the same hundredths.
TEST(AllgemeinSkaliert, JederHundertstelWertWieAllgemein) {
    for (const char t : {',', '.'}) {
        MitTrenner trenner{QLatin1Char(t)};
        for (int v = -32768; v <= 32767; ++v) {
            const QString text = AllgemeinSkaliert(v, 2);
            ASSERT_EQ(text, Allgemein(v * 0.01)) << v;
            ASSERT_EQ(AlsGanzzahlSkaliert(text, 2), v) << text.toStdString();
        }
    }
}

TEST(Konvertierung, MeldungenNennenDenText) {
    MitTrenner trenner(u',');
    const struct {
        QString text;
        bool ganz;
        QString meldung;
    } faelle[] = {
        {QStringLiteral("1,5"), true, QStringLiteral("''1,5'' ist kein gültiger Integer-Wert")},
        {QString(), true, QStringLiteral("'''' ist kein gültiger Integer-Wert")},
        {QStringLiteral("2.5"), false, QStringLiteral("'2.5' ist kein gültiger Gleitkommawert")},
        {QStringLiteral("abc"), false, QStringLiteral("'abc' ist kein gültiger Gleitkommawert")},
        {QString(), false, QStringLiteral("'' ist kein gültiger Gleitkommawert")},
    };
    for (const auto& f : faelle) {
        try {
            f.ganz ? (void)AlsGanzzahl(f.text) : (void)AlsGleitkomma(f.text);
            ADD_FAILURE() << "no exception for " << f.text.toStdString();
        } catch (const KonvertierFehler& fehler) {
            EXPECT_EQ(fehler.meldung(), f.meldung);
            EXPECT_EQ(std::string(fehler.what()), f.meldung.toStdString());
        }
    }
    // The umlaut is one character, not two mis-decoded bytes.
    EXPECT_TRUE(KonvertierFehler(QStringLiteral("ü")).meldung() == QString(QChar(0xFC)));
}

// LC_ALL, LC_NUMERIC and LANG are set per row and put back afterwards.
class UmgebungTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kNamen) {
            const char* wert = std::getenv(name);
            alt_.push_back(wert ? std::optional<std::string>(wert) : std::nullopt);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < std::size(kNamen); ++i)
            alt_[i] ? setenv(kNamen[i], alt_[i]->c_str(), 1) : unsetenv(kNamen[i]);
    }
    static constexpr const char* kNamen[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::vector<std::optional<std::string>> alt_;
};

TEST_F(UmgebungTest, ErsterGesetzterNameGilt) {
    const struct {
        const char* lcAll;
        const char* lcNumeric;
        const char* lang;
        char erwartet;
    } faelle[] = {
        {nullptr, nullptr, "de_DE.UTF-8", ','}, {nullptr, nullptr, "en_US.UTF-8", '.'},
        {"", "", "de_DE.UTF-8", ','},           {"de_DE@euro", nullptr, "en_US.UTF-8", ','},
        {nullptr, "fr_FR.UTF-8", "en_US", ','}, {"C", nullptr, "de_DE.UTF-8", '.'},
        {"C.UTF-8", "de_DE", "de_DE", '.'},     {nullptr, nullptr, "POSIX", '.'},
        {nullptr, nullptr, "de_CH.UTF-8", '.'}, {nullptr, nullptr, "de_AT.ISO-8859-1", ','},
        {nullptr, nullptr, nullptr, '.'},       {nullptr, nullptr, "kein_Locale", '.'},
    };
    for (const auto& f : faelle) {
        const char* werte[] = {f.lcAll, f.lcNumeric, f.lang};
        for (std::size_t i = 0; i < std::size(kNamen); ++i)
            werte[i] ? setenv(kNamen[i], werte[i], 1) : unsetenv(kNamen[i]);
        EXPECT_EQ(TrennerAusUmgebung(), QLatin1Char(f.erwartet))
            << (f.lcAll ? f.lcAll : "-") << ' ' << (f.lcNumeric ? f.lcNumeric : "-") << ' '
            << (f.lang ? f.lang : "-");
    }
}

TEST(Dezimaltrenner, GesetzterTrennerGiltFuerAlleTexte) {
    MitTrenner trenner(u'.');
    EXPECT_EQ(Dezimaltrenner(), QChar(u'.'));
    EXPECT_EQ(Fest(1.5, 1), QStringLiteral("1.5"));
    SetzeDezimaltrenner(u',');
    EXPECT_EQ(Dezimaltrenner(), QChar(u','));
    EXPECT_EQ(Allgemein(1.5), QStringLiteral("1,5"));
    EXPECT_DOUBLE_EQ(AlsGleitkomma(QStringLiteral("1,5")), 1.5);
}

} // namespace
