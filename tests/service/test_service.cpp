// heliowendler-service against trackersim on pseudo-terminals: every command's output and exit
// code, the parameter file's round trip, refused files (nothing sent), a read-back difference,
// silence and bad checksums, a lost port, the traffic record, and three bootloaders flashed at
// once, each flash compared with srec_cat's reading of the image.
#include "dienst.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <signal.h>

namespace {

using namespace diensttest;

TEST_F(Service, BefehleLesenDieSteuerung) {
    Sim sim(ordner_.path(), "tty", {"--clock", "2026-06-21T10:30:00", "--version", "01.23"});
    const QString port = sim.Pfad();
    const struct {
        QStringList argumente;
        QRegularExpression aus;
    } faelle[] = {
        {{"info"}, QRegularExpression("^Version: 01\\.23\\n$")},
        {{"status"},
         QRegularExpression("^Tracking: (an|aus)\\nMotorW: (an|aus)\\nMotorO: (an|aus)\\n"
                            "ELO: (an|aus)\\nELW: (an|aus)\\nAuto: an\\n"
                            "Countdown: 00:\\d\\d:\\d\\d\\n$")},
        {{"werte"},
         QRegularExpression("^Position aktuell: \\d+ °\\nSchatten aktuell: [-0-9.]+ cm\\n"
                            "Stand der Sonne: [-0-9.]+ °\\nAzimut: [-0-9.]+ °\\n"
                            "Grenzwinkel: [-0-9.]+ °\\nKorrektur: [-0-9.]+ °\\n$")},
        {{"zeit"}, QRegularExpression("^2026-06-21T10:30:0\\d UTC, Gruppe \\d+\\n$")},
        {{"zeit", "--setzen", "2031-01-02T03:04:05", "--gruppe", "7"},
         QRegularExpression("^2031-01-02T03:04:0[5-9] UTC, Gruppe 7\\n$")},
        {{"zeit"}, QRegularExpression("^2031-01-02T03:04:\\d\\d UTC, Gruppe 7\\n$")},
        {{"automatik"},
         QRegularExpression("^Gesendet\\. Status: .*Auto.*, Countdown 00:\\d\\d:\\d\\d\\n$")},
        {{"position", "200", "--ja"}, QRegularExpression("^Gesendet\\. Status: .*\\n$")},
    };
    for (const auto& f : faelle) {
        const Lauf l = Mit(f.argumente + QStringList{"--port", port});
        EXPECT_EQ(l.ende, 0) << f.argumente.join(' ').toStdString() << ": "
                             << l.fehler.toStdString();
        EXPECT_TRUE(f.aus.match(l.aus).hasMatch()) << f.argumente.join(' ').toStdString() << ":\n"
                                                   << l.aus.toStdString();
    }
}

// The service mode's speed measurement: west, then the timed run east; the progress on
// standard error, the result as the window shows it.
TEST_F(Service, Geschwindigkeit) {
    Sim sim(ordner_.path(), "tty", {"--speedup", "40"});
    EXPECT_EQ(Mit({"speed", "--port", sim.Pfad()}).ende, 1); // moves the tracker: --ja
    const Lauf l = Mit({"speed", "--ja", "--port", sim.Pfad()});
    EXPECT_EQ(l.ende, 0) << l.fehler.toStdString();
    EXPECT_TRUE(QRegularExpression("^Trackgeschwindigkeit: [0-9]+\\.[0-9]+ °/s\\n$")
                    .match(l.aus)
                    .hasMatch())
        << l.aus.toStdString();
    EXPECT_TRUE(l.fehler.startsWith(QString::fromUtf8("Fahrt nach West ...\n")))
        << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.contains(QString::fromUtf8("Fahrt nach Ost ...\n")))
        << l.fehler.toStdString();
}

