// "Ansicht" > "Tagesverlauf": the day's chart of the main window's inputs, its values as
// heliowendler-calc --tabelle prints them, the export, and following the main window.
// HW_BILDER=folder leaves a picture of the window and of its saved SVG there.
#include "app/anwendung.h"
#include "basis/dateizugriff.h"
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "linkfenster/InitSIO.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/SDIMAIN.h"
#include "workspace/tagesverlauf.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QValueAxis>
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

Q_DECLARE_METATYPE(RechenlaufEingabe)

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

    // Every curve stays within its axes: the shadow's tens of metres at sunrise are cut at the
    // top of the metre axis, not drawn up to the title (an SVG is not clipped).
    void kurvenInnerhalbDerAchsen() {
        TestAntworter antworter;
        TFormTagesverlauf f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        double groessterSchatten = 0;
        for (double x : f.Werte().schatten)
            groessterSchatten = std::max(groessterSchatten, x);
        QVERIFY(groessterSchatten > 100); // this day has what must be cut
        int punkte = 0;
        for (QAbstractSeries* r : f.Diagramm()->series()) {
            auto* linie = qobject_cast<QLineSeries*>(r);
            for (QAbstractAxis* a : r->attachedAxes()) {
                auto* achse = qobject_cast<QValueAxis*>(a);
                for (const QPointF& p : linie->points()) {
                    const double v = a->orientation() == Qt::Horizontal ? p.x() : p.y();
                    QVERIFY2(v >= achse->min() && v <= achse->max(),
                             qPrintable(QStringLiteral("%1: %2 not in %3 ... %4")
                                            .arg(r->name())
                                            .arg(v)
                                            .arg(achse->min())
                                            .arg(achse->max())));
                }
            }
            if (r->name() == QStringLiteral("Schatten (m)")) punkte += linie->count();
        }
        QVERIFY(punkte > 200); // the shadow's day is there, in stretches

        // In the saved drawing nothing of the curves lies above the plot area, where the title
        // is: no pixel of the overlap's green (352 m at 03:06 on this day).
        const QString basis = ordner->filePath(QStringLiteral("tag"));
        antworter.dateinamen << basis + QStringLiteral(".png");
        Knopf(f, "Speichern")->click();
        QVERIFY(antworter.meldungen.isEmpty());
        QSvgRenderer svg(basis + QStringLiteral(".svg"));
        QVERIFY(svg.isValid());
        QImage bild(svg.defaultSize(), QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        svg.render(&maler);
        maler.end();
        if (const QString bilder = qEnvironmentVariable("HW_BILDER"); !bilder.isEmpty()) {
            bild.save(bilder + QStringLiteral("/tagesverlauf_svg.png"));
            f.grab().save(bilder + QStringLiteral("/tagesverlauf.png"));
        }
        const QRectF flaeche = f.Diagramm()->plotArea();
        const QPoint ursprung = Kind<QChartView>(f, "Diagramm")->mapFromScene(QPointF(0, 0));
        const int oben = ursprung.y() + static_cast<int>(flaeche.top()) - 2;
        QVERIFY(oben > 20);
        int gefunden = 0;
        for (int y = 0; y < oben; ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.green() > c.red() + 50 && c.green() > c.blue() + 30) ++gefunden;
            }
        QCOMPARE(gefunden, 0);
    }

    // The line below the chart shows the values at the time entered, not at the nearest
    // instant of the chart (11:07 once showed 11:06).
    // The line below the chart: the entered time's values, as the main window calculates them,
    // also where the instant belongs to the solar day before (an evening past 0:00 UTC).
    void zeileZurEingegebenenZeit_data() {
        QTest::addColumn<RechenlaufEingabe>("e");
        QTest::addColumn<QString>("zeit");
        RechenlaufEingabe e;
        e.Minute = 7;
        QTest::newRow("Heimat") << e << QStringLiteral("11:07");
        e = RechenlaufEingabe{};
        e.Jahr = 2009;
        e.Monat = 6;
        e.Tag = 21;
        e.Stunde = 0;
        e.Minute = 31;
        e.Phi = 36.1;
        e.Lam = 79.95;
        e.WendeStunde = 17;
        QTest::newRow("Abend nach 0 Uhr UTC") << e << QStringLiteral("00:31");
    }
    void zeileZurEingegebenenZeit() {
        QFETCH(RechenlaufEingabe, e);
        QFETCH(QString, zeit);
        TestAntworter antworter;
        TFormTagesverlauf f;
        f.Berechnet(e, false);
        f.show();
        const RechenlaufErgebnis r = Rechenlauf(e);
        const QString zeile = Label(f, "Zeile")->text();
        QVERIFY2(zeile.startsWith(QStringLiteral("%1 UTC: Höhe %2°, Azimut %3°")
                                      .arg(zeit, zahltext::Fest(r.Hoehe, 2),
                                           zahltext::Fest(r.Azimut, 2))),
                 qPrintable(zeile));
        QVERIFY2(zeile.contains(
                     QStringLiteral("WinkelZurSonne %1°").arg(zahltext::Fest(r.WinkelZurSonne, 2))),
                 qPrintable(zeile));
    }

    // "Speichern": PNG, SVG and CSV under the name chosen; the pictures name the dotted marks
    // below the chart, as the window does.
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
        const int diagramm = Kind<QChartView>(f, "Diagramm")->height();
        QVERIFY2(bild.height() > diagramm + 10,
                 qPrintable(QStringLiteral("%1 / %2").arg(bild.height()).arg(diagramm)));
        QFile svg(basis + QStringLiteral(".svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray zeichnung = svg.readAll();
        QVERIFY(zeichnung.contains("<svg"));
        QVERIFY(zeichnung.contains("Gepunktet: Sonnenaufgang"));
        QFile csv(basis + QStringLiteral(".csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(csv.readAll()), f.Csv());
    }

    // A folder another program keeps locked: the save gives up after the time limit and says
    // so, instead of the plain "cannot be written".
    void speichernInGesperrtenOrdner() {
        TestAntworter antworter;
        TFormTagesverlauf f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        const int ordnerFd =
            ::open(QFile::encodeName(ordner->path()).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(ordnerFd >= 0);
        QCOMPARE(::flock(ordnerFd, LOCK_EX), 0);
        dateizugriff::SetzeSperrfrist(std::chrono::milliseconds(200));
        antworter.dateinamen << ordner->filePath(QStringLiteral("tag.png"));
        Knopf(f, "Speichern")->click();
        dateizugriff::SetzeSperrfrist(dateizugriff::Sperrfrist);
        ::close(ordnerFd);
        QCOMPARE(antworter.texte(),
                 QStringList{QStringLiteral("In %1 kann nicht geschrieben werden: ein anderes "
                                            "Programm hält den Ordner belegt")
                                 .arg(ordner->filePath(QStringLiteral("tag.png")))});
        QVERIFY(!QFile::exists(ordner->filePath(QStringLiteral("tag.png"))));
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
        Edit(*a.SDIAppForm, "EditMonat")
            ->setText(sommer ? QStringLiteral("6") : QStringLiteral("12"));
        if (sommer)
            QVERIFY(f.Werte().hoehe[240] > mittag + 20);
        else
            QVERIFY(f.Werte().hoehe[240] < mittag - 20);
    }
};

QTEST_MAIN(TestTagesverlauf)
#include "tst_tagesverlauf.moc"
