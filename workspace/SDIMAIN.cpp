// Main window: start-up and close, the calculation driver and the change handlers.
#include "workspace/SDIMAIN.h"

#include "basis/inidatei.h"
#include "basis/produkt.h"
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "geometry/rechenlauf.h"
#include "geometry/tracker.h"
#include "widgets/dialoge.h"
#include "widgets/updownedit.h"
#include "workspace/fenstergeometrie.h"
#include "workspace/paintbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <algorithm>

using zahltext::AlsGanzzahl;
using zahltext::AlsGleitkomma;
using zahltext::Fest;

namespace {
const QString Grad = QStringLiteral("°");
} // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(produkt::Titel());
    Scale = 20.0;
    WinkelZurSonne = 0.0;

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    TimerMove = new QTimer(this);
    TimerMove->setObjectName(QStringLiteral("TimerMove"));
    TimerMove->setInterval(100);
    TimerStartSioInit = new QTimer(this);
    TimerStartSioInit->setObjectName(QStringLiteral("TimerStartSioInit"));
    TimerStartSioInit->setInterval(1000);
    TimerRTSCTS = new QTimer(this);
    TimerRTSCTS->setObjectName(QStringLiteral("TimerRTSCTS"));
    TimerRTSCTS->setInterval(100);

    BaueOberflaeche();
    BaueMenues();
    Verbinde();

    Ereignis([this] { FormCreate(); });
    TimerStartSioInit->start();
}

TSDIAppForm::~TSDIAppForm() = default;

QString TSDIAppForm::Panel(int i) const {
    return StatusPanel[i]->text();
}
void TSDIAppForm::SetzePanel(int i, const QString& text) {
    StatusPanel[i]->setText(text);
}

// ---------------------------------------------------------------------------------------
// Start-up and close

namespace {
// X11 carries window coordinates in 16 bits; within these bounds a window and its frame
// always fit them, whatever a settings file says.
constexpr int FensterOrtGrenze = 16384;
constexpr int FensterGroesseGrenze = 16384;
// COM1 to COM256; "Sender1" holds the number plus one (1: no port chosen).
constexpr int HoechsterComPort = 256;
} // namespace

void TSDIAppForm::FormCreate() {
    IniDatei ini(programmdateien::Einstellungsdatei());
    const QString form = QStringLiteral("Form");
    // A number no port can have reads as the default, as an unreadable one does.
    int sender = ini.LeseGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), 1);
    if (sender < 0 || sender > HoechsterComPort + 1) sender = 1;
    ComPortNr = sender - 1;
    auto ort = [&](const char* schluessel, int vorgabe) {
        return std::clamp(ini.LeseGanzzahl(form, QString::fromLatin1(schluessel), vorgabe),
                          -FensterOrtGrenze, FensterOrtGrenze);
    };
    auto groesse = [&](const char* schluessel, int vorgabe) {
        return std::clamp(ini.LeseGanzzahl(form, QString::fromLatin1(schluessel), vorgabe), 0,
                          FensterGroesseGrenze);
    };
    const int top = ort("Top", 100);
    const int left = ort("Left", 100);
    const int hoehe = groesse("Height", 600);
    const int breite = groesse("Width", 800);
    InitMax = ini.LeseBool(form, QStringLiteral("InitMax"), false);
    geometrie_->Setze(QRect(left, top, breite, hoehe));

    LadeStandorte();
    WendeStunde = 12;
    Heimatstandort();
    SimEnabled = true;
    EndlageStart = 75.0;
    EndlageStop = 285.0;
}

void TSDIAppForm::FormClose() {
    IniDatei ini(programmdateien::Einstellungsdatei());
    const QString form = QStringLiteral("Form");
    const QRect aussen = geometrie_->Aussen();
    ini.SchreibeGanzzahl(form, QStringLiteral("Top"), aussen.top());
    ini.SchreibeGanzzahl(form, QStringLiteral("Left"), aussen.left());
    ini.SchreibeGanzzahl(form, QStringLiteral("Height"), aussen.height());
    ini.SchreibeGanzzahl(form, QStringLiteral("Width"), aussen.width());
    ini.SchreibeText(form, QStringLiteral("Caption"), windowTitle());
    ini.SchreibeText(form, QStringLiteral("InitMax"),
                     isMaximized() ? QStringLiteral("1") : QStringLiteral("0"));
    ini.SchreibeGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), ComPortNr + 1);
}

