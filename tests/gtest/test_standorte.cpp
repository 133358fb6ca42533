#include "basis/dateizugriff.h"
#include "basis/inidatei.h"
#include "basis/zahltext.h"
#include "workspace/standorte.h"

#include <gtest/gtest.h>

#include "dateien.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

class StandortDatei : public testing::Test {
protected:
    void SetUp() override {
        alt_ = zahltext::Dezimaltrenner();
        zahltext::SetzeDezimaltrenner(u',');
        pfad_ = ordner_.filePath(QStringLiteral("heliowendler.POS"));
    }
    void TearDown() override { zahltext::SetzeDezimaltrenner(alt_); }

    QTemporaryDir ordner_;
    QString pfad_;
    QChar alt_;
};

TEST_F(StandortDatei, FehlendeDateiIstLeereListe) {
    EXPECT_TRUE(standorte::Namen(pfad_).isEmpty());
    const auto k = standorte::Lese(pfad_, QStringLiteral("Berlin"));
    EXPECT_EQ(k.Breite, 0);
    EXPECT_EQ(k.Laenge, 0);
    EXPECT_FALSE(QFile::exists(pfad_)); // reading never creates the file
}

TEST_F(StandortDatei, NamenInDateireihenfolgeUndWerteMitVorgabeNull) {
    // Cp1252 bytes: "Görlitz" and the key "Länge"; a section written by hand without
    // "Länge", one with a value that does not parse and one written under a point.
    SchreibDatei(pfad_, "[B]\r\nBreite=1,5\r\nL\xE4nge=-2\r\n"
                        "[G\xF6rlitz]\r\nBreite=51,15\r\nL\xE4nge=-14,99\r\n"
                        "[A]\r\nBreite=52\r\n"
                        "[Kaputt]\r\nBreite=abc\r\nL\xE4nge=1.5\r\n");
    EXPECT_EQ(standorte::Namen(pfad_),
              QStringList({"B", QStringLiteral("Görlitz"), "A", "Kaputt"}));

    struct Fall {
        QString name;
        double breite, laenge;
    };
    for (const Fall& f :
         {Fall{"B", 1.5, -2}, Fall{QStringLiteral("Görlitz"), 51.15, -14.99}, Fall{"A", 52, 0},
          Fall{"Kaputt", 0, 1.5}, Fall{"fehlt", 0, 0}, Fall{"b", 1.5, -2}}) {
        const auto k = standorte::Lese(pfad_, f.name);
        EXPECT_DOUBLE_EQ(k.Breite, f.breite) << f.name.toStdString();
        EXPECT_DOUBLE_EQ(k.Laenge, f.laenge) << f.name.toStdString();
    }
}

TEST_F(StandortDatei, SchreibenLegtAnUndErsetztNurDieWerte) {
    standorte::Schreibe(pfad_, QStringLiteral("Görlitz"), {51.15, -14.99});
    EXPECT_EQ(LiesDatei(pfad_), QByteArray("[G\xF6rlitz]\r\nBreite=51,15\r\nL\xE4nge=-14,99\r\n"));

    standorte::Schreibe(pfad_, QStringLiteral("B"), {1, -2.5});
    standorte::Schreibe(pfad_, QStringLiteral("Görlitz"), {50, 0});
    EXPECT_EQ(LiesDatei(pfad_), QByteArray("[G\xF6rlitz]\r\nBreite=50\r\nL\xE4nge=0\r\n\r\n"
                                           "[B]\r\nBreite=1\r\nL\xE4nge=-2,5\r\n"));
    EXPECT_EQ(standorte::Namen(pfad_), QStringList({QStringLiteral("Görlitz"), "B"}));
}

TEST_F(StandortDatei, SchreibenMitPunktAlsTrenner) {
    zahltext::SetzeDezimaltrenner(u'.');
    standorte::Schreibe(pfad_, QStringLiteral("X"), {50.53, -14.48});
    EXPECT_EQ(LiesDatei(pfad_), QByteArray("[X]\r\nBreite=50.53\r\nL\xE4nge=-14.48\r\n"));
    // The same file where the separator is a comma reads the same.
    zahltext::SetzeDezimaltrenner(u',');
    const auto k = standorte::Lese(pfad_, QStringLiteral("X"));
    EXPECT_EQ(k.Breite, 50.53);
    EXPECT_EQ(k.Laenge, -14.48);
}

