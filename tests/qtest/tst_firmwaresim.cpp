// "Tracker" > "Firmwareupdate" in the composed application against the simulated bootloader on
// a pseudo-terminal: whole transfers of images that srec_cat makes (random data, several
// segments, the interrupt vectors at 0xFFE0, lines of the longest length a frame holds), and
// the simulated flash afterwards compared with what srec_cat reads from the same image. Also:
// refused frames, Start pressed again in the middle, an "AKN" inside the erase, a reply with a
// trailing blank, Start with the port closed, and the window closed in the middle.
#include "app/anwendung.h"
#include "controller/Trackerinit.h"
#include "firmware/Firmwareupdate.h"
#include "seriallink/Serial.h"
#include "seriallink/sioverbindung.h"
#include "support/bedienung.h"
#include "support/simulator.h"
#include "support/testantworter.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <atomic>
#include <functional>
#include <memory>
#include <signal.h>

namespace {

int Com5(QDialog* d) {
    return WaehleCom5(d);
}

// One application with the simulated bootloader as COM5.
struct Sitzung {
    TestOrdner ordner;
    TestAntworter antworter;
    Simulator sim;
    std::unique_ptr<Anwendung> a;
    QString dump;

    bool Starte(const QStringList& optionen = {}) {
        dump = ordner.filePath(QStringLiteral("flash.bin"));
        if (!sim.Starte(ordner, QStringList{"--bootloader", "--flash-dump", dump} + optionen))
            return false;
        a = std::make_unique<Anwendung>();
        Hochfahren(*a, ordner);
        return true;
    }

    TFormFirmwareupdate& F() { return *a->FormFirmwareupdate; }
    QString Monitor() { return Kind<QPlainTextEdit>(F(), "RichEditRxBootloader")->toPlainText(); }
    QStringList MonitorZeilen() { return Monitor().split(u'\n'); }
    void Einschalten() { ::kill(static_cast<pid_t>(sim.prozess.processId()), SIGUSR2); }

    // "Firmwareupdate" from the menu; while the window is shown, `bedienen` runs. With the
    // port closed the interface dialog comes first and is answered by `portwahl`.
    void Firmwareupdate(const std::function<void()>& bedienen,
                        std::function<int(QDialog*)> portwahl = Com5) {
        if (!a->Verbindung->PortOffen()) antworter.dialogHandler << portwahl;
        antworter.dialogHandler << [&](QDialog* d) {
            d->show();
            bedienen();
            return d->result();
        };
        Aktion(*a->SDIAppForm, "Firmwareupdate1")->trigger();
    }

    // In the shown window: the instructions confirmed, the bootloader switched on and its
    // version in the monitor, the image loaded.
    void Vorbereiten(const QString& image) {
        QTRY_VERIFY_WITH_TIMEOUT(!antworter.meldungen.isEmpty(), 5000);
        QCOMPARE(antworter.meldungen[0].titel, QStringLiteral("A C H T U N G"));
        QVERIFY(Monitor().isEmpty());
        Einschalten();
        QTRY_COMPARE_WITH_TIMEOUT(Monitor(), QStringLiteral("Bootloader V1.00"), 5000);
        antworter.dateinamen << image;
        Aktion(F(), "Datei1")->trigger();
        QVERIFY(F().DateiGueltig());
        antworter.meldungen.clear();
    }
    void Start() { Knopf(F(), "Button1")->click(); }
    // The transfer ended with the success box and the window closed.
    void WarteAufErfolg() {
        QTRY_VERIFY_WITH_TIMEOUT(!F().isVisible(), 60000);
        QCOMPARE(antworter.meldungen.size(), 1);
        QVERIFY(antworter.meldungen[0].text.startsWith(
            QLatin1String("Die Programmierung war erfolgreich\r\n")));
        QCOMPARE(MonitorZeilen().mid(MonitorZeilen().size() - 2),
                 (QStringList{"Programmierung fertig.",
                              " Bitte trennen Sie die Spannung und starten Sie das Gerät neu!"}));
    }

