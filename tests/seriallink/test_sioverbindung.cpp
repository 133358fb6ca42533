// The link's front over a pseudo-terminal, with the test playing the controller on the
// master side: the port states in panel 1, the frame envelope's panels, what reaches the
// GUI thread and in which order, the transmit path with its RTS, and the receiver's life
// (closing under traffic, an exception and its replacement, a peer that goes away).
#include "kind.h"
#include "linkfenster/linkanzeige.h"
#include "proben.h"
#include "pty.h"
#include "qtest/support/testantworter.h"
#include "seriallink/empfangsautomat.h"
#include "seriallink/rahmen.h"
#include "seriallink/serthread.h"
#include "seriallink/sioverbindung.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <future>
#include <grp.h>
#include <mutex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

using rahmen::Bytes;

namespace {

QByteArray Q(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}
Bytes B(const QByteArray& q) {
    return Bytes(q.begin(), q.end());
}

// b, n times over.
Bytes Mal(const Bytes& b, std::size_t n) {
    Bytes r;
    r.reserve(b.size() * n);
    for (std::size_t i = 0; i < n; ++i)
        r.insert(r.end(), b.begin(), b.end());
    return r;
}

bool Warte(const std::function<bool()>& bis, int ms = 5000) {
    return QTest::qWaitFor(bis, ms);
}

// Everything the front says, in order, with its events as the windows show them.
class Aufzeichnung : public QObject {
public:
    explicit Aufzeichnung(SioVerbindung& s) : anzeige(s) {
        connect(&s, &SioVerbindung::ereignis, this,
                [this](const Linkereignis& e) { linkereignisse.append(e); });
        connect(&anzeige, &Linkanzeige::panelText, this, [this](int p, const QString& t) {
            panel[p].append(t);
            ereignisse.append(QStringLiteral("P%1 %2").arg(p).arg(t));
        });
        connect(&anzeige, &Linkanzeige::panelHinweis, this,
                [this](int p, const QString& t) { hinweis[p].append(t); });
        connect(&s, &SioVerbindung::rahmenEmpfangen, this, [this](const QByteArray& r) {
            rahmen.append(r);
            ereignisse.append(QStringLiteral("R ") + QString::fromLatin1(r.toHex(' ')));
        });
        connect(&s, &SioVerbindung::bootloaderZeile, this, [this](const QByteArray& z) {
            zeilen.append(z);
            ereignisse.append(QStringLiteral("Z ") + QString::fromLatin1(z));
        });
        connect(&s, &SioVerbindung::geoeffnet, this, [this] { ++geoeffnet; });
        connect(&s, &SioVerbindung::gesendet, this, [this] { ++gesendet; });
        connect(&anzeige, &Linkanzeige::piep, this, [this] { ++pieps; });
    }
    QString Panel(int p) const { return panel.value(p).value(panel.value(p).size() - 1); }
    QString Hinweis(int p) const { return hinweis.value(p).value(hinweis.value(p).size() - 1); }

    Linkanzeige anzeige;
    QList<Linkereignis> linkereignisse;
    QMap<int, QStringList> panel, hinweis;
    QList<QByteArray> rahmen, zeilen;
    QStringList ereignisse;
    int geoeffnet = 0, gesendet = 0, pieps = 0;
};

// The modem lines as the port functions drive them. At a drop of RTS it can also take in
// what the other side receives: the transmit path waits for this call, so nothing sent can
// still be on its way then, and what arrives shows what had left before RTS dropped.
class Leitungen {
public:
    explicit Leitungen(const Pty& pty) : pty_(pty) {}
    serial::Leitungsbeobachter Beobachter() {
        return [this](serial::Leitung l, bool an, bool) {
            std::lock_guard g(m_);
            if (l != serial::Leitung::RTS) return;
            log_.push_back(an ? "RTS+" : "RTS-");
            if (an || !lesen_) return;
            Bytes hier;
            for (Bytes mehr; !(mehr = const_cast<Pty&>(pty_).Lies(1, 200)).empty();)
                hier.insert(hier.end(), mehr.begin(), mehr.end());
            beimAbfallen_.push_back(hier);
        };
    }
    std::vector<std::string> Log() const {
        std::lock_guard g(m_);
        return log_;
    }
    // What the other side had received at each drop of RTS (while LiesBeimAbfallen).
    std::vector<Bytes> BeimAbfallen() const {
        std::lock_guard g(m_);
        return beimAbfallen_;
    }
    void LiesBeimAbfallen() {
        std::lock_guard g(m_);
        lesen_ = true;
    }
    void Vergiss() {
        std::lock_guard g(m_);
        log_.clear();
        beimAbfallen_.clear();
    }

private:
    const Pty& pty_;
    mutable std::mutex m_;
    bool lesen_ = false;
    std::vector<std::string> log_;
    std::vector<Bytes> beimAbfallen_;
};

Oeffnung Com(int nr) {
    Oeffnung o;
    o.ComPortNr = nr;
    o.Einstellungen = Standard();
    return o;
}

class Verbindung : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner_.isValid());
        ini_ = PortsDatei(ordner_, "COM7=" + pty_.Slave().toLocal8Bit() +
                                       "\r\nCOM8=/dev/ttyGIBTESNICHT8\r\n");
        sio_.SetzeEinstellungsdatei(ini_);
        sio_.SetzeLeitungsbeobachter(leitungen_.Beobachter());
        sio_.SetzeEmpfangseingriff([this](std::span<const std::uint8_t> b) {
            gelesen_ += b.size();
            if (werfen_.exchange(false)) throw std::runtime_error("Testausnahme");
        });
    }
    void Oeffne(int nr = 7) {
        sio_.SioInit(Com(nr));
        ASSERT_TRUE(sio_.PortOffen()) << auf_.Hinweis(1).toStdString();
    }
    // Writes bytes as the controller and waits until the receiver has read them.
    void Sende(const Bytes& b) {
        const std::size_t ziel = gelesen_ + b.size();
        pty_.Schreibe(b);
        ASSERT_TRUE(Warte([&] { return gelesen_ >= ziel; }));
    }

    QTemporaryDir ordner_;
    Pty pty_;
    QString ini_;
    TestAntworter antworter_;
    Leitungen leitungen_{pty_};
    std::atomic<std::size_t> gelesen_{0};
    std::atomic<bool> werfen_{false};
    SioVerbindung sio_;
    Aufzeichnung auf_{sio_};
};

