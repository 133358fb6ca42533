// The main window's calculation against the driver heliowendler-calc runs: for each case the
// window's edits are set, "Berechnen" is clicked, and every result label must read as the
// driver's own result in the label's pattern. A window that read an input wrongly, or not
// at all, would show other numbers.
#include "basis/zahltext.h"
#include "geometry/rechenlauf.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "widgets/updownedit.h"
#include "workspace/SDIMAIN.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using zahltext::Allgemein;
using zahltext::Fest;

namespace {

using Aenderung = std::function<void(RechenlaufEingabe&)>;
using Merkmal = std::function<bool(const RechenlaufEingabe&, const RechenlaufErgebnis&)>;

const QStringList Ergebnislabels = {"LabelAOstMax",        "LabelAWestMax",   "LabelAzimut",
                                    "LabelHoehe",          "LabelSchatten",   "LabelSchattenErr",
                                    "LabelWinkelZurSonne", "LabelTrackerPos", "LabelSonnenwende"};

// The labels' texts for a result of the driver, in the order of Ergebnislabels.
QStringList Erwartet(const RechenlaufErgebnis& r) {
    const QString grad = QStringLiteral("°"), cm = QStringLiteral(" cm");
    return {Fest(r.AOstMax, 1) + grad,
            Fest(r.AWestMax, 1) + grad,
            Fest(r.Azimut, 3) + grad,
            Fest(r.Hoehe, 3) + grad,
            Fest(r.Schatten * 100, 1) + cm,
            Fest(r.Verschattung * 100, 1) + cm,
            Fest(r.WinkelZurSonne, 3) + grad,
            Fest(r.TrackerPos, 3) + grad,
            QStringLiteral("%1:%2").arg(r.WendeStunde).arg(r.WendeMinute)};
}

QStringList Gezeigt(const TSDIAppForm& w) {
    QStringList texte;
    for (const QString& name : Ergebnislabels)
        texte << Label(w, qPrintable(name))->text();
    return texte;
}

// Writes every input of e into the window's edits, each firing its change handling.
void SetzeEingaben(TSDIAppForm& w, const RechenlaufEingabe& e) {
    const std::pair<const char*, QString> texte[] = {
        {"EditJahr", QString::number(e.Jahr)},
        {"EditMonat", QString::number(e.Monat)},
        {"EditTag", QString::number(e.Tag)},
        {"EditStunde", Allgemein(e.Stunde)},
        {"EditMinute", QString::number(e.Minute)},
        {"EditPhi", Allgemein(e.Phi)},
        {"EditLam", Allgemein(e.Lam)},
        {"EditModulH", Allgemein(e.ModulH)},
        {"EditModulL", Allgemein(e.ModulL)},
        {"EditModulA", Allgemein(e.ModulA)},
        {"EditModulN", Allgemein(e.ModulN)},
        {"EditModulHErr", Allgemein(e.ModulHErr)},
        {"EditModulAErr", Allgemein(e.ModulAErr)},
        {"EditModulNErr", Allgemein(e.ModulNErr)},
        {"EditEndlageStart", Allgemein(e.EndlageStart)},
        {"EditEndlageStartErr", Allgemein(e.EndlageStartErr)},
        {"EditEndlageStop", Allgemein(e.EndlageStop)},
    };
    for (const auto& [name, text] : texte)
        Edit(w, name)->setText(text);
    Kind<QCheckBox>(w, "CheckBoxOstTracken")->setChecked(e.OstTracken);
}

} // namespace

Q_DECLARE_METATYPE(Aenderung)
Q_DECLARE_METATYPE(Merkmal)

