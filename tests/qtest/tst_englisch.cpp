// The interface in English: with an English locale every window shows the English texts,
// none of the German source texts is left (but those that read the same in both languages),
// every caption has room for its English text, numbers carry the separator of the numbers'
// locale (here a point) and dates no German order, and nothing the windows store changes. The
// windows are checked after what fills them: a year study with a sweep, a speed measurement.
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "basis/sprache.h"
#include "basis/zahltext.h"
#include "controller/Trackerinit.h"
#include "firmware/Firmwareupdate.h"
#include "geraet/messages.h"
#include "linkfenster/InitSIO.h"
#include "linkfenster/protokollmonitor.h"
#include "seriallink/rahmen.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/platz.h"
#include "support/testantworter.h"
#include "widgets/updownedit.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"
#include "workspace/jahresverschattung.h"
#include "workspace/tagesverlauf.h"

#include <QAbstractAxis>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The German source texts of the translation, read from the file in the tree.
QSet<QString> DeutscheTexte() {
    QSet<QString> texte;
    QFile f(QStringLiteral(HW_TS));
    if (!f.open(QIODevice::ReadOnly)) return texte;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            texte.insert(xml.readElementText());
    return texte;
}

// Texts that read the same in both languages.
const QSet<QString> Gleich = {
    QStringLiteral("OK"),
    QStringLiteral("Start"),
    QStringLiteral("Handshake"),
    QStringLiteral("Minute"),
    QStringLiteral("Simulation"),
    QStringLiteral("Start SIM"),
    QStringLiteral("Stop SIM"),
    QStringLiteral("STOP WEST in °"),
    QStringLiteral("Speed"),
    QStringLiteral("Version:"),
    QStringLiteral("GET &Param"),
    QStringLiteral("SET P&aram"),
    QStringLiteral(" SET T&ime"),
    QStringLiteral("GET Ti&me"),
    QStringLiteral("GET &Version"),
    QStringLiteral("GET P&osition"),
    QStringLiteral("SET Po&sition"),
    QStringLiteral("Auto"),
    QStringLiteral("ELW"),
    QStringLiteral("Tracking"),
    QStringLiteral("RxT"),
    QStringLiteral("TxT"),
    QStringLiteral("&Filter:"),
    QStringLiteral("&Tracker"),
    QStringLiteral("W=270°"),
    QStringLiteral("N=0°"),
    QStringLiteral("S=180°"),
    QStringLiteral("Jan"),
    QStringLiteral("Feb"),
    QStringLiteral("Apr"),
    QStringLiteral("Jun"),
    QStringLiteral("Jul"),
    QStringLiteral("Aug"),
    QStringLiteral("Sep"),
    QStringLiteral("Nov"),
    QStringLiteral(" min"),
    QStringLiteral("\nkWh/m²"),
    QStringLiteral("Status"),
    QStringLiteral("Parameter"),
    QStringLiteral("Info"),
    QStringLiteral(" Elevation="),
    QStringLiteral("MotorW"),
};

// Every text a window shows: captions, titles, hints, menus, tabs, list entries, tables,
// chart titles, axes and legends.
QStringList Texte(QWidget* fenster) {
    QStringList t{fenster->windowTitle()};
    QList<QWidget*> alle = fenster->findChildren<QWidget*>();
    alle.prepend(fenster);
    for (QWidget* w : alle) {
        t << w->toolTip() << w->accessibleName();
        if (auto* l = qobject_cast<QLabel*>(w)) t << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) t << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) t << g->title();
        if (auto* r = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < r->count(); ++i)
                t << r->tabText(i);
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                t << c->itemText(i);
        if (auto* m = qobject_cast<QMenu*>(w)) t << m->title();
        if (auto* tab = qobject_cast<QTableWidget*>(w)) {
            for (int i = 0; i < tab->columnCount(); ++i)
                if (auto* k = tab->horizontalHeaderItem(i)) t << k->text() << k->toolTip();
            for (int i = 0; i < tab->rowCount(); ++i) {
                if (auto* k = tab->verticalHeaderItem(i)) t << k->text();
                for (int j = 0; j < tab->columnCount(); ++j)
                    if (auto* z = tab->item(i, j)) t << z->text(); // the numbers
            }
        }
        if (auto* v = qobject_cast<QChartView*>(w)) {
            QChart* c = v->chart();
            t << c->title();
            for (QAbstractAxis* a : c->axes())
                t << a->titleText();
            for (QLegendMarker* m : c->legend()->markers())
                t << m->label();
        }
        for (QAction* a : w->actions())
            t << a->text() << a->toolTip();
    }
    t.removeAll(QString());
    return t;
}

