// "Ansicht" > "Jahresverschattung": the study runs off the GUI thread (the event loop keeps
// turning), can be cancelled, and its table is heliowendler-calc --jahresstudie's; the sweep's
// 0 value is the plain study's year. HW_BILDER=folder leaves pictures of both pages there.
// With a weather file: chosen through the file dialog, the study and the sweep are the
// tool's on that file, a refused file changes nothing, the file's site is offered to the main
// window in its convention.
#include "../wetter/wetterproben.h"
#include "basis/zahltext.h"
#include "geometry/variationsgroessen.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "wetter/wettertexte.h"
#include "workspace/jahresverschattung.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QDoubleSpinBox>
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

namespace {

// Writes days of made-up weather at ort as a PVGIS CSV (hourly, UTC) and returns its path.
QString SchreibePvgis(const TestOrdner& ordner, const QString& name, const messreihe::Ort& ort,
                      wetter::Datum von, int tage, int schritt = 60) {
    proben::Kopf k;
    k.ort = ort;
    proben::Himmel himmel;
    himmel.ort = ort;
    const QString pfad = ordner.filePath(name);
    QFile d(pfad);
    if (!d.open(QIODevice::WriteOnly)) return {};
    d.write(proben::Text(wetter::Format::PvgisCsv, k,
                         proben::Tage(himmel, 0, von, tage, schritt, false)));
    return pfad;
}

// What the window said of its weather file: each signal's file and options.
struct Gewaehlt {
    std::vector<std::shared_ptr<const wetter::Datei>> dateien;
    std::vector<wetterjahr::Optionen> optionen;
    explicit Gewaehlt(TFormJahresverschattung& f) {
        QObject::connect(&f, &TFormJahresverschattung::wetterGewaehlt,
                         [this](std::shared_ptr<const wetter::Datei> d, wetterjahr::Optionen o) {
                             dateien.push_back(std::move(d));
                             optionen.push_back(o);
                         });
    }
};

QString Werkzeug(const QStringList& argumente) {
    QProcess calc;
    calc.start(QStringLiteral(HW_CALC), argumente);
    if (!calc.waitForFinished(60000) || calc.exitCode() != 0) return QStringLiteral("(Fehler)");
    return QString::fromLatin1(calc.readAllStandardOutput());
}

} // namespace

