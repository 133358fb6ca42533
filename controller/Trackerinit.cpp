#include "controller/Trackerinit.h"

#include "basis/simdaten.h"
#include "basis/zahltext.h"
#include "geraet/parameterfelder.h"
#include "widgets/Led1.h"
#include "widgets/schriften.h"
#include "widgets/updownedit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>

using namespace messages;

TFormTrackerInit::TFormTrackerInit(QWidget* parent)
    : QWidget(parent, Qt::Window), uhr_([] { return QDateTime::currentDateTime(); }) {
    setObjectName(QStringLiteral("FormTrackerInit"));
    setWindowTitle(tr("Tracker Parametrierung"));
    setFont(schriften::Fenster());
    // The controls stand at fixed places.
    setFixedSize(586, 576);
    BaueOberflaeche();
    Verbinde();
}

TFormTrackerInit::~TFormTrackerInit() = default;

void TFormTrackerInit::SetzeSender(Sender sender) {
    sender_ = std::move(sender);
}

void TFormTrackerInit::SetzeSimDaten(SimDaten* sim) {
    sim_ = sim;
}

void TFormTrackerInit::SetzeUhr(Uhr uhr) {
    uhr_ = std::move(uhr);
}

QPoint TFormTrackerInit::ErsterOrt(const QRect& verfuegbar, const QSize& groesse) {
    // Its own place where it fits; on a small screen (1024 x 768) moved inside.
    const QPoint ort(441, 140);
    const int x =
        std::max(verfuegbar.left(), std::min(ort.x(), verfuegbar.right() + 1 - groesse.width()));
    const int y =
        std::max(verfuegbar.top(), std::min(ort.y(), verfuegbar.bottom() + 1 - groesse.height()));
    return {x, y};
}