// A text still German: one of the source texts (unless it reads the same in English), or a
// text with a German letter or word that never went through the translation.
bool Deutsch(const QString& text, const QSet<QString>& quellen) {
    if (Gleich.contains(text)) return false;
    if (quellen.contains(text)) return true;
    static const QRegularExpression wort(
        QStringLiteral("[äöüÄÖÜß]|\\b(der|die|das|und|nicht|mit|für|ein|eine|ist|zum|zur|wird|"
                       "Bitte|Datei|Zeile|Fehler|aktuell|Schnittstelle|Verbindung)\\b"));
    return wort.match(text).hasMatch();
}

// A number with the German decimal comma or a date in German order (day.month.), where the
// numbers' locale has a point.
bool DeutscheZahl(const QString& text) {
    static const QRegularExpression zahl(
        QStringLiteral("\\d,\\d|(^|[^\\d.])\\d{1,2}\\.\\d{1,2}\\.($|[^\\d])"));
    return zahl.match(text).hasMatch();
}

// A speed measurement in the parametrization window, on a clock and with answers of the
// test's own: 200 degrees between the stops in 100 s.
QStringList MesseSpeed(TFormTrackerInit& f, TestAntworter& antworter) {
    QDateTime jetzt(QDate(2024, 5, 1), QTime(10, 0));
    f.SetzeSender([&f](std::span<const std::uint8_t>) {
        f.Gesendet();
        return true;
    });
    f.SetzeUhr([&jetzt] { return jetzt; });
    const auto antwort = [&f](std::uint8_t kommando, const rahmen::Bytes& nutzdaten) {
        const rahmen::Bytes r = rahmen::Antwort(kommando, nutzdaten);
        f.RahmenEmpfangen(QByteArray(reinterpret_cast<const char*>(r.data()), r.size()));
    };
    messages::TrackerParameter p;
    p.ParAnschlagOst = 80;
    p.ParAnschlagWest = 280;
    rahmen::Bytes n{0x00};
    const auto b = p.Bytes();
    n.insert(n.end(), b.begin(), b.end());
    antwort(2, n);
    QStringList texte{f.findChild<QLabel*>(QStringLiteral("LabelSpeed"))->text()};
    antworter.antworten << QMessageBox::Yes << QMessageBox::Ok;
    f.findChild<QPushButton*>(QStringLiteral("ButtonGetWinkelSpeed"))->click();
    QTimer* takt = f.findChild<QTimer*>(QStringLiteral("TimerTracktime"));
    antwort(9, {messages::BitEndlageWest, 0, 0});
    jetzt = jetzt.addSecs(60);
    Tick(takt);
    antwort(9, {messages::BitEndlageOst, 0, 0});
    jetzt = jetzt.addSecs(100);
    Tick(takt);
    texte << f.findChild<QLabel*>(QStringLiteral("LabelSpeed"))->text();
    return texte;
}

} // namespace

class TestEnglisch : public OrdnerTestfall {
    Q_OBJECT

    QTranslator* englisch = nullptr;

