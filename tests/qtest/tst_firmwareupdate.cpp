// The firmware window alone, with a send path of the test's own and bootloader lines handed
// in by the test: its controls, loading and checking an image, the instructions, Start, a
// whole transfer up to the success box and the window closing, the progress display, the note
// on a missing reply, and lines that come while the window is hidden.
#include "basis/zahltext.h"
#include "firmware/Firmwareupdate.h"
#include "seriallink/rahmen.h"
#include "support/bedienung.h"
#include "support/testantworter.h"
#include "support/testordner.h"

#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

using rahmen::Bytes;

namespace {

const char* const Beispiel = "@F000\n31 40 00 04\n@FFE0\n00 F0 00 F0\n@FFFE\n00 F0\nq\n";

const QString Anleitung = QStringLiteral(
    "  1. Schalten Sie nun die Trackersteuerung ab.\r\n"
    "  2. Schalten Sie die Schaltwippe für manuelles Tracken auf OST oder WEST.\r\n"
    "  3. Halten den Servicetaster gedrückt.\r\n"
    "  4. Starten Sie nun die Trackersteuerung durch anlegen der Versorgungsspannung.\r\n"
    "  5. Die Trackersteuerung meldet sich im Monitorfenster mit der Version des Bootloaders.\r\n"
    "  6. Nun lösen Sie den Servicetaster, laden eine neue Programmdatei und beginnen mit START.");

const QString Erfolg = QStringLiteral(
    "Die Programmierung war erfolgreich\r\n"
    "       Bitte stellen Sie die Schalterwippe zum manuellem Tracken in neutralle "
    "Mittelstellung\r\n"
    "       und unterbrechen die Spannungsversorgung der Trackersteuerung.\r\n"
    "       Nach 2-3s schalten Sie die Versorgungsspannung wieder ein.\r\n"
    "       Die Trackersteuerung sollte jetzt mit der neuen Software starten.\r\n"
    "\t   Die Versionsnummer können Sie oben im Fenster \"Tracker Parametrierung ablesen\".");

// One window with its send path: every frame is kept.
struct Aufbau {
    TestOrdner ordner;
    TestAntworter antworter;
    TFormFirmwareupdate f;
    bool offen = true;
    QList<Bytes> rahmen;
    QSignalSpy panel{&f, &TFormFirmwareupdate::panelText};

    Aufbau() {
        f.SetzeSender([this](std::span<const std::uint8_t> b) {
            rahmen << Bytes(b.begin(), b.end());
            return offen;
        });
    }

    QString Datei(const QString& name, const QByteArray& inhalt) {
        QFile d(ordner.filePath(name));
        if (!d.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(d.fileName()));
        d.write(inhalt);
        return d.fileName();
    }
    // "Datei" with the name the dialog returns.
    void Lade(const QString& pfad) {
        antworter.dateinamen << pfad;
        Aktion(f, "Datei1")->trigger();
    }
    QPlainTextEdit* Monitor() { return Kind<QPlainTextEdit>(f, "RichEditRxBootloader"); }
    QStringList MonitorZeilen() { return Monitor()->toPlainText().split(u'\n'); }
    QString Text(const char* label) { return Label(f, label)->text(); }
    void Zeile(const char* zeile) { f.BootloaderZeile(QByteArray(zeile)); }
    // The window shown and its instructions confirmed.
    void Zeige() {
        f.show();
        Tick(Zeitgeber(f, "TimerStartmeldung"));
    }
};

Bytes B(std::initializer_list<int> b) {
    Bytes r;
    for (int x : b)
        r.push_back(static_cast<std::uint8_t>(x));
    return r;
}

} // namespace

