// "Ansicht" > "Jahresverschattung": the study runs off the GUI thread (the event loop keeps
// turning), can be cancelled, and its table is heliowendler-calc --jahresstudie's; the sweep's
// 0 value is the plain study's year. HW_BILDER=folder leaves pictures of both pages there.
#include "basis/zahltext.h"
#include "geometry/variationsgroessen.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/jahresverschattung.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLogValueAxis>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>
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
        // Shown with the edits' decimal separator (the test folder sets a comma).
        QCOMPARE(Kind<QTableWidget>(f, "Tabelle")->item(12, 1)->text(),
                 zahltext::Fest(f.Ergebnis().jahr.mitBacktracking.VerlustProzent(), 3));

        // The CSV is the tool's whole output: the month table, the extremes and the travel.
        QProcess calc;
        calc.start(QStringLiteral(HW_CALC),
                   {"--jahresstudie", "--jahr", "2026", "--schritt", "30"});
        QVERIFY(calc.waitForFinished(60000));
        const QString aus = QString::fromLatin1(calc.readAllStandardOutput());
        QVERIFY(aus.contains(QStringLiteral("\nWegImJahr=")));
        QCOMPARE(f.Csv(), aus);

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
        // The sweep's CSV is the tool's.
        calc.start(QStringLiteral(HW_CALC),
                   {"--variiere", "endlagestarterr:-2:2:2", "--jahr", "2026", "--schritt", "30"});
        QVERIFY(calc.waitForFinished(60000));
        QCOMPARE(f.VariationCsv(), QString::fromLatin1(calc.readAllStandardOutput()));

        // A wrong number is said, nothing runs.
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("x"));
        Knopf(f, "Variieren")->click();
        QCOMPARE(antworter.meldungen.size(), 1);
        QVERIFY(!f.Laeuft());
    }

    // Values that cannot be formed are refused with a message before any thread starts (a
    // step too small to change the value once never ended).
    void unmoeglicheVariation_data() {
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("bis");
        QTest::addColumn<QString>("weite");
        QTest::newRow("Schritt aendert nichts") << "1"
                                                << "1"
                                                << "1e-300";
        QTest::newRow("Schritt aendert nichts bei 1e20") << "1e20"
                                                         << "1e20"
                                                         << "1";
        QTest::newRow("1002 Werte") << "0"
                                    << "1001"
                                    << "1";
        QTest::newRow("von nach bis") << "2"
                                      << "1"
                                      << "1";
        QTest::newRow("Schritt 0") << "0"
                                   << "1"
                                   << "0";
        QTest::newRow("Schritt negativ") << "0"
                                         << "1"
                                         << "-1";
    }
    void unmoeglicheVariation() {
        QFETCH(QString, von);
        QFETCH(QString, bis);
        QFETCH(QString, weite);
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        Kind<QLineEdit>(f, "Von")->setText(von);
        Kind<QLineEdit>(f, "Bis")->setText(bis);
        Kind<QLineEdit>(f, "Weite")->setText(weite);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Variieren")->click();
        QCOMPARE(antworter.meldungen.size(), 1);
        QVERIFY(antworter.meldungen[0].text.contains(QStringLiteral("1001")));
        QVERIFY(!f.Laeuft());
        QVERIFY(Knopf(f, "Variieren")->isEnabled());
        QVERIFY(Knopf(f, "Rechnen")->isEnabled());
        QCOMPARE(fertig.size(), 0);
    }

    // 1001 values are the most a sweep takes.
    void tausendundeinWert() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        Kind<QLineEdit>(f, "Von")->setText(QStringLiteral("0"));
        Kind<QLineEdit>(f, "Bis")->setText(QStringLiteral("1000"));
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("1"));
        Kind<QSpinBox>(f, "Schritt")->setValue(60);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Variieren")->click();
        QVERIFY(antworter.meldungen.isEmpty());
        QVERIFY(f.Laeuft());
        QCOMPARE(Kind<QProgressBar>(f, "Fortschritt")->maximum(), 1001);
        Knopf(f, "Abbrechen")->click();
        QVERIFY(fertig.wait(60000));
    }

    // No timer of the window runs while nothing is computed: the application at rest does
    // not wake up for it. The progress bar's timer runs while a study runs.
    void keinTimerImLeerlauf() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const auto laufende = [&f] {
            QStringList namen;
            for (QTimer* t : f.findChildren<QTimer*>())
                if (t->isActive()) namen << t->objectName();
            return namen;
        };
        QCOMPARE(laufende(), QStringList());
        Kind<QSpinBox>(f, "Schritt")->setValue(60);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QCOMPARE(laufende(), QStringList{QStringLiteral("Uhr")});
        QVERIFY(fertig.wait(60000));
        QCOMPARE(laufende(), QStringList());
        // The bar ends at the days done.
        QCOMPARE(Kind<QProgressBar>(f, "Fortschritt")->value(), jahresstudie::TageImJahr(2008));
    }

    // The monthly losses on a logarithmic axis, so that backtracking's hundredths of a percent
    // show beside the tens of percent without it (on 0 to 50 % they were no bar at all), and
    // the partly shaded hours beside them.
    void monatsbalken() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        RechenlaufEingabe e;
        e.Jahr = 2026;
        f.Berechnet(e, false);
        f.show();
        Kind<QSpinBox>(f, "Schritt")->setValue(30);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QVERIFY(fertig.wait(60000));
        const jahresstudie::Ergebnis& r = f.Ergebnis();

        QChart* balken = Kind<QChartView>(f, "Balken")->chart();
        auto* log = qobject_cast<QLogValueAxis*>(balken->axes(Qt::Vertical).value(0));
        QVERIFY(log);
        double kleinsterMit = 100, groessterOhne = 0;
        for (const jahresstudie::Drei& m : r.monate) {
            if (m.mitBacktracking.VerlustProzent() > 0)
                kleinsterMit = std::min(kleinsterMit, m.mitBacktracking.VerlustProzent());
            groessterOhne = std::max(groessterOhne, m.ohneBacktracking.VerlustProzent());
        }
        QVERIFY(kleinsterMit < 0.1); // backtracking's small losses are there to be seen
        QVERIFY(groessterOhne > 10); // and the large ones without it
        QVERIFY(log->min() <= kleinsterMit);
        QVERIFY(log->max() >= groessterOhne);
        // Each decade of the axis takes the same room: a tenth of the largest loss is not
        // squeezed to the floor.
        QVERIFY(std::log10(log->max() / log->min()) <= 5);

        QChart* stunden = Kind<QChartView>(f, "Stunden")->chart();
        auto* reihe = qobject_cast<QBarSeries*>(stunden->series().value(0));
        QVERIFY(reihe);
        QCOMPARE(reihe->count(), 3);
        for (int a = 0; a < 3; ++a) {
            const auto art = a == 0   ? &jahresstudie::Drei::mitBacktracking
                             : a == 1 ? &jahresstudie::Drei::ohneFehler
                                      : &jahresstudie::Drei::ohneBacktracking;
            QCOMPARE(reihe->barSets()[a]->count(), 12);
            for (int m = 0; m < 12; ++m)
                QCOMPARE(reihe->barSets()[a]->at(m), (r.monate[m].*art).teilverschattet);
        }
        auto* achse = qobject_cast<QValueAxis*>(stunden->axes(Qt::Vertical).value(0));
        QVERIFY(achse);
        QVERIFY(!achse->titleText().isEmpty());

        // Pictures to look at: both pages after a study and a sweep.
        if (const QString bilder = qEnvironmentVariable("HW_BILDER"); !bilder.isEmpty()) {
            Kind<QLineEdit>(f, "Von")->setText(QStringLiteral("-10"));
            Kind<QLineEdit>(f, "Bis")->setText(QStringLiteral("10"));
            Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("5"));
            Knopf(f, "Variieren")->click();
            QVERIFY(fertig.wait(60000));
            for (const QSize groesse : {f.size(), QSize(1024, 768 - 60)}) {
                f.resize(groesse);
                auto* seiten = Kind<QTabWidget>(f, "Seiten");
                for (int i = 0; i < seiten->count(); ++i) {
                    seiten->setCurrentIndex(i);
                    QTest::qWait(50);
                    f.grab().save(QStringLiteral("%1/jahresverschattung_%2_%3x%4.png")
                                      .arg(bilder)
                                      .arg(i)
                                      .arg(groesse.width())
                                      .arg(groesse.height()));
                }
            }
        }
    }

    // Every column says its unit; the abbreviations are explained below the table.
    void spaltenMitEinheit() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        Kind<QSpinBox>(f, "Schritt")->setValue(60);
        Kind<QLineEdit>(f, "Von")->setText(QStringLiteral("0"));
        Kind<QLineEdit>(f, "Bis")->setText(QStringLiteral("1"));
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("1"));
        Kind<QComboBox>(f, "Groesse")->setCurrentIndex(1); // the module height, in cm
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Variieren")->click();
        QVERIFY(fertig.wait(60000));
        const QStringList einheiten = {"kWh/m²", "%", "h", "°", "cm"};
        for (const char* name : {"Tabelle", "Variationstabelle"}) {
            auto* t = Kind<QTableWidget>(f, name);
            for (int i = 0; i < t->columnCount(); ++i) {
                const QStringList zeilen = t->horizontalHeaderItem(i)->text().split(u'\n');
                QVERIFY2(einheiten.contains(zeilen.last()), qPrintable(zeilen.join(u' ')));
            }
        }
        QCOMPARE(Kind<QTableWidget>(f, "Variationstabelle")->horizontalHeaderItem(0)->text(),
                 QStringLiteral("Wert\ncm"));
        QVERIFY(Label(f, "Erklaerung")->text().contains(QStringLiteral("BT: Backtracking")));
    }

    // "Speichern" writes only what was computed: nothing before the first study (the button
    // waits), the study's files after a study, no empty sweep files.
    void speichernNurWasGerechnetIst() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        QVERIFY(!Knopf(f, "Speichern")->isEnabled());
        Kind<QSpinBox>(f, "Schritt")->setValue(60);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QVERIFY(!Knopf(f, "Speichern")->isEnabled()); // while it runs
        QVERIFY(fertig.wait(60000));
        QVERIFY(Knopf(f, "Speichern")->isEnabled());
        const QString basis = ordner->filePath(QStringLiteral("jahr"));
        antworter.dateinamen << basis + QStringLiteral(".csv");
        Knopf(f, "Speichern")->click();
        QVERIFY(antworter.meldungen.isEmpty());
        QStringList dateien = QDir(ordner->path()).entryList({"jahr*"}, QDir::Files);
        dateien.sort();
        QCOMPARE(dateien, (QStringList{"jahr.csv", "jahr.png", "jahr.svg"}));
        QCOMPARE(f.VariationCsv(), QString());
    }

    // "Speichern": the month table and the sweep as CSV, the month charts and the sensitivity
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
            QVERIFY(b.height() >= 150);
        }
        const QByteArray monate = inhalt(".svg");
        QVERIFY(monate.contains("<svg"));
        QVERIFY(monate.contains("Teilverschattete Stunden je Monat"));
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
    // scrolling (once only four and a half rows did); the month charts have a page of their
    // own, each with room for its twelve months' labels and axis ticks.
    void monatstabelleGanzSichtbar() {
        TFormJahresverschattung f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.frameGeometry().height() <= 768 - 20);
        auto* t = Kind<QTableWidget>(f, "Tabelle");
        QVERIFY(t->rowViewportPosition(12) + t->rowHeight(12) <= t->viewport()->height());
        QVERIFY(!t->verticalScrollBar()->isVisible());
        QVERIFY(!t->horizontalScrollBar()->isVisible());
        Kind<QTabWidget>(f, "Seiten")->setCurrentIndex(1);
        for (const char* name : {"Balken", "Stunden"})
            QVERIFY2(Kind<QChartView>(f, name)->height() >= 250, name);
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
        for (QLabel* l : f.findChildren<QLabel*>())
            pruefe(l->text());
        for (QPushButton* k : f.findChildren<QPushButton*>())
            pruefe(k->text());
        auto* seiten = Kind<QTabWidget>(f, "Seiten");
        for (int i = 0; i < seiten->count(); ++i)
            pruefe(seiten->tabText(i));
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
