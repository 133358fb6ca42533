#pragma once
// The parametrization window "Tracker Parametrierung": the service window for the tracker
// controller. Shown, not modal, once the port is open; its controls come with the
// controller's messages.
#include <QWidget>

class TFormTrackerInit : public QWidget {
    Q_OBJECT
public:
    explicit TFormTrackerInit(QWidget* parent = nullptr);

    // Shows the window, at its first place the first time, and brings it to the front.
    void Zeige();

private:
    bool gezeigt_ = false;
};