TEST_F(Verbindung, OeffnenMeldetOnlineMitDemBaudtextDesDialogs) {
    QSignalSpy nr(&sio_, &SioVerbindung::comPortNrGeaendert);
    Oeffnung o = Com(7);
    o.Baudtext = QStringLiteral("9600"); // the record's 4800 is what the line runs at
    sio_.SioInit(o);
    EXPECT_EQ(auf_.panel[1], QStringList{QStringLiteral("Online com7 9600 Baud")});
    EXPECT_EQ(auf_.Hinweis(1), QString());
    EXPECT_TRUE(sio_.PortOffen());
    EXPECT_EQ(sio_.ComPortNr(), 7);
    EXPECT_EQ(nr.count(), 1);
    EXPECT_EQ(sio_.SerRunning(), 1);
    EXPECT_EQ(sio_.Geraet(), pty_.Slave());
    EXPECT_EQ(auf_.geoeffnet, 1);
    EXPECT_EQ(auf_.pieps, 0);

    sio_.SioClose();
    EXPECT_EQ(auf_.Panel(1), QStringLiteral("closed."));
    EXPECT_FALSE(sio_.PortOffen());
    EXPECT_EQ(sio_.SerRunning(), 0);
    sio_.SioClose(); // closed already: nothing happens
    EXPECT_EQ(auf_.panel[1].size(), 2);
}

TEST_F(Verbindung, NeuOeffnenUndNichtInitialisieren) {
    Oeffne();
    sio_.SioReInit(Com(7));
    EXPECT_EQ(auf_.panel[1],
              (QStringList{"Online com7 4800 Baud", "closed.", "Online com7 4800 Baud"}));
    EXPECT_EQ(sio_.SerRunning(), 1);

    Oeffnung aus = Com(7);
    aus.Initialisieren = false;
    sio_.SioReInit(aus);
    EXPECT_EQ(auf_.panel[1].mid(3), (QStringList{"closed.", "not initialize"}));
    EXPECT_FALSE(sio_.PortOffen());
    EXPECT_EQ(sio_.SerRunning(), 0);
    sio_.SioInit(aus); // closed and unchecked: only the text
    EXPECT_EQ(auf_.Panel(1), QStringLiteral("not initialize"));
    EXPECT_EQ(auf_.geoeffnet, 2);
}

TEST_F(Verbindung, GescheitertesOeffnenNenntDieUrsache) {
    Oeffnung anderthalb = Com(7);
    anderthalb.Einstellungen.StopBits = Porteinstellungen::AnderthalbStopbits;
    struct Fall {
        const char* name;
        Oeffnung o;
        QString panel, hinweis;
    };
    const Fall faelle[] = {
        {"kein Port gewählt", Com(0), "Error on COM0",
         "Für COM0 ist kein Gerät bekannt: Gerät anschließen oder im Abschnitt [Ports] der "
         "Einstellungsdatei eintragen (COM0=/dev/…)"},
        {"Gerät fehlt", Com(8), "Error on COM8",
         "/dev/ttyGIBTESNICHT8 ist nicht vorhanden (Gerät angeschlossen?)"},
        {"Einstellung", anderthalb, "Error on COM7",
         pty_.Slave() + " nimmt die Einstellungen nicht an (1,5 Stoppbits gibt es unter Linux "
                        "nicht)"},
    };
    int pieps = 0;
    for (const Fall& f : faelle) {
        sio_.SioInit(f.o);
        EXPECT_EQ(auf_.Panel(1), f.panel) << f.name;
        EXPECT_EQ(auf_.Hinweis(1), f.hinweis) << f.name;
        EXPECT_EQ(auf_.pieps, ++pieps) << f.name;
        EXPECT_FALSE(sio_.PortOffen()) << f.name;
        EXPECT_EQ(sio_.SerRunning(), 0) << f.name;
    }
    EXPECT_EQ(auf_.geoeffnet, 0);
}

TEST_F(Verbindung, EinPortNurFuerEineVerbindung) {
    Oeffne();
    SioVerbindung zweite;
    Aufzeichnung auf2(zweite);
    zweite.SetzeEinstellungsdatei(ini_);
    zweite.SioInit(Com(7));
    EXPECT_EQ(auf2.Panel(1), QStringLiteral("Error on COM7"));
    EXPECT_EQ(auf2.Hinweis(1), pty_.Slave() + QStringLiteral(" ist belegt: ein anderes Programm "
                                                             "benutzt die Schnittstelle bereits"));
    EXPECT_EQ(auf2.pieps, 1);
    sio_.SioClose();
    zweite.SioInit(Com(7));
    EXPECT_EQ(auf2.Panel(1), QStringLiteral("Online com7 4800 Baud"));
}

TEST_F(Verbindung, PortEinesAnderenProgrammsIstBelegt) {
    Haltendes anderes(
        [&] { return bool(serial::OpenComPort(pty_.Slave(), Standard(), 4096, 4096).release()); });
    ASSERT_TRUE(anderes.Gehalten());
    sio_.SioInit(Com(7));
    EXPECT_EQ(auf_.Panel(1), QStringLiteral("Error on COM7"));
    EXPECT_TRUE(auf_.Hinweis(1).contains(QStringLiteral("ist belegt")))
        << auf_.Hinweis(1).toStdString();
    anderes.Beende();
    sio_.SioInit(Com(7));
    EXPECT_EQ(auf_.Panel(1), QStringLiteral("Online com7 4800 Baud"));
}