// "ports": the settings file's entries first, each with its device and kind, and whether
// another program holds it (the link takes an flock on the device it opens).
TEST_F(Service, Ports) {
    Sim sim(ordner_.path(), "tty", {});
    const QString ini = Datei("ports.INI");
    Schreib(ini, QStringLiteral("[Ports]\r\nCOM5=%1\r\nCOM6=%2\r\n").arg(sim.Pfad(), Datei("weg")));
    const auto zeile = [&](const QString& aus, const char* port) {
        for (const QString& z : aus.split(u'\n'))
            if (z.startsWith(QString::fromLatin1(port) + u'\t')) return z;
        return QString();
    };
    Lauf l = Dienst({"ports", "--einstellungen", ini});
    EXPECT_EQ(l.ende, 0);
    EXPECT_EQ(zeile(l.aus, "COM5"), QStringLiteral("COM5\t%1\teingetragen\tfrei").arg(sim.Pfad()));
    // A pinned entry without a device is listed as it stands.
    EXPECT_EQ(zeile(l.aus, "COM6"),
              QStringLiteral("COM6\t%1\teingetragen\tfrei").arg(Datei("weg")));
    QProcess halter;
    halter.start(QStringLiteral("flock"), {sim.Pfad(), "sleep", "10"});
    ASSERT_TRUE(halter.waitForStarted());
    QThread::msleep(300);
    l = Dienst({"ports", "--einstellungen", ini});
    EXPECT_EQ(zeile(l.aus, "COM5"),
              QStringLiteral("COM5\t%1\teingetragen\tbelegt").arg(sim.Pfad()));
    EXPECT_EQ(Dienst({"info", "--port", "COM5", "--einstellungen", ini}).ende, 2);
    halter.kill();
    halter.waitForFinished();
}

TEST_F(Service, FalscheAufrufeEndenMitEins) {
    Sim sim(ordner_.path(), "tty", {});
    const QStringList faelle[] = {
        {},
        {"gibtsnicht", "--port", sim.Pfad()},
        {"info"},
        {"info", "--port", "LPT1"},
        {"info", "--port", sim.Pfad(), "--gibtsnicht"},
        {"info", "--port", sim.Pfad(), "--wiederholungen", "-1"},
        {"info", "--port", sim.Pfad(), "--wiederholungen"},
        {"info", "--port", sim.Pfad(), "--frist", "1,5"},
        {"position", "90", "--port", sim.Pfad()}, // without --ja
        {"position", "neunzig", "--ja", "--port", sim.Pfad()},
        {"zeit", "--setzen", "2026-13-01T00:00", "--port", sim.Pfad()},
        {"info", "--port", sim.Pfad(), "--port", sim.Pfad()},
    };
    for (const QStringList& a : faelle) {
        const Lauf l = Mit(a);
        EXPECT_EQ(l.ende, 1) << a.join(' ').toStdString();
        EXPECT_TRUE(l.fehler.startsWith(QString::fromUtf8("heliowendler-service: ")))
            << l.fehler.toStdString();
    }
    const Lauf hilfe = Mit({"--help"});
    EXPECT_EQ(hilfe.ende, 0);
    for (const char* befehl : {"ports", "info", "status", "werte", "zeit", "param", "position",
                               "automatik", "speed", "flash", "--protokoll", "Ende: 0"})
        EXPECT_TRUE(hilfe.aus.contains(QString::fromUtf8(befehl))) << befehl;
}

// A set read into a file and given back changes nothing; the file read again is the same.
TEST_F(Service, ParameterdateiRundreise) {
    Sim sim(ordner_.path(), "tty", {});
    const QString datei = Datei("satz.ini"), protokoll = Datei("prot.txt");
    ASSERT_EQ(Mit({"param", "--port", sim.Pfad(), "--datei", datei}).ende, 0);
    const QString vorher = Lies(datei);
    ASSERT_TRUE(vorher.contains(QString::fromUtf8("\nWinkelgeschwindigkeit=2236\n")));
    const Lauf l =
        Mit({"param", "--setzen", datei, "--port", sim.Pfad(), "--protokoll", protokoll});
    EXPECT_EQ(l.ende, 0) << l.fehler.toStdString();
    EXPECT_EQ(l.aus, QStringLiteral("Parametersatz gesetzt und zurückgelesen: gleich.\n"));
    EXPECT_TRUE(Lies(protokoll).contains(QString::fromUtf8("Anfrage SET Parameter (1)")));
    ASSERT_EQ(Mit({"param", "--port", sim.Pfad(), "--datei", datei}).ende, 0);
    EXPECT_EQ(OhneKommentare(Lies(datei)), OhneKommentare(vorher));

    // Edited values arrive as typed, the decimal ones on their digits.
    QString neu = vorher;
    neu.replace(QRegularExpression("\\nBreitengrad=[^\\n]*"), "\nBreitengrad=8.45");
    neu.replace(QRegularExpression("\\nLaengengrad=[^\\n]*"), "\nLaengengrad=-9.53");
    neu.replace(QRegularExpression("\\nWinkelgeschwindigkeit=[^\\n]*"),
                "\nWinkelgeschwindigkeit=1001");
    Schreib(datei, neu);
    ASSERT_EQ(Mit({"param", "--setzen", datei, "--port", sim.Pfad()}).ende, 0);
    const Lauf gelesen = Mit({"param", "--port", sim.Pfad()});
    EXPECT_TRUE(gelesen.aus.contains(QString::fromUtf8("\nBreitengrad=8.45\n")));
    EXPECT_TRUE(gelesen.aus.contains(QString::fromUtf8("\nLaengengrad=-9.53\n")));
    EXPECT_TRUE(gelesen.aus.contains(QString::fromUtf8("\nWinkelgeschwindigkeit=1001\n")));
}

