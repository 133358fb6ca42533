// Main window: start-up and close, the calculation driver and the change handlers.
#include "workspace/SDIMAIN.h"

#include "basis/comport.h"
#include "basis/inidatei.h"
#include "basis/produkt.h"
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "geometry/rechenlauf.h"
#include "geometry/tracker.h"
#include "widgets/updownedit.h"
#include "workspace/fenstergeometrie.h"
#include "workspace/paintbox.h"
#include "workspace/simulationsdatei.h"
#include "workspace/simulationslauf.h"
#include "workspace/standortwahl.h"
#include "workspace/szene.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <utility>

using zahltext::AlsGanzzahl;
using zahltext::AlsGleitkomma;
using zahltext::Fest;

namespace {
const QString Grad = QStringLiteral("°");
// One tick, about a second after start-up: the current date and time into the edits.
constexpr int TimerStartSioInitIntervall = 1000; // ms
} // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent)
    : QMainWindow(parent), geometrie_(new Fenstergeometrie(this)),
      datei_(std::make_unique<Simulationsdatei>(this, *this)) {
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(produkt::Titel());
    zustand_.Scale = 20.0;
    zustand_.WinkelZurSonne = 0.0;

    simulationslauf_ = new Simulationslauf(
        zustand_, *this, {[this] { BerechneSonnenwende(); }, [this] { PaintBox1->update(); }},
        lauf_, this);
    TimerStartSioInit = new QTimer(this);
    TimerStartSioInit->setObjectName(QStringLiteral("TimerStartSioInit"));
    TimerStartSioInit->setInterval(TimerStartSioInitIntervall);
    PanelUhr = new QTimer(this);
    PanelUhr->setObjectName(QStringLiteral("PanelUhr"));
    PanelUhr->setSingleShot(true);
    PanelUhr->setInterval(PanelTakt);
    connect(PanelUhr, &QTimer::timeout, this, [this] {
        for (int i = 0; i < 4; ++i)
            if (panelWartet_[i]) PanelZeigen(i, *std::exchange(panelWartet_[i], std::nullopt));
    });

    BaueOberflaeche();
    BaueMenues();
    Verbinde();

    lauf_.Ereignis([this] { FormCreate(); });
    TimerStartSioInit->start();
}

TSDIAppForm::~TSDIAppForm() = default;

void TSDIAppForm::SetzeFenster(TPositionDlg* position, TFormHilfe* hilfe, TAboutBox* about) {
    standortwahl_->SetzeDialog(position);
    FormHilfe = hilfe;
    AboutBox = about;
}

void TSDIAppForm::SetzeTrackerWerte(TrackerWerte* werte) {
    datei_->SetzeTrackerWerte(werte);
}

void TSDIAppForm::FileOpen1Execute() {
    datei_->FileOpen1Execute();
}

void TSDIAppForm::FileSave1Execute() {
    datei_->FileSave1Execute();
}

QString TSDIAppForm::Panel(int i) const {
    return panelWartet_[i] ? *panelWartet_[i] : StatusPanel[i]->text();
}
void TSDIAppForm::SetzePanel(int i, const QString& text) {
    // An unchanged text is not drawn again (the status poll writes the same one every 1.5 s).
    if (Panel(i) == text) return;
    if (panelGesetzt_[i].isValid() && panelGesetzt_[i].elapsed() < PanelTakt) {
        panelWartet_[i] = text;
        if (!PanelUhr->isActive()) PanelUhr->start();
        return;
    }
    panelWartet_[i].reset();
    PanelZeigen(i, text);
}
void TSDIAppForm::PanelZeigen(int i, const QString& text) {
    panelGesetzt_[i].start();
    if (StatusPanel[i]->text() == text) return;
    StatusPanel[i]->setText(text);
    panelGeaendert_[i] = true;
}
void TSDIAppForm::SetzePanelHinweis(int i, const QString& text) {
    StatusPanel[i]->setToolTip(text);
}
void TSDIAppForm::StatusleisteZeichnen() {
    // At once, and only the panels whose text changed since they were last drawn.
    for (int i = 0; i < 4; ++i) {
        if (panelWartet_[i]) PanelZeigen(i, *std::exchange(panelWartet_[i], std::nullopt));
        if (panelGeaendert_[i]) StatusPanel[i]->repaint();
    }
}

