#include "controller/Trackerinit.h"

#include "widgets/schriften.h"

TFormTrackerInit::TFormTrackerInit(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FormTrackerInit"));
    setWindowTitle(QStringLiteral("Tracker Parametrierung"));
    setFont(schriften::Fenster());
    resize(586, 576);
}

void TFormTrackerInit::Zeige() {
    if (!gezeigt_) {
        move(441, 140);
        gezeigt_ = true;
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}
