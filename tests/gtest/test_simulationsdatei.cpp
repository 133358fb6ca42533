// Simulation files without a window: the bytes a save writes, what a load reads from given
// bytes, and that a save which cannot convert or write leaves the file as it was.
#include "basis/dateizugriff.h"
#include "basis/fehler.h"
#include "basis/inidatei.h"
#include "basis/zahltext.h"
#include "workspace/simulationsdatei.h"

#include <gtest/gtest.h>

#include "dateien.h"
#include "trenner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

namespace {

namespace sd = simulationsdatei;

// The main window's inputs at design time (with every edit, also those a file does not keep).
SimEingaben Vorgaben() {
    return {
        {SimFeld::Jahr, "2008"},    {SimFeld::Monat, "7"},          {SimFeld::Tag, "7"},
        {SimFeld::Stunde, "11"},    {SimFeld::Minute, "0"},         {SimFeld::Phi, "51"},
        {SimFeld::Lam, "-13"},      {SimFeld::ModulH, "160"},       {SimFeld::ModulL, "1500"},
        {SimFeld::ModulA, "150"},   {SimFeld::ModulN, "30"},        {SimFeld::Scale, "2000"},
        {SimFeld::Intervall, "15"}, {SimFeld::EndlageStart, "75"},  {SimFeld::EndlageStop, "285"},
        {SimFeld::Modulpos, "-90"}, {SimFeld::ModulHErr, "0"},      {SimFeld::ModulAErr, "0"},
        {SimFeld::ModulNErr, "0"},  {SimFeld::EndlageStartErr, "0"}};
}

// The ten edits in the order of the file's keys, as a load hands them to the main window.
SimEingaben Geladen(const char* modulL, const char* modulH, const char* modulA, const char* modulN,
                    const char* intervall, const char* lam, const char* phi, const char* start,
                    const char* stop, const char* modulpos) {
    return {
        {SimFeld::ModulL, modulL},    {SimFeld::ModulH, modulH},       {SimFeld::ModulA, modulA},
        {SimFeld::ModulN, modulN},    {SimFeld::Intervall, intervall}, {SimFeld::Lam, lam},
        {SimFeld::Phi, phi},          {SimFeld::EndlageStart, start},  {SimFeld::EndlageStop, stop},
        {SimFeld::Modulpos, modulpos}};
}

const QByteArray NeueDatei = "[Parameter]\r\n"
                             "Modulbreite=1500\r\n"
                             "Modulh\xF6he=160\r\n"
                             "Modulabstand=150\r\n"
                             "Modulneigung=30\r\n"
                             "Trackintervall=15\r\n"
                             "L\xE4ngengrad=-13\r\n"
                             "Breitengrad=51\r\n"
                             "EndlageStart=75\r\n"
                             "EndlageStop=285\r\n"
                             "Modulpos=-90\r\n"
                             "Trackspeed=2,236\r\n"
                             "Trackergruppe=0\r\n";

class SimDateiTest : public testing::Test {
protected:
    QString Pfad(const char* name = "anlage.TRD") const {
        return ordner_.filePath(QString::fromUtf8(name));
    }
    QTemporaryDir ordner_;
    MitTrenner komma_{u','};
};

// The twelve keys in the order of their table, the umlauts one byte each, CRLF; "EndlageStop"
// as entered, not minus 360.
TEST_F(SimDateiTest, NeueDateiMitDenVorgaben) {
    sd::Schreibe(Pfad(), Vorgaben(), 2.236, 0);
    EXPECT_EQ(LiesDatei(Pfad()), NeueDatei);
}

// Each value as its conversion reads it, written in decimal or the general format.
TEST_F(SimDateiTest, WerteWieKonvertiert) {
    SimEingaben e = Vorgaben();
    e.Setze(SimFeld::ModulL, " 0x10");
    e.Setze(SimFeld::ModulH, "+0160");
    e.Setze(SimFeld::Phi, "50,530");
    e.Setze(SimFeld::Lam, " -14,48 ");
    e.Setze(SimFeld::EndlageStop, "$FFFFFFFF");
    sd::Schreibe(Pfad(), e, 0.000001, 255);
    const QByteArray text = LiesDatei(Pfad());
    for (const char* zeile :
         {"\r\nModulbreite=16\r\n", "\r\nModulh\xF6he=160\r\n", "\r\nBreitengrad=50,53\r\n",
          "\r\nL\xE4ngengrad=-14,48\r\n", "\r\nEndlageStop=-1\r\n", "\r\nTrackspeed=1E-6\r\n",
          "\r\nTrackergruppe=255\r\n"})
        EXPECT_TRUE(text.contains(zeile)) << zeile << " in " << text.constData();
}

// Saved over an existing file: each key's line replaced where it stands (whatever its case),
// the missing keys appended to the section in table order, everything else as it was.
TEST_F(SimDateiTest, UeberschreibenBehaeltFremdes) {
    SchreibDatei(Pfad(), "; von Hand\r\n"
                         "[Anlage]\r\nName=Dach Nord\r\n"
                         "[parameter]\r\n"
                         "TRACKSPEED=9\r\n"
                         "Notiz=bleibt\r\n"
                         "modulbreite = 1\r\n"
                         "\r\n"
                         "[Weiteres]\r\nEndlageStop=1\r\n");
    sd::Schreibe(Pfad(), Vorgaben(), 2.236, 3);
    EXPECT_EQ(LiesDatei(Pfad()), QByteArray("; von Hand\r\n"
                                            "[Anlage]\r\nName=Dach Nord\r\n"
                                            "[parameter]\r\n"
                                            "Trackspeed=2,236\r\n"
                                            "Notiz=bleibt\r\n"
                                            "Modulbreite=1500\r\n"
                                            "Modulh\xF6he=160\r\n"
                                            "Modulabstand=150\r\n"
                                            "Modulneigung=30\r\n"
                                            "Trackintervall=15\r\n"
                                            "L\xE4ngengrad=-13\r\n"
                                            "Breitengrad=51\r\n"
                                            "EndlageStart=75\r\n"
                                            "EndlageStop=285\r\n"
                                            "Modulpos=-90\r\n"
                                            "Trackergruppe=3\r\n"
                                            "\r\n"
                                            "[Weiteres]\r\nEndlageStop=1\r\n"));
}

// A text that does not convert stops the save with the message of its conversion, before
// anything is written: an existing file keeps every byte, a new one is not created. The
// failing fields lie late in the order, so keys before them would have been written.
struct Konvertierfall {
    const char* name;
    SimFeld feld;
    const char* text;
    const char* meldung;
};

class SpeichernKonvertiert : public SimDateiTest,
                             public testing::WithParamInterface<Konvertierfall> {};

TEST_P(SpeichernKonvertiert, MeldungUndDateiUnveraendert) {
    const Konvertierfall& f = GetParam();
    SimEingaben e = Vorgaben();
    e.Setze(f.feld, QString::fromUtf8(f.text));
    const QByteArray vorher = "[Parameter]\r\nModulbreite=1\r\nModulpos=7\r\n[X]\r\ny=1\r\n";
    SchreibDatei(Pfad(), vorher);
    for (const QString& pfad : {Pfad(), Pfad("neu.TRD")}) {
        try {
            sd::Schreibe(pfad, e, 2.236, 0);
            ADD_FAILURE() << "saved " << pfad.toStdString();
        } catch (const zahltext::KonvertierFehler& fehler) {
            EXPECT_EQ(fehler.meldung(), QString::fromUtf8(f.meldung));
        }
    }
    EXPECT_EQ(LiesDatei(Pfad()), vorher);
    EXPECT_EQ(QDir(ordner_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("anlage.TRD")});
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SpeichernKonvertiert,
    testing::Values(
        Konvertierfall{"Bruch", SimFeld::Modulpos, "1,5", "''1,5'' ist kein gültiger Integer-Wert"},
        Konvertierfall{"Leer", SimFeld::EndlageStop, "", "'''' ist kein gültiger Integer-Wert"},
        Konvertierfall{"Buchstaben", SimFeld::Intervall, "15 min",
                       "''15 min'' ist kein gültiger Integer-Wert"},
        Konvertierfall{"Punkt", SimFeld::Phi, "50.53", "'50.53' ist kein gültiger Gleitkommawert"},
        Konvertierfall{"LeereKoordinate", SimFeld::Lam, "", "'' ist kein gültiger Gleitkommawert"}),
    [](const testing::TestParamInfo<Konvertierfall>& info) {
        return std::string(info.param.name);
    });

// The first text that does not convert in the order of the keys is the one reported.
TEST_F(SimDateiTest, ErsterFehlerInDerReihenfolgeDerSchluessel) {
    SimEingaben e = Vorgaben();
    e.Setze(SimFeld::Modulpos, "a");
    e.Setze(SimFeld::Phi, "b");
    e.Setze(SimFeld::ModulN, "c");
    try {
        sd::Schreibe(Pfad(), e, 0, 0);
        ADD_FAILURE() << "saved";
    } catch (const zahltext::KonvertierFehler& fehler) {
        EXPECT_EQ(fehler.meldung(), QStringLiteral("''c'' ist kein gültiger Integer-Wert"));
    }
}

TEST_F(SimDateiTest, NichtSchreibbarMeldetDenPfad) {
    const QByteArray vorher = "[Parameter]\r\nModulbreite=1\r\n";
    SchreibDatei(Pfad(), vorher);
    ASSERT_TRUE(QFile::setPermissions(Pfad(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    for (const QString& pfad : {Pfad(), Pfad("fehlt/anlage.TRD")}) {
        try {
            sd::Schreibe(pfad, Vorgaben(), 2.236, 0);
            ADD_FAILURE() << "saved " << pfad.toStdString();
        } catch (const SchreibFehler& fehler) {
            EXPECT_EQ(fehler.meldung(), "In " + pfad + " kann nicht geschrieben werden");
        }
    }
    EXPECT_EQ(LiesDatei(Pfad()), vorher);

    // Interrupted before the new file replaces the old one: none of the twelve keys arrives.
    ASSERT_TRUE(QFile::setPermissions(Pfad(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    dateizugriff::SetzeVorDemErsetzen([] { throw std::runtime_error("Strom weg"); });
    EXPECT_THROW(sd::Schreibe(Pfad(), Vorgaben(), 2.236, 0), std::runtime_error);
    dateizugriff::SetzeVorDemErsetzen({});
    EXPECT_EQ(LiesDatei(Pfad()), vorher);
}

// What a load takes from given bytes. What is missing or does not convert reads as 0;
// integers may be hexadecimal; names match without regard to case.
struct Ladefall {
    const char* name;
    std::optional<QByteArray> inhalt; // nullopt: no file
    SimEingaben eingaben;
    double winkelSpeed;
    int gruppe;
};

class Laden : public SimDateiTest, public testing::WithParamInterface<Ladefall> {};

TEST_P(Laden, Werte) {
    const Ladefall& f = GetParam();
    if (f.inhalt) SchreibDatei(Pfad(), *f.inhalt);
    const sd::Inhalt inhalt = sd::Lies(Pfad());
    EXPECT_EQ(inhalt.eingaben, f.eingaben);
    EXPECT_DOUBLE_EQ(inhalt.winkelSpeed, f.winkelSpeed);
    EXPECT_EQ(inhalt.gruppe, f.gruppe);
    EXPECT_EQ(QFile::exists(Pfad()), f.inhalt.has_value());
}

const SimEingaben AlleNull = Geladen("0", "0", "0", "0", "0", "0", "0", "0", "0", "0");

INSTANTIATE_TEST_SUITE_P(
    Faelle, Laden,
    testing::Values(
        Ladefall{"Vorgaben", NeueDatei,
                 Geladen("1500", "160", "150", "30", "15", "-13", "51", "75", "285", "-90"), 2.236,
                 0},
        Ladefall{"KeineDatei", std::nullopt, AlleNull, 0, 0},
        Ladefall{"OhneAbschnittParameter", "[Parameter2]\r\nModulbreite=1500\r\nTrackspeed=2\r\n",
                 AlleNull, 0, 0},
        // As a Windows service PC writes it: CRLF, Windows-1252, names in its own case.
        Ladefall{"VomWindowsRechner",
                 "[PARAMETER]\r\nmodulbreite = 2000\r\nMODULH\xD6HE=180\r\nL\xC4NGENGRAD=7,5\r\n"
                 "Breitengrad=-33,25\r\nTrackspeed=-1\r\nTrackergruppe=300\r\n",
                 Geladen("2000", "180", "0", "0", "0", "7,5", "-33,25", "0", "0", "0"), -1, 300},
        Ladefall{"HexUndKeineGanzzahl",
                 "[Parameter]\nModulbreite=0x5DC\nModulabstand=0X96\nModulneigung=1,5\n"
                 "Trackintervall=abc\nEndlageStart=\nEndlageStop=$11D\nModulpos=-90\n"
                 "Trackergruppe=0xFF\n",
                 // "$" is no hexadecimal mark in a file: "$11D" is no number and reads as 0.
                 Geladen("1500", "0", "150", "0", "0", "0", "0", "0", "0", "-90"), 0, 255},
        // Keys written in UTF-8 are other names; a Windows reader does not find them either.
        Ladefall{"Utf8Umlaute", "[Parameter]\r\nModulh\xC3\xB6he=160\r\nL\xC3\xA4ngengrad=-13\r\n",
                 AlleNull, 0, 0},
        Ladefall{"ErsterGleicherSchluessel",
                 "[Parameter]\r\nModulpos=5\r\nmodulpos=6\r\n[parameter]\r\nModulbreite=9\r\n",
                 Geladen("0", "0", "0", "0", "0", "0", "0", "0", "0", "5"), 0, 0},
        Ladefall{"KoordinatenImAllgemeinenFormat",
                 "[Parameter]\r\nL\xE4ngengrad=-14,4800\r\nBreitengrad=5E1\r\n"
                 "Trackspeed=2,2360\r\n",
                 Geladen("0", "0", "0", "0", "0", "-14,48", "50", "0", "0", "0"), 2.236, 0}),
    [](const testing::TestParamInfo<Ladefall>& info) { return std::string(info.param.name); });

// Saved under a comma, opened under a point (and the other way round): the same values,
// shown with the reader's separator.
TEST_F(SimDateiTest, AndererDezimaltrennerGibtDieselbenWerte) {
    SimEingaben e = Vorgaben();
    e.Setze(SimFeld::Phi, "50,53");
    sd::Schreibe(Pfad(), e, 2.236, 0);
    {
        MitTrenner punkt(u'.');
        const sd::Inhalt inhalt = sd::Lies(Pfad());
        EXPECT_EQ(inhalt.eingaben.Text(SimFeld::Phi), QStringLiteral("50.53"));
        EXPECT_EQ(inhalt.eingaben.Text(SimFeld::Lam), QStringLiteral("-13"));
        EXPECT_EQ(inhalt.winkelSpeed, 2.236);
        e.Setze(SimFeld::Phi, "50.53");
        e.Setze(SimFeld::Lam, "-14.48");
        sd::Schreibe(Pfad("punkt.TRD"), e, 2.5, 0);
    }
    const sd::Inhalt inhalt = sd::Lies(Pfad("punkt.TRD"));
    EXPECT_EQ(inhalt.eingaben.Text(SimFeld::Phi), QStringLiteral("50,53"));
    EXPECT_EQ(inhalt.eingaben.Text(SimFeld::Lam), QStringLiteral("-14,48"));
    EXPECT_EQ(inhalt.winkelSpeed, 2.5);
    EXPECT_EQ(inhalt.eingaben.Text(SimFeld::ModulL), QStringLiteral("1500"));
}

// A decimal number with group separators stops the load with the file and the key.
TEST_F(SimDateiTest, TausendertrennerWerdenAbgewiesen) {
    SchreibDatei(Pfad(), "[Parameter]\r\nModulbreite=1500\r\nTrackspeed=2.236,5\r\n");
    try {
        sd::Lies(Pfad());
        FAIL() << "gelesen";
    } catch (const zahltext::KonvertierFehler& f) {
        for (const QString& teil :
             {Pfad(), QStringLiteral("Trackspeed=2.236,5"), QStringLiteral("[Parameter]")})
            EXPECT_TRUE(f.meldung().contains(teil)) << f.meldung().toStdString();
    }
}

TEST(SimDateiEndung, StandardendungTRD) {
    QTemporaryDir ordner;
    const QString ohne = ordner.filePath(QStringLiteral("anlage"));
    SchreibDatei(ohne, "[Parameter]\r\n");
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt"));
    const QString mit = ordner.filePath(QStringLiteral("anlage.trd"));
    EXPECT_EQ(sd::MitEndung(fehlt, false), fehlt + ".TRD");
    EXPECT_EQ(sd::MitEndung(fehlt, true), fehlt + ".TRD");
    EXPECT_EQ(sd::MitEndung(ohne, false), ohne + ".TRD");
    EXPECT_EQ(sd::MitEndung(ohne, true), ohne);
    EXPECT_EQ(sd::MitEndung(mit, false), mit);
    EXPECT_EQ(sd::MitEndung(mit, true), mit);
    EXPECT_EQ(sd::MitEndung(ordner.filePath(QStringLiteral("a.b/c")), false),
              ordner.filePath(QStringLiteral("a.b/c.TRD")));
    const QString unterordner = ordner.filePath(QStringLiteral("rt"));
    ASSERT_TRUE(QDir().mkpath(unterordner));
    EXPECT_EQ(sd::MitEndung(unterordner, true), unterordner + ".TRD");
}

} // namespace