    // What the main window stores: the simulation file "Speichern unter" writes and the
    // settings file its close writes, after the same inputs.
    QByteArray Gespeichert() {
        TestAntworter antworter;
        const QString datei = ordner->filePath(QStringLiteral("sim.TRD"));
        QFile::remove(datei);
        QFile::remove(programmdateien::Einstellungsdatei());
        QByteArray bytes;
        {
            TSDIAppForm haupt;
            haupt.show();
            haupt.findChild<UpDownEdit*>(QStringLiteral("EditPhi"))->setText(QStringLiteral("47"));
            haupt.findChild<QPushButton*>(QStringLiteral("ButtonBerechnen"))->click();
            antworter.dateinamen << datei;
            haupt.findChild<QAction*>(QStringLiteral("FileSaveAs1"))->trigger();
            for (int i = 0; i < 100 && !QFile::exists(datei); ++i)
                QTest::qWait(20);
            haupt.close();
        }
        for (const QString& pfad : {datei, programmdateien::Einstellungsdatei()}) {
            QFile f(pfad);
            if (!f.open(QIODevice::ReadOnly)) return "fehlt: " + pfad.toUtf8();
            bytes += f.readAll() + "\n--\n";
        }
        return bytes;
    }

private slots:
    void initTestCase() {
        // The messages' locale English, the numbers' as the other tests have it.
        qunsetenv("LC_ALL");
        qunsetenv("LANGUAGE");
        qputenv("LANG", "C.UTF-8");
        qputenv("LC_MESSAGES", "en_US.UTF-8");
        QVERIFY(sprache::Englisch());
        englisch = sprache::Installiere(*qApp);
        QVERIFY(englisch);
    }

    // Nothing stored depends on the language: the same inputs give the same bytes in the
    // simulation file and the settings file in English and in German.
    void gespeichertWieAufDeutsch() {
        const QByteArray englischGespeichert = Gespeichert();
        QVERIFY2(englischGespeichert.contains("Modulbreite"), englischGespeichert.constData());
        QCoreApplication::removeTranslator(englisch);
        const QByteArray deutschGespeichert = Gespeichert();
        QCoreApplication::installTranslator(englisch);
        QVERIFY(!deutschGespeichert.isEmpty());
        QCOMPARE(englischGespeichert, deutschGespeichert);
    }