class TestFirmwareupdate : public QObject {
    Q_OBJECT

private slots:
    void aufbau() {
        Aufbau a;
        TFormFirmwareupdate& f = a.f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Firmwareupdate"));
        QCOMPARE(Kind<QWidget>(f, "Client")->size(), QSize(409, 401));
        auto* menue = Kind<QMenuBar>(f, "MainMenu1");
        QCOMPARE(menue->actions().size(), 1);
        QCOMPARE(menue->actions()[0]->text(), QStringLiteral("&Datei"));
        // From the keyboard: Alt+D shows in the menu bar, Ctrl+O works in the whole window.
        QCOMPARE(menue->actions()[0]->shortcut(), QKeySequence(QKeySequence::Open));
        QVERIFY(f.actions().contains(menue->actions()[0]));
        QVERIFY(!menue->actions()[0]->menu());
        QCOMPARE(Knopf(f, "Button1")->text(), QStringLiteral("Start"));
        QCOMPARE(a.Text("LabelClearOK"), QStringLiteral("??"));
        QCOMPARE(a.Text("LabelSendeZeile"), QStringLiteral("0"));
        QCOMPARE(a.Text("LabelDatei"), QStringLiteral(" "));
        QCOMPARE(a.Text("LabelZeilen"), QStringLiteral("??"));
        QCOMPARE(a.Text("LabelAnzalSeg"), QStringLiteral("??"));
        for (const char* name : {"RichEditTXTfile", "RichEditRxBootloader"})
            QVERIFY(Kind<QPlainTextEdit>(f, name)->isReadOnly());
        QCOMPARE(Kind<QPlainTextEdit>(f, "RichEditTXTfile")->size(), QSize(393, 105));
        QCOMPARE(a.Monitor()->size(), QSize(393, 164));
        QCOMPARE(Kind<QProgressBar>(f, "ProgressBar1")->width(), 393);
        const std::pair<const char*, int> timer[] = {
            {"Timer1", 100}, {"TimerStartmeldung", 500}, {"TimerAntwort", 5000}};
        for (const auto& [name, ms] : timer) {
            QCOMPARE(Zeitgeber(f, name)->interval(), ms);
            QVERIFY(!Zeitgeber(f, name)->isActive());
        }
        QVERIFY(!f.DateiGueltig());
    }