bool TSDIAppForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    // A panel drawn by its own update is drawn: StatusleisteZeichnen need not draw it again.
    if (ereignis->type() == QEvent::Paint)
        for (int i = 0; i < 4; ++i)
            if (objekt == StatusPanel[i]) panelGeaendert_[i] = false;
    return QMainWindow::eventFilter(objekt, ereignis);
}

// ---------------------------------------------------------------------------------------
// Start-up and close

namespace {
// X11 carries window coordinates in 16 bits; within these bounds a window and its frame
// always fit them, whatever a settings file says.
constexpr int FensterOrtGrenze = 16384;
constexpr int FensterGroesseGrenze = 16384;
} // namespace

void TSDIAppForm::FormCreate() {
    IniDatei ini(programmdateien::Einstellungsdatei());
    const QString form = QStringLiteral("Form");
    // A number no port can have reads as the default, as an unreadable one does.
    int sender = ini.LeseGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), 1);
    // "Sender1" holds the number plus one (1: no port chosen).
    if (sender < 0 || sender > comport::HoechsteNummer + 1) sender = 1;
    port_ = sender - 1;
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
    initMax_ = ini.LeseBool(form, QStringLiteral("InitMax"), false);
    geometrie_->Setze(QRect(left, top, breite, hoehe));

    standortwahl_->LadeStandorte();
    zustand_.WendeStunde = 12;
    standortwahl_->Heimatstandort();
    zustand_.SimEnabled = true;
    zustand_.EndlageStart = 75.0;
    zustand_.EndlageStop = 285.0;
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
    ini.SchreibeGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), port_ + 1);
}

void TSDIAppForm::closeEvent(QCloseEvent* ev) {
    // A settings file that cannot be written is reported, but never keeps the window open.
    lauf_.Ereignis([this] { FormClose(); });
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
    // The port list is filled whether or not the first calculation succeeds.
    try {
        SetzeDatumZeit(QString::number(jetzt.date().year()), QString::number(jetzt.date().month()),
                       QString::number(jetzt.date().day()), QString::number(jetzt.time().hour()),
                       QString::number(jetzt.time().minute()));
    } catch (...) {
        emit startzeitGesetzt();
        throw;
    }
    emit startzeitGesetzt();
}

void TSDIAppForm::SetzeDatumZeit(const QString& jahr, const QString& monat, const QString& tag,
                                 const QString& stunde, const QString& minute) {
    UebernimmSimEingaben({{SimFeld::Jahr, jahr},
                          {SimFeld::Monat, monat},
                          {SimFeld::Tag, tag},
                          {SimFeld::Stunde, stunde},
                          {SimFeld::Minute, minute}});
}

// ---------------------------------------------------------------------------------------
// The inputs as one value

UpDownEdit* TSDIAppForm::Edit(SimFeld feld) const {
    switch (feld) {
    case SimFeld::Jahr:
        return EditJahr;
    case SimFeld::Monat:
        return EditMonat;
    case SimFeld::Tag:
        return EditTag;
    case SimFeld::Stunde:
        return EditStunde;
    case SimFeld::Minute:
        return EditMinute;
    case SimFeld::Phi:
        return EditPhi;
    case SimFeld::Lam:
        return EditLam;
    case SimFeld::ModulH:
        return EditModulH;
    case SimFeld::ModulL:
        return EditModulL;
    case SimFeld::ModulA:
        return EditModulA;
    case SimFeld::ModulN:
        return EditModulN;
    case SimFeld::Scale:
        return EditScale;
    case SimFeld::Intervall:
        return EditIntervall;
    case SimFeld::EndlageStart:
        return EditEndlageStart;
    case SimFeld::EndlageStop:
        return EditEndlageStop;
    case SimFeld::Modulpos:
        return EditModulpos;
    case SimFeld::ModulHErr:
        return EditModulHErr;
    case SimFeld::ModulAErr:
        return EditModulAErr;
    case SimFeld::ModulNErr:
        return EditModulNErr;
    case SimFeld::EndlageStartErr:
        return EditEndlageStartErr;
    }
    return nullptr;
}

SimEingaben TSDIAppForm::LeseSimEingaben() const {
    SimEingaben e;
    for (int i = 0; i < SimFeldAnzahl; ++i)
        e.Setze(static_cast<SimFeld>(i), Edit(static_cast<SimFeld>(i))->text());
    return e;
}

