// "Tracker" > "Protokollmonitor" and --protokoll of the application: the link's record shown
// live while the window is open and only then, its filter, hold, clear, bound and save, and
// the record file the application writes.
#include "app/anwendung.h"
#include "linkfenster/protokollmonitor.h"
#include "seriallink/mitschnitt.h"
#include "seriallink/rahmen.h"
#include "seriallink/sioverbindung.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/SDIMAIN.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

using rahmen::Bytes;

// The receiver's byte steps, its finds not wanted here.
struct Empfaenger : Empfangsautomat::Senke {
    Empfangsautomat automat;
    void RahmenGefunden(std::span<const std::uint8_t>) override {}
    void PruefsummeFalsch(std::span<const std::uint8_t>) override {}
    void ZeileGefunden(std::span<const std::uint8_t>) override {}
};

// Received bytes as the receiver reads them.
void Empfange(Mitschnitt& m, const Bytes& bytes, bool firmware) {
    static Empfaenger e;
    m.Lies(e.automat, bytes, firmware, e);
}

// The traffic of one status poll: the request, its response, and three bytes of noise.
void Abfrage(Mitschnitt& m) {
    m.Gesendet(rahmen::Anfrage(8));
    const Bytes antwort = rahmen::Antwort(9, Bytes{0x21, 0x10, 0x00});
    Bytes rein{0x00, 0x13, 0x37};
    rein.insert(rein.end(), antwort.begin(), antwort.end());
    Empfange(m, rein, false);
}

int Filterindex(QComboBox* filter, int daten) {
    return filter->findData(daten);
}

} // namespace

class TestProtokollmonitor : public OrdnerTestfall {
    Q_OBJECT

private slots:
    // Recorded while shown, each entry one line as the service tool writes it; nothing while
    // closed.
    void nurWennOffen() {
        TestAntworter antworter;
        Mitschnitt m;
        TFormProtokollmonitor f(m);
        QVERIFY(!m.An());
        f.show();
        QVERIFY(m.An());
        Abfrage(m);
        f.Abholen();
        const QStringList z = f.Zeilen();
        QCOMPARE(z.size(), 3);
        QVERIFY2(QRegularExpression(
                     "^ +\\d+\\.\\d{3} TX AA 08 00 00 B3 E5 \\| Anfrage Get Status \\(8\\)$")
                     .match(z[0])
                     .hasMatch(),
                 qPrintable(z[0]));
        QVERIFY2(z[1].endsWith(QStringLiteral(" RX 00 13 37 | Rauschen, 3 Bytes")),
                 qPrintable(z[1]));
        QVERIFY2(
            z[2].contains(QStringLiteral(" RX 55 09 03 21 10 00 93 E5 | Antwort Status (9): "
                                         "Tracking Auto, Countdown 00:00:01, Prüfsumme richtig")),
            qPrintable(z[2]));
        f.close();
        QVERIFY(!m.An());
        Abfrage(m);
        f.Abholen();
        QCOMPARE(f.Zeilen().size(), 3);
    }

    void filterAnhaltenLeeren() {
        TestAntworter antworter;
        Mitschnitt m;
        TFormProtokollmonitor f(m);
        f.show();
        Abfrage(m);
        Empfange(m, Bytes{'A', 'K', 'N', '\r'}, true);
        f.Abholen();
        QCOMPARE(f.Zeilen().size(), 4);
        auto* filter = Kind<QComboBox>(f, "Filter");
        filter->setCurrentIndex(Filterindex(filter, 8));
        QCOMPARE(f.Zeilen().size(), 1);
        QVERIFY(f.Zeilen()[0].contains(QStringLiteral("Anfrage Get Status")));
        filter->setCurrentIndex(Filterindex(filter, 9));
        QCOMPARE(f.Zeilen().size(), 1);
        filter->setCurrentIndex(Filterindex(filter, -2));
        QCOMPARE(f.Zeilen().size(), 1);
        QVERIFY(f.Zeilen()[0].endsWith(QStringLiteral("| Bootloader: \"AKN\"")));
        filter->setCurrentIndex(Filterindex(filter, -3));
        QCOMPARE(f.Zeilen().size(), 1);
        QVERIFY(f.Zeilen()[0].endsWith(QStringLiteral("| Rauschen, 3 Bytes")));
        filter->setCurrentIndex(0);

        // Held: the view stands still, the entries are kept and shown on release.
        auto* anhalten = Knopf(f, "Anhalten");
        anhalten->click();
        Abfrage(m);
        f.Abholen();
        QCOMPARE(f.Zeilen().size(), 4);
        anhalten->click();
        QCOMPARE(f.Zeilen().size(), 7);

        Knopf(f, "Leeren")->click();
        QVERIFY(f.Zeilen().isEmpty());
        Abfrage(m);
        f.Abholen();
        QCOMPARE(f.Zeilen().size(), 3);
    }