class TestBerechnung : public OrdnerTestfall {
    Q_OBJECT

private slots:
    // fall: the case, from the window's defaults; ohne: takes away what the case is about,
    // which must change some label (a window that dropped it would be caught); merkmal: the
    // driver's result shows the case is what it says.
    void fensterRechnetWieDerTreiber_data() {
        QTest::addColumn<Aenderung>("fall");
        QTest::addColumn<Aenderung>("ohne");
        QTest::addColumn<Merkmal>("merkmal");
        using E = RechenlaufEingabe;
        using R = RechenlaufErgebnis;
        auto zeile = [](const char* name, Aenderung fall, Aenderung ohne, Merkmal merkmal) {
            QTest::newRow(name) << fall << ohne << merkmal;
        };
        auto morgens = [](Aenderung weiter) {
            return Aenderung([weiter](E& e) {
                e.Stunde = 5;
                weiter(e);
            });
        };
        zeile(
            "Mittag ohne Backtracking", [](E&) {}, {},
            [](const E&, const R& r) { return r.Hoehe > 0 && r.WinkelZurSonne == 0; });
        zeile(
            "Backtracking morgens", morgens([](E&) {}), [](E& e) { e.ModulA = 1000; },
            [](const E&, const R& r) { return r.WinkelZurSonne > 0; });
        zeile(
            "Backtracking nach der Sonnenwende",
            [](E& e) {
                e.Stunde = 17;
                e.Minute = 30;
            },
            [](E& e) { e.ModulA = 1000; },
            [](const E&, const R& r) { return r.WinkelZurSonne < 0; });
        zeile("Höhenfehler", morgens([](E& e) { e.ModulHErr = 30; }), [](E& e) { e.ModulHErr = 0; },
              {});
        zeile("Abstandsfehler", morgens([](E& e) { e.ModulAErr = -40; }),
              [](E& e) { e.ModulAErr = 0; }, {});
        zeile("Neigungsfehler", morgens([](E& e) { e.ModulNErr = 10; }),
              [](E& e) { e.ModulNErr = 0; }, {});
        zeile(
            "Ostanschlagfehler", morgens([](E& e) { e.EndlageStartErr = -20; }),
            [](E& e) { e.EndlageStartErr = 0; },
            [](const E&, const R& r) { return r.Verschattung > 0; });
        zeile(
            "Backtrack immer nach Osten", morgens([](E& e) { e.OstTracken = true; }),
            [](E& e) { e.OstTracken = false; },
            [](const E&, const R& r) { return r.WinkelZurSonne < 0; });
        zeile(
            "Nacht", [](E& e) { e.Stunde = 22; }, {},
            [](const E&, const R& r) { return r.Hoehe < 0; });
        zeile(
            "Stunde mit Bruch",
            [](E& e) {
                e.Stunde = 6.25;
                e.Minute = 10;
            },
            [](E& e) { e.Stunde = 6; }, {});
        // 80 degrees north in December: the Sonnenwende search finds nothing, and the label
        // keeps what the window carried over from its previous calculation.
        zeile(
            "Polarnacht",
            [](E& e) {
                e.Phi = 80;
                e.Monat = 12;
                e.Tag = 21;
            },
            {},
            [](const E& e, const R& r) {
                return r.wendeSchritte == 360 && r.WendeStunde == e.WendeStunde &&
                       r.WendeMinute == e.WendeMinute;
            });
        zeile(
            "Südhalbkugel",
            [](E& e) {
                e.Phi = -33.9;
                e.Lam = -151.2;
                e.Monat = 12;
                e.Tag = 21;
                e.Stunde = 4;
            },
            [](E& e) { e.Lam = -14.48; }, {});
        // Sites whose daylight crosses 0:00 UTC: the evening after it belongs to the solar day
        // before, the morning before it to the next one; the tracker turns toward the meridian.
        zeile(
            "Abend nach 0 Uhr UTC",
            [](E& e) {
                e.Jahr = 2009;
                e.Monat = 6;
                e.Tag = 21;
                e.Stunde = 0;
                e.Phi = 36.1;
                e.Lam = 79.95;
            },
            [](E& e) { e.Stunde = 12; },
            [](const E&, const R& r) { return r.Hoehe > 0 && r.WinkelZurSonne < 0; });
        zeile(
            "Morgen vor 0 Uhr UTC, Südhalbkugel",
            [](E& e) {
                e.Monat = 12;
                e.Tag = 21;
                e.Stunde = 20;
                e.Phi = -33.87;
                e.Lam = -151.21;
            },
            [](E& e) { e.Stunde = 2; },
            [](const E&, const R& r) { return r.Hoehe > 0 && r.WinkelZurSonne < 0; });
        zeile(
            "andere Geometrie",
            [](E& e) {
                e.ModulL = 800;
                e.ModulH = 220;
                e.ModulA = 300;
                e.ModulN = 45;
                e.Stunde = 16;
            },
            [](E& e) { e.ModulN = 30; }, {});
    }
    void fensterRechnetWieDerTreiber() {
        QFETCH(Aenderung, fall);
        QFETCH(Aenderung, ohne);
        QFETCH(Merkmal, merkmal);
        TestAntworter antworter;
        TSDIAppForm w;
        Zeitgeber(w, "TimerStartSioInit")->stop();
        RechenlaufEingabe e;
        fall(e);
        SetzeEingaben(w, e);

        // What the window carries from one calculation to the next, the driver gets as input.
        const Simulationszustand& z = w.Zustand();
        e.WendeStunde = z.WendeStunde;
        e.WendeMinute = z.WendeMinute;
        e.MorgenPos = z.MorgenPos;
        Knopf(w, "ButtonBerechnen")->click();
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));

        const RechenlaufErgebnis r = Rechenlauf(e);
        const QStringList gezeigt = Gezeigt(w);
        for (int i = 0; i < Ergebnislabels.size(); ++i)
            QCOMPARE(Ergebnislabels[i] + "=" + gezeigt[i],
                     Ergebnislabels[i] + "=" + Erwartet(r)[i]);

        if (ohne) {
            RechenlaufEingabe anders = e;
            ohne(anders);
            QVERIFY2(Erwartet(Rechenlauf(anders)) != Erwartet(r),
                     "the case does not depend on what it is about");
        }
        if (merkmal) QVERIFY2(merkmal(e, r), "the case is not what it says");
    }
};

QTEST_MAIN(TestBerechnung)
#include "tst_berechnung.moc"
