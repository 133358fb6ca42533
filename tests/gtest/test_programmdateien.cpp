#include "basis/programmdateien.h"

#include <gtest/gtest.h>

#include "dateien.h"
#include "kleinesdateisystem.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace programmdateien;

struct NameFall {
    const char* programm;
    const char* basis;
};

class BasisnameTest : public testing::TestWithParam<NameFall> {};

TEST_P(BasisnameTest, EndungWirdErsetztOderAngehaengt) {
    EXPECT_EQ(Basisname(QString::fromUtf8(GetParam().programm)),
              QString::fromUtf8(GetParam().basis));
}

INSTANTIATE_TEST_SUITE_P(Namen, BasisnameTest,
                         testing::Values(NameFall{"/usr/bin/heliowendler", "heliowendler"},
                                         NameFall{"/opt/h/heliowendler.exe", "heliowendler"},
                                         NameFall{"/opt/h/HELIO.EXE", "HELIO"},
                                         NameFall{"/a/my.app.exe", "my.app"},
                                         NameFall{"/a/b.c/prog", "prog"},
                                         NameFall{"/a/.versteckt", ".versteckt"},
                                         NameFall{"", "heliowendler"}));

// XDG_CONFIG_HOME and HOME point into a folder of the test; both are put back afterwards.
class OrdnerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
            const char* wert = std::getenv(name);
            alt_.emplace_back(name, wert ? std::optional<std::string>(wert) : std::nullopt);
        }
        setenv("XDG_CONFIG_HOME", tmp_.filePath(QStringLiteral("xdg")).toLocal8Bit(), 1);
        setenv("HOME", tmp_.filePath(QStringLiteral("home")).toLocal8Bit(), 1);
    }
    void TearDown() override {
        for (const auto& [name, wert] : alt_)
            wert ? setenv(name, wert->c_str(), 1) : unsetenv(name);
        SetzeOrdner(QString());
    }
    QTemporaryDir tmp_;
    std::vector<std::pair<const char*, std::optional<std::string>>> alt_;
};

TEST_F(OrdnerTest, SchreibbarerProgrammordnerBleibtSauber) {
    const QString programm = tmp_.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(programm));
    EXPECT_EQ(OrdnerFuer(programm), programm);
    EXPECT_TRUE(QDir(programm).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(QFileInfo::exists(tmp_.filePath(QStringLiteral("xdg"))));
}

// Unwritable for root as well: below a regular file, or a folder that does not exist.
TEST_F(OrdnerTest, NichtSchreibbarWeichtInDieKonfigurationAus) {
    QFile datei(tmp_.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    const QString erwartet = tmp_.filePath(QStringLiteral("xdg/heliowendler"));
    for (const QString& programm :
         {tmp_.filePath(QStringLiteral("datei/bin")), tmp_.filePath(QStringLiteral("fehlt"))}) {
        EXPECT_EQ(OrdnerFuer(programm), erwartet) << programm.toStdString();
        EXPECT_TRUE(QFileInfo(erwartet).isDir());
    }
}

TEST_F(OrdnerTest, OhneXdgVariableUnterHome) {
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relativ/pfad"}) {
        xdg ? setenv("XDG_CONFIG_HOME", xdg, 1) : unsetenv("XDG_CONFIG_HOME");
        const QString erwartet = tmp_.filePath(QStringLiteral("home/.config/heliowendler"));
        EXPECT_EQ(AusweichOrdner(), erwartet) << (xdg ? xdg : "(nicht gesetzt)");
        EXPECT_TRUE(QFileInfo(erwartet).isDir());
    }
}

TEST_F(OrdnerTest, GesetzterOrdnerGiltFuerBeideDateien) {
    const QString basis = Basisname(Programmdatei());
    SetzeOrdner(tmp_.path());
    EXPECT_EQ(Ordner(), tmp_.path());
    EXPECT_EQ(Einstellungsdatei(), tmp_.path() + u'/' + basis + QStringLiteral(".INI"));
    EXPECT_EQ(Standortdatei(), tmp_.path() + u'/' + basis + QStringLiteral(".POS"));

    // Back to the default: the test binary's own folder, which the build can write.
    SetzeOrdner(QString());
    EXPECT_EQ(Ordner(), QFileInfo(Programmdatei()).absolutePath());
}