// A user without the right to the device: as root the test runs that part as "nobody"
// (root may open anything); otherwise it takes its own rights away from the pseudo-terminal.
TEST_F(Verbindung, OhneBerechtigungNenntDieGruppe) {
    const QByteArray slave = pty_.Slave().toLocal8Bit();
    const group* dialout = ::getgrnam("dialout");
    const bool alsRoot = ::geteuid() == 0;
    if (alsRoot) {
        // "nobody" must still read the settings file that names the device.
        ASSERT_EQ(::chmod(QFile::encodeName(ordner_.path()).constData(), 0755), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(ini_).constData(), 0644), 0);
        ASSERT_EQ(::chown(slave.constData(), 0, dialout ? dialout->gr_gid : 0), 0);
        ASSERT_EQ(::chmod(slave.constData(), 0660), 0);
    } else {
        ASSERT_EQ(::chmod(slave.constData(), 0), 0);
    }
    const std::string ergebnis = ImKind([&] {
        if (alsRoot && (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
                        ::setresuid(65534, 65534, 65534) != 0))
            return std::string("setuid");
        SioVerbindung sio;
        Aufzeichnung auf(sio);
        sio.SetzeEinstellungsdatei(ini_);
        sio.SioInit(Com(7));
        return (auf.Panel(1) + u'|' + auf.Hinweis(1) + u'|' + QString::number(auf.pieps))
            .toStdString();
    });
    const QString hinweis =
        alsRoot && dialout
            ? QStringLiteral("Keine Berechtigung für %1: Benutzer in die Gruppe dialout "
                             "aufnehmen (danach neu anmelden)")
            : QStringLiteral("Keine Berechtigung für %1: die Zugriffsrechte des Geräts "
                             "erlauben diesem Benutzer kein Lesen und Schreiben");
    EXPECT_EQ(QString::fromStdString(ergebnis),
              QStringLiteral("Error on COM7|") + hinweis.arg(pty_.Slave()) + QStringLiteral("|1"));
}

// A close that the system reports as failed: a beep and "Error in close!", but the port is
// released and counts as closed, so the menus go through the interface dialog again and the
// next open of the device works.
TEST_F(Verbindung, GescheitertesSchliessenLaesstDenPortZu) {
    int versuche = 0;
    sio_.SetzeSchliesser([&](serial::ComHandle& port) {
        ++versuche;
        serial::CloseComPort(port);
        return false;
    });
    Oeffne();
    sio_.SioClose();
    EXPECT_EQ(versuche, 1);
    EXPECT_EQ(auf_.Panel(1), "Error in close!");
    EXPECT_EQ(auf_.pieps, 1);
    EXPECT_FALSE(sio_.PortOffen());
    EXPECT_EQ(sio_.SerRunning(), 0);
    EXPECT_TRUE(sio_.Geraet().isEmpty());
    const Bytes anfrage = rahmen::Anfrage(9);
    EXPECT_FALSE(sio_.SioSend(anfrage.data(), static_cast<unsigned>(anfrage.size())));
    // Nothing is left to close; a re-open goes straight to the open.
    sio_.SioReInit(Com(7));
    EXPECT_EQ(versuche, 1);
    EXPECT_EQ(auf_.panel[1],
              (QStringList{"Online com7 4800 Baud", "Error in close!", "Online com7 4800 Baud"}));
    pty_.Schreibe(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 1; }));
}

TEST_F(Verbindung, AngenommeneRahmenZaehlenInPanel0) {
    Oeffne();
    pty_.Schreibe(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 1; }));
    EXPECT_EQ(auf_.rahmen[0], Q(Status));
    EXPECT_EQ(auf_.panel[0], QStringList{"Protokolle: 0"});
    EXPECT_EQ(sio_.FrameZaehler(), 1);

    // The damaged response swallows the next four; the fifth is counted again.
    pty_.Schreibe(StatusFalsch);
    for (int i = 0; i < 5; ++i)
        pty_.Schreibe(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 2; }));
    // Failures that waited together for the GUI thread write the panel once.
    EXPECT_EQ(auf_.panel[3].size(), auf_.panel[3].count("CS FEHLER !"));
    EXPECT_GE(auf_.panel[3].size(), 1);
    EXPECT_EQ(sio_.Pruefsummenfehler(), 5);
    EXPECT_EQ(auf_.panel[0], (QStringList{"Protokolle: 0", "Protokolle: 1"}));
    EXPECT_EQ(sio_.FrameZaehler(), 2);
    EXPECT_EQ(sio_.SerRunning(), 1);
}

// Checksum failures in a row that waited together for the GUI thread write panel 3 once.
QStringList OhneWiederholteCsTexte(QStringList ereignisse) {
    ereignisse.erase(std::unique(ereignisse.begin(), ereignisse.end(),
                                 [](const QString& a, const QString& b) {
                                     return a == b && a == QLatin1String("P3 CS FEHLER !");
                                 }),
                     ereignisse.end());
    return ereignisse;
}

// What the byte steps find on the receiver's thread reaches the GUI thread in the same order,
// one call per frame and line, with the frame counter written just before each frame goes on.
TEST_F(Verbindung, FundeKommenEinzelnUndInDerReihenfolgeAn) {
    class Erwartung final : public Empfangsautomat::Senke {
    public:
        QStringList ereignisse;
        int zaehler = 0, fehler = 0;
        void RahmenGefunden(std::span<const std::uint8_t> r) override {
            ereignisse << QStringLiteral("P0 Protokolle: %1").arg(zaehler++)
                       << "R " + QString::fromLatin1(Q({r.begin(), r.end()}).toHex(' '));
        }
        void PruefsummeFalsch(std::span<const std::uint8_t>) override {
            ereignisse << "P3 CS FEHLER !";
            ++fehler;
        }
        void ZeileGefunden(std::span<const std::uint8_t> z) override {
            ereignisse << "Z " + QString::fromLatin1(Q({z.begin(), z.end()}));
        }
    };
    Oeffne();
    auf_.ereignisse.clear();
    sio_.SetzeFirmwareModus(true);
    const Bytes version = rahmen::Antwort(10, Bytes{'0', '1', '.', '2', '0'});
    Bytes strom = B("Flash clear OK\r\nAKN\r") + Status + B("AKN\r") + version;
    for (int i = 0; i < 50; ++i)
        strom = strom + B("AKN\r") + StatusFalsch + Status + Status;
    Erwartung erwartung;
    Empfangsautomat automat;
    automat.Lies(strom, true, erwartung);
    ASSERT_GT(erwartung.ereignisse.size(), 200);

    const QStringList erwartet = OhneWiederholteCsTexte(erwartung.ereignisse);
    pty_.Schreibe(strom);
    ASSERT_TRUE(Warte([&] {
        return sio_.Pruefsummenfehler() == erwartung.fehler &&
               OhneWiederholteCsTexte(auf_.ereignisse).size() == erwartet.size();
    }));
    QTest::qWait(20);
    EXPECT_EQ(OhneWiederholteCsTexte(auf_.ereignisse), erwartet);
}

