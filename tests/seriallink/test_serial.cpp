// The port functions over a pseudo-terminal: the settings record on the device, raw reads
// and writes, the receive wait and what releases it, exclusive opens and the causes of a
// failed open.
#include "kind.h"
#include "proben.h"
#include "pty.h"
#include "seriallink/Serial.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <atomic>
#include <chrono>
#include <termios.h>
#include <thread>

namespace {

serial::ComHandle Oeffne(const QString& geraet, const Porteinstellungen& e = Standard(),
                         serial::Oeffnungsfehler* f = nullptr) {
    return serial::OpenComPort(geraet, e, 4096, 4096, {}, f);
}

struct TermiosFall {
    const char* name;
    Porteinstellungen e;
    speed_t speed;
    tcflag_t cflagAn, cflagAus, iflagAn, iflagAus;
    cc_t start = 0x11, stop = 0x13;
};

TermiosFall Fall(const char* name, const char* text, speed_t speed, tcflag_t cAn, tcflag_t cAus,
                 tcflag_t iAn = 0, tcflag_t iAus = IXON | IXOFF,
                 void (*mehr)(Porteinstellungen&) = nullptr) {
    TermiosFall f{name, {}, speed, cAn, cAus, iAn, iAus};
    WendeEinstellstringAn(f.e, text);
    if (mehr) mehr(f.e);
    f.start = static_cast<cc_t>(f.e.XonChar);
    f.stop = static_cast<cc_t>(f.e.XoffChar);
    return f;
}

// A pseudo-terminal keeps 8 data bits without parity whatever it is told, so data bits and
// PARENB cannot be seen here; PARODD, the stop bits, the speed and the flow control can.
TEST(Serial, EinstellungenKommenAufsGeraet) {
    const TermiosFall faelle[] = {
        Fall("4800 8N1", "baud=4800 parity=N data=8 stop=1", B4800, CS8, PARODD | CSTOPB | CRTSCTS),
        Fall("9600 7E2", "baud=9600 parity=E data=7 stop=2", B9600, CSTOPB, PARODD | CRTSCTS),
        Fall("odd", "baud=4800 parity=O data=8 stop=1", B4800, CS8 | PARODD, CSTOPB),
        Fall("RTS/CTS", "baud=4800 parity=N data=8 stop=1", B4800, CS8 | CRTSCTS, 0, 0,
             IXON | IXOFF,
             [](Porteinstellungen& e) {
                 e.fOutxCtsFlow = true;
                 e.fRtsControl = Porteinstellungen::RtsHandshake;
             }),
        Fall("XON/XOFF", "baud=4800 parity=N data=8 stop=1", B4800, CS8, CRTSCTS, IXON | IXOFF, 0,
             [](Porteinstellungen& e) {
                 e.fOutX = e.fInX = true;
                 e.XonChar = 0x01;
                 e.XoffChar = 0x02;
             }),
    };
    for (const TermiosFall& f : faelle) {
        Pty pty;
        serial::Oeffnungsfehler fehler;
        const serial::ComHandle port = Oeffne(pty.Slave(), f.e, &fehler);
        ASSERT_TRUE(port) << f.name << ": " << serial::Ursache(fehler, pty.Slave()).toStdString();
        termios t{};
        ASSERT_EQ(::tcgetattr(port->Deskriptor(), &t), 0);
        EXPECT_EQ(::cfgetospeed(&t), f.speed) << f.name;
        EXPECT_EQ(::cfgetispeed(&t), f.speed) << f.name;
        EXPECT_EQ(t.c_cflag & f.cflagAn, f.cflagAn) << f.name;
        EXPECT_EQ(t.c_cflag & f.cflagAus, 0u) << f.name;
        EXPECT_EQ(t.c_iflag & f.iflagAn, f.iflagAn) << f.name;
        EXPECT_EQ(t.c_iflag & f.iflagAus, 0u) << f.name;
        EXPECT_EQ(t.c_cc[VSTART], f.start) << f.name;
        EXPECT_EQ(t.c_cc[VSTOP], f.stop) << f.name;
        // Raw binary: no line editing, no echo, no signals, no output processing.
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u) << f.name;
        EXPECT_EQ(t.c_oflag & OPOST, 0u) << f.name;
        EXPECT_EQ(t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP), 0u) << f.name;
    }
}