// A file the window's rules refuse: exit 4, a message naming line and key, nothing sent.
TEST_F(Service, AbgelehnteDateiSendetNichts) {
    Sim sim(ordner_.path(), "tty", {});
    const QString datei = Datei("satz.ini"), protokoll = Datei("prot.txt");
    ASSERT_EQ(Mit({"param", "--port", sim.Pfad(), "--datei", datei}).ende, 0);
    const QString gut = Lies(datei);
    const struct {
        const char* alt;
        const char* neu;
        const char* meldung;
    } faelle[] = {
        {"\nModulneigung=30\n", "\nModulneigung=95\n",
         "(Modulneigung): 95 liegt nicht zwischen 0 und 90"},
        {"\nModulneigung=30\n", "\nModulneigung=3x\n",
         "(Modulneigung): ''3x'' ist kein gültiger Integer-Wert"},
        {"\nBreitengrad=51\n", "\nBreitengrad=51,5\n",
         "(Breitengrad): '51,5' ist kein gültiger Gleitkommawert"},
        {"\nAnschlagWest=285\n", "\nAnschlagWest=361\n",
         "(AnschlagWest): 361 liegt nicht zwischen 0 und 360"},
        {"\nWinkelgeschwindigkeit=2236\n", "\nWinkelgeschwindigkeit=9\n",
         "liegt nicht zwischen 10 und 10000"},
        {"\nTrackintervall=5\n", "\nTrackintervall=61\n", "61 liegt nicht zwischen 0 und 60"},
        {"\nModulhoehe=160\n", "\nModulhoehe=70000\n", "70000 liegt nicht zwischen 0 und 65535"},
        {"\nModulhoehe=160\n", "\n", "Es fehlt: Modulhoehe"},
        {"\nModulhoehe=160\n", "\nModulhoehe=160\nFarbe=blau\n", "unbekannter Schlüssel Farbe"},
        {"\nModulhoehe=160\n", "\nModulhoehe=160\nModulhoehe=161\n", "Modulhoehe steht zweimal"},
        {"\nRest=", "\nRest=12\n;", "Rest=12 ist keine Hexadezimalzahl"},
    };
    for (const auto& f : faelle) {
        QString text = gut;
        ASSERT_TRUE(text.contains(QString::fromUtf8(f.alt))) << f.alt;
        text.replace(QString::fromUtf8(f.alt), QString::fromUtf8(f.neu));
        Schreib(datei, text);
        QFile::remove(protokoll);
        const Lauf l =
            Mit({"param", "--setzen", datei, "--port", sim.Pfad(), "--protokoll", protokoll});
        EXPECT_EQ(l.ende, 4) << f.neu;
        EXPECT_TRUE(l.fehler.contains(QString::fromUtf8(f.meldung))) << l.fehler.toStdString();
        EXPECT_FALSE(Lies(protokoll).contains(QString::fromUtf8(" TX "))) << f.neu;
    }
    const Lauf fehlt = Mit({"param", "--setzen", Datei("gibtsnicht.ini"), "--port", sim.Pfad()});
    EXPECT_EQ(fehlt.ende, 4);
}

TEST_F(Service, AbweichungBeimZuruecklesen) {
    Sim sim(ordner_.path(), "tty", {"--param-falsch"});
    const QString datei = Datei("satz.ini");
    ASSERT_EQ(Mit({"param", "--port", sim.Pfad(), "--datei", datei}).ende, 0);
    const Lauf l = Mit({"param", "--setzen", datei, "--port", sim.Pfad()});
    EXPECT_EQ(l.ende, 3);
    EXPECT_TRUE(l.fehler.contains(QString::fromUtf8("- Modulhoehe=160\n+ Modulhoehe=161")))
        << l.fehler.toStdString();
}