// A backlog whose handling takes long is taken in slices: between them the event loop turns
// (the windows paint, the user's input is served), and the frames still come in order.
TEST_F(Verbindung, RueckstandWirdInScheibenAbgeholt) {
    constexpr int Anzahl = 200;
    Oeffne();
    QList<QByteArray> erwartet;
    Bytes strom;
    for (int i = 0; i < Anzahl; ++i) {
        const Bytes r = rahmen::Antwort(9, Bytes{static_cast<std::uint8_t>(i), 0x10, 0x00});
        strom = strom + r;
        erwartet.append(Q(r));
    }
    // Each frame takes a millisecond on the GUI thread, as a slow window would.
    QObject langsam;
    QObject::connect(&sio_, &SioVerbindung::rahmenEmpfangen, &langsam,
                     [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    // Written while the GUI thread does not turn: everything waits when it turns next.
    pty_.Schreibe(strom);
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (gelesen_ < strom.size() && std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(gelesen_, strom.size());
    qsizetype beimZwischenschritt = -1;
    QTimer::singleShot(0, &langsam, [&] { beimZwischenschritt = auf_.rahmen.size(); });
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == Anzahl; }, 20000));
    EXPECT_GE(beimZwischenschritt, 1);
    EXPECT_LT(beimZwischenschritt, Anzahl);
    EXPECT_EQ(auf_.rahmen, erwartet);
}

TEST_F(Verbindung, RahmenInTeilenUeberDieLeitung) {
    Oeffne();
    for (const std::size_t teil : {1u, 3u, 4u, 7u}) {
        Sende(Bytes(Status.begin(), Status.begin() + static_cast<long>(teil)));
        Sende(Bytes(Status.begin() + static_cast<long>(teil), Status.end()));
    }
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 4; }));
    EXPECT_EQ(auf_.rahmen, QList<QByteArray>(4, Q(Status)));
    EXPECT_EQ(sio_.Pruefsummenfehler(), 0);
}

// A parameter response with 0xE5 late in its payload, and one whose checksum is 0xE5, arrive
// whole over the line and are counted like any other frame.
TEST_F(Verbindung, ParameterantwortMitE5KommtAn) {
    Oeffne();
    Bytes nutz(41, 0x01);
    nutz[0] = 0x21;
    nutz[38 - 3] = 0xE5; // frame byte 38
    const Bytes e5Innen = rahmen::Antwort(2, nutz);
    nutz[38 - 3] = 0x01;
    nutz[40] = 0;
    nutz[40] = static_cast<std::uint8_t>(0xE5 - rahmen::Antwort(2, nutz)[44]);
    const Bytes e5Pruefsumme = rahmen::Antwort(2, nutz);
    ASSERT_EQ(e5Pruefsumme[44], 0xE5);
    pty_.Schreibe(e5Innen + Status + e5Pruefsumme + Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 4; }));
    EXPECT_EQ(auf_.rahmen, (QList<QByteArray>{Q(e5Innen), Q(Status), Q(e5Pruefsumme), Q(Status)}));
    EXPECT_EQ(sio_.Pruefsummenfehler(), 0);
    EXPECT_EQ(sio_.FrameZaehler(), 4);
}

TEST_F(Verbindung, BootloaderzeilenNurImFirmwaremodus) {
    Oeffne();
    Sende(B("AKN\r"));
    sio_.SetzeFirmwareModus(true);
    Sende(B("AKN\r\nAKN\r"));
    ASSERT_TRUE(Warte([&] { return auf_.zeilen.size() == 2; }));
    EXPECT_EQ(auf_.zeilen, (QList<QByteArray>{"AKN", "\nAKN"}));
    // An upper-case U in the text opens a candidate that swallows the next response.
    Sende(B("Version U1.0\r") + Status);
    sio_.SetzeFirmwareModus(false);
    Sende(Status);
    ASSERT_TRUE(Warte([&] { return auf_.zeilen.size() == 3; }));
    EXPECT_EQ(auf_.zeilen[2], "Version U1.0");
    QTest::qWait(50);
    EXPECT_TRUE(auf_.rahmen.isEmpty());
    EXPECT_EQ(auf_.Panel(3), "CS FEHLER !");
}

// A damaged reply opens a candidate that swallows the next one; dropped on request (from any
// thread, as a tool does before it asks again), the next reply is read on its own.
TEST_F(Verbindung, VerworfenerKandidatLaesstDieNaechsteAntwortDurch) {
    Oeffne();
    Sende(StatusFalsch);
    Sende(Status);
    QTest::qWait(50);
    EXPECT_TRUE(auf_.rahmen.isEmpty());
    std::thread([this] { sio_.VerwirfKandidat(); }).join();
    Sende(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 1; }));
    EXPECT_EQ(auf_.rahmen[0], Q(Status));
}

