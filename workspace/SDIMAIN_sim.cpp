// Simulation run and scene of the main window.
#include "workspace/SDIMAIN.h"

#include <QPainter>
#include <QTimer>

void TSDIAppForm::ButtonSIMstartClick() {}
void TSDIAppForm::ButtonSIMstopClick() {}
void TSDIAppForm::Timer1Timer() {}
void TSDIAppForm::TimerMoveTimer() {}
void TSDIAppForm::StarteNachtRueckkehr() {}
void TSDIAppForm::PaintBox1Paint(Zeichenflaeche&) {}
void TSDIAppForm::MaleSzene(QPainter& p) { p.fillRect(0, 0, 558, 558, palette().button()); }
