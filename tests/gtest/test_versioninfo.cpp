// The version text of the about box and where it comes from: the version block, its reader,
// and the ELF reader that finds the block in an executable.
#include "basis/versioninfo.h"
#include "workspace/ABOUT.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#ifndef HW_PROGRAMM_MIT_VERSIONSBLOCK
#error "the build names the application that carries the version block"
#endif

namespace {

using Bytes = std::vector<unsigned char>;

// ---- The label text -------------------------------------------------------------------------

struct BeschriftungsFall {
    const char* name;
    std::optional<std::string> dateiversion;
    const char* erwartet;
};

class VersionsBeschriftung : public testing::TestWithParam<BeschriftungsFall> {};

TEST_P(VersionsBeschriftung, FormatAndSplitAtTheLastDot) {
    EXPECT_EQ(VersionBeschriftung(GetParam().dateiversion).toStdString(), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, VersionsBeschriftung,
    testing::Values(BeschriftungsFall{"Vierteilig", "2.0.0.2", "2.0.0 (Build 2) "},
                    BeschriftungsFall{"OhnePunkt", "2", "2 (Build ) "},
                    BeschriftungsFall{"KeineVersionsdaten", std::nullopt, "Version: 1.1"},
                    BeschriftungsFall{"MehrstelligerBuild", "1.2.3.456", "1.2.3 (Build 456) "},
                    BeschriftungsFall{"PunktAmEnde", "2.", "2 (Build ) "},
                    // The first character is never taken for the dot.
                    BeschriftungsFall{"PunktNurVorn", ".5", ".5 (Build ) "},
                    BeschriftungsFall{"PunktVornUndHinten", ".5.1", ".5 (Build 1) "},
                    BeschriftungsFall{"Leer", "", " (Build ) "}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The version block ----------------------------------------------------------------------

const versionsblock::Eintrag Eintraege[] = {{"FileVersion", "2.0.0.2"},
                                            {"ProductVersion", "2.0.0.0"}};

Bytes Block(std::uint16_t sprache = 0x0407, std::uint16_t codepage = 0x04e4) {
    Bytes b(versionsblock::Schreibe(nullptr, sprache, codepage, Eintraege));
    EXPECT_EQ(versionsblock::Schreibe(b.data(), sprache, codepage, Eintraege), b.size());
    return b;
}

// What the build places in the section is what the run-time writer produces.
constexpr versionsblock::Eintrag KonstEintraege[] = {{"FileVersion", "2.0.0.2"},
                                                     {"ProductVersion", "2.0.0.0"}};
constexpr std::size_t KonstGroesse =
    versionsblock::Schreibe(nullptr, 0x0407, 0x04e4, KonstEintraege);
constexpr auto KonstBlock = versionsblock::Baue<KonstGroesse>(0x0407, 0x04e4, KonstEintraege);

TEST(Versionsblock, BuiltAtCompileTimeEqualsRunTime) {
    EXPECT_EQ(Bytes(std::begin(KonstBlock.daten), std::end(KonstBlock.daten)), Block());
}

struct PfadFall {
    const char* pfad;
    std::optional<std::string> erwartet;
};

class VersionsblockPfade : public testing::TestWithParam<PfadFall> {};

TEST_P(VersionsblockPfade, FindTextsByTheirKeyPath) {
    EXPECT_EQ(versionsblock::Text(Block(), GetParam().pfad), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, VersionsblockPfade,
    testing::Values(PfadFall{"\\StringFileInfo\\040704e4\\FileVersion", "2.0.0.2"},
                    PfadFall{"\\StringFileInfo\\040704e4\\ProductVersion", "2.0.0.0"},
                    PfadFall{"\\stringfileinfo\\040704E4\\FILEVERSION", "2.0.0.2"},
                    PfadFall{"\\StringFileInfo\\040904b0\\FileVersion", std::nullopt},
                    PfadFall{"\\StringFileInfo\\040704e4\\Comments", std::nullopt},
                    PfadFall{"\\StringFileInfo\\040704e4\\FileVersio", std::nullopt},
                    PfadFall{"\\StringFileInfo\\040704e4\\FileVersion\\x", std::nullopt},
                    PfadFall{"\\VarFileInfo\\FileVersion", std::nullopt},
                    PfadFall{"\\", std::string()}));

TEST(Versionsblock, TranslationIsLanguageThenCodePage) {
    const Bytes b = Block(0x0409, 0x04b0);
    const auto tr = versionsblock::Wert(b, "\\VarFileInfo\\Translation");
    ASSERT_TRUE(tr);
    EXPECT_EQ(Bytes(tr->begin(), tr->end()), (Bytes{0x09, 0x04, 0xb0, 0x04}));
    EXPECT_EQ(versionsblock::Text(b, "\\StringFileInfo\\040904b0\\FileVersion"), "2.0.0.2");
}

TEST(Versionsblock, PaddingBehindTheBlockIsIgnored) {
    Bytes b = Block();
    b.resize(b.size() + 29, 0);
    EXPECT_EQ(versionsblock::Text(b, "\\StringFileInfo\\040704e4\\FileVersion"), "2.0.0.2");
}

TEST(Versionsblock, EveryShortenedBlockHasNoValue) {
    const Bytes b = Block();
    for (std::size_t n = 0; n < b.size(); ++n) {
        const Bytes kurz(b.begin(), b.begin() + n);
        EXPECT_FALSE(versionsblock::Wert(kurz, "\\VarFileInfo\\Translation")) << n;
        EXPECT_FALSE(versionsblock::Text(kurz, "\\StringFileInfo\\040704e4\\FileVersion")) << n;
    }
}

// Damaged blocks give an answer or none, but never read outside the block (the sanitizer
// build checks that).
TEST(Versionsblock, DamagedBlocksAreReadSafely) {
    const Bytes gut = Block();
    std::mt19937 zufall(4711);
    auto pruefe = [](const Bytes& b) {
        (void)versionsblock::Text(b, "\\StringFileInfo\\040704e4\\FileVersion");
        (void)versionsblock::Wert(b, "\\VarFileInfo\\Translation");
    };
    for (std::size_t i = 0; i < gut.size(); ++i) {
        for (unsigned char wert : {0x00, 0x01, 0x06, 0x7f, 0xff}) {
            Bytes b = gut;
            b[i] = wert;
            pruefe(b);
        }
    }
    for (int runde = 0; runde < 3000; ++runde) {
        Bytes b = gut;
        for (int k = 0; k < 4; ++k)
            b[zufall() % b.size()] = static_cast<unsigned char>(zufall());
        b.resize(zufall() % (b.size() + 1));
        pruefe(b);
    }
    for (int runde = 0; runde < 500; ++runde) {
        Bytes b(zufall() % 300);
        for (auto& x : b)
            x = static_cast<unsigned char>(zufall());
        pruefe(b);
    }
}

// ---- Reading the executable -----------------------------------------------------------------

Bytes LiesDatei(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void SchreibeDatei(const std::string& pfad, const Bytes& inhalt) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(inhalt.data()),
              static_cast<std::streamsize>(inhalt.size()));
    ASSERT_TRUE(out.good()) << pfad;
}

void SetzeLE(Bytes& b, std::size_t at, std::uint64_t wert, int breite) {
    for (int i = 0; i < breite; ++i)
        b[at + i] = static_cast<unsigned char>(wert >> (8 * i));
}

std::uint64_t LE(const Bytes& b, std::size_t at, int breite) {
    std::uint64_t v = 0;
    for (int i = breite; i-- > 0;)
        v = v << 8 | b[at + i];
    return v;
}

class VersionAusDatei : public testing::Test {
protected:
    static void SetUpTestSuite() {
        anwendung_ = new Bytes(LiesDatei(HW_PROGRAMM_MIT_VERSIONSBLOCK));
    }
    static void TearDownTestSuite() {
        delete anwendung_;
        anwendung_ = nullptr;
    }
    std::string Ablegen(const char* name, const Bytes& inhalt) {
        const std::string pfad = ordner_.filePath(QString::fromLatin1(name)).toStdString();
        SchreibeDatei(pfad, inhalt);
        return pfad;
    }
    static const Bytes& Anwendung() { return *anwendung_; }

    QTemporaryDir ordner_;

private:
    static Bytes* anwendung_;
};
Bytes* VersionAusDatei::anwendung_ = nullptr;

TEST_F(VersionAusDatei, TheApplicationCarriesItsVersion) {
    const MyVersionInfo info(HW_PROGRAMM_MIT_VERSIONSBLOCK);
    ASSERT_TRUE(info.HatDaten());
    EXPECT_EQ(info.Uebersetzung(), 0x040704e4u);
    EXPECT_EQ(info.Dateiversion(), "2.0.0.2");
    EXPECT_EQ(info.Abfrage("ProductVersion"), "2.0.0.0");
    EXPECT_FALSE(info.Abfrage("Comments"));
    EXPECT_EQ(VersionBeschriftung(info.Dateiversion()), QStringLiteral("2.0.0 (Build 2) "));
}

TEST_F(VersionAusDatei, ACopyIsReadLikeTheOriginal) {
    const MyVersionInfo info(Ablegen("kopie", Anwendung()));
    EXPECT_EQ(info.Dateiversion(), "2.0.0.2");
}

// Files that hold no version block, or no readable one: no version data, whatever is wrong.
struct OhneFall {
    const char* name;
    std::function<Bytes(const Bytes& anwendung)> inhalt;
};

class OhneVersionsdaten : public VersionAusDatei, public testing::WithParamInterface<OhneFall> {};

TEST_P(OhneVersionsdaten, HasNoVersionData) {
    const MyVersionInfo info(Ablegen("datei", GetParam().inhalt(Anwendung())));
    EXPECT_FALSE(info.HatDaten());
    EXPECT_EQ(info.Uebersetzung(), 0u);
    EXPECT_FALSE(info.Dateiversion());
}

Bytes Gekuerzt(const Bytes& b, std::size_t n) {
    return Bytes(b.begin(), b.begin() + n);
}
Bytes Geaendert(Bytes b, std::size_t at, std::uint64_t wert, int breite) {
    SetzeLE(b, at, wert, breite);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, OhneVersionsdaten,
    testing::Values(
        OhneFall{"Leer", [](const Bytes&) { return Bytes(); }},
        OhneFall{"Text", [](const Bytes&) { return Bytes{'V', 'e', 'r', 's', 'i', 'o', 'n'}; }},
        OhneFall{"Zufall",
                 [](const Bytes&) {
                     std::mt19937 z(1);
                     Bytes b(65536);
                     for (auto& x : b)
                         x = static_cast<unsigned char>(z());
                     return b;
                 }},
        OhneFall{"ElfKopfUndZufall",
                 [](const Bytes& a) {
                     std::mt19937 z(2);
                     Bytes b(a.begin(), a.begin() + 64);
                     b.resize(65536);
                     for (std::size_t i = 64; i < b.size(); ++i)
                         b[i] = static_cast<unsigned char>(z());
                     return b;
                 }},
        OhneFall{"NurKopf", [](const Bytes& a) { return Gekuerzt(a, 64); }},
        OhneFall{"KopfAbgeschnitten", [](const Bytes& a) { return Gekuerzt(a, 63); }},
        OhneFall{"Haelfte", [](const Bytes& a) { return Gekuerzt(a, a.size() / 2); }},
        OhneFall{"LetztesByteFehlt", [](const Bytes& a) { return Gekuerzt(a, a.size() - 1); }},
        OhneFall{"Elf32", [](const Bytes& a) { return Geaendert(a, 4, 1, 1); }},
        OhneFall{"BigEndian", [](const Bytes& a) { return Geaendert(a, 5, 2, 1); }},
        OhneFall{"KopftabelleHinterDemEnde",
                 [](const Bytes& a) { return Geaendert(a, 0x28, a.size(), 8); }},
        OhneFall{"KopftabelleUeberlaeuft",
                 [](const Bytes& a) { return Geaendert(a, 0x28, ~std::uint64_t{0} - 8, 8); }},
        OhneFall{"KopfgroesseNull", [](const Bytes& a) { return Geaendert(a, 0x3a, 0, 2); }},
        OhneFall{"ZuVieleAbschnitte", [](const Bytes& a) { return Geaendert(a, 0x3c, 0xfffe, 2); }},
        OhneFall{"NamenstabelleFehlt",
                 [](const Bytes& a) { return Geaendert(a, 0x3e, LE(a, 0x3c, 2), 2); }},
        OhneFall{"ErweiterteZahlRiesig",
                 [](const Bytes& a) {
                     // Section count 0: the real count stands in the first section header.
                     Bytes b = Geaendert(a, 0x3c, 0, 2);
                     SetzeLE(b, LE(a, 0x28, 8) + 32, ~std::uint64_t{0}, 8);
                     return b;
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VersionAusDatei, ProgramsWithoutBlockAndMissingFilesHaveNoVersion) {
    for (const char* pfad :
         {MyVersionInfo::EigenesProgramm, "/nicht/vorhanden/heliowendler", "/tmp", ""}) {
        const MyVersionInfo info(pfad);
        EXPECT_FALSE(info.HatDaten()) << pfad;
        EXPECT_FALSE(info.Dateiversion()) << pfad;
    }
}

TEST_F(VersionAusDatei, ExtendedSectionCountIsFollowed) {
    // The same file with its section count moved into the first section header.
    Bytes b = Geaendert(Anwendung(), 0x3c, 0, 2);
    SetzeLE(b, LE(b, 0x28, 8) + 32, LE(Anwendung(), 0x3c, 2), 8);
    EXPECT_EQ(MyVersionInfo(Ablegen("erweitert", b)).Dateiversion(), "2.0.0.2");
}

// Random damage in the section headers: the version is read intact or not at all, and never
// from outside the file.
TEST_F(VersionAusDatei, DamagedSectionHeadersAreReadSafely) {
    const Bytes& a = Anwendung();
    const std::size_t tabelle = LE(a, 0x28, 8);
    const std::size_t laenge = LE(a, 0x3c, 2) * LE(a, 0x3a, 2);
    ASSERT_LE(tabelle + laenge, a.size());
    const std::string pfad = Ablegen("beschaedigt", a);
    std::fstream datei(pfad, std::ios::binary | std::ios::in | std::ios::out);
    std::mt19937 zufall(815);
    for (int runde = 0; runde < 400; ++runde) {
        Bytes kopfe(a.begin() + tabelle, a.begin() + tabelle + laenge);
        for (int k = 0; k < 3; ++k)
            kopfe[zufall() % kopfe.size()] = static_cast<unsigned char>(zufall());
        datei.seekp(static_cast<std::streamoff>(tabelle));
        datei.write(reinterpret_cast<const char*>(kopfe.data()),
                    static_cast<std::streamsize>(kopfe.size()));
        datei.flush();
        EXPECT_EQ(MyVersionInfo(pfad).Dateiversion().value_or("2.0.0.2"), "2.0.0.2");
    }
}

} // namespace