// A reply cut off by the end of one firmware session ("AK" of "AKN") does not begin the first
// line of the next one.
TEST_F(Verbindung, NeueFirmwaresitzungBeginntMitLeererZeile) {
    Oeffne();
    sio_.SetzeFirmwareModus(true);
    Sende(B("AK"));
    sio_.SetzeFirmwareModus(false);
    Sende(B("N\r"));
    sio_.SetzeFirmwareModus(true);
    Sende(B("Bootloader V1.00\r"));
    ASSERT_TRUE(Warte([&] { return auf_.zeilen.size() == 1; }));
    EXPECT_EQ(auf_.zeilen[0], "Bootloader V1.00");
}

TEST_F(Verbindung, SendenBeiGeschlossenemPortRuehrtNichtsAn) {
    const Bytes anfrage = rahmen::Anfrage(9);
    EXPECT_FALSE(sio_.SioSend(anfrage.data(), static_cast<unsigned>(anfrage.size())));
    Oeffne();
    sio_.SioClose();
    leitungen_.Vergiss();
    EXPECT_FALSE(sio_.SioSend(anfrage.data(), static_cast<unsigned>(anfrage.size())));
    QTest::qWait(50);
    EXPECT_TRUE(leitungen_.Log().empty());
    EXPECT_EQ(auf_.gesendet, 0);
    EXPECT_EQ(pty_.Wartend(), 0);
}

TEST_F(Verbindung, SendenHebtRtsUndSenktEsWennDieBytesDraussenSind) {
    Oeffne();
    leitungen_.Vergiss();
    leitungen_.LiesBeimAbfallen();
    const Bytes anfrage = rahmen::Anfrage(9);
    ASSERT_TRUE(sio_.SioSend(anfrage.data(), static_cast<unsigned>(anfrage.size())));
    EXPECT_EQ(auf_.gesendet, 1);
    ASSERT_TRUE(Warte([&] { return leitungen_.Log().size() == 2; }));
    EXPECT_EQ(leitungen_.Log(), (std::vector<std::string>{"RTS+", "RTS-"}));
    EXPECT_EQ(leitungen_.BeimAbfallen(), std::vector<Bytes>{anfrage});

    sio_.SetzeFirmwareModus(true); // the status poll keeps its time during an update
    ASSERT_TRUE(sio_.SioSend(anfrage.data(), static_cast<unsigned>(anfrage.size())));
    EXPECT_EQ(auf_.gesendet, 1);
    ASSERT_TRUE(Warte([&] { return leitungen_.BeimAbfallen().size() == 2; }));
    EXPECT_EQ(leitungen_.BeimAbfallen()[1], anfrage);

    const Bytes zuLang(rahmen::GroessterRahmen + 1, 0x01);
    EXPECT_FALSE(sio_.SioSend(zuLang.data(), static_cast<unsigned>(zuLang.size())));
}

// A stopped line (the other side sent XOFF): the frames wait in the transmit path up to the
// transmit queue size, RTS stays up, and once the line moves again everything goes out in
// order before RTS drops.
TEST_F(Verbindung, AngehalteneLeitungHaeltRtsBisAllesDraussenIst) {
    Oeffnung o = Com(7);
    o.Einstellungen.fOutX = true;
    sio_.SioInit(o);
    ASSERT_TRUE(sio_.PortOffen());
    // Once 'x' is read, the XOFF before it (which the line takes for itself) has stopped
    // the line.
    pty_.Schreibe(Bytes{0x13, 'x'});
    ASSERT_TRUE(Warte([&] { return gelesen_ == 1; }));
    leitungen_.Vergiss();
    leitungen_.LiesBeimAbfallen();

    Bytes alles;
    int angenommen = 0;
    for (int i = 0; i < 100; ++i) {
        Bytes nutz(94, static_cast<std::uint8_t>(i));
        const Bytes r = rahmen::Anfrage(0x20, nutz);
        if (!sio_.SioSend(r.data(), static_cast<unsigned>(r.size()))) break;
        alles.insert(alles.end(), r.begin(), r.end());
        ++angenommen;
    }
    EXPECT_EQ(angenommen, 40) << "4096 bytes of transmit queue hold 40 frames of 100";
    QTest::qWait(100);
    EXPECT_EQ(leitungen_.Log(), std::vector<std::string>(40, "RTS+"));
    EXPECT_EQ(pty_.Wartend(), 0);

    pty_.Schreibe(Bytes{0x11}); // XON
    ASSERT_TRUE(Warte([&] { return leitungen_.Log().back() == "RTS-"; }));
    EXPECT_EQ(leitungen_.BeimAbfallen(), std::vector<Bytes>{alles});
}

TEST_F(Verbindung, ZweiSenderVerschraenkenSichNie) {
    Oeffne();
    constexpr int ProSender = 150;
    auto sender = [this](std::uint8_t wer) {
        for (int i = 0; i < ProSender; ++i) {
            Bytes nutz(94, wer);
            nutz[1] = static_cast<std::uint8_t>(i);
            const Bytes r = rahmen::Anfrage(wer, nutz);
            while (!sio_.SioSend(r.data(), static_cast<unsigned>(r.size())))
                std::this_thread::yield();
        }
    };
    std::thread a(sender, 0x11), b(sender, 0x22);
    const Bytes alles = pty_.Lies(2 * ProSender * 100);
    a.join();
    b.join();
    ASSERT_EQ(alles.size(), 2u * ProSender * 100);
    int naechstes[256] = {};
    for (std::size_t p = 0; p < alles.size(); p += 100) {
        const Bytes r(alles.begin() + static_cast<long>(p),
                      alles.begin() + static_cast<long>(p) + 100);
        const std::uint8_t wer = r[1];
        ASSERT_TRUE(wer == 0x11 || wer == 0x22) << p;
        Bytes nutz(94, wer);
        nutz[1] = static_cast<std::uint8_t>(naechstes[wer]++);
        ASSERT_EQ(r, rahmen::Anfrage(wer, nutz)) << "frame at " << p;
    }
    EXPECT_EQ(naechstes[0x11], ProSender);
    EXPECT_EQ(naechstes[0x22], ProSender);
}