    // 500 ms after the window is shown the instructions, then an empty monitor.
    void anleitung() {
        Aufbau a;
        a.Monitor()->setPlainText(QStringLiteral("alt"));
        a.f.show();
        QVERIFY(Zeitgeber(a.f, "TimerStartmeldung")->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(a.antworter.meldungen.size(), 1, 3000);
        const dialoge::Nachricht& m = a.antworter.meldungen[0];
        QCOMPARE(m.titel, QStringLiteral("A C H T U N G"));
        QCOMPARE(m.text, Anleitung);
        QCOMPARE(m.symbol, QMessageBox::NoIcon);
        QCOMPARE(m.knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(a.Monitor()->toPlainText(), QString());
        QTest::qWait(700);
        QCOMPARE(a.antworter.meldungen.size(), 1); // once per showing
        // Hidden before it is due: no box.
        a.f.hide();
        a.f.show();
        a.f.hide();
        QTest::qWait(700);
        QCOMPARE(a.antworter.meldungen.size(), 1);
    }

    void dateiLaden() {
        Aufbau a;
        // Cancelled: nothing changes.
        Aktion(a.f, "Datei1")->trigger();
        QCOMPARE(a.antworter.dateiDialoge, QStringList{"TI HEX Format|*.txt"});
        QCOMPARE(a.Text("LabelZeilen"), QStringLiteral("??"));

        const QString pfad = a.Datei("image.txt", Beispiel);
        a.Lade(pfad);
        QVERIFY(a.f.DateiGueltig());
        QCOMPARE(Kind<QPlainTextEdit>(a.f, "RichEditTXTfile")->toPlainText(),
                 QString::fromLatin1(Beispiel).chopped(1));
        QCOMPARE(a.Text("LabelDatei"), pfad);
        QCOMPARE(a.Text("LabelZeilen"), QStringLiteral("7"));
        QCOMPARE(a.Text("LabelAnzalSeg"), QStringLiteral("3"));
        QVERIFY(a.antworter.meldungen.isEmpty());
        QCOMPARE(a.antworter.dateiVorgaben.last(), QString()); // the next starts at this file

        // CR LF loads exactly as LF: no CR in any line.
        QByteArray crlf = Beispiel;
        crlf.replace("\n", "\r\n");
        a.Lade(a.Datei("crlf.txt", crlf));
        QVERIFY(a.f.DateiGueltig());
        QCOMPARE(a.antworter.dateiVorgaben.last(), pfad);
        QCOMPARE(Kind<QPlainTextEdit>(a.f, "RichEditTXTfile")->toPlainText(),
                 QString::fromLatin1(Beispiel).chopped(1));
        QCOMPARE(a.Text("LabelZeilen"), QStringLiteral("7"));

        // A name typed without an extension is the .txt file.
        a.Lade(a.ordner.filePath(QStringLiteral("image")));
        QCOMPARE(a.Text("LabelDatei"), pfad);

        // A file that cannot be read changes nothing.
        a.Lade(a.ordner.filePath(QStringLiteral("fehlt.txt")));
        QCOMPARE(a.antworter.meldungen.size(), 1);
        QVERIFY(a.antworter.meldungen[0].text.contains(QLatin1String("fehlt.txt")));
        QCOMPARE(a.Text("LabelDatei"), pfad);
        QVERIFY(a.f.DateiGueltig());
    }

    // A load that fails the check says why and clears what an earlier load had passed; the view
    // and the counts show the new file. Start then refuses and sends nothing.
    void falschesImage_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("grund");
        QTest::addColumn<QString>("segmente");
        QTest::newRow("zwei Segmente")
            << QByteArray("@F000\n31 40 00 04\n@FFFE\n00 F0\nq\n")
            << "Das Image hat 2 Adresszeilen; ein gültiges hat mindestens drei."
            << "2";
        QTest::newRow("leere Zeile")
            << QByteArray("@F000\n31 40 00 04\n\n@FFE0\n00 F0 00 F0\n@FFFE\n00 F0\nq\n")
            << "Zeile 3 ist leer."
            << "3";
        QTest::newRow("Adresse über FFFF")
            << QByteArray("@10000\n31 40\n@FFE0\n00 F0\n@FFFE\n00 F0\nq\n")
            << "Zeile 1: Eine Adresszeile ist \"@\" und genau vier Hexadezimalziffern "
               "(\"@F000\"), nicht \"@10000\"."
            << "3";
        QTest::newRow("ungerade") << QByteArray("@F000\n31 40 0\n@FFE0\n00 F0\n@FFFE\n00 F0\nq\n")
                                  << "Zeile 2: Das letzte Byte hat nur eine Hexadezimalziffer."
                                  << "3";
    }
    void falschesImage() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, grund);
        QFETCH(QString, segmente);
        Aufbau a;
        a.Lade(a.Datei("gut.txt", Beispiel));
        QVERIFY(a.f.DateiGueltig());
        const QString pfad = a.Datei("falsch.txt", inhalt);
        a.Lade(pfad);
        QVERIFY(!a.f.DateiGueltig());
        QCOMPARE(a.antworter.meldungen.size(), 1);
        QCOMPARE(a.antworter.meldungen[0].titel, QStringLiteral("WARNUNG"));
        QCOMPARE(a.antworter.meldungen[0].text,
                 QStringLiteral("Diese Datei kann nicht übertragen werden:\r\n") + grund);
        QCOMPARE(a.antworter.meldungen[0].symbol, QMessageBox::NoIcon);
        QCOMPARE(a.Text("LabelDatei"), pfad);
        QCOMPARE(a.Text("LabelAnzalSeg"), segmente);
        QCOMPARE(Kind<QPlainTextEdit>(a.f, "RichEditTXTfile")->toPlainText(),
                 QString::fromLatin1(inhalt).chopped(1));

