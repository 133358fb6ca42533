#pragma once
// The application's windows, created once in a fixed order and kept until the end.
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