// The package's files beside a program in a folder that cannot be written are the start of
// the user's own copies: copied once, never over a copy the user already has.
TEST_F(OrdnerTest, SchreibgeschuetzterProgrammordnerGibtSeineDateienMit) {
    const QString programm = tmp_.filePath(QStringLiteral("paket"));
    ASSERT_TRUE(QDir().mkpath(programm));
    kleinesdateisystem::Tmpfs paket(programm, 1 << 20);
    if (!paket.eingehaengt())
        GTEST_SKIP() << "kein schreibgeschuetzter Ordner moeglich: " << paket.Grund().toStdString();
    const QByteArray standortdatei = "[Werk]\r\nBreite=50,5\r\nL\xE4nge=-12\r\n";
    const QByteArray einstellungen = "[COMs]\r\nSender1=4\r\n";
    SchreibDatei(programm + QStringLiteral("/heliowendler.POS"), standortdatei);
    SchreibDatei(programm + QStringLiteral("/heliowendler.INI"), einstellungen);
    ASSERT_TRUE(paket.NurLesbar());

    const QString ordner = tmp_.filePath(QStringLiteral("xdg/heliowendler"));
    EXPECT_EQ(OrdnerFuerProgramm(programm + QStringLiteral("/heliowendler")), ordner);
    EXPECT_EQ(LiesDatei(ordner + QStringLiteral("/heliowendler.POS")), standortdatei);
    EXPECT_EQ(LiesDatei(ordner + QStringLiteral("/heliowendler.INI")), einstellungen);

    // The user's copy is kept at the next start.
    SchreibDatei(ordner + QStringLiteral("/heliowendler.POS"), "[Eigener]\r\n");
    EXPECT_EQ(OrdnerFuerProgramm(programm + QStringLiteral("/heliowendler")), ordner);
    EXPECT_EQ(LiesDatei(ordner + QStringLiteral("/heliowendler.POS")), QByteArray("[Eigener]\r\n"));
}

TEST_F(OrdnerTest, VorlagenNurWoNochKeineKopieIst) {
    const QString programm = tmp_.filePath(QStringLiteral("bin"));
    const QString ordner = tmp_.filePath(QStringLiteral("konfig"));
    ASSERT_TRUE(QDir().mkpath(programm));
    ASSERT_TRUE(QDir().mkpath(ordner));
    SchreibDatei(programm + QStringLiteral("/h.POS"), "[Werk]\r\nBreite=1\r\n");
    SchreibDatei(ordner + QStringLiteral("/h.INI"), "[COMs]\r\nSender1=2\r\n");
    SchreibDatei(programm + QStringLiteral("/h.INI"), "[COMs]\r\nSender1=9\r\n");
    ASSERT_EQ(mkfifo(QFile::encodeName(programm + QStringLiteral("/f.POS")).constData(), 0644), 0);

    UebernimmVorlagen(programm, ordner, QStringLiteral("h"));
    UebernimmVorlagen(programm, ordner, QStringLiteral("fehlt"));
    UebernimmVorlagen(programm, ordner, QStringLiteral("f")); // a FIFO is not read
    EXPECT_EQ(LiesDatei(ordner + QStringLiteral("/h.POS")), QByteArray("[Werk]\r\nBreite=1\r\n"));
    EXPECT_EQ(LiesDatei(ordner + QStringLiteral("/h.INI")), QByteArray("[COMs]\r\nSender1=2\r\n"));
    EXPECT_EQ(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("h.INI"), QStringLiteral("h.POS")}));
}

// An installed program (<prefix>/bin beside <prefix>/share/heliowendler) keeps its files in
// the config folder even where it could write beside itself (run by root, a scratch-root
// install). Each file there is seeded once: from beside the program, else from the package's
// data folder; a copy the user has is never replaced, and a later package file is not taken.
struct Vorlage {
    const char* neben;  // beside the program; nullptr: none
    const char* paket;  // in <prefix>/share/heliowendler; nullptr: none
    const char* eigene; // the user's copy before the start; nullptr: none
    const char* danach; // the user's copy after the start; nullptr: none
};
struct VorlagenFall {
    const char* name;
    Vorlage ini, pos;
};