// A coordinate with group separators is refused with the file, the site and the key.
TEST_F(StandortDatei, TausendertrennerWerdenAbgewiesen) {
    SchreibDatei(pfad_, "[Gruppiert]\r\nBreite=47,99\r\nL\xE4nge=-1.234,5\r\n");
    try {
        standorte::Lese(pfad_, QStringLiteral("Gruppiert"));
        FAIL() << "gelesen";
    } catch (const zahltext::KonvertierFehler& f) {
        for (const QString& teil :
             {pfad_, QStringLiteral("Länge=-1.234,5"), QStringLiteral("[Gruppiert]")})
            EXPECT_TRUE(f.meldung().contains(teil)) << f.meldung().toStdString();
    }
}

// A write interrupted at the first or at a later replacement of the file leaves the site as
// it was or with both new values, never with one of each.
TEST_F(StandortDatei, OrtGanzOderGarNicht) {
    const QByteArray vorher = "[X]\r\nBreite=1\r\nL\xE4nge=2\r\n";
    const QByteArray nachher = "[X]\r\nBreite=50\r\nL\xE4nge=-14\r\n";
    for (const int abbruchBeim : {1, 2}) {
        SchreibDatei(pfad_, vorher);
        int ersetzungen = 0;
        dateizugriff::SetzeVorDemErsetzen([&] {
            if (++ersetzungen == abbruchBeim) throw std::runtime_error("Strom weg");
        });
        try {
            standorte::Schreibe(pfad_, QStringLiteral("X"), {50, -14});
        } catch (const std::runtime_error&) {
        }
        dateizugriff::SetzeVorDemErsetzen({});
        const QByteArray inhalt = LiesDatei(pfad_);
        EXPECT_TRUE(inhalt == vorher || inhalt == nachher)
            << abbruchBeim << ": " << inhalt.constData();
    }
}

TEST_F(StandortDatei, NichtBeschreibbarMeldetDenPfad) {
    ASSERT_TRUE(QDir(ordner_.path()).mkdir(QStringLiteral("heliowendler.POS")));
    try {
        standorte::Schreibe(pfad_, QStringLiteral("X"), {1, 2});
        FAIL() << "no SchreibFehler";
    } catch (const SchreibFehler& e) {
        EXPECT_EQ(e.meldung(), QStringLiteral("In %1 kann nicht geschrieben werden").arg(pfad_));
    }
}

// An editor that saves the file as UTF-8 puts a byte-order mark before the first section.
TEST_F(StandortDatei, BytereihenfolgemarkeVerdecktKeinenOrt) {
    SchreibDatei(pfad_, "\xEF\xBB\xBF[Berlin]\r\nBreite=52,52\r\nL\xE4nge=-13,4\r\n"
                        "[Bonn]\r\nBreite=50,73\r\n");
    EXPECT_EQ(standorte::Namen(pfad_), QStringList({"Berlin", "Bonn"}));
    const auto k = standorte::Lese(pfad_, QStringLiteral("Berlin"));
    EXPECT_DOUBLE_EQ(k.Breite, 52.52);
    EXPECT_DOUBLE_EQ(k.Laenge, -13.4);

    standorte::Schreibe(pfad_, QStringLiteral("Berlin"), {52.5, -13});
    EXPECT_EQ(LiesDatei(pfad_), QByteArray("\xEF\xBB\xBF[Berlin]\r\nBreite=52,5\r\nL\xE4nge=-13\r\n"
                                           "[Bonn]\r\nBreite=50,73\r\n"));
}

// ---------------------------------------------------------------------------------------

struct NamensFall {
    const char* beschreibung;
    QString name;
    const char* fehler; // nullptr: accepted; else a part of the message
};

class StandortName : public testing::TestWithParam<NamensFall> {};

