// Main window: start-up and settings file, the calculation driver and the change handlers.
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "support/bedienung.h"
#include "support/dateien.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "widgets/handlerlauf.h"
#include "widgets/updownedit.h"
#include "workspace/SDIMAIN.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

class TestHauptfenster : public OrdnerTestfall {
    Q_OBJECT

    QString ini() const { return programmdateien::Einstellungsdatei(); }

    // A known instant for whose results the numbers are known.
    static void Setze7Juli2008(TSDIAppForm& w) { w.SetzeDatumZeit("2008", "7", "7", "11", "0"); }

private slots:
    void ohneEinstellungsdatei() {
        TestAntworter antworter;
        {
            TSDIAppForm w;
            // The size asked for; once shown, the window grows to what its controls need.
            QCOMPARE(w.pos(), QPoint(100, 100));
            QCOMPARE(w.frameGeometry().size(), QSize(800, 600));
            QVERIFY(!w.StartetMaximiert());
            QCOMPARE(w.GespeicherterPort(), 0);
            QVERIFY(w.Zustand().SimEnabled);
            QCOMPARE(w.Zustand().WendeStunde, 11); // preset site, design date: search has run
            w.close();
        }
        QVERIFY(antworter.meldungen.isEmpty());
        QFile f(ini());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        for (const char* key : {"Top=", "Left=", "Height=", "Width=",
                                "Caption=Heliowendler-Simulation", "InitMax=0", "Sender1=1"})
            QVERIFY2(text.contains(key), key);
        QVERIFY(text.contains("[Form]\r\n"));
        QVERIFY(text.contains("[COMs]\r\n"));
    }

    void einstellungenWerdenGelesen() {
        SchreibeDatei(ini(), "[Form]\r\nTop=40\r\nLeft=30\r\nHeight=700\r\nWidth=900\r\n"
                             "InitMax=1\r\n[COMs]\r\nSender1=4\r\n");
        TestAntworter antworter;
        TSDIAppForm w;
        QCOMPARE(w.pos(), QPoint(30, 40));
        QCOMPARE(w.frameGeometry().size(), QSize(900, 700));
        QVERIFY(w.StartetMaximiert());
        QCOMPARE(w.GespeicherterPort(), 3);
    }

