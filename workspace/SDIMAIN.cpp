// Main window: start-up and close, the calculation driver and the change handlers.
#include "workspace/SDIMAIN.h"

#include "basis/inidatei.h"
#include "basis/produkt.h"
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "geometry/sonnenposition.h"
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

namespace {
SuchGeometrie LeseSuchGeometrie(const TSDIAppForm& f, double& Scale) {
    SuchGeometrie g;
    g.ModulL = AlsGanzzahl(f.EditModulL->text());
    g.ModulH = AlsGanzzahl(f.EditModulH->text());
    g.ModulA = AlsGanzzahl(f.EditModulA->text());
    g.ModulN = AlsGanzzahl(f.EditModulN->text());
    Scale = AlsGanzzahl(f.EditScale->text()) * 0.01;
    return g;
}
} // namespace

Arbeitswerte TSDIAppForm::Arbeit() const {
    return Arbeitswerte{Azimut, Hoehe, Schatten, WinkelZurSonne, ModulHEff, ModulNRad};
}

void TSDIAppForm::UebernimmArbeit(const Arbeitswerte& a) {
    Azimut = a.Azimut;
    Hoehe = a.Hoehe;
    Schatten = a.Schatten;
    WinkelZurSonne = a.WinkelZurSonne;
    ModulHEff = a.ModulHEff;
    ModulNRad = a.ModulNRad;
}

void TSDIAppForm::BerechneStopMax() {
    const SuchGeometrie g = LeseSuchGeometrie(*this, Scale);
    ModulL = g.ModulL;
    ModulH = g.ModulH;
    ModulA = g.ModulA;
    const double phi = AlsGleitkomma(EditPhi->text());
    const double lam = AlsGleitkomma(EditLam->text());
    const int jahr = AlsGanzzahl(EditJahr->text());
    Arbeitswerte a = Arbeit();
    const StopMax m =
        ::BerechneStopMax(g, jahr, phi, lam, CheckBoxOstTracken->isChecked(), WendeStunde, a);
    UebernimmArbeit(a);
    LabelAWestMax->setText(Fest(m.West, 1) + Grad);
    LabelAOstMax->setText(Fest(m.Ost, 1) + Grad);
}

void TSDIAppForm::BerechneSonnenwende() {
    const SuchGeometrie g = LeseSuchGeometrie(*this, Scale);
    ModulL = g.ModulL;
    ModulH = g.ModulH;
    ModulA = g.ModulA;
    const int jahr = AlsGanzzahl(EditJahr->text());
    const int monat = AlsGanzzahl(EditMonat->text());
    const int tag = AlsGanzzahl(EditTag->text());
    const double phi = AlsGleitkomma(EditPhi->text());
    const double lam = AlsGleitkomma(EditLam->text());
    Sonnenwende w{WendeStunde, WendeMinute, MorgenPos};
    Arbeitswerte a = Arbeit();
    ::BerechneSonnenwende(g, jahr, monat, tag, phi, lam, w, a);
    UebernimmArbeit(a);
    WendeStunde = w.WendeStunde;
    WendeMinute = w.WendeMinute;
    MorgenPos = w.MorgenPos;
}

void TSDIAppForm::ButtonBerechnenClick() {
    BerechneStopMax();
    if (!SimEnabled) return;
    BerechneSonnenwende();

    // Each value is stored as soon as it is read: a later unreadable text leaves it in place.
    ModulL = AlsGleitkomma(EditModulL->text());
    ModulH = AlsGleitkomma(EditModulH->text());
    ModulHErr = AlsGleitkomma(EditModulHErr->text());
    ModulA = AlsGleitkomma(EditModulA->text());
    ModulAErr = AlsGleitkomma(EditModulAErr->text());
    const double neigung = AlsGleitkomma(EditModulN->text());
    const double neigungErr = AlsGleitkomma(EditModulNErr->text());
    Scale = AlsGanzzahl(EditScale->text()) * 0.01;
    const double phi = AlsGleitkomma(EditPhi->text());
    const double lam = AlsGleitkomma(EditLam->text());
    const int jahr = AlsGanzzahl(EditJahr->text());
    const int monat = AlsGanzzahl(EditMonat->text());
    const int tag = AlsGanzzahl(EditTag->text());
    const double stunden =
        AlsGleitkomma(EditStunde->text()) + AlsGanzzahl(EditMinute->text()) / 60.0;
    EndlageStart = AlsGleitkomma(EditEndlageStart->text());
    EndlageStartErr = AlsGleitkomma(EditEndlageStartErr->text());
    EndlageStop = AlsGleitkomma(EditEndlageStop->text()) - 360;
    Modulpos = AlsGleitkomma(EditModulpos->text());
    const bool immerOst = CheckBoxOstTracken->isChecked();

    SonnenPosition(jahr, monat, tag, stunden, phi, lam, Azimut, Hoehe);
    LabelAzimut->setText(Fest(Azimut, 3) + Grad);
    LabelHoehe->setText(Fest(Hoehe, 3) + Grad);

    KomplettEingabe e;
    e.ModulL = ModulL;
    e.ModulH = ModulH;
    e.ModulHErr = ModulHErr;
    e.ModulA = ModulA;
    e.ModulAErr = ModulAErr;
    e.Neigung = neigung;
    e.NeigungErr = neigungErr;
    e.Hoehe = Hoehe;
    e.EndlageStartErr = EndlageStartErr;
    e.immerOst = immerOst;
    e.stunden = stunden;
    e.WendeStunde = WendeStunde;
    const KomplettErgebnis r = BerechneKomplett(e);
    ModulNRad = r.ModulNRad;
    ModulHEff = r.ModulHEff;
    Schatten = r.Schatten;
    ModulNErrRad = r.ModulNErrRad;
    ModulHEffErr = r.ModulHEffErr;
    SchattenErr = r.SchattenErr;
    WinkelZurSonne = r.WinkelZurSonne;
    Verschattung = r.Verschattung;
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
