// The parametrization window alone, with a send path of the test's own: its controls, the
// polling sequence, the request steps, the decoding of every response into edits, labels and
// lamps, the validation, the exchange with the simulation, and the service mode with the
// speed measurement on a clock the test moves.
#include "basis/simdaten.h"
#include "controller/Trackerinit.h"
#include "seriallink/rahmen.h"
#include "support/bedienung.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "widgets/Led1.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <string>

using rahmen::Bytes;

namespace {

const QColor Gelb(255, 255, 0), Grau(128, 128, 128);

// The main window's inputs as the test sets them, and every write in its order.
class FalscheSimDaten : public SimDaten {
public:
    SimEingaben eingaben{
        {SimFeld::Jahr, "2010"},    {SimFeld::Monat, "3"},         {SimFeld::Tag, "4"},
        {SimFeld::Stunde, "5"},     {SimFeld::Minute, "6"},        {SimFeld::Phi, "48,5"},
        {SimFeld::Lam, "-11,25"},   {SimFeld::ModulH, "200"},      {SimFeld::ModulL, "500"},
        {SimFeld::ModulA, "300"},   {SimFeld::ModulN, "25"},       {SimFeld::Scale, "2000"},
        {SimFeld::Intervall, "15"}, {SimFeld::EndlageStart, "80"}, {SimFeld::EndlageStop, "280"}};
    QStringList schritte;

    SimEingaben LeseSimEingaben() const override { return eingaben; }
    void UebernimmSimEingaben(const SimEingaben& e) override {
        for (const auto& x : e.Eintraege())
            schritte << QStringLiteral("%1=%2").arg(static_cast<int>(x.feld)).arg(x.text);
    }
    void Berechne() override { schritte << "Berechne"; }
    void ZeigeStandortUnbekannt() override { schritte << "--unbekannt---"; }
    void SetzeDatumZeit(const QString& j, const QString& mo, const QString& t, const QString& s,
                        const QString& mi) override {
        schritte << QStringLiteral("Datum %1-%2-%3 %4:%5").arg(j, mo, t, s, mi);
    }
    QString Panel(int) const override { return {}; }
    void SetzePanel(int, const QString&) override {}
};

QString Schritt(SimFeld f, const QString& text) {
    return QStringLiteral("%1=%2").arg(static_cast<int>(f)).arg(text);
}

// One window with its send path: every frame is kept; with the port "open" each send restarts
// the status poll, as the link does.
struct Aufbau {
    TestOrdner ordner;
    TestAntworter antworter;
    TFormTrackerInit f;
    FalscheSimDaten sim;
    bool offen = true;
    QList<Bytes> rahmen;
    QList<qint64> zeiten;
    QElapsedTimer uhr;
    QSignalSpy panel{&f, &TFormTrackerInit::panelText};
    QDateTime jetzt{QDate(2024, 5, 1), QTime(10, 0, 0)};

    Aufbau() {
        uhr.start();
        f.SetzeSender([this](std::span<const std::uint8_t> b) {
            rahmen << Bytes(b.begin(), b.end());
            zeiten << uhr.elapsed();
            if (offen) f.Gesendet();
            return offen;
        });
        f.SetzeSimDaten(&sim);
        f.SetzeUhr([this] { return jetzt; });
    }

    void Antwort(std::uint8_t kommando, const Bytes& nutzdaten) {
        const Bytes r = rahmen::Antwort(kommando, nutzdaten);
        f.RahmenEmpfangen(QByteArray(reinterpret_cast<const char*>(r.data()), r.size()));
    }
    // The last text of panel 3.
    QString Panel3() const {
        for (qsizetype i = panel.size(); i-- > 0;)
            if (panel.at(i).at(0).toInt() == 3) return panel.at(i).at(1).toString();
        return {};
    }
    UpDownEdit* E(const char* name) { return Edit(f, name); }
    TLED* Led(const char* name) { return Kind<TLED>(f, name); }
    QTimer* T(const char* name) { return Zeitgeber(f, name); }
    QString Text(const char* name) { return Label(f, name)->text(); }
    // The six status lamps from left to right (Auto, ELW, MotorW, MotorO, ELO, Tracking), 1 for
    // lit in yellow, 0 for grey.
    QString Lampen() {
        QString r;
        for (const char* n :
             {"LEDAutomatic", "LEDELW", "LEDMotorL", "LEDMotorR", "LEDELO", "LEDTracking"}) {
            TLED* l = Led(n);
            r += l->on() && l->Pinsel() == Gelb ? u'1'
                                                : (!l->on() && l->Pinsel() == Grau ? u'0' : u'?');
        }
        return r;
    }
    // A status response, as the controller sends it every 1.5 s.
    void Status(std::uint8_t byte, std::uint16_t countdown = 0) {
        Antwort(9, {byte, std::uint8_t(countdown & 0xFF), std::uint8_t(countdown >> 8)});
    }
    void Version(const char* text) {
        Bytes n{0x21};
        for (const char* c = text; *c; ++c)
            n.push_back(std::uint8_t(*c));
        Antwort(11, n);
    }
};

Bytes Leer(std::uint8_t kommando) {
    return rahmen::Anfrage(kommando);
}

} // namespace

