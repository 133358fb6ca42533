// Simulation run of the main window: the time step written into the edits, the pause at
// sunset, moves under "Start SIM"/"Stop SIM", a whole simulated day, and the scene as the
// window paints it. Ticks are driven by calling the timer handlers, pending paints by
// delivering the window's update requests; nothing waits for a timer.
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "geometry/rechenlauf.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "widgets/handlerlauf.h"
#include "widgets/updownedit.h"
#include "workspace/SDIMAIN.h"
#include "workspace/simlauf.h"
#include "workspace/szene.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>
#include <optional>

namespace {

// The needle of a recorded paint: the thick line out of the centre.
std::optional<QPoint> Nadelspitze(const Aufzeichnung& a) {
    for (const auto& f : a.formen)
        if (f.art == Aufzeichnung::Art::Linie && f.breite == 4 && f.punkte[0] == QPoint(279, 279))
            return f.punkte[1];
    return std::nullopt;
}

// Where the needle of the window's scene points for the angle a.
QPoint NadelBei(const Simulationszustand& z, double a) {
    const double r = z.Scale / 2;
    return QPoint(szene::PixelX(z.Fenster, r + szene::PolarX(r, a)),
                  szene::PixelY(z.Fenster, r + szene::PolarY(r, a)));
}

// What the paint box shows on the screen: the window's surface as it was last painted (a
// grab of the widget would paint it anew).
QImage AufDemSchirm(TSDIAppForm& w) {
    const QPoint o = Kind<QWidget>(w, "PaintBox1")->mapTo(&w, QPoint(0, 0));
    return w.screen()
        ->grabWindow(w.winId(), o.x(), o.y(), szene::Seite, szene::Seite)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The paint box painted afresh in place, from the state the window holds now.
QImage NeuGemalt(TSDIAppForm& w) {
    Kind<QWidget>(w, "PaintBox1")->repaint();
    return AufDemSchirm(w);
}

// Notes for each message whether the time-lapse was still on when it came up: a real box
// runs an event loop, in which a running Timer1 would tick again.
struct MeldungImLauf : TestAntworter {
    const TSDIAppForm* fenster = nullptr;
    QList<bool> laeuft;
    QMessageBox::StandardButton frage(QWidget* eltern, const dialoge::Nachricht& n) override {
        laeuft << (fenster &&
                   (Zeitgeber(*fenster, "Timer1")->isActive() || fenster->Zustand().SimActive));
        return TestAntworter::frage(eltern, n);
    }
};

} // namespace

class TestSimulation : public OrdnerTestfall {
    Q_OBJECT

    // A window after a calculation for 7 July 2008 at the given UTC time, shown off screen
    // so that its paints happen. Its first paint by day turns the rows from north; unless
    // told otherwise that move is run out.
    static std::unique_ptr<TSDIAppForm> Fenster(const char* stunde, const char* minute = "0",
                                                bool auslaufen = true) {
        auto w = std::make_unique<TSDIAppForm>();
        Zeitgeber(*w, "TimerStartSioInit")->stop();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
        Handlerlauf(w.get()).Ereignis([&] {
            w->SetzeDatumZeit("2008", "7", "7", QString::fromLatin1(stunde),
                              QString::fromLatin1(minute));
            w->Berechne();
        });
        Male(*w);
        if (auslaufen) BewegungsTicks(*w);
        return w;
    }

    // Runs the time-lapse (and any move by day) until the tick that finds the sunset;
    // returns LastPos as it was before that tick.
    static double BisSonnenuntergang(TSDIAppForm& w) {
        const Simulationszustand& z = w.Zustand();
        double lastPos = z.LastPos;
        for (int i = 0; i < 40 && z.Hoehe >= 0; ++i) {
            lastPos = z.LastPos;
            Tick(w);
            if (z.Hoehe >= 0 && z.MoveActive) BewegungsTicks(w);
        }
        return lastPos;
    }

    // The paints the window has asked for, as the event loop would deliver them next.
    static void Male(TSDIAppForm&) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }

    static void Tick(TSDIAppForm& w) {
        ::Tick(Zeitgeber(w, "Timer1"));
        Male(w);
    }

    // Runs the move out; returns the number of move ticks.
    static int BewegungsTicks(TSDIAppForm& w) {
        int n = 0;
        while (Zeitgeber(w, "TimerMove")->isActive() && n < 500) {
            ::Tick(Zeitgeber(w, "TimerMove"));
            Male(w);
            ++n;
        }
        return n;
    }

