// Files written under one locale and read under another: the settings, site, simulation and
// parameter files give the very same values whatever decimal separator the writer's and the
// reader's locale have, through the windows a user saves and loads them with; a number with
// group separators is refused with a message, never read as 0.
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "basis/trackerwerte.h"
#include "basis/zahltext.h"
#include "geraet/parameterdatei.h"
#include "support/bedienung.h"
#include "support/dateien.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"

#include <QtTest>
#include <memory>
#include <optional>

namespace {

const char* const Gebietsschemata[] = {"de_DE.UTF-8", "en_US.UTF-8", "C"};

// The user's locale as a program started under it takes it: the environment, and the
// separator read from it once at the start.
void Starte(const QByteArray& lcAll) {
    qputenv("LC_ALL", lcAll);
    zahltext::SetzeDezimaltrenner(zahltext::TrennerAusUmgebung());
}

// A value as the user types it and as the window shows it under the locale in use.
QString Text(double wert) {
    return zahltext::Allgemein(wert);
}

// What a shown text means under the locale in use; NaN when it means nothing.
double Wert(const QString& text) {
    double wert = 0;
    return zahltext::VersucheGleitkomma(text, wert) ? wert : std::nan("");
}

// The very same double, not a near one: the files keep 15 significant digits, which every
// value below needs no more than.
QByteArray Vergleich(const char* was, double ist, double soll) {
    if (ist == soll) return {};
    return QByteArray(was) + ": " + QByteArray::number(ist, 'g', 17) + " statt " +
           QByteArray::number(soll, 'g', 17);
}

struct Ort {
    const char* name;
    double breite, laenge;
};
// Both hemispheres, far east and far west of Greenwich (east negative), two decimals, 15
// significant digits, and values the general format writes with an exponent.
const Ort Orte[] = {
    {"Freiburg", 47.99, -7.85},
    {"Genau", 48.1234567890123, -11.6543210987654},
    {"Sydney", -33.8688197029416, -151.209295531985},
    {"Honolulu", 21.31, 157.86},
    {"Klein", 1.23456789012345e-7, -0.000123456789012345},
};

struct Simulation {
    double phi, lam, speed;
};
const Simulation Simulationen[] = {
    {47.99, -7.85, 2.236},
    {-33.8688197029416, -151.209295531985, 2.23606797749979},
    {1.23456789012345e-7, 157.86, 1.5e-7},
};

// The parametrization window as the simulation file sees it: the speed as a double.
class Werte : public TrackerWerte {
public:
    double WinkelSpeed() const override { return speed; }
    int Gruppe() const override { return gruppe; }
    void UebernimmAusDatei(double winkelSpeed, int g) override {
        speed = winkelSpeed;
        gruppe = g;
        ++geladen;
    }
    void HoleSimDaten() override {}

    double speed = 0;
    int gruppe = 0;
    int geladen = 0;
};

} // namespace

class TestTrennerwechsel : public QObject {
    Q_OBJECT

    std::unique_ptr<TestOrdner> ordner;
    std::unique_ptr<TestAntworter> antworter;
    QByteArray lcAll_;

    QString Meldungen() const { return antworter->texte().join(QLatin1Char('|')); }

    void Waehle(TSDIAppForm& w, const QString& name) {
        const int i = Standortliste(w)->findText(name);
        QVERIFY2(i >= 0, qPrintable(name));
        Standortliste(w)->setCurrentIndex(i);
        emit Standortliste(w)->activated(i);
    }

    // --- each kind of file: written under the locale in use, then read under another ---

    void SchreibeEinstellungen() {
        SchreibeDatei(programmdateien::Einstellungsdatei(),
                      "[Form]\r\nTop=-40\r\nLeft=-1200\r\nHeight=700\r\nWidth=900\r\n");
        TSDIAppForm w;
        w.MerkePort(41);
        w.close();
    }
    void PruefeEinstellungen() {
        TSDIAppForm w;
        QCOMPARE(w.pos(), QPoint(-1200, -40));
        QCOMPARE(w.size(), QSize(900, 700));
        QCOMPARE(w.GespeicherterPort(), 41);
    }

