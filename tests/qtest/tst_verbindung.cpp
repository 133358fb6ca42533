// The composed application against the simulated controller on a pseudo-terminal: the port
// chosen in the interface dialog opens, the status bar says so, the parametrization window
// follows, and a response of the controller reaches the GUI thread and is counted.
#include "app/anwendung.h"
#include "controller/Trackerinit.h"
#include "linkfenster/InitSIO.h"
#include "linkfenster/linkanzeige.h"
#include "seriallink/rahmen.h"
#include "seriallink/sioverbindung.h"
#include "support/bedienung.h"
#include "support/simulator.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "workspace/SDIMAIN.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

class TestVerbindung : public QObject {
    Q_OBJECT

    std::unique_ptr<TestOrdner> ordner;
    std::unique_ptr<Simulator> sim;

    // The simulated controller, its device pinned as COM5 in the settings file.
    void StarteSimulator() {
        sim = std::make_unique<Simulator>();
        QVERIFY(sim->Starte(*ordner, {}));
    }
    static std::function<int(QDialog*)> Com5(bool initialisieren = true) {
        return [initialisieren](QDialog* d) { return WaehleCom5(d, initialisieren); };
    }

private slots:
    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
        StarteSimulator();
    }
    void cleanup() {
        sim.reset();
        ordner.reset();
    }

    // "Parametrierung" with the port closed: the dialog first, then, once the port is open,
    // the parametrization window. A request goes out and its answer is counted in panel 0.
    void parametrierungOeffnetDenPort() {
        TestAntworter antworter;
        Anwendung a;
        Hochfahren(a, *ordner);
        antworter.dialogHandler << Com5();
        Aktion(*a.SDIAppForm, "Initialisieren1")->trigger();
        QCOMPARE(antworter.modaleDialoge.size(), 1);
        QVERIFY(a.Verbindung->PortOffen());
        QCOMPARE(a.SDIAppForm->Panel(1), QStringLiteral("Online com5 4800 Baud"));
        QCOMPARE(a.SDIAppForm->Panel(2), QString());
        QVERIFY(a.FormTrackerInit->isVisible());
        QCOMPARE(a.Verbindung->ComPortNr(), 5);

        QSignalSpy rahmen(a.Verbindung.get(), &SioVerbindung::rahmenEmpfangen);
        const rahmen::Bytes info = rahmen::Anfrage(10);
        QVERIFY(a.Verbindung->SioSend(info.data(), static_cast<unsigned>(info.size())));
        // The shown window polls as well, so ours need not be the only response.
        QTRY_VERIFY_WITH_TIMEOUT(rahmen.size() >= 1, 10000);
        const QByteArray antwort = rahmen.at(0).at(0).toByteArray();
        QCOMPARE(static_cast<unsigned char>(antwort.at(1)), 11u);
        QVERIFY(antwort.contains("01.20"));
        QCOMPARE(a.SDIAppForm->Panel(0),
                 QStringLiteral("Protokolle: %1").arg(a.Verbindung->FrameZaehler() - 1));

        // With the port open, "Parametrierung" shows the window without asking again.
        a.FormTrackerInit->hide();
        Aktion(*a.SDIAppForm, "Initialisieren1")->trigger();
        QCOMPARE(antworter.modaleDialoge.size(), 1);
        QVERIFY(a.FormTrackerInit->isVisible());
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join('|')));
    }

    // Confirming again re-opens the port; unchecking "Schnittstelle initialisieren" closes it
    // and leaves it closed. The port can be opened once more afterwards.
    void wiederOeffnenUndSchliessen() {
        TestAntworter antworter;
        Anwendung a;
        Hochfahren(a, *ordner);
        antworter.dialogHandler << Com5() << Com5() << Com5(false) << Com5();
        QSignalSpy panel(a.Anzeige.get(), &Linkanzeige::panelText);
        Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
        QCOMPARE(a.SDIAppForm->Panel(1), QStringLiteral("Online com5 4800 Baud"));
        panel.clear();
        Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
        QStringList texte;
        for (const auto& p : panel)
            if (p.at(0).toInt() == 1) texte << p.at(1).toString();
        QCOMPARE(texte, (QStringList{"closed.", "Online com5 4800 Baud"}));
        Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
        QVERIFY(!a.Verbindung->PortOffen());
        QCOMPARE(a.SDIAppForm->Panel(1), QStringLiteral("not initialize"));
        QCOMPARE(a.Verbindung->SerRunning(), 0);
        Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
        QVERIFY(a.Verbindung->PortOffen());
        QCOMPARE(antworter.pieptoene, 0);
    }

    // The controller goes away while the port is open: reported once, and the port can be
    // chosen again when it is back.
    void geraetVerschwindet() {
        TestAntworter antworter;
        Anwendung a;
        Hochfahren(a, *ordner);
        antworter.dialogHandler << Com5();
        Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
        QVERIFY(a.Verbindung->PortOffen());
        QVERIFY(sim->Beende());
        QTRY_VERIFY_WITH_TIMEOUT(!a.Verbindung->PortOffen(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(a.Verbindung->SerRunning(), 0, 10000);
        QTest::qWait(300); // nothing more may come
        QVERIFY(a.SDIAppForm->Panel(1).startsWith(QLatin1String("Error on COM5")));
        QVERIFY(antworter.meldungen.size() <= 1);
        QVERIFY(antworter.pieptoene <= 1);

        StarteSimulator();
        antworter.dialogHandler << Com5();
        Aktion(*a.SDIAppForm, "Schnittstelle2")->trigger();
        QVERIFY(a.Verbindung->PortOffen());
        QCOMPARE(a.SDIAppForm->Panel(1), QStringLiteral("Online com5 4800 Baud"));
    }
};

QTEST_MAIN(TestVerbindung)
#include "tst_verbindung.moc"