    // The simulated flash, written when the simulator ends.
    QByteArray Flash() {
        if (!sim.Beende()) return {};
        QFile f(dump);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QString SrecCat() {
    return QStandardPaths::findExecutable(QStringLiteral("srec_cat"));
}

bool SrecCat(const QStringList& argumente) {
    QProcess p;
    p.start(SrecCat(), argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        qWarning("srec_cat %s: %s", qPrintable(argumente.join(u' ')),
                 p.readAllStandardError().constData());
        return false;
    }
    return true;
}

// A TI-TXT image of random bytes: code at 0xC000 in lines as long as a frame allows, a table
// at 0xE010 in lines of 16, and the interrupt vectors at 0xFFE0.
QString ErzeugeImage(const TestOrdner& ordner) {
    const QString code = ordner.filePath(QStringLiteral("code.txt"));
    const QString rest = ordner.filePath(QStringLiteral("rest.txt"));
    const QString image = ordner.filePath(QStringLiteral("image.txt"));
    if (!SrecCat({"-generate", "0xC000", "0xC500", "-random", "-o", code, "-ti-txt", "-obs=95"}) ||
        !SrecCat({"-generate", "0xE010", "0xE0F3", "-random", "-generate", "0xFFE0", "0x10000",
                  "-random", "-o", rest, "-ti-txt"}) ||
        !SrecCat({code, "-ti-txt", rest, "-ti-txt", "-o", image, "-ti-txt", "-obs=95"}))
        return {};
    return image;
}

// The 64 KiB the image should leave in an erased flash, as srec_cat reads it.
QByteArray Soll(const TestOrdner& ordner, const QString& image) {
    const QString bin = ordner.filePath(QStringLiteral("soll.bin"));
    if (!SrecCat({image, "-ti-txt", "-fill", "0xFF", "0x0000", "0x10000", "-o", bin, "-binary"}))
        return {};
    QFile f(bin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestFirmwaresim : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(!SrecCat().isEmpty(), "srec_cat fehlt (Paket srecord)"); }

    // Images, the simulator's behaviour on the line, and what the user does in the middle:
    // every run must end with the success box and the image in the flash.
    void uebertragung_data() {
        QTest::addColumn<QStringList>("optionen");
        QTest::addColumn<int>("eingriffBeiAkn"); // Start again at this AKN (0: never)
        QTest::addColumn<int>("wiederholungen"); // "Empfangsfehler! Wiederhole" in the monitor
        QTest::newRow("sauber") << QStringList{} << 0 << 0;
        QTest::newRow("NotAKN") << QStringList{"--notakn", "2,7,8,15"} << 0 << 4;
        QTest::newRow("Start erneut") << QStringList{} << 12 << 0;
        QTest::newRow("AKN beim Loeschen") << QStringList{"--early-akn"} << 0 << 0;
        QTest::newRow("im Leitungstakt")
            << QStringList{"--baud", "9600", "--rx-baud", "9600"} << 0 << 0;
    }
    void uebertragung() {
        QFETCH(QStringList, optionen);
        QFETCH(int, eingriffBeiAkn);
        QFETCH(int, wiederholungen);
        Sitzung s;
        const QString image = ErzeugeImage(s.ordner);
        QVERIFY(!image.isEmpty());
        const QByteArray soll = Soll(s.ordner, image);
        QCOMPARE(soll.size(), 0x10000);
        QVERIFY(s.Starte(optionen));

        int akn = 0, geloescht = 0;
        connect(s.a->Verbindung.get(), &SioVerbindung::bootloaderZeile, this,
                [&](const QByteArray& zeile) {
                    // Pressed right after the window has taken this AKN, as a click between
                    // two finds would be; a queued click could come only after a fast
                    // simulator's whole transfer, when the window is already closed.
                    if (zeile == "AKN" && ++akn == eingriffBeiAkn) s.Start();
                    if (zeile == "Flash clear OK") ++geloescht;
                });
        s.Firmwareupdate([&] {
            s.Vorbereiten(image);
            s.Start();
            s.WarteAufErfolg();
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(!s.a->Verbindung->FirmwareModus());
        QCOMPARE(s.MonitorZeilen().count(QStringLiteral("Empfangsfehler! Wiederhole")),
                 wiederholungen);
        const QStringList zeilen = s.MonitorZeilen();
        if (optionen.contains(QStringLiteral("--early-akn")))
            QCOMPARE(zeilen.mid(0, 3), (QStringList{"Flash clear start", "AKN", "Flash clear OK"}));
        // Start clears the monitor; a restart erased twice.
        QCOMPARE(geloescht, eingriffBeiAkn > 0 ? 2 : 1);
        QCOMPARE(zeilen.count(QStringLiteral("Flash clear OK")), 1);
        QCOMPARE(s.a->SDIAppForm->Panel(3), QStringLiteral("Flash ADDR"));

        const QByteArray flash = s.Flash();
        QCOMPARE(flash.size(), soll.size());
        QVERIFY2(flash == soll, "the flash differs from the image");
    }

    // The port opens, and with it the parametrization window, whose first requests are due
    // from 1 s on: "Firmwareupdate" right after stops them all and closes the window, so
    // nothing but the transfer goes out to the bootloader (every send raises RTS).
    void parametrierungGeschlossen() {
        Sitzung s;
        const QString image = ErzeugeImage(s.ordner);
        QVERIFY(!image.isEmpty());
        QVERIFY(s.Starte());
        std::atomic<int> sendungen = 0;
        s.a->Verbindung->SetzeLeitungsbeobachter([&](serial::Leitung l, bool an, bool) {
            if (l == serial::Leitung::RTS && an) ++sendungen;
        });
        s.antworter.dialogHandler << Com5;
        Aktion(*s.a->SDIAppForm, "Initialisieren1")->trigger();
        QVERIFY(s.a->Verbindung->PortOffen());
        QVERIFY(s.a->FormTrackerInit->isVisible());
        s.Firmwareupdate([&] {
            QVERIFY(!s.a->FormTrackerInit->isVisible());
            QVERIFY(s.a->Verbindung->FirmwareModus());
            s.Vorbereiten(image);
            QTest::qWait(2500);
            QCOMPARE(s.Monitor(), QStringLiteral("Bootloader V1.00"));
            QCOMPARE(sendungen.load(), 0);
            s.Start();
            s.WarteAufErfolg();
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(sendungen.load() > 0);
        QCOMPARE(s.Flash(), Soll(s.ordner, image));
    }

    // "AKN " is not "AKN": the transfer waits, the monitor says so after the reply time, and
    // Start begins anew and ends well.
    void antwortMitLeerzeichen() {
        Sitzung s;
        const QString image = ErzeugeImage(s.ordner);
        QVERIFY(!image.isEmpty());
        QVERIFY(s.Starte({"--akn-blank", "3"}));
        s.Firmwareupdate([&] {
            Zeitgeber(s.F(), "TimerAntwort")->setInterval(300);
            s.Vorbereiten(image);
            s.Start();
            QTRY_VERIFY_WITH_TIMEOUT(
                s.MonitorZeilen().last().startsWith(QLatin1String("Keine Antwort des Bootloaders")),
                5000);
            QVERIFY(s.MonitorZeilen().contains(QStringLiteral("AKN ")));
            QCOMPARE(s.F().Transfer().ZeilenIndex(), 3);
            QVERIFY(s.antworter.meldungen.isEmpty());
            s.Start();
            s.WarteAufErfolg();
        });
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(s.Flash(), Soll(s.ordner, image));
    }

    // The interface dialog cancelled: the window opens all the same, Start says
    // "FEHLER beim senden!" and the bootloader sees nothing.
    void startOhnePort() {
        Sitzung s;
        const QString image = ErzeugeImage(s.ordner);
        QVERIFY(!image.isEmpty());
        QVERIFY(s.Starte({"--log"}));
        s.Firmwareupdate(
            [&] {
                QTRY_VERIFY_WITH_TIMEOUT(!s.antworter.meldungen.isEmpty(), 5000);
                s.antworter.dateinamen << image;
                Aktion(s.F(), "Datei1")->trigger();
                QVERIFY(s.F().DateiGueltig());
                s.Start();
                QCOMPARE(s.a->SDIAppForm->Panel(3), QStringLiteral("FEHLER beim senden!"));
                QCOMPARE(s.Monitor(), QString());
                s.F().close();
            },
            [](QDialog*) { return int(QDialog::Rejected); });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(!s.a->Verbindung->PortOffen());
        QVERIFY(!s.a->Verbindung->FirmwareModus());
        QVERIFY(s.sim.Beende());
        QCOMPARE(s.sim.prozess.readAllStandardError(), QByteArray());
    }

    // Closed in the middle: the reply to the frame on the line and whatever the bootloader
    // says later are no longer collected, and nothing more is sent.
    void fensterGeschlossen() {
        Sitzung s;
        const QString image = ErzeugeImage(s.ordner);
        QVERIFY(!image.isEmpty());
        QVERIFY(s.Starte({"--baud", "4800", "--rx-baud", "4800"}));
        QSignalSpy zeilen(s.a->Verbindung.get(), &SioVerbindung::bootloaderZeile);
        QSignalSpy gesendet(s.a->Verbindung.get(), &SioVerbindung::gesendet);
        QString monitor;
        int akn = 0;
        connect(s.a->Verbindung.get(), &SioVerbindung::bootloaderZeile, this,
                [&](const QByteArray& zeile) { akn += zeile == "AKN"; });
        s.Firmwareupdate([&] {
            s.Vorbereiten(image);
            s.Start();
            QTRY_VERIFY_WITH_TIMEOUT(akn >= 5, 10000);
            s.F().close(); // a frame is on its way
            monitor = s.Monitor();
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(!s.a->Verbindung->FirmwareModus());
        const qsizetype gesehen = zeilen.size();
        QTest::qWait(1500); // the reply has come by now, and the last frame has left the line
        const qsizetype gesandt = gesendet.size();
        s.Einschalten();
        QTest::qWait(1000);
        QCOMPARE(zeilen.size(), gesehen);
        QCOMPARE(gesendet.size(), gesandt);
        QCOMPARE(s.Monitor(), monitor);
        QVERIFY(s.a->Verbindung->PortOffen());
    }
};

QTEST_MAIN(TestFirmwaresim)
#include "tst_firmwaresim.moc"