void TSDIAppForm::UebernimmSimEingaben(const SimEingaben& eingaben) {
    for (const SimEingaben::Eintrag& e : eingaben.Eintraege())
        lauf_.SetzeText(Edit(e.feld), e.text);
}

void TSDIAppForm::Berechne() {
    ButtonBerechnenClick();
}

void TSDIAppForm::UebernimmOrt(double phi, double lamWestPositiv) {
    lauf_.Ereignis([&] {
        UebernimmSimEingaben({{SimFeld::Phi, zahltext::Allgemein(phi)},
                              {SimFeld::Lam, zahltext::Allgemein(lamWestPositiv)}});
    });
}

void TSDIAppForm::ZeigeStandortUnbekannt() {
    standortwahl_->ZeigeUnbekannt();
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
    zustand_.Scale = AlsGanzzahl(EditScale->text()) * 0.01;
    zustand_.ModulL = e.ModulL;
    zustand_.ModulH = e.ModulH;
    zustand_.ModulA = e.ModulA;
    e.OstTracken = CheckBoxOstTracken->isChecked();
    e.WendeStunde = zustand_.WendeStunde;
    e.WendeMinute = zustand_.WendeMinute;
    e.MorgenPos = zustand_.MorgenPos;
    return e;
}

Suchstand TSDIAppForm::Suchbeginn() const {
    const Simulationszustand& z = zustand_;
    Suchstand s;
    s.arbeit =
        Arbeitswerte{z.Azimut, z.Hoehe, z.Schatten, z.WinkelZurSonne, z.ModulHEff, z.ModulNRad};
    s.wende = Sonnenwende{z.WendeStunde, z.WendeMinute, z.MorgenPos, z.MittagNord};
    s.wendeTag = z.WendeTag;
    return s;
}

void TSDIAppForm::UebernimmSuche(const Suchstand& s) {
    Simulationszustand& z = zustand_;
    z.Azimut = s.arbeit.Azimut;
    z.Hoehe = s.arbeit.Hoehe;
    z.Schatten = s.arbeit.Schatten;
    z.WinkelZurSonne = s.arbeit.WinkelZurSonne;
    z.ModulHEff = s.arbeit.ModulHEff;
    z.ModulNRad = s.arbeit.ModulNRad;
    z.WendeStunde = s.wende.WendeStunde;
    z.WendeMinute = s.wende.WendeMinute;
    z.MorgenPos = s.wende.MorgenPos;
    z.MittagNord = s.wende.MittagNord;
    z.WendeTag = s.wendeTag;
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
    // The time only picks the solar day (a site whose daylight crosses 0:00 UTC); it is not
    // one of the search's inputs, so a time edit that does not convert leaves it to the date
    // and fails where the calculation reads it.
    double stunde = 0;
    int minute = 0;
    if (zahltext::VersucheGleitkomma(EditStunde->text(), stunde) &&
        zahltext::VersucheGanzzahl(EditMinute->text(), minute)) {
        e.Stunde = stunde;
        e.Minute = minute;
    } else {
        e.Stunde = 12;
        e.Minute = 0;
    }
    Suchstand s = Suchbeginn();
    SucheSonnenwende(e, s);
    UebernimmSuche(s);
}

