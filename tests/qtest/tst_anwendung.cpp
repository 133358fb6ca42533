// The composed application: its windows and the menu items of the main window that lead to
// the windows of other subsystems, which show a placeholder until those windows exist.
#include "app/anwendung.h"
#include "support/bedienung.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"

#include <QtTest>
#include <memory>

class TestAnwendung : public QObject {
    Q_OBJECT

    std::unique_ptr<TestOrdner> ordner;

private slots:
    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
    }
    void cleanup() { ordner.reset(); }

    // The dialogs belong to the main window; the dimension window stands on its own.
    void fenster() {
        TestAntworter antworter;
        Anwendung a;
        QCOMPARE(a.PositionDlg->parentWidget(), a.SDIAppForm.get());
        QCOMPARE(a.AboutBox->parentWidget(), a.SDIAppForm.get());
        QVERIFY(!a.FormHilfe->parentWidget());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    void platzhalter_data() {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Schnittstelle") << "Schnittstelle2"
                                       << "Schnittstelle";
        QTest::newRow("Parametrierung") << "Initialisieren1"
                                        << "Parametrierung";
        QTest::newRow("Firmwareupdate") << "Firmwareupdate1"
                                        << "Firmwareupdate";
        QTest::newRow("Öffnen") << "FileOpen1"
                                << "Öffnen";
        QTest::newRow("Speichern") << "FileSave1"
                                   << "Speichern";
        QTest::newRow("Speichern unter") << "FileSaveAs1"
                                         << "Speichern";
    }
    void platzhalter() {
        QFETCH(QString, aktion);
        QFETCH(QString, titel);
        TestAntworter antworter;
        Anwendung a;
        Aktion(*a.SDIAppForm, qPrintable(aktion))->trigger();
        QCOMPARE(antworter.meldungen.size(), 1);
        QCOMPARE(antworter.meldungen[0].titel, titel);
        QCOMPARE(antworter.meldungen[0].text,
                 QStringLiteral("„%1“ ist in dieser Version noch nicht enthalten.").arg(titel));
        QCOMPARE(antworter.meldungen[0].symbol, QMessageBox::Information);
    }
};

QTEST_MAIN(TestAnwendung)
#include "tst_anwendung.moc"
