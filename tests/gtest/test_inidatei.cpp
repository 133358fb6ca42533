#include "basis/dateizugriff.h"
#include "basis/inidatei.h"
#include "basis/zahltext.h"

#include <gtest/gtest.h>

#include "dateien.h"
#include "prozesse.h"
#include "trenner.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <limits>
#include <optional>
#include <random>
#include <thread>

namespace {

struct SchreibFall {
    const char* name;
    std::optional<QByteArray> vorher; // nullopt: no file yet
    const char* abschnitt;
    const char* schluessel;
    const char* wert;
    QByteArray nachher;
};

class SchreibTest : public testing::TestWithParam<SchreibFall> {};

TEST_P(SchreibTest, NurDieEineZeileAendertSich) {
    const SchreibFall& f = GetParam();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("test.INI"));
    if (f.vorher) SchreibDatei(pfad, *f.vorher);
    IniDatei ini(pfad);
    ini.SchreibeText(QString::fromUtf8(f.abschnitt), QString::fromUtf8(f.schluessel),
                     QString::fromUtf8(f.wert));
    EXPECT_EQ(LiesDatei(pfad), f.nachher);
}

const QByteArray kZweiAbschnitte = "[A]\r\nx=1\r\ny=2\r\n[B]\r\nx=3\r\n";

INSTANTIATE_TEST_SUITE_P(
    Szenarien, SchreibTest,
    testing::Values(
        SchreibFall{"NeueDatei", std::nullopt, "Parameter", "Modulbreite", "1500",
                    "[Parameter]\r\nModulbreite=1500\r\n"},
        SchreibFall{"LeereDatei", QByteArray(), "A", "x", "1", "[A]\r\nx=1\r\n"},
        SchreibFall{"ErsetztAnOrtUndStelle", kZweiAbschnitte, "A", "x", "9",
                    "[A]\r\nx=9\r\ny=2\r\n[B]\r\nx=3\r\n"},
        SchreibFall{"ZweiterAbschnittGleicherSchluessel", kZweiAbschnitte, "B", "x", "7",
                    "[A]\r\nx=1\r\ny=2\r\n[B]\r\nx=7\r\n"},
        SchreibFall{"GrossKleinschreibungEgal", "[parameter]\r\n  MODULBREITE = 1 \r\n",
                    "Parameter", "Modulbreite", "1500", "[parameter]\r\nModulbreite=1500\r\n"},
        SchreibFall{"AbschnittMitBlanks", "[ A ]\r\nx=1\r\n", "A", "x", "2", "[ A ]\r\nx=2\r\n"},
        SchreibFall{"AnhaengenVorLeerzeilen", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
                    "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        SchreibFall{"KommentarBleibtVorSeinemAbschnitt", "[A]\r\nx=1\r\n; zu B\r\n[B]\r\n", "A",
                    "z", "3", "[A]\r\nx=1\r\nz=3\r\n; zu B\r\n[B]\r\n"},
        SchreibFall{"LeererAbschnitt", "[A]\r\n[B]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n[B]\r\n"},
        SchreibFall{"NeuerAbschnittNachLeerzeile", "[A]\r\nx=1\r\n", "C", "k", "v",
                    "[A]\r\nx=1\r\n\r\n[C]\r\nk=v\r\n"},
        SchreibFall{"NeuerAbschnittKeineZweiteLeerzeile", "[A]\r\nx=1\r\n\r\n", "C", "k", "v",
                    "[A]\r\nx=1\r\n\r\n[C]\r\nk=v\r\n"},
        SchreibFall{"SchluesselAnderenAbschnittsZaehltNicht", "[B]\r\nx=1\r\n", "A", "x", "2",
                    "[B]\r\nx=1\r\n\r\n[A]\r\nx=2\r\n"},
        SchreibFall{"LetzteZeileOhneZeilenende", "[A]\r\nx=1", "A", "y", "2",
                    "[A]\r\nx=1\r\ny=2\r\n"},
        SchreibFall{"LfDateiBehaeltIhreZeilen", "[A]\nx=1\n; c\n[B]\ny=2\n", "B", "y", "5",
                    "[A]\nx=1\n; c\n[B]\ny=5\r\n"},
        SchreibFall{"LfDateiNeuerSchluessel", "[A]\nx=1\n\n[B]\n", "A", "z", "2",
                    "[A]\nx=1\nz=2\r\n\n[B]\n"},
        SchreibFall{"FremdeZeilenBleiben", "; Kopf\r\nlose Zeile\r\n[A]\r\nx=1\r\nkaputt\r\n", "A",
                    "x", "2", "; Kopf\r\nlose Zeile\r\n[A]\r\nx=2\r\nkaputt\r\n"},
        SchreibFall{"ErsterVonZweiGleichenAbschnitten", "[A]\r\nx=1\r\n[a]\r\nx=2\r\n", "a", "X",
                    "3", "[A]\r\nX=3\r\n[a]\r\nx=2\r\n"},
        SchreibFall{"FremdeBytesBleibenUnberuehrt", "[A]\r\nn=\xc3\xa4\x81\x8d\r\n", "A", "y", "1",
                    "[A]\r\nn=\xc3\xa4\x81\x8d\r\ny=1\r\n"},
        SchreibFall{"ZeilenumbruchImWert", "[A]\r\n", "A", "x", "a\nb\r\nc", "[A]\r\nx=a b  c\r\n"},
        SchreibFall{"LeererWert", "[A]\r\nx=1\r\n", "A", "x", "", "[A]\r\nx=\r\n"},
        // A lone CR ends a line too; such lines keep their CR, a written one gets CRLF.
        SchreibFall{"NurCrErsetzt", "[A]\rx=1\r[B]\rx=2\r", "B", "x", "5",
                    "[A]\rx=1\r[B]\rx=5\r\n"},
        SchreibFall{"NurCrNeuerSchluessel", "[A]\rx=1\r\r[B]\ry=2", "A", "z", "3",
                    "[A]\rx=1\rz=3\r\n\r[B]\ry=2"},
        SchreibFall{"GemischteZeilenenden", "[A]\r\nx=1\ry=2\n[B]\r", "A", "y", "5",
                    "[A]\r\nx=1\ry=5\r\n[B]\r"},
        // A byte-order mark stays where an editor put it; the file is otherwise unchanged.
        SchreibFall{"BomErsterAbschnitt", "\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x", "2",
                    "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
        SchreibFall{"BomNeuerSchluessel", "\xEF\xBB\xBF[A]\r\nx=1\r\n", "a", "y", "2",
                    "\xEF\xBB\xBF[A]\r\nx=1\r\ny=2\r\n"},
        SchreibFall{"NurBom", "\xEF\xBB\xBF", "A", "x", "1", "\xEF\xBB\xBF[A]\r\nx=1\r\n"},
        SchreibFall{"BomNurAmDateianfang", "[A]\r\n\xEF\xBB\xBF[B]\r\n", "B", "x", "1",
                    "[A]\r\n\xEF\xBB\xBF[B]\r\n\r\n[B]\r\nx=1\r\n"}),
    [](const testing::TestParamInfo<SchreibFall>& info) { return std::string(info.param.name); });

class IniTest : public testing::Test {
protected:
    QString Pfad(const char* name = "test.INI") const {
        return ordner_.filePath(QString::fromUtf8(name));
    }
    QTemporaryDir ordner_;
};

TEST_F(IniTest, UmlauteSindEinByteUndPassenOhneGrossKlein) {
    IniDatei ini(Pfad());
    ini.SchreibeGanzzahl(QStringLiteral("Parameter"), QStringLiteral("Modulhöhe"), 160);
    ini.SchreibeText(QStringLiteral("Parameter"), QStringLiteral("Längengrad"),
                     QStringLiteral("-13"));
    ini.SchreibeText(QStringLiteral("Ört"), QStringLiteral("x"), QStringLiteral("€ – Ä"));
    EXPECT_EQ(LiesDatei(Pfad()),
              QByteArray("[Parameter]\r\nModulh\xF6he=160\r\nL\xE4ngengrad=-13\r\n"
                         "\r\n[\xD6rt]\r\nx=\x80 \x96 \xC4\r\n"));
    EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("PARAMETER"), QStringLiteral("MODULHÖHE"), 0), 160);
    EXPECT_EQ(ini.LeseText(QStringLiteral("parameter"), QStringLiteral("längengrad")),
              QStringLiteral("-13"));
    EXPECT_EQ(ini.LeseText(QStringLiteral("ÖRT"), QStringLiteral("X")), QStringLiteral("€ – Ä"));
}

