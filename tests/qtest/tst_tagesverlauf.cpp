// "Ansicht" > "Tagesverlauf": the day's chart of the main window's inputs, its values as
// heliowendler-calc --tabelle prints them, the export, and following the main window.
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "linkfenster/InitSIO.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/SDIMAIN.h"
#include "workspace/tagesverlauf.h"

#include <QChart>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QProcess>
#include <QtTest>

class TestTagesverlauf : public OrdnerTestfall {
    Q_OBJECT

    static QLineSeries* Reihe(TFormTagesverlauf& f, const QString& name) {
        for (QAbstractSeries* r : f.Diagramm()->series())
            if (r->name() == name) return qobject_cast<QLineSeries*>(r);
        return nullptr;
    }

private slots:
    // Computed when shown: 480 instants; the lines of sunrise, sunset, Sonnenwende and the
    // time of the edits; the CSV is heliowendler-calc --tabelle 3 of the same inputs.
    void tagUndTabelle() {
        TestAntworter antworter;
        TFormTagesverlauf f;
        RechenlaufEingabe e; // 7 July 2008, 11:00 UTC at the home site
        f.Berechnet(e, false);
        QVERIFY(f.Werte().stunden.empty()); // hidden: nothing computed yet
        f.show();
        QCOMPARE(f.Werte().stunden.size(), std::size_t(480));
        QCOMPARE(Reihe(f, "Sonnenhöhe")->count(), 480);
        QCOMPARE(Reihe(f, "Verschattung (m)")->count(), 480);
        const QLineSeries* jetzt = Reihe(f, "Zeit der Eingabe");
        QCOMPARE(jetzt->count(), 2);
        QCOMPARE(jetzt->at(0).x(), 11.0);
        QVERIFY(f.Werte().aufgang > 2 && f.Werte().aufgang < 4);
        QVERIFY(f.Werte().untergang > 18 && f.Werte().untergang < 20);
        QCOMPARE(Reihe(f, "Sonnenaufgang")->at(0).x(), f.Werte().aufgang);

        QProcess calc;
        calc.start(QStringLiteral(HW_CALC), {"--tabelle", "3"});
        QVERIFY(calc.waitForFinished(20000));
        QCOMPARE(f.Csv(), QString::fromLatin1(calc.readAllStandardOutput()));

        // The stops clamp the position drawn, not the values of the table.
        RechenlaufEingabe eng = e;
        eng.EndlageStart = 120;
        eng.EndlageStop = 200;
        f.Berechnet(eng, true);
        for (std::size_t i = 0; i < f.Werte().stunden.size(); ++i)
            if (f.Werte().hoehe[i] >= 0) {
                QVERIFY(f.Werte().position[i] >= 120 && f.Werte().position[i] <= 200);
            }
        QVERIFY(f.Hinweis(11).startsWith(QStringLiteral("11:00 UTC: Höhe ")));
    }

    // "Speichern": PNG, SVG and CSV under the name chosen.
    void speichern() {
        TestAntworter antworter;
        TFormTagesverlauf f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        const QString basis = ordner->filePath(QStringLiteral("tag"));
        antworter.dateinamen << basis + QStringLiteral(".png");
        Knopf(f, "Speichern")->click();
        QVERIFY(antworter.meldungen.isEmpty());
        QImage bild(basis + QStringLiteral(".png"));
        QVERIFY(!bild.isNull());
        QVERIFY(bild.width() >= 600);
        QFile svg(basis + QStringLiteral(".svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        QFile csv(basis + QStringLiteral(".csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(csv.readAll()), f.Csv());
    }

    // In the application: the menu item shows it; a change of the date in the main window
    // redraws the day.
    void folgtDemHauptfenster() {
        TestAntworter antworter;
        Anwendung a;
        // The start-up tick, the interface dialog listing no system devices.
        QDir().mkpath(ordner->filePath(QStringLiteral("sys")));
        a.PagesDlg->SetzePortquelle(programmdateien::Einstellungsdatei(),
                                    ordner->filePath(QStringLiteral("sys")));
        Tick(Zeitgeber(*a.SDIAppForm, "TimerStartSioInit"));
        Aktion(*a.SDIAppForm, "Tagesverlauf1")->trigger();
        TFormTagesverlauf& f = *a.FormTagesverlauf;
        QVERIFY(f.isVisible());
        Knopf(*a.SDIAppForm, "ButtonBerechnen")->click();
        QCOMPARE(f.Werte().stunden.size(), std::size_t(480));
        const double mittag = f.Werte().hoehe[240];
        // The start-up tick set today's date; June and December differ by far at noon.
        const bool sommer = Edit(*a.SDIAppForm, "EditMonat")->text().toInt() < 4 ||
                            Edit(*a.SDIAppForm, "EditMonat")->text().toInt() > 9;
        Edit(*a.SDIAppForm, "EditMonat")->setText(sommer ? QStringLiteral("6") : QStringLiteral("12"));
        if (sommer)
            QVERIFY(f.Werte().hoehe[240] > mittag + 20);
        else
            QVERIFY(f.Werte().hoehe[240] < mittag - 20);
    }
};

QTEST_MAIN(TestTagesverlauf)
#include "tst_tagesverlauf.moc"