TEST_F(Verbindung, SchliessenWaehrendBytesKommen) {
    Oeffne();
    std::atomic<bool> weiter{true};
    std::thread regler([&] {
        Bytes viel;
        for (int i = 0; i < 64; ++i)
            viel.insert(viel.end(), Status.begin(), Status.end());
        while (weiter) {
            if (::write(pty_.Master(), viel.data(), viel.size()) < 0) {
                pollfd p{pty_.Master(), POLLOUT, 0};
                ::poll(&p, 1, 10);
            }
        }
    });
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() > 100; }));
    sio_.SioClose();
    EXPECT_EQ(auf_.Panel(1), "closed.");
    EXPECT_EQ(sio_.SerRunning(), 0);
    // Nothing comes after the close, neither what was found before it nor what arrives.
    const qsizetype nachher = auf_.rahmen.size();
    weiter = false;
    regler.join();
    [[maybe_unused]] const ssize_t n = ::write(pty_.Master(), Status.data(), Status.size());
    QTest::qWait(50);
    EXPECT_EQ(auf_.rahmen.size(), nachher);
    sio_.SioInit(Com(7));
    EXPECT_EQ(auf_.Panel(1), "Online com7 4800 Baud");
    EXPECT_EQ(sio_.SerRunning(), 1);
}

// Finds still waiting for the GUI thread when the port closes belong to the closed port: none
// of them reaches the windows after the close, in particular not after the next open, where
// they would pass for the new controller's.
TEST_F(Verbindung, FundeDesGeschlossenenPortsKommenNichtMehr) {
    Oeffne();
    const Bytes strom = Mal(Status, 500);
    // Written while the GUI thread does not turn: everything found waits.
    pty_.Schreibe(strom);
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (gelesen_ < strom.size() && std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(gelesen_, strom.size());
    sio_.SioClose();
    Oeffne();
    QTest::qWait(50);
    EXPECT_TRUE(auf_.rahmen.isEmpty()) << auf_.rahmen.size();
    Sende(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 1; }));
    QTest::qWait(50);
    EXPECT_EQ(auf_.rahmen.size(), 1);
    EXPECT_EQ(auf_.panel[0], QStringList{"Protokolle: 0"});
}

TEST_F(Verbindung, AusnahmeImEmpfaengerStartetEinenFrischen) {
    Oeffne();
    Sende(Bytes(Status.begin(), Status.begin() + 4)); // a frame half received
    werfen_ = true;
    Sende(Bytes(Status.begin() + 4, Status.end())); // this read raises: the receiver restarts
    ASSERT_TRUE(Warte([&] { return !werfen_; }));
    EXPECT_EQ(sio_.SerRunning(), 1);
    // The receiver it replaced is freed at once (its thread and wake-up descriptor), not at
    // the close.
    EXPECT_TRUE(Warte([&] { return sio_.Empfaenger() == 1; })) << sio_.Empfaenger();
    // The replacement starts from scratch: the half frame is gone, a whole one is taken.
    Sende(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 1; }));
    EXPECT_EQ(auf_.rahmen[0], Q(Status));
    EXPECT_EQ(sio_.Pruefsummenfehler(), 0);
    EXPECT_EQ(sio_.SerRunning(), 1);
    EXPECT_TRUE(sio_.PortOffen());
    // A close waits for the replacement too.
    sio_.SioClose();
    EXPECT_EQ(sio_.SerRunning(), 0);
    EXPECT_EQ(auf_.Panel(1), "closed.");
    EXPECT_TRUE(antworter_.meldungen.isEmpty());
}

// An exception in the receiver when no descriptor is left for its replacement: the port is
// served no longer and counts as lost, with the true cause (no descriptor), once; the program
// goes on, and the next open with descriptors enough works. In a child, whose limit is its own.
TEST_F(Verbindung, ErsatzOhneDeskriptorGibtDenPortFrei) {
#if defined(__SANITIZE_ADDRESS__)
    // The undefined-behaviour checker built into that tree tests whether memory is readable
    // through a pipe of its own; with no descriptor left it takes a sound object for a broken
    // one and aborts the child. The normal tree runs this.
    GTEST_SKIP() << "not under the address sanitizer";
#endif
    const std::string bericht = ImKind([&] {
        std::string r;
        Oeffne();
        rlimit alt{};
        ::getrlimit(RLIMIT_NOFILE, &alt);
        const rlimit grenze{256, alt.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &grenze);
        // Every descriptor number below the limit taken.
        std::vector<int> belegt;
        for (int fd; (fd = ::dup(0)) >= 0;)
            belegt.push_back(fd);
        werfen_ = true;
        pty_.Schreibe(Status);
        const bool weg = Warte([&] { return !sio_.PortOffen(); });
        for (const int fd : belegt)
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &alt);
        const QString erwartet = serial::Systemtext(EMFILE);
        r += weg ? "weg" : "offen";
        r += auf_.Panel(1) == "Error on COM7" ? ",Error" : ",Panel " + auf_.Panel(1).toStdString();
        r += auf_.Hinweis(1).contains(erwartet) ? ",Ursache"
                                                : ",Hinweis " + auf_.Hinweis(1).toStdString();
        r += antworter_.meldungen.size() == 1 && antworter_.meldungen[0].text == erwartet
                 ? ",Box"
                 : ",Boxen " + std::to_string(antworter_.meldungen.size());
        r += ",pieps " + std::to_string(auf_.pieps);
        r += ",laufend " + std::to_string(sio_.SerRunning());
        sio_.SioInit(Com(7));
        r += sio_.PortOffen() ? "|wieder offen" : "|zu";
        return r;
    });
    EXPECT_EQ(bericht, "weg,Error,Ursache,Box,pieps 1,laufend 0|wieder offen");
}