TEST_P(StandortName, WirdGeprueft) {
    const NamensFall& f = GetParam();
    const QString fehler = standorte::NamensFehler(f.name);
    if (!f.fehler) {
        EXPECT_TRUE(fehler.isEmpty()) << fehler.toStdString();
    } else {
        EXPECT_TRUE(fehler.contains(QString::fromUtf8(f.fehler))) << fehler.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, StandortName,
    testing::Values(
        NamensFall{"Einfach", QStringLiteral("Berlin"), nullptr},
        NamensFall{"Umlaute", QStringLiteral("Görlitz Süd"), nullptr},
        NamensFall{"Euro", QStringLiteral("€-Werk"), nullptr},
        NamensFall{"OeffnendeKlammer", QStringLiteral("Halle [Saale"), nullptr},
        NamensFall{"Satzzeichen", QStringLiteral("St. Peter-Ording; Nord=1"), nullptr},
        NamensFall{"Leer", QString(), "Bitte eine Ortsbezeichnung eingeben."},
        NamensFall{"NurBlanks", QStringLiteral("   "), "Bitte eine Ortsbezeichnung eingeben."},
        NamensFall{"SchliessendeKlammer", QStringLiteral("Halle]Saale"), "\"]\""},
        NamensFall{"Zeilenumbruch", QStringLiteral("Halle\nSaale"), "Zeilenumbruch"},
        NamensFall{"Wagenruecklauf", QStringLiteral("Halle\r"), "Zeilenumbruch"},
        NamensFall{"Tabulator", QStringLiteral("Halle\tSaale"), "Steuerzeichen"},
        NamensFall{"C1Steuerzeichen", QStringLiteral("Halle\u0085"), "Steuerzeichen"},
        NamensFall{"BlankVorn", QStringLiteral(" Halle"), "Leerzeichen beginnen oder enden"},
        NamensFall{"BlankHinten", QStringLiteral("Halle "), "Leerzeichen beginnen oder enden"},
        NamensFall{"GeschuetztesBlank", QStringLiteral("Halle\u00A0"),
                   "Leerzeichen beginnen oder enden"},
        NamensFall{"NichtInCodepage", QStringLiteral("Łódź"), "\"Ł\""},
        NamensFall{"Ausserhalb16Bit", QStringLiteral("Ort 🌞"), "\"🌞\""}),
    [](const testing::TestParamInfo<NamensFall>& i) { return i.param.beschreibung; });

// ---------------------------------------------------------------------------------------

struct EingabeFall {
    const char* beschreibung;
    const char* breite;
    const char* laenge;
    double wertBreite, wertLaenge; // when both convert
    QStringList fehler;
};

class StandortEingabe : public testing::TestWithParam<EingabeFall> {
protected:
    void SetUp() override {
        alt_ = zahltext::Dezimaltrenner();
        zahltext::SetzeDezimaltrenner(u',');
    }
    void TearDown() override { zahltext::SetzeDezimaltrenner(alt_); }
    QChar alt_;
};

TEST_P(StandortEingabe, JedesFeldWirdGeprueft) {
    const EingabeFall& f = GetParam();
    const auto e = standorte::LeseEingabe(QString::fromUtf8(f.breite), QString::fromUtf8(f.laenge));
    EXPECT_EQ(e.fehler, f.fehler);
    if (f.fehler.isEmpty()) {
        EXPECT_DOUBLE_EQ(e.werte.Breite, f.wertBreite);
        EXPECT_DOUBLE_EQ(e.werte.Laenge, f.wertLaenge);
    }
}

const QString kFalsch = QStringLiteral("EConvertError\n'%1' ist kein gültiger Gleitkommawert");

INSTANTIATE_TEST_SUITE_P(
    Faelle, StandortEingabe,
    testing::Values(EingabeFall{"Gueltig", "50,53", "-14,48", 50.53, -14.48, {}},
                    EingabeFall{"GanzeZahlenUndBlanks", " 51 ", "-13", 51, -13, {}},
                    EingabeFall{
                        "BeideFalsch", "abc", "x", 0, 0, {kFalsch.arg("abc"), kFalsch.arg("x")}},
                    EingabeFall{"NurBreiteFalsch", "abc", "1", 0, 0, {kFalsch.arg("abc")}},
                    EingabeFall{"NurLaengeFalsch", "1", "x", 0, 0, {kFalsch.arg("x")}},
                    EingabeFall{"Leer", "", "", 0, 0, {kFalsch.arg(""), kFalsch.arg("")}},
                    EingabeFall{"PunktStattKomma", "50.53", "1", 0, 0, {kFalsch.arg("50.53")}},
                    EingabeFall{"ZuGross", "1e999", "1", 0, 0, {kFalsch.arg("1e999")}}),
    [](const testing::TestParamInfo<EingabeFall>& i) { return i.param.beschreibung; });

} // namespace
