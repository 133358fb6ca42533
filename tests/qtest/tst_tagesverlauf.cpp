// "Ansicht" > "Tagesverlauf": the day's chart of the main window's inputs, its values as
// heliowendler-calc --tabelle prints them, the export, and following the main window.
// With a weather file: the rows of the date chosen, at the file's site. HW_BILDER=folder leaves
// pictures of the window (without and with a weather file) and of its saved SVG there.
#include "../wetter/wetterproben.h"
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
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QLegend>
#include <QLegendMarker>
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
Q_DECLARE_METATYPE(messreihe::Ort)
Q_DECLARE_METATYPE(wetter::Format)

class TestTagesverlauf : public OrdnerTestfall {
    Q_OBJECT

    static QLineSeries* Reihe(TFormTagesverlauf& f, const QString& name) {
        for (QAbstractSeries* r : f.Diagramm()->series())
            if (r->name() == name) return qobject_cast<QLineSeries*>(r);
        return nullptr;
    }

    // The weather curves' names, in the order of wetterjahr::Tagesverlauf's values.
    static QStringList Wetternamen() {
        return {QStringLiteral("Global gemessen (W/m²)"),
                QStringLiteral("Direkt normal gemessen (W/m²)"),
                QStringLiteral("Diffus gemessen (W/m²)"),
                QStringLiteral("Wirksam mit Backtracking (W/m²)"),
                QStringLiteral("Wirksam ohne Backtracking (W/m²)")};
    }