TEST_F(IniTest, LesenMitVorgaben) {
    MitTrenner trenner(u',');
    SchreibDatei(Pfad(), "; Kommentar\r\n"
                         "[Form]\r\n"
                         "Top = 120 \r\n"
                         "Left=0x10\n"
                         "Height=abc\r\n"
                         "Width=-5\r\n"
                         "InitMax=1\r\n"
                         "Caption=\"Heliowendler-Simulation File: x\"\r\n"
                         "Leer=\r\n"
                         "[Positionen]\r\n"
                         "Breite=50,53\r\n"
                         "Laenge=-14.48\r\n"
                         "Hoehe=abc\r\n");
    const IniDatei ini(Pfad());
    const QString form = QStringLiteral("Form");
    EXPECT_EQ(ini.LeseGanzzahl(form, QStringLiteral("Top"), 100), 120);
    EXPECT_EQ(ini.LeseGanzzahl(form, QStringLiteral("left"), 100), 16);
    EXPECT_EQ(ini.LeseGanzzahl(form, QStringLiteral("Height"), 600), 600);
    EXPECT_EQ(ini.LeseGanzzahl(form, QStringLiteral("Width"), 800), -5);
    EXPECT_EQ(ini.LeseGanzzahl(form, QStringLiteral("Leer"), 7), 7);
    EXPECT_EQ(ini.LeseGanzzahl(form, QStringLiteral("Fehlt"), 7), 7);
    EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), 1), 1);
    EXPECT_TRUE(ini.LeseBool(form, QStringLiteral("InitMax"), false));
    EXPECT_FALSE(ini.LeseBool(form, QStringLiteral("Height"), false));
    EXPECT_TRUE(ini.LeseBool(form, QStringLiteral("Width"), false));
    EXPECT_EQ(ini.LeseText(form, QStringLiteral("Caption")),
              QStringLiteral("Heliowendler-Simulation File: x"));
    EXPECT_EQ(ini.LeseText(form, QStringLiteral("Leer"), QStringLiteral("v")), QString());
    EXPECT_EQ(ini.LeseText(form, QStringLiteral("Fehlt"), QStringLiteral("v")),
              QStringLiteral("v"));
    EXPECT_TRUE(ini.HatSchluessel(QStringLiteral("FORM"), QStringLiteral("leer")));
    EXPECT_FALSE(ini.HatSchluessel(form, QStringLiteral("Breite")));
    // A decimal number under either separator, whichever the user's is.
    const QString pos = QStringLiteral("Positionen");
    for (const QChar trenner : {u',', u'.'}) {
        zahltext::SetzeDezimaltrenner(trenner);
        EXPECT_EQ(ini.LeseGleitkomma(pos, QStringLiteral("Breite"), 0), 50.53);
        EXPECT_EQ(ini.LeseGleitkomma(pos, QStringLiteral("Laenge"), 0), -14.48);
        EXPECT_EQ(ini.LeseGleitkomma(pos, QStringLiteral("Hoehe"), 7.5), 7.5);
        EXPECT_EQ(ini.LeseGleitkomma(pos, QStringLiteral("Fehlt"), 7.5), 7.5);
    }
}

// A number with group separators has no one meaning: refused with the file, key, text and
// section, whatever the user's separator, never read as the default.
TEST_F(IniTest, TausendertrennerWerdenAbgewiesen) {
    SchreibDatei(Pfad(), "[Parameter]\r\nTrackspeed=1.234,5\r\nBreitengrad=1,234.5\r\n"
                         "L\xE4ngengrad=-1.234.567\r\n");
    const IniDatei ini(Pfad());
    for (const QChar trenner : {u',', u'.'}) {
        MitTrenner mit(trenner);
        for (const auto& [schluessel, text] :
             {std::pair{QStringLiteral("Trackspeed"), QStringLiteral("1.234,5")},
              std::pair{QStringLiteral("Breitengrad"), QStringLiteral("1,234.5")},
              std::pair{QStringLiteral("Längengrad"), QStringLiteral("-1.234.567")}}) {
            try {
                ini.LeseGleitkomma(QStringLiteral("Parameter"), schluessel, 0);
                ADD_FAILURE() << schluessel.toStdString() << " gelesen";
            } catch (const zahltext::KonvertierFehler& f) {
                EXPECT_EQ(f.meldung(),
                          QStringLiteral("In %1\nist %2=%3 im Abschnitt [Parameter] keine "
                                         "eindeutige Zahl:\nsie hat Tausendertrennzeichen oder "
                                         "Punkt und Komma zugleich.\nZahlen stehen dort ohne "
                                         "Tausendertrennzeichen, etwa 1234,5 oder 1234.5.")
                              .arg(Pfad(), schluessel, text));
            }
        }
    }
}