TEST(Serial, LiestWasDaIstUndSchreibtOhneZuWarten) {
    Pty pty;
    const serial::ComHandle port = Oeffne(pty.Slave());
    ASSERT_TRUE(port);
    std::uint8_t puffer[16];
    EXPECT_EQ(serial::LiesVorhandenes(*port, puffer), 0); // nothing there: no waiting

    pty.Schreibe(QByteArray("\x55\x0d\x0a\x00\xe5", 5));
    serial::Wecker wecker;
    EXPECT_EQ(serial::WarteAufEreignis(*port, wecker).art, serial::Ereignis::Art::Daten);
    EXPECT_EQ(serial::GetComQueue(*port).empfang, 5);
    ASSERT_EQ(serial::LiesVorhandenes(*port, puffer), 5);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(puffer), 5),
              QByteArray("\x55\x0d\x0a\x00\xe5", 5));
    EXPECT_EQ(serial::GetComQueue(*port).empfang, 0);

    const std::vector<std::uint8_t> raus{0xAA, 0x0D, 0x0A, 0x00, 0xE5};
    EXPECT_EQ(serial::SchreibeOhneWarten(*port, raus), 5);
    EXPECT_TRUE(serial::WarteBisGesendet(*port));
    EXPECT_EQ(pty.Lies(5), raus);
}

