// heliowendler-service's commands against trackersim where a controller does not behave: too
// old a version, a damaged reply before the good one, a controller that is silent or stuck (every
// command ends by itself), ZeitZusatz passed through, random parameter sets that come back byte
// for byte, wrong command lines refused before the port is opened, control characters of files
// and devices never reaching the terminal, every message path in English, and no configuration
// folder made by a tool that only reads.
#include "dienst.h"
#include "geraet/messages.h"
#include "geraet/parameterdatei.h"

#include <QRegularExpression>
#include <QThread>
#include <bit>
#include <cmath>
#include <fcntl.h>
#include <random>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace diensttest;

// The bytes of the record's lines of one direction whose description starts with `was`.
QList<QByteArray> Protokollbytes(const QString& protokoll, const char* richtung, const char* was) {
    QList<QByteArray> r;
    // Whatever stamps the line: the direction, the bytes, what they are.
    const QRegularExpression zeile(QStringLiteral("\\b%1 ((?:[0-9A-F]{2} )*[0-9A-F]{2}) \\| %2")
                                       .arg(QLatin1String(richtung), QLatin1String(was)));
    for (const QString& z : protokoll.split(u'\n'))
        if (const auto m = zeile.match(z); m.hasMatch())
            r << QByteArray::fromHex(m.captured(1).remove(u' ').toLatin1());
    return r;
}

// Writes a frame to the device as another program on the line would, before the tool runs.
void SchreibeRoh(const QString& geraet, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(geraet).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd, TCSANOW, &t);
    ASSERT_EQ(::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
    ::tcdrain(fd);
    ::close(fd);
    QThread::msleep(300); // the simulator acts on it
}

