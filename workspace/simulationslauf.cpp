#include "workspace/simulationslauf.h"

#include "basis/simdaten.h"
#include "basis/zahltext.h"
#include "widgets/handlerlauf.h"

#include <QTimer>
#include <cmath>
#include <utility>

using zahltext::AlsGanzzahl;
using zahltext::AlsGleitkomma;

namespace {

// Enabling a running timer leaves its interval running, as an enabled flag would.
void Schalte(QTimer* t, bool an) {
    if (an && !t->isActive())
        t->start();
    else if (!an && t->isActive())
        t->stop();
}

} // namespace

Simulationslauf::Simulationslauf(Simulationszustand& zustand, SimDaten& daten, Fenster fenster,
                                 Handlerlauf& lauf, QObject* eltern)
    : QObject(eltern), zustand_(zustand), daten_(daten), fenster_(std::move(fenster)), lauf_(lauf) {
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(Timer1Intervall);
    TimerMove = new QTimer(this);
    TimerMove->setObjectName(QStringLiteral("TimerMove"));
    TimerMove->setInterval(TimerMoveIntervall);
    connect(Timer1, &QTimer::timeout, this, [this] { lauf_.Ereignis([this] { Timer1Timer(); }); });
    connect(TimerMove, &QTimer::timeout, this,
            [this] { lauf_.Ereignis([this] { TimerMoveTimer(); }); });
}

bool Simulationslauf::ZeitrafferAktiv() const {
    return Timer1->isActive();
}

simlauf::Zeitgeber Simulationslauf::LeseZeitgeber() const {
    return {Timer1->isActive(), TimerMove->isActive()};
}

void Simulationslauf::SetzeZeitgeber(const simlauf::Zeitgeber& zg) {
    Schalte(Timer1, zg.Timer1);
    Schalte(TimerMove, zg.TimerMove);
}

void Simulationslauf::ButtonSIMstartClick() {
    fenster_.sucheSonnenwende();
    simlauf::Zeitgeber zg = LeseZeitgeber();
    simlauf::SimStart(zustand_, zg);
    SetzeZeitgeber(zg);
}

void Simulationslauf::ButtonSIMstopClick() {
    simlauf::Zeitgeber zg = LeseZeitgeber();
    simlauf::SimStop(zustand_, zg);
    SetzeZeitgeber(zg);
}

void Simulationslauf::Timer1Timer() {
    // A tick that fails ends the run before its message is shown; otherwise every further
    // tick would bring the same message back.
    try {
        Zeitschritt();
    } catch (...) {
        ButtonSIMstopClick();
        throw;
    }
}

void Simulationslauf::Zeitschritt() {
    const SimEingaben e = daten_.LeseSimEingaben();
    auto text = [&e](SimFeld f) { return e.Text(f).value_or(QString()); };
    const int minute = AlsGanzzahl(text(SimFeld::Minute));
    const int jahr = AlsGanzzahl(text(SimFeld::Jahr));
    const int monat = AlsGanzzahl(text(SimFeld::Monat));
    const int tag = AlsGanzzahl(text(SimFeld::Tag));
    const QString stundeText = text(SimFeld::Stunde);
    const double stunde = std::trunc(AlsGleitkomma(stundeText));
    // The tick counts whole hours; an hour no integer can hold is refused like a bad number.
    if (!(std::fabs(stunde) < 2147483648.0)) throw zahltext::GanzzahlFehler(stundeText);
    const int intervall = AlsGanzzahl(text(SimFeld::Intervall));

    const simlauf::Zeitpunkt t = simlauf::ZeitSchritt(
        {jahr, monat, tag, static_cast<std::int64_t>(stunde), minute}, intervall);
    daten_.UebernimmSimEingaben({{SimFeld::Minute, QString::number(t.Minute)},
                                 {SimFeld::Jahr, QString::number(t.Jahr)},
                                 {SimFeld::Monat, QString::number(t.Monat)},
                                 {SimFeld::Tag, QString::number(t.Tag)},
                                 {SimFeld::Stunde, QString::number(t.Stunde)}});
    daten_.Berechne();
}

void Simulationslauf::TimerMoveTimer() {
    simlauf::BewegeWeiter(zustand_);
    // Painted once the tick is over: after the last tick the paint finds the move ended and
    // draws the tracker where it stands.
    fenster_.neuZeichnen();
    simlauf::Zeitgeber zg = LeseZeitgeber();
    if (simlauf::BeendeBewegung(zustand_, zg)) SetzeZeitgeber(zg);
}

void Simulationslauf::StarteNachtRueckkehr() {
    simlauf::StarteNachtRueckkehr(zustand_);
    BewegungBegonnen();
}

void Simulationslauf::BewegungBegonnen() {
    simlauf::Zeitgeber zg = LeseZeitgeber();
    simlauf::BewegungBeginnt(zustand_, zg);
    SetzeZeitgeber(zg);
}
