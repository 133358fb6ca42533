#pragma once
// The composition root: the application's windows, created once in a fixed order and kept
// until the end, and the wiring between them. Only here do the subsystems meet: the main
// window's menu items for the serial link, the controller and the firmware update are
// signals, connected here to those windows; the serial link's texts go to the main window's
// status bar.
#include <QPoint>
#include <QRect>
#include <memory>

namespace protokoll {
class Datei;
}
class Linkanzeige;
class Schnittstellenmenue;
class SioVerbindung;
class TAboutBox;
class TFormFirmwareupdate;
class TFormHilfe;
class TFormProtokollmonitor;
class TFormTagesverlauf;
class TFormJahresverschattung;
class TFormTrackerInit;
class TPagesDlg;
class TPositionDlg;
class TSDIAppForm;

struct Anwendung {
    Anwendung();
    ~Anwendung();
    // Shows the main window (maximised when the settings say so) and the dimension window.
    void Zeige();
    // Where the dimension window's frame goes: below the menu bar of a main window whose
    // outer geometry is hauptfenster.
    static QPoint HilfeOrt(const QRect& hauptfenster, int menueHoehe);
    // --protokoll: every byte of the link from now on, appended to pfad as the service tool
    // writes it (also what the record holds when SIGINT or SIGTERM ends the application).
    // False (with the reason) when the file cannot be opened for writing.
    bool Protokolliere(const QString& pfad, QString& fehler);
    // "Tracker" > "Firmwareupdate": the interface dialog first when the port is closed, the
    // parametrization window's requests stopped and the window closed, then the firmware window,
    // modally, while the link collects bootloader lines.
    void Firmwareupdate1Click();

    std::unique_ptr<TSDIAppForm> SDIAppForm;
    std::unique_ptr<SioVerbindung> Verbindung;
    std::unique_ptr<Linkanzeige> Anzeige; // the link's events as status texts, beeps, boxes
    std::unique_ptr<TPagesDlg> PagesDlg;
    std::unique_ptr<TFormTrackerInit> FormTrackerInit;
    std::unique_ptr<TPositionDlg> PositionDlg;
    std::unique_ptr<TFormFirmwareupdate> FormFirmwareupdate;
    std::unique_ptr<TFormProtokollmonitor> FormProtokollmonitor;
    std::unique_ptr<TFormTagesverlauf> FormTagesverlauf;
    std::unique_ptr<TFormJahresverschattung> FormJahresverschattung;
    std::unique_ptr<TFormHilfe> FormHilfe;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<Schnittstellenmenue> Menue;

private:
    std::unique_ptr<protokoll::Datei> protokoll_; // before Verbindung is gone, it stops
};