void TSDIAppForm::closeEvent(QCloseEvent* ev) {
    // A settings file that cannot be written is reported, but never keeps the window open.
    Ereignis([this] { FormClose(); });
    ev->accept();
    QApplication::closeAllWindows();
}

void TSDIAppForm::SchliesseFenster() {
    close();
}

void TSDIAppForm::TimerStartSioInitTimer() {
    // Stop first: a failure below must not bring the same message back every second.
    TimerStartSioInit->stop();
    const QDateTime jetzt = QDateTime::currentDateTime();
    SetzeDatumZeit(QString::number(jetzt.date().year()), QString::number(jetzt.date().month()),
                   QString::number(jetzt.date().day()), QString::number(jetzt.time().hour()),
                   QString::number(jetzt.time().minute()));
}

void TSDIAppForm::SetzeDatumZeit(const QString& jahr, const QString& monat, const QString& tag,
                                 const QString& stunde, const QString& minute) {
    SetzeText(EditJahr, jahr);
    SetzeText(EditMonat, monat);
    SetzeText(EditTag, tag);
    SetzeText(EditStunde, stunde);
    SetzeText(EditMinute, minute);
}

// ---------------------------------------------------------------------------------------
// Calculation

// The edits are read in a fixed order, each value stored as soon as it is read: a text that
// does not convert stops the calculation there, with the values before it in place. The
// numbers come from the driver in geometry/rechenlauf, the one heliowendler-calc runs.

RechenlaufEingabe TSDIAppForm::LeseSuchEingabe() {
    RechenlaufEingabe e;
    // The searches read the geometry and the scale as whole numbers.
    e.ModulL = AlsGanzzahl(EditModulL->text());
    e.ModulH = AlsGanzzahl(EditModulH->text());
    e.ModulA = AlsGanzzahl(EditModulA->text());
    e.ModulN = AlsGanzzahl(EditModulN->text());
    Scale = AlsGanzzahl(EditScale->text()) * 0.01;
    ModulL = e.ModulL;
    ModulH = e.ModulH;
    ModulA = e.ModulA;
    e.OstTracken = CheckBoxOstTracken->isChecked();
    e.WendeStunde = WendeStunde;
    e.WendeMinute = WendeMinute;
    e.MorgenPos = MorgenPos;
    return e;
}

Suchstand TSDIAppForm::Suchbeginn() const {
    Suchstand s;
    s.arbeit = Arbeitswerte{Azimut, Hoehe, Schatten, WinkelZurSonne, ModulHEff, ModulNRad};
    s.wende = Sonnenwende{WendeStunde, WendeMinute, MorgenPos};
    return s;
}

void TSDIAppForm::UebernimmSuche(const Suchstand& s) {
    Azimut = s.arbeit.Azimut;
    Hoehe = s.arbeit.Hoehe;
    Schatten = s.arbeit.Schatten;
    WinkelZurSonne = s.arbeit.WinkelZurSonne;
    ModulHEff = s.arbeit.ModulHEff;
    ModulNRad = s.arbeit.ModulNRad;
    WendeStunde = s.wende.WendeStunde;
    WendeMinute = s.wende.WendeMinute;
    MorgenPos = s.wende.MorgenPos;
}

void TSDIAppForm::BerechneStopMax() {
    RechenlaufEingabe e = LeseSuchEingabe();
    e.Phi = AlsGleitkomma(EditPhi->text());
    e.Lam = AlsGleitkomma(EditLam->text());
    e.Jahr = AlsGanzzahl(EditJahr->text());
    Suchstand s = Suchbeginn();
    SucheStopMax(e, s);
    UebernimmSuche(s);
    LabelAWestMax->setText(Fest(s.stop.West, 1) + Grad);
    LabelAOstMax->setText(Fest(s.stop.Ost, 1) + Grad);
}

void TSDIAppForm::BerechneSonnenwende() {
    RechenlaufEingabe e = LeseSuchEingabe();
    e.Jahr = AlsGanzzahl(EditJahr->text());
    e.Monat = AlsGanzzahl(EditMonat->text());
    e.Tag = AlsGanzzahl(EditTag->text());
    e.Phi = AlsGleitkomma(EditPhi->text());
    e.Lam = AlsGleitkomma(EditLam->text());
    Suchstand s = Suchbeginn();
    SucheSonnenwende(e, s);
    UebernimmSuche(s);
}