QByteArray Anfrage(std::uint8_t kommando, const QByteArray& nutzdaten) {
    const auto b =
        rahmen::Anfrage(kommando, {reinterpret_cast<const std::uint8_t*>(nutzdaten.constData()),
                                   static_cast<std::size_t>(nutzdaten.size())});
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// "1,2,...,n": every request lost.
QString Alle(int n) {
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << QString::number(i);
    return l.join(u',');
}

// A set file with stops 5 degrees apart and 10 degrees per second: a speed measurement's legs
// take half a second each.
QString KurzeFahrt() {
    messages::TrackerParameter p;
    messages::Parametertexte t;
    t.Phi = "51";
    t.Lam = "-13";
    t.ModulH = "160";
    t.ModulL = "1500";
    t.ModulA = "150";
    t.ModulN = "30";
    t.Intervall = "5";
    t.WinkelSpeed = "10000";
    t.AnschlagOst = "180";
    t.AnschlagWest = "185";
    t.KorrekturFaktor = "1000";
    messages::LeseParametertexte(t, p);
    return parameterdatei::Schreibe(p);
}

TEST_F(Service, ZuAlteVersionSperrtDenParametersatz) {
    Sim sim(ordner_.path(), "tty", {"--version", "01.19"});
    const QString satz = Datei("satz.ini"), protokoll = Datei("prot.txt");
    Schreib(satz, KurzeFahrt());
    const Lauf info = Mit({"info", "--port", sim.Pfad()});
    EXPECT_EQ(info.ende, 3);
    EXPECT_EQ(info.aus, QStringLiteral("Version: 01.19\n"));
    EXPECT_TRUE(info.fehler.contains(QStringLiteral("Falsche Version!")))
        << info.fehler.toStdString();
    const QStringList befehle[] = {{"param"},
                                   {"param", "--datei", Datei("aus.ini")},
                                   {"param", "--setzen", satz},
                                   {"speed", "--ja"}};
    for (const QStringList& b : befehle) {
        QFile::remove(protokoll);
        const Lauf l = Mit(b + QStringList{"--port", sim.Pfad(), "--protokoll", protokoll});
        EXPECT_EQ(l.ende, 3) << b.join(' ').toStdString();
        EXPECT_TRUE(l.fehler.contains(QStringLiteral("Falsche Version!")))
            << l.fehler.toStdString();
        // Asked for the version, and nothing more.
        const QString record = Lies(protokoll);
        EXPECT_EQ(Protokollbytes(record, "TX", "Anfrage").size(), 1) << record.toStdString();
        EXPECT_EQ(Protokollbytes(record, "TX", "Anfrage GET Info").size(), 1);
    }
    EXPECT_FALSE(QFile::exists(Datei("aus.ini")));
    // A text that is no version at all keeps the set locked too.
    Sim kaputt(ordner_.path(), "tty2", {"--version", "1.2.3"});
    const Lauf l = Mit({"param", "--port", kaputt.Pfad()});
    EXPECT_EQ(l.ende, 3);
}

// "SET Time" sends ZeitZusatz as the controller last reported it, as the window does.
TEST_F(Service, ZeitZusatzBleibtWieGelesen) {
    Sim sim(ordner_.path(), "tty", {});
    // Another program set the byte to 0xA5.
    SchreibeRoh(sim.Pfad(), Anfrage(3, QByteArray::fromHex("00"
                                                           "05"
                                                           "04"
                                                           "03"
                                                           "02"
                                                           "A5"
                                                           "01"
                                                           "1F"
                                                           "01")));
    for (const QStringList& setzen : {QStringList{"--setzen", "2031-01-02T03:04:05"},
                                      QStringList{"--jetzt", "--gruppe", "3"}}) {
        const QString protokoll = Datei("prot.txt");
        QFile::remove(protokoll);
        const Lauf l = Mit(QStringList{"zeit"} + setzen +
                           QStringList{"--port", sim.Pfad(), "--protokoll", protokoll});
        EXPECT_EQ(l.ende, 0) << l.fehler.toStdString();
        const QList<QByteArray> set = Protokollbytes(Lies(protokoll), "TX", "Anfrage SET Time");
        ASSERT_EQ(set.size(), 1) << Lies(protokoll).toStdString();
        ASSERT_EQ(set[0].size(), 15);
        // AA 03 09 00, the payload's 00, then second, minute, hour, day, ZeitZusatz.
        EXPECT_EQ(static_cast<std::uint8_t>(set[0][9]), 0xA5) << set[0].toHex(' ').toStdString();
    }
}

// One damaged reply, a stray start byte or noise before a reply: the repeat is read on its
// own and the command succeeds.
TEST_F(Service, BeschaedigteAntwortVergiftetDieWiederholungNicht) {
    const QStringList faelle[] = {
        {"--bad-checksum", "1"},
        {"--stray-start", "1"},
        {"--noise", "9", "--stray-start", "1"},
        {"--bad-checksum", "1", "--noise", "5"},
        {"--stray-start", "1,2"},
    };
    for (const QStringList& f : faelle) {
        Sim sim(ordner_.path(), "tty", f);
        const Lauf l = Mit({"status", "--port", sim.Pfad(), "--frist", "1"});
        EXPECT_EQ(l.ende, 0) << f.join(' ').toStdString() << ": " << l.fehler.toStdString();
        EXPECT_TRUE(l.aus.startsWith(QStringLiteral("Tracking: "))) << l.aus.toStdString();
    }
}

// Whatever the controller does, every command comes to an end by itself: against one that
// is silent, within its deadlines and repeats; against one stuck in its mode (it answers, but
// its tracker never moves), the speed measurement within the limit its stops and speed give.
TEST_F(Service, JederBefehlEndetVonSelbst) {
    const QString satz = Datei("satz.ini"), image = Datei("image.txt");
    Schreib(satz, KurzeFahrt());
    Schreib(image, "@C000\n01 02 03 04\n@E000\n05 06\n@FFFE\n00 C0\nq\n");
    const QStringList befehle[] = {
        {"info"},
        {"status"},
        {"werte"},
        {"zeit"},
        {"zeit", "--setzen", "2031-01-02T03:04:05"},
        {"param"},
        {"param", "--setzen", satz},
        {"position", "90", "--ja"},
        {"automatik"},
        {"speed", "--ja"},
    };
    const QStringList schnell{"--frist", "0.3", "--wiederholungen", "1"};
    {
        Sim still(ordner_.path(), "still", {"--silent", Alle(400)});
        for (const QStringList& b : befehle) {
            const Lauf l = Mit(b + QStringList{"--port", still.Pfad()} + schnell, 20000);
            EXPECT_EQ(l.ende, 3) << b.join(' ').toStdString() << ": " << l.fehler.toStdString();
            EXPECT_LT(l.ms, 5000) << b.join(' ').toStdString();
        }
        Sim bootloader(ordner_.path(), "boot", {"--bootloader", "--silent", Alle(400)});
        const Lauf l = Mit({"flash", image, "--port", bootloader.Pfad(), "--frist", "0.5"}, 20000);
        EXPECT_EQ(l.ende, 3) << l.aus.toStdString() << l.fehler.toStdString();
    }
    Sim fest(ordner_.path(), "fest", {"--stuck"});
    for (const QStringList& b : befehle) {
        if (b[0] == QLatin1String("speed")) continue;
        const Lauf l = Mit(b + QStringList{"--port", fest.Pfad()}, 20000);
        EXPECT_EQ(l.ende, 0) << b.join(' ').toStdString() << ": " << l.fehler.toStdString();
    }
    // Stops 5 degrees apart at 10 degrees per second: the limit is some seconds, not hours.
    ASSERT_EQ(Mit({"param", "--setzen", satz, "--port", fest.Pfad()}).ende, 0);
    const Lauf speed = Mit({"speed", "--ja", "--port", fest.Pfad()}, 60000);
    EXPECT_EQ(speed.ende, 3) << speed.fehler.toStdString();
    EXPECT_LT(speed.ms, 30000);
    // What was seen last: the automatic mode it never left.
    EXPECT_TRUE(speed.fehler.contains(QStringLiteral("Auto"))) << speed.fehler.toStdString();
}

// Random sets, with doubles that are no whole thousandths and doubles rounded from floats:
// read into a file and given back, the controller's 40 bytes stay as they were.
TEST_F(Service, ZufaelligeSaetzeKommenUnveraendertZurueck) {
    Sim sim(ordner_.path(), "tty", {});
    std::mt19937_64 g(4711);
    const auto gleich = [&](double a, double b) { return std::uniform_real_distribution(a, b)(g); };
    for (int i = 0; i < 6; ++i) {
        messages::TrackerParameter p;
        p.ParModulL = static_cast<std::uint16_t>(g());
        p.ParModulH = static_cast<std::uint16_t>(g());
        p.ParReserve = static_cast<std::uint16_t>(g());
        p.ParModulA = static_cast<std::uint16_t>(g());
        p.ParModulN = static_cast<std::uint16_t>(g() % 91);
        p.ParIntervall = static_cast<std::uint16_t>(i % 2 ? 600 * (g() % 61) : g() % 36001);
        p.ParLaenge = static_cast<std::int16_t>(g());
        p.ParBreite = static_cast<std::int16_t>(g());
        p.ParAnschlagOst = static_cast<std::uint16_t>(g() % 361);
        p.ParAnschlagWest = static_cast<std::uint16_t>(g() % 361);
        p.ParWinkelSpeed =
            i % 2 ? gleich(0.01, 10) : static_cast<double>(static_cast<float>(gleich(0.02, 9)));
        p.ParKorrekturFaktor =
            i % 3 == 0 ? -1.0 : (i % 3 == 1 ? gleich(-5, 5) : static_cast<float>(gleich(0.9, 1.1)));
        const QString vorgabe = Datei("vorgabe.ini"), gelesen = Datei("gelesen.ini");
        Schreib(vorgabe, parameterdatei::Schreibe(p));
        const Lauf setzen = Mit({"param", "--setzen", vorgabe, "--port", sim.Pfad()});
        ASSERT_EQ(setzen.ende, 0) << setzen.fehler.toStdString();

        const QString p1 = Datei("p1.txt"), p2 = Datei("p2.txt");
        QFile::remove(p1);
        QFile::remove(p2);
        ASSERT_EQ(Mit({"param", "--port", sim.Pfad(), "--datei", gelesen, "--protokoll", p1}).ende,
                  0);
        const Lauf zurueck =
            Mit({"param", "--setzen", gelesen, "--port", sim.Pfad(), "--protokoll", p2});
        EXPECT_EQ(zurueck.ende, 0) << zurueck.fehler.toStdString();
        EXPECT_EQ(zurueck.aus,
                  QStringLiteral("Parametersatz gesetzt und zurückgelesen: gleich.\n"));
        const QList<QByteArray> vorher =
            Protokollbytes(Lies(p1), "RX", "Antwort Parameter \\(2\\)");
        const QList<QByteArray> nachher =
            Protokollbytes(Lies(p2), "RX", "Antwort Parameter \\(2\\)");
        ASSERT_FALSE(vorher.isEmpty()) << Lies(p1).toStdString();
        ASSERT_FALSE(nachher.isEmpty()) << Lies(p2).toStdString();
        // All 40 bytes of the set (payload bytes 1 to 40 of the response).
        EXPECT_EQ(vorher.last().mid(4, 40).toHex(' '), nachher.last().mid(4, 40).toHex(' '));
        const auto soll = p.Bytes();
        EXPECT_EQ(vorher.last().mid(4, 36).toHex(' '),
                  QByteArray(reinterpret_cast<const char*>(soll.data()), 36).toHex(' '));
    }
}

// Conflicting options, words a command does not take, a wrong value: refused with 1 before the
// port is opened (the port given does not exist: opening it would end with 2). A file that is
// refused: 4, also before the port.
TEST_F(Service, FalscheAufrufeVorDemOeffnen) {
    const QString weg = Datei("weg"), satz = Datei("satz.ini");
    Schreib(satz, KurzeFahrt());
    const struct {
        QStringList argumente;
        int ende;
    } faelle[] = {
        {{"zeit", "--jetzt", "--setzen", "2030-01-01T00:00"}, 1},
        {{"param", "--datei", Datei("x.ini"), "--setzen", satz}, 1},
        {{"info", "extra"}, 1},
        {{"status", "5"}, 1},
        {{"werte", "alle"}, 1},
        {{"automatik", "jetzt"}, 1},
        {{"zeit", "morgen"}, 1},
        {{"param", satz}, 1},
        {{"speed", "--ja", "3"}, 1},
        {{"speed"}, 1},
        {{"zeit", "--gruppe", "3"}, 1},
        {{"zeit", "--setzen", "2026-13-01T00:00"}, 1},
        {{"zeit", "--setzen", "1999-12-31T23:59"}, 1},
        {{"zeit", "--jetzt", "--gruppe", "256"}, 1},
        {{"info", "--datei", Datei("x.ini")}, 1},
        {{"status", "--ja"}, 1},
        {{"position", "90"}, 1},
        {{"position", "--ja"}, 1},
        {{"position", "90", "91", "--ja"}, 1},
        {{"position", "-1", "--ja"}, 1},
        {{"info", "--frist", "0"}, 1},
        {{"info", "--frist", "0,5"}, 1},
        {{"info", "--port", weg}, 1}, // twice
        {{"flash", satz, "--ja"}, 1},
        {{"flash", satz, "--wiederholungen", "101"}, 1},
        {{"param", "--setzen", Datei("gibtsnicht.ini")}, 4},
        {{"param", "--setzen", Datei("leer.INI")}, 4},
    };
    Schreib(Datei("leer.INI"), "");
    for (const auto& f : faelle) {
        const Lauf l = Mit(f.argumente + QStringList{"--port", weg});
        EXPECT_EQ(l.ende, f.ende) << f.argumente.join(' ').toStdString() << ": "
                                  << l.fehler.toStdString();
        EXPECT_TRUE(l.fehler.startsWith(QStringLiteral("heliowendler-service: ")))
            << l.fehler.toStdString();
    }
    const Lauf ports = Mit({"ports", "--port", weg});
    EXPECT_EQ(ports.ende, 1);
}

bool OhneSteuerzeichen(const QString& text) {
    for (const QChar c : text)
        if (c != u'\n' && c != u'\t' && !c.isPrint()) return false;
    return true;
}

// Control characters from a parameter file, an image or the settings file never reach the
// terminal: the messages show their codes.
TEST_F(Service, SteuerzeichenErreichenDasTerminalNicht) {
    Sim sim(ordner_.path(), "tty", {});
    const QString satz = Datei("satz.ini"), image = Datei("image.txt"), ini = Datei("ports.INI");
    Schreib(satz, KurzeFahrt() + QString::fromUtf8("Farbe\x1b]0;gekapert\x07=\x1b[2J\n"));
    Schreib(image, QString::fromUtf8("@C000\n01 02\x1b[2J 03\n@E000\n05\n@FFFE\n00 C0\nq\n"));
    Schreib(ini, QString::fromUtf8("[Ports]\r\nCOM5=/tmp/gibtsnicht\x1b[2J\r\n"));
    const QStringList faelle[] = {
        {"param", "--setzen", satz, "--port", sim.Pfad()},
        {"flash", image, "--port", sim.Pfad()},
        {"info", "--port", "COM5", "--einstellungen", ini},
        {"ports", "--einstellungen", ini},
    };
    for (const QStringList& a : faelle) {
        const Lauf l = Dienst(a);
        EXPECT_NE(l.ende, -1);
        EXPECT_TRUE(OhneSteuerzeichen(l.aus)) << l.aus.toStdString();
        EXPECT_TRUE(OhneSteuerzeichen(l.fehler)) << l.fehler.toStdString();
        // Shown by its code (the image check names it in words of its own).
        const QString alles = l.aus + l.fehler;
        EXPECT_TRUE(alles.contains(QStringLiteral("\\x1B")) ||
                    alles.contains(QStringLiteral("0x1B")))
            << a.join(' ').toStdString();
    }
}

// Every message path in English: no German left (the parameter file's own text stays German,
// as its keys, and is not looked at here).
TEST_F(Service, JederMeldungswegAufEnglisch) {
    Sim sim(ordner_.path(), "tty", {});
    Sim alt(ordner_.path(), "alt", {"--version", "01.19"});
    Sim still(ordner_.path(), "still", {"--silent", Alle(100)});
    Sim verfaelscht(ordner_.path(), "falsch", {"--param-falsch"});
    const QString satz = Datei("satz.ini"), kaputt = Datei("kaputt.ini"),
                  image = Datei("image.txt");
    Schreib(satz, KurzeFahrt());
    Schreib(kaputt, QString(KurzeFahrt()).replace("Modulneigung=30", "Modulneigung=95"));
    Schreib(image, "@C000\n12 34 5\nq\n");
    const QStringList schnell{"--frist", "0.3", "--wiederholungen", "0"};
    const struct {
        QStringList argumente;
        int ende;
        const char* englisch; // a part of the English output
    } faelle[] = {
        {{"--help"}, 0, "Usage: heliowendler-service COMMAND"},
        {{}, 1, "no command"},
        {{"gibtsnicht"}, 1, "unknown command"},
        {{"status", "--port", sim.Pfad()}, 0, "MotorE: "},
        {{"info", "--port", sim.Pfad()}, 0, "Version: 01.20"},
        {{"info", "--port", alt.Pfad()}, 3, "Wrong version!"},
        {{"werte", "--port", sim.Pfad()}, 0, "Current position: "},
        {{"zeit", "--port", sim.Pfad()}, 0, " UTC, group "},
        {{"zeit", "--setzen", "2031-01-02T03:04:05", "--port", sim.Pfad()}, 0, " UTC, group "},
        {{"param", "--setzen", satz, "--port", sim.Pfad()}, 0, "the same"},
        {{"param", "--setzen", kaputt, "--port", sim.Pfad()}, 4, "is not between 0 and 90"},
        {{"param", "--setzen", satz, "--port", verfaelscht.Pfad()}, 3, "differs"},
        {{"param", "--setzen", Datei("gibtsnicht"), "--port", sim.Pfad()}, 4, "cannot be read"},
        {{"position", "90", "--port", sim.Pfad()}, 1, "--ja"},
        {{"position", "90", "--ja", "--port", sim.Pfad()}, 0, "Sent."},
        {{"automatik", "--port", sim.Pfad()}, 0, "Sent."},
        {QStringList{"info", "--port", still.Pfad()} + schnell, 3, "no valid answer"},
        {{"info", "--port", "COM777"}, 2, "COM777"},
        {{"info", "--port", Datei("weg")}, 2, "does not exist"},
        {{"info", "--port", "LPT1"}, 1, "expected"},
        {{"info", "--frist", "x", "--port", sim.Pfad()}, 1, "is not"},
        {{"info", "--gibtsnicht", "--port", sim.Pfad()}, 1, "unknown option"},
        {{"zeit", "--jetzt", "--setzen", "2031-01-02T03:04", "--port", sim.Pfad()}, 1, "--jetzt"},
        {{"flash", image, "--port", sim.Pfad()}, 4, "cannot be transferred"},
        {{"ports"}, 0, ""},
    };
    const QRegularExpression& deutsch = Deutsch();
    for (const auto& f : faelle) {
        const Lauf l = Mit(f.argumente, 60000, Englisch());
        const QString alles = l.aus + l.fehler;
        EXPECT_EQ(l.ende, f.ende) << f.argumente.join(' ').toStdString() << ": "
                                  << alles.toStdString();
        EXPECT_TRUE(alles.contains(QString::fromUtf8(f.englisch))) << alles.toStdString();
        const auto m = deutsch.match(alles);
        EXPECT_FALSE(m.hasMatch()) << f.argumente.join(' ').toStdString() << ": \""
                                   << m.captured().toStdString() << "\" in\n"
                                   << alles.toStdString();
    }
}

// A tool installed beside the application's data reads the application's settings where the
// application keeps them, and creates no folder for it, whatever the command's end.
TEST_F(Service, LegtKeinenKonfigurationsordnerAn) {
    QDir(ordner_.path()).mkpath("usr/bin");
    QDir(ordner_.path()).mkpath("usr/share/heliowendler");
    const QString programm = Datei("usr/bin/heliowendler-service");
    ASSERT_TRUE(QFile::copy(QStringLiteral(DIENST_PROGRAMM), programm));
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert("HOME", Datei("heim"));
    u.insert("XDG_CONFIG_HOME", Datei("konfiguration"));
    const QStringList faelle[] = {{"info"},
                                  {"info", "--port", Datei("weg")},
                                  {"ports"},
                                  {"zeit", "--setzen", "x", "--port", Datei("weg")}};
    for (const QStringList& a : faelle) {
        QProcess p;
        p.setProcessEnvironment(u);
        p.start(programm, a);
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_FALSE(QFileInfo::exists(Datei("konfiguration"))) << a.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(Datei("heim"))) << a.join(' ').toStdString();
    }
}

} // namespace
