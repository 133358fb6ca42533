// "Ansicht" > "Jahresverschattung": the study runs off the GUI thread (the event loop keeps
// turning), can be cancelled, and its table is heliowendler-calc --jahresstudie's; the sweep's
// 0 value is the plain study's year.
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/jahresverschattung.h"

#include <QChartView>
#include <QElapsedTimer>
#include <QValueAxis>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <QDir>
#include <sched.h>

class TestJahresverschattung : public OrdnerTestfall {
    Q_OBJECT

private slots:
    void tabelleWieDasWerkzeug() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        RechenlaufEingabe e;
        e.Jahr = 2026;
        f.Berechnet(e, false);
        f.show();
        Kind<QSpinBox>(f, "Schritt")->setValue(30);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        // The event loop turns while it computes: count its turns.
        int runden = 0;
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, [&] { ++runden; });
        uhr.start(1);
        Knopf(f, "Rechnen")->click();
        QVERIFY(fertig.wait(60000));
        QVERIFY(runden > 0);
        QVERIFY(!Knopf(f, "Abbrechen")->isEnabled());
        QCOMPARE(Kind<QTableWidget>(f, "Tabelle")->item(12, 1)->text(),
                 QString::number(f.Ergebnis().jahr.mitBacktracking.VerlustProzent(), 'f', 3));

        QProcess calc;
        calc.start(QStringLiteral(HW_CALC), {"--jahresstudie", "--jahr", "2026", "--schritt", "30"});
        QVERIFY(calc.waitForFinished(60000));
        const QString aus = QString::fromLatin1(calc.readAllStandardOutput());
        QCOMPARE(f.Csv(), aus.left(aus.indexOf(QStringLiteral("\n\n")) + 1));

        // The sweep: its 0 value is the year above.
        Kind<QLineEdit>(f, "Von")->setText(QStringLiteral("-2"));
        Kind<QLineEdit>(f, "Bis")->setText(QStringLiteral("2"));
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("2"));
        Knopf(f, "Variieren")->click();
        QVERIFY(fertig.wait(60000));
        auto* v = Kind<QTableWidget>(f, "Variationstabelle");
        QCOMPARE(v->rowCount(), 3);
        QCOMPARE(v->item(1, 0)->text(), QStringLiteral("0"));
        QCOMPARE(v->item(1, 1)->text(), Kind<QTableWidget>(f, "Tabelle")->item(12, 1)->text());
        QVERIFY(antworter.meldungen.isEmpty());

        // A wrong number is said, nothing runs.
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("x"));
        Knopf(f, "Variieren")->click();
        QCOMPARE(antworter.meldungen.size(), 1);
        QVERIFY(!f.Laeuft());
    }

    // "Speichern": the month table and the sweep as CSV, the bar chart and the sensitivity
    // chart as PNG and SVG, all under the name chosen.
    void speichern() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        Kind<QSpinBox>(f, "Schritt")->setValue(60);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QVERIFY(fertig.wait(60000));
        Kind<QLineEdit>(f, "Von")->setText(QStringLiteral("0"));
        Kind<QLineEdit>(f, "Bis")->setText(QStringLiteral("10"));
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("5"));
        Knopf(f, "Variieren")->click();
        QVERIFY(fertig.wait(60000));

        const QString basis = ordner->filePath(QStringLiteral("jahr"));
        antworter.dateinamen << basis + QStringLiteral(".csv");
        Knopf(f, "Speichern")->click();
        QVERIFY(antworter.meldungen.isEmpty());
        const auto inhalt = [&](const char* endung) {
            QFile d(basis + QLatin1String(endung));
            return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
        };
        QCOMPARE(QString::fromUtf8(inhalt(".csv")), f.Csv());
        QCOMPARE(QString::fromUtf8(inhalt("_variation.csv")), f.VariationCsv());
        QCOMPARE(f.VariationCsv().count(u'\n'), 4); // the header and three values
        for (const char* bild : {".png", "_variation.png"}) {
            QImage b;
            QVERIFY2(b.loadFromData(inhalt(bild), "PNG"), bild);
            QVERIFY(b.width() >= 300);
        }
        QVERIFY(inhalt(".svg").contains("<svg"));
        const QByteArray kurve = inhalt("_variation.svg");
        QVERIFY(kurve.contains("<svg"));
        QVERIFY(kurve.contains("Jahresverlust mit Backtracking"));
        // The sensitivity chart names what was swept, and the loss, on its axes.
        QChart* chart = Kind<QChartView>(f, "Kurve")->chart();
        QCOMPARE(chart->axes(Qt::Horizontal).value(0)->titleText(),
                 QStringLiteral("Fehler Anschlag Ost in °"));
        QCOMPARE(chart->axes(Qt::Vertical).value(0)->titleText(), QStringLiteral("Verlust %"));
    }

    // At its size on a 1024x768 screen the twelve months and the year show without
    // scrolling (once only four and a half rows did), and the bars keep room beside them.
    void monatstabelleGanzSichtbar() {
        TFormJahresverschattung f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.frameGeometry().height() <= 768 - 20);
        auto* t = Kind<QTableWidget>(f, "Tabelle");
        QVERIFY(t->rowViewportPosition(12) + t->rowHeight(12) <= t->viewport()->height());
        QVERIFY(!t->verticalScrollBar()->isVisible());
        QVERIFY(!t->horizontalScrollBar()->isVisible());
        QVERIFY(Kind<QChartView>(f, "Balken")->height() >= 200);
    }

    // From the keyboard: every access key of the window is its own, so Alt+letter acts at
    // once instead of cycling between two controls ("bi&s" once took Alt+S from "&Speichern").
    void zugriffstastenEindeutig() {
        TFormJahresverschattung f;
        QMap<QChar, QString> gesehen;
        const auto pruefe = [&](const QString& text) {
            const qsizetype i = text.indexOf(u'&');
            if (i < 0 || i + 1 >= text.size()) return;
            const QChar taste = text.at(i + 1).toLower();
            QVERIFY2(!gesehen.contains(taste),
                     qPrintable(text + QStringLiteral(" / ") + gesehen.value(taste)));
            gesehen.insert(taste, text);
        };
        for (QLabel* l : f.findChildren<QLabel*>()) pruefe(l->text());
        for (QPushButton* k : f.findChildren<QPushButton*>()) pruefe(k->text());
        auto* seiten = Kind<QTabWidget>(f, "Seiten");
        for (int i = 0; i < seiten->count(); ++i) pruefe(seiten->tabText(i));
        QVERIFY(gesehen.contains(u's'));
    }

    void abbrechen() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        Kind<QSpinBox>(f, "Schritt")->setValue(1);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QVERIFY(Knopf(f, "Abbrechen")->isEnabled());
        // The study's thread runs in the idle scheduling class, so that the GUI thread gets a
        // core first (with normal priority its gaps reached 23 ms during a sweep).
        const auto leerlaufKlasse = [] {
            int n = 0;
            const QDir aufgaben(QStringLiteral("/proc/self/task"));
            for (const QString& tid : aufgaben.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                if (::sched_getscheduler(tid.toInt()) == SCHED_IDLE) ++n;
            return n;
        };
        QTRY_COMPARE_WITH_TIMEOUT(leerlaufKlasse(), 1, 10000);
        QCOMPARE(::sched_getscheduler(0), SCHED_OTHER); // the GUI thread stays as it was
        Knopf(f, "Abbrechen")->click();
        QVERIFY(fertig.wait(60000));
        QVERIFY(Knopf(f, "Rechnen")->isEnabled());
        QVERIFY(Kind<QTableWidget>(f, "Tabelle")->item(12, 0) == nullptr); // nothing shown
    }

    // Closed while computing: the study is cancelled and waited for.
    void schliessenWaehrendEsRechnet() {
        TestAntworter antworter;
        auto f = std::make_unique<TFormJahresverschattung>();
        f->Berechnet(RechenlaufEingabe{}, false);
        Kind<QSpinBox>(*f, "Schritt")->setValue(1);
        Knopf(*f, "Rechnen")->click();
        f.reset();
    }
};

QTEST_MAIN(TestJahresverschattung)
#include "tst_jahresverschattung.moc"