// Requests lost or answered with a wrong checksum are sent again; when every try fails the
// tool ends with 3.
TEST_F(Service, WiederholungenUndKeineAntwort) {
    const struct {
        QStringList sim;
        int ende;
    } faelle[] = {
        {{"--silent", "1"}, 0},
        {{"--silent", "1,2,3"}, 3},
        {{"--bad-checksum", "1,2,3"}, 3},
        {{"--noise", "7"}, 0},
    };
    for (const auto& f : faelle) {
        Sim sim(ordner_.path(), "tty", f.sim);
        const QString protokoll = Datei("prot.txt");
        QFile::remove(protokoll);
        // Short deadlines where every try is to fail, long ones where a try is to succeed
        // however loaded the machine.
        const Lauf l = Mit({"info", "--port", sim.Pfad(), "--frist", f.ende == 0 ? "2" : "0.3",
                            "--protokoll", protokoll});
        EXPECT_EQ(l.ende, f.ende) << f.sim.join(' ').toStdString() << l.fehler.toStdString();
        const QString record = Lies(protokoll);
        if (f.sim[0] == QString::fromUtf8("--bad-checksum")) {
            // A short response with a wrong checksum stays open below 39 bytes; before each
            // repeat the tool drops it, so each response is told as dropped, not taken into
            // the next one.
            EXPECT_EQ(record.count(QString::fromUtf8(
                          "E5 | Rahmenanfang ohne Ende, 11 Bytes, vor der Wiederholung verworfen")),
                      2)
                << record.toStdString();
            EXPECT_TRUE(record.contains(QString::fromUtf8(
                "E5 | Rahmenanfang ohne Ende, 11 Bytes (der Empfänger sammelt noch)")))
                << record.toStdString();
        }
        if (f.sim[0] == QString::fromUtf8("--noise")) {
            EXPECT_TRUE(record.contains(QString::fromUtf8("| Rauschen, 7 Bytes")))
                << record.toStdString();
        }
        if (f.ende == 3) {
            EXPECT_TRUE(l.fehler.contains(
                QString::fromUtf8("keine gültige Antwort auf \"GET Info\" nach 3 Versuchen")))
                << l.fehler.toStdString();
        }
    }
}

TEST_F(Service, PortFehlerEndenMitZwei) {
    EXPECT_EQ(Mit({"info", "--port", Datei("gibtsnicht")}).ende, 2);
    EXPECT_EQ(Mit({"info", "--port", "COM999"}).ende, 2);
    // No USB adapter with this serial number (a pseudo-terminal has none at all).
    const Lauf sn = Mit({"info", "--port", "SN:GIBTSNICHT1"});
    EXPECT_EQ(sn.ende, 2);
    EXPECT_TRUE(sn.fehler.contains(QStringLiteral("Kein Adapter mit der Seriennummer GIBTSNICHT1")))
        << sn.fehler.toStdString();
    // The device goes away while a reply is awaited.
    auto sim = std::make_unique<Sim>(ordner_.path(), "tty", QStringList{"--silent", "1,2,3,4,5"});
    QProcess p;
    p.start(QStringLiteral(DIENST_PROGRAMM),
            {"info", "--port", sim->Pfad(), "--frist", "10", "--einstellungen", Datei("leer.INI")});
    ASSERT_TRUE(p.waitForStarted());
    QThread::msleep(700);
    sim.reset();
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 2) << p.readAllStandardError().toStdString();
}

// The record: one line per frame, time, direction, bytes, what they are.
TEST_F(Service, ProtokollZeigtJedeRichtung) {
    Sim sim(ordner_.path(), "tty", {"--clock", "2026-06-21T10:30:00"});
    const QString protokoll = Datei("prot.txt");
    ASSERT_EQ(Mit({"zeit", "--port", sim.Pfad(), "--protokoll", protokoll}).ende, 0);
    const QStringList zeilen = Lies(protokoll).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 2) << Lies(protokoll).toStdString();
    EXPECT_TRUE(
        QRegularExpression("^ +\\d+\\.\\d{3} TX AA 04 00 00 AF E5 \\| Anfrage GET Time \\(4\\)$")
            .match(zeilen[0])
            .hasMatch())
        << zeilen[0].toStdString();
    EXPECT_TRUE(
        QRegularExpression("^ +\\d+\\.\\d{3} RX 55 04 09 [0-9A-F ]+ E5 \\| Antwort Uhrzeit "
                           "\\(4\\): .*2026-06-21T10:30:0\\d UTC, Gruppe \\d+, Prüfsumme richtig$")
            .match(zeilen[1])
            .hasMatch())
        << zeilen[1].toStdString();
}