        a.Monitor()->setPlainText(QStringLiteral("alt"));
        Knopf(a.f, "Button1")->click();
        QCOMPARE(a.antworter.meldungen.size(), 2);
        QCOMPARE(a.antworter.meldungen[1].titel, QStringLiteral("WARNUNG"));
        QCOMPARE(a.antworter.meldungen[1].text,
                 QStringLiteral("Bitte laden Sie erst ein gültiges *.txt File (TI Hex Format!)"));
        QCOMPARE(a.antworter.meldungen[1].symbol, QMessageBox::NoIcon);
        QVERIFY(a.rahmen.isEmpty());
        QCOMPARE(a.panel.size(), 0);
        QCOMPARE(a.Monitor()->toPlainText(), QString());
    }

    // A whole transfer as the replies drive it: the frames in order, the monitor, the labels,
    // the progress display, the end text, the success box, and the window closed.
    void uebertragung() {
        Aufbau a;
        a.Zeige();
        a.Lade(a.Datei("image.txt", Beispiel));
        a.antworter.meldungen.clear();
        Label(a.f, "LabelClearOK")->setText(QStringLiteral("OK"));
        Knopf(a.f, "Button1")->click();
        QCOMPARE(a.Text("LabelClearOK"), QStringLiteral("??"));
        QCOMPARE(a.rahmen, QList<Bytes>{B({0xAA, 0xF0, 0x00, 0x9B, 0xE5})});
        QCOMPARE(a.panel.last(), (QVariantList{3, QStringLiteral("Flash clear")}));
        auto* fortschritt = Kind<QProgressBar>(a.f, "ProgressBar1");
        QCOMPARE(fortschritt->maximum(), 6);

        a.Zeile("Flash clear start");
        a.Zeile("AKN"); // before the erase has ended: shown only
        QCOMPARE(a.rahmen.size(), 1);
        a.Zeile("Flash clear OK");
        QCOMPARE(a.Text("LabelClearOK"), QStringLiteral("OK"));
        QCOMPARE(a.rahmen.last(), B({0xAA, 0xF1, 0x02, 0xF0, 0x00, 0x8E, 0xE5}));
        QCOMPARE(a.panel.last(), (QVariantList{3, QStringLiteral("Flash ADDR")}));
        QVERIFY(Zeitgeber(a.f, "Timer1")->isActive());
        QVERIFY(Zeitgeber(a.f, "TimerAntwort")->isActive());
        a.Zeile("AKN");
        QCOMPARE(a.rahmen.last(), B({0xAA, 0xF2, 0x04, 0x31, 0x40, 0x00, 0x04, 0x16, 0xE5}));
        a.Zeile("NotAKN");
        QCOMPARE(a.rahmen.size(), 4);
        QCOMPARE(a.rahmen[3], a.rahmen[2]);
        Tick(Zeitgeber(a.f, "Timer1"));
        QCOMPARE(a.Text("LabelSendeZeile"), QStringLiteral("2"));
        QCOMPARE(fortschritt->value(), 2);
        for (int i = 0; i < 4; ++i)
            a.Zeile("AKN");
        QCOMPARE(a.rahmen.size(), 8);
        QVERIFY(a.antworter.meldungen.isEmpty());
        a.Zeile("AKN"); // the one after the last data line: the end line
        QCOMPARE(a.rahmen.size(), 8);
        QCOMPARE(a.antworter.meldungen.size(), 1);
        QCOMPARE(a.antworter.meldungen[0].titel, QStringLiteral("A C H T U N G"));
        QCOMPARE(a.antworter.meldungen[0].text, Erfolg);
        QCOMPARE(a.antworter.meldungen[0].symbol, QMessageBox::NoIcon);
        QVERIFY(!a.f.isVisible());
        QCOMPARE(a.f.result(), int(QDialog::Accepted));
        for (const char* t : {"Timer1", "TimerAntwort", "TimerStartmeldung"})
            QVERIFY2(!Zeitgeber(a.f, t)->isActive(), t);
        QCOMPARE(a.MonitorZeilen(),
                 (QStringList{"Flash clear start", "AKN", "Flash clear OK",
                              "Schreibe Adresszeiger im Flash @F000", "Starte Programmierung",
                              "Empfangsfehler! Wiederhole", "Schreibe Adresszeiger im Flash @FFE0",
                              "Schreibe Adresszeiger im Flash @FFFE", "Programmierung fertig.",
                              " Bitte trennen Sie die Spannung und starten Sie das Gerät neu!"}));
    }

    // Start with the port closed: "FEHLER beim senden!" and nothing else.
    void startOhnePort() {
        Aufbau a;
        a.offen = false;
        a.Zeige();
        a.Lade(a.Datei("image.txt", Beispiel));
        a.antworter.meldungen.clear();
        Knopf(a.f, "Button1")->click();
        QCOMPARE(a.rahmen.size(), 1);
        QCOMPARE(a.panel.size(), 1);
        QCOMPARE(a.panel.last(), (QVariantList{3, QStringLiteral("FEHLER beim senden!")}));
        QCOMPARE(a.Monitor()->toPlainText(), QString());
        QCOMPARE(a.Text("LabelClearOK"), QStringLiteral("??"));
        QVERIFY(a.antworter.meldungen.isEmpty());
        QVERIFY(!Zeitgeber(a.f, "TimerAntwort")->isActive());
    }

    // A frame unanswered for the reply time: the monitor says which line and address wait, once;
    // the transfer goes on when the reply comes after all.
    void keineAntwort() {
        Aufbau a;
        a.Zeige();
        a.Lade(a.Datei("image.txt", Beispiel));
        Knopf(a.f, "Button1")->click();
        a.Zeile("Flash clear OK");
        a.Zeile("AKN");
        QTimer* wache = Zeitgeber(a.f, "TimerAntwort");
        QVERIFY(wache->isActive());
        QVERIFY(wache->isSingleShot());
        a.Zeile("Bootloader V1.00"); // no reply: the watch goes on
        QVERIFY(wache->isActive());
        Tick(wache);
        QCOMPARE(a.MonitorZeilen().last(),
                 QStringLiteral("Keine Antwort des Bootloaders seit 5 s auf Zeile 2 (4 Bytes ab "
                                "Adresse F000). Die Übertragung wartet; Start beginnt neu."));
        a.Zeile("AKN");
        QCOMPARE(a.rahmen.size(), 4);
        QVERIFY(wache->isActive());
        // Start again: the erase is awaited like any frame, with a note of its own.
        Knopf(a.f, "Button1")->click();
        QVERIFY(wache->isActive());
        Tick(wache);
        QVERIFY2(a.MonitorZeilen().last().startsWith(
                     QStringLiteral("Keine Antwort des Bootloaders seit 5 s auf das Löschen.")),
                 qPrintable(a.MonitorZeilen().last()));
        // A line of the erase restarts the wait; "Flash clear OK" ends it.
        a.Zeile("Flash clear start");
        QVERIFY(wache->isActive());
        a.Zeile("Flash clear OK");
        QVERIFY(wache->isActive()); // now for the first line's reply
    }

    // The note names the wait the window really gave and what waits: the erase with no word
    // yet (is a bootloader there?), an erase begun but not ended (no doubt about the port), an
    // image line.
    void keineAntwortNennt_data() {
        QTest::addColumn<int>("frist");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("notiz");
        const QString loeschen = QStringLiteral(
            "Keine Antwort des Bootloaders seit %1 s auf das Löschen. Läuft die Steuerung im "
            "Bootloader (beim Einschalten Servicetaste gedrückt und Kippschalter auf Ost oder "
            "West)? Ist die richtige Schnittstelle gewählt? Start beginnt neu.");
        const QString dauert =
            QStringLiteral("Der Bootloader löscht seit %1 s (\"Flash clear start\"), \"Flash "
                           "clear OK\" fehlt noch. Die Übertragung wartet; Start beginnt neu.");
        const QString zeile = QStringLiteral(
            "Keine Antwort des Bootloaders seit %1 s auf Zeile 2 (4 Bytes ab Adresse F000). Die "
            "Übertragung wartet; Start beginnt neu.");
        // In the window's decimal separator.
        const auto zahl = [](QString z) { return z.replace(u'.', zahltext::Dezimaltrenner()); };
        QTest::newRow("Löschen") << 5000 << QStringList{} << loeschen.arg(5);
        QTest::newRow("Löschen, 0.3 s")
            << 300 << QStringList{"Bootloader V1.00"} << loeschen.arg(zahl("0.3"));
        QTest::newRow("Löschen begonnen")
            << 5000 << QStringList{"Flash clear start"} << dauert.arg(5);
        QTest::newRow("Löschen begonnen, 12.5 s")
            << 12500 << QStringList{"Flash clear start"} << dauert.arg(zahl("12.5"));
        QTest::newRow("Zeile") << 5000 << QStringList{"Flash clear OK", "AKN"} << zeile.arg(5);
        QTest::newRow("Zeile, 0.3 s")
            << 300 << QStringList{"Flash clear OK", "AKN"} << zeile.arg(zahl("0.3"));
    }
    void keineAntwortNennt() {
        QFETCH(int, frist);
        QFETCH(QStringList, zeilen);
        QFETCH(QString, notiz);
        Aufbau a;
        a.Zeige();
        a.Lade(a.Datei("image.txt", Beispiel));
        QTimer* wache = Zeitgeber(a.f, "TimerAntwort");
        wache->setInterval(frist);
        Knopf(a.f, "Button1")->click();
        for (const QString& z : zeilen)
            a.Zeile(qPrintable(z));
        QVERIFY(wache->isActive());
        Tick(wache);
        QCOMPARE(a.MonitorZeilen().last(), notiz);
    }

    // A line's bytes are shown one character each, as the bootloader's text is ISO 8859-1.
    void zeilenInIso88591() {
        Aufbau a;
        a.Zeige();
        a.Zeile("V\xC4\xFF");
        QCOMPARE(a.MonitorZeilen(), QStringList{QStringLiteral("VÄÿ")});
    }

    // With the port gone, an overdue reply says so instead of asking to wait.
    void keineAntwortOhnePort() {
        Aufbau a;
        bool portOffen = true;
        a.f.SetzePortAbfrage([&] { return portOffen; });
        a.Zeige();
        a.Lade(a.Datei("image.txt", Beispiel));
        Knopf(a.f, "Button1")->click();
        a.Zeile("Flash clear OK");
        portOffen = false;
        Tick(Zeitgeber(a.f, "TimerAntwort"));
        QVERIFY2(a.MonitorZeilen().last().contains(QStringLiteral("Verbindung zur Schnittstelle "
                                                                  "ist verloren")),
                 qPrintable(a.MonitorZeilen().last()));
        QVERIFY(!a.MonitorZeilen().last().contains(QStringLiteral("wartet")));
    }

    // The real box shows the instructions' six lines as six lines, not wrapped raggedly.
    void anleitungSechsZeilen() {
        Aufbau a;
        a.Zeige();
        QTRY_COMPARE_WITH_TIMEOUT(a.antworter.meldungen.size(), 1, 3000);
        const QString text = a.antworter.meldungen[0].text;
        QCOMPARE(text.split(QStringLiteral("\r\n")).size(), 6);
        QMessageBox box(QMessageBox::NoIcon, a.antworter.meldungen[0].titel, QString(),
                        QMessageBox::Ok);
        box.setTextFormat(Qt::RichText);
        box.setText(dialoge::AlsZeilen(text));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        const int zeile = label->fontMetrics().lineSpacing();
        QVERIFY2(label->height() < 7 * zeile, qPrintable(QString::number(label->height())));
        QVERIFY(label->height() >= 6 * zeile);
    }

    // After the instructions, Start has the focus; long notes wrap instead of being cut off.
    void tastaturUndUmbruch() {
        Aufbau a;
        a.Zeige();
        QTRY_COMPARE_WITH_TIMEOUT(a.antworter.meldungen.size(), 1, 3000);
        QCOMPARE(a.f.focusWidget(), Knopf(a.f, "Button1"));
        QCOMPARE(a.Monitor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    // Hidden, the window acts on no line: what the link had collected before it closed sends
    // nothing. Esc does not close it.
    void verborgenesFenster() {
        Aufbau a;
        a.Zeige();
        a.Lade(a.Datei("image.txt", Beispiel));
        Knopf(a.f, "Button1")->click();
        a.Zeile("Flash clear OK");
        QCOMPARE(a.rahmen.size(), 2);
        QTest::keyClick(&a.f, Qt::Key_Escape);
        QVERIFY(a.f.isVisible());
        a.f.close();
        QVERIFY(!a.f.isVisible());
        QVERIFY(!Zeitgeber(a.f, "Timer1")->isActive());
        QVERIFY(!Zeitgeber(a.f, "TimerAntwort")->isActive());
        const QString monitor = a.Monitor()->toPlainText();
        a.Zeile("AKN");
        a.Zeile("Flash clear OK");
        QCOMPARE(a.rahmen.size(), 2);
        QCOMPARE(a.Monitor()->toPlainText(), monitor);
        // Shown again, a late reply of the old run is only shown.
        a.Zeige();
        a.Zeile("AKN");
        QCOMPARE(a.rahmen.size(), 2);
        QCOMPARE(a.MonitorZeilen(), QStringList{"AKN"});
    }

    // Lines the link dropped under a flood are said in the monitor while the window is shown:
    // the transfer may wait for one of them. Hidden, nothing changes.
    void verloreneZeilen() {
        Aufbau a;
        a.f.ZeilenVerloren(5);
        a.Zeige();
        QVERIFY(a.Monitor()->toPlainText().isEmpty());
        a.Zeile("Bootloader V1.00");
        a.f.ZeilenVerloren(17);
        QCOMPARE(a.MonitorZeilen(),
                 (QStringList{"Bootloader V1.00",
                              "Empfang überlastet: 17 Zeilen des Bootloaders verworfen. Gerät und "
                              "Schnittstelle prüfen und Start drücken."}));
        a.f.close();
        a.f.ZeilenVerloren(3);
        QCOMPARE(a.MonitorZeilen().size(), 2);
    }
};

QTEST_MAIN(TestFirmwareupdate)
#include "tst_firmwareupdate.moc"
