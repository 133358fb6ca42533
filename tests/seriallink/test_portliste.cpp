// Port names: "COM<n>" entries from the settings file's section "Ports" and from the system's
// serial devices, with numbers that stay the same across starts.
#include "seriallink/portliste.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class PortlisteTest : public testing::Test {
protected:
    QTemporaryDir ordner_;

    QString Sys() const { return ordner_.filePath(QStringLiteral("sys")); }
    QString Ini() const { return ordner_.filePath(QStringLiteral("heliowendler.INI")); }

    // A tty entry as the kernel shows it: with a device behind it or without, and for the
    // 8250 ports the UART type (0: no port answers).
    void Tty(const QString& name, bool mitGeraet, const char* typ = nullptr) {
        const QString eintrag = Sys() + u'/' + name;
        ASSERT_TRUE(QDir().mkpath(eintrag));
        if (mitGeraet) {
            ASSERT_TRUE(QDir().mkpath(eintrag + QStringLiteral("/device")));
        }
        if (typ) Schreibe(eintrag + QStringLiteral("/type"), QByteArray(typ) + "\n");
    }
    static void Schreibe(const QString& pfad, const QByteArray& inhalt) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
};

TEST(Portnummer, NachArtUndIndex) {
    struct Fall {
        const char* name;
        int nummer;
    };
    for (const Fall& f :
         {Fall{"ttyS0", 1}, Fall{"ttyS31", 32}, Fall{"ttyS32", 0}, Fall{"ttyUSB0", 33},
          Fall{"ttyUSB7", 40}, Fall{"ttyACM0", 65}, Fall{"ttyAMA1", 98}, Fall{"tty5", 0},
          Fall{"ttyS", 0}, Fall{"ttyS01", 0}, Fall{"ttyS-1", 0}, Fall{"ttyUSB1x", 0},
          Fall{"pts", 0}, Fall{"ttySC0", 0}})
        EXPECT_EQ(portliste::NummerFuer(QString::fromLatin1(f.name)), f.nummer) << f.name;
}

TEST_F(PortlisteTest, SystemgeraeteMitGeraetUndUart) {
    Tty(QStringLiteral("tty5"), false);
    Tty(QStringLiteral("ttyS0"), true, "4");
    Tty(QStringLiteral("ttyS1"), true, "0");  // registered, but no UART there
    Tty(QStringLiteral("ttyS3"), false, "4"); // no device behind it
    Tty(QStringLiteral("ttyUSB1"), true);
    Tty(QStringLiteral("ttyACM0"), true);
    const QList<PortEintrag> erwartet = {
        {1, QStringLiteral("COM1"), QStringLiteral("/dev/ttyS0"), false},
        {34, QStringLiteral("COM34"), QStringLiteral("/dev/ttyUSB1"), false},
        {65, QStringLiteral("COM65"), QStringLiteral("/dev/ttyACM0"), false},
    };
    EXPECT_EQ(portliste::Systemgeraete(Sys()), erwartet);
    EXPECT_EQ(portliste::Ports(Ini(), Sys()), erwartet); // no settings file
}

TEST_F(PortlisteTest, EinstellungenZuerstUndVorrangig) {
    Tty(QStringLiteral("ttyS0"), true, "4");
    Tty(QStringLiteral("ttyUSB0"), true);
    Schreibe(Ini(), "[Form]\r\nTop=1\r\n[Ports]\r\nCOM33=/tmp/trackersim\r\nCOM5=/dev/pts/7\r\n"
                    "COM0=/dev/null\r\nLPT1=/dev/lp0\r\nCOM6=\r\nCOM5=/dev/doppelt\r\n");
    const QList<PortEintrag> erwartet = {
        {33, QStringLiteral("COM33"), QStringLiteral("/tmp/trackersim"), true},
        {5, QStringLiteral("COM5"), QStringLiteral("/dev/pts/7"), true},
        {1, QStringLiteral("COM1"), QStringLiteral("/dev/ttyS0"), false},
    };
    EXPECT_EQ(portliste::Ports(Ini(), Sys()), erwartet);
    EXPECT_EQ(portliste::GeraetFuer(33, Ini(), Sys()), QStringLiteral("/tmp/trackersim"));
    EXPECT_EQ(portliste::GeraetFuer(1, Ini(), Sys()), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(portliste::GeraetFuer(0, Ini(), Sys()), QString());
    EXPECT_EQ(portliste::GeraetFuer(2, Ini(), Sys()), QString());
}

// The same highest number as the settings file keeps for the chosen port.
TEST_F(PortlisteTest, HoechsteNummerWieImGespeichertenPort) {
    Schreibe(Ini(), "[Ports]\r\nCOM999999=/dev/a\r\nCOM1000000=/dev/b\r\n"
                    "COM99999999999=/dev/c\r\n");
    EXPECT_EQ(portliste::Ports(Ini(), Sys()),
              (QList<PortEintrag>{
                  {999999, QStringLiteral("COM999999"), QStringLiteral("/dev/a"), true}}));
}

} // namespace