QString SrecCat() {
    return QStandardPaths::findExecutable(QStringLiteral("srec_cat"));
}
bool SrecCat(const QStringList& argumente) {
    QProcess p;
    p.start(SrecCat(), argumente);
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

// Three bootloaders at once, one refusing frames: every flash holds the image afterwards.
TEST_F(Service, DreiBootloaderZugleich) {
    ASSERT_FALSE(SrecCat().isEmpty()) << "srec_cat fehlt (Paket srecord)";
    const QString image = Datei("image.txt"), soll = Datei("soll.bin");
    ASSERT_TRUE(SrecCat({"-generate", "0xC000", "0xC800", "-random", "-generate", "0xE010",
                         "0xE0F3", "-random", "-generate", "0xFFE0", "0x10000", "-random", "-o",
                         image, "-ti-txt", "-obs=64"}));
    ASSERT_TRUE(
        SrecCat({image, "-ti-txt", "-fill", "0xFF", "0x0000", "0x10000", "-o", soll, "-binary"}));
    const QStringList dumps = {Datei("flash1.bin"), Datei("flash2.bin"), Datei("flash3.bin")};
    std::vector<std::unique_ptr<Sim>> sims;
    QStringList argumente{"flash", image, "--protokoll", Datei("prot.txt")};
    for (int i = 0; i < 3; ++i) {
        QStringList o{"--bootloader", "--flash-dump", dumps[i]};
        if (i == 1)
            o << "--notakn"
              << "2,5,9";
        sims.push_back(std::make_unique<Sim>(ordner_.path(), QStringLiteral("tty%1").arg(i), o));
        argumente << "--port" << sims.back()->Pfad();
    }
    const Lauf l = Mit(argumente);
    EXPECT_EQ(l.ende, 0) << l.aus.toStdString() << l.fehler.toStdString();
    const QStringList zeilen = l.aus.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 3) << l.aus.toStdString();
    EXPECT_TRUE(zeilen[0].contains(QString::fromUtf8(": fertig, ")));
    EXPECT_TRUE(zeilen[1].contains(QString::fromUtf8(", 3 Wiederholungen, ")))
        << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[2].contains(QString::fromUtf8(", 0 Wiederholungen, ")));
    for (const auto& s : sims)
        s->Beende(); // writes the flash
    const QString sollBytes = Lies(soll);
    for (int i = 0; i < 3; ++i) {
        QFile a(dumps[i]), b(soll);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << i;
        EXPECT_TRUE(a.readAll() == b.readAll()) << "flash " << i;
        EXPECT_TRUE(
            QFile::exists(Datei("prot.txt") + u'.' + QString(sims[i]->Pfad()).replace(u'/', u'_')));
    }
}

// One port that cannot be opened and one image refused: the others still run; a bad image
// sends nothing anywhere.
TEST_F(Service, FlashFehler) {
    Sim sim(ordner_.path(), "tty", {"--bootloader"});
    const QString kaputt = Datei("kaputt.txt");
    Schreib(kaputt, "@C000\n12 34 5\nq\n");
    const Lauf bild = Mit({"flash", kaputt, "--port", sim.Pfad()});
    EXPECT_EQ(bild.ende, 4);
    EXPECT_TRUE(
        bild.fehler.contains(QString::fromUtf8("Diese Datei kann nicht übertragen werden:")));
    const QString image = Datei("image.txt");
    Schreib(image, "@C000\n01 02 03 04\n@E000\n05 06\n@FFFE\n00 C0\nq\n");
    const Lauf l = Mit({"flash", image, "--port", Datei("weg"), "--port", sim.Pfad()});
    EXPECT_EQ(l.ende, 2);
    EXPECT_TRUE(l.aus.contains(QString::fromUtf8(": fertig, 7 Zeilen"))) << l.aus.toStdString();
    // A controller that is no bootloader: the erase gets no answer.
    Sim steuerung(ordner_.path(), "tty2", {});
    const Lauf keiner = Mit({"flash", image, "--port", steuerung.Pfad(), "--frist", "0.5"});
    EXPECT_EQ(keiner.ende, 3);
    EXPECT_TRUE(keiner.aus.contains(QString::fromUtf8("auf das Löschen")))
        << keiner.aus.toStdString();
}

} // namespace
