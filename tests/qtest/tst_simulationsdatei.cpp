// Simulation files in the main window: "Öffnen", "&Speichern" and "Speichern &unter..." with
// their dialogs answered by the test, the parametrization window's speed and group through a
// stand-in, and every failure a user can meet on the way.
#include "basis/produkt.h"
#include "basis/programmdateien.h"
#include "basis/trackerwerte.h"
#include "basis/zahltext.h"
#include "support/bedienung.h"
#include "support/dateien.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "widgets/updownedit.h"
#include "workspace/SDIMAIN.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

// The parametrization window as the file sees it, keeping its values as the window does:
// the speed shown x 1000 truncated toward zero as an unsigned 32-bit number, the group's
// low 8 bits. It notes each call with what the main window showed at that moment.
class TrackerWerteAttrappe : public TrackerWerte {
public:
    explicit TrackerWerteAttrappe(const TSDIAppForm& fenster) : fenster_(fenster) {}

    double WinkelSpeed() const override { return speed; }
    int Gruppe() const override { return gruppe; }
    void UebernimmAusDatei(double winkelSpeed, int g) override {
        aufrufe << QStringLiteral("Datei");
        speed = winkelSpeed;
        gruppe = g & 0xFF;
        EditWinkelSpeed = QString::number(
            static_cast<quint32>(static_cast<qint64>(std::trunc(winkelSpeed * 1000))));
    }
    void HoleSimDaten() override {
        aufrufe << QStringLiteral("GET Sim Daten");
        titelBeimHolen = fenster_.windowTitle();
        eingabenBeimHolen = fenster_.LeseSimEingaben();
    }

    double speed = 0;
    int gruppe = 0;
    QString EditWinkelSpeed = QStringLiteral("0");
    QStringList aufrufe;
    QString titelBeimHolen;
    SimEingaben eingabenBeimHolen;

private:
    const TSDIAppForm& fenster_;
};

const char* const ZehnEdits[] = {"EditModulL",      "EditModulH",  "EditModulA", "EditModulN",
                                 "EditIntervall",   "EditLam",     "EditPhi",    "EditEndlageStart",
                                 "EditEndlageStop", "EditModulpos"};

const QByteArray NeueDatei = "[Parameter]\r\n"
                             "Modulbreite=1500\r\n"
                             "Modulh\xF6he=160\r\n"
                             "Modulabstand=150\r\n"
                             "Modulneigung=30\r\n"
                             "Trackintervall=15\r\n"
                             "L\xE4ngengrad=-13\r\n"
                             "Breitengrad=51\r\n"
                             "EndlageStart=75\r\n"
                             "EndlageStop=285\r\n"
                             "Modulpos=-90\r\n"
                             "Trackspeed=2,236\r\n"
                             "Trackergruppe=0\r\n";

QStringList Texte(const TSDIAppForm& w) {
    QStringList t;
    for (const char* name : ZehnEdits)
        t << Edit(w, name)->text();
    return t;
}

QStringList Ergebnisse(const TSDIAppForm& w) {
    QStringList t;
    for (const char* name :
         {"LabelAzimut", "LabelHoehe", "LabelSchatten", "LabelWinkelZurSonne", "LabelTrackerPos",
          "LabelSonnenwende", "LabelAOstMax", "LabelAWestMax"})
        t << Label(w, name)->text();
    return t;
}

} // namespace

class TestSimulationsdatei : public QObject {
    Q_OBJECT

    std::unique_ptr<TestOrdner> ordner;
    std::unique_ptr<TestAntworter> antworter;

