// Construction of the parametrization window: group boxes, controls with their design-time
// values and places, the timers, and the connection of every event to its handler.
#include "controller/Trackerinit.h"

#include "basis/zahltext.h"
#include "widgets/Led1.h"
#include "widgets/platzieren.h"
#include "widgets/schriften.h"
#include "widgets/updownedit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {

const QColor Silber(0xC0, 0xC0, 0xC0);
const QColor Geldgruen(0xC0, 0xDC, 0xC0);

// Row pitch of the edit columns and the size of an edit with its arrows.
constexpr int Zeile = 24, EditHoehe = 21;

struct EditVorgabe {
    UpDownEdit* TFormTrackerInit::*feld;
    const char* name;
    const char* beschriftung;
    const char* text;
    int min, max, schritt;
    const char* hinweis;
};

using platzieren::Beschriftung;
using platzieren::Platziere;

QGroupBox* Gruppenkasten(QWidget* eltern, const char* name, const char* titel, QRect r,
                         const QColor& farbe) {
    auto* g = new QGroupBox(QCoreApplication::translate("TFormTrackerInit", titel), eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(r);
    g->setAutoFillBackground(true);
    QPalette p = g->palette();
    p.setColor(QPalette::Window, farbe);
    g->setPalette(p);
    return g;
}

// The caption may mark an access key with "&" (Alt plus the letter), which shows underlined.
QPushButton* Knopf(QWidget* eltern, const char* name, const char* text, QRect r,
                   const char* hinweis = "") {
    auto* b =
        Platziere(new QPushButton(QCoreApplication::translate("TFormTrackerInit", text), eltern),
                  name, r.x(), r.y(), r.width(), r.height());
    b->setAutoDefault(false);
    if (*hinweis) b->setToolTip(QCoreApplication::translate("TFormTrackerInit", hinweis));
    return b;
}

// The picture of "messe Speed": a stopwatch.
QIcon Stoppuhr() {
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(2, 3.5, 12, 12));
    p.drawLine(QPointF(8, 3.5), QPointF(8, 1.5));
    p.drawLine(QPointF(6, 1.2), QPointF(10, 1.2));
    p.setPen(QPen(Qt::red, 1.4));
    p.drawLine(QPointF(8, 9.5), QPointF(11, 6.5));
    return QIcon(bild);
}

} // namespace