    static QStringList Zeit(const TSDIAppForm& w) {
        return {Edit(w, "EditJahr")->text(), Edit(w, "EditMonat")->text(),
                Edit(w, "EditTag")->text(), Edit(w, "EditStunde")->text(),
                Edit(w, "EditMinute")->text()};
    }

private slots:
    void startUndStop() {
        TestAntworter antworter;
        auto w = Fenster("11");
        QVERIFY(w);
        QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
        Knopf(*w, "ButtonSIMstart")->click();
        QVERIFY(w->Zustand().SimActive);
        QVERIFY(Zeitgeber(*w, "Timer1")->isActive());
        QCOMPARE(Zeitgeber(*w, "Timer1")->interval(), 500);
        QVERIFY(!Zeitgeber(*w, "TimerMove")->isActive());
        Knopf(*w, "ButtonSIMstop")->click();
        QVERIFY(!w->Zustand().SimActive);
        QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // "Start SIM" searches the Sonnenwende for the site and date in the edits. While a move
    // and the time-lapse both run, a new longitude searches nothing and calculates nothing,
    // so the search of the next start shows.
    void startSuchtSonnenwende() {
        TestAntworter antworter;
        auto w = Fenster("11", "0", false);
        QVERIFY(w);
        QVERIFY(w->Zustand().MoveActive); // the rows' first turn from north
        Knopf(*w, "ButtonSIMstart")->click();
        QVERIFY(Zeitgeber(*w, "Timer1")->isActive());
        QCOMPARE(w->Zustand().WendeStunde, 11);
        Edit(*w, "EditLam")->setText(QStringLiteral("-100"));
        QCOMPARE(w->Zustand().WendeStunde, 11);
        Knopf(*w, "ButtonSIMstart")->click();
        RechenlaufEingabe e;
        e.Lam = -100;
        const Sonnenwende erwartet = BerechneSuchen(e).wende;
        QVERIFY(erwartet.WendeStunde != 11);
        QCOMPARE(w->Zustand().WendeStunde, erwartet.WendeStunde);
        QCOMPARE(w->Zustand().WendeMinute, erwartet.WendeMinute);
        QVERIFY(antworter.meldungen.isEmpty());
    }

    void zeitSchritt_data() {
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<QString>("intervall");
        QTest::addColumn<QStringList>("nachher");
        QTest::newRow("15") << QStringList{"2008", "7", "7", "11", "0"} << "15"
                            << QStringList{"2008", "7", "7", "11", "15"};
        QTest::newRow("7 bis zur vollen Stunde") << QStringList{"2008", "7", "7", "11", "56"} << "7"
                                                 << QStringList{"2008", "7", "7", "12", "0"};
        QTest::newRow("60") << QStringList{"2008", "7", "7", "11", "0"} << "60"
                            << QStringList{"2008", "7", "7", "12", "0"};
        QTest::newRow("Silvester") << QStringList{"2008", "12", "31", "23", "45"} << "15"
                                   << QStringList{"2009", "1", "1", "0", "0"};
        QTest::newRow("Schaltjahr") << QStringList{"2008", "2", "28", "23", "45"} << "15"
                                    << QStringList{"2008", "2", "29", "0", "0"};
        QTest::newRow("Gemeinjahr") << QStringList{"2009", "2", "28", "23", "45"} << "15"
                                    << QStringList{"2009", "3", "1", "0", "0"};
        QTest::newRow("Stundenbruch") << QStringList{"2008", "7", "7", "11,5", "0"} << "15"
                                      << QStringList{"2008", "7", "7", "11", "15"};
        QTest::newRow("Jahr ohne Grenze") << QStringList{"2100", "12", "31", "23", "45"} << "15"
                                          << QStringList{"2101", "1", "1", "0", "0"};
    }
    void zeitSchritt() {
        QFETCH(QStringList, vorher);
        QFETCH(QString, intervall);
        QFETCH(QStringList, nachher);
        TestAntworter antworter;
        auto w = Fenster("11");
        QVERIFY(w);
        Handlerlauf(w.get()).Ereignis([&] {
            w->SetzeDatumZeit(vorher.at(0), vorher.at(1), vorher.at(2), vorher.at(3), vorher.at(4));
            w->UebernimmSimEingaben({{SimFeld::Intervall, intervall}});
        });
        Knopf(*w, "ButtonSIMstart")->click();
        Tick(*w);
        QCOMPARE(Zeit(*w), nachher);
        QVERIFY(antworter.meldungen.isEmpty());
        // The tick recalculated: the label shows the new instant's sun.
        QVERIFY(Label(*w, "LabelAzimut")->text() != QLatin1String("0"));
    }

    void schreibReihenfolge() {
        TestAntworter antworter;
        auto w = Fenster("23", "45");
        QVERIFY(w);
        Handlerlauf(w.get()).Ereignis([&] {
            w->UebernimmSimEingaben({{SimFeld::Monat, "12"}, {SimFeld::Tag, "31"}});
        });
        QStringList reihenfolge;
        for (const char* name : {"EditJahr", "EditMonat", "EditTag", "EditStunde", "EditMinute"})
            connect(Edit(*w, name), &UpDownEdit::textChanged, this,
                    [&reihenfolge, name] { reihenfolge << name; });
        Knopf(*w, "ButtonSIMstart")->click();
        Tick(*w);
        QCOMPARE(reihenfolge,
                 (QStringList{"EditMinute", "EditJahr", "EditMonat", "EditTag", "EditStunde"}));
    }

    // A failing tick ends the run, as "Stop SIM" would, before its message comes up, so no
    // further tick brings the message back.
    void fehlerhafterTick_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("zeitGeschrieben");
        QTest::newRow("Intervall") << "EditIntervall"
                                   << "x"
                                   << "''x'' ist kein gültiger Integer-Wert" << false;
        QTest::newRow("Intervall leer") << "EditIntervall"
                                        << ""
                                        << "'''' ist kein gültiger Integer-Wert" << false;
        QTest::newRow("Minute") << "EditMinute"
                                << "7,5"
                                << "''7,5'' ist kein gültiger Integer-Wert" << false;
        QTest::newRow("Stunde") << "EditStunde"
                                << "elf"
                                << "'elf' ist kein gültiger Gleitkommawert" << false;
        QTest::newRow("Stunde zu groß") << "EditStunde"
                                        << "1e30"
                                        << "''1e30'' ist kein gültiger Integer-Wert" << false;
        // The calculation after the time step fails: the new time stays in the edits.
        QTest::newRow("Rechnung") << "EditModulH"
                                  << "160,5"
                                  << "''160,5'' ist kein gültiger Integer-Wert" << true;
    }
    void fehlerhafterTick() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        QFETCH(bool, zeitGeschrieben);
        MeldungImLauf antworter;
        auto w = Fenster("11");
        QVERIFY(w);
        antworter.fenster = w.get();
        Knopf(*w, "ButtonSIMstart")->click();
        auto* e = w->findChild<UpDownEdit*>(edit);
        QVERIFY(e);
        const QString gut = e->text();
        e->setText(text); // no recalculation while the time-lapse runs
        antworter.meldungen.clear();
        const QStringList vorher = Zeit(*w);
        Tick(*w);
        QCOMPARE(antworter.texte(), QStringList{meldung});
        QCOMPARE(antworter.laeuft, QList<bool>{false});
        // A failing read comes before the time step; a failing calculation after it.
        QCOMPARE(Zeit(*w) != vorher, zeitGeschrieben);
        QVERIFY(!w->Zustand().SimActive);
        QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(!Zeitgeber(*w, "TimerMove")->isActive());