// Texts at and beyond the ends of int read as the value or as the default, never wrapped.
TEST_F(IniTest, GanzzahlenAmRandDesBereichs) {
    SchreibDatei(Pfad(), "[COMs]\r\nMin=-2147483648\r\nMax=2147483647\r\nUnter=-2147483649\r\n"
                         "Ueber=2147483648\r\nRiesig=99999999999999999999999\r\nHex=0xFFFFFFFF\r\n"
                         "HexZuGross=0x100000000\r\n");
    const IniDatei ini(Pfad());
    const QString coms = QStringLiteral("COMs");
    EXPECT_EQ(ini.LeseGanzzahl(coms, QStringLiteral("Min"), 1), std::numeric_limits<int>::min());
    EXPECT_EQ(ini.LeseGanzzahl(coms, QStringLiteral("Max"), 1), std::numeric_limits<int>::max());
    for (const char* name : {"Unter", "Ueber", "Riesig", "HexZuGross"})
        EXPECT_EQ(ini.LeseGanzzahl(coms, QString::fromUtf8(name), 1), 1) << name;
    EXPECT_EQ(ini.LeseGanzzahl(coms, QStringLiteral("Hex"), 1), -1);
}

TEST_F(IniTest, FehlendeDateiGibtVorgabenUndWirdNichtAngelegt) {
    for (const QString& pfad : {Pfad("fehlt.INI"), ordner_.path(), QString()}) {
        const IniDatei ini(pfad);
        EXPECT_TRUE(ini.Abschnitte().isEmpty());
        EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), 1), 1);
        EXPECT_DOUBLE_EQ(ini.LeseGleitkomma(QStringLiteral("A"), QStringLiteral("B"), 2.5), 2.5);
        EXPECT_EQ(ini.LeseText(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("v")),
                  QStringLiteral("v"));
    }
    EXPECT_FALSE(QFile::exists(Pfad("fehlt.INI")));
}

TEST_F(IniTest, AbschnitteInDateireihenfolge) {
    SchreibDatei(Pfad(), "x=vor jedem Abschnitt\r\n[B]\r\n[A]\r\n; [Kommentar]\r\n[b]\r\n[]\r\n"
                         "[Eck]ig]\r\n[ohne Ende\r\n");
    EXPECT_EQ(IniDatei(Pfad()).Abschnitte(), (QStringList{QStringLiteral("B"), QStringLiteral("A"),
                                                          QString(), QStringLiteral("Eck]ig")}));
}

TEST_F(IniTest, EintraegeEinesAbschnitts) {
    SchreibDatei(Pfad(), "[Ports]\r\nCOM5 = /dev/ttyUSB0\r\n; Kommentar\r\nkein Eintrag\r\n"
                         "com5=/dev/doppelt\r\nCOM7=\"/dev/mit leer\"\r\n[Andere]\r\nCOM9=x\r\n"
                         "[ports]\r\nCOM8=/dev/zweiter\r\n");
    using Paar = QPair<QString, QString>;
    EXPECT_EQ(IniDatei(Pfad()).Eintraege(QStringLiteral("PORTS")),
              (QList<Paar>{{QStringLiteral("COM5"), QStringLiteral("/dev/ttyUSB0")},
                           {QStringLiteral("COM7"), QStringLiteral("/dev/mit leer")}}));
    EXPECT_TRUE(IniDatei(Pfad()).Eintraege(QStringLiteral("Fehlt")).isEmpty());
    EXPECT_TRUE(IniDatei(Pfad("fehlt.INI")).Eintraege(QStringLiteral("Ports")).isEmpty());
}

TEST_F(IniTest, ZahlenUndWahrheitswerteSchreiben) {
    MitTrenner trenner(u',');
    IniDatei ini(Pfad());
    ini.SchreibeGanzzahl(QStringLiteral("P"), QStringLiteral("Modulpos"), -90);
    ini.SchreibeGleitkomma(QStringLiteral("P"), QStringLiteral("Trackspeed"), 2.236);
    ini.SchreibeGleitkomma(QStringLiteral("P"), QStringLiteral("Breitengrad"), 51);
    ini.SchreibeBool(QStringLiteral("P"), QStringLiteral("InitMax"), true);
    ini.SchreibeBool(QStringLiteral("P"), QStringLiteral("Aus"), false);
    EXPECT_EQ(LiesDatei(Pfad()), QByteArray("[P]\r\nModulpos=-90\r\nTrackspeed=2,236\r\n"
                                            "Breitengrad=51\r\nInitMax=1\r\nAus=0\r\n"));
}

// Several keys in one write leave the bytes that writing them one by one leaves: replaced
// where they stand, the missing ones appended in the given order, everything else kept.
TEST_F(IniTest, MehrereSchluesselWieEinzelnGeschrieben) {
    using Paar = QPair<QString, QString>;
    const QList<Paar> eintraege = {{QStringLiteral("a"), QStringLiteral("1")},
                                   {QStringLiteral("Z"), QStringLiteral("2")},
                                   {QStringLiteral("Längengrad"), QStringLiteral("-13,5")},
                                   {QStringLiteral("b"), QStringLiteral("3")}};
    const std::optional<QByteArray> vorher[] = {
        std::nullopt,
        QByteArray(),
        "[A]\r\nx=1\r\n; zu B\r\n[B]\r\nz=0\r\n\r\n[C]\r\nb=9\r\n",
        "[b]\nB=0\nl\xE4ngengrad=1\n[B]\nz=7",
        "\xEF\xBB\xBF; nur Kommentar\rlose Zeile",
        "[C]\r\na=5\r\n"};
    for (const auto& inhalt : vorher) {
        const QString einzeln = Pfad("einzeln.INI"), zusammen = Pfad("zusammen.INI");
        if (inhalt) {
            SchreibDatei(einzeln, *inhalt);
            SchreibDatei(zusammen, *inhalt);
        }
        for (const auto& [k, w] : eintraege)
            IniDatei(einzeln).SchreibeText(QStringLiteral("B"), k, w);
        IniDatei(zusammen).SchreibeTexte(QStringLiteral("B"), eintraege);
        EXPECT_EQ(LiesDatei(zusammen), LiesDatei(einzeln))
            << inhalt.value_or("<keine Datei>").constData();
        QFile::remove(einzeln);
        QFile::remove(zusammen);
    }
    SchreibDatei(Pfad(), vorher[2].value());
    IniDatei(Pfad()).SchreibeTexte(QStringLiteral("b"), eintraege);
    EXPECT_EQ(LiesDatei(Pfad()), QByteArray("[A]\r\nx=1\r\n; zu B\r\n[B]\r\nZ=2\r\na=1\r\n"
                                            "L\xE4ngengrad=-13,5\r\nb=3\r\n\r\n[C]\r\nb=9\r\n"));
}