class TestTrackerinit : public QObject {
    Q_OBJECT

private slots:
    void fensterUndGruppen() {
        Aufbau a;
        QCOMPARE(a.f.windowTitle(), QStringLiteral("Tracker Parametrierung"));
        QCOMPARE(a.f.size(), QSize(586, 576));
        a.f.Zeige();
        // Its own place where the screen is large enough, else inside the available area.
        QCOMPARE(TFormTrackerInit::ErsterOrt({0, 0, 1920, 1080}, {594, 608}), QPoint(441, 140));
        QCOMPARE(TFormTrackerInit::ErsterOrt({0, 0, 1024, 740}, {594, 608}), QPoint(430, 132));
        QCOMPARE(TFormTrackerInit::ErsterOrt({0, 0, 800, 600}, {594, 608}), QPoint(206, 0));
        const QRect verfuegbar = a.f.screen()->availableGeometry();
        QVERIFY2(verfuegbar.contains(QRect(a.f.pos(), a.f.size())) || a.f.pos().y() == 0,
                 qPrintable(QStringLiteral("%1,%2").arg(a.f.pos().x()).arg(a.f.pos().y())));
        struct Gruppe {
            const char* name;
            const char* titel;
            QRect rechteck;
            QColor farbe;
        };
        const QColor silber(0xC0, 0xC0, 0xC0), geldgruen(0xC0, 0xDC, 0xC0);
        const Gruppe gruppen[] = {
            {"GroupBoxParam", "Trackerinitialisierung", {8, 8, 272, 352}, silber},
            {"GroupBoxTime", "Nur UTC Zeit eingeben!", {296, 4, 273, 177}, silber},
            {"GroupBoxIstwerte", "aktuelle Systemwerte", {296, 187, 281, 173}, silber},
            {"GroupBox4", "Softwareversion", {8, 366, 272, 132}, silber},
            {"GroupBox1", "Servicemode", {296, 366, 281, 132}, silber},
            {"GroupBox2", "Status", {8, 504, 401, 64}, geldgruen},
            {"GroupBox3", "Schnittstelle", {415, 504, 163, 64}, geldgruen},
        };
        for (const Gruppe& g : gruppen) {
            auto* box = Kind<QGroupBox>(a.f, g.name);
            QCOMPARE(box->title(), QString::fromUtf8(g.titel));
            QCOMPARE(box->geometry(), g.rechteck);
            QVERIFY(box->autoFillBackground());
            QCOMPARE(box->palette().color(QPalette::Window), g.farbe);
            QVERIFY2(box->font().bold(), g.name);
            // Every control stays inside its box.
            for (QWidget* w : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w->isVisibleTo(&a.f))
                    QVERIFY2(box->rect().contains(w->geometry()), qPrintable(w->objectName()));
        }
        // Captions bold, every text beside a control whole and in the window's face.
        for (QLabel* l : a.f.findChildren<QLabel*>()) {
            if (l == Label(a.f, "LabelVersionsError")) continue;
            QVERIFY2(!l->font().bold(), qPrintable(l->text()));
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
        }
        QCOMPARE(a.Text("LabelSVersion"), QStringLiteral("xxxx"));
        QCOMPARE(a.Text("LabelVersionsError"), QString());
        QVERIFY(Label(a.f, "LabelVersionsError")->font().bold());
        QCOMPARE(Label(a.f, "LabelVersionsError")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        QCOMPARE(a.Text("LabelTrackTime"), QStringLiteral("00:00:00"));
        QCOMPARE(a.Text("LabelZeit"), QStringLiteral("00:00:00"));
        QCOMPARE(a.Text("LabelSpeed"), QStringLiteral("0,000 °/s"));
        for (const char* n : {"EditAktPos", "EditAktSchatten", "EditAktSonnenstand",
                              "EditAktAzimut", "EditAktGrenz", "EditAktKorrekt"}) {
            auto* e = Kind<QLineEdit>(a.f, n);
            QCOMPARE(e->text(), QStringLiteral("0"));
            // Not editable, but in the normal text colour, not the disabled grey.
            QVERIFY(e->isReadOnly());
            QVERIFY(e->isEnabled());
            QCOMPARE(e->palette().color(QPalette::Active, QPalette::Text),
                     a.f.palette().color(QPalette::Active, QPalette::Text));
        }
        auto* gruppe = Kind<QComboBox>(a.f, "ComboBoxGruppe");
        QVERIFY(!gruppe->isVisibleTo(&a.f));
        QCOMPARE(gruppe->currentText(), QStringLiteral("1"));
        QCOMPARE(gruppe->count(), 5);
        QCOMPARE(gruppe->itemText(4), QStringLiteral("5"));
    }

    void edits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("schritt");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("hinweis");
        const auto zeile = [](const char* n, const char* t, int mi, int ma, int s, const char* b,
                              const char* h) {
            QTest::newRow(n) << QString::fromUtf8(t) << mi << ma << s << QString::fromUtf8(b)
                             << QString::fromUtf8(h);
        };
        zeile("EditPhi", "51", -90, 90, 1, "Breitengrad in °",
              "Geographische Breite der Trackerposition");
        zeile("EditLam", "-13", -180, 180, 1, "Längengrad °",
              "Geographische Länge der Trackerposition. Östliche Länge muß negativ eingegeben "
              "werden!");
        zeile("EditModulH", "160", 1, 500, 1, "Modulhöhe in cm",
              "Höhe des Moduls im senkrechtem Zustand");
        zeile("EditModulL", "1500", 1, 2500, 1, "Modubreite in cm",
              "Breite des Moduls. Bei mehreren nebeneinander angeortneten Modulen ist hier die "
              "gesammte Breite anzugeben.");
        zeile("EditModulA", "150", 1, 1000, 1, "Lichter Modulabstand in cm",
              "Abstand der geneigten Modulreihen incl. einer Modulstärke.");
        zeile("EditModulN", "30", 0, 90, 1, "Modulneigung in °",
              "Neigung der Module in Grad. Daraus wird die tatsächliche Höhe für den Schattenwurf "
              "berechnet.");
        zeile("EditIntervall", "5", 1, 60, 5, "Trackintervall in min",
              "Zeitabstände in denen die Tracker Steuerung eine neue Sonnenposition berechnet und "
              "eine Nachführung durchführt.");
        zeile("EditWinkelSpeed", "2236", 1, 5000, 1, "Winkelgeschw. in °/s x1000 ",
              "Geschwindigkeit des Trackers in m°/s");
        zeile("EditAnschlagOst", "75", 0, 360, 1, "Winkel des Anschlag Ost in °",
              "Winkelposition des Ostanschlag.");
        zeile("EditAnschlagWest", "285", 0, 360, 1, "Winkel des Anschlag West in °",
              "Position des Westanschlag.");
        zeile("EditKorrekturFaktor", "1000", 1000, 1100, 1, "Winkelkorrektur-Faktor in x1000",
              "Faktor zur Überkorrektur des Backtracking um Fehler in der Bestimmung des "
              "absoluten Anschlages zu kompensieren.");
        zeile("EditJahr", "2008", 2000, 2100, 1, "Jahr", "");
        zeile("EditMonat", "7", 1, 12, 1, "Monat", "");
        zeile("EditTag", "7", 1, 31, 1, "Tag", "");
        zeile("EditStunde", "11", 0, 23, 1, "Stunde", "");
        zeile("EditMinute", "0", 0, 59, 1, "Minute", "");
        zeile("EditSec", "0", 0, 59, 5, "Sekunde", "");
        zeile("EditSetPOS", "0", 0, 359, 1, "Winkel in °", "");
    }
    void edits() {
        QFETCH(QString, text);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, schritt);
        QFETCH(QString, beschriftung);
        QFETCH(QString, hinweis);
        Aufbau a;
        const QByteArray name = QTest::currentDataTag();
        UpDownEdit* e = a.E(name.constData());
        QCOMPARE(e->text(), text);
        QCOMPARE(e->minimum(), min);
        QCOMPARE(e->maximum(), max);
        QCOMPARE(e->schritt(), schritt);
        QCOMPARE(e->toolTip(), hinweis);
        QLabel* l = Label(a.f, ("Label" + name.mid(4)).constData());
        QCOMPARE(l->text(), beschriftung);
        QCOMPARE(l->buddy(), e);
        // The label stands to the right of its edit.
        QVERIFY(l->x() > e->x() + e->width() - 1);
        // No length limit: what the window writes arrives whole, and so does what is typed.
        QCOMPARE(e->maxLaenge(), 0);
    }

    void knoepfe_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("frei");
        QTest::addColumn<QString>("hinweis");
        const auto zeile = [](const char* n, const char* t, bool f, const char* h) {
            QTest::newRow(n) << QString::fromUtf8(t) << f << QString::fromUtf8(h);
        };
        zeile("ButtonGETsimDaten", "GET Sim Daten ", true,
              "übernimmt die Daten der Simmulation in die Tracker Parametrierung");
        zeile("ButtonSETsimDaten", "SET Sim Daten ", true,
              "überträgt die Daten des Trackers in die Simmulation");
        zeile("ButtonParGET", "GET Param", false,
              "lesen aller Initialisierungsdaten aus dem Tracker.");
        zeile("ButtonParSET", "SET Param", false,
              "Sendet die Tracker-Initialisierung zum Tracker, dieser speichert diese dann intern "
              "bleibend ab.");
        zeile("ButtonTimeSET", " SET Time", true, "setzt die Zeit in der Trackersteuerung");
        zeile("ButtonTimeGET", "GET Time", true, "Lade die Zeit aus der Trackersteuerung");
        zeile("ButtonGetVersion", "GET Version", true, "");
        zeile("ButtonGET", "GET Position", true, "Holt die aktuellen Positionsdaten vom Tracker");
        zeile("ButtonSETPOS", "SET Position", true,
              "Zum manuellen positionieren des Trackers auf einen Winkel. Dabei wird der "
              "Automatik Mode verlassen!");
        zeile("ButtonSetAutomatic", "SET AutomatiK", true,
              "Versetzt die Trackersteuerung in den Automatik Mode ");
        zeile("ButtonGetWinkelSpeed", "messe Speed", true,
              "Schaltet den Tracker in den manuellen Modus, fährt zum West Anschlag und misst die "
              "Zeit zum Durchlaufen von W nach O. Der ermittelte Wert muß anschließend mit Hand "
              "für die Trackerinitialisierung übernommen werden!");
    }
    void knoepfe() {
        QFETCH(QString, text);
        QFETCH(bool, frei);
        QFETCH(QString, hinweis);
        Aufbau a;
        QPushButton* b = Knopf(a.f, QTest::currentDataTag());
        // With its access key marked ("GET &Param" shows "GET Param", P underlined).
        QVERIFY2(b->text().count(u'&') == 1, qPrintable(b->text()));
        QCOMPARE(QString(b->text()).remove(u'&'), text);
        QCOMPARE(b->isEnabled(), frei);
        QCOMPARE(b->toolTip(), hinweis);
    }

    void lampenUndTimer() {
        Aufbau a;
        // Left to right in "Status", each with its caption beside it, then "Schnittstelle".
        const std::pair<const char*, const char*> lampen[] = {
            {"LEDAutomatic", "Auto"}, {"LEDELW", "ELW"}, {"LEDMotorL", "MotorW"},
            {"LEDMotorR", "MotorO"},  {"LEDELO", "ELO"}, {"LEDTracking", "Tracking"},
            {"LEDRxT", "RxT"},        {"LEDTxT", "TxT"}};
        int x = -1;
        for (const auto& [name, text] : lampen) {
            TLED* l = a.Led(name);
            QCOMPARE(l->size(), QSize(15, 15));
            QVERIFY(!l->on());
            QCOMPARE(l->Pinsel(), Grau);
            QCOMPARE(l->BlinkInterval(), 0);
            QLabel* c = Label(a.f, (QByteArray(name) + "Text").constData());
            QCOMPARE(c->text(), QString::fromLatin1(text));
            QCOMPARE(c->parent(), l->parent());
            QVERIFY(c->x() > l->x());
            if (QByteArray(name) != "LEDRxT") QVERIFY2(l->x() > x, name);
            x = QByteArray(name) == "LEDTracking" ? -1 : l->x();
        }
        QCOMPARE(a.Led("LEDAutomatic")->parent()->objectName(), QStringLiteral("GroupBox2"));
        QCOMPARE(a.Led("LEDRxT")->parent()->objectName(), QStringLiteral("GroupBox3"));

        const std::tuple<const char*, int, bool> timer[] = {{"TimerGetStatus", 1500, false},
                                                            {"TimerGetVersion", 1000, true},
                                                            {"TimerGetTime", 1500, true},
                                                            {"TimerGetAktuals", 2000, true},
                                                            {"TimerTracktime", 1000, false}};
        for (const auto& [name, ms, einmal] : timer) {
            QCOMPARE(a.T(name)->interval(), ms);
            QCOMPARE(a.T(name)->isSingleShot(), einmal);
            QVERIFY(!a.T(name)->isActive());
            // A coarse timer may fire up to 5 % early.
            QCOMPARE(a.T(name)->timerType(), Qt::PreciseTimer);
        }
    }

    // Version at 1.0 s, clock at 1.5 s, current values at 2.0 s; each of them restarts the
    // poll, so the first status request follows at 3.5 s, then one every 1.5 s. Closing stops
    // the poll; showing again starts the whole sequence again.
    void abfragefolge() {
        Aufbau a;
        a.uhr.restart();
        a.f.Zeige();
        QTRY_VERIFY_WITH_TIMEOUT(a.rahmen.size() >= 5, 15000);
        const QList<Bytes> erwartet{Leer(10), Leer(4), Leer(5), Leer(8), Leer(8)};
        QCOMPARE(a.rahmen.mid(0, 5), erwartet);
        // Coarse timers may fire up to 5 % early (and the clock starts before the show), never
        // much late on an idle machine.
        const qint64 soll[] = {1000, 1500, 2000, 3500, 5000};
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(a.zeiten[i] >= soll[i] * 90 / 100, qPrintable(QString::number(a.zeiten[i])));
            QVERIFY2(a.zeiten[i] <= soll[i] + 3000, qPrintable(QString::number(a.zeiten[i])));
        }
        QCOMPARE(a.Panel3(), QStringLiteral("Get Status"));

        a.f.close();
        QVERIFY(!a.f.isVisible());
        QVERIFY(!a.T("TimerGetStatus")->isActive());
        a.rahmen.clear();
        a.f.Zeige();
        for (const char* t :
             {"TimerGetVersion", "TimerGetTime", "TimerGetAktuals", "TimerGetStatus"})
            QVERIFY2(a.T(t)->isActive(), t);
        QTRY_VERIFY_WITH_TIMEOUT(a.rahmen.size() >= 3, 10000);
        QCOMPARE(a.rahmen.mid(0, 3), (QList<Bytes>{Leer(10), Leer(4), Leer(5)}));
        a.f.close();
    }

    // Every request: its frame, its status text, LEDTxT changes state, and the poll is
    // stopped (the link starts it again when the port is open).
    void anfragen_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<Bytes>("rahmen");
        QTest::addColumn<QString>("status");
        QTest::newRow("GET Param") << "ButtonParGET" << Leer(2) << "GET Parameter";
        QTest::newRow("SET Param")
            << "ButtonParSET"
            << Bytes{0xAA, 0x01, 0x25, 0x00, 0x08, 0xDC, 0x05, 0xA0, 0x00, 0x00, 0x00,
                     0x96, 0x00, 0x1E, 0x00, 0xB8, 0x0B, 0xEC, 0xFA, 0xEC, 0x13, 0x4B,
                     0x00, 0x1D, 0x01, 0x17, 0xD9, 0xCE, 0xF7, 0x53, 0xE3, 0x01, 0x40,
                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x7A, 0xE5}
            << "SET Parameter";
        QTest::newRow("SET Time") << "ButtonTimeSET"
                                  << Bytes{0xAA, 0x03, 0x09, 0x00, 0x00, 0x00, 0x00, 0x0B,
                                           0x07, 0x00, 0x07, 0x08, 0x01, 0xD9, 0xE5}
                                  << "SET Time";
        QTest::newRow("GET Time") << "ButtonTimeGET" << Leer(4) << "GET Time";
        QTest::newRow("GET Position") << "ButtonGET" << Leer(5) << "GET Aktuelle Daten";
        QTest::newRow("SET Position")
            << "ButtonSETPOS" << Bytes{0xAA, 0x06, 0x02, 0x00, 0x00, 0x00, 0xB3, 0xE5}
            << "SET Position";
        QTest::newRow("SET AutomatiK") << "ButtonSetAutomatic" << Leer(7) << "SET Automatik";
        QTest::newRow("GET Version") << "ButtonGetVersion" << Leer(10) << "GET Info";
    }
    void anfragen() {
        QFETCH(QString, knopf);
        QFETCH(Bytes, rahmen);
        QFETCH(QString, status);
        for (const bool offen : {true, false}) {
            Aufbau a;
            a.offen = offen;
            a.Version("01.20");
            QTimer* poll = a.T("TimerGetStatus");
            poll->start();
            QPushButton* b = Knopf(a.f, knopf.toLatin1().constData());
            QVERIFY(b->isEnabled());
            b->click();
            QCOMPARE(a.rahmen, QList<Bytes>{rahmen});
            QCOMPARE(a.Panel3(), offen ? status : QStringLiteral("FEHLER beim senden!"));
            QVERIFY(a.Led("LEDTxT")->on());
            // With the port closed the poll stays stopped.
            QCOMPARE(poll->isActive(), offen);
            b->click();
            QVERIFY(!a.Led("LEDTxT")->on());
            QVERIFY2(a.antworter.meldungen.size() == (knopf == "ButtonSETPOS" ? 2 : 0),
                     qPrintable(a.antworter.texte().join('|')));
        }
    }

    // The poll's own request never stops it: with the port closed it goes on failing.
    void statusabfrageOhnePort() {
        Aufbau a;
        a.offen = false;
        QTimer* poll = a.T("TimerGetStatus");
        poll->start();
        Tick(poll);
        Tick(poll);
        QCOMPARE(a.rahmen, (QList<Bytes>{Leer(8), Leer(8)}));
        QCOMPARE(a.Panel3(), QStringLiteral("FEHLER beim senden!"));
        QVERIFY(poll->isActive());
        QVERIFY(!a.Led("LEDTxT")->on());
        // A window without a send path fails the same way.
        TFormTrackerInit ohne;
        QSignalSpy panel(&ohne, &TFormTrackerInit::panelText);
        Knopf(ohne, "ButtonGET")->click();
        QCOMPARE(panel.size(), 1);
        QCOMPARE(panel.at(0).at(1).toString(), QStringLiteral("FEHLER beim senden!"));
    }

    // 55 09 03 21 10 00 93 E5: "Tracking" and "Auto" lit, the countdown 00:00:01. Every
    // accepted response changes LEDRxT.
    void statusUndLampen() {
        Aufbau a;
        a.f.Zeige();
        const Bytes r{0x55, 0x09, 0x03, 0x21, 0x10, 0x00, 0x93, 0xE5};
        a.f.RahmenEmpfangen(QByteArray(reinterpret_cast<const char*>(r.data()), r.size()));
        QCOMPARE(a.Lampen(), QStringLiteral("100001"));
        QCOMPARE(a.Text("LabelTrackTime"), QStringLiteral("00:00:01"));
        QCOMPARE(a.f.StatusByte(), 0x21);
        QCOMPARE(a.f.TrackCountdown(), 16);
        QVERIFY(a.Led("LEDRxT")->on());
        QVERIFY(a.f.RxState());
        struct Fall {
            std::uint8_t byte;
            std::uint16_t countdown;
            const char* lampen;
            const char* text;
        };
        const Fall faelle[] = {
            {0x02, 3125, "001000", "00:05:12"}, {0x04, 65535, "000100", "00:109:13"},
            {0x08, 0, "000010", "00:00:00"},    {0x10, 599, "010000", "00:00:59"},
            {0xFF, 600, "111111", "00:01:00"},  {0xC0, 0, "000000", "00:00:00"}};
        bool rx = true;
        for (const Fall& f : faelle) {
            a.Status(f.byte, f.countdown);
            rx = !rx;
            QCOMPARE(a.Lampen(), QString::fromLatin1(f.lampen));
            QCOMPARE(a.Text("LabelTrackTime"), QString::fromLatin1(f.text));
            QCOMPARE(a.Led("LEDRxT")->on(), rx);
        }
    }

    // Acknowledgements, unknown commands and responses shorter than their command reads only
    // blink LEDRxT.
    void nurEmpfangslampe() {
        Aufbau a;
        a.Status(0x21, 16);
        const QString edit = a.E("EditModulL")->text();
        struct Fall {
            std::uint8_t kommando;
            Bytes nutzdaten;
        };
        const Fall faelle[] = {
            {1, {0x00, 0x00, 0x00}},
            {3, {0x3F, 0xFF, 0xFF}},
            {6, {}},
            {7, {0x3F}},
            {12, {0x3F, 1, 1}},
            {2, Bytes(40, 0x3F)},
            {4, Bytes(8, 0x3F)},
            {5, Bytes(12, 0x3F)},
            {9, {0x3F, 0x01}},
            {11, {0x3F, '0'}},
        };
        bool rx = true;
        for (const Fall& f : faelle) {
            a.Antwort(f.kommando, f.nutzdaten);
            rx = !rx;
            QCOMPARE(a.Led("LEDRxT")->on(), rx);
            QCOMPARE(a.Lampen(), QStringLiteral("100001"));
            QCOMPARE(a.Text("LabelTrackTime"), QStringLiteral("00:00:01"));
            QCOMPARE(a.E("EditModulL")->text(), edit);
            QCOMPARE(a.Text("LabelSVersion"), QStringLiteral("xxxx"));
            QCOMPARE(Kind<QLineEdit>(a.f, "EditAktPos")->text(), QStringLiteral("0"));
        }
        QCOMPARE(a.f.Parameter(), messages::TrackerParameter{});
        QCOMPARE(a.f.Zeit(), messages::TrackerZeit{});
    }

    void parameterAntwort() {
        Aufbau a;
        messages::TrackerParameter p;
        p.ParModulL = 1400;
        p.ParModulH = 170;
        p.ParModulA = 160;
        p.ParModulN = 95; // the validation makes it 90 in the edit, not in the block
        p.ParIntervall = 9000;
        p.ParLaenge = -1300; // EC FA
        p.ParBreite = 5053;
        p.ParAnschlagOst = 80;
        p.ParAnschlagWest = 280;
        p.ParWinkelSpeed = 2.236;
        p.ParKorrekturFaktor = 1.05;
        p.ParRest = {1, 2, 3, 4};
        Bytes n{0x01};
        const auto b = p.Bytes();
        n.insert(n.end(), b.begin(), b.end());
        a.Antwort(2, n);
        QCOMPARE(a.f.Parameter(), p);
        const std::pair<const char*, const char*> edits[] = {
            {"EditModulL", "1400"},      {"EditModulH", "170"},          {"EditModulA", "160"},
            {"EditModulN", "90"},        {"EditIntervall", "15"},        {"EditLam", "-13"},
            {"EditPhi", "50,53"},        {"EditWinkelSpeed", "2236"},    {"EditAnschlagOst", "80"},
            {"EditAnschlagWest", "280"}, {"EditKorrekturFaktor", "1050"}};
        for (const auto& [name, text] : edits)
            QCOMPARE(a.E(name)->text(), QString::fromLatin1(text));
        // Payload bytes 1-2 are the set's first bytes and the countdown at the same time.
        QCOMPARE(a.f.TrackCountdown(), 1400);
        QCOMPARE(a.Lampen(), QStringLiteral("000001"));
        QVERIFY(a.antworter.meldungen.isEmpty());
    }

    void uhrAntwort() {
        Aufbau a;
        a.f.UebernimmAusDatei(0, 2); // a group from a simulation file
        a.Antwort(4, {0x20, 17, 45, 13, 24, 0x5A, 12, 9, 3});
        QCOMPARE(a.f.Zeit(), (messages::TrackerZeit{17, 45, 13, 24, 0x5A, 12, 9, 2}));
        const std::pair<const char*, const char*> edits[] = {
            {"EditJahr", "2009"}, {"EditMonat", "12"},  {"EditTag", "24"},
            {"EditStunde", "13"}, {"EditMinute", "45"}, {"EditSec", "17"}};
        for (const auto& [name, text] : edits)
            QCOMPARE(a.E(name)->text(), QString::fromLatin1(text));
        auto* gruppe = Kind<QComboBox>(a.f, "ComboBoxGruppe");
        QCOMPARE(gruppe->currentText(), QStringLiteral("3"));
        // ZeitGruppe stays; "SET Time" takes the group from the combo box.
        QCOMPARE(a.f.Gruppe(), 2);
        Knopf(a.f, "ButtonTimeSET")->click();
        QCOMPARE(a.rahmen.last(), messages::SetTimeAnfrage({17, 45, 13, 24, 0x5A, 12, 9, 3}));

        // A group outside 1-5 leaves no item chosen: "SET Time" then fails on the group after
        // stopping the poll, and sends nothing.
        a.Antwort(4, {0x20, 0, 0, 0, 1, 0, 1, 10, 6});
        QCOMPARE(gruppe->currentIndex(), -1);
        QCOMPARE(gruppe->currentText(), QString());
        a.rahmen.clear();
        a.T("TimerGetStatus")->start();
        Knopf(a.f, "ButtonTimeSET")->click();
        QVERIFY(a.rahmen.isEmpty());
        QVERIFY(!a.T("TimerGetStatus")->isActive());
        QCOMPARE(a.antworter.texte(), QStringList{"'''' ist kein gültiger Integer-Wert"});
    }

    void istwerte() {
        Aufbau a;
        a.Antwort(5, {0x21, 174, 0, 0xB4, 0x01, 0x66, 0x02, 0xC9, 0x06, 6, 0, 0xCF, 0xFF});
        const std::pair<const char*, const char*> edits[] = {
            {"EditAktPos", "174"},      {"EditAktSchatten", "43,6"}, {"EditAktSonnenstand", "61,4"},
            {"EditAktAzimut", "173,7"}, {"EditAktGrenz", "6"},       {"EditAktKorrekt", "-4,9"}};
        for (const auto& [name, text] : edits)
            QCOMPARE(Kind<QLineEdit>(a.f, name)->text(), QString::fromLatin1(text));
        QCOMPARE(a.f.TrackCountdown(), 174);
    }

    // "GET Param" then "SET Param" with nothing typed sends back exactly the bytes the
    // controller sent, also for the values binary floating point used to change.
    void parameterUnveraendertZurueck_data() {
        QTest::addColumn<int>("laenge");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("speed");  // thousandths
        QTest::addColumn<int>("faktor"); // thousandths
        QTest::newRow("8,45 / -9,53") << 845 << -953 << 2236 << 1000;
        QTest::newRow("1,15 / 0,29") << 115 << 29 << 1001 << 1015;
        QTest::newRow("-0,57 / 4,35") << -57 << 435 << 10 << 65535;
        QTest::newRow("Grenzen") << -32768 << 32767 << 10000 << 0;
    }
    void parameterUnveraendertZurueck() {
        QFETCH(int, laenge);
        QFETCH(int, breite);
        QFETCH(int, speed);
        QFETCH(int, faktor);
        Aufbau a;
        a.Version("01.20");
        messages::TrackerParameter p;
        LeseParametertexte(
            {"51", "-13", "160", "1500", "150", "30", "5", "2236", "75", "285", "1000"}, p);
        p.ParLaenge = static_cast<std::int16_t>(laenge);
        p.ParBreite = static_cast<std::int16_t>(breite);
        p.ParWinkelSpeed = std::stod(std::to_string(speed) + "e-3");
        p.ParKorrekturFaktor = std::stod(std::to_string(faktor) + "e-3");
        p.ParRest = {1, 2, 3, 4};
        Bytes nutzdaten{0x21};
        const auto b = p.Bytes();
        nutzdaten.insert(nutzdaten.end(), b.begin(), b.end());
        a.Antwort(2, nutzdaten);
        Knopf(a.f, "ButtonParSET")->click();
        QVERIFY(!a.rahmen.isEmpty());
        QCOMPARE(a.rahmen.last(), messages::SetParamAnfrage(p));
    }

    // Only a version of at least 01.20 enables "GET Param" and "SET Param".
    void version() {
        Aufbau a;
        QPushButton* get = Knopf(a.f, "ButtonParGET");
        QPushButton* set = Knopf(a.f, "ButtonParSET");
        struct Fall {
            const char* text;
            bool frei;
            const char* fehler;
            int version;
        };
        const Fall faelle[] = {
            {"01.20", true, "", 120},
            {"01.19", false, "Falsche Version!", 119},
            {"02.05", true, "", 205},
            // Too short: shown, the buttons disabled, no new version number.
            {"1.2", false, "Falsche Version!", 205},
            {"02.05", true, "", 205},
            // Unreadable: shown, nothing else changes.
            {"V1.19", true, "", 205},
        };
        for (const Fall& f : faelle) {
            a.Version(f.text);
            QCOMPARE(a.Text("LabelSVersion"), QString::fromLatin1(f.text));
            QCOMPARE(get->isEnabled(), f.frei);
            QCOMPARE(set->isEnabled(), f.frei);
            QCOMPARE(a.Text("LabelVersionsError"), QString::fromLatin1(f.fehler));
            QCOMPARE(a.f.SoftwareVersion(), f.version);
        }
        QVERIFY(a.antworter.meldungen.isEmpty());
    }

    void validierung_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("ergebnis");
        const auto zeile = [](const char* e, const char* t, const char* r) {
            QTest::addRow("%s %s", e, t) << e << t << r;
        };
        zeile("EditJahr", "2051", "2050");
        zeile("EditJahr", "1899", "1900");
        zeile("EditJahr", "1999", "1999");
        zeile("EditMonat", "0", "1");
        zeile("EditMonat", "13", "12");
        zeile("EditTag", "0", "1");
        zeile("EditTag", "32", "31");
        zeile("EditTag", "31", "31"); // no month length
        zeile("EditStunde", "-1", "0");
        zeile("EditStunde", "24", "23");
        zeile("EditMinute", "-5", "0");
        zeile("EditMinute", "60", "59");
        zeile("EditSec", "-1", "0");
        zeile("EditSec", "75", "59");
        zeile("EditAnschlagWest", "361", "360");
        zeile("EditAnschlagOst", "400", "360");
        zeile("EditAnschlagOst", "-5", "-5");
        zeile("EditIntervall", "61", "60");
        zeile("EditIntervall", "0", "0");
        zeile("EditModulN", "95", "90");
        zeile("EditKorrekturFaktor", "5000", "5000");
        zeile("EditModulL", "99999", "99999"); // not validated
    }
    void validierung() {
        QFETCH(QString, edit);
        QFETCH(QString, getippt);
        QFETCH(QString, ergebnis);
        Aufbau a;
        UpDownEdit* e = a.E(edit.toLatin1().constData());
        e->setText(getippt);
        QCOMPARE(e->text(), ergebnis);
        QVERIFY2(a.antworter.meldungen.isEmpty(), qPrintable(a.antworter.texte().join('|')));
    }

    // Typed key by key, every keystroke is a change that runs the validation.
    void validierungBeimTippen() {
        Aufbau a;
        a.f.Zeige();
        const std::pair<const char*, const char*> faelle[] = {{"EditModulN", "95"},
                                                              {"EditJahr", "2051"}};
        for (const auto& [name, getippt] : faelle) {
            UpDownEdit* e = a.E(name);
            e->setFocus();
            e->selectAll();
            QTest::keyClicks(e, QString::fromLatin1(getippt));
        }
        QCOMPARE(a.E("EditModulN")->text(), QStringLiteral("90"));
        QCOMPARE(a.E("EditJahr")->text(), QStringLiteral("2050"));
        QVERIFY2(a.antworter.meldungen.isEmpty(), qPrintable(a.antworter.texte().join('|')));
        a.f.close();
    }

    // The speed is bounded only when another validated edit changes or "SET Param" runs.
    void geschwindigkeitErstBeiAndererPruefung() {
        Aufbau a;
        a.E("EditWinkelSpeed")->setText("5");
        QCOMPARE(a.E("EditWinkelSpeed")->text(), QStringLiteral("5"));
        a.E("EditTag")->setText("8");
        QCOMPARE(a.E("EditWinkelSpeed")->text(), QStringLiteral("10"));
        a.E("EditWinkelSpeed")->setText("10001");
        a.Version("01.20");
        Knopf(a.f, "ButtonParSET")->click();
        QCOMPARE(a.E("EditWinkelSpeed")->text(), QStringLiteral("10000"));
        QCOMPARE(a.f.Parameter().ParWinkelSpeed, 10.0);
    }

    // A validated edit that is no whole number fails at every change while it stays so; the
    // texts stay as they are.
    void validierungOhneZahl() {
        Aufbau a;
        a.E("EditMonat")->setText("");
        QCOMPARE(a.antworter.texte(), QStringList{"'''' ist kein gültiger Integer-Wert"});
        a.E("EditMonat")->setText("x");
        a.E("EditJahr")->setText("2051"); // fails at the month before it would be bounded
        QCOMPARE(a.antworter.texte().size(), 3);
        QCOMPARE(a.antworter.texte().last(),
                 QStringLiteral("''x'' ist kein gültiger Integer-Wert"));
        QCOMPARE(a.E("EditJahr")->text(), QStringLiteral("2050"));
        QCOMPARE(a.E("EditMonat")->text(), QStringLiteral("x"));
        // "SET Param" stops the poll, fails in the validation, sends nothing.
        a.Version("01.20");
        a.T("TimerGetStatus")->start();
        Knopf(a.f, "ButtonParSET")->click();
        QVERIFY(a.rahmen.isEmpty());
        QVERIFY(!a.T("TimerGetStatus")->isActive());
        QCOMPARE(a.antworter.texte().size(), 4);
    }

    // A conversion failure in "SET Param" keeps what was read before it and sends nothing.
    void setParamMitFehler() {
        Aufbau a;
        a.Version("01.20");
        a.E("EditModulL")->setText("1400");
        a.E("EditLam")->setText("13°");
        Knopf(a.f, "ButtonParSET")->click();
        QVERIFY(a.rahmen.isEmpty());
        QCOMPARE(a.antworter.texte(), QStringList{"'13°' ist kein gültiger Gleitkommawert"});
        QCOMPARE(a.f.Parameter().ParModulL, 1400);
        QCOMPARE(a.f.Parameter().ParIntervall, 3000);
        QCOMPARE(a.f.Parameter().ParBreite, 0);
    }

    // "GET Sim Daten " right after start: the simulation's inputs, this window's own date, the
    // speed last stored (none: 0).
    void getSimDaten() {
        Aufbau a;
        Knopf(a.f, "ButtonGETsimDaten")->click();
        QVERIFY2(a.antworter.meldungen.isEmpty(), qPrintable(a.antworter.texte().join('|')));
        const messages::TrackerParameter& p = a.f.Parameter();
        QCOMPARE(p.ParModulL, 500);
        QCOMPARE(p.ParModulH, 200);
        QCOMPARE(p.ParModulA, 300);
        QCOMPARE(p.ParModulN, 25);
        QCOMPARE(p.ParIntervall, 15); // minutes, without the factor
        QCOMPARE(p.ParLaenge, -1125);
        QCOMPARE(p.ParBreite, 4850);
        QCOMPARE(p.ParAnschlagOst, 80);
        QCOMPARE(p.ParAnschlagWest, 280);
        QCOMPARE(a.f.Zeit(), (messages::TrackerZeit{0, 0, 11, 7, 0, 7, 8, 0}));
        const std::pair<const char*, const char*> edits[] = {
            {"EditPhi", "48,5"},
            {"EditLam", "-11,25"},
            {"EditModulH", "200"},
            {"EditModulL", "500"},
            {"EditModulA", "300"},
            {"EditModulN", "25"},
            {"EditIntervall", "15"},
            {"EditAnschlagOst", "80"},
            {"EditAnschlagWest", "280"},
            // The validation ran when the stops changed: 0 became 10.
            {"EditWinkelSpeed", "10"}};
        for (const auto& [name, text] : edits)
            QCOMPARE(a.E(name)->text(), QString::fromLatin1(text));

        // With the simulation's stops as they stand here, nothing bounds the speed: it shows 0.
        Aufbau b;
        b.sim.eingaben.Setze(SimFeld::EndlageStart, "75");
        b.sim.eingaben.Setze(SimFeld::EndlageStop, "285");
        Knopf(b.f, "ButtonGETsimDaten")->click();
        QCOMPARE(b.E("EditWinkelSpeed")->text(), QStringLiteral("0"));
        // A text of the simulation that is no number stops it with the message.
        b.sim.eingaben.Setze(SimFeld::ModulA, "1,5");
        Knopf(b.f, "ButtonGETsimDaten")->click();
        QCOMPARE(b.antworter.texte(), QStringList{"''1,5'' ist kein gültiger Integer-Wert"});
        QCOMPARE(b.f.Parameter().ParModulA, 300);
    }

    void setSimDaten_data() {
        QTest::addColumn<QString>("breite");
        QTest::addColumn<QString>("hoehe");
        QTest::addColumn<QString>("abstand");
        QTest::addColumn<QString>("scale");
        // 1500 + 75 is more than 4 x 310; 4 x 500 is more than 525.
        QTest::newRow("Breite") << "1500"
                                << "160"
                                << "150"
                                << "1575";
        QTest::newRow("Reihen") << "500"
                                << "200"
                                << "300"
                                << "2000";
    }
    // Each value into the main window in its order, the clock block as last stored (before
    // any: year 2000, all zero), then the calculation.
    void setSimDaten() {
        QFETCH(QString, breite);
        QFETCH(QString, hoehe);
        QFETCH(QString, abstand);
        QFETCH(QString, scale);
        Aufbau a;
        a.E("EditModulL")->setText(breite);
        a.E("EditModulH")->setText(hoehe);
        a.E("EditModulA")->setText(abstand);
        a.E("EditLam")->setText("0");
        a.E("EditPhi")->setText("50,53");
        Knopf(a.f, "ButtonSETsimDaten")->click();
        QVERIFY2(a.antworter.meldungen.isEmpty(), qPrintable(a.antworter.texte().join('|')));
        const QStringList erwartet{Schritt(SimFeld::ModulL, breite),
                                   Schritt(SimFeld::ModulH, hoehe),
                                   Schritt(SimFeld::ModulA, abstand),
                                   Schritt(SimFeld::ModulN, "30"),
                                   Schritt(SimFeld::Intervall, "5"),
                                   Schritt(SimFeld::Lam, "0"),
                                   Schritt(SimFeld::Phi, "50,53"),
                                   "Datum 2000-0-0 0:0",
                                   Schritt(SimFeld::EndlageStart, "75"),
                                   Schritt(SimFeld::EndlageStop, "285"),
                                   "--unbekannt---",
                                   Schritt(SimFeld::Scale, scale),
                                   "Berechne"};
        QCOMPARE(a.sim.schritte, erwartet);
        // After a clock response, that clock.
        a.Antwort(4, {0x21, 30, 15, 9, 2, 0, 3, 11, 1});
        a.sim.schritte.clear();
        Knopf(a.f, "ButtonSETsimDaten")->click();
        QCOMPARE(a.sim.schritte.at(7), QStringLiteral("Datum 2011-3-2 9:15"));
    }

    void trackerWerte() {
        Aufbau a;
        TrackerWerte& w = a.f;
        w.UebernimmAusDatei(2.5, 259);
        QCOMPARE(w.WinkelSpeed(), 2.5);
        QCOMPARE(w.Gruppe(), 3);
        QCOMPARE(a.E("EditWinkelSpeed")->text(), QStringLiteral("2500"));
        Knopf(a.f, "ButtonTimeSET")->click();
        // The group of the combo box goes out, and is the block's from then on.
        QCOMPARE(w.Gruppe(), 1);
        w.HoleSimDaten();
        QCOMPARE(a.E("EditModulL")->text(), QStringLiteral("500"));
        QCOMPARE(a.E("EditWinkelSpeed")->text(), QStringLiteral("2500"));
    }

    // "SET Position" asks first; only OK sends. A text that is no whole number stops it after
    // the poll was stopped.
    void setPosition() {
        Aufbau a;
        a.antworter.antworten << QMessageBox::Cancel;
        a.E("EditSetPOS")->setText("359");
        Knopf(a.f, "ButtonSETPOS")->click();
        QVERIFY(a.rahmen.isEmpty());
        QCOMPARE(a.antworter.meldungen.size(), 1);
        const dialoge::Nachricht& w = a.antworter.meldungen.at(0);
        QCOMPARE(w.titel, QStringLiteral("WARNUNG"));
        QCOMPARE(w.text, QStringLiteral("Der Tracker wird nun versuchen die gewünschte Position "
                                        "anzufahren.\nSind Sie sicher?"));
        QCOMPARE(w.knoepfe, QMessageBox::Ok | QMessageBox::Cancel);
        Knopf(a.f, "ButtonSETPOS")->click();
        QCOMPARE(a.rahmen, (QList<Bytes>{{0xAA, 0x06, 0x02, 0x00, 0x67, 0x01, 0x1B, 0xE5}}));

        a.E("EditSetPOS")->setText("1a");
        a.T("TimerGetStatus")->start();
        Knopf(a.f, "ButtonSETPOS")->click();
        QCOMPARE(a.rahmen.size(), 1);
        QVERIFY(!a.T("TimerGetStatus")->isActive());
        QCOMPARE(a.antworter.texte().last(),
                 QStringLiteral("''1a'' ist kein gültiger Integer-Wert"));
    }

    void messungNurNachJa_data() {
        QTest::addColumn<int>("antwort");
        QTest::newRow("Nein") << int(QMessageBox::No);
        QTest::newRow("Abbrechen") << int(QMessageBox::Cancel);
    }
    void messungNurNachJa() {
        QFETCH(int, antwort);
        Aufbau a;
        a.antworter.antworten << QMessageBox::StandardButton(antwort);
        Knopf(a.f, "ButtonGetWinkelSpeed")->click();
        QCOMPARE(a.antworter.meldungen.size(), 1);
        const dialoge::Nachricht& n = a.antworter.meldungen.at(0);
        QCOMPARE(n.text, QStringLiteral("Wollen Sie die Trackgeschwindigkeit ausmessen?\nDazu wird "
                                        "erst nach WEST und dann nach OST gedreht und die Zeit "
                                        "ermittelt."));
        QCOMPARE(n.symbol, QMessageBox::Question);
        QCOMPARE(n.knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY(a.rahmen.isEmpty());
        QVERIFY(!a.T("TimerTracktime")->isActive());
        QCOMPARE(a.E("EditSetPOS")->text(), QStringLiteral("0"));
    }

    // West end, then the timed run east: 100 s between the stops of the parameter block (80
    // and 280 from "GET Param", whatever the edits show) give 2,000 °/s.
    void speedmessung() {
        Aufbau a;
        a.antworter.antworten << QMessageBox::Yes << QMessageBox::Ok;
        messages::TrackerParameter p;
        p.ParAnschlagOst = 80;
        p.ParAnschlagWest = 280;
        Bytes n{0x00};
        const auto b = p.Bytes();
        n.insert(n.end(), b.begin(), b.end());
        a.Antwort(2, n);
        a.E("EditAnschlagOst")->setText("75");
        a.E("EditAnschlagWest")->setText("285");
        a.f.close(); // the poll is not needed: status responses come from the test

        const QDateTime start = a.jetzt;
        Knopf(a.f, "ButtonGetWinkelSpeed")->click();
        QCOMPARE(a.antworter.meldungen.size(), 2);
        QCOMPARE(a.antworter.meldungen.at(1).titel, QStringLiteral("WARNUNG"));
        QCOMPARE(a.rahmen, (QList<Bytes>{messages::SetPositionAnfrage(359)}));
        QCOMPARE(a.E("EditSetPOS")->text(), QStringLiteral("359"));
        QTimer* takt = a.T("TimerTracktime");
        QVERIFY(takt->isActive());
        QCOMPARE(a.f.Messung().TrackStart(), start);
        QVERIFY(!a.f.Messung().WestErreicht());

        // Still in automatic mode with the west bit: the time runs, nothing is sent.
        a.Status(messages::BitAutomatik | messages::BitEndlageWest);
        a.jetzt = start.addSecs(3);
        Tick(takt);
        QCOMPARE(a.Text("LabelZeit"), QStringLiteral("00:00:03"));
        QCOMPARE(a.rahmen.size(), 1);
        a.Status(messages::BitMotorWest);
        a.jetzt = start.addSecs(40);
        Tick(takt);
        QCOMPARE(a.rahmen.size(), 1);
        // West end: "SET Position" 1 without asking, and the run east is timed from now.
        a.Status(messages::BitEndlageWest);
        a.jetzt = start.addMSecs(61'500);
        Tick(takt);
        QCOMPARE(a.Text("LabelZeit"), QStringLiteral("00:01:01"));
        QCOMPARE(a.rahmen.size(), 2);
        QCOMPARE(a.rahmen.last(), messages::SetPositionAnfrage(1));
        QCOMPARE(a.E("EditSetPOS")->text(), QStringLiteral("1"));
        QCOMPARE(a.antworter.meldungen.size(), 2);
        QVERIFY(a.f.Messung().WestErreicht());
        QCOMPARE(a.Panel3(), QStringLiteral("SET Position"));
        // Both end bits while running east change nothing.
        a.Status(messages::BitEndlageWest | messages::BitEndlageOst);
        a.jetzt = a.jetzt.addSecs(1);
        Tick(takt);
        QCOMPARE(a.rahmen.size(), 2);
        QVERIFY(takt->isActive());
        a.Status(messages::BitMotorOst);
        a.jetzt = start.addMSecs(61'500 + 60'000);
        Tick(takt);
        QCOMPARE(a.Text("LabelZeit"), QStringLiteral("00:01:00"));
        a.Status(messages::BitEndlageOst);
        a.jetzt = start.addMSecs(61'500 + 100'400);
        Tick(takt);
        QVERIFY(!takt->isActive());
        QCOMPARE(a.Text("LabelZeit"), QStringLiteral("00:01:40"));
        QCOMPARE(a.Text("LabelSpeed"), QStringLiteral("2,000 °/s"));
        QCOMPARE(a.rahmen.size(), 2);
    }

    // The warning cancelled: nothing is sent, but the measurement runs and waits for the bits.
    // An east end within the first second of the run east gives no division by zero.
    void speedmessungOhneZeit() {
        Aufbau a;
        a.antworter.antworten << QMessageBox::Yes << QMessageBox::Cancel;
        Knopf(a.f, "ButtonGetWinkelSpeed")->click();
        QVERIFY(a.rahmen.isEmpty());
        QTimer* takt = a.T("TimerTracktime");
        QVERIFY(takt->isActive());
        a.Status(messages::BitEndlageWest);
        Tick(takt);
        QCOMPARE(a.rahmen, (QList<Bytes>{messages::SetPositionAnfrage(1)}));
        a.Status(messages::BitEndlageOst);
        a.jetzt = a.jetzt.addMSecs(999);
        Tick(takt);
        QVERIFY(!takt->isActive());
        QCOMPARE(a.Text("LabelSpeed"), QStringLiteral("Zeit unter 1 s"));
    }

    // Closing stops the poll but not a running measurement.
    void schliessenLaesstMessungLaufen() {
        Aufbau a;
        a.antworter.antworten << QMessageBox::Yes << QMessageBox::Ok;
        a.f.Zeige();
        Knopf(a.f, "ButtonGetWinkelSpeed")->click();
        QVERIFY(a.T("TimerGetStatus")->isActive());
        a.f.close();
        QVERIFY(!a.T("TimerGetStatus")->isActive());
        QVERIFY(a.T("TimerTracktime")->isActive());
    }

    // Before the firmware update: every request still due stops, the measurement's clock not.
    void abfragenGestoppt() {
        Aufbau a;
        a.antworter.antworten << QMessageBox::Yes << QMessageBox::Ok;
        a.f.Zeige();
        Knopf(a.f, "ButtonGetWinkelSpeed")->click();
        a.rahmen.clear();
        a.f.StoppeAbfragen();
        a.f.close();
        for (const char* t :
             {"TimerGetVersion", "TimerGetTime", "TimerGetAktuals", "TimerGetStatus"})
            QVERIFY2(!a.T(t)->isActive(), t);
        QVERIFY(a.T("TimerTracktime")->isActive());
        QTest::qWait(2500);
        QCOMPARE(a.rahmen.size(), 0);
    }
};

QTEST_MAIN(TestTrackerinit)
#include "tst_trackerinit.moc"
