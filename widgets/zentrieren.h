#pragma once
// Places a window centred on the available area of its screen, frame included: the about
// box and the site dialog open there rather than over the main window. Call it from the
// window's showEvent.
class QWidget;

void ZentriereAufBildschirm(QWidget* fenster);
