// The interface settings dialog: its controls, the port list, the defaults, OK and
// "Abbrechen" with the saved copies, the queue-size buttons and the record it fills.
#include "linkfenster/InitSIO.h"
#include "support/bedienung.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "widgets/spinknopf.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

QComboBox* Liste(const QObject& d, const char* name) {
    return Kind<QComboBox>(d, name);
}
QCheckBox* Kasten(const QObject& d, const char* name) {
    return Kind<QCheckBox>(d, name);
}
QStringList Eintraege(const QComboBox* c) {
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r << c->itemText(i);
    return r;
}

} // namespace

class TestInitSio : public QObject {
    Q_OBJECT

    std::unique_ptr<TestOrdner> ordner;

    QString Sys() const { return ordner->filePath(QStringLiteral("sys")); }
    QString Ini() const { return ordner->filePath(QStringLiteral("heliowendler.INI")); }

    // Serial devices as the system would list them, and pinned ones in the settings file:
    // COM1 (ttyS0), COM34 (ttyUSB1), COM10 and COM2 from "Ports".
    void Portumgebung() {
        for (const char* tty : {"ttyS0", "ttyUSB1"})
            QVERIFY(QDir().mkpath(Sys() + u'/' + QLatin1String(tty) + QStringLiteral("/device")));
        QFile typ(Sys() + QStringLiteral("/ttyS0/type"));
        QVERIFY(typ.open(QIODevice::WriteOnly));
        typ.write("4\n");
        typ.close();
        QFile ini(Ini());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Ports]\r\nCOM10=/dev/pts/10\r\nCOM2=/tmp/trackersim\r\n");
    }

    std::unique_ptr<TPagesDlg> Vorbelegt() {
        Portumgebung();
        auto d = std::make_unique<TPagesDlg>();
        d->SetzePortquelle(Ini(), Sys());
        d->DialogVorbelegen();
        return d;
    }

    // Shows the dialog as the menu does and leaves it with a click on the button.
    static int Zeige(TPagesDlg& d, const std::function<void()>& bedienen, const char* knopf) {
        d.show();
        bedienen();
        Knopf(d, knopf)->click();
        return d.result();
    }