void TFormTrackerInit::Zeige() {
    if (!gezeigt_) {
        // The frame's size counts, as the window manager adds it; estimated before the
        // first showing from the usual title bar.
        const QSize rahmen = frameGeometry().size() - geometry().size();
        const QSize mitRahmen = size() + (rahmen.isEmpty() ? QSize(8, 32) : rahmen);
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        move(s ? ErsterOrt(s->availableGeometry(), mitRahmen) : QPoint(441, 140));
        gezeigt_ = true;
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TFormTrackerInit::StoppeAbfragen() {
    for (QTimer* t : {TimerGetVersion, TimerGetTime, TimerGetAktuals, TimerGetStatus})
        t->stop();
}

void TFormTrackerInit::NeueVerbindung() {
    // What the window shows of a controller belongs to the one it came from: version, the
    // parameter buttons it enabled, lamps, countdown and current values are cleared until
    // the controller now on the line answers. The edits stay: they are what the user
    // sends next, typed or fetched.
    LabelSVersion->setText(QStringLiteral("xxxx"));
    LabelVersionsError->clear();
    softwareVersion_ = 0;
    ButtonParGET->setEnabled(false);
    ButtonParSET->setEnabled(false);
    statusByte_ = 0;
    trackCountdown_ = 0;
    LabelTrackTime->setText(QStringLiteral("00:00:00"));
    rxState_ = false;
    FormPaint();
    for (QLineEdit* e : {EditAktPos, EditAktSchatten, EditAktSonnenstand, EditAktAzimut,
                         EditAktGrenz, EditAktKorrekt})
        e->setText(QStringLiteral("0"));
    // A window already shown asks the new controller as a new showing does.
    if (isVisible()) lauf_.Ereignis([this] { FormShow(); });
}

void TFormTrackerInit::Gesendet() {
    TimerGetStatus->start();
}

void TFormTrackerInit::showEvent(QShowEvent* ev) {
    QWidget::showEvent(ev);
    // Restoring from the task bar is no new showing.
    if (!ev->spontaneous()) lauf_.Ereignis([this] { FormShow(); });
}

void TFormTrackerInit::closeEvent(QCloseEvent* ev) {
    lauf_.Ereignis([this] { FormClose(); });
    ev->accept(); // hidden, not destroyed
}

void TFormTrackerInit::FormShow() {
    TimerGetVersion->start();
    TimerGetTime->start();
    TimerGetAktuals->start();
    TimerGetStatus->start();
}

const TFormTrackerInit::Statuslampe TFormTrackerInit::Statuslampen[6] = {
    {&TFormTrackerInit::LEDAutomatic, "LEDAutomatic", BitAutomatik},
    {&TFormTrackerInit::LEDELW, "LEDELW", BitEndlageWest},
    {&TFormTrackerInit::LEDMotorL, "LEDMotorL", BitMotorWest},
    {&TFormTrackerInit::LEDMotorR, "LEDMotorR", BitMotorOst},
    {&TFormTrackerInit::LEDELO, "LEDELO", BitEndlageOst},
    {&TFormTrackerInit::LEDTracking, "LEDTracking", BitTracking},
};

void TFormTrackerInit::FormClose() {
    // A running speed measurement goes on; without the poll it waits for the next showing.
    TimerGetStatus->stop();
}

// The lamps repaint themselves when they change; the window has nothing else to draw.
void TFormTrackerInit::FormPaint() {
    for (const Statuslampe& l : Statuslampen)
        (this->*(l.feld))->Show((statusByte_ & l.bit) != 0);
    LEDRxT->Show(rxState_);
}

void TFormTrackerInit::Setze(UpDownEdit* edit, const QString& text) {
    lauf_.SetzeText(edit, text);
}

void TFormTrackerInit::EditJahrChange() {
    // Each bound in this order; a replaced text runs the validation once more. The date and
    // time edits first, then the parameter edits' bounds, which the parameter file shares.
    struct Grenze {
        UpDownEdit* TFormTrackerInit::*edit;
        bool ueber; // replaced when above the bound, else when below it
        int wert;
    };
    static const Grenze zeitgrenzen[] = {
        {&TFormTrackerInit::EditJahr, true, 2050}, {&TFormTrackerInit::EditJahr, false, 1900},
        {&TFormTrackerInit::EditMonat, false, 1},  {&TFormTrackerInit::EditMonat, true, 12},
        {&TFormTrackerInit::EditTag, false, 1},    {&TFormTrackerInit::EditTag, true, 31},
        {&TFormTrackerInit::EditStunde, false, 0}, {&TFormTrackerInit::EditStunde, true, 23},
        {&TFormTrackerInit::EditMinute, false, 0}, {&TFormTrackerInit::EditMinute, true, 59},
        {&TFormTrackerInit::EditSec, false, 0},    {&TFormTrackerInit::EditSec, true, 59},
    };
    const auto pruefe = [this](UpDownEdit* e, bool ueber, long long grenze) {
        const int v = zahltext::AlsGanzzahl(e->text());
        if (ueber ? v > grenze : v < grenze) Setze(e, QString::number(grenze));
    };
    for (const Grenze& g : zeitgrenzen)
        pruefe(this->*g.edit, g.ueber, g.wert);
    for (const parameterfelder::Pruefung& p : parameterfelder::Fensterpruefungen) {
        const parameterfelder::Feld& f = parameterfelder::Zu(p.id);
        pruefe(ParameterEdit(p.id), p.oben, p.oben ? *f.oben : *f.unten);
    }
}

UpDownEdit* TFormTrackerInit::ParameterEdit(parameterfelder::Id id) const {
    return findChild<UpDownEdit*>(QLatin1String(parameterfelder::Zu(id).edit));
}

Parametertexte TFormTrackerInit::ParameterEdits() const {
    Parametertexte t;
    t.Phi = EditPhi->text();
    t.Lam = EditLam->text();
    t.ModulH = EditModulH->text();
    t.ModulL = EditModulL->text();
    t.ModulA = EditModulA->text();
    t.ModulN = EditModulN->text();
    t.Intervall = EditIntervall->text();
    t.WinkelSpeed = EditWinkelSpeed->text();
    t.AnschlagOst = EditAnschlagOst->text();
    t.AnschlagWest = EditAnschlagWest->text();
    t.KorrekturFaktor = EditKorrekturFaktor->text();
    return t;
}

Zeittexte TFormTrackerInit::ZeitEdits() const {
    return {EditJahr->text(),   EditMonat->text(),  EditTag->text(),
            EditStunde->text(), EditMinute->text(), EditSec->text()};
}

void TFormTrackerInit::EditsToParam() {
    EditJahrChange();
    LeseParametertexte(ParameterEdits(), parameter_);
}

void TFormTrackerInit::ParamToEdits() {
    const Parametertexte t = ParameterTexte(parameter_);
    for (const auto& [edit, text] : {std::pair{EditModulL, t.ModulL},
                                     {EditModulH, t.ModulH},
                                     {EditModulA, t.ModulA},
                                     {EditModulN, t.ModulN},
                                     {EditIntervall, t.Intervall},
                                     {EditLam, t.Lam},
                                     {EditPhi, t.Phi},
                                     {EditWinkelSpeed, t.WinkelSpeed},
                                     {EditAnschlagOst, t.AnschlagOst},
                                     {EditAnschlagWest, t.AnschlagWest},
                                     {EditKorrekturFaktor, t.KorrekturFaktor}})
        Setze(edit, text);
}

void TFormTrackerInit::EditsToZeit() {
    LeseZeittexte(ZeitEdits(), zeit_, true);
}

void TFormTrackerInit::ZeitToEdits() {
    const Zeittexte t = ZeitTexte(zeit_);
    for (const auto& [edit, text] : {std::pair{EditJahr, t.Jahr},
                                     {EditMonat, t.Monat},
                                     {EditTag, t.Tag},
                                     {EditStunde, t.Stunde},
                                     {EditMinute, t.Minute},
                                     {EditSec, t.Sekunde}})
        Setze(edit, text);
}

void TFormTrackerInit::Sende(Kommando k, const Bytes& rahmen) {
    // The poll's next request follows 1.5 s after this one: the link restarts the timer when
    // the request goes out on an open port.
    if (k != Kommando::GetStatus) TimerGetStatus->stop();
    const bool gesendet = sender_ && sender_(rahmen);
    static_assert(rahmen::SendeFehlerText == "FEHLER beim senden!");
    emit panelText(3, gesendet ? StatusText(k) : tr("FEHLER beim senden!"));
    LEDTxT->Show(!LEDTxT->on());
}

void TFormTrackerInit::TimerGetStatusTimer() {
    Sende(Kommando::GetStatus, Anfrage(Kommando::GetStatus));
}

void TFormTrackerInit::TimerGetVersionTimer() {
    TimerGetVersion->stop();
    ButtonGetVersionClick();
}

void TFormTrackerInit::TimerGetTimeTimer() {
    TimerGetTime->stop();
    ButtonTimeGETxClick();
}

void TFormTrackerInit::TimerGetAktualsTimer() {
    TimerGetAktuals->stop();
    ButtonGETClick();
}

void TFormTrackerInit::ButtonParGETClick() {
    Sende(Kommando::GetParam, Anfrage(Kommando::GetParam));
}

void TFormTrackerInit::ButtonParSETClick() {
    TimerGetStatus->stop();
    EditsToParam();
    Sende(Kommando::SetParam, SetParamAnfrage(parameter_));
}

void TFormTrackerInit::ButtonTimeGETxClick() {
    Sende(Kommando::GetTime, Anfrage(Kommando::GetTime));
}

void TFormTrackerInit::ButtonTimeSETxClick() {
    // The seconds and ZeitZusatz go out as they stand in the block.
    LeseZeittexte(ZeitEdits(), zeit_, false);
    TimerGetStatus->stop();
    zeit_.ZeitGruppe =
        static_cast<std::uint8_t>(zahltext::AlsGanzzahl(ComboBoxGruppe->currentText()));
    Sende(Kommando::SetTime, SetTimeAnfrage(zeit_));
}

void TFormTrackerInit::ButtonGETClick() {
    Sende(Kommando::GetAktuelleDaten, Anfrage(Kommando::GetAktuelleDaten));
}

void TFormTrackerInit::ButtonGetVersionClick() {
    Sende(Kommando::GetInfo, Anfrage(Kommando::GetInfo));
}

void TFormTrackerInit::RahmenEmpfangen(const QByteArray& rahmen) {
    lauf_.Ereignis([this, &rahmen] {
        // The lamps are drawn once per response, after the receive lamp and the status step
        // have both had their say, and also when a later step fails.
        struct Zeichnen {
            TFormTrackerInit* f;
            ~Zeichnen() { f->FormPaint(); }
        } zeichnen{this};
        rxToggle_ = !rxToggle_;
        SetRxState(rxToggle_);
        const auto* daten = reinterpret_cast<const std::uint8_t*>(rahmen.constData());
        const std::optional<Antwort> a =
            Zerlege(std::span(daten, static_cast<std::size_t>(rahmen.size())));
        if (a && Vollstaendig(*a)) Dekodiere(*a);
    });
}

// The lamps follow at the end of the response's handling (RahmenEmpfangen).
void TFormTrackerInit::SetRxState(bool state) {
    rxState_ = state;
}

void TFormTrackerInit::StatusEmpfangen(const Status& s) {
    statusByte_ = s.StatusByte;
    trackCountdown_ = s.TrackCountdown;
    LabelTrackTime->setText(CountdownText(trackCountdown_));
}

void TFormTrackerInit::Dekodiere(const Antwort& a) {
    switch (static_cast<Kommando>(a.kommando)) {
    case Kommando::GetParam:
        StatusEmpfangen(*LeseStatus(a));
        parameter_ = *LeseParameter(a);
        ParamToEdits();
        break;
    case Kommando::GetTime: {
        StatusEmpfangen(*LeseStatus(a));
        const Uhrzeit u = *LeseUhrzeit(a);
        const std::uint8_t gruppe = zeit_.ZeitGruppe;
        std::array<std::uint8_t, TrackerZeit::Groesse> b{};
        std::copy(u.zeit.begin(), u.zeit.end(), b.begin());
        zeit_ = TrackerZeit::AusBytes(b);
        zeit_.ZeitGruppe = gruppe;
        ZeitToEdits();
        ComboBoxGruppe->setCurrentIndex(ComboBoxGruppe->findText(QString::number(u.gruppe)));
        break;
    }
    case Kommando::GetAktuelleDaten: {
        StatusEmpfangen(*LeseStatus(a));
        const Istwerttexte t = IstwertTexte(*LeseIstwerte(a));
        EditAktPos->setText(t.AktPos);
        EditAktSchatten->setText(t.AktSchatten);
        EditAktSonnenstand->setText(t.AktSonnenstand);
        EditAktAzimut->setText(t.AktAzimut);
        EditAktGrenz->setText(t.AktGrenz);
        EditAktKorrekt->setText(t.AktKorrekt);
        break;
    }
    case Kommando::Status:
        StatusEmpfangen(*LeseStatus(a));
        break;
    case Kommando::Info: {
        StatusEmpfangen(*LeseStatus(a));
        const QString text = *LeseVersionstext(a);
        LabelSVersion->setText(text);
        const Version v = PruefeVersion(text);
        if (v.befund == Versionsbefund::Unlesbar) break;
        if (v.befund != Versionsbefund::ZuKurz) softwareVersion_ = v.SoftwareVersion;
        const bool passt = v.befund == Versionsbefund::Passend;
        ButtonParSET->setEnabled(passt);
        ButtonParGET->setEnabled(passt);
        LabelVersionsError->setText(passt ? QString() : tr("Falsche Version!"));
        break;
    }
    default: // acknowledgements and unknown commands only blink LEDRxT
        break;
    }
}

void TFormTrackerInit::ButtonGETsimDatenxClick() {
    if (!sim_) return;
    const SimEingaben e = sim_->LeseSimEingaben();
    const auto text = [&e](SimFeld f) { return e.Text(f).value_or(QString()); };
    parameter_.ParModulL = Low16(text(SimFeld::ModulL));
    parameter_.ParModulH = Low16(text(SimFeld::ModulH));
    parameter_.ParModulA = Low16(text(SimFeld::ModulA));
    parameter_.ParModulN = Low16(text(SimFeld::ModulN));
    parameter_.ParReserve = 0;
    // The simulation's interval in minutes, as the edit here shows it.
    parameter_.ParIntervall = Low16(text(SimFeld::Intervall));
    parameter_.ParLaenge = Hundertstel(text(SimFeld::Lam));
    parameter_.ParBreite = Hundertstel(text(SimFeld::Phi));
    EditsToZeit();
    Setze(EditPhi, Dezimal(parameter_.ParBreite * 0.01));
    Setze(EditLam, Dezimal(parameter_.ParLaenge * 0.01));
    Setze(EditModulH, QString::number(parameter_.ParModulH));
    Setze(EditModulL, QString::number(parameter_.ParModulL));
    Setze(EditModulA, QString::number(parameter_.ParModulA));
    Setze(EditModulN, QString::number(parameter_.ParModulN));
    Setze(EditIntervall, QString::number(parameter_.ParIntervall));
    // The speed is the controller's, not the simulation's: the value last stored.
    Setze(EditWinkelSpeed, Tausendstel(parameter_.ParWinkelSpeed));
    parameter_.ParAnschlagOst = Low16(text(SimFeld::EndlageStart));
    parameter_.ParAnschlagWest = Low16(text(SimFeld::EndlageStop));
    Setze(EditAnschlagOst, QString::number(parameter_.ParAnschlagOst));
    Setze(EditAnschlagWest, QString::number(parameter_.ParAnschlagWest));
}

void TFormTrackerInit::ButtonSETsimDatenxClick() {
    if (!sim_) return;
    EditsToParam();
    const TrackerParameter& p = parameter_;
    sim_->UebernimmSimEingaben({{SimFeld::ModulL, QString::number(p.ParModulL)},
                                {SimFeld::ModulH, QString::number(p.ParModulH)},
                                {SimFeld::ModulA, QString::number(p.ParModulA)},
                                {SimFeld::ModulN, QString::number(p.ParModulN)},
                                {SimFeld::Intervall, EditIntervall->text()},
                                {SimFeld::Lam, Dezimal(p.ParLaenge * 0.01)},
                                {SimFeld::Phi, Dezimal(p.ParBreite * 0.01)}});
    // The clock block as last stored, not this window's edits.
    const Zeittexte z = ZeitTexte(zeit_);
    sim_->SetzeDatumZeit(z.Jahr, z.Monat, z.Tag, z.Stunde, z.Minute);
    sim_->UebernimmSimEingaben({{SimFeld::EndlageStart, QString::number(p.ParAnschlagOst)},
                                {SimFeld::EndlageStop, QString::number(p.ParAnschlagWest)}});
    sim_->ZeigeStandortUnbekannt();
    // Room for four row pitches, or for the row width and a margin.
    const int scale = std::max(4 * (p.ParModulH + p.ParModulA), p.ParModulL + p.ParModulL / 20);
    sim_->UebernimmSimEingaben({{SimFeld::Scale, QString::number(scale)}});
    sim_->Berechne();
}

void TFormTrackerInit::UebernimmAusDatei(double winkelSpeed, int gruppe) {
    parameter_.ParWinkelSpeed = winkelSpeed;
    Setze(EditWinkelSpeed, Tausendstel(winkelSpeed));
    zeit_.ZeitGruppe = static_cast<std::uint8_t>(gruppe);
}