    // Each site through "Insert", typed as the user types numbers under that locale.
    void SchreibeStandorte() {
        Anwendung a;
        for (const Ort& o : Orte) {
            antworter->dialogHandler.append([&o](QDialog* d) {
                auto* dlg = qobject_cast<TPositionDlg*>(d);
                if (!dlg) return int(QDialog::Rejected);
                dlg->SetzeEintrag({QString::fromUtf8(o.name), Text(o.breite), Text(o.laenge)});
                return int(QDialog::Accepted);
            });
            Aktion(*a.SDIAppForm, "Insert1")->trigger();
        }
    }
    // Each site chosen from the list fills the edits with the values written.
    void PruefeStandorte() {
        Anwendung a;
        TSDIAppForm& w = *a.SDIAppForm;
        for (const Ort& o : Orte) {
            Waehle(w, QString::fromUtf8(o.name));
            const QByteArray breite =
                Vergleich("Breite", Wert(Edit(w, "EditPhi")->text()), o.breite);
            const QByteArray laenge =
                Vergleich("Länge", Wert(Edit(w, "EditLam")->text()), o.laenge);
            QVERIFY2(breite.isEmpty(), o.name + (": " + breite));
            QVERIFY2(laenge.isEmpty(), o.name + (": " + laenge));
            QCOMPARE(Standortliste(w)->currentText(), QString::fromUtf8(o.name));
        }
    }

    QString SimPfad(int i) const { return ordner->filePath(QStringLiteral("sim%1.TRD").arg(i)); }

    // Each set through "Speichern unter", the coordinates typed into the main window.
    void SchreibeSimulationen() {
        int i = 0;
        for (const Simulation& s : Simulationen) {
            TSDIAppForm w;
            Werte werte;
            werte.speed = s.speed;
            w.SetzeTrackerWerte(&werte);
            Edit(w, "EditPhi")->setText(Text(s.phi));
            Edit(w, "EditLam")->setText(Text(s.lam));
            antworter->dateinamen << SimPfad(i++);
            Aktion(w, "FileSaveAs1")->trigger();
        }
    }
    // Each file through "Öffnen".
    void PruefeSimulationen() {
        int i = 0;
        for (const Simulation& s : Simulationen) {
            TSDIAppForm w;
            Werte werte;
            w.SetzeTrackerWerte(&werte);
            antworter->dateinamen << SimPfad(i++);
            Aktion(w, "FileOpen1")->trigger();
            QCOMPARE(werte.geladen, 1);
            for (const QByteArray& abweichung :
                 {Vergleich("Breitengrad", Wert(Edit(w, "EditPhi")->text()), s.phi),
                  Vergleich("Längengrad", Wert(Edit(w, "EditLam")->text()), s.lam),
                  Vergleich("Trackspeed", werte.speed, s.speed)})
                QVERIFY2(abweichung.isEmpty(), abweichung.constData());
        }
    }