void TSDIAppForm::ButtonBerechnenClick() {
    Simulationszustand& z = zustand_;
    BerechneStopMax();
    if (!z.SimEnabled) return;
    BerechneSonnenwende();

    RechenlaufEingabe e;
    e.ModulL = z.ModulL = AlsGleitkomma(EditModulL->text());
    e.ModulH = z.ModulH = AlsGleitkomma(EditModulH->text());
    e.ModulHErr = z.ModulHErr = AlsGleitkomma(EditModulHErr->text());
    e.ModulA = z.ModulA = AlsGleitkomma(EditModulA->text());
    e.ModulAErr = z.ModulAErr = AlsGleitkomma(EditModulAErr->text());
    e.ModulN = AlsGleitkomma(EditModulN->text());
    e.ModulNErr = AlsGleitkomma(EditModulNErr->text());
    z.Scale = AlsGanzzahl(EditScale->text()) * 0.01;
    e.Phi = AlsGleitkomma(EditPhi->text());
    e.Lam = AlsGleitkomma(EditLam->text());
    e.Jahr = AlsGanzzahl(EditJahr->text());
    e.Monat = AlsGanzzahl(EditMonat->text());
    e.Tag = AlsGanzzahl(EditTag->text());
    e.Stunde = AlsGleitkomma(EditStunde->text());
    e.Minute = AlsGanzzahl(EditMinute->text());
    e.EndlageStart = z.EndlageStart = AlsGleitkomma(EditEndlageStart->text());
    e.EndlageStartErr = z.EndlageStartErr = AlsGleitkomma(EditEndlageStartErr->text());
    e.EndlageStop = AlsGleitkomma(EditEndlageStop->text());
    z.EndlageStop = e.EndlageStop - 360;
    z.Modulpos = AlsGleitkomma(EditModulpos->text());
    e.OstTracken = CheckBoxOstTracken->isChecked();

    const RechenlaufErgebnis r = BerechneAugenblick(e, Suchbeginn(), Augenblick(e));
    z.Azimut = r.Azimut;
    z.Hoehe = r.Hoehe;
    z.ModulNRad = r.ModulNRad;
    z.ModulHEff = r.ModulHEff;
    z.Schatten = r.Schatten;
    z.ModulNErrRad = r.ModulNErrRad;
    z.ModulHEffErr = r.ModulHEffErr;
    z.SchattenErr = r.SchattenErr;
    z.WinkelZurSonne = r.WinkelZurSonne;
    z.Verschattung = r.Verschattung;
    LabelAzimut->setText(Fest(z.Azimut, 3) + Grad);
    LabelHoehe->setText(Fest(z.Hoehe, 3) + Grad);
    LabelSchatten->setText(Fest(z.Schatten * 100, 1) + QStringLiteral(" cm"));
    LabelSchattenErr->setText(Fest(z.Verschattung * 100, 1) + QStringLiteral(" cm"));

    if (z.HoeheAlt > 0 && z.Hoehe < 0) simulationslauf_->StarteNachtRueckkehr();
    z.HoeheAlt = z.Hoehe;

    LabelWinkelZurSonne->setText(Fest(z.WinkelZurSonne, 3) + Grad);
    LabelSonnenwende->setText(QStringLiteral("%1:%2").arg(z.WendeStunde).arg(z.WendeMinute));
    LabelTrackerPos->setText(Fest(z.TrackerPos(), 3) + Grad);

    if (!z.MoveActive) PaintBox1->update();
    e.WendeStunde = z.WendeStunde;
    e.WendeMinute = z.WendeMinute;
    e.MorgenPos = z.MorgenPos;
    letzteEingabe_ = e;
    emit berechnet(e, CheckBox1->isChecked());
}

void TSDIAppForm::EditJahrChange() {
    if (!simulationslauf_->ZeitrafferAktiv()) ButtonBerechnenClick();
}

void TSDIAppForm::EditMonatChange() {
    if (!zustand_.MoveActive) BerechneSonnenwende();
    if (!simulationslauf_->ZeitrafferAktiv()) ButtonBerechnenClick();
}

void TSDIAppForm::EditPhiChange() {
    ZeigeStandortUnbekannt();
    EditMonatChange();
}

void TSDIAppForm::EditLamChange() {
    ZeigeStandortUnbekannt();
    EditMonatChange();
}

void TSDIAppForm::EditTagChange() {
    const int tag = AlsGanzzahl(EditTag->text());
    const int jahr = AlsGanzzahl(EditJahr->text());
    const int monat = AlsGanzzahl(EditMonat->text());
    if (monat < 1 || monat > 12) return; // no month to compare with
    const int tage = TageImMonat(jahr, monat);
    if (tag > tage) lauf_.SetzeText(EditTag, QString::number(tage));
}

// ---------------------------------------------------------------------------------------
// Scene

void TSDIAppForm::PaintBox1Paint(Zeichenflaeche& flaeche) {
    const szene::SzenenErgebnis r =
        szene::PaintBox1Paint(zustand_, flaeche, CheckBox1->isChecked());
    if (r.BewegungGestartet) simulationslauf_->BewegungBegonnen();
}

void TSDIAppForm::MaleSzene(QPainter& p) {
    const QColor hintergrund = QApplication::palette().color(QPalette::Button);
    p.fillRect(0, 0, szene::Seite, szene::Seite, hintergrund);
    QPainterFlaeche flaeche(p, hintergrund);
    PaintBox1Paint(flaeche);
}