    // Hourly rows of the own dates von ... von + tage - 1 at ort, written in format and read.
    std::shared_ptr<const wetter::Datei> Wetterdatei(wetter::Format format,
                                                     const messreihe::Ort& ort, double zeitzone,
                                                     wetter::Datum von, int tage) {
        proben::Himmel himmel;
        himmel.ort = ort;
        proben::Kopf kopf;
        kopf.ort = ort;
        kopf.zeitzone = zeitzone;
        const bool mittel = format != wetter::Format::PvgisCsv;
        const QString pfad = ordner->filePath(QStringLiteral("wetter.txt"));
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly)) return nullptr;
        datei.write(
            proben::Text(format, kopf, proben::Tage(himmel, zeitzone, von, tage, 60, mittel)));
        datei.close();
        auto gelesen = wetter::Lies(pfad);
        if (!std::holds_alternative<wetter::Datei>(gelesen)) return nullptr;
        return std::make_shared<const wetter::Datei>(std::get<wetter::Datei>(std::move(gelesen)));
    }

    // The five weather curves hold wetterjahr::Tag's rows of that UTC date, point by point.
    static void VergleicheWetter(TFormTagesverlauf& f, const RechenlaufEingabe& e,
                                 const wetter::Datei& d, const QDate& datum,
                                 const wetterjahr::Optionen& o) {
        const wetterjahr::Tagesverlauf soll =
            wetterjahr::Tag(wetterjahr::AmOrt(e, d.reihe.ort), d.reihe, datum.year(), datum.month(),
                            datum.day(), o);
        const std::vector<double>* werte[] = {&soll.ghi, &soll.dni, &soll.dhi, &soll.wirksamMit,
                                              &soll.wirksamOhneBacktracking};
        const QStringList namen = Wetternamen();
        for (int k = 0; k < namen.size(); ++k) {
            const QLineSeries* r = Reihe(f, namen[k]);
            QVERIFY2(r, qPrintable(namen[k]));
            QCOMPARE(r->count(), static_cast<int>(soll.stunden.size()));
            for (int i = 0; i < r->count(); ++i) {
                QCOMPARE(r->at(i).x(), soll.stunden[static_cast<std::size_t>(i)]);
                QCOMPARE(r->at(i).y(), (*werte[k])[static_cast<std::size_t>(i)]);
            }
        }
        QCOMPARE(f.Wetterwerte().stunden, soll.stunden);
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
        QVERIFY2(zeile.startsWith(
                     QStringLiteral("%1 UTC: Höhe %2°, Azimut %3°")
                         .arg(zeit, zahltext::Fest(r.Hoehe, 2), zahltext::Fest(r.Azimut, 2))),
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

    // With a weather file: the five curves of the chosen UTC date at the file's site with the
    // main window's geometry; another date, other rows; a date without rows says so; nullptr
    // takes them away. Far east and west the daylight crosses 0:00 UTC: the chart holds the
    // rows of the UTC date chosen (their own, local dates are two).
    void wetterTag_data() {
        QTest::addColumn<wetter::Format>("format");
        QTest::addColumn<messreihe::Ort>("ort");
        QTest::addColumn<double>("zeitzone");
        QTest::addColumn<bool>("ueberNull"); // daylight at both ends of the UTC date
        QTest::newRow("Heimat PVGIS")
            << wetter::Format::PvgisCsv << messreihe::Ort{48.1, 11.6, 520} << 1.0 << false;
        QTest::newRow("fern im Osten EPW")
            << wetter::Format::EPW << messreihe::Ort{-33.87, 151.21, 40} << 10.0 << true;
        QTest::newRow("fern im Westen EPW")
            << wetter::Format::EPW << messreihe::Ort{37.8, -122.4, 10} << -8.0 << true;
    }
    void wetterTag() {
        QFETCH(wetter::Format, format);
        QFETCH(messreihe::Ort, ort);
        QFETCH(double, zeitzone);
        QFETCH(bool, ueberNull);
        TestAntworter antworter;
        const auto datei = Wetterdatei(format, ort, zeitzone, {2019, 7, 6}, 3);
        QVERIFY(datei);
        TFormTagesverlauf f;
        RechenlaufEingabe e; // 7 July 2008 at the home site: the file's 7 July is shown
        e.ModulNErr = 1.5;
        f.Berechnet(e, false);
        wetterjahr::Optionen o;
        o.albedo = 0.3;
        f.Wetter(datei, o);
        f.show();
        auto* tag = Kind<QDateEdit>(f, "WetterTag");
        QVERIFY(tag->isVisible());
        QCOMPARE(tag->date(), QDate(2019, 7, 7));
        VergleicheWetter(f, e, *datei, QDate(2019, 7, 7), o);
        QVERIFY(f.Wetterwerte().stunden.size() >= 20);
        // The rows of that UTC date, and all of them.
        long long zeilen = 0;
        for (const messreihe::Messung& m : datei->reihe.messungen)
            zeilen += m.jahr == 2019 && m.monat == 7 && m.tag == 7;
        QCOMPARE(static_cast<long long>(f.Wetterwerte().stunden.size()), zeilen);
        bool frueh = false, spaet = false;
        for (std::size_t i = 0; i < f.Wetterwerte().stunden.size(); ++i) {
            const double x = f.Wetterwerte().stunden[i];
            QVERIFY(x >= 0 && x < 24);
            frueh = frueh || (f.Wetterwerte().ghi[i] > 0 && x < 1);
            spaet = spaet || (f.Wetterwerte().ghi[i] > 0 && x > 23);
        }
        QCOMPARE(frueh && spaet, ueberNull);
        // The legend names each curve.
        for (const QString& name : Wetternamen()) {
            const QList<QLegendMarker*> m = f.Diagramm()->legend()->markers(Reihe(f, name));
            QVERIFY2(m.size() == 1 && m.front()->label() == name, qPrintable(name));
        }
        // The curves share an axis of their own, which spans them.
        QValueAxis* achse = nullptr;
        for (QAbstractAxis* a : Reihe(f, Wetternamen()[0])->attachedAxes())
            if (a->orientation() == Qt::Vertical) achse = qobject_cast<QValueAxis*>(a);
        QVERIFY(achse);
        QCOMPARE(achse->titleText(), QStringLiteral("Einstrahlung in W/m²"));
        QCOMPARE(f.Diagramm()->axes(Qt::Vertical).size(), 3);
        for (double x : f.Wetterwerte().ghi)
            QVERIFY(x <= achse->max());

        if (const QString bilder = qEnvironmentVariable("HW_BILDER");
            !bilder.isEmpty() && QTest::currentDataTag() == QStringLiteral("fern im Osten EPW")) {
            f.resize(1024, 768);
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            f.grab().save(bilder + QStringLiteral("/tagesverlauf_wetter.png"));
        }

        // Another date: its rows. The field keeps to the file's UTC dates.
        tag->setDate(QDate(2019, 7, 8));
        VergleicheWetter(f, e, *datei, QDate(2019, 7, 8), o);
        QVERIFY(tag->minimumDate() <= QDate(2019, 7, 6));
        QVERIFY(tag->maximumDate() >= QDate(2019, 7, 8));
        QVERIFY(tag->maximumDate() <= QDate(2019, 7, 9));
        // The main window's geometry: a calculation with other inputs redraws the rows.
        RechenlaufEingabe anders = e;
        anders.ModulNErr = -2;
        anders.ModulN = 25;
        f.Berechnet(anders, false);
        VergleicheWetter(f, anders, *datei, QDate(2019, 7, 8), o);
        // A new month and day in the main window: the file's day of it.
        anders.Tag = 6;
        f.Berechnet(anders, false);
        QCOMPARE(tag->date(), QDate(2019, 7, 6));
        VergleicheWetter(f, anders, *datei, QDate(2019, 7, 6), o);

        // None: the curves, their axis and the field go.
        f.Wetter(nullptr, {});
        for (const QString& name : Wetternamen())
            QVERIFY(!Reihe(f, name));
        QCOMPARE(f.Diagramm()->axes(Qt::Vertical).size(), 2);
        QVERIFY(!tag->isVisible());
        QVERIFY(f.Wetterwerte().stunden.empty());
    }

    // A file whose days have a gap: the first day where the main window's month and day are
    // not in it; a date without rows says so and draws none.
    void wetterTagOhneZeilen() {
        TestAntworter antworter;
        const messreihe::Ort ort{48.1, 11.6, 520};
        proben::Himmel himmel;
        himmel.ort = ort;
        proben::Kopf kopf;
        kopf.ort = ort;
        std::vector<proben::Zeile> zeilen = proben::Tage(himmel, 0, {2019, 3, 1}, 1, 60, false);
        for (const proben::Zeile& z : proben::Tage(himmel, 0, {2019, 3, 3}, 1, 60, false))
            zeilen.push_back(z);
        const QString pfad = ordner->filePath(QStringLiteral("luecke.csv"));
        QFile aus(pfad);
        QVERIFY(aus.open(QIODevice::WriteOnly));
        aus.write(proben::Text(wetter::Format::PvgisCsv, kopf, zeilen));
        aus.close();
        auto gelesen = wetter::Lies(pfad);
        QVERIFY(std::holds_alternative<wetter::Datei>(gelesen));
        const auto datei =
            std::make_shared<const wetter::Datei>(std::get<wetter::Datei>(std::move(gelesen)));
        TFormTagesverlauf f;
        f.Berechnet(RechenlaufEingabe{}, false); // 7 July: not in the file
        f.Wetter(datei, {});
        f.show();
        auto* tag = Kind<QDateEdit>(f, "WetterTag");
        QCOMPARE(tag->date(), QDate(2019, 3, 1));
        QCOMPARE(f.Wetterwerte().stunden.size(), std::size_t(24));
        tag->setDate(QDate(2019, 3, 2));
        QVERIFY(f.Wetterwerte().stunden.empty());
        for (const QString& name : Wetternamen())
            QCOMPARE(Reihe(f, name)->count(), 0);
        QCOMPARE(Label(f, "WetterZeile")->text(),
                 QStringLiteral("Die Wetterdatei hat am 2019-03-02 (UTC) keine Zeilen."));
        // The CSV: the weather's columns with the file, the day's rows beside the instants.
        tag->setDate(QDate(2019, 3, 3));
        const QStringList csv = f.Csv().split(QLatin1Char('\n'));
        QVERIFY(csv[0].endsWith(QStringLiteral(",Verschattung,Wetterdatum,Wetterstunden,GHI,DNI,"
                                               "DHI,WirksamMitBacktracking,"
                                               "WirksamOhneBacktracking")));
        const QStringList zeile = csv[13].split(QLatin1Char(','));
        QCOMPARE(zeile.size(), 14);
        QCOMPARE(zeile[7], QStringLiteral("2019-03-03"));
        QCOMPARE(zeile[8].toDouble(), f.Wetterwerte().stunden[12]);
        QCOMPARE(zeile[9].toDouble(), f.Wetterwerte().ghi[12]);
        QCOMPARE(zeile[13].toDouble(), f.Wetterwerte().wirksamOhneBacktracking[12]);
        QVERIFY(csv[30].endsWith(QStringLiteral(",,,,,,,")));
    }

    // Without a weather file, and after one is taken away again, the chart and its exports are
    // those of before: the same curves, axes, CSV and SVG to the byte.
    void ohneWetterWieZuvor() {
        TestAntworter antworter;
        TFormTagesverlauf f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const auto namen = [&f] {
            QStringList n;
            for (QAbstractSeries* r : f.Diagramm()->series())
                n << r->name();
            return n;
        };
        const QStringList vorher = namen();
        const QString basis = ordner->filePath(QStringLiteral("vorher"));
        QString fehler;
        QVERIFY(f.Speichere(basis, fehler));
        QVERIFY(!Kind<QDateEdit>(f, "WetterTag")->isVisible());
        const auto datei =
            Wetterdatei(wetter::Format::PvgisCsv, {48.1, 11.6, 520}, 1, {2019, 7, 7}, 1);
        QVERIFY(datei);
        f.Wetter(datei, {});
        QVERIFY(f.Csv().startsWith(QStringLiteral(
            "Zeit,Azimut,Hoehe,Schatten,WinkelZurSonne,TrackerPos,Verschattung,Wetterdatum")));
        f.Wetter(nullptr, {});
        // The event loop's next turn, as before a click on "Speichern": the chart takes the room
        // of the date field again, the axis's items are gone.
        f.layout()->activate();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(namen(), vorher);
        const QString nachher = ordner->filePath(QStringLiteral("nachher"));
        QVERIFY(f.Speichere(nachher, fehler));
        for (const char* endung : {".csv", ".svg"}) {
            QFile a(basis + QLatin1String(endung)), b(nachher + QLatin1String(endung));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(b.readAll(), a.readAll());
        }
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