// With few descriptors left, every open either succeeds or fails as an open fails (a beep,
// "Error on COM7", the cause in the tooltip, the port closed); none aborts the program, and
// the next open with descriptors enough works. In a child, whose descriptor limit is its own.
TEST_F(Verbindung, OhneDeskriptorenScheitertDasOeffnenGeordnet) {
#if defined(__SANITIZE_ADDRESS__)
    // The undefined-behaviour checker built into that tree tests whether memory is readable
    // through a pipe of its own; with no descriptor left it takes a sound object for a broken
    // one and aborts the child. The normal tree runs this.
    GTEST_SKIP() << "not under the address sanitizer";
#endif
    const std::string bericht = ImKind([&] {
        std::string r;
        rlimit alt{};
        ::getrlimit(RLIMIT_NOFILE, &alt);
        const auto offen = [] {
            return static_cast<rlim_t>(QDir(QStringLiteral("/proc/self/fd")).count() - 3);
        };
        for (rlim_t frei = 0; frei < 12; ++frei) {
            const rlimit grenze{offen() + frei, alt.rlim_max};
            ::setrlimit(RLIMIT_NOFILE, &grenze);
            const int piepsVorher = auf_.pieps;
            sio_.SioInit(Com(7));
            const bool ok = sio_.PortOffen()
                                ? auf_.Panel(1) == "Online com7 4800 Baud" && sio_.SerRunning() == 1
                                : auf_.Panel(1) == "Error on COM7" && !auf_.Hinweis(1).isEmpty() &&
                                      auf_.pieps == piepsVorher + 1 && sio_.SerRunning() == 0;
            r += ok ? (sio_.PortOffen() ? 'O' : 'E') : '?';
            if (!ok) r += auf_.Hinweis(1).toStdString() + ";";
            sio_.SioClose();
            ::setrlimit(RLIMIT_NOFILE, &alt);
        }
        sio_.SioInit(Com(7));
        r += sio_.PortOffen() ? "|wieder offen" : "|zu";
        return r;
    });
    // Aborted children leave the report cut short.
    EXPECT_NE(bericht.find("|wieder offen"), std::string::npos) << bericht;
    EXPECT_EQ(bericht.find('?'), std::string::npos) << bericht;
    EXPECT_NE(bericht.find('E'), std::string::npos) << bericht;
    EXPECT_NE(bericht.find('O'), std::string::npos) << bericht;
}

// Without address space for another thread's stack no thread can be started: whether the
// transmit path's or the receiver's is the one missing, the open fails as an open fails and
// says which thread, the program goes on, and the next open with room enough works. The
// limit is raised from the address space in use in steps of 512 KiB until an open works, so
// that the thread stacks (usually 8 MiB each) run short one after the other. In a child,
// whose limit is its own.
TEST_F(Verbindung, OhneThreadScheitertDasOeffnenGeordnet) {
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
    // The sanitizers' own allocators need address space beyond the limits set here: their
    // mmap fails and aborts the child at a step of its own choosing (seen under ASan too).
    GTEST_SKIP() << "not under a sanitizer";
#endif
    const std::string bericht = ImKind([&] {
        std::string r;
        rlimit alt{};
        ::getrlimit(RLIMIT_AS, &alt);
        const auto belegt = [] {
            QFile f(QStringLiteral("/proc/self/status"));
            if (!f.open(QIODevice::ReadOnly)) return rlim_t{0};
            for (const QByteArray& zeile : f.readAll().split('\n'))
                if (zeile.startsWith("VmSize:"))
                    return rlim_t(zeile.mid(7).trimmed().split(' ').value(0).toULongLong() * 1024);
            return rlim_t{0};
        };
        // Stacks of earlier threads wait in the C library's cache for reuse: parked threads
        // take them up, so that the link's threads need stacks of their own.
        const std::shared_future<void> nie = (new std::promise<void>)->get_future().share();
        for (int i = 0; i < 16; ++i)
            std::thread([nie] { nie.wait(); }).detach();
        for (rlim_t frei = 512 * 1024; frei <= 256 * 1024 * 1024 && r.find('O') == r.npos;
             frei += 512 * 1024) {
            const rlimit grenze{belegt() + frei, alt.rlim_max};
            ::setrlimit(RLIMIT_AS, &grenze);
            const int piepsVorher = auf_.pieps;
            sio_.SioInit(Com(7));
            const QString hinweis = auf_.Hinweis(1);
            if (sio_.PortOffen()) {
                r += auf_.Panel(1) == "Online com7 4800 Baud" && sio_.SerRunning() == 1 ? "O" : "?";
            } else if (auf_.Panel(1) == "Error on COM7" && auf_.pieps == piepsVorher + 1 &&
                       sio_.SerRunning() == 0) {
                r += hinweis.startsWith("Für das Senden an")     ? "S"
                     : hinweis.startsWith("Für den Empfang von") ? "E"
                                                                 : "?";
            } else {
                r += "?";
            }
            if (r.back() == '?') r += hinweis.toStdString() + ";";
            sio_.SioClose();
            ::setrlimit(RLIMIT_AS, &alt);
        }
        sio_.SioInit(Com(7));
        r += sio_.PortOffen() ? "|wieder offen" : "|zu";
        return r;
    });
    // Aborted children leave the report cut short.
    EXPECT_NE(bericht.find("|wieder offen"), std::string::npos) << bericht;
    EXPECT_EQ(bericht.find('?'), std::string::npos) << bericht;
    for (const char art : {'S', 'E', 'O'})
        EXPECT_NE(bericht.find(art), std::string::npos) << art << " in " << bericht;
}

// A device that sends faster than the GUI thread takes what it finds. Each case is written
// while the GUI thread does not turn, so everything the receiver finds must wait: at most the
// bound of frames waits, the rest is dropped and reported once with its number; checksum
// failures in a row wait as one; bootloader lines have a bound of their own, so a flood of
// frames never pushes them out; and the link goes on as before.
struct Flutfall {
    const char* name;
    bool firmwareModus;
    std::function<Bytes()> strom;
    qsizetype rahmen;         // frames handed on
    QList<QByteArray> zeilen; // the last lines handed on (their number: zeilenAnzahl)
    qsizetype zeilenAnzahl;
    int pruefsummenfehler;
    qsizetype csTexte;             // "CS FEHLER !" written to panel 3
    QList<qint64> ueberlauf;       // frames dropped, as reported
    QList<qint64> zeilenUeberlauf; // lines dropped, as reported
};

