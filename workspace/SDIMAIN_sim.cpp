// Simulation run and scene of the main window: the widgets' side of simlauf and szene.
#include "workspace/SDIMAIN.h"

#include "basis/zahltext.h"
#include "widgets/updownedit.h"
#include "workspace/paintbox.h"
#include "workspace/simlauf.h"
#include "workspace/szene.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPalette>
#include <QTimer>
#include <cmath>

using zahltext::AlsGanzzahl;
using zahltext::AlsGleitkomma;

namespace {

simlauf::Zeitgeber LeseZeitgeber(const TSDIAppForm& f) {
    return {f.Timer1->isActive(), f.TimerMove->isActive()};
}

// Enabling a running timer leaves its interval running, as an enabled flag would.
void Schalte(QTimer* t, bool an) {
    if (an && !t->isActive())
        t->start();
    else if (!an && t->isActive())
        t->stop();
}

void SetzeZeitgeber(TSDIAppForm& f, const simlauf::Zeitgeber& zg) {
    Schalte(f.Timer1, zg.Timer1);
    Schalte(f.TimerMove, zg.TimerMove);
}

} // namespace

void TSDIAppForm::ButtonSIMstartClick() {
    BerechneSonnenwende();
    simlauf::Zeitgeber zg = LeseZeitgeber(*this);
    simlauf::SimStart(*this, zg);
    SetzeZeitgeber(*this, zg);
}

void TSDIAppForm::ButtonSIMstopClick() {
    simlauf::Zeitgeber zg = LeseZeitgeber(*this);
    simlauf::SimStop(*this, zg);
    SetzeZeitgeber(*this, zg);
}

void TSDIAppForm::Timer1Timer() {
    // A tick that fails ends the run before its message is shown; otherwise every further
    // tick would bring the same message back.
    try {
        Zeitschritt();
    } catch (...) {
        ButtonSIMstopClick();
        throw;
    }
}

void TSDIAppForm::Zeitschritt() {
    const int minute = AlsGanzzahl(EditMinute->text());
    const int jahr = AlsGanzzahl(EditJahr->text());
    const int monat = AlsGanzzahl(EditMonat->text());
    const int tag = AlsGanzzahl(EditTag->text());
    const QString stundeText = EditStunde->text();
    const double stunde = std::trunc(AlsGleitkomma(stundeText));
    // The tick counts whole hours; an hour no integer can hold is refused like a bad number.
    if (!(std::fabs(stunde) < 2147483648.0))
        throw zahltext::KonvertierFehler(
            QStringLiteral("''%1'' ist kein gültiger Integer-Wert").arg(stundeText));
    const int intervall = AlsGanzzahl(EditIntervall->text());

    const simlauf::Zeitpunkt t = simlauf::ZeitSchritt(
        {jahr, monat, tag, static_cast<std::int64_t>(stunde), minute}, intervall);
    SetzeText(EditMinute, QString::number(t.Minute));
    SetzeText(EditJahr, QString::number(t.Jahr));
    SetzeText(EditMonat, QString::number(t.Monat));
    SetzeText(EditTag, QString::number(t.Tag));
    SetzeText(EditStunde, QString::number(t.Stunde));
    ButtonBerechnenClick();
}

void TSDIAppForm::TimerMoveTimer() {
    simlauf::BewegeWeiter(*this);
    // Painted once the tick is over: after the last tick the paint finds the move ended and
    // draws the tracker where it stands.
    PaintBox1->update();
    simlauf::Zeitgeber zg = LeseZeitgeber(*this);
    if (simlauf::BeendeBewegung(*this, zg)) SetzeZeitgeber(*this, zg);
}

void TSDIAppForm::StarteNachtRueckkehr() {
    simlauf::StarteNachtRueckkehr(*this);
    simlauf::Zeitgeber zg = LeseZeitgeber(*this);
    simlauf::BewegungBeginnt(*this, zg);
    SetzeZeitgeber(*this, zg);
}

void TSDIAppForm::PaintBox1Paint(Zeichenflaeche& flaeche) {
    const szene::SzenenErgebnis r = szene::PaintBox1Paint(*this, flaeche, CheckBox1->isChecked());
    if (!r.BewegungGestartet) return;
    simlauf::Zeitgeber zg = LeseZeitgeber(*this);
    simlauf::BewegungBeginnt(*this, zg);
    SetzeZeitgeber(*this, zg);
}

void TSDIAppForm::MaleSzene(QPainter& p) {
    const QColor hintergrund = QApplication::palette().color(QPalette::Button);
    p.fillRect(0, 0, szene::Seite, szene::Seite, hintergrund);
    QPainterFlaeche flaeche(p, hintergrund);
    PaintBox1Paint(flaeche);
}