    void sender1Null() {
        SchreibeDatei(ini(), "[COMs]\r\nSender1=0\r\n");
        TestAntworter antworter;
        {
            TSDIAppForm w;
            QCOMPARE(w.GespeicherterPort(), -1);
            w.close();
        }
        QFile f(ini());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("Sender1=0\r\n"));
    }

    // Numbers a window or a port cannot have are brought into range as they are read: no
    // arithmetic on them overflows, and closing writes what the window really had.
    void einstellungenAusserhalbDesBereichs_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("comPortNr");
        QTest::addColumn<QRect>("fenster");
        const QByteArray form = "[Form]\r\nTop=40\r\nLeft=30\r\nHeight=700\r\nWidth=900\r\n";
        QTest::newRow("Sender1 kleinste Zahl") << form + "[COMs]\r\nSender1=-2147483648\r\n"
                                               << 0 << QRect(30, 40, 900, 700);
        QTest::newRow("Sender1 groesste Zahl") << form + "[COMs]\r\nSender1=2147483647\r\n"
                                               << 0 << QRect(30, 40, 900, 700);
        QTest::newRow("Sender1 -1") << form + "[COMs]\r\nSender1=-1\r\n"
                                    << 0 << QRect(30, 40, 900, 700);
        QTest::newRow("Sender1 COM256") << form + "[COMs]\r\nSender1=257\r\n"
                                        << 256 << QRect(30, 40, 900, 700);
        QTest::newRow("Sender1 258") << form + "[COMs]\r\nSender1=258\r\n"
                                     << 257 << QRect(30, 40, 900, 700);
        // The highest number the section "Ports" can pin survives a restart.
        QTest::newRow("Sender1 COM999999") << form + "[COMs]\r\nSender1=1000000\r\n"
                                           << 999999 << QRect(30, 40, 900, 700);
        QTest::newRow("Sender1 jenseits") << form + "[COMs]\r\nSender1=1000001\r\n"
                                          << 0 << QRect(30, 40, 900, 700);
        QTest::newRow("Form groesste und kleinste Zahlen")
            << QByteArray("[Form]\r\nTop=-2147483648\r\nLeft=2147483647\r\n"
                          "Height=-2147483648\r\nWidth=2147483647\r\n")
            << 0 << QRect(16384, -16384, 16384, 0);
        QTest::newRow("Form knapp innerhalb")
            << QByteArray("[Form]\r\nTop=16384\r\nLeft=-16384\r\nHeight=16384\r\nWidth=0\r\n") << 0
            << QRect(-16384, 16384, 0, 16384);
    }
    void einstellungenAusserhalbDesBereichs() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, comPortNr);
        QFETCH(QRect, fenster);
        SchreibeDatei(ini(), inhalt);
        TestAntworter antworter;
        {
            TSDIAppForm w;
            QCOMPARE(w.GespeicherterPort(), comPortNr);
            QCOMPARE(w.pos(), fenster.topLeft());
            QCOMPARE(w.size(), fenster.size());
            w.close();
        }
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));
        QFile f(ini());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        for (const QByteArray& zeile : {"Sender1=" + QByteArray::number(comPortNr + 1),
                                        "Top=" + QByteArray::number(fenster.top()),
                                        "Left=" + QByteArray::number(fenster.left()),
                                        "Height=" + QByteArray::number(fenster.height()),
                                        "Width=" + QByteArray::number(fenster.width())})
            QVERIFY2(text.contains(zeile + "\r\n"), zeile.constData());
    }

    // Tab goes the way the eye reads: the date, then the site list heading its group, then
    // the latitude and the other inputs.
    void tabulatorfolge() {
        TestAntworter antworter;
        TSDIAppForm w;
        w.show();
        QStringList kette;
        QWidget* x = w.nextInFocusChain();
        for (int i = 0; i < 200 && x != &w && kette.size() < 8; ++i, x = x->nextInFocusChain())
            if ((x->focusPolicy() & Qt::TabFocus) && x->isVisibleTo(&w) &&
                !x->objectName().startsWith(QLatin1String("qt_")) && !x->objectName().isEmpty())
                kette << x->objectName();
        QCOMPARE(kette, (QStringList{"EditJahr", "EditMonat", "EditTag", "EditStunde", "EditMinute",
                                     "ComboBoxPosition", "EditPhi", "EditLam"}));
    }

    // Every menu and every item of the service menu has its access key.
    void menuesMitZugriffstasten() {
        TestAntworter antworter;
        TSDIAppForm w;
        QStringList titel;
        for (QAction* a : w.menuBar()->actions()) {
            titel << a->text();
            QVERIFY2(a->text().count(u'&') == 1, qPrintable(a->text()));
        }
        QCOMPARE(titel, (QStringList{"D&atei", "&Tracker", "A&nsicht", "&Hilfe"}));
        for (const char* name : {"Schnittstelle2", "Initialisieren1", "Firmwareupdate1"})
            QVERIFY2(Aktion(w, name)->text().count(u'&') == 1, name);
    }

    void startZustand() {
        TestAntworter antworter;
        TSDIAppForm w;
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("50,53"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-14,48"));
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("--unbekannt---"));
        // Before the start-up timer only the two STOP labels are calculated.
        QCOMPARE(Label(w, "LabelSonnenwende")->text(), QStringLiteral("0"));
        QCOMPARE(Label(w, "LabelAzimut")->text(), QStringLiteral("0"));
        QCOMPARE(Label(w, "LabelAWestMax")->text().right(1), QStringLiteral("°"));
        QVERIFY(Label(w, "LabelAWestMax")->text() != QStringLiteral("0"));
        QCOMPARE(w.Zustand().EndlageStart, 75.0);
        QCOMPARE(w.Zustand().EndlageStop, 285.0);
        QVERIFY(Zeitgeber(w, "TimerStartSioInit")->isActive());
        QVERIFY(!Zeitgeber(w, "Timer1")->isActive());
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // The preset is written with the user's separator, so a point locale starts cleanly.
    void vorgabeUnterPunktGebietsschema() {
        zahltext::SetzeDezimaltrenner(QLatin1Char('.'));
        TestAntworter antworter;
        TSDIAppForm w;
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("50.53"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-14.48"));
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));
        w.Berechne();
        QVERIFY(Label(w, "LabelAzimut")->text().contains(QLatin1Char('.')));
    }

    void startTimerSchreibtDatumUndRechnet() {
        TestAntworter antworter;
        TSDIAppForm w;
        const QDate heute = QDate::currentDate();
        Tick(Zeitgeber(w, "TimerStartSioInit"));
        QVERIFY(!Zeitgeber(w, "TimerStartSioInit")->isActive());
        QCOMPARE(Edit(w, "EditJahr")->text(), QString::number(heute.year()));
        QCOMPARE(Edit(w, "EditMonat")->text(), QString::number(heute.month()));
        QCOMPARE(Edit(w, "EditTag")->text(), QString::number(heute.day()));
        QVERIFY(Label(w, "LabelSonnenwende")->text().contains(QLatin1Char(':')));
        QVERIFY(!Label(w, "LabelSonnenwende")->text().contains(QStringLiteral(":0") + QChar('0')));
        QVERIFY(Label(w, "LabelAzimut")->text().endsWith(QStringLiteral("°")));
    }

    void ergebnisseNachBerechnung() {
        TestAntworter antworter;
        TSDIAppForm w;
        Setze7Juli2008(w);
        Knopf(w, "ButtonBerechnen")->click();
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));
        QCOMPARE(Label(w, "LabelAzimut")->text(), QStringLiteral("176,516°"));
        QCOMPARE(Label(w, "LabelHoehe")->text(), QStringLiteral("61,951°"));
        QCOMPARE(Label(w, "LabelSonnenwende")->text(), QStringLiteral("11:15"));
        QCOMPARE(Label(w, "LabelWinkelZurSonne")->text(), QStringLiteral("0,000°"));
        QCOMPARE(Label(w, "LabelTrackerPos")->text(), QStringLiteral("176,516°"));
        QCOMPARE(Label(w, "LabelSchattenErr")->text(), QStringLiteral("0,0 cm"));
        QVERIFY(Label(w, "LabelSchatten")->text().endsWith(QStringLiteral(" cm")));
        QCOMPARE(w.Zustand().EndlageStop, 285.0 - 360);
        QCOMPARE(w.Zustand().Scale, 20.0);
        QCOMPARE(w.Zustand().HoeheAlt, w.Zustand().Hoehe);
    }

    // A fraction in a whole-number geometry edit stops every calculation at the search;
    // the same fraction in an error edit is read as a decimal and accepted.
    void bruchInGeometrieEdits_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("EditModulH") << "EditModulH"
                                    << "160,5"
                                    << "''160,5'' ist kein gültiger Integer-Wert";
        QTest::newRow("EditModulHErr") << "EditModulHErr"
                                       << "2,5"
                                       << "";
        QTest::newRow("EditModulA leer") << "EditModulA"
                                         << ""
                                         << "'''' ist kein gültiger Integer-Wert";
        QTest::newRow("EditPhi Punkt") << "EditPhi"
                                       << "50.5"
                                       << "'50.5' ist kein gültiger Gleitkommawert";
    }
    void bruchInGeometrieEdits() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        TestAntworter antworter;
        TSDIAppForm w;
        Setze7Juli2008(w);
        antworter.meldungen.clear();
        w.findChild<UpDownEdit*>(edit)->setText(text);
        const int nachAenderung = antworter.meldungen.size();
        Knopf(w, "ButtonBerechnen")->click();
        if (meldung.isEmpty()) {
            QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));
        } else {
            QCOMPARE(nachAenderung, 1); // the change handler's own calculation
            QCOMPARE(antworter.meldungen.size(), 2);
            QCOMPARE(antworter.meldungen.last().text, meldung);
        }
    }

    // Values read before the unreadable text keep their new contents.
    void abbruchBehaeltFruehereWerte() {
        TestAntworter antworter;
        TSDIAppForm w;
        Setze7Juli2008(w);
        w.Berechne();
        Zeitgeber(w, "Timer1")->start(); // no recalculation on change
        Edit(w, "EditModulHErr")->setText("7");
        Edit(w, "EditEndlageStartErr")->setText("x");
        Zeitgeber(w, "Timer1")->stop();
        Knopf(w, "ButtonBerechnen")->click();
        QCOMPARE(antworter.meldungen.size(), 1);
        QCOMPARE(antworter.meldungen[0].text,
                 QStringLiteral("'x' ist kein gültiger Gleitkommawert"));
        QCOMPARE(w.Zustand().ModulHErr, 7.0);           // read before the failure
        QCOMPARE(w.Zustand().EndlageStart, 75.0);       // read before the failure
        QCOMPARE(w.Zustand().EndlageStop, 285.0 - 360); // from the earlier calculation
    }

    void keineNeuberechnungWaehrendSimulation() {
        TestAntworter antworter;
        TSDIAppForm w;
        Setze7Juli2008(w);
        Edit(w, "EditStunde")->setText("17");
        w.Berechne();
        const QString schatten = Label(w, "LabelSchatten")->text();
        Zeitgeber(w, "Timer1")->start();
        Edit(w, "EditModulH")->setText("300");
        QCOMPARE(Label(w, "LabelSchatten")->text(), schatten);
        Zeitgeber(w, "Timer1")->stop();
        w.Berechne();
        QVERIFY(Label(w, "LabelSchatten")->text() != schatten);
    }

    void tagKlick_data() {
        QTest::addColumn<QString>("jahr");
        QTest::addColumn<QString>("monat");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Schaltjahr") << "2008"
                                    << "2"
                                    << "31"
                                    << "29";
        QTest::newRow("kein Schaltjahr") << "2009"
                                         << "2"
                                         << "31"
                                         << "28";
        QTest::newRow("1900") << "1900"
                              << "2"
                              << "30"
                              << "28";
        QTest::newRow("2000") << "2000"
                              << "2"
                              << "30"
                              << "29";
        QTest::newRow("April") << "2008"
                               << "4"
                               << "31"
                               << "30";
        QTest::newRow("passt") << "2008"
                               << "7"
                               << "31"
                               << "31";
        QTest::newRow("Monat 13 bleibt") << "2008"
                                         << "13"
                                         << "40"
                                         << "40";
    }
    void tagKlick() {
        QFETCH(QString, jahr);
        QFETCH(QString, monat);
        QFETCH(QString, tag);
        QFETCH(QString, erwartet);
        TestAntworter antworter;
        TSDIAppForm w;
        Zeitgeber(w, "Timer1")->start(); // keep the calculation out of it
        Edit(w, "EditJahr")->setText(jahr);
        Edit(w, "EditMonat")->setText(monat);
        Edit(w, "EditTag")->setText(tag);
        Zeitgeber(w, "Timer1")->stop();
        QTest::mouseClick(Edit(w, "EditTag")->findChild<QLineEdit*>(), Qt::LeftButton);
        QCOMPARE(Edit(w, "EditTag")->text(), erwartet);
    }

    void koordinatenaenderungSetztUnbekannt() {
        TestAntworter antworter;
        TSDIAppForm w;
        Standortliste(w)->addItem("Zuhause");
        Standortliste(w)->setCurrentIndex(0);
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("Zuhause"));
        Edit(w, "EditPhi")->setText("48");
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("--unbekannt---"));
        Standortliste(w)->setEditText("Zuhause");
        Edit(w, "EditLam")->setText("-11");
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("--unbekannt---"));
        QCOMPARE(Label(w, "LabelSonnenwende")->text().isEmpty(), false);
    }

    // A failure inside a change handler fired by a written text aborts the writer too.
    void fehlerImVerschachteltenHandler() {
        TestAntworter antworter;
        TSDIAppForm w;
        Edit(w, "EditModulN")->setText("3x");
        antworter.meldungen.clear();
        Tick(Zeitgeber(w, "TimerStartSioInit"));
        QCOMPARE(antworter.meldungen.size(), 1);
        QCOMPARE(antworter.meldungen[0].text,
                 QStringLiteral("''3x'' ist kein gültiger Integer-Wert"));
        QVERIFY(!Zeitgeber(w, "TimerStartSioInit")->isActive());
        // The writer stopped after the year: the month still holds its design value.
        QCOMPARE(Edit(w, "EditMonat")->text(), QStringLiteral("7"));
    }

    // While a failure's box is open, timers keep ticking: their failures neither stack more
    // boxes nor linger to abort a later, unrelated write.
    void fehlerWaehrendOffenerMeldung() {
        struct Antworter : TestAntworter {
            std::function<void()> waehrendBox;
            QMessageBox::StandardButton frage(QWidget* w, const dialoge::Nachricht& n) override {
                if (waehrendBox) std::exchange(waehrendBox, nullptr)();
                return TestAntworter::frage(w, n);
            }
        } antworter;
        TSDIAppForm w;
        Zeitgeber(w, "Timer1")->start();
        Edit(w, "EditModulN")->setText("3x");
        Zeitgeber(w, "Timer1")->stop();
        antworter.waehrendBox = [&] {
            Knopf(w, "ButtonBerechnen")->click(); // a tick failing meanwhile
            Knopf(w, "ButtonBerechnen")->click();
        };
        Knopf(w, "ButtonBerechnen")->click();
        QCOMPARE(antworter.meldungen.size(), 1);
        Edit(w, "EditModulN")->setText("30");
        antworter.meldungen.clear();
        Handlerlauf lauf(&w);
        lauf.Ereignis([&] { w.UebernimmSimEingaben({{SimFeld::Stunde, "12"}}); });
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));
        QCOMPARE(Edit(w, "EditStunde")->text(), QStringLiteral("12"));
    }

    void aufAbPfeile_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("schritte");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Minute +5") << "EditMinute"
                                   << "0" << 1 << "5";
        QTest::newRow("Minute am Ende") << "EditMinute"
                                        << "58" << 1 << "59";
        QTest::newRow("West auf verkleinert") << "EditEndlageStop"
                                              << "285" << 1 << "280";
        QTest::newRow("West ab vergroessert") << "EditEndlageStop"
                                              << "285" << -1 << "290";
        QTest::newRow("Text keine Zahl") << "EditModulN"
                                         << "abc" << 1 << "1";
        QTest::newRow("Jahr ohne Trenner") << "EditJahr"
                                           << "2099" << 5 << "2100";
    }
    void aufAbPfeile() {
        QFETCH(QString, edit);
        QFETCH(QString, start);
        QFETCH(int, schritte);
        QFETCH(QString, erwartet);
        TestAntworter antworter;
        TSDIAppForm w;
        Zeitgeber(w, "Timer1")->start();
        auto* e = w.findChild<UpDownEdit*>(edit);
        e->setText(start);
        e->stepBy(schritte);
        QCOMPARE(e->text(), erwartet);
        Zeitgeber(w, "Timer1")->stop();
    }

    // The east-stop edits hold three typed characters; what the program writes (a
    // simulation file, the parametrization window) arrives whole, and so does the change
    // handling it fires.
    void ostanschlagGanzGeschrieben_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("gelesen");
        QTest::newRow("Anschlag 1000") << "EditEndlageStart"
                                       << "1000" << 1000.0;
        QTest::newRow("Fehler -12,5") << "EditEndlageStartErr"
                                      << "-12,5" << -12.5;
    }
    void ostanschlagGanzGeschrieben() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(double, gelesen);
        TestAntworter antworter;
        TSDIAppForm w;
        Setze7Juli2008(w);
        auto* e = w.findChild<UpDownEdit*>(edit);
        QCOMPARE(e->maxLaenge(), 3);
        QSignalSpy geaendert(e, &UpDownEdit::textChanged);
        e->setText(text);
        QCOMPARE(e->text(), text);
        QCOMPARE(geaendert.size(), 1);
        QCOMPARE(geaendert[0][0].toString(), text);
        QCOMPARE(edit == "EditEndlageStart" ? w.Zustand().EndlageStart
                                            : w.Zustand().EndlageStartErr,
                 gelesen);
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));

        // Typing stops at three characters; the longer written text can be shortened but
        // not lengthened.
        auto* zeile = e->findChild<QLineEdit*>();
        Zeitgeber(w, "Timer1")->start(); // keep the calculation out of the typing
        zeile->end(false);
        QTest::keyClicks(zeile, "5");
        QCOMPARE(e->text(), text);
        QTest::keyClick(zeile, Qt::Key_Backspace);
        QCOMPARE(e->text(), text.chopped(1));
        e->setText(QString());
        QTest::keyClicks(zeile, "-12,5");
        QCOMPARE(e->text(), QStringLiteral("-12"));
        zeile->selectAll();
        QTest::keyClicks(zeile, "98765");
        QCOMPARE(e->text(), QStringLiteral("987"));
        Zeitgeber(w, "Timer1")->stop();
    }

    // A screen reader hears every result and status panel with its caption and its
    // current value, also after the value changed.
    void ergebnisseFuerBildschirmleser() {
        TestAntworter antworter;
        TSDIAppForm w;
        const QList<std::pair<QLabel*, QString>> werte = {
            {Label(w, "LabelAOstMax"), "max.STOP Ost"},
            {Label(w, "LabelAWestMax"), "max. STOP West"},
            {Label(w, "LabelAzimut"), "Azimut"},
            {Label(w, "LabelHoehe"), "Elevation"},
            {Label(w, "LabelSchatten"), "Schatten"},
            {Label(w, "LabelWinkelZurSonne"), "Winkelkorrektur"},
            {Label(w, "LabelTrackerPos"), "Trackerposition"},
            {Label(w, "LabelSonnenwende"), "Sonnenwende"},
            {Label(w, "LabelSchattenErr"), "Verschattung"},
            {Label(w, "StatusPanel0"), "Empfangene Protokolle"},
            {Label(w, "StatusPanel1"), "Zustand der Schnittstelle"},
            {Label(w, "StatusPanel2"), "Schnittstelleneinstellung"},
            {Label(w, "StatusPanel3"), "Letzte Meldung"}};
        auto pruefe = [&] {
            for (const auto& [label, beschriftung] : werte) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
                QVERIFY(a);
                QCOMPARE(a->text(QAccessible::Name), label->text());
                QCOMPARE(a->text(QAccessible::Description), beschriftung);
            }
        };
        for (int i = 0; i < 4; ++i)
            w.SetzePanel(i, QStringLiteral("Panel %1").arg(i));
        pruefe();
        if (QTest::currentTestFailed()) return;
        Setze7Juli2008(w);
        w.Berechne();
        w.SetzePanel(0, QStringLiteral("Protokolle: 3"));
        w.SetzePanel(3, QStringLiteral("CS FEHLER !"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(Label(w, "LabelAzimut"))->text(QAccessible::Name),
            QStringLiteral("176,516°"));
        pruefe();
        // The caption labels its value, so the reader can also say which caption belongs.
        const auto beschriftet = QAccessible::queryAccessibleInterface(Label(w, "LabelAzimut"))
                                     ->relations(QAccessible::Label);
        QCOMPARE(beschriftet.size(), 1);
        QCOMPARE(beschriftet[0].first->text(QAccessible::Name), QStringLiteral("Azimut="));
    }

    // Keyboard users and screen readers find every edit by its caption.
    void beschriftungenSindBuddies() {
        TestAntworter antworter;
        TSDIAppForm w;
        const QStringList erwartet = {"Jahr",
                                      "Monat",
                                      "Tag",
                                      "Stunde",
                                      "Minute",
                                      "Breitengrad °",
                                      "Längengrad °",
                                      "Modulhöhe in cm",
                                      "Modubreite in cm",
                                      "Lichter Modulabstand in cm",
                                      "Modulneigung in °",
                                      "Anzeige Scalierung in cm",
                                      "Intervall in min",
                                      "STOP OST in °",
                                      "STOP WEST in °",
                                      "Positionen"};
        QStringList gefunden;
        for (QLabel* l : w.findChildren<QLabel*>())
            if (l->buddy()) gefunden << l->text();
        for (const QString& t : erwartet)
            QVERIFY2(gefunden.contains(t), qPrintable(t));
        QCOMPARE(Edit(w, "EditLam")->toolTip(),
                 QStringLiteral("Geographische Länge der Trackerposition. Östliche Länge muß "
                                "negativ eingegeben werden!"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Heliowendler-Simulation"));
        QVERIFY(!Edit(w, "EditModulpos")->isVisibleTo(&w));
        QCOMPARE(Edit(w, "EditModulpos")->text(), QStringLiteral("-90"));
    }

    // The inputs as one value: every edit's text in the order of the fields.
    void simEingabenLesen() {
        TestAntworter antworter;
        TSDIAppForm w;
        const SimEingaben e = w.LeseSimEingaben();
        QCOMPARE(int(e.Eintraege().size()), SimFeldAnzahl);
        const QStringList namen = {
            "EditJahr",      "EditMonat",        "EditTag",         "EditStunde",
            "EditMinute",    "EditPhi",          "EditLam",         "EditModulH",
            "EditModulL",    "EditModulA",       "EditModulN",      "EditScale",
            "EditIntervall", "EditEndlageStart", "EditEndlageStop", "EditModulpos",
            "EditModulHErr", "EditModulAErr",    "EditModulNErr",   "EditEndlageStartErr"};
        for (int i = 0; i < SimFeldAnzahl; ++i) {
            QCOMPARE(int(e.Eintraege()[i].feld), i);
            QCOMPARE(e.Eintraege()[i].text, Edit(w, qPrintable(namen[i]))->text());
        }
        QCOMPARE(e.Text(SimFeld::Phi), std::optional<QString>("50,53"));
        QCOMPARE(e.Text(SimFeld::Modulpos), std::optional<QString>("-90"));
    }

    // Written in the given order, each write firing its change handling; inside a handler a
    // failing one stops the rest and the handler shows one message, as for the window's own
    // writes.
    void simEingabenSchreiben() {
        TestAntworter antworter;
        TSDIAppForm w;
        QStringList reihenfolge;
        for (const char* name : {"EditModulL", "EditJahr", "EditScale", "EditEndlageStart"})
            connect(Edit(w, name), &UpDownEdit::textChanged, &w,
                    [&reihenfolge, name] { reihenfolge << name; });
        w.UebernimmSimEingaben({{SimFeld::Scale, "1575"},
                                {SimFeld::ModulL, "1200"},
                                {SimFeld::EndlageStart, "1000"},
                                {SimFeld::Jahr, "2009"}});
        QCOMPARE(reihenfolge,
                 (QStringList{"EditScale", "EditModulL", "EditEndlageStart", "EditJahr"}));
        QCOMPARE(Edit(w, "EditEndlageStart")->text(), QStringLiteral("1000"));
        QCOMPARE(w.Zustand().Scale, 15.75);
        QCOMPARE(w.Zustand().ModulL, 1200.0);
        QVERIFY2(antworter.meldungen.isEmpty(), qPrintable(antworter.texte().join("|")));

        Handlerlauf lauf(&w);
        bool weiter = false;
        lauf.Ereignis([&] {
            w.UebernimmSimEingaben({{SimFeld::ModulN, "30,5"}, {SimFeld::Jahr, "2010"}});
            weiter = true;
        });
        QCOMPARE(antworter.texte(), QStringList{"''30,5'' ist kein gültiger Integer-Wert"});
        QVERIFY(!weiter);
        QCOMPARE(Edit(w, "EditModulN")->text(), QStringLiteral("30,5"));
        QCOMPARE(Edit(w, "EditJahr")->text(), QStringLiteral("2009")); // not reached
    }

    // The port the serial link reports is what closing writes back, plus one.
    void gemerkterPortWirdGeschrieben() {
        TestAntworter antworter;
        {
            TSDIAppForm w;
            QCOMPARE(w.GespeicherterPort(), 0);
            w.MerkePort(7);
            QCOMPARE(w.GespeicherterPort(), 7);
            w.close();
        }
        QFile f(ini());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("[COMs]\r\nSender1=8\r\n"));
    }

    void standortUnbekanntZeigen() {
        TestAntworter antworter;
        TSDIAppForm w;
        Standortliste(w)->addItem("Zuhause");
        Standortliste(w)->setCurrentIndex(0);
        w.ZeigeStandortUnbekannt();
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("--unbekannt---"));
        QCOMPARE(Standortliste(w)->currentIndex(), -1);
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
