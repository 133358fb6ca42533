// The main window's status bar under texts that come faster than anyone can read them (the
// frame count of a flooding device): a panel's label changes at most once per tick, so it is
// neither drawn nor told to assistive technology for every text, and shows the last text.
#include "support/bedienung.h"
#include "support/testantworter.h"
#include "workspace/SDIMAIN.h"

#include <QAccessible>
#include <QtTest>

class TestStatusleiste : public QObject {
    Q_OBJECT

private slots:
    // A burst of texts: the first is shown at once, the others wait and the last one is shown
    // at the tick; Panel() answers the last one all along, as does the label after the tick.
    void buendel_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QString>("sofort");
        QStringList zaehler;
        for (int i = 0; i < 10000; ++i)
            zaehler << QStringLiteral("Protokolle: %1").arg(i);
        QTest::newRow("Rahmenzähler") << 0 << zaehler << "Protokolle: 0";
        QTest::newRow("hin und zurück")
            << 3 << QStringList{"Get Status", "CS FEHLER !", "Get Status"} << "Get Status";
        QTest::newRow("einer") << 1 << QStringList{"Online com5 4800 Baud"}
                               << "Online com5 4800 Baud";
    }
    void buendel() {
        QFETCH(int, panel);
        QFETCH(QStringList, texte);
        QFETCH(QString, sofort);
        TestAntworter antworter;
        TSDIAppForm w;
        QLabel* label = Label(w, qPrintable(QStringLiteral("StatusPanel%1").arg(panel)));
        for (const QString& t : texte) {
            w.SetzePanel(panel, t);
            QCOMPARE(w.Panel(panel), t);
        }
        QCOMPARE(label->text(), sofort);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), sofort);
        // The tick runs only while a text waits.
        QTRY_VERIFY_WITH_TIMEOUT(!Zeitgeber(w, "PanelUhr")->isActive(), 5 * TSDIAppForm::PanelTakt);
        QCOMPARE(label->text(), texte.last());
        QCOMPARE(w.Panel(panel), texte.last());
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                 texte.last());
    }

    // "Draw at once" shows the texts still waiting, on every panel.
    void zeichnenZeigtWartende() {
        TestAntworter antworter;
        TSDIAppForm w;
        w.SetzePanel(0, QStringLiteral("Protokolle: 0"));
        w.SetzePanel(3, QStringLiteral("Get Status"));
        w.SetzePanel(0, QStringLiteral("Protokolle: 1"));
        w.SetzePanel(3, QStringLiteral("SET Position"));
        w.StatusleisteZeichnen();
        QCOMPARE(Label(w, "StatusPanel0")->text(), QStringLiteral("Protokolle: 1"));
        QCOMPARE(Label(w, "StatusPanel3")->text(), QStringLiteral("SET Position"));
    }
};

QTEST_MAIN(TestStatusleiste)
#include "tst_statusleiste.moc"
