#pragma once
// The main window's menu items "Tracker" > "Schnittstelle" and "Tracker" > "Parametrierung":
// the interface dialog, then the port re-opened with what it holds. The main window only
// signals the menu item; the composition root connects it here and hands over what the
// handlers touch of the other windows.
#include <QString>
#include <functional>

class SioVerbindung;
class TPagesDlg;

class Schnittstellenmenue {
public:
    struct Fenster {
        std::function<void(int, const QString&)> SetzePanel;
        std::function<void()> StatusleisteZeichnen;
        std::function<void()> ZeigeParametrierung;
    };
    Schnittstellenmenue(TPagesDlg& dialog, SioVerbindung& verbindung, Fenster fenster);

    // The dialog, modal; after OK the port number is taken over, the port re-opened and
    // panel 2 emptied. The status bar is repainted in every case.
    void Schnittstelle2Click();
    // With the port open the parametrization window, else the interface dialog first.
    void Initialisieren1Click();

private:
    TPagesDlg& dialog_;
    SioVerbindung& verbindung_;
    Fenster fenster_;
};