class TestJahresverschattung : public OrdnerTestfall {
    Q_OBJECT

private slots:
    // A weather file chosen: the study and the sweep on it are the tool's, the file's kind,
    // period and site shown, the gain of backtracking in large type; the options go to the
    // file and are said; back to the clear sky, the study is today's again.
    void wetterdateiWieDasWerkzeug() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        RechenlaufEingabe e;
        e.Jahr = 2026;
        f.Berechnet(e, false);
        f.show();
        Gewaehlt gewaehlt(f);
        // Winter and summer days, so that the rows shade and backtracking has work.
        const QString pfad = SchreibePvgis(*ordner, QStringLiteral("wetter.csv"), {48.1, 11.6, 520},
                                           {2026, 6, 18}, 7);
        QVERIFY(!pfad.isEmpty());
        QVERIFY(!Knopf(f, "KlarerHimmel")->isEnabled());
        antworter.dateinamen << pfad;
        Knopf(f, "Wetterdatei")->click();
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join(u' ')));
        QVERIFY(f.Wetterdatei());
        QCOMPARE(gewaehlt.dateien.size(), std::size_t{1});
        QCOMPARE(gewaehlt.dateien[0], f.Wetterdatei());
        QVERIFY(Knopf(f, "KlarerHimmel")->isEnabled());
        QVERIFY(Label(f, "Quelle")->text().contains(QStringLiteral("PVGIS-CSV")));
        const QString angaben = Label(f, "Dateiangaben")->text();
        QVERIFY2(angaben.contains(QStringLiteral("2026-06-18 bis 2026-06-24")),
                 qPrintable(angaben));
        QVERIFY2(angaben.contains(QStringLiteral("Schritt 60 min")), qPrintable(angaben));
        QVERIFY(Label(f, "Orte")->text().contains(QStringLiteral("48,1000°")));
        QVERIFY(Label(f, "Orte")->text().contains(QStringLiteral("11,6000° Ost")));

        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QVERIFY(fertig.wait(60000));
        QVERIFY(f.WetterErgebnis());
        // The progress counts the file's days (UTC dates of its rows).
        QCOMPARE(Kind<QProgressBar>(f, "Fortschritt")->maximum(),
                 wetterjahr::Tage(f.Wetterdatei()->reihe));
        QCOMPARE(Kind<QProgressBar>(f, "Fortschritt")->value(),
                 Kind<QProgressBar>(f, "Fortschritt")->maximum());
        QVERIFY(Kind<QProgressBar>(f, "Fortschritt")->maximum() >= 7);
        // The file sets the instants: the step of the clear-sky study waits.
        QVERIFY(!Kind<QSpinBox>(f, "Schritt")->isEnabled());
        const QString aus = Werkzeug({"--jahresstudie", "--jahr", "2026", "--wetter", pfad});
        QVERIFY(aus.contains(QStringLiteral("\nGewinnBacktracking_Prozent=")));
        QCOMPARE(f.Csv(), aus);
        QVERIFY(Kind<QTableWidget>(f, "Wettertabelle")->isVisible());
        QVERIFY(!Kind<QTableWidget>(f, "Tabelle")->isVisible());
        QCOMPARE(Kind<QTableWidget>(f, "Wettertabelle")->item(12, 7)->text(),
                 zahltext::Fest(f.WetterErgebnis()->jahr.mitBacktracking.wirksam, 1));
        QVERIFY(Label(f, "Gewinn")->isVisible());
        QVERIFY(Label(f, "Gewinn")
                    ->text()
                    .contains(zahltext::Fest(f.WetterErgebnis()->GewinnBacktracking(), 2)));
        // The block layout stands beside the electrical loss.
        QVERIFY(Kind<QTableWidget>(f, "Wettertabelle")
                    ->horizontalHeaderItem(6)
                    ->text()
                    .contains(QStringLiteral("1x3")));

        // The options: each change is said with the file; the study takes them.
        Kind<QComboBox>(f, "Himmel")->setCurrentIndex(1);
        Kind<QSpinBox>(f, "BloeckeUebereinander")->setValue(3);
        Kind<QSpinBox>(f, "BloeckeNebeneinander")->setValue(1);
        Kind<QDoubleSpinBox>(f, "Albedo")->setValue(0.3);
        QCOMPARE(gewaehlt.optionen.size(), std::size_t{5});
        QCOMPARE(gewaehlt.optionen.back().albedo, 0.3);
        QCOMPARE(gewaehlt.optionen.back().bloecke.uebereinander, 3);
        QVERIFY(gewaehlt.optionen.back().himmel == wetterjahr::Himmelsmodell::Isotrop);
        Kind<QDoubleSpinBox>(f, "Zeitversatz")->setValue(0.5);
        QCOMPARE(f.Wetterdatei()->zeitversatz, 0.5);
        QCOMPARE(gewaehlt.dateien.size(), std::size_t{6});
        QCOMPARE(gewaehlt.dateien.back(), f.Wetterdatei());
        Knopf(f, "Rechnen")->click();
        QVERIFY(fertig.wait(60000));
        QCOMPARE(f.Csv(),
                 Werkzeug({"--jahresstudie", "--jahr", "2026", "--wetter", pfad, "--zeitversatz",
                           "0.5", "--albedo", "0.3", "--diffus", "isotrop", "--bloecke", "3x1"}));

        // The sweep on the file is the tool's.
        Kind<QLineEdit>(f, "Von")->setText(QStringLiteral("-2"));
        Kind<QLineEdit>(f, "Bis")->setText(QStringLiteral("2"));
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("2"));
        Knopf(f, "Variieren")->click();
        QVERIFY(fertig.wait(60000));
        QCOMPARE(f.VariationCsv(),
                 Werkzeug({"--variiere", "endlagestarterr:-2:2:2", "--jahr", "2026", "--wetter",
                           pfad, "--zeitversatz", "0.5", "--albedo", "0.3", "--diffus", "isotrop",
                           "--bloecke", "3x1"}));

        // "Speichern" writes the tool's text.
        const QString basis = ordner->filePath(QStringLiteral("wetterjahr"));
        antworter.dateinamen << basis + QStringLiteral(".csv");
        Knopf(f, "Speichern")->click();
        QVERIFY(antworter.meldungen.isEmpty());
        QFile gespeichert(basis + QStringLiteral(".csv"));
        QVERIFY(gespeichert.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(gespeichert.readAll()), f.Csv());

        if (const QString bilder = qEnvironmentVariable("HW_BILDER"); !bilder.isEmpty()) {
            f.resize(1024, 768 - 60);
            auto* seiten = Kind<QTabWidget>(f, "Seiten");
            for (int i = 0; i < seiten->count(); ++i) {
                seiten->setCurrentIndex(i);
                QTest::qWait(50);
                f.grab().save(
                    QStringLiteral("%1/jahresverschattung_wetter_%2.png").arg(bilder).arg(i));
            }
        }

        // Back to the clear sky: today's study.
        Knopf(f, "KlarerHimmel")->click();
        QVERIFY(!f.Wetterdatei());
        QVERIFY(!gewaehlt.dateien.back());
        Kind<QSpinBox>(f, "Schritt")->setValue(60);
        Knopf(f, "Rechnen")->click();
        QVERIFY(fertig.wait(60000));
        QVERIFY(!f.WetterErgebnis());
        QCOMPARE(f.Csv(), Werkzeug({"--jahresstudie", "--jahr", "2026", "--schritt", "60"}));
        QVERIFY(!Label(f, "Gewinn")->isVisible());
        QVERIFY(Kind<QTableWidget>(f, "Tabelle")->isVisible());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // A study on a file is cancelled at its next day: nothing shown, the buttons back.
    void abbrechenMitWetterdatei() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        // A month of one-minute rows: far more than the moment between the two clicks.
        QVERIFY(f.WaehleWetterdatei(SchreibePvgis(*ordner, QStringLiteral("minuten.csv"),
                                                  {48.1, 11.6, 520}, {2026, 6, 1}, 30, 1)));
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QVERIFY(!Knopf(f, "Wetterdatei")->isEnabled()); // no other file while it computes
        QVERIFY(!Knopf(f, "KlarerHimmel")->isEnabled());
        Knopf(f, "Abbrechen")->click();
        QVERIFY(fertig.wait(60000));
        QVERIFY(!f.WetterErgebnis());
        QVERIFY(f.Csv().isEmpty());
        QVERIFY(Kind<QProgressBar>(f, "Fortschritt")->value() < 30);
        QVERIFY(Knopf(f, "Rechnen")->isEnabled());
        QVERIFY(Knopf(f, "Wetterdatei")->isEnabled());
        QVERIFY(Knopf(f, "KlarerHimmel")->isEnabled());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // A refused file is said with its reason, and the file chosen before stays, unsaid.
    void abgelehnteDatei() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        Gewaehlt gewaehlt(f);
        const QString gut =
            SchreibePvgis(*ordner, QStringLiteral("gut.csv"), {48.1, 11.6, 520}, {2026, 6, 18}, 2);
        QVERIFY(f.WaehleWetterdatei(gut));
        const auto vorher = f.Wetterdatei();
        const QString quelle = Label(f, "Quelle")->text();
        const QString angaben = Label(f, "Dateiangaben")->text();
        const QString schlecht = ordner->filePath(QStringLiteral("schlecht.csv"));
        QFile d(schlecht);
        QVERIFY(d.open(QIODevice::WriteOnly));
        d.write("Das ist keine Wetterdatei.\n");
        d.close();
        const auto gelesen = wetter::Lies(schlecht);
        QVERIFY(std::holds_alternative<wetter::Ablehnung>(gelesen));
        antworter.dateinamen << schlecht;
        Knopf(f, "Wetterdatei")->click();
        QCOMPARE(antworter.meldungen.size(), 1);
        QVERIFY2(antworter.meldungen[0].text.contains(
                     wetter::Text(std::get<wetter::Ablehnung>(gelesen))),
                 qPrintable(antworter.meldungen[0].text));
        QCOMPARE(f.Wetterdatei(), vorher);
        QCOMPARE(Label(f, "Quelle")->text(), quelle);
        QCOMPARE(Label(f, "Dateiangaben")->text(), angaben);
        QCOMPARE(gewaehlt.dateien.size(), std::size_t{1});
        // Cancelling the dialog changes nothing either.
        Knopf(f, "Wetterdatei")->click();
        QCOMPARE(f.Wetterdatei(), vorher);
        QCOMPARE(antworter.meldungen.size(), 1);
    }

    // The file's site (east positive) goes to the main window west positive, offered only
    // where it lies more than 0.1° from the main window's, in both hemispheres, east and west
    // of Greenwich and across the date line.
    void ortUebernehmen_data() {
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("laengeOst");
        QTest::addColumn<double>("phi");
        QTest::addColumn<double>("lam"); // the main window's, west positive
        QTest::addColumn<bool>("angeboten");
        QTest::newRow("Nord, Ost") << 48.1 << 11.6 << 0.0 << 0.0 << true;
        QTest::newRow("Süd, Ost") << -33.87 << 151.21 << 48.1 << -11.6 << true;
        QTest::newRow("Nord, West") << 39.74 << -104.99 << 48.1 << -11.6 << true;
        QTest::newRow("Süd, West") << -33.45 << -70.67 << -33.45 << 70.5 << true;
        QTest::newRow("nur Länge verkehrt") << 48.1 << 11.6 << 48.1 << 11.6 << true;
        QTest::newRow("gleich") << 48.1 << 11.6 << 48.1 << -11.6 << false;
        QTest::newRow("gleich, West") << -33.45 << -70.67 << -33.45 << 70.67 << false;
        QTest::newRow("0,05° daneben") << 48.1 << 11.6 << 48.15 << -11.55 << false;
        QTest::newRow("über die Datumsgrenze") << 10.0 << 179.98 << 10.0 << 179.98 << false;
    }
    void ortUebernehmen() {
        QFETCH(double, breite);
        QFETCH(double, laengeOst);
        QFETCH(double, phi);
        QFETCH(double, lam);
        QFETCH(bool, angeboten);
        TestAntworter antworter;
        TFormJahresverschattung f;
        RechenlaufEingabe e;
        e.Phi = phi;
        e.Lam = lam;
        f.Berechnet(e, false);
        QVERIFY(!Knopf(f, "OrtUebernehmen")->isEnabled()); // nothing to offer without a file
        QVERIFY(f.WaehleWetterdatei(SchreibePvgis(*ordner, QStringLiteral("ort.csv"),
                                                  {breite, laengeOst, 100}, {2026, 3, 20}, 1)));
        QCOMPARE(Knopf(f, "OrtUebernehmen")->isEnabled(), angeboten);
        QSignalSpy ort(&f, &TFormJahresverschattung::ortUebernehmen);
        Knopf(f, "OrtUebernehmen")->click();
        if (!angeboten) {
            QCOMPARE(ort.size(), 0);
            return;
        }
        QCOMPARE(ort.size(), 1);
        // The file's site as written (two decimals).
        QCOMPARE(ort[0][0].toDouble(), breite);
        QCOMPARE(ort[0][1].toDouble(), -laengeOst);
        // Taken by the main window, it recalculates: the offer ends.
        e.Phi = ort[0][0].toDouble();
        e.Lam = ort[0][1].toDouble();
        f.Berechnet(e, false);
        QVERIFY(!Knopf(f, "OrtUebernehmen")->isEnabled());
    }

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