    QString Pfad(const QString& name) const { return ordner->filePath(name); }
    QStringList Dateien() const {
        return QDir(ordner->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // Opens the file through "Öffnen" (Ctrl+O).
    void Oeffne(TSDIAppForm& w, const QString& pfad) {
        antworter->dateinamen << pfad;
        Aktion(w, "FileOpen1")->trigger();
    }
    void Speichere(TSDIAppForm& w, const QString& pfad, const char* aktion = "FileSave1") {
        antworter->dateinamen << pfad;
        Aktion(w, aktion)->trigger();
    }
    QString Meldungen() const { return antworter->texte().join(QLatin1Char('|')); }

private slots:
    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
        antworter = std::make_unique<TestAntworter>();
    }
    void cleanup() {
        antworter.reset();
        ordner.reset();
    }

    void aktionen() {
        TSDIAppForm w;
        QCOMPARE(Aktion(w, "FileOpen1")->text(), QStringLiteral("Ö&ffnen"));
        QCOMPARE(Aktion(w, "FileOpen1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(Aktion(w, "FileSave1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(Aktion(w, "FileSaveAs1")->text(), QStringLiteral("Speichern &unter..."));
    }

    // Cancelling a dialog changes nothing and writes nothing.
    void abbrechen_data() {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Öffnen") << "FileOpen1"
                                << "Öffnen|Alle Dateien (*.TRD)";
        QTest::newRow("Speichern") << "FileSave1"
                                   << "Speichern unter|Alle Dateien (*.TRD)";
        QTest::newRow("Speichern unter") << "FileSaveAs1"
                                         << "Speichern unter|Alle Dateien (*.TRD)";
    }
    void abbrechen() {
        QFETCH(QString, aktion);
        QFETCH(QString, dialog);
        TSDIAppForm w;
        TrackerWerteAttrappe werte(w);
        w.SetzeTrackerWerte(&werte);
        const QStringList dateien = Dateien();
        const QStringList vorher = Texte(w);
        Aktion(w, qPrintable(aktion))->trigger();
        QCOMPARE(antworter->dateiDialoge, QStringList{dialog});
        QCOMPARE(Texte(w), vorher);
        QCOMPARE(w.windowTitle(), produkt::Titel());
        QVERIFY(werte.aufrufe.isEmpty());
        QCOMPARE(Dateien(), dateien);
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
    }

    // The main window's defaults and a speed of 2.236 under a comma: the twelve values of
    // the table in its order, "EndlageStop" as entered although the calculation keeps
    // -75. Both save items do the same; the name gets ".TRD"; the caption stays.
    void speichernNeueDatei_data() {
        QTest::addColumn<QString>("aktion");
        QTest::newRow("Speichern") << "FileSave1";
        QTest::newRow("Speichern unter") << "FileSaveAs1";
    }
    void speichernNeueDatei() {
        QFETCH(QString, aktion);
        TSDIAppForm w;
        TrackerWerteAttrappe werte(w);
        werte.speed = 2.236;
        w.SetzeTrackerWerte(&werte);
        w.SetzeDatumZeit("2008", "7", "7", "11", "0");
        Edit(w, "EditPhi")->setText(QStringLiteral("51"));
        Edit(w, "EditLam")->setText(QStringLiteral("-13"));
        QCOMPARE(w.Zustand().EndlageStop, -75.0);
        Speichere(w, Pfad("anlage"), qPrintable(aktion));
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
        QCOMPARE(LiesDatei(Pfad("anlage.TRD")), NeueDatei);
        QCOMPARE(w.windowTitle(), produkt::Titel());
        QVERIFY(werte.aufrufe.isEmpty());
    }

    // Until the parametrization window is handed over, speed and group are saved as 0 and a
    // load touches neither.
    void ohneParametrierfenster() {
        TSDIAppForm w;
        Speichere(w, Pfad("a.TRD"));
        const QByteArray text = LiesDatei(Pfad("a.TRD"));
        QVERIFY2(text.endsWith("\r\nTrackspeed=0\r\nTrackergruppe=0\r\n"), text.constData());
        Oeffne(w, Pfad("a.TRD"));
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
        QCOMPARE(w.windowTitle(), "Heliowendler-Simulation File: " + Pfad("a.TRD"));
    }

    // A text that does not convert stops the save with its message before anything is
    // written: the file keeps every byte, a new file is not created.
    void speichernKonvertierfehler_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Modulpos 1,5") << "EditModulpos"
                                      << "1,5"
                                      << "''1,5'' ist kein gültiger Integer-Wert";
        QTest::newRow("EndlageStop leer") << "EditEndlageStop"
                                          << ""
                                          << "'''' ist kein gültiger Integer-Wert";
        QTest::newRow("Breitengrad mit Punkt") << "EditPhi"
                                               << "50.53"
                                               << "'50.53' ist kein gültiger Gleitkommawert";
    }
    void speichernKonvertierfehler() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        const QByteArray vorher = "[Parameter]\r\nModulbreite=1\r\nModulh\xF6he=2\r\n"
                                  "Modulpos=3\r\n[Notiz]\r\nx=y\r\n";
        SchreibeDatei(Pfad("alt.TRD"), vorher);
        TSDIAppForm w;
        TrackerWerteAttrappe werte(w);
        werte.speed = 2.236;
        w.SetzeTrackerWerte(&werte);
        // Typed while the simulation runs, so no calculation stops at it (a latitude still
        // runs the Sonnenwende search, which fails on it).
        Knopf(w, "ButtonSIMstart")->click();
        Edit(w, qPrintable(edit))->setText(text);
        antworter->meldungen.clear();

        Speichere(w, Pfad("alt.TRD"));
        Speichere(w, Pfad("neu.TRD"));
        QCOMPARE(antworter->texte(), (QStringList{meldung, meldung}));
        QCOMPARE(antworter->meldungen[0].titel, produkt::Titel());
        QCOMPARE(LiesDatei(Pfad("alt.TRD")), vorher);
        QCOMPARE(Dateien(), (QStringList{"alt.TRD"}));
    }

    void speichernNichtSchreibbar() {
        const QByteArray vorher = "[Parameter]\r\nModulbreite=1\r\n";
        SchreibeDatei(Pfad("fest.TRD"), vorher);
        QVERIFY(QFile::setPermissions(Pfad("fest.TRD"),
                                      QFileDevice::ReadOwner | QFileDevice::ReadUser));
        TSDIAppForm w;
        Speichere(w, Pfad("fest.TRD"));
        QCOMPARE(antworter->texte(),
                 QStringList{"In " + Pfad("fest.TRD") + " kann nicht geschrieben werden"});
        QCOMPARE(LiesDatei(Pfad("fest.TRD")), vorher);
    }

    // No section "Parameter": the ten edits "0", speed and group 0, the path in the caption,
    // and the calculation runs with these values; then "GET Sim Daten " sees all of it.
    void oeffnenOhneAbschnitt() {
        SchreibeDatei(Pfad("leer.TRD"), "[Anderes]\r\nModulbreite=1500\r\n");
        TSDIAppForm w;
        TrackerWerteAttrappe werte(w);
        werte.speed = 2.5;
        werte.gruppe = 3;
        werte.EditWinkelSpeed = QStringLiteral("2500");
        w.SetzeTrackerWerte(&werte);
        w.SetzeDatumZeit("2008", "7", "7", "11", "0");
        Oeffne(w, Pfad("leer.TRD"));
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
        QCOMPARE(Texte(w), QStringList(std::size(ZehnEdits), QStringLiteral("0")));
        QCOMPARE(werte.speed, 0.0);
        QCOMPARE(werte.EditWinkelSpeed, QStringLiteral("0"));
        QCOMPARE(werte.gruppe, 0);
        const QString titel = "Heliowendler-Simulation File: " + Pfad("leer.TRD");
        QCOMPARE(w.windowTitle(), titel);
        QCOMPARE(werte.aufrufe, (QStringList{"Datei", "GET Sim Daten"}));
        QCOMPARE(werte.titelBeimHolen, titel);
        QCOMPARE(werte.eingabenBeimHolen, w.LeseSimEingaben());
        QCOMPARE(w.Zustand().ModulL, 0.0);
        QCOMPARE(w.Zustand().EndlageStop, -360.0);
        QCOMPARE(Label(w, "LabelSchatten")->text(), QStringLiteral("0,0 cm"));
    }

    // Speed and group reach the parametrization window through its interface: 2,236 shows
    // as "2236" (also when written under a point), -1 as 2^32 - 1000; a group of 300 keeps
    // its low 8 bits.
    void oeffnenGeschwindigkeitUndGruppe_data() {
        QTest::addColumn<QByteArray>("speed");
        QTest::addColumn<QByteArray>("gruppe");
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("zeitGruppe");
        QTest::newRow("2,236") << QByteArray("2,236") << QByteArray("5") << 2.236 << "2236" << 5;
        QTest::newRow("-1") << QByteArray("-1") << QByteArray("300") << -1.0 << "4294966296" << 44;
        QTest::newRow("Punkt unter Komma")
            << QByteArray("2.236") << QByteArray("0x1F") << 2.236 << "2236" << 31;
    }
    void oeffnenGeschwindigkeitUndGruppe() {
        QFETCH(QByteArray, speed);
        QFETCH(QByteArray, gruppe);
        QFETCH(double, wert);
        QFETCH(QString, edit);
        QFETCH(int, zeitGruppe);
        SchreibeDatei(Pfad("t.TRD"), "[Parameter]\r\nTrackspeed=" + speed +
                                         "\r\nTrackergruppe=" + gruppe + "\r\n");
        TSDIAppForm w;
        TrackerWerteAttrappe werte(w);
        w.SetzeTrackerWerte(&werte);
        Oeffne(w, Pfad("t.TRD"));
        QCOMPARE(werte.speed, wert);
        QCOMPARE(werte.EditWinkelSpeed, edit);
        QCOMPARE(werte.gruppe, zeitGruppe);
        // What was loaded is what the next save writes.
        Speichere(w, Pfad("zurueck.TRD"));
        QVERIFY(LiesDatei(Pfad("zurueck.TRD"))
                    .endsWith("\r\nTrackergruppe=" + QByteArray::number(zeitGruppe) + "\r\n"));
    }

    // Loaded coordinates show "--unbekannt---", even when they are a stored site's.
    void oeffnenStandortUnbekannt() {
        SchreibeDatei(programmdateien::Standortdatei(), "[B]\r\nBreite=48,1\r\nL\xE4nge=-11,6\r\n"
                                                        "[A]\r\nBreite=51\r\nL\xE4nge=-13\r\n");
        SchreibeDatei(Pfad("a.TRD"), "[Parameter]\r\nL\xE4ngengrad=-13\r\nBreitengrad=51\r\n");
        TSDIAppForm w;
        QComboBox* liste = Standortliste(w);
        liste->setCurrentIndex(liste->findText(QStringLiteral("B")));
        emit liste->activated(liste->currentIndex());
        QCOMPARE(liste->currentText(), QStringLiteral("B"));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("48,1"));
        Oeffne(w, Pfad("a.TRD"));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("51"));
        QCOMPARE(liste->currentText(), QStringLiteral("--unbekannt---"));
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
    }

    // While the simulation runs the change handlers do not calculate; the load still does,
    // so the results show the loaded configuration at once.
    void oeffnenRechnetAuchWaehrendDerSimulation() {
        TSDIAppForm w;
        w.SetzeDatumZeit("2008", "7", "7", "11", "0");
        Knopf(w, "ButtonBerechnen")->click();
        Speichere(w, Pfad("heim.TRD"));
        Edit(w, "EditLam")->setText(QStringLiteral("-7"));
        Edit(w, "EditPhi")->setText(QStringLiteral("40"));
        Knopf(w, "ButtonSIMstart")->click();
        const QStringList vorher = Ergebnisse(w);

        SchreibeDatei(Pfad("sued.TRD"), "[Parameter]\r\nModulbreite=1500\r\nModulh\xF6he=160\r\n"
                                        "Modulabstand=150\r\nModulneigung=30\r\n"
                                        "Trackintervall=15\r\nL\xE4ngengrad=-13\r\n"
                                        "Breitengrad=30\r\nEndlageStart=75\r\n"
                                        "EndlageStop=285\r\nModulpos=-90\r\n");
        Oeffne(w, Pfad("sued.TRD"));
        const QStringList geladen = Ergebnisse(w);
        QVERIFY(geladen != vorher);
        Knopf(w, "ButtonBerechnen")->click();
        QCOMPARE(Ergebnisse(w), geladen);
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
    }

    // A change handling that fails ends the load there, with one message: the edits before
    // it hold the file's values, the caption and the parametrization window are untouched.
    void oeffnenBrichtBeiFehlerAb() {
        SchreibeDatei(Pfad("a.TRD"), "[Parameter]\r\nModulbreite=1400\r\nModulh\xF6he=150\r\n"
                                     "Trackspeed=1\r\n");
        TSDIAppForm w;
        TrackerWerteAttrappe werte(w);
        w.SetzeTrackerWerte(&werte);
        Knopf(w, "ButtonSIMstart")->click();
        Edit(w, "EditScale")->setText(QStringLiteral("x"));
        Knopf(w, "ButtonSIMstop")->click();
        Oeffne(w, Pfad("a.TRD"));
        QCOMPARE(antworter->texte(), QStringList{"''x'' ist kein gültiger Integer-Wert"});
        QCOMPARE(Edit(w, "EditModulL")->text(), QStringLiteral("1400"));
        QCOMPARE(Edit(w, "EditModulH")->text(), QStringLiteral("160"));
        QCOMPARE(w.windowTitle(), produkt::Titel());
        QVERIFY(werte.aufrufe.isEmpty());
    }

    // A saved file opens to the same inputs; the caption shows the last file opened, also
    // after saving under another name.
    void hinUndZurueck() {
        TSDIAppForm w;
        TrackerWerteAttrappe werte(w);
        werte.speed = 1.75;
        werte.gruppe = 200;
        w.SetzeTrackerWerte(&werte);
        w.SetzeDatumZeit("2008", "7", "7", "11", "0");
        const QStringList texte = {"2000",  "170",    "180", "25",  "10",
                                   "-9,99", "48,125", "80",  "280", "-85"};
        for (int i = 0; i < texte.size(); ++i)
            Edit(w, ZehnEdits[i])->setText(texte[i]);
        Speichere(w, Pfad("eins.TRD"));
        Oeffne(w, Pfad("eins.TRD"));
        for (const char* name : ZehnEdits)
            Edit(w, name)->setText(QStringLiteral("1"));
        werte.speed = 0;
        werte.gruppe = 0;
        Oeffne(w, Pfad("eins.TRD"));
        Speichere(w, Pfad("zwei.TRD"));
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
        QCOMPARE(Texte(w), texte);
        QCOMPARE(werte.speed, 1.75);
        QCOMPARE(werte.gruppe, 200);
        QCOMPARE(LiesDatei(Pfad("zwei.TRD")), LiesDatei(Pfad("eins.TRD")));
        QCOMPARE(w.windowTitle(), "Heliowendler-Simulation File: " + Pfad("eins.TRD"));
    }

    // "rt" chosen in the open dialog opens "rt.TRD" (also beside a folder "rt"); a name that
    // exists in neither form is said so, and nothing is loaded.
    void oeffnenOhneEndungOderGarNicht_data() {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<bool>("ordnerRt");
        QTest::addColumn<QString>("meldung"); // %1: the chosen path; empty: loaded
        QTest::newRow("ohne Endung") << "rt" << false << "";
        QTest::newRow("neben Ordner") << "rt" << true << "";
        QTest::newRow("mit Endung") << "rt.TRD" << false << "";
        QTest::newRow("fehlt ohne Endung")
            << "gibtsnicht" << false
            << "Die Datei %1 gibt es nicht (auch nicht mit der Endung .TRD).";
        QTest::newRow("fehlt mit Endung")
            << "gibtsnicht.trd" << false << "Die Datei %1 gibt es nicht.";
        QTest::newRow("nur Ordner") << "rt" << true
                                    << "Die Datei %1 gibt es nicht (auch nicht mit der Endung "
                                       ".TRD).";
    }
    void oeffnenOhneEndungOderGarNicht() {
        QFETCH(QString, gewaehlt);
        QFETCH(bool, ordnerRt);
        QFETCH(QString, meldung);
        const bool geladen = meldung.isEmpty();
        if (geladen || !ordnerRt)
            SchreibeDatei(Pfad("rt.TRD"), "[Parameter]\r\nModulbreite=1234\r\n");
        if (ordnerRt) QVERIFY(QDir().mkpath(Pfad("rt")));
        TSDIAppForm w;
        const QString titel = w.windowTitle();
        Oeffne(w, Pfad(gewaehlt));
        if (geladen) {
            QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
            QCOMPARE(Edit(w, "EditModulL")->text(), QStringLiteral("1234"));
            QCOMPARE(w.windowTitle(), "Heliowendler-Simulation File: " + Pfad("rt.TRD"));
        } else {
            QCOMPARE(antworter->texte(), QStringList{meldung.arg(Pfad(gewaehlt))});
            QCOMPARE(Edit(w, "EditModulL")->text(), QStringLiteral("1500"));
            QCOMPARE(w.windowTitle(), titel);
        }
    }

    // The open dialog itself lets a typed name through that does not exist as typed, so that
    // the default extension can be applied to it; a dialog that refuses it (with a box of its
    // own) is cancelled here rather than left waiting.
    void oeffnenDialogNimmtNamenOhneEndung() {
        SchreibeDatei(Pfad("rt.TRD"), "[Parameter]\r\n");
        QStringList boxen;
        bool getippt = false;
        QTimer treiber;
        connect(&treiber, &QTimer::timeout, [&] {
            QWidget* oben = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(oben)) {
                boxen << box->text();
                box->done(QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<QFileDialog*>(oben)) {
                if (getippt) {
                    dialog->reject(); // still open: the name was refused
                    return;
                }
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                getippt = true;
                name->setText(QStringLiteral("rt"));
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
        });
        treiber.start(20);
        dialoge::Antworter echt;
        const QString gewaehlt =
            echt.dateiOeffnen(nullptr, QStringLiteral("Öffnen"), ordner->path(),
                              QStringLiteral("Alle Dateien (*.TRD)"));
        treiber.stop();
        QVERIFY(getippt);
        QVERIFY2(boxen.isEmpty(), qPrintable(boxen.join(u'|')));
        QCOMPARE(gewaehlt, Pfad("rt"));
    }

    // Each dialog starts with the name last chosen in it; a cancel keeps that name.
    void dialogeMerkenIhrenNamen() {
        SchreibeDatei(Pfad("a.TRD"), "[Parameter]\r\n");
        TSDIAppForm w;
        Oeffne(w, Pfad("a.TRD"));
        Aktion(w, "FileOpen1")->trigger(); // cancelled
        Oeffne(w, Pfad("a"));              // taken as a.TRD
        Speichere(w, Pfad("b"));
        Aktion(w, "FileSaveAs1")->trigger(); // cancelled
        Speichere(w, Pfad("c.TRD"));
        QCOMPARE(antworter->dateiVorgaben,
                 (QStringList{"", Pfad("a.TRD"), Pfad("a.TRD"), "", Pfad("b.TRD"), Pfad("b.TRD")}));
        QCOMPARE(Dateien(), (QStringList{"a.TRD", "b.TRD", "c.TRD"}));
        QVERIFY2(antworter->meldungen.isEmpty(), qPrintable(Meldungen()));
    }
};

QTEST_MAIN(TestSimulationsdatei)
#include "tst_simulationsdatei.moc"