void PrintTo(const VorlagenFall& fall, std::ostream* os) {
    *os << fall.name;
}

class InstalliertTest : public OrdnerTest, public testing::WithParamInterface<VorlagenFall> {};

TEST_P(InstalliertTest, KonfigurationsordnerMitVorlagenAusDemPaket) {
    const QString bin = tmp_.filePath(QStringLiteral("usr/bin"));
    const QString daten = tmp_.filePath(QStringLiteral("usr/share/heliowendler"));
    const QString ordner = tmp_.filePath(QStringLiteral("xdg/heliowendler"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(daten));
    ASSERT_TRUE(QDir().mkpath(ordner));
    const std::pair<QString, Vorlage> dateien[] = {
        {QStringLiteral("/heliowendler.INI"), GetParam().ini},
        {QStringLiteral("/heliowendler.POS"), GetParam().pos}};
    for (const auto& [name, v] : dateien) {
        if (v.neben) SchreibDatei(bin + name, v.neben);
        if (v.paket) SchreibDatei(daten + name, v.paket);
        if (v.eigene) SchreibDatei(ordner + name, v.eigene);
    }
    const QStringList imProgrammordner =
        QDir(bin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    for (const char* start : {"erster Start", "zweiter Start mit neuer Paketdatei"}) {
        EXPECT_EQ(OrdnerFuerProgramm(bin + QStringLiteral("/heliowendler")), ordner) << start;
        for (const auto& [name, v] : dateien)
            EXPECT_EQ(LiesDatei(ordner + name), QByteArray(v.danach ? v.danach : "<fehlt>"))
                << start << ": " << name.toStdString();
        EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  imProgrammordner)
            << start;
        for (const auto& [name, v] : dateien)
            if (v.paket) SchreibDatei(daten + name, "[Neu]\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Vorlagen, InstalliertTest,
    testing::Values(
        VorlagenFall{"AusDemPaket",
                     {nullptr, "[COMs]\r\nSender1=1\r\n", nullptr, "[COMs]\r\nSender1=1\r\n"},
                     {nullptr, "[Werk]\r\nBreite=1\r\n", nullptr, "[Werk]\r\nBreite=1\r\n"}},
        VorlagenFall{"PaketOhneStandorte",
                     {nullptr, "[COMs]\r\nSender1=1\r\n", nullptr, "[COMs]\r\nSender1=1\r\n"},
                     {nullptr, nullptr, nullptr, nullptr}},
        VorlagenFall{"LeererDatenordner", {}, {}},
        VorlagenFall{"EigeneBleibtFehlendeKommt",
                     {nullptr, "[COMs]\r\nSender1=1\r\n", "[COMs]\r\nSender1=7\r\n",
                      "[COMs]\r\nSender1=7\r\n"},
                     {nullptr, "[Werk]\r\nBreite=1\r\n", nullptr, "[Werk]\r\nBreite=1\r\n"}},
        VorlagenFall{"NebenDemProgrammGehtVor",
                     {"[COMs]\r\nSender1=3\r\n", "[COMs]\r\nSender1=1\r\n", nullptr,
                      "[COMs]\r\nSender1=3\r\n"},
                     {nullptr, "[Werk]\r\nBreite=1\r\n", nullptr, "[Werk]\r\nBreite=1\r\n"}}),
    [](const testing::TestParamInfo<VorlagenFall>& info) { return std::string(info.param.name); });

TEST(Programmdatei, OhneAnwendungsobjektDasLaufendeProgramm) {
    const QFileInfo programm(Programmdatei());
    EXPECT_TRUE(programm.isAbsolute());
    EXPECT_TRUE(programm.isFile());
    EXPECT_TRUE(programm.isExecutable());
    EXPECT_FALSE(Basisname(programm.filePath()).isEmpty());
}

} // namespace
