// The composed application: its windows and the menu items of the main window that lead to
// the windows of other subsystems.
#include "app/anwendung.h"
#include "controller/Trackerinit.h"
#include "firmware/Firmwareupdate.h"
#include "linkfenster/InitSIO.h"
#include "seriallink/sioverbindung.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"
#include "workspace/jahresverschattung.h"
#include "workspace/tagesverlauf.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>

class TestAnwendung : public OrdnerTestfall {
    Q_OBJECT

private slots:
    // The dialogs belong to the main window; the dimension window stands on its own.
    void fenster() {
        TestAntworter antworter;
        Anwendung a;
        QCOMPARE(a.PositionDlg->parentWidget(), a.SDIAppForm.get());
        QCOMPARE(a.AboutBox->parentWidget(), a.SDIAppForm.get());
        QVERIFY(!a.FormHilfe->parentWidget());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // "Firmwareupdate" with the port closed: the interface dialog first, then, whatever its
    // outcome, the firmware window, modally, with the parametrization window closed and its
    // poll stopped. The link collects bootloader lines exactly while the window is open.
    void firmwareupdate() {
        TestAntworter antworter;
        Anwendung a;
        a.FormTrackerInit->Zeige();
        QVERIFY(Zeitgeber(*a.FormTrackerInit, "TimerGetStatus")->isActive());
        bool modusImFenster = false;
        const auto abbrechen = [](QDialog*) { return int(QDialog::Rejected); };
        antworter.dialogHandler << abbrechen << [&](QDialog*) {
            modusImFenster = a.Verbindung->FirmwareModus();
            return int(QDialog::Rejected);
        };
        Aktion(*a.SDIAppForm, "Firmwareupdate1")->trigger();
        QCOMPARE(antworter.modaleDialoge,
                 (QList<QDialog*>{a.PagesDlg.get(), a.FormFirmwareupdate.get()}));
        QVERIFY(modusImFenster);
        QVERIFY(!a.Verbindung->FirmwareModus());
        QVERIFY(!a.FormTrackerInit->isVisible());
        QVERIFY(!Zeitgeber(*a.FormTrackerInit, "TimerGetStatus")->isActive());
        QVERIFY(antworter.meldungen.isEmpty());
        QCOMPARE(a.FormFirmwareupdate->parentWidget(), a.SDIAppForm.get());
    }

    // The file items of the main window lead to the simulation file's dialogs.
    void dateiMenue_data() {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Öffnen") << "FileOpen1"
                                << "Öffnen|Alle Dateien (*.TRD)";
        QTest::newRow("Speichern") << "FileSave1"
                                   << "Speichern unter|Alle Dateien (*.TRD)";
        QTest::newRow("Speichern unter") << "FileSaveAs1"
                                         << "Speichern unter|Alle Dateien (*.TRD)";
    }
    void dateiMenue() {
        QFETCH(QString, aktion);
        QFETCH(QString, dialog);
        TestAntworter antworter;
        Anwendung a;
        Aktion(*a.SDIAppForm, qPrintable(aktion))->trigger();
        QCOMPARE(antworter.dateiDialoge, QStringList{dialog});
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // "Schnittstelle" and, with the port closed, "Parametrierung" show the interface dialog
    // modally; "Abbrechen" changes nothing.
    void schnittstellendialog_data() {
        QTest::addColumn<QString>("aktion");
        QTest::newRow("Schnittstelle") << "Schnittstelle2";
        QTest::newRow("Parametrierung") << "Initialisieren1";
    }
    void schnittstellendialog() {
        QFETCH(QString, aktion);
        TestAntworter antworter;
        Anwendung a;
        a.SDIAppForm->SetzePanel(2, QStringLiteral("bleibt"));
        Aktion(*a.SDIAppForm, qPrintable(aktion))->trigger();
        QCOMPARE(antworter.modaleDialoge, QList<QDialog*>{a.PagesDlg.get()});
        QCOMPARE(a.SDIAppForm->Panel(1), QString());
        QCOMPARE(a.SDIAppForm->Panel(2), QStringLiteral("bleibt"));
        QVERIFY(!a.Verbindung->PortOffen());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // The start-up tick fills the dialog's lists; a port chosen with OK is the one the
    // settings file keeps. Choosing a port that cannot be opened reports it in panel 1 and
    // empties panel 2.
    void portwahlUeberlebtDenNeustart() {
        QFile ini(programmdateien::Einstellungsdatei());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Ports]\r\nCOM10=" + QFile::encodeName(ordner->filePath("fehlt")) +
                  "\r\nCOM2=/dev/null/fehlt\r\n");
        ini.close();
        QVERIFY(QDir().mkpath(ordner->filePath(QStringLiteral("sys"))));
        TestAntworter antworter;
        {
            Anwendung a;
            a.PagesDlg->SetzePortquelle(ini.fileName(), ordner->filePath(QStringLiteral("sys")));
            Tick(Zeitgeber(*a.SDIAppForm, "TimerStartSioInit"));
            QCOMPARE(Kind<QComboBox>(*a.PagesDlg, "ComboBoxPortS1")->count(), 2);
            a.SDIAppForm->SetzePanel(2, QStringLiteral("vorher"));
            antworter.dialogHandler << [](QDialog* d) {
                d->show();
                Kind<QComboBox>(*d, "ComboBoxPortS1")->setCurrentIndex(0); // COM10
                Knopf(*d, "OKBtn")->click();
                return d->result();
            };
            Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
            QCOMPARE(a.Verbindung->ComPortNr(), 10);
            QCOMPARE(a.SDIAppForm->Panel(1), QStringLiteral("Error on COM10"));
            QCOMPARE(a.SDIAppForm->Panel(2), QString());
            QCOMPARE(antworter.pieptoene, 1);
            QVERIFY(a.SDIAppForm->close());
            QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));
        }
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY2(text.contains("Sender1=11\r\n"), text.constData());
        ini.close();
        Anwendung b;
        QCOMPARE(b.Verbindung->ComPortNr(), 10);
    }

    // "Schnittstelle initialisieren" unchecked: confirming opens nothing.
    // The year window's "Ort der Datei übernehmen" (east positive in the file) sets the main
    // window's latitude and west-positive longitude; it calculates, and the year window shows
    // the main window's new site.
    void ortDerWetterdatei() {
        TestAntworter antworter;
        Anwendung a;
        emit a.FormJahresverschattung->ortUebernehmen(-33.87, -151.21);
        QCOMPARE(Edit(*a.SDIAppForm, "EditPhi")->text(), zahltext::Allgemein(-33.87));
        QCOMPARE(Edit(*a.SDIAppForm, "EditLam")->text(), zahltext::Allgemein(-151.21));
        const QString orte = Label(*a.FormJahresverschattung, "Orte")->text();
        QVERIFY2(orte.contains(QStringLiteral("Breite -33,8700°, Länge 151,2100° Ost")),
                 qPrintable(orte));
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // The weather file the year window chose draws its day in the day chart; none takes it away.
    void wetterdateiImTagesverlauf() {
        TestAntworter antworter;
        Anwendung a;
        auto datei = std::make_shared<wetter::Datei>();
        datei->reihe.ort = {48.1, 11.6, 520};
        messreihe::Messung m;
        m.jahr = 2026;
        m.monat = m.zaehlmonat = 6;
        m.tag = 21;
        m.stunden = 11.5;
        m.ghi = 800;
        m.dni = 700;
        m.dhi = 100;
        datei->reihe.messungen = {m};
        datei->erster = datei->letzter = {2026, 6, 21};
        auto* feld = a.FormTagesverlauf->findChild<QWidget*>(QStringLiteral("WetterTag"));
        QVERIFY(feld);
        QVERIFY(!feld->isVisibleTo(a.FormTagesverlauf.get()));
        emit a.FormJahresverschattung->wetterGewaehlt(datei, {});
        QVERIFY(feld->isVisibleTo(a.FormTagesverlauf.get()));
        emit a.FormJahresverschattung->wetterGewaehlt(nullptr, {});
        QVERIFY(!feld->isVisibleTo(a.FormTagesverlauf.get()));
        QVERIFY(antworter.meldungen.isEmpty());
    }

    void nichtInitialisieren() {
        TestAntworter antworter;
        Anwendung a;
        antworter.dialogHandler << [](QDialog* d) {
            d->show();
            Kind<QCheckBox>(*d, "CheckBoxCOMS1Enabled")->setChecked(false);
            Knopf(*d, "OKBtn")->click();
            return d->result();
        };
        Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
        QCOMPARE(a.SDIAppForm->Panel(1), QStringLiteral("not initialize"));
        QVERIFY(!a.Verbindung->PortOffen());
        QCOMPARE(antworter.pieptoene, 0);
    }
};

QTEST_MAIN(TestAnwendung)
#include "tst_anwendung.moc"