void TFormTrackerInit::BaueOberflaeche() {
    // The weight set explicitly, so that the contents do not inherit the bold captions.
    QFont normal = schriften::Fenster();
    normal.setBold(false);
    QFont fett = normal;
    fett.setBold(true);

    auto* param = Gruppenkasten(this, "GroupBoxParam",
                                QT_TRANSLATE_NOOP("TFormTrackerInit", "Trackerinitialisierung"),
                                {8, 8, 272, 352}, Silber);
    auto* zeit = Gruppenkasten(this, "GroupBoxTime",
                               QT_TRANSLATE_NOOP("TFormTrackerInit", "Nur UTC Zeit eingeben!"),
                               {296, 4, 273, 177}, Silber);
    auto* ist = Gruppenkasten(this, "GroupBoxIstwerte",
                              QT_TRANSLATE_NOOP("TFormTrackerInit", "aktuelle Systemwerte"),
                              {296, 187, 281, 173}, Silber);
    auto* version =
        Gruppenkasten(this, "GroupBox4", QT_TRANSLATE_NOOP("TFormTrackerInit", "Softwareversion"),
                      {8, 366, 272, 132}, Silber);
    auto* service =
        Gruppenkasten(this, "GroupBox1", QT_TRANSLATE_NOOP("TFormTrackerInit", "Servicemode"),
                      {296, 366, 281, 132}, Silber);
    auto* status = Gruppenkasten(this, "GroupBox2", "Status", {8, 504, 401, 64}, Geldgruen);
    auto* schnitt =
        Gruppenkasten(this, "GroupBox3", QT_TRANSLATE_NOOP("TFormTrackerInit", "Schnittstelle"),
                      {415, 504, 163, 64}, Geldgruen);

    // Each edit with its arrows (their range and step) and the label to its right.
    static const EditVorgabe ParamEdits[] = {
        {&TFormTrackerInit::EditPhi, "EditPhi",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Breitengrad in °"), "51", -90, 90, 1,
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Geographische Breite der Trackerposition")},
        {&TFormTrackerInit::EditLam, "EditLam",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Längengrad °"), "-13", -180, 180, 1,
         QT_TRANSLATE_NOOP(
             "TFormTrackerInit",
             "Geographische Länge der Trackerposition. Östliche Länge muß negativ eingegeben "
             "werden!")},
        {&TFormTrackerInit::EditModulH, "EditModulH",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Modulhöhe in cm"), "160", 1, 500, 1,
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Höhe des Moduls im senkrechtem Zustand")},
        {&TFormTrackerInit::EditModulL, "EditModulL",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Modubreite in cm"), "1500", 1, 2500, 1,
         QT_TRANSLATE_NOOP(
             "TFormTrackerInit",
             "Breite des Moduls. Bei mehreren nebeneinander angeortneten Modulen ist hier die "
             "gesammte Breite anzugeben.")},
        {&TFormTrackerInit::EditModulA, "EditModulA",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Lichter Modulabstand in cm"), "150", 1, 1000, 1,
         QT_TRANSLATE_NOOP("TFormTrackerInit",
                           "Abstand der geneigten Modulreihen incl. einer Modulstärke.")},
        {&TFormTrackerInit::EditModulN, "EditModulN",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Modulneigung in °"), "30", 0, 90, 1,
         QT_TRANSLATE_NOOP(
             "TFormTrackerInit",
             "Neigung der Module in Grad. Daraus wird die tatsächliche Höhe für den Schattenwurf "
             "berechnet.")},
        {&TFormTrackerInit::EditIntervall, "EditIntervall",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Trackintervall in min"), "5", 1, 60, 5,
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Zeitabstände in denen die Tracker Steuerung eine "
                                               "neue Sonnenposition berechnet und eine "
                                               "Nachführung durchführt.")},
        {&TFormTrackerInit::EditWinkelSpeed, "EditWinkelSpeed",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Winkelgeschw. in °/s x1000 "), "2236", 1, 5000, 1,
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Geschwindigkeit des Trackers in m°/s")},
        {&TFormTrackerInit::EditAnschlagOst, "EditAnschlagOst",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Winkel des Anschlag Ost in °"), "75", 0, 360, 1,
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Winkelposition des Ostanschlag.")},
        {&TFormTrackerInit::EditAnschlagWest, "EditAnschlagWest",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Winkel des Anschlag West in °"), "285", 0, 360, 1,
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Position des Westanschlag.")},
        {&TFormTrackerInit::EditKorrekturFaktor, "EditKorrekturFaktor",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Winkelkorrektur-Faktor in x1000"), "1000", 1000,
         1100, 1,
         QT_TRANSLATE_NOOP(
             "TFormTrackerInit",
             "Faktor zur Überkorrektur des Backtracking um Fehler in der Bestimmung des absoluten "
             "Anschlages zu kompensieren.")},
    };
    static const EditVorgabe ZeitEdits[] = {
        {&TFormTrackerInit::EditJahr, "EditJahr", QT_TRANSLATE_NOOP("TFormTrackerInit", "Jahr"),
         "2008", 2000, 2100, 1, ""},
        {&TFormTrackerInit::EditMonat, "EditMonat", QT_TRANSLATE_NOOP("TFormTrackerInit", "Monat"),
         "7", 1, 12, 1, ""},
        {&TFormTrackerInit::EditTag, "EditTag", QT_TRANSLATE_NOOP("TFormTrackerInit", "Tag"), "7",
         1, 31, 1, ""},
        {&TFormTrackerInit::EditStunde, "EditStunde",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Stunde"), "11", 0, 23, 1, ""},
        {&TFormTrackerInit::EditMinute, "EditMinute",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Minute"), "0", 0, 59, 1, ""},
        {&TFormTrackerInit::EditSec, "EditSec", QT_TRANSLATE_NOOP("TFormTrackerInit", "Sekunde"),
         "0", 0, 59, 5, ""},
    };
    auto baue = [this](const EditVorgabe& v, QWidget* eltern, int x, int y, int breite) {
        auto* e = Platziere(new UpDownEdit(eltern), v.name, x, y, breite, EditHoehe);
        e->setBereich(v.min, v.max, v.schritt);
        e->setText(QString::fromUtf8(v.text));
        if (*v.hinweis) e->setToolTip(tr(v.hinweis));
        auto* l = Beschriftung(tr(v.beschriftung), eltern, x + breite + 6, y + 4, e);
        l->setObjectName(QStringLiteral("Label") + e->objectName().mid(4));
        this->*(v.feld) = e;
    };

    int y = 20;
    for (const auto& v : ParamEdits) {
        baue(v, param, 8, y, 66);
        y += Zeile;
    }
    ButtonGETsimDaten = Knopf(
        param, "ButtonGETsimDaten", QT_TRANSLATE_NOOP("TFormTrackerInit", "GET Sim &Daten "),
        {8, 292, 124, 25},
        QT_TRANSLATE_NOOP("TFormTrackerInit",
                          "übernimmt die Daten der Simmulation in die Tracker Parametrierung"));
    ButtonSETsimDaten =
        Knopf(param, "ButtonSETsimDaten", QT_TRANSLATE_NOOP("TFormTrackerInit", "SET Sim Date&n "),
              {140, 292, 124, 25},
              QT_TRANSLATE_NOOP("TFormTrackerInit",
                                "überträgt die Daten des Trackers in die Simmulation"));
    ButtonParGET = Knopf(param, "ButtonParGET", QT_TRANSLATE_NOOP("TFormTrackerInit", "GET &Param"),
                         {8, 320, 124, 25},
                         QT_TRANSLATE_NOOP("TFormTrackerInit",
                                           "lesen aller Initialisierungsdaten aus dem Tracker."));
    ButtonParSET = Knopf(
        param, "ButtonParSET", QT_TRANSLATE_NOOP("TFormTrackerInit", "SET P&aram"),
        {140, 320, 124, 25},
        QT_TRANSLATE_NOOP("TFormTrackerInit",
                          "Sendet die Tracker-Initialisierung zum Tracker, dieser speichert diese "
                          "dann intern bleibend ab."));
    // Only a version response of at least 01.20 enables them.
    ButtonParGET->setEnabled(false);
    ButtonParSET->setEnabled(false);

    for (int i = 0; i < 6; ++i)
        baue(ZeitEdits[i], zeit, i < 3 ? 8 : 140, 20 + (i % 3) * Zeile, i < 3 ? 62 : 52);
    ComboBoxGruppe = Platziere(new QComboBox(zeit), "ComboBoxGruppe", 8, 96, 62, EditHoehe);
    ComboBoxGruppe->addItems({"1", "2", "3", "4", "5"});
    ComboBoxGruppe->setCurrentIndex(0);
    auto* gruppeLabel = Beschriftung(tr("gehört zur Trackergruppe"), zeit, 76, 100, ComboBoxGruppe);
    gruppeLabel->setObjectName(QStringLiteral("LabelGruppe"));
    // The group is kept and sent, but not chosen here.
    ComboBoxGruppe->hide();
    gruppeLabel->hide();
    ButtonTimeSET =
        Knopf(zeit, "ButtonTimeSET", QT_TRANSLATE_NOOP("TFormTrackerInit", " SET T&ime"),
              {8, 138, 80, 25},
              QT_TRANSLATE_NOOP("TFormTrackerInit", "setzt die Zeit in der Trackersteuerung"));
    ButtonTimeGET =
        Knopf(zeit, "ButtonTimeGET", QT_TRANSLATE_NOOP("TFormTrackerInit", "GET Ti&me"),
              {94, 138, 80, 25},
              QT_TRANSLATE_NOOP("TFormTrackerInit", "Lade die Zeit aus der Trackersteuerung"));
    ButtonGetVersion =
        Knopf(zeit, "ButtonGetVersion", QT_TRANSLATE_NOOP("TFormTrackerInit", "GET &Version"),
              {180, 138, 84, 25});

    struct Istfeld {
        QLineEdit* TFormTrackerInit::*feld;
        const char* name;
        const char* beschriftung;
    };
    static const Istfeld Istfelder[] = {
        {&TFormTrackerInit::EditAktPos, "EditAktPos",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Position aktuell in °")},
        {&TFormTrackerInit::EditAktSchatten, "EditAktSchatten",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Schatten aktuell in cm")},
        {&TFormTrackerInit::EditAktSonnenstand, "EditAktSonnenstand",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Stand der Sonne in °")},
        {&TFormTrackerInit::EditAktAzimut, "EditAktAzimut",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Azimut in °")},
        {&TFormTrackerInit::EditAktGrenz, "EditAktGrenz",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Grenzwinkel in °")},
        {&TFormTrackerInit::EditAktKorrekt, "EditAktKorrekt",
         QT_TRANSLATE_NOOP("TFormTrackerInit", "Korrektur in °")},
    };
    y = 20;
    for (const auto& f : Istfelder) {
        auto* e = Platziere(new QLineEdit(QStringLiteral("0"), ist), f.name, 8, y, 62, EditHoehe);
        // Not editable, but readable: read-only keeps the normal text colour, where a disabled
        // edit greys its value out.
        e->setReadOnly(true);
        Beschriftung(tr(f.beschriftung), ist, 76, y + 4, e);
        this->*(f.feld) = e;
        y += 22;
    }
    ButtonGET = Knopf(
        ist, "ButtonGET", QT_TRANSLATE_NOOP("TFormTrackerInit", "GET P&osition"),
        {188, 138, 84, 25},
        QT_TRANSLATE_NOOP("TFormTrackerInit", "Holt die aktuellen Positionsdaten vom Tracker"));

    Beschriftung(tr("Version:"), version, 12, 30);
    LabelSVersion =
        Platziere(new QLabel(QStringLiteral("xxxx"), version), "LabelSVersion", 64, 30, 196, 14);
    LabelVersionsError = Platziere(new QLabel(version), "LabelVersionsError", 12, 62, 250, 26);
    QFont gross = fett;
    gross.setPixelSize(19);
    LabelVersionsError->setFont(gross);
    QPalette rot = LabelVersionsError->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    LabelVersionsError->setPalette(rot);

    static const EditVorgabe Position = {&TFormTrackerInit::EditSetPOS,
                                         "EditSetPOS",
                                         QT_TRANSLATE_NOOP("TFormTrackerInit", "Winkel in °"),
                                         "0",
                                         0,
                                         359,
                                         1,
                                         ""};
    baue(Position, service, 8, 22, 62);
    ButtonSETPOS =
        Knopf(service, "ButtonSETPOS", QT_TRANSLATE_NOOP("TFormTrackerInit", "SET Po&sition"),
              {160, 18, 112, 25},
              QT_TRANSLATE_NOOP(
                  "TFormTrackerInit",
                  "Zum manuellen positionieren des Trackers auf einen Winkel. Dabei wird der "
                  "Automatik Mode verlassen!"));
    ButtonSetAutomatic =
        Knopf(service, "ButtonSetAutomatic",
              QT_TRANSLATE_NOOP("TFormTrackerInit", "SET A&utomatiK"), {160, 48, 112, 25},
              QT_TRANSLATE_NOOP("TFormTrackerInit",
                                "Versetzt die Trackersteuerung in den Automatik Mode "));
    auto* linie = Platziere(new QFrame(service), "Bevel1", 4, 80, 273, 2);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    Beschriftung(tr("Tracktime"), service, 8, 92);
    LabelZeit =
        Platziere(new QLabel(QStringLiteral("00:00:00"), service), "LabelZeit", 64, 92, 90, 14);
    Beschriftung(tr("Speed"), service, 8, 110);
    LabelSpeed = Platziere(new QLabel(zahltext::Fest(0, 3) + QStringLiteral(" °/s"), service),
                           "LabelSpeed", 64, 110, 92, 14);
    ButtonGetWinkelSpeed = Knopf(
        service, "ButtonGetWinkelSpeed", QT_TRANSLATE_NOOP("TFormTrackerInit", "m&esse Speed"),
        {160, 88, 112, 34},
        QT_TRANSLATE_NOOP(
            "TFormTrackerInit",
            "Schaltet den Tracker in den manuellen Modus, fährt zum West Anschlag und misst die "
            "Zeit zum Durchlaufen von W nach O. Der ermittelte Wert muß anschließend mit Hand "
            "für die Trackerinitialisierung übernommen werden!"));
    ButtonGetWinkelSpeed->setIcon(Stoppuhr());

    // The status lamps from left to right, then the interface's two.
    auto lampe = [this](TLED* TFormTrackerInit::*feld, const char* name, const char* beschriftung,
                        QWidget* eltern, int x, int y) {
        auto* led = new TLED(eltern);
        led->setObjectName(QString::fromLatin1(name));
        led->move(x, y);
        led->setAccessibleName(tr(beschriftung));
        auto* text = Beschriftung(tr(beschriftung), eltern, x + 19, y + 1);
        text->setObjectName(QString::fromLatin1(name) + QStringLiteral("Text"));
        this->*feld = led;
    };
    int x = 10;
    for (const Statuslampe& l : Statuslampen) {
        lampe(l.feld, l.name, messages::Lampenbeschriftung(l.bit), status, x, 20);
        x += 64;
    }
    Beschriftung(tr("nächstes Tracking in"), status, 10, 42);
    LabelTrackTime = Platziere(new QLabel(QStringLiteral("00:00:00"), status), "LabelTrackTime",
                               124, 42, 80, 14);
    lampe(&TFormTrackerInit::LEDRxT, "LEDRxT", QT_TRANSLATE_NOOP("TFormTrackerInit", "RxT"),
          schnitt, 20, 28);
    lampe(&TFormTrackerInit::LEDTxT, "LEDTxT", QT_TRANSLATE_NOOP("TFormTrackerInit", "TxT"),
          schnitt, 90, 28);

    // Captions bold, contents in the window's face.
    // Every control fills its own background with its group's colour, which it inherits: a
    // changing lamp, label or blinking cursor then redraws itself alone, not the whole group
    // box with its caption behind it (the status poll changes some of them every 1.5 s).
    for (QGroupBox* g : {param, zeit, ist, version, service, status, schnitt}) {
        g->setFont(fett);
        for (QWidget* w : g->findChildren<QWidget*>()) {
            // The red error text has a palette of its own, and changes only with a version.
            if (w == LabelVersionsError) continue;
            w->setFont(normal);
            w->setAutoFillBackground(true);
        }
    }

    auto timer = [this](const char* name, int ms, bool einmal) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        // To the millisecond: a coarse timer may fire up to 5 % early, and the requests keep
        // their 1.0, 1.5 and 2.0 s and the 1.5 s poll.
        t->setTimerType(Qt::PreciseTimer);
        t->setInterval(ms);
        t->setSingleShot(einmal);
        return t;
    };
    TimerGetStatus = timer("TimerGetStatus", 1500, false);
    TimerGetVersion = timer("TimerGetVersion", 1000, true);
    TimerGetTime = timer("TimerGetTime", 1500, true);
    TimerGetAktuals = timer("TimerGetAktuals", 2000, true);
    TimerTracktime = timer("TimerTracktime", 1000, false);
}

void TFormTrackerInit::Verbinde() {
    auto bei = [this](auto* sender, auto signal, auto handler) {
        lauf_.Bei(sender, signal, this, handler);
    };
    for (UpDownEdit* e : {EditJahr, EditMonat, EditTag, EditStunde, EditMinute, EditSec, EditModulN,
                          EditIntervall, EditAnschlagOst, EditAnschlagWest, EditKorrekturFaktor})
        bei(e, &UpDownEdit::textChanged, &TFormTrackerInit::EditJahrChange);
    bei(ButtonParGET, &QPushButton::clicked, &TFormTrackerInit::ButtonParGETClick);
    bei(ButtonParSET, &QPushButton::clicked, &TFormTrackerInit::ButtonParSETClick);
    bei(ButtonTimeGET, &QPushButton::clicked, &TFormTrackerInit::ButtonTimeGETxClick);
    bei(ButtonTimeSET, &QPushButton::clicked, &TFormTrackerInit::ButtonTimeSETxClick);
    bei(ButtonGET, &QPushButton::clicked, &TFormTrackerInit::ButtonGETClick);
    bei(ButtonGetVersion, &QPushButton::clicked, &TFormTrackerInit::ButtonGetVersionClick);
    bei(ButtonGETsimDaten, &QPushButton::clicked, &TFormTrackerInit::ButtonGETsimDatenxClick);
    bei(ButtonSETsimDaten, &QPushButton::clicked, &TFormTrackerInit::ButtonSETsimDatenxClick);
    bei(ButtonSETPOS, &QPushButton::clicked, &TFormTrackerInit::ButtonSETPOSClick);
    bei(ButtonSetAutomatic, &QPushButton::clicked, &TFormTrackerInit::ButtonSetAutomaticClick);
    bei(ButtonGetWinkelSpeed, &QPushButton::clicked, &TFormTrackerInit::ButtonGetWinkelSpeedxClick);
    bei(TimerGetStatus, &QTimer::timeout, &TFormTrackerInit::TimerGetStatusTimer);
    bei(TimerGetVersion, &QTimer::timeout, &TFormTrackerInit::TimerGetVersionTimer);
    bei(TimerGetTime, &QTimer::timeout, &TFormTrackerInit::TimerGetTimeTimer);
    bei(TimerGetAktuals, &QTimer::timeout, &TFormTrackerInit::TimerGetAktualsTimer);
    bei(TimerTracktime, &QTimer::timeout, &TFormTrackerInit::TimerTracktimeTimer);
}