    // In the firmware mode: a frame whose payload holds a carriage return shows whole, the
    // line around it as its beginning and its end (with the whole line the receiver handed
    // on), control bytes as \xNN; the filter's bootloader lines are both.
    void firmwaremodus() {
        TestAntworter antworter;
        Mitschnitt m;
        TFormProtokollmonitor f(m);
        f.show();
        const Bytes mitCr = rahmen::Antwort(9, Bytes{0x21, 0x0D, 0x00});
        Bytes strom{'A', 'K', 'N', '\r', 'x', 0x01};
        strom.insert(strom.end(), mitCr.begin(), mitCr.end());
        strom.insert(strom.end(), {'A', 'K', 'N', '\r', 'F'});
        Empfange(m, strom, true);
        m.Beende();
        f.Abholen();
        const QStringList z = f.Zeilen();
        QCOMPARE(z.size(), 5);
        QVERIFY2(z[0].endsWith(QStringLiteral(" RX 41 4B 4E 0D | Bootloader: \"AKN\"")),
                 qPrintable(z[0]));
        QVERIFY2(
            z[1].endsWith(QStringLiteral(" RX 78 01 | Anfang einer Bootloaderzeile: \"x\\x01\"")),
            qPrintable(z[1]));
        QVERIFY2(z[2].contains(QStringLiteral(" RX 55 09 03 21 0D 00 90 E5 | Antwort Status (9)")),
                 qPrintable(z[2]));
        QVERIFY2(z[3].endsWith(QStringLiteral(" RX 41 4B 4E 0D | Bootloader: \"\\x90\u00E5AKN\", "
                                              "ihr Anfang steht in den Einträgen davor")),
                 qPrintable(z[3]));
        QVERIFY2(z[4].endsWith(QStringLiteral(" RX 46 | Anfang einer Bootloaderzeile: \"F\"")),
                 qPrintable(z[4]));
        auto* filter = Kind<QComboBox>(f, "Filter");
        filter->setCurrentIndex(Filterindex(filter, -2));
        QCOMPARE(f.Zeilen().size(), 4);
    }

    // A flood keeps the newest entries and says how many went.
    void begrenzt() {
        TestAntworter antworter;
        Mitschnitt m;
        TFormProtokollmonitor f(m);
        f.show();
        for (int i = 0; i < 2000; ++i)
            Abfrage(m); // 6000 entries
        f.Abholen();
        QCOMPARE(f.Zeilen().size(), TFormProtokollmonitor::GroessteZahl);
        QCOMPARE(Label(f, "Zaehler")->text(), QStringLiteral("5000 Einträge, 1000 weggefallen"));
        for (int i = 0; i < 3000; ++i)
            Abfrage(m); // before a tick: waiting is bounded too
        f.Abholen();
        QCOMPARE(f.Zeilen().size(), TFormProtokollmonitor::GroessteZahl);
        QCOMPARE(Label(f, "Zaehler")->text(), QStringLiteral("5000 Einträge, 10000 weggefallen"));
    }

    // "Speichern" writes every entry kept, whatever the filter shows, in the record's format.
    void speichern() {
        TestAntworter antworter;
        Mitschnitt m;
        TFormProtokollmonitor f(m);
        f.show();
        Abfrage(m);
        f.Abholen();
        auto* filter = Kind<QComboBox>(f, "Filter");
        filter->setCurrentIndex(Filterindex(filter, 8));
        const QString pfad = ordner->filePath(QStringLiteral("verkehr.txt"));
        antworter.dateinamen << pfad;
        Knopf(f, "Speichern")->click();
        QFile d(pfad);
        QVERIFY(d.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(d.readAll()).split(u'\n', Qt::SkipEmptyParts);
        filter->setCurrentIndex(0);
        QCOMPARE(zeilen, f.Zeilen());
    }

    // The application: the menu item shows the window, which records while shown; --protokoll
    // writes every byte into its file whether the window is open or not.
    void inDerAnwendung() {
        TestAntworter antworter;
        Anwendung a;
        Mitschnitt& m = a.Verbindung->Aufzeichnung();
        QVERIFY(!m.An());
        Aktion(*a.SDIAppForm, "Protokollmonitor1")->trigger();
        QVERIFY(a.FormProtokollmonitor->isVisible());
        QVERIFY(m.An());
        a.FormProtokollmonitor->close();
        QVERIFY(!m.An());

        const QString pfad = ordner->filePath(QStringLiteral("app.txt"));
        QString fehler;
        QVERIFY(a.Protokolliere(pfad, fehler));
        QVERIFY(m.An());
        Abfrage(m);
        QFile d(pfad);
        QVERIFY(d.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(d.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 3);
        QVERIFY(
            zeilen[0].contains(QStringLiteral(" TX AA 08 00 00 B3 E5 | Anfrage Get Status (8)")));
        // The monitor opened and closed again leaves the file's record running.
        Aktion(*a.SDIAppForm, "Protokollmonitor1")->trigger();
        a.FormProtokollmonitor->close();
        QVERIFY(m.An());
        QVERIFY(!a.Protokolliere(ordner->path(), fehler)); // a folder
        QVERIFY(!fehler.isEmpty());
    }

    // The application's record file gets what the record still holds when it ends.
    void anwendungSchreibtOffenesBeimEnde() {
        TestAntworter antworter;
        const QString pfad = ordner->filePath(QStringLiteral("ende.txt"));
        {
            Anwendung a;
            QString fehler;
            QVERIFY(a.Protokolliere(pfad, fehler));
            Empfange(a.Verbindung->Aufzeichnung(), Bytes{0x55, 0x09, 0x03}, false);
        }
        QFile d(pfad);
        QVERIFY(d.open(QIODevice::ReadOnly));
        const QString inhalt = QString::fromUtf8(d.readAll());
        QVERIFY2(
            inhalt.endsWith(QStringLiteral(
                " RX 55 09 03 | Rahmenanfang ohne Ende, 3 Bytes (der Empfänger sammelt noch)\n")),
            qPrintable(inhalt));
    }
};

QTEST_MAIN(TestProtokollmonitor)
#include "tst_protokollmonitor.moc"