void TSDIAppForm::ButtonBerechnenClick() {
    BerechneStopMax();
    if (!SimEnabled) return;
    BerechneSonnenwende();

    RechenlaufEingabe e;
    e.ModulL = ModulL = AlsGleitkomma(EditModulL->text());
    e.ModulH = ModulH = AlsGleitkomma(EditModulH->text());
    e.ModulHErr = ModulHErr = AlsGleitkomma(EditModulHErr->text());
    e.ModulA = ModulA = AlsGleitkomma(EditModulA->text());
    e.ModulAErr = ModulAErr = AlsGleitkomma(EditModulAErr->text());
    e.ModulN = AlsGleitkomma(EditModulN->text());
    e.ModulNErr = AlsGleitkomma(EditModulNErr->text());
    Scale = AlsGanzzahl(EditScale->text()) * 0.01;
    e.Phi = AlsGleitkomma(EditPhi->text());
    e.Lam = AlsGleitkomma(EditLam->text());
    e.Jahr = AlsGanzzahl(EditJahr->text());
    e.Monat = AlsGanzzahl(EditMonat->text());
    e.Tag = AlsGanzzahl(EditTag->text());
    e.Stunde = AlsGleitkomma(EditStunde->text());
    e.Minute = AlsGanzzahl(EditMinute->text());
    e.EndlageStart = EndlageStart = AlsGleitkomma(EditEndlageStart->text());
    e.EndlageStartErr = EndlageStartErr = AlsGleitkomma(EditEndlageStartErr->text());
    e.EndlageStop = AlsGleitkomma(EditEndlageStop->text());
    EndlageStop = e.EndlageStop - 360;
    Modulpos = AlsGleitkomma(EditModulpos->text());
    e.OstTracken = CheckBoxOstTracken->isChecked();

    const RechenlaufErgebnis r = BerechneAugenblick(e, Suchbeginn(), Augenblick(e));
    Azimut = r.Azimut;
    Hoehe = r.Hoehe;
    ModulNRad = r.ModulNRad;
    ModulHEff = r.ModulHEff;
    Schatten = r.Schatten;
    ModulNErrRad = r.ModulNErrRad;
    ModulHEffErr = r.ModulHEffErr;
    SchattenErr = r.SchattenErr;
    WinkelZurSonne = r.WinkelZurSonne;
    Verschattung = r.Verschattung;
    LabelAzimut->setText(Fest(Azimut, 3) + Grad);
    LabelHoehe->setText(Fest(Hoehe, 3) + Grad);
    LabelSchatten->setText(Fest(Schatten * 100, 1) + QStringLiteral(" cm"));
    LabelSchattenErr->setText(Fest(Verschattung * 100, 1) + QStringLiteral(" cm"));

    if (HoeheAlt > 0 && Hoehe < 0) StarteNachtRueckkehr();
    HoeheAlt = Hoehe;

    LabelWinkelZurSonne->setText(Fest(WinkelZurSonne, 3) + Grad);
    LabelSonnenwende->setText(QStringLiteral("%1:%2").arg(WendeStunde).arg(WendeMinute));
    LabelTrackerPos->setText(Fest(TrackerPos(), 3) + Grad);

    if (!MoveActive) PaintBox1->update();
}

void TSDIAppForm::EditJahrChange() {
    if (!Timer1->isActive()) ButtonBerechnenClick();
}

void TSDIAppForm::EditMonatChange() {
    if (!MoveActive) BerechneSonnenwende();
    if (!Timer1->isActive()) ButtonBerechnenClick();
}

void TSDIAppForm::EditPhiChange() {
    ZeigeUnbekannt();
    EditMonatChange();
}

void TSDIAppForm::EditLamChange() {
    ZeigeUnbekannt();
    EditMonatChange();
}

void TSDIAppForm::EditTagChange() {
    const int tag = AlsGanzzahl(EditTag->text());
    const int jahr = AlsGanzzahl(EditJahr->text());
    const int monat = AlsGanzzahl(EditMonat->text());
    if (monat < 1 || monat > 12) return; // no month to compare with
    const int tage = TageImMonat(jahr, monat);
    if (tag > tage) SetzeText(EditTag, QString::number(tage));
}