    // Which locale variables decide, as gettext orders them.
    void spracheWaehlen_data() {
        QTest::addColumn<QStringList>("umgebung"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<bool>("englisch");
        QTest::newRow("nichts") << QStringList{"", "", "", ""} << false;
        QTest::newRow("LANG en") << QStringList{"", "", "", "en_GB.UTF-8"} << true;
        QTest::newRow("LANG de") << QStringList{"", "", "", "de_DE.UTF-8"} << false;
        QTest::newRow("LC_MESSAGES vor LANG") << QStringList{"", "", "en_US", "de_DE"} << true;
        QTest::newRow("LC_ALL vor allem") << QStringList{"", "de_DE", "en_US", "en_US"} << false;
        QTest::newRow("LANGUAGE zuerst") << QStringList{"en:de", "", "", "de_DE"} << true;
        QTest::newRow("LANGUAGE de") << QStringList{"de", "", "", "en_US"} << false;
        QTest::newRow("LANGUAGE in C nicht") << QStringList{"en", "C.UTF-8", "", ""} << false;
        QTest::newRow("fr bleibt deutsch") << QStringList{"", "", "", "fr_FR.UTF-8"} << false;
    }
    void spracheWaehlen() {
        QFETCH(QStringList, umgebung);
        QFETCH(bool, englisch);
        QCOMPARE(sprache::Englisch(umgebung[0], umgebung[1], umgebung[2], umgebung[3]), englisch);
    }

    // Every window of the application, filled: no German left, no German number, every caption
    // with room for its text.
    void fensterSindEnglisch() {
        TestAntworter antworter;
        // The numbers' locale English too: a point (the folder of the other tests sets a comma).
        zahltext::SetzeDezimaltrenner(u'.');
        const QSet<QString> quellen = DeutscheTexte();
        QVERIFY(quellen.size() > 200);
        Anwendung a;
        a.Zeige();
        a.SDIAppForm->Berechne();
        // The interface dialog as the start timer fills it (whether it fired yet or not).
        a.PagesDlg->DialogVorbelegen();
        // The year window with a study and a sweep, the parametrization window after a speed
        // measurement.
        TFormJahresverschattung& jahre = *a.FormJahresverschattung;
        jahre.findChild<QSpinBox*>(QStringLiteral("Schritt"))->setValue(60);
        jahre.findChild<QLineEdit*>(QStringLiteral("Von"))->setText(QStringLiteral("-0.5"));
        jahre.findChild<QLineEdit*>(QStringLiteral("Bis"))->setText(QStringLiteral("0.5"));
        jahre.findChild<QLineEdit*>(QStringLiteral("Weite"))->setText(QStringLiteral("0.5"));
        QSignalSpy fertig(&jahre, &TFormJahresverschattung::fertig);
        for (const char* knopf : {"Rechnen", "Variieren"}) {
            jahre.findChild<QPushButton*>(QLatin1String(knopf))->click();
            QVERIFY(fertig.wait(60000));
        }
        QVERIFY(antworter.meldungen.isEmpty());
        const QStringList speed = MesseSpeed(*a.FormTrackerInit, antworter);
        QCOMPARE(speed, (QStringList{"0.000 °/s", "2.000 °/s"}));
        const QList<QWidget*> fenster = {a.SDIAppForm.get(),         a.PagesDlg.get(),
                                         a.FormTrackerInit.get(),    a.PositionDlg.get(),
                                         a.FormFirmwareupdate.get(), a.FormProtokollmonitor.get(),
                                         a.FormTagesverlauf.get(),   a.FormJahresverschattung.get(),
                                         a.FormHilfe.get(),          a.AboutBox.get()};
        QStringList deutsch, platz;
        for (QWidget* f : fenster) {
            f->show();
            QVERIFY(QTest::qWaitForWindowExposed(f));
            for (const QString& t : Texte(f))
                if (Deutsch(t, quellen) || DeutscheZahl(t))
                    deutsch << f->objectName() + QStringLiteral(": ") + t;
            for (const QString& p : Platzprobleme(f))
                platz << f->objectName() + QStringLiteral(": ") + p;
            // HW_BILDER=folder leaves a picture of each window there, to look at.
            if (const QString bilder = qEnvironmentVariable("HW_BILDER"); !bilder.isEmpty()) {
                f->grab().save(bilder + u'/' + f->objectName() + QStringLiteral("_en.png"));
                if (auto* seiten = f->findChild<QTabWidget*>(QStringLiteral("Seiten")))
                    for (int i = 0; i < seiten->count(); ++i) {
                        seiten->setCurrentIndex(i);
                        f->grab().save(
                            QStringLiteral("%1/%2_%3_en.png").arg(bilder, f->objectName()).arg(i));
                    }
            }
            f->hide();
        }
        deutsch.removeDuplicates();
        QVERIFY2(deutsch.isEmpty(), qPrintable(deutsch.join(QStringLiteral("\n"))));
        QVERIFY2(platz.isEmpty(), qPrintable(platz.join(QStringLiteral("\n"))));
        // The menus' own texts.
        QStringList menue;
        for (QAction* m : a.SDIAppForm->menuBar()->actions()) {
            menue << m->text();
            if (m->menu())
                for (QAction* e : m->menu()->actions())
                    menue << e->text();
        }
        for (const QString& t : menue)
            QVERIFY2(!Deutsch(t, quellen), qPrintable(t));
        QVERIFY(menue.contains(QStringLiteral("&File")));
        QVERIFY(menue.contains(QStringLiteral("&Yearly shading")));

        // A message: a wrong number in the main window.
        auto* jahr = a.SDIAppForm->findChild<UpDownEdit*>(QStringLiteral("EditJahr"));
        QVERIFY(jahr);
        jahr->setText(QStringLiteral("x"));
        a.SDIAppForm->findChild<QPushButton*>(QStringLiteral("ButtonBerechnen"))->click();
        QVERIFY(!antworter.meldungen.isEmpty());
        for (const auto& m : antworter.meldungen)
            QVERIFY2(!Deutsch(m.text, quellen) && !Deutsch(m.titel, quellen), qPrintable(m.text));
        QCOMPARE(antworter.meldungen.last().text,
                 QStringLiteral("''x'' is not a valid integer value"));
    }
};

QTEST_MAIN(TestEnglisch)
#include "tst_englisch.moc"