        // Mended, the run starts again as before.
        e->setText(gut);
        Knopf(*w, "ButtonSIMstart")->click();
        Tick(*w);
        QCOMPARE(antworter.meldungen.size(), 1);
        QVERIFY(w->Zustand().SimActive);
    }

    // At sunset the time-lapse pauses while the tracker turns back to its morning position,
    // then runs on; by night the scene shows the tracker there.
    void sonnenuntergangPauseUndWeiter() {
        TestAntworter antworter;
        auto w = Fenster("18");
        QVERIFY(w);
        Knopf(*w, "ButtonSIMstart")->click();
        const double lastPos = BisSonnenuntergang(*w);
        QVERIFY2(w->Zustand().Hoehe < 0, "no sunset within ten hours");
        QVERIFY(w->Zustand().MoveActive);
        QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(Zeitgeber(*w, "TimerMove")->isActive());
        QCOMPARE(w->Zustand().MoveTarget, w->Zustand().MorgenPos);
        QCOMPARE(w->Zustand().MovePos, lastPos);
        QCOMPARE(w->Zustand().MoveStep, (lastPos - w->Zustand().MorgenPos) * 0.025);

        const QStringList angehalten = Zeit(*w);
        const int schritte = BewegungsTicks(*w);
        QVERIFY2(schritte == 40 || schritte == 41, qPrintable(QString::number(schritte)));
        QCOMPARE(Zeit(*w), angehalten); // the time stood still during the turn
        QVERIFY(!w->Zustand().MoveActive);
        QVERIFY(Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(!Zeitgeber(*w, "TimerMove")->isActive());

        Tick(*w);
        QVERIFY(Zeit(*w) != angehalten);
        QVERIFY(!w->Zustand().MoveActive);
        Aufzeichnung nacht;
        w->PaintBox1Paint(nacht);
        QCOMPARE(Nadelspitze(nacht),
                 std::optional<QPoint>(NadelBei(w->Zustand(), w->Zustand().MorgenPos)));
        QCOMPARE(w->Zustand().LastPos, w->Zustand().MorgenPos + w->Zustand().EndlageStartErr);
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // A whole day in quarter hours: one night return, the date one day on, the run still on.
    void einTag() {
        TestAntworter antworter;
        auto w = Fenster("0");
        QVERIFY(w);
        Knopf(*w, "ButtonSIMstart")->click();
        int zeitTicks = 0, bewegungsTicks = 0, nachtRueckkehren = 0, tagesBewegungen = 0;
        double hoeheVorher = w->Zustand().Hoehe;
        while (zeitTicks < 96) {
            QVERIFY(Zeitgeber(*w, "Timer1")->isActive());
            Tick(*w);
            ++zeitTicks;
            if (w->Zustand().MoveActive) {
                if (hoeheVorher > 0 && w->Zustand().Hoehe < 0) {
                    ++nachtRueckkehren;
                    QCOMPARE(w->Zustand().MoveTarget, w->Zustand().MorgenPos);
                } else {
                    ++tagesBewegungen;
                }
                QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
                bewegungsTicks += BewegungsTicks(*w);
            }
            hoeheVorher = w->Zustand().Hoehe;
        }
        QCOMPARE(Zeit(*w), (QStringList{"2008", "7", "8", "0", "0"}));
        QCOMPARE(nachtRueckkehren, 1);
        QVERIFY(bewegungsTicks >= 40 * nachtRueckkehren + 25 * tagesBewegungen);
        QVERIFY(Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(!Zeitgeber(*w, "TimerMove")->isActive());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // Once a move has run out the screen shows the tracker where it stands, the same as any
    // later paint of that state, and LastPos holds the rows drawn there.
    void bildNachBewegung_data() {
        QTest::addColumn<bool>("nacht");
        QTest::newRow("Sprung") << false;       // the rows' first turn from north
        QTest::newRow("Nachtrückkehr") << true; // back to the morning position at sunset
    }
    void bildNachBewegung() {
        QFETCH(bool, nacht);
        TestAntworter antworter;
        auto w = Fenster(nacht ? "18" : "11", "0", nacht);
        QVERIFY(w);
        if (nacht) {
            Knopf(*w, "ButtonSIMstart")->click();
            BisSonnenuntergang(*w);
            QVERIFY(w->Zustand().Hoehe < 0);
        }
        QVERIFY(w->Zustand().MoveActive);
        QVERIFY(BewegungsTicks(*w) >= 25);
        QVERIFY(!w->Zustand().MoveActive);
        QCOMPARE(w->Zustand().LastPos, nacht ? w->Zustand().MorgenPos : w->Zustand().TrackerPos());
        const QImage bild = AufDemSchirm(*w);
        QCOMPARE(bild.size(), QSize(szene::Seite, szene::Seite));
        QCOMPARE(bild, NeuGemalt(*w));
        QVERIFY(!w->Zustand().MoveActive);
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // A constant east-stop error shifts the rows and never turns the tracker: over a whole
    // day the moves are those without the error, each starting where the needle stood, and
    // after each the rows rest at the needle plus the error.
    void einTagMitEndlagenfehler_data() {
        QTest::addColumn<QString>("monat");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QStringList>("bewegungen");
        for (const char* fehler : {"-20", "-10", "0", "18", "20"}) {
            // In July the correction falls by 16 degrees within the quarter hour after 6:00.
            QTest::addRow("7.7. %s", fehler)
                << "7"
                << "7" << fehler << QStringList{"6:15 Sprung", "19:15 Nacht"};
            // In December the correction changes its sign at the hour after the culmination.
            QTest::addRow("21.12. %s", fehler)
                << "12"
                << "21" << fehler << QStringList{"12:0 Sprung", "15:0 Nacht"};
        }
    }
    void einTagMitEndlagenfehler() {
        QFETCH(QString, monat);
        QFETCH(QString, tag);
        QFETCH(QString, fehler);
        QFETCH(QStringList, bewegungen);
        TestAntworter antworter;
        auto w = Fenster("0");
        QVERIFY(w);
        Handlerlauf(w.get()).Ereignis([&] {
            w->SetzeDatumZeit("2008", monat, tag, "0", "0");
            w->UebernimmSimEingaben({{SimFeld::EndlageStartErr, fehler}});
        });
        Male(*w);
        QVERIFY(!w->Zustand().MoveActive);
        Knopf(*w, "ButtonSIMstart")->click();
        QStringList gesehen;
        for (int i = 0; i < 96; ++i) {
            const double nadel =
                w->Zustand().Hoehe < 0 ? w->Zustand().MorgenPos : w->Zustand().TrackerPos();
            const double hoeheVorher = w->Zustand().Hoehe;
            Tick(*w);
            if (!w->Zustand().MoveActive) continue;
            const bool nachtRueckkehr = hoeheVorher > 0 && w->Zustand().Hoehe < 0;
            gesehen << QStringLiteral("%1:%2 %3")
                           .arg(Edit(*w, "EditStunde")->text(), Edit(*w, "EditMinute")->text(),
                                nachtRueckkehr ? "Nacht" : "Sprung");
            const double ziel = nachtRueckkehr ? w->Zustand().MorgenPos : w->Zustand().TrackerPos();
            QCOMPARE(w->Zustand().MovePos, nadel);
            QCOMPARE(w->Zustand().MoveTarget, ziel);
            const int schritte = BewegungsTicks(*w);
            QVERIFY(schritte >= (nachtRueckkehr ? 40 : 25));
            QCOMPARE(w->Zustand().LastPos, ziel + w->Zustand().EndlageStartErr);
            const QImage bild = AufDemSchirm(*w);
            QCOMPARE(bild, NeuGemalt(*w));
            QVERIFY(!w->Zustand().MoveActive);
        }
        QCOMPARE(gesehen, bewegungen);
        QCOMPARE(Zeit(*w),
                 (QStringList{"2008", monat, QString::number(tag.toInt() + 1), "0", "0"}));
        QCOMPARE(w->Zustand().EndlageStartErr, fehler.toDouble());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // "Stop SIM" during the night return: the move runs out, the time-lapse stays off.
    void stopWaehrendBewegung() {
        TestAntworter antworter;
        auto w = Fenster("18");
        QVERIFY(w);
        Knopf(*w, "ButtonSIMstart")->click();
        BisSonnenuntergang(*w);
        QVERIFY(w->Zustand().MoveActive);
        ::Tick(Zeitgeber(*w, "TimerMove"));
        Knopf(*w, "ButtonSIMstop")->click();
        QVERIFY(!w->Zustand().SimActive);
        QVERIFY(!w->Zustand().MoveActive);
        QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(Zeitgeber(*w, "TimerMove")->isActive());
        const double pos = w->Zustand().MovePos;
        ::Tick(Zeitgeber(*w, "TimerMove"));
        QCOMPARE(w->Zustand().MovePos, pos - w->Zustand().MoveStep);
        QVERIFY(BewegungsTicks(*w) > 30);
        QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(!Zeitgeber(*w, "TimerMove")->isActive());
    }

    // "Start SIM" during a move: the time-lapse runs at once and stays on after the move.
    void startWaehrendBewegung() {
        TestAntworter antworter;
        auto w = Fenster("11");
        QVERIFY(w);
        // Two hours on, the tracker stands far from the drawn needle: the next paint starts
        // turning the rows from there.
        const double nadel = simlauf::LetzteNadel(w->Zustand());
        Edit(*w, "EditStunde")->setText(QStringLiteral("13"));
        const double ziel = w->Zustand().TrackerPos();
        QVERIFY(std::fabs(ziel - nadel) > 16);
        Kind<QWidget>(*w, "PaintBox1")->repaint();
        QVERIFY(w->Zustand().MoveActive);
        QVERIFY(Zeitgeber(*w, "TimerMove")->isActive());
        QCOMPARE(w->Zustand().MoveTarget, ziel);
        QCOMPARE(w->Zustand().MoveStep, (nadel - ziel) * 0.04);
        QVERIFY(!Zeitgeber(*w, "Timer1")->isActive());
        Knopf(*w, "ButtonSIMstart")->click();
        QVERIFY(Zeitgeber(*w, "Timer1")->isActive());
        Tick(*w); // the time-lapse advances while the tracker turns
        QCOMPARE(Edit(*w, "EditMinute")->text(), QStringLiteral("15"));
        const int schritte = BewegungsTicks(*w);
        QVERIFY2(schritte >= 24 && schritte <= 26, qPrintable(QString::number(schritte)));
        QVERIFY(Zeitgeber(*w, "Timer1")->isActive());
        QVERIFY(!w->Zustand().MoveActive);
    }

    // Stops: the scene shows the tracker at the east stop, the label the computed position.
    void anschlaegeNurImBild() {
        TestAntworter antworter;
        auto w = Fenster("11");
        QVERIFY(w);
        Kind<QCheckBox>(*w, "CheckBox1")->setChecked(true);
        Handlerlauf(w.get()).Ereignis([&] {
            w->UebernimmSimEingaben({{SimFeld::EndlageStart, "200"}});
        });
        Male(*w);
        BewegungsTicks(*w);
        QCOMPARE(Label(*w, "LabelTrackerPos")->text(), QStringLiteral("176,516°"));
        Aufzeichnung a;
        w->PaintBox1Paint(a);
        QCOMPARE(Nadelspitze(a), std::optional<QPoint>(NadelBei(w->Zustand(), 200)));
        QCOMPARE(w->Zustand().LastPos, 200.0);
    }

    // The QPainter surface: the sector beyond the stops lies north, the rows are cyan.
    void bildpunkteDesStandardbilds() {
        Simulationszustand z = szene::Beispielzustand();
        z.Schatten = 0.95;
        const QColor bg(0xD4, 0xD0, 0xC8);
        QImage bild(558, 558, QImage::Format_RGB32);
        bild.fill(bg);
        {
            QPainter p(&bild);
            QPainterFlaeche f(p, bg);
            szene::PaintBox1Paint(z, f, false);
        }
        struct Punkt {
            int x, y;
            QColor farbe;
        };
        const Punkt punkte[] = {
            {100, 150, szene::Grau},    // north-west, inside the stops' sector
            {450, 150, szene::Grau},    // north-east
            {60, 300, szene::Rot},      // west, just south of the west stop
            {200, 450, szene::Rot},     // south
            {150, 262, szene::Cyan},    // first row
            {150, 185, szene::Cyan},    // second row
            {5, 540, bg},               // outside the compass circle
            {290, 545, szene::Gelb},    // the sun on the circle, due south
            {279, 400, szene::Schwarz}, // the needle
        };
        for (const Punkt& p : punkte)
            QVERIFY2(bild.pixelColor(p.x, p.y) == p.farbe,
                     qPrintable(QStringLiteral("%1,%2: %3")
                                    .arg(p.x)
                                    .arg(p.y)
                                    .arg(bild.pixelColor(p.x, p.y).name())));
        // Opaque text: dark glyphs in the label "N=0°" at (269, 10), on the background.
        int dunkel = 0;
        for (int y = 10; y < 26; ++y)
            for (int x = 269; x < 300; ++x)
                dunkel += bild.pixelColor(x, y).lightness() < 80;
        QVERIFY(dunkel > 10);
    }

    // The window's paint box draws the scene through the same routines.
    void paintBoxZeichnetSzene() {
        TestAntworter antworter;
        auto w = Fenster("11");
        QVERIFY(w);
        const QImage bild = Kind<QWidget>(*w, "PaintBox1")->grab().toImage();
        QCOMPARE(bild.size(), QSize(558, 558));
        QCOMPARE(bild.pixelColor(150, 100), QColor(szene::Grau));
        QCOMPARE(bild.pixelColor(200, 450), QColor(szene::Rot));
        QCOMPARE(bild.pixelColor(3, 3), QApplication::palette().color(QPalette::Button));
        QVERIFY(!w->Zustand().MoveActive); // the repaint drew the tracker where it stands
        // The repaint a calculation asks for reaches the scene: far from the needle it starts
        // a move.
        Edit(*w, "EditStunde")->setText(QStringLiteral("15"));
        QVERIFY(std::fabs(w->Zustand().TrackerPos() - simlauf::LetzteNadel(w->Zustand())) > 16);
        QVERIFY(!w->Zustand().MoveActive);
        Male(*w);
        QVERIFY(w->Zustand().MoveActive);
    }
};

QTEST_MAIN(TestSimulation)
#include "tst_simulation.moc"