constexpr auto Grenze = Empfangsstelle::GroessteWarteschlange;
constexpr auto Zeilengrenze = Empfangsstelle::GroessteZeilenzahl;

const Flutfall Flutfaelle[] = {
    {"Rahmen",
     false,
     [] { return Mal(Status, Grenze + 904); },
     qsizetype(Grenze),
     {},
     0,
     0,
     0,
     {904},
     {}},
    // Five damaged responses make five failures (each candidate swallows four more).
    {"Pruefsummenfehler",
     false,
     [] { return Mal(StatusFalsch, Grenze + 904); },
     0,
     {},
     0,
     int(Grenze) + 904,
     1,
     {},
     {}},
    // The frames also fill the line (up to its bound) until the carriage return.
    {"ZeileNachRahmenflut",
     true,
     [] { return Mal(Status, Grenze + 904) + B("\rAKN\r"); },
     qsizetype(Grenze),
     {"AKN"},
     2,
     0,
     0,
     {904},
     {}},
    {"Zeilenflut",
     true,
     [] { return Mal(B("AKN\r"), Zeilengrenze + 77); },
     0,
     {"AKN"},
     qsizetype(Zeilengrenze),
     0,
     0,
     {},
     {77}},
};

void PrintTo(const Flutfall& f, std::ostream* os) {
    *os << f.name;
}

class Flut : public Verbindung, public testing::WithParamInterface<Flutfall> {};

TEST_P(Flut, WirdBegrenztUndEinmalGemeldet) {
    const Flutfall& fall = GetParam();
    QSignalSpy ueberlauf(&sio_, &SioVerbindung::ueberlauf);
    QSignalSpy zeilenUeberlauf(&sio_, &SioVerbindung::zeilenUeberlauf);
    Oeffne();
    sio_.SetzeFirmwareModus(fall.firmwareModus);
    const Bytes flut = fall.strom();
    std::thread schreiber([&] { pty_.Schreibe(flut); });
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (gelesen_ < flut.size() && std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    schreiber.join();
    ASSERT_EQ(gelesen_, flut.size());
    // The count rises before the receiver cuts the last read: give it time to hand over
    // that read's finds while the GUI thread still stands (slow under ThreadSanitizer).
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(Warte(
        [&] {
            return auf_.rahmen.size() == fall.rahmen && auf_.zeilen.size() == fall.zeilenAnzahl &&
                   sio_.Pruefsummenfehler() == fall.pruefsummenfehler &&
                   ueberlauf.size() == fall.ueberlauf.size() &&
                   zeilenUeberlauf.size() == fall.zeilenUeberlauf.size();
        },
        20000))
        << auf_.rahmen.size() << " frames, " << auf_.zeilen.size() << " lines, "
        << sio_.Pruefsummenfehler() << " checksum failures";
    const auto zahlen = [](const QSignalSpy& spy) {
        QList<qint64> r;
        for (const QList<QVariant>& s : spy)
            r.append(s.at(0).toLongLong());
        return r;
    };
    EXPECT_EQ(zahlen(ueberlauf), fall.ueberlauf);
    EXPECT_EQ(zahlen(zeilenUeberlauf), fall.zeilenUeberlauf);
    EXPECT_EQ(auf_.zeilen.mid(auf_.zeilen.size() - fall.zeilen.size()), fall.zeilen);
    EXPECT_EQ(auf_.panel.value(3).size(), fall.csTexte);
    EXPECT_EQ(sio_.FrameZaehler(), int(fall.rahmen));

    // Afterwards every find comes again, and nothing more is reported.
    sio_.SetzeFirmwareModus(false);
    Sende(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == fall.rahmen + 1; }));
    QTest::qWait(50);
    EXPECT_EQ(ueberlauf.size(), fall.ueberlauf.size());
    EXPECT_EQ(zeilenUeberlauf.size(), fall.zeilenUeberlauf.size());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Flut, testing::ValuesIn(Flutfaelle),
                         [](const testing::TestParamInfo<Flutfall>& i) { return i.param.name; });

TEST_F(Verbindung, GegenseiteWegMeldetEinmalUndGibtDenPortFrei) {
    Oeffne();
    pty_.SchliesseMaster();
    ASSERT_TRUE(Warte([&] { return !sio_.PortOffen(); }));
    EXPECT_EQ(auf_.Panel(1), "Error on COM7");
    EXPECT_TRUE(auf_.Hinweis(1).startsWith("Verbindung zu " + pty_.Slave() + " verloren ("))
        << auf_.Hinweis(1).toStdString();
    EXPECT_EQ(sio_.SerRunning(), 0);
    EXPECT_FALSE(sio_.SioSend(Status.data(), 8));
    QTest::qWait(200); // nothing more: no second box, no second beep, no receiver left
    EXPECT_EQ(auf_.pieps, 1);
    ASSERT_EQ(antworter_.meldungen.size(), 1);
    EXPECT_EQ(antworter_.meldungen[0].titel, "GetLastError");
    EXPECT_EQ(antworter_.meldungen[0].symbol, QMessageBox::Information);
    EXPECT_EQ(antworter_.meldungen[0].text, serial::Systemtext(EIO));
    EXPECT_EQ(auf_.panel[1], (QStringList{"Online com7 4800 Baud", "Error on COM7"}));

    // The controller is back on another terminal under the same number: it opens again.
    Pty neu;
    PortsDatei(ordner_, "COM7=" + neu.Slave().toLocal8Bit() + "\r\n");
    sio_.SioReInit(Com(7));
    EXPECT_EQ(auf_.Panel(1), "Online com7 4800 Baud");
    neu.Schreibe(Status);
    ASSERT_TRUE(Warte([&] { return auf_.rahmen.size() == 1; }));
}

} // namespace