// One replacement of the file: interrupted, or refused for a write-protected file, not one of
// the keys is written; a missing file stays missing; nothing to write touches nothing.
TEST_F(IniTest, MehrereSchluesselGanzOderGarNicht) {
    using Paar = QPair<QString, QString>;
    const QList<Paar> eintraege = {{QStringLiteral("x"), QStringLiteral("2")},
                                   {QStringLiteral("y"), QStringLiteral("3")}};
    const QByteArray inhalt = "[A]\r\nx=1\r\n";
    SchreibDatei(Pfad(), inhalt);
    dateizugriff::SetzeVorDemErsetzen([] { throw std::runtime_error("Strom weg"); });
    EXPECT_THROW(IniDatei(Pfad()).SchreibeTexte(QStringLiteral("A"), eintraege),
                 std::runtime_error);
    EXPECT_THROW(IniDatei(Pfad("neu.INI")).SchreibeTexte(QStringLiteral("A"), eintraege),
                 std::runtime_error);
    dateizugriff::SetzeVorDemErsetzen({});
    EXPECT_EQ(LiesDatei(Pfad()), inhalt);
    EXPECT_EQ(QDir(ordner_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("test.INI")});

    ASSERT_TRUE(QFile::setPermissions(Pfad(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    try {
        IniDatei(Pfad()).SchreibeTexte(QStringLiteral("A"), eintraege);
        ADD_FAILURE() << "written";
    } catch (const SchreibFehler& fehler) {
        EXPECT_EQ(fehler.meldung(), "In " + Pfad() + " kann nicht geschrieben werden");
    }
    EXPECT_EQ(LiesDatei(Pfad()), inhalt);

    IniDatei(Pfad("leer.INI")).SchreibeTexte(QStringLiteral("A"), {});
    EXPECT_FALSE(QFile::exists(Pfad("leer.INI")));
}

TEST_F(IniTest, JedesSchreibenLiestDieDateiNeu) {
    IniDatei ini(Pfad());
    ini.SchreibeText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    SchreibDatei(Pfad(), LiesDatei(Pfad()) + "; von aussen\r\n");
    ini.SchreibeText(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("2"));
    EXPECT_EQ(LiesDatei(Pfad()), QByteArray("[A]\r\nx=1\r\ny=2\r\n; von aussen\r\n"));
}

// What was read ahead no longer counts once the object has written the file.
TEST_F(IniTest, VorausGelesenesGiltBisZumSchreiben) {
    SchreibDatei(Pfad(), "[A]\r\nx=1\r\n");
    IniDatei ini(Pfad());
    ini.LeseVoraus(QStringLiteral("A"), {QStringLiteral("x"), QStringLiteral("y")});
    EXPECT_EQ(ini.LeseText(QStringLiteral("A"), QStringLiteral("x")), QStringLiteral("1"));
    EXPECT_FALSE(ini.HatSchluessel(QStringLiteral("A"), QStringLiteral("y")));
    ini.SchreibeTexte(QStringLiteral("A"), {{QStringLiteral("x"), QStringLiteral("2")},
                                            {QStringLiteral("y"), QStringLiteral("3")}});
    EXPECT_EQ(ini.LeseText(QStringLiteral("A"), QStringLiteral("x")), QStringLiteral("2"));
    EXPECT_EQ(ini.LeseText(QStringLiteral("A"), QStringLiteral("y")), QStringLiteral("3"));
}

TEST_F(IniTest, RechteDerDateiBleibenErhalten) {
    SchreibDatei(Pfad(), "[A]\r\n");
    const auto rechte = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                        QFileDevice::WriteUser | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(Pfad(), rechte));
    IniDatei(Pfad()).SchreibeText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    EXPECT_EQ(QFile::permissions(Pfad()), rechte);
}

// Root passes every access check, so each case is one that fails for root as well.
TEST_F(IniTest, NichtSchreibbarMeldetDenPfadUndLaesstDieDateiStehen) {
    const QByteArray inhalt = "[A]\r\nx=1\r\n";
    SchreibDatei(Pfad("schreibgeschuetzt.INI"), inhalt);
    ASSERT_TRUE(QFile::setPermissions(Pfad("schreibgeschuetzt.INI"),
                                      QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther));
    SchreibDatei(Pfad("datei"), "kein Ordner");

    for (const QString& pfad : {Pfad("schreibgeschuetzt.INI"), Pfad("datei") + "/x.INI",
                                Pfad("fehlender/ordner/x.INI"), ordner_.path()}) {
        IniDatei ini(pfad);
        try {
            ini.SchreibeGanzzahl(QStringLiteral("A"), QStringLiteral("x"), 2);
            ADD_FAILURE() << "written: " << pfad.toStdString();
        } catch (const SchreibFehler& fehler) {
            EXPECT_EQ(fehler.meldung(), "In " + pfad + " kann nicht geschrieben werden");
            EXPECT_EQ(fehler.pfad(), pfad);
            EXPECT_EQ(std::string(fehler.what()), fehler.meldung().toStdString());
        }
    }
    EXPECT_EQ(LiesDatei(Pfad("schreibgeschuetzt.INI")), inhalt);
    EXPECT_EQ(LiesDatei(Pfad("datei")), QByteArray("kein Ordner"));
}

TEST_F(IniTest, UnterbrochenesSchreibenLaesstDenAltenInhalt) {
    const QByteArray inhalt = "[A]\r\nx=1\r\n";
    SchreibDatei(Pfad(), inhalt);
    dateizugriff::SetzeVorDemErsetzen([] { throw std::runtime_error("Strom weg"); });
    IniDatei ini(Pfad());
    EXPECT_THROW(ini.SchreibeText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2")),
                 std::runtime_error);
    dateizugriff::SetzeVorDemErsetzen({});
    EXPECT_EQ(LiesDatei(Pfad()), inhalt);
    EXPECT_EQ(QDir(ordner_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("test.INI")});
    ini.SchreibeText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
    EXPECT_EQ(LiesDatei(Pfad()), QByteArray("[A]\r\nx=2\r\n"));
}

TEST_F(IniTest, ZeilenendenUndBytereihenfolgemarke) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
    } faelle[] = {{"CRLF", "[Ort 1]\r\nBreite=1\r\n[Ort 2]\r\nBreite=2\r\n"},
                  {"LF", "[Ort 1]\nBreite=1\n[Ort 2]\nBreite=2"},
                  {"nur CR", "[Ort 1]\rBreite=1\r[Ort 2]\rBreite=2\r"},
                  {"BOM", "\xEF\xBB\xBF[Ort 1]\r\nBreite=1\r\n[Ort 2]\r\nBreite=2\r\n"},
                  {"BOM und nur CR", "\xEF\xBB\xBF[Ort 1]\rBreite=1\r[Ort 2]\rBreite=2"}};
    for (const Fall& f : faelle) {
        SchreibDatei(Pfad(), f.inhalt);
        const IniDatei ini(Pfad());
        EXPECT_EQ(ini.Abschnitte(), (QStringList{QStringLiteral("Ort 1"), QStringLiteral("Ort 2")}))
            << f.name;
        EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("Ort 1"), QStringLiteral("Breite"), 0), 1)
            << f.name;
        EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("Ort 2"), QStringLiteral("Breite"), 0), 2)
            << f.name;
    }
}