private slots:
    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
    }
    void cleanup() { ordner.reset(); }

    void aufbauVorDemVorbelegen() {
        TPagesDlg d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Schnittstelleneinstellungen"));
        QCOMPARE(d.size(), QSize(454, 355));
        auto* seiten = Kind<QTabWidget>(d, "PageControl1");
        QCOMPARE(seiten->count(), 1);
        QCOMPARE(seiten->tabText(0), QStringLiteral("Schnitstelle zum Tracker"));
        // Fixed line settings are shown, not chosen.
        QVERIFY(Liste(d, "ComboBoxPortS1")->isEnabled());
        for (const char* fest :
             {"ComboBoxBaudrateS1", "ComboBoxDatabitS1", "ComboBoxParityS1", "ComboBoxStopS1"})
            QVERIFY2(!Liste(d, fest)->isEnabled(), fest);
        QVERIFY(!Kasten(d, "CheckBoxRTSCTSS1")->isEnabled());
        QVERIFY(Kasten(d, "CheckBoxDTRDSRS1")->isEnabled());
        QVERIFY(!Kasten(d, "CheckBoxSoftS1")->isEnabled());
        QVERIFY(Kasten(d, "CheckBoxCOMS1Enabled")->isChecked());
        QVERIFY(!Kind<QLineEdit>(d, "EditBufRS1")->isEnabled());
        QVERIFY(Kind<TCSpinButton>(d, "CSpinButtonBufRS1")->isEnabled());
        // The queue sizes can be changed from the keyboard: their arrows take the focus.
        for (const char* knopf : {"CSpinButtonBufRS1", "CSpinButtonBufTS1"}) {
            auto* k = Kind<TCSpinButton>(d, knopf);
            QVERIFY2(k->Auf()->focusPolicy() & Qt::TabFocus, knopf);
            QVERIFY2(k->Ab()->focusPolicy() & Qt::TabFocus, knopf);
        }
        // Before the start-up timer the lists are empty and no port is chosen.
        QCOMPARE(Liste(d, "ComboBoxPortS1")->count(), 0);
        QCOMPARE(Liste(d, "ComboBoxBaudrateS1")->count(), 0);
        QCOMPARE(d.PortNrAusListe(), 0);
        QCOMPARE(Knopf(d, "OKBtn")->text(), QStringLiteral("OK"));
        QCOMPARE(Knopf(d, "CancelBtn")->text(), QStringLiteral("Abbrechen"));
    }

    void vorbelegen() {
        auto d = Vorbelegt();
        // Sorted as text: COM10 before COM2.
        QCOMPARE(Eintraege(Liste(*d, "ComboBoxPortS1")),
                 (QStringList{"COM1", "COM10", "COM2", "COM34"}));
        QCOMPARE(Liste(*d, "ComboBoxPortS1")->currentIndex(), -1);
        QCOMPARE(Liste(*d, "ComboBoxBaudrateS1")->count(), 15);
        QCOMPARE(Liste(*d, "ComboBoxBaudrateS1")->currentText(), QStringLiteral("4800"));
        QCOMPARE(Liste(*d, "ComboBoxBaudrateS1")->itemText(14), QStringLiteral("256000"));
        QCOMPARE(Eintraege(Liste(*d, "ComboBoxDatabitS1")), (QStringList{"5", "6", "7", "8"}));
        QCOMPARE(Liste(*d, "ComboBoxDatabitS1")->currentText(), QStringLiteral("8"));
        QCOMPARE(Eintraege(Liste(*d, "ComboBoxParityS1")),
                 (QStringList{"none", "odd", "even", "mark", "space"}));
        QCOMPARE(Liste(*d, "ComboBoxParityS1")->currentIndex(), 0);
        QCOMPARE(Eintraege(Liste(*d, "ComboBoxStopS1")), (QStringList{"1", "1,5", "2"}));
        QCOMPARE(Liste(*d, "ComboBoxStopS1")->currentIndex(), 0);
        QCOMPARE(d->ComPortNr(), 0);
        QCOMPARE(d->Empfangspuffer(), 4096);
        QCOMPARE(d->Sendepuffer(), 4096);
        QCOMPARE(Kind<QLineEdit>(*d, "EditBufRS1")->text(), QStringLiteral("4096"));

        Porteinstellungen erwartet;
        erwartet.BaudRate = 4800;
        erwartet.ByteSize = 8;
        erwartet.fBinary = true;
        QCOMPARE(d->Einstellungen(), erwartet);
        const Oeffnung o = d->OeffnungFuer(3);
        QCOMPARE(o.ComPortNr, 3);
        QCOMPARE(o.Baudtext, QStringLiteral("4800"));
        QVERIFY(o.Initialisieren);
    }

    void okUebernimmtPortUndHandshake() {
        auto d = Vorbelegt();
        const int r = Zeige(
            *d,
            [&] {
                Liste(*d, "ComboBoxPortS1")->setCurrentIndex(1); // COM10
                Kasten(*d, "CheckBoxDTRDSRS1")->setChecked(true);
            },
            "OKBtn");
        QCOMPARE(r, int(QDialog::Accepted));
        QCOMPARE(d->ComPortNr(), 10);
        QVERIFY(d->Einstellungen().fOutxDsrFlow);
        QCOMPARE(d->Einstellungen().fDtrControl, Porteinstellungen::DtrHandshake);
        QCOMPARE(Kind<QLabel>(*d, "LabelGeraet")->text(), QStringLiteral("Gerät: /dev/pts/10"));
    }

    // "Abbrechen" puts back what the dialog showed when it was opened; the port number, the
    // record and "Schnittstelle initialisieren" stay as they are.
    void abbrechenStelltZurueck() {
        auto d = Vorbelegt();
        d->SetzeComPortNr(2);
        const Porteinstellungen vorher = d->Einstellungen();
        const int r = Zeige(
            *d,
            [&] {
                QCOMPARE(Liste(*d, "ComboBoxPortS1")->currentText(), QStringLiteral("COM2"));
                Liste(*d, "ComboBoxPortS1")->setCurrentIndex(0);
                Kasten(*d, "CheckBoxDTRDSRS1")->setChecked(true);
                Kasten(*d, "CheckBoxCOMS1Enabled")->setChecked(false);
                Kind<TCSpinButton>(*d, "CSpinButtonBufRS1")->Ab()->click();
                Kind<TCSpinButton>(*d, "CSpinButtonBufTS1")->Auf()->click();
                QCOMPARE(Kind<QLineEdit>(*d, "EditBufRS1")->text(), QStringLiteral("2048"));
            },
            "CancelBtn");
        QCOMPARE(r, int(QDialog::Rejected));
        QCOMPARE(Liste(*d, "ComboBoxPortS1")->currentText(), QStringLiteral("COM2"));
        QVERIFY(!Kasten(*d, "CheckBoxDTRDSRS1")->isChecked());
        QCOMPARE(d->Empfangspuffer(), 4096);
        QCOMPARE(d->Sendepuffer(), 4096);
        QCOMPARE(Kind<QLineEdit>(*d, "EditBufRS1")->text(), QStringLiteral("4096"));
        QCOMPARE(Kind<QLineEdit>(*d, "EditBufTS1")->text(), QStringLiteral("4096"));
        QCOMPARE(d->ComPortNr(), 2);
        QCOMPARE(d->Einstellungen(), vorher);
        QVERIFY(!d->Initialisieren()); // not one of the saved copies
        QVERIFY(!d->OeffnungFuer(2).Initialisieren);
    }

    // A stored port that the list does not hold leaves the selection as it was.
    void unbekannterPortLaesstAuswahl() {
        auto d = Vorbelegt();
        Liste(*d, "ComboBoxPortS1")->setCurrentIndex(3);
        d->SetzeComPortNr(7);
        d->show();
        QCOMPARE(Liste(*d, "ComboBoxPortS1")->currentText(), QStringLiteral("COM34"));
        d->PortInListeWaehlen(1);
        QCOMPARE(Liste(*d, "ComboBoxPortS1")->currentText(), QStringLiteral("COM1"));
    }

    void puffergroessen_data() {
        QTest::addColumn<QByteArray>("knopf");
        QTest::addColumn<QByteArray>("edit");
        QTest::newRow("Empfang") << QByteArray("CSpinButtonBufRS1") << QByteArray("EditBufRS1");
        QTest::newRow("Senden") << QByteArray("CSpinButtonBufTS1") << QByteArray("EditBufTS1");
    }
    // Halving stops at 1, doubling at 1048576: twelve presses down and eight up from 4096.
    void puffergroessen() {
        QFETCH(QByteArray, knopf);
        QFETCH(QByteArray, edit);
        auto d = Vorbelegt();
        auto* k = Kind<TCSpinButton>(*d, knopf.constData());
        auto* e = Kind<QLineEdit>(*d, edit.constData());
        for (int i = 0; i < 12; ++i)
            k->Ab()->click();
        QCOMPARE(e->text(), QStringLiteral("1"));
        k->Ab()->click();
        QCOMPARE(e->text(), QStringLiteral("1"));
        k->Auf()->click();
        QCOMPARE(e->text(), QStringLiteral("2"));
        for (int i = 0; i < 19; ++i)
            k->Auf()->click();
        QCOMPARE(e->text(), QStringLiteral("1048576"));
        k->Auf()->click();
        QCOMPARE(e->text(), QStringLiteral("1048576"));
        const int groesse = knopf == "CSpinButtonBufRS1" ? d->Empfangspuffer() : d->Sendepuffer();
        QCOMPARE(groesse, 1048576);
    }

    // Without the start-up timer's filling, OK gives port 0: the open that follows fails.
    void okVorDemVorbelegen() {
        TestAntworter antworter;
        TPagesDlg d;
        d.SetzeComPortNr(5);
        QCOMPARE(Zeige(
                     d, [] {}, "OKBtn"),
                 int(QDialog::Accepted));
        QCOMPARE(d.ComPortNr(), 0);
        QVERIFY(antworter.meldungen.isEmpty());
    }
};

QTEST_MAIN(TestInitSio)
#include "tst_initsio.moc"
