// The service mode of the parametrization window: driving the tracker by hand, back into
// automatic mode, and the speed measurement.
#include "controller/Trackerinit.h"

#include "basis/produkt.h"
#include "basis/zahltext.h"
#include "widgets/dialoge.h"
#include "widgets/updownedit.h"

#include <QLabel>
#include <QTimer>

using namespace messages;

void TFormTrackerInit::SendePosition() {
    TimerGetStatus->stop();
    Sende(Kommando::SetPosition, SetPositionAnfrage(zahltext::AlsGanzzahl(EditSetPOS->text())));
}

void TFormTrackerInit::ButtonSETPOSClick() {
    const dialoge::Nachricht warnung{
        tr("WARNUNG"),
        tr("Der Tracker wird nun versuchen die gewünschte Position anzufahren.\n"
           "Sind Sie sicher?"),
        QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel};
    if (dialoge::Frage(this, warnung) != QMessageBox::Ok) return;
    SendePosition();
}

void TFormTrackerInit::ButtonSetAutomaticClick() {
    Sende(Kommando::SetAutomatik, Anfrage(Kommando::SetAutomatik));
}

void TFormTrackerInit::ButtonGetWinkelSpeedxClick() {
    const dialoge::Nachricht frage{
        produkt::Titel(),
        tr("Wollen Sie die Trackgeschwindigkeit ausmessen?\n"
           "Dazu wird erst nach WEST und dann nach OST gedreht und die Zeit ermittelt."),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel};
    if (dialoge::Frage(this, frage) != QMessageBox::Yes) return;
    messung_.Zuruecksetzen();
    // Beyond the west stop. The measurement starts even when the warning was cancelled: it
    // then waits for the end bits like any other.
    Setze(EditSetPOS, QStringLiteral("359"));
    ButtonSETPOSClick();
    messung_.Beginne(uhr_());
    TimerTracktime->start();
}

void TFormTrackerInit::TimerTracktimeTimer() {
    const Speedmessung::Tick t = messung_.TimerTracktimeTimer(
        uhr_(), statusByte_, parameter_.ParAnschlagOst, parameter_.ParAnschlagWest);
    LabelZeit->setText(t.Zeit);
    switch (t.schritt) {
    case Speedmessung::Schritt::Weiter:
        break;
    case Speedmessung::Schritt::NachOsten:
        // Beyond the east stop, without asking again; the timed run starts.
        Setze(EditSetPOS, QStringLiteral("1"));
        SendePosition();
        break;
    case Speedmessung::Schritt::Fertig:
        TimerTracktime->stop();
        LabelSpeed->setText(t.Speed);
        break;
    }
}
