#pragma once
// The composition root: the application's windows, created once in a fixed order and kept
// until the end, and the wiring between them. Only here do the subsystems meet: the main
// window's menu items for the serial link, the controller, the firmware update and the
// simulation file are signals, connected here to those windows (placeholders until they
// exist).
#include <memory>

class TSDIAppForm;
class TPositionDlg;
class TFormHilfe;
class TAboutBox;

struct Anwendung {
    Anwendung();
    ~Anwendung();
    // Shows the main window (maximised when the settings say so) and the dimension window.
    void Zeige();

    std::unique_ptr<TSDIAppForm> SDIAppForm;
    std::unique_ptr<TPositionDlg> PositionDlg;
    std::unique_ptr<TFormHilfe> FormHilfe;
    std::unique_ptr<TAboutBox> AboutBox;
};