TEST(Serial, WeckerLoestDasWartenSofort) {
    Pty pty;
    const serial::ComHandle port = Oeffne(pty.Slave());
    ASSERT_TRUE(port);
    serial::Wecker wecker;
    std::atomic<int> art{-1};
    std::thread warter(
        [&] { art = static_cast<int>(serial::WarteAufEreignis(*port, wecker).art); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(art.load(), -1) << "the wait must block while nothing happens";
    wecker.Wecke();
    warter.join();
    EXPECT_EQ(art.load(), static_cast<int>(serial::Ereignis::Art::Geweckt));
    // Woken stays woken: the next wait returns at once as well.
    EXPECT_EQ(serial::WarteAufEreignis(*port, wecker).art, serial::Ereignis::Art::Geweckt);
}

TEST(Serial, GegenseiteWegHeisstAufgelegt) {
    Pty pty;
    const serial::ComHandle port = Oeffne(pty.Slave());
    ASSERT_TRUE(port);
    EXPECT_TRUE(serial::PortZustandLesbar(*port));
    pty.SchliesseMaster();
    serial::Wecker wecker;
    const serial::Ereignis e = serial::WarteAufEreignis(*port, wecker);
    EXPECT_EQ(e.art, serial::Ereignis::Art::Daten);
    EXPECT_TRUE(e.aufgelegt);
    int fehler = 0;
    EXPECT_FALSE(serial::PortZustandLesbar(*port, &fehler));
    EXPECT_EQ(fehler, EIO);
}

TEST(Serial, KeineModemleitungenScheiternOhneFolgen) {
    Pty pty;
    std::vector<std::tuple<serial::Leitung, bool, bool>> leitungen;
    serial::ComHandle port = serial::OpenComPort(
        pty.Slave(), Standard(), 4096, 4096,
        [&](serial::Leitung l, bool an, bool ok) { leitungen.emplace_back(l, an, ok); });
    ASSERT_TRUE(port);
    // RTS off until a send, DTR as the record says; a pseudo-terminal takes neither.
    EXPECT_EQ(leitungen,
              (std::vector<std::tuple<serial::Leitung, bool, bool>>{
                  {serial::Leitung::RTS, false, false}, {serial::Leitung::DTR, false, false}}));
    EXPECT_FALSE(serial::Dsr(*port).has_value());
    EXPECT_TRUE(serial::CloseComPort(port));
    EXPECT_FALSE(port);
}

TEST(Serial, NurEinOeffnenJeGeraet) {
    Pty pty;
    QTemporaryDir ordner;
    const QString alias = ordner.filePath(QStringLiteral("tracker"));
    ASSERT_TRUE(QFile::link(pty.Slave(), alias));

    serial::ComHandle erstes = Oeffne(pty.Slave());
    ASSERT_TRUE(erstes);
    for (const QString& name : {pty.Slave(), alias}) {
        serial::Oeffnungsfehler f;
        EXPECT_FALSE(Oeffne(name, Standard(), &f)) << name.toStdString();
        EXPECT_EQ(f.art, serial::Oeffnungsfehler::Art::Belegt) << name.toStdString();
        EXPECT_EQ(serial::Ursache(f, name),
                  name + QStringLiteral(" ist belegt: ein anderes Programm benutzt die "
                                        "Schnittstelle bereits"));
    }
    // Another process is refused the same way, and gets the port once it is free.
    {
        const std::string anderes = ImKind([&] {
            serial::Oeffnungsfehler f;
            return Oeffne(pty.Slave(), Standard(), &f) ? std::string("offen")
                                                       : std::to_string(static_cast<int>(f.art));
        });
        EXPECT_EQ(anderes, std::to_string(static_cast<int>(serial::Oeffnungsfehler::Art::Belegt)));
    }
    EXPECT_TRUE(serial::CloseComPort(erstes));
    EXPECT_TRUE(Oeffne(alias));
    EXPECT_TRUE(Oeffne(pty.Slave()));
}

TEST(Serial, UrsachenEinesGescheitertenOeffnens) {
    using Art = serial::Oeffnungsfehler::Art;
    Pty pty;
    Porteinstellungen anderthalb = Standard();
    anderthalb.StopBits = Porteinstellungen::AnderthalbStopbits;
    Porteinstellungen baud0 = Standard();
    baud0.BaudRate = 0;
    struct Fall {
        const char* name;
        QString geraet;
        Porteinstellungen e;
        int puffer;
        Art art;
        QString ursache;
    };
    const Fall faelle[] = {
        {"kein Gerät", QString(), Standard(), 4096, Art::KeinGeraet,
         QStringLiteral("Kein Gerät angegeben")},
        {"fehlt", QStringLiteral("/dev/ttyGIBTESNICHT7"), Standard(), 4096, Art::Fehlt,
         QStringLiteral("/dev/ttyGIBTESNICHT7 ist nicht vorhanden (Gerät angeschlossen?)")},
        {"1,5 Stoppbits", pty.Slave(), anderthalb, 4096, Art::Einstellungen,
         pty.Slave() + QStringLiteral(" nimmt die Einstellungen nicht an (1,5 Stoppbits gibt es "
                                      "unter Linux nicht)")},
        {"Baudrate 0", pty.Slave(), baud0, 4096, Art::Einstellungen,
         pty.Slave() + QStringLiteral(" nimmt die Einstellungen nicht an (Baudrate 0)")},
        {"Puffer 0", pty.Slave(), Standard(), 0, Art::Einstellungen,
         pty.Slave() + QStringLiteral(" nimmt die Einstellungen nicht an (Puffergröße unter 1 "
                                      "Byte)")},
    };
    for (const Fall& f : faelle) {
        serial::Oeffnungsfehler fehler;
        EXPECT_FALSE(serial::OpenComPort(f.geraet, f.e, f.puffer, 4096, {}, &fehler)) << f.name;
        EXPECT_EQ(fehler.art, f.art) << f.name;
        EXPECT_EQ(serial::Ursache(fehler, f.geraet), f.ursache) << f.name;
    }
    // None of them left the device taken.
    EXPECT_TRUE(Oeffne(pty.Slave()));
}

} // namespace