// A device or a FIFO in place of the file must neither hang nor fill the memory: it reads
// like an unreadable file, and a write is refused without replacing it. Each case runs in a
// child process that is killed when it takes too long.
TEST_F(IniTest, GeraetOderFifoGiltAlsUnlesbar) {
    const QString geraet = Pfad("geraet.INI");
    const QString fifo = Pfad("fifo.INI");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), geraet));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);

    for (const QString& pfad : {geraet, fifo}) {
        const pid_t kind = StarteKind([&] {
            IniDatei ini(pfad);
            if (!ini.Abschnitte().isEmpty()) return false;
            if (ini.LeseGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), 7) != 7)
                return false;
            try {
                ini.SchreibeGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), 3);
                return false;
            } catch (const SchreibFehler& e) {
                return e.meldung() == "In " + pfad + " kann nicht geschrieben werden";
            }
        });
        ASSERT_GT(kind, 0);
        const KindEnde ende = WarteAufKind(kind, std::chrono::seconds(5));
        EXPECT_EQ(ende, KindEnde::Erfolg) << pfad.toStdString() << ": " << Text(ende);
    }
    EXPECT_EQ(QFileInfo(geraet).symLinkTarget(), QStringLiteral("/dev/zero"));
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(QDir(ordner_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{QStringLiteral("fifo.INI"), QStringLiteral("geraet.INI")}));
}

// Up to the size limit a file is read; one byte more and it counts as unreadable, so a
// write would lose its lines and is refused.
TEST_F(IniTest, GroessenGrenze) {
    const QByteArray kopf = "[A]\r\nx=1\r\n;";
    for (const qint64 groesse : {dateizugriff::GroessteDatei, dateizugriff::GroessteDatei + 1}) {
        SchreibDatei(Pfad(), kopf);
        ASSERT_TRUE(QFile::resize(Pfad(), groesse)); // the rest: one long comment of zeros
        IniDatei ini(Pfad());
        const bool lesbar = groesse <= dateizugriff::GroessteDatei;
        EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("A"), QStringLiteral("x"), 7), lesbar ? 1 : 7)
            << groesse;
        if (lesbar) continue;
        EXPECT_THROW(ini.SchreibeGanzzahl(QStringLiteral("A"), QStringLiteral("x"), 2),
                     SchreibFehler);
        EXPECT_EQ(QFileInfo(Pfad()).size(), groesse);
        EXPECT_TRUE(LiesDatei(Pfad()).startsWith(kopf));
    }
}

// Written through a link, the file it points to changes and the link stays.
TEST_F(IniTest, VerknuepfungBleibtVerknuepfung) {
    SchreibDatei(Pfad("ziel.INI"), "[A]\r\nx=1\r\n");
    ASSERT_TRUE(QFile::link(QStringLiteral("ziel.INI"), Pfad()));
    IniDatei(Pfad()).SchreibeText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
    EXPECT_EQ(QFileInfo(Pfad()).symLinkTarget(), Pfad("ziel.INI"));
    EXPECT_EQ(LiesDatei(Pfad("ziel.INI")), QByteArray("[A]\r\nx=2\r\n"));
}

// A save killed between creating its temporary copy and the rename leaves the copy; the
// next write of the same file removes it, and nothing that only looks similar.
TEST_F(IniTest, VerwaisteKopienWerdenBeimNaechstenSchreibenEntfernt) {
    SchreibDatei(Pfad(), "[A]\r\nx=1\r\n");
    const QStringList verwaist = {QStringLiteral("test.INI.aBcDeF"),
                                  QStringLiteral("test.INI.QwErTz")};
    const QStringList bleiben = {
        QStringLiteral("test.INI.backup"),  QStringLiteral("test.INI.BACKUP"),
        QStringLiteral("test.INI.Backup"),  QStringLiteral("test.INI.aBcDe"),
        QStringLiteral("test.INI.aBcDeFg"), QStringLiteral("test.INI.aB1DeF"),
        QStringLiteral("TEST.INI.aBcDeF"),  QStringLiteral("anders.INI.aBcDeF"),
        QStringLiteral("test.INIxaBcDeF")};
    for (const QString& name : verwaist + bleiben)
        SchreibDatei(Pfad(name.toUtf8().constData()), "[A]\r\n");
    ASSERT_TRUE(QDir(ordner_.path()).mkdir(QStringLiteral("test.INI.OrDnEr")));

    IniDatei(Pfad()).SchreibeText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
    EXPECT_EQ(LiesDatei(Pfad()), QByteArray("[A]\r\nx=2\r\n"));
    for (const QString& name : verwaist)
        EXPECT_FALSE(QFile::exists(Pfad(name.toUtf8().constData()))) << name.toStdString();
    for (const QString& name : bleiben)
        EXPECT_TRUE(QFile::exists(Pfad(name.toUtf8().constData()))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(Pfad("test.INI.OrDnEr")).isDir());
}