    // The service tool's parameter file, through its own functions.
    static messages::TrackerParameter Parametersatz() {
        messages::TrackerParameter p;
        p.ParModulL = 1500;
        p.ParModulH = 160;
        p.ParModulA = 150;
        p.ParModulN = 30;
        p.ParIntervall = 9000;
        p.ParBreite = 4799;
        p.ParLaenge = -785;
        p.ParAnschlagOst = 75;
        p.ParAnschlagWest = 285;
        p.ParWinkelSpeed = 2.236;
        p.ParKorrekturFaktor = 1.001;
        return p;
    }
    QString ParameterPfad() const { return ordner->filePath(QStringLiteral("satz.ini")); }
    void SchreibeParameter() {
        SchreibeDatei(ParameterPfad(), parameterdatei::Schreibe(Parametersatz()).toUtf8());
    }
    void PruefeParameter() {
        const messages::TrackerParameter p =
            parameterdatei::Lies(QString::fromUtf8(LiesDatei(ParameterPfad())));
        QVERIFY(p == Parametersatz());
    }

private slots:
    void initTestCase() { lcAll_ = qgetenv("LC_ALL"); }

    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
        antworter = std::make_unique<TestAntworter>();
    }
    void cleanup() {
        antworter.reset();
        ordner.reset();
        Starte(lcAll_);
    }

    // Every kind of file, written under each locale and read under each.
    void gleicheWerte_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QByteArray>("schreiber");
        QTest::addColumn<QByteArray>("leser");
        for (const char* art : {"Einstellungen", "Standorte", "Simulationsdatei", "Parameterdatei"})
            for (const char* schreiber : Gebietsschemata)
                for (const char* leser : Gebietsschemata)
                    QTest::addRow("%s %s -> %s", art, schreiber, leser)
                        << QString::fromLatin1(art) << QByteArray(schreiber) << QByteArray(leser);
    }
    void gleicheWerte() {
        QFETCH(QString, art);
        QFETCH(QByteArray, schreiber);
        QFETCH(QByteArray, leser);
        struct Dateiart {
            const char* name;
            void (TestTrennerwechsel::*schreibe)();
            void (TestTrennerwechsel::*pruefe)();
        };
        const Dateiart arten[] = {
            {"Einstellungen", &TestTrennerwechsel::SchreibeEinstellungen,
             &TestTrennerwechsel::PruefeEinstellungen},
            {"Standorte", &TestTrennerwechsel::SchreibeStandorte,
             &TestTrennerwechsel::PruefeStandorte},
            {"Simulationsdatei", &TestTrennerwechsel::SchreibeSimulationen,
             &TestTrennerwechsel::PruefeSimulationen},
            {"Parameterdatei", &TestTrennerwechsel::SchreibeParameter,
             &TestTrennerwechsel::PruefeParameter},
        };
        for (const Dateiart& a : arten) {
            if (art != QLatin1String(a.name)) continue;
            Starte(schreiber);
            (this->*a.schreibe)();
            if (QTest::currentTestFailed()) return;
            QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
            Starte(leser);
            (this->*a.pruefe)();
            QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
        }
    }

    // A number with group separators (or both separators) has no one meaning: whichever
    // locale reads it, choosing the site shows a message naming the file, the site and the
    // key, and the edits keep the site shown before; "--unbekannt---" stands in the list.
    void standortMitTausendertrennern_data() {
        QTest::addColumn<QByteArray>("leser");
        QTest::addColumn<QByteArray>("breite");
        QTest::addColumn<QByteArray>("laenge");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("text");
        struct Fall {
            const char* name;
            const char *breite, *laenge, *schluessel, *text;
        };
        const Fall faelle[] = {
            {"Komma und Punkt", "1.234,5", "-7,85", "Breite", "1.234,5"},
            {"Punkt und Komma", "47.99", "1,234.5", "Länge", "1,234.5"},
            {"Punkte", "1.234.567", "-7.85", "Breite", "1.234.567"},
            {"Kommas", "47,99", "-1,234,567", "Länge", "-1,234,567"},
        };
        for (const char* leser : Gebietsschemata)
            for (const Fall& f : faelle)
                QTest::addRow("%s unter %s", f.name, leser)
                    << QByteArray(leser) << QByteArray(f.breite) << QByteArray(f.laenge)
                    << QString::fromUtf8(f.schluessel) << QString::fromUtf8(f.text);
    }
    void standortMitTausendertrennern() {
        QFETCH(QByteArray, leser);
        QFETCH(QByteArray, breite);
        QFETCH(QByteArray, laenge);
        QFETCH(QString, schluessel);
        QFETCH(QString, text);
        const QString datei = programmdateien::Standortdatei();
        SchreibeDatei(datei,
                      "[Freiburg]\r\nBreite=47.99\r\nL\xE4nge=-7.85\r\n[Gruppiert]\r\nBreite=" +
                          breite + "\r\nL\xE4nge=" + laenge + "\r\n");
        Starte(leser);
        Anwendung a;
        TSDIAppForm& w = *a.SDIAppForm;
        Waehle(w, QStringLiteral("Freiburg"));
        const QString phi = Edit(w, "EditPhi")->text();
        const QString lam = Edit(w, "EditLam")->text();
        QCOMPARE(Wert(phi), 47.99);
        Waehle(w, QStringLiteral("Gruppiert"));
        QCOMPARE(antworter->meldungen.size(), 1);
        const QString meldung = antworter->meldungen.front().text;
        for (const QString& teil : {datei, QStringLiteral("[Gruppiert]"), schluessel, text})
            QVERIFY2(meldung.contains(teil), qPrintable(teil + " fehlt in: " + meldung));
        QCOMPARE(Edit(w, "EditPhi")->text(), phi);
        QCOMPARE(Edit(w, "EditLam")->text(), lam);
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("--unbekannt---"));
    }

    // "Edit" on a site whose entry has since been changed to group separators: the message,
    // no dialog, the edits as they were.
    void bearbeitenMitTausendertrennern() {
        const QString datei = programmdateien::Standortdatei();
        SchreibeDatei(datei, "[Freiburg]\r\nBreite=47.99\r\nL\xE4nge=-7.85\r\n");
        Starte("de_DE.UTF-8");
        Anwendung a;
        TSDIAppForm& w = *a.SDIAppForm;
        Waehle(w, QStringLiteral("Freiburg"));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("47,99"));
        SchreibeDatei(datei, "[Freiburg]\r\nBreite=4.799,0\r\nL\xE4nge=-7.85\r\n");
        Aktion(w, "E1")->trigger();
        QCOMPARE(antworter->texte().size(), 1);
        QVERIFY2(antworter->texte().front().contains(QStringLiteral("Breite=4.799,0")),
                 qPrintable(Meldungen()));
        QVERIFY(antworter->modaleDialoge.isEmpty());
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("47,99"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-7,85"));
    }

    // The same in a simulation file: "Öffnen" shows the message and loads nothing.
    void simulationsdateiMitTausendertrennern_data() {
        QTest::addColumn<QByteArray>("leser");
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("text");
        struct Fall {
            const char *name, *zeile, *schluessel, *text;
        };
        const Fall faelle[] = {
            {"Breite", "Breitengrad=1.234,5", "Breitengrad", "1.234,5"},
            {"Länge", "L\xE4ngengrad=-1,234.5", "Längengrad", "-1,234.5"},
            {"Speed", "Trackspeed=1.234.567", "Trackspeed", "1.234.567"},
        };
        for (const char* leser : Gebietsschemata)
            for (const Fall& f : faelle)
                QTest::addRow("%s unter %s", f.name, leser)
                    << QByteArray(leser) << QByteArray(f.zeile) << QString::fromUtf8(f.schluessel)
                    << QString::fromUtf8(f.text);
    }
    void simulationsdateiMitTausendertrennern() {
        QFETCH(QByteArray, leser);
        QFETCH(QByteArray, zeile);
        QFETCH(QString, schluessel);
        QFETCH(QString, text);
        const QString pfad = ordner->filePath(QStringLiteral("gruppiert.TRD"));
        // The refused line first: of two equal keys the first counts.
        SchreibeDatei(pfad, "[Parameter]\r\nModulbreite=2000\r\n" + zeile +
                                "\r\nBreitengrad=12,5\r\nL\xE4ngengrad=-7.85\r\n"
                                "Trackspeed=2.236\r\n");
        Starte(leser);
        TSDIAppForm w;
        Werte werte;
        w.SetzeTrackerWerte(&werte);
        const QString titel = w.windowTitle();
        const QString modulL = Edit(w, "EditModulL")->text();
        const QString phi = Edit(w, "EditPhi")->text();
        antworter->dateinamen << pfad;
        Aktion(w, "FileOpen1")->trigger();
        QCOMPARE(antworter->meldungen.size(), 1);
        const QString meldung = antworter->meldungen.front().text;
        for (const QString& teil : {pfad, QStringLiteral("[Parameter]"), schluessel, text})
            QVERIFY2(meldung.contains(teil), qPrintable(teil + " fehlt in: " + meldung));
        QCOMPARE(werte.geladen, 0);
        QCOMPARE(Edit(w, "EditModulL")->text(), modulL);
        QCOMPARE(Edit(w, "EditPhi")->text(), phi);
        QCOMPARE(w.windowTitle(), titel);
    }

    // The parameter file is written with a point under every locale and refuses anything
    // else that is no plain number with the line and the key.
    void parameterdateiMitTausendertrennern_data() {
        QTest::addColumn<QByteArray>("leser");
        QTest::addColumn<QString>("text");
        for (const char* leser : Gebietsschemata)
            for (const char* text : {"1.234,5", "1,234.5", "1.234.567"})
                QTest::addRow("%s unter %s", text, leser)
                    << QByteArray(leser) << QString::fromLatin1(text);
    }
    void parameterdateiMitTausendertrennern() {
        QFETCH(QByteArray, leser);
        QFETCH(QString, text);
        Starte(leser);
        QString satz = parameterdatei::Schreibe(Parametersatz());
        satz.replace(QStringLiteral("Breitengrad=47.99"), QStringLiteral("Breitengrad=") + text);
        const qsizetype zeile =
            satz.left(satz.indexOf(QStringLiteral("Breitengrad="))).count(u'\n') + 1;
        try {
            parameterdatei::Lies(satz);
            QFAIL("gelesen");
        } catch (const BenutzerFehler& f) {
            QCOMPARE(f.meldung(), QStringLiteral("Zeile %1 (Breitengrad): '%2' ist kein gültiger "
                                                 "Gleitkommawert")
                                      .arg(zeile)
                                      .arg(text));
        }
    }
};

QTEST_MAIN(TestTrennerwechsel)
#include "tst_trennerwechsel.moc"