// While one process is between writing its copy and the rename, a second writer of the
// same file waits: it neither takes the first one's copy for a stale one nor loses its own
// change to the first one's rename.
TEST_F(IniTest, ZweiterSchreiberWartetAufDenErsten) {
    SchreibDatei(Pfad(), "[A]\r\nx=1\r\n");
    pid_t kind = -1;
    bool kopieDa = false, kindWartet = false;
    dateizugriff::SetzeVorDemErsetzen([&] {
        kind = StarteKind([&] {
            dateizugriff::SetzeVorDemErsetzen({});
            IniDatei(Pfad()).SchreibeText(QStringLiteral("A"), QStringLiteral("y"),
                                          QStringLiteral("vom Kind"));
            return true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        int status = 0;
        kindWartet = kind > 0 && waitpid(kind, &status, WNOHANG) == 0;
        kopieDa = QDir(ordner_.path())
                      .entryList({QStringLiteral("test.INI.??????")}, QDir::Files | QDir::Hidden)
                      .size() == 1;
    });
    IniDatei(Pfad()).SchreibeText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
    dateizugriff::SetzeVorDemErsetzen({});
    ASSERT_GT(kind, 0);
    const KindEnde ende = WarteAufKind(kind, std::chrono::seconds(20));
    EXPECT_EQ(ende, KindEnde::Erfolg) << Text(ende);
    EXPECT_TRUE(kindWartet);
    EXPECT_TRUE(kopieDa);
    EXPECT_EQ(LiesDatei(Pfad()), QByteArray("[A]\r\nx=2\r\ny=vom Kind\r\n"));
}

// A save that finds the folder locked by someone who does not let go (a stopped instance)
// gives up after the time limit with a message that says another program holds the folder,
// and the file keeps its bytes. Run in a child, so that a save that waits for ever shows as
// hung instead of stopping the tests.
TEST_F(IniTest, FremdeSperreLaesstDasSpeichernScheitern) {
    const QByteArray vorher = "[A]\r\nx=1\r\n";
    SchreibDatei(Pfad(), vorher);
    const int ordnerFd =
        open(QFile::encodeName(ordner_.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(ordnerFd, 0);
    ASSERT_EQ(flock(ordnerFd, LOCK_EX), 0);
    const pid_t kind = StarteKind([&] {
        dateizugriff::SetzeSperrfrist(std::chrono::milliseconds(300));
        try {
            IniDatei(Pfad()).SchreibeText(QStringLiteral("A"), QStringLiteral("x"),
                                          QStringLiteral("2"));
        } catch (const SchreibFehler& f) {
            return f.meldung() == QStringLiteral("In %1 kann nicht geschrieben werden: ein anderes "
                                                 "Programm hält den Ordner belegt")
                                      .arg(Pfad());
        }
        return false;
    });
    const KindEnde ende = WarteAufKind(kind, std::chrono::seconds(10));
    flock(ordnerFd, LOCK_UN);
    close(ordnerFd);
    EXPECT_EQ(ende, KindEnde::Erfolg) << Text(ende);
    EXPECT_EQ(LiesDatei(Pfad()), vorher);
}

// Whole numbers in a file: decimal, or hexadecimal only after "0x"/"0X"; "$", which an edit
// takes for hexadecimal, marks nothing here. Anything else reads as the default (7).
TEST_F(IniTest, GanzzahlenInDerDatei) {
    const struct {
        const char* text;
        int wert;
    } faelle[] = {{"20", 20},
                  {"+20", 20},
                  {"-20", -20},
                  {"020", 20},
                  {"  20  ", 20},
                  {"\"20\"", 20},
                  {"0x20", 32},
                  {"0X20", 32},
                  {"0xff", 255},
                  {"+0x20", 32},
                  {"-0x20", -32},
                  {"0xFFFFFFFF", -1},
                  {"0x80000000", std::numeric_limits<int>::min()},
                  {"2147483647", std::numeric_limits<int>::max()},
                  {"-2147483648", std::numeric_limits<int>::min()},
                  {"$20", 7},
                  {"-$20", 7},
                  {"$FF", 7},
                  {"x20", 7},
                  {"#20", 7},
                  {"&H20", 7},
                  {"0x", 7},
                  {"0x-1", 7},
                  {"0x1g", 7},
                  {"0x100000000", 7},
                  {"2147483648", 7},
                  {"-2147483649", 7},
                  {"1.5", 7},
                  {"1,5", 7},
                  {"1e3", 7},
                  {"1 2", 7},
                  {"--1", 7},
                  {"+", 7},
                  {"-", 7},
                  {"", 7}};
    QByteArray inhalt = "[A]\r\n";
    for (std::size_t i = 0; i < std::size(faelle); ++i)
        inhalt += "k" + QByteArray::number(qulonglong(i)) + "=" + faelle[i].text + "\r\n";
    SchreibDatei(Pfad(), inhalt);
    const IniDatei ini(Pfad());
    for (std::size_t i = 0; i < std::size(faelle); ++i)
        EXPECT_EQ(ini.LeseGanzzahl(QStringLiteral("A"), QStringLiteral("k%1").arg(i), 7),
                  faelle[i].wert)
            << '"' << faelle[i].text << '"';
}

// The reader finds values in the bytes without decoding every line: against a plain reading
// of the rules (every line decoded, trimmed, compared), on random files made of the pieces
// that matter (brackets, equal signs, comments, quotes, the blanks Windows-1252 knows, case,
// umlauts, every kind of line end).
namespace {
std::optional<QString> NachDenRegeln(QByteArray inhalt, const QString& abschnitt,
                                     const QString& schluessel) {
    if (inhalt.startsWith("\xEF\xBB\xBF")) inhalt.remove(0, 3);
    const QString text = AusCp1252(inhalt);
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\r|\n"));
    QStringList zeilen = text.split(zeilenende);
    if (!zeilen.isEmpty() && zeilen.back().isEmpty()) zeilen.removeLast();
    const auto gleich = [](const QString& a, const QString& b) {
        return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
    };
    bool drin = false;
    for (const QString& roh : zeilen) {
        const QString z = roh.trimmed();
        if (z.isEmpty() || z.startsWith(u';')) continue;
        if (z.startsWith(u'[') && z.lastIndexOf(u']') > 0) {
            if (drin) return std::nullopt;
            drin = gleich(z.mid(1, z.lastIndexOf(u']') - 1), abschnitt);
            continue;
        }
        if (!drin || !z.contains(u'=')) continue;
        const auto g = z.indexOf(u'=');
        if (!gleich(z.left(g), schluessel)) continue;
        QString wert = z.mid(g + 1).trimmed();
        if (wert.size() >= 2 && (wert.front() == u'"' || wert.front() == u'\'') &&
            wert.back() == wert.front())
            wert = wert.mid(1, wert.size() - 2);
        return wert;
    }
    return std::nullopt;
}

// The sections in file order with their entries, as the rules read them.
struct RegelAbschnitt {
    QString name;
    QList<QPair<QString, QString>> eintraege;
};
QList<RegelAbschnitt> AbschnitteNachDenRegeln(QByteArray inhalt) {
    if (inhalt.startsWith("\xEF\xBB\xBF")) inhalt.remove(0, 3);
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\r|\n"));
    QList<RegelAbschnitt> abschnitte;
    for (const QString& roh : AusCp1252(inhalt).split(zeilenende)) {
        const QString z = roh.trimmed();
        if (z.isEmpty() || z.startsWith(u';')) continue;
        if (z.startsWith(u'[') && z.lastIndexOf(u']') > 0) {
            abschnitte.append({z.mid(1, z.lastIndexOf(u']') - 1).trimmed(), {}});
            continue;
        }
        if (abschnitte.isEmpty() || !z.contains(u'=')) continue;
        QString wert = z.mid(z.indexOf(u'=') + 1).trimmed();
        if (wert.size() >= 2 && (wert.front() == u'"' || wert.front() == u'\'') &&
            wert.back() == wert.front())
            wert = wert.mid(1, wert.size() - 2);
        abschnitte.back().eintraege.append({z.left(z.indexOf(u'=')).trimmed(), wert});
    }
    return abschnitte;
}

bool GleichOhneGross(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Of several equal names the first counts.
template <typename T, typename Name> QList<T> ErsteJeName(const QList<T>& alle, Name name) {
    QList<T> erste;
    for (const T& x : alle)
        if (std::none_of(erste.begin(), erste.end(),
                         [&](const T& e) { return GleichOhneGross(name(e), name(x)); }))
            erste.append(x);
    return erste;
}
} // namespace

TEST_F(IniTest, GefundenWieNachDenRegeln) {
    const char* const stuecke[] = {"[",    "]",    "=",    ";",    " ",    "\t",   "\xA0",
                                   "\x85", "\v",   "s",    "S",    "k",    "K",    "\xE4",
                                   "\xC4", "\"",   "'",    "\r",   "\n",   "\r\n", "\r\n",
                                   "\n",   "1",    "[s]",  "[S ]", "k=",   " K =", "\xEF\xBB\xBF",
                                   "\xB5", "\xDF", "\x8A", "\x9A", "\x9F", "\xFF", "?"};
    const QString namen[] = {
        QStringLiteral("s"),      QStringLiteral("S "),     QStringLiteral("k"),
        QStringLiteral("ä"),      QStringLiteral("Ä"),      QStringLiteral("s]"),
        QStringLiteral("k="),     QStringLiteral("\u212A"), QStringLiteral("\u03BC"),
        QStringLiteral("\u0160"), QStringLiteral("\u0178"), QStringLiteral("\u1E9E"),
        QStringLiteral("\u03B1")};
    std::mt19937 zufall(20261210);
    for (int datei = 0; datei < 400; ++datei) {
        QByteArray inhalt;
        const int laenge = static_cast<int>(zufall() % 60);
        for (int i = 0; i < laenge; ++i)
            inhalt += stuecke[zufall() % std::size(stuecke)];
        SchreibDatei(Pfad(), inhalt);
        // Key by key, and all keys of a section read ahead in one pass.
        const IniDatei einzeln(Pfad());
        for (const QString& a : namen) {
            const IniDatei voraus(Pfad());
            voraus.LeseVoraus(a, QStringList(std::begin(namen), std::end(namen)));
            for (const IniDatei* ini : {&einzeln, &voraus})
                for (const QString& k : namen)
                    ASSERT_EQ(ini->HatSchluessel(a, k) ? std::optional(ini->LeseText(a, k))
                                                       : std::nullopt,
                              NachDenRegeln(inhalt, a, k))
                        << inhalt.toHex(' ').constData() << " [" << qPrintable(a) << "] "
                        << qPrintable(k) << (ini == &voraus ? " voraus" : "");
        }
        // The section names and the entries of a section.
        const auto regeln = AbschnitteNachDenRegeln(inhalt);
        QStringList namenNachRegeln;
        for (const auto& a : ErsteJeName(regeln, [](const RegelAbschnitt& a) { return a.name; }))
            namenNachRegeln << a.name;
        ASSERT_EQ(einzeln.Abschnitte(), namenNachRegeln) << inhalt.toHex(' ').constData();
        for (const QString& a : namen) {
            const auto erster = std::find_if(regeln.begin(), regeln.end(), [&](const auto& r) {
                return GleichOhneGross(r.name, a);
            });
            const auto eintraege =
                erster == regeln.end()
                    ? QList<QPair<QString, QString>>()
                    : ErsteJeName(erster->eintraege,
                                  [](const QPair<QString, QString>& e) { return e.first; });
            ASSERT_EQ(einzeln.Eintraege(a), eintraege)
                << inhalt.toHex(' ').constData() << " [" << qPrintable(a) << "]";
        }
    }
}

// Writes, against a plain reading of the rules: one entry after the other, every line decoded
// to find the section, the key and the place for a missing one. On random files, with entry
// lists that repeat names in other case, start a comment or a header, or hold characters
// outside the code page.
namespace {
QByteArray GeschriebenNachDenRegeln(QByteArray inhalt, const QString& abschnitt,
                                    const QList<QPair<QString, QString>>& eintraege) {
    struct Zeile {
        QByteArray text, ende;
    };
    const auto art = [](const QByteArray& roh) {
        const QString z = AusCp1252(roh).trimmed();
        if (z.isEmpty()) return 'L';
        if (z.startsWith(u';')) return ';';
        if (z.startsWith(u'[') && z.lastIndexOf(u']') > 0) return '[';
        return z.contains(u'=') ? '=' : '?';
    };
    const auto name = [](const QByteArray& roh, char a) {
        const QString z = AusCp1252(roh).trimmed();
        return a == '[' ? z.mid(1, z.lastIndexOf(u']') - 1) : z.left(z.indexOf(u'='));
    };
    const QString bereich = abschnitt.trimmed();
    for (const auto& [schluessel, wert] : eintraege) {
        QByteArray bom;
        if (inhalt.startsWith("\xEF\xBB\xBF")) bom = inhalt.left(3);
        QList<Zeile> zeilen;
        for (qsizetype i = bom.size(); i < inhalt.size();) {
            qsizetype e = i;
            while (e < inhalt.size() && inhalt[e] != '\r' && inhalt[e] != '\n')
                ++e;
            qsizetype w = e;
            if (w < inhalt.size()) w += inhalt.mid(w, 2) == "\r\n" ? 2 : 1;
            zeilen.append(Zeile{inhalt.mid(i, e - i), inhalt.mid(e, w - e)});
            i = w;
        }
        const QByteArray eintrag = NachCp1252(schluessel.trimmed() + u'=' + wert);
        qsizetype kopf = -1, stelle = -1, einfuegen = 0;
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            const char a = art(zeilen[i].text);
            if (kopf < 0) {
                if (a == '[' && GleichOhneGross(name(zeilen[i].text, a), bereich)) {
                    kopf = i;
                    einfuegen = i + 1;
                }
                continue;
            }
            if (a == '[') break;
            if (a == '=' && stelle < 0 && GleichOhneGross(name(zeilen[i].text, a), schluessel))
                stelle = i;
            if (a == '=' || a == '?') einfuegen = i + 1;
        }
        if (stelle >= 0) {
            zeilen[stelle] = {eintrag, "\r\n"};
        } else {
            if (kopf < 0) {
                if (!zeilen.isEmpty() && zeilen.back().ende.isEmpty()) zeilen.back().ende = "\r\n";
                if (!zeilen.isEmpty() && art(zeilen.back().text) != 'L')
                    zeilen.append(Zeile{"", "\r\n"});
                zeilen.append(Zeile{NachCp1252(u'[' + bereich + u']'), "\r\n"});
                einfuegen = zeilen.size();
            }
            if (einfuegen > 0 && zeilen[einfuegen - 1].ende.isEmpty())
                zeilen[einfuegen - 1].ende = "\r\n";
            zeilen.insert(einfuegen, Zeile{eintrag, "\r\n"});
        }
        inhalt = bom;
        for (const Zeile& z : zeilen)
            inhalt += z.text + z.ende;
    }
    return inhalt;
}
} // namespace

TEST_F(IniTest, GeschriebenWieNachDenRegeln) {
    const char* const stuecke[] = {"[", "]",   "=",    ";",    " ",  "\xA0",        "s",    "S",
                                   "k", "K",   "\xE4", "\xC4", "\r", "\n",          "\r\n", "\r\n",
                                   "1", "[s]", "[S ]", "k=",   "K=", "\xEF\xBB\xBF"};
    const QString namen[] = {QStringLiteral("k"),      QStringLiteral("K"),
                             QStringLiteral("ä"),      QStringLiteral("Ä "),
                             QStringLiteral(";k"),     QStringLiteral("[k"),
                             QStringLiteral("k="),     QStringLiteral(""),
                             QStringLiteral("\u212A"), QStringLiteral("\u03B1")};
    const QString abschnitte[] = {QStringLiteral("s"), QStringLiteral("S"), QStringLiteral("ä"),
                                  QStringLiteral("s]"), QStringLiteral("\u03B1")};
    const QString werte[] = {QStringLiteral("1"), QStringLiteral("]"), QStringLiteral("=x"),
                             QStringLiteral("")};
    std::mt19937 zufall(20261211);
    for (int datei = 0; datei < 600; ++datei) {
        QByteArray inhalt;
        const int laenge = static_cast<int>(zufall() % 40);
        for (int i = 0; i < laenge; ++i)
            inhalt += stuecke[zufall() % std::size(stuecke)];
        QList<QPair<QString, QString>> eintraege;
        const int anzahl = 1 + static_cast<int>(zufall() % 4);
        for (int i = 0; i < anzahl; ++i)
            eintraege.append(
                {namen[zufall() % std::size(namen)], werte[zufall() % std::size(werte)]});
        const QString& abschnitt = abschnitte[zufall() % std::size(abschnitte)];
        SchreibDatei(Pfad(), inhalt);
        IniDatei(Pfad()).SchreibeTexte(abschnitt, eintraege);
        ASSERT_EQ(LiesDatei(Pfad()), GeschriebenNachDenRegeln(inhalt, abschnitt, eintraege))
            << inhalt.toHex(' ').constData() << " [" << qPrintable(abschnitt) << "]";
    }
}

TEST(Cp1252, ObereHaelfteUndLuecken) {
    const struct {
        unsigned char byte;
        char16_t zeichen;
    } faelle[] = {{0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160}, {0x8D, 0x008D},
                  {0x8F, 0x008F}, {0x90, 0x0090}, {0x93, 0x201C}, {0x96, 0x2013}, {0x99, 0x2122},
                  {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xC4, u'Ä'},   {0xDF, u'ß'},
                  {0xE4, u'ä'},   {0xF6, u'ö'},   {0xFC, u'ü'},   {0xFF, u'ÿ'}};
    for (const auto& f : faelle) {
        const QByteArray byte(1, static_cast<char>(f.byte));
        EXPECT_EQ(AusCp1252(byte), QString(QChar(f.zeichen))) << int(f.byte);
        EXPECT_EQ(NachCp1252(QString(QChar(f.zeichen))), byte) << int(f.byte);
    }
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(NachCp1252(AusCp1252(alle)), alle);
    EXPECT_EQ(AusCp1252(alle).size(), 256);
}

TEST(Cp1252, ZeichenAusserhalbWerdenFragezeichen) {
    EXPECT_EQ(NachCp1252(QStringLiteral("a\u0080b\u0100c\u4E2Dd😀e")), QByteArray("a?b?c?d?e"));
}

} // namespace
