#include "app/anwendung.h"

#include "controller/Trackerinit.h"
#include "firmware/Firmwareupdate.h"
#include "geraet/protokolldatei.h"
#include "linkfenster/InitSIO.h"
#include "linkfenster/linkanzeige.h"
#include "linkfenster/protokollmonitor.h"
#include "linkfenster/schnittstellenmenue.h"
#include "seriallink/mitschnitt.h"
#include "seriallink/sioverbindung.h"
#include "widgets/dialoge.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"
#include "workspace/jahresverschattung.h"
#include "workspace/tagesverlauf.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QObject>
#include <QPoint>
#include <QRect>

namespace {

// Both service windows hand their frames to the link's SioSend.
auto SendenUeber(SioVerbindung& link) {
    return [&link](std::span<const std::uint8_t> rahmen) {
        return link.SioSend(rahmen.data(), static_cast<unsigned>(rahmen.size()));
    };
}

// A service window's status texts go to the main window's status bar, drawn at once.
template <class Fenster> void StatusInsHauptfenster(Fenster& fenster, TSDIAppForm& haupt) {
    QObject::connect(&fenster, &Fenster::panelText, &haupt, [&haupt](int i, const QString& text) {
        haupt.SetzePanel(i, text);
        haupt.StatusleisteZeichnen();
    });
}

// The parametrization window sends through the link and decodes what it accepted; its
// status texts go to the main window's status bar, whose inputs it reads and writes.
void VerbindeParametrierung(Anwendung& a) {
    TSDIAppForm& haupt = *a.SDIAppForm;
    SioVerbindung& link = *a.Verbindung;
    TFormTrackerInit& param = *a.FormTrackerInit;
    param.SetzeSender(SendenUeber(link));
    param.SetzeSimDaten(&haupt);
    // The simulation file keeps the window's tracker speed and group, and takes over the
    // main window's inputs into it after every load.
    haupt.SetzeTrackerWerte(&param);
    QObject::connect(&link, &SioVerbindung::rahmenEmpfangen, &param,
                     &TFormTrackerInit::RahmenEmpfangen);
    QObject::connect(&link, &SioVerbindung::gesendet, &param, &TFormTrackerInit::Gesendet);
    StatusInsHauptfenster(param, haupt);
}

// The firmware window sends its frames through the link and receives the bootloader's lines
// from it; its status texts go to the main window's status bar.
void VerbindeFirmware(Anwendung& a) {
    TSDIAppForm& haupt = *a.SDIAppForm;
    SioVerbindung& link = *a.Verbindung;
    TFormFirmwareupdate& fw = *a.FormFirmwareupdate;
    fw.SetzeSender(SendenUeber(link));
    fw.SetzePortAbfrage([&link] { return link.PortOffen(); });
    QObject::connect(&link, &SioVerbindung::bootloaderZeile, &fw,
                     &TFormFirmwareupdate::BootloaderZeile);
    QObject::connect(&link, &SioVerbindung::zeilenUeberlauf, &fw,
                     &TFormFirmwareupdate::ZeilenVerloren);
    StatusInsHauptfenster(fw, haupt);
    QObject::connect(&haupt, &TSDIAppForm::firmwareupdateGewaehlt, &haupt,
                     [&a] { a.Firmwareupdate1Click(); });
    QObject::connect(&haupt, &TSDIAppForm::protokollmonitorGewaehlt, &haupt, [&a] {
        TFormProtokollmonitor& m = *a.FormProtokollmonitor;
        m.show();
        m.raise();
        m.activateWindow();
    });
}

void VerbindeSchnittstelle(Anwendung& a) {
    TSDIAppForm& haupt = *a.SDIAppForm;
    SioVerbindung& link = *a.Verbindung;
    // The link owns the live port number; the settings file keeps it through the main window.
    link.SetzeComPortNr(haupt.GespeicherterPort());
    QObject::connect(&link, &SioVerbindung::comPortNrGeaendert, &haupt,
                     [&haupt](int nr) { haupt.MerkePort(nr); });
    a.Anzeige = std::make_unique<Linkanzeige>(link);
    Linkanzeige& anzeige = *a.Anzeige;
    QObject::connect(&anzeige, &Linkanzeige::panelText, &haupt,
                     [&haupt](int i, const QString& text) { haupt.SetzePanel(i, text); });
    QObject::connect(&anzeige, &Linkanzeige::panelHinweis, &haupt,
                     [&haupt](int i, const QString& text) { haupt.SetzePanelHinweis(i, text); });
    QObject::connect(&anzeige, &Linkanzeige::piep, &haupt, [] { dialoge::Piep(); });
    // A device that sends faster than the window can follow: said once per such run, drawn
    // with the next paint (a flood can end many runs a second).
    QObject::connect(&link, &SioVerbindung::ueberlauf, &haupt, [&haupt](qint64 verworfen) {
        haupt.SetzePanel(3, QCoreApplication::translate(
                                "Anwendung", "Empfang überlastet: %1 Protokolle verworfen")
                                .arg(verworfen));
    });

    a.Menue = std::make_unique<Schnittstellenmenue>(
        *a.PagesDlg, link,
        Schnittstellenmenue::Fenster{
            [&haupt](int i, const QString& text) { haupt.SetzePanel(i, text); },
            [&haupt] { haupt.StatusleisteZeichnen(); }, [&a] { a.FormTrackerInit->Zeige(); }});
    Schnittstellenmenue& menue = *a.Menue;
    QObject::connect(&haupt, &TSDIAppForm::schnittstelleGewaehlt, &haupt,
                     [&menue] { menue.Schnittstelle2Click(); });
    QObject::connect(&haupt, &TSDIAppForm::parametrierungGewaehlt, &haupt,
                     [&menue] { menue.Initialisieren1Click(); });
    // Every successful open ends by showing the parametrization window, cleared of what the
    // previous controller said and asking the one now on the line.
    QObject::connect(&link, &SioVerbindung::geoeffnet, &haupt, [&a, &menue] {
        a.FormTrackerInit->NeueVerbindung();
        menue.Initialisieren1Click();
    });
    VerbindeParametrierung(a);
    TPagesDlg& dialog = *a.PagesDlg;
    QObject::connect(&haupt, &TSDIAppForm::startzeitGesetzt, &dialog,
                     [&dialog] { dialog.DialogVorbelegen(); });
}

} // namespace

// In the order the windows are created at start: the main window, the interface dialog, the
// parametrization window, the site dialog, the firmware window, the dimension window, the
// about box. The serial link is no window; it is created with the main window whose status
// bar it reports to.
bool Anwendung::Protokolliere(const QString& pfad, QString& fehler) {
    auto datei = protokoll::Datei::Oeffne(Verbindung->Aufzeichnung(), pfad, fehler);
    if (!datei) return false;
    protokoll_ = std::move(datei);
    return true;
}

Anwendung::Anwendung() {
    SDIAppForm = std::make_unique<TSDIAppForm>();
    Verbindung = std::make_unique<SioVerbindung>();
    PagesDlg = std::make_unique<TPagesDlg>(SDIAppForm.get());
    FormTrackerInit = std::make_unique<TFormTrackerInit>();
    PositionDlg = std::make_unique<TPositionDlg>(SDIAppForm.get());
    FormFirmwareupdate = std::make_unique<TFormFirmwareupdate>(SDIAppForm.get());
    FormProtokollmonitor = std::make_unique<TFormProtokollmonitor>(Verbindung->Aufzeichnung());
    FormHilfe = std::make_unique<TFormHilfe>();
    FormTagesverlauf = std::make_unique<TFormTagesverlauf>();
    FormJahresverschattung = std::make_unique<TFormJahresverschattung>();
    AboutBox = std::make_unique<TAboutBox>(SDIAppForm.get());
    SDIAppForm->SetzeFenster(PositionDlg.get(), FormHilfe.get(), AboutBox.get());
    VerbindeSchnittstelle(*this);
    VerbindeFirmware(*this);
    // The day chart follows every calculation of the main window.
    TSDIAppForm& haupt = *SDIAppForm;
    TFormTagesverlauf& tag = *FormTagesverlauf;
    QObject::connect(&haupt, &TSDIAppForm::berechnet, &tag, &TFormTagesverlauf::Berechnet);
    QObject::connect(&haupt, &TSDIAppForm::tagesverlaufGewaehlt, &tag, [&tag] {
        tag.show();
        tag.raise();
        tag.activateWindow();
    });
    TFormJahresverschattung& jahr = *FormJahresverschattung;
    QObject::connect(&haupt, &TSDIAppForm::berechnet, &jahr, &TFormJahresverschattung::Berechnet);
    QObject::connect(&jahr, &TFormJahresverschattung::ortUebernehmen, &haupt,
                     &TSDIAppForm::UebernimmOrt);
    // The weather file chosen in the year window, with its options, also draws its day.
    QObject::connect(&jahr, &TFormJahresverschattung::wetterGewaehlt, &tag,
                     &TFormTagesverlauf::Wetter);
    QObject::connect(&haupt, &TSDIAppForm::jahresverschattungGewaehlt, &jahr, [&jahr] {
        jahr.show();
        jahr.raise();
        jahr.activateWindow();
    });
}

// Members go in reverse order: the menu handlers before the windows they use, the dialogs
// leave their parent before it is deleted, and the link closes its port before the main
// window that shows its state.
Anwendung::~Anwendung() = default;

void Anwendung::Firmwareupdate1Click() {
    // The window opens whatever the dialog's outcome; Start then reports a closed port.
    if (!Verbindung->PortOffen()) Menue->Schnittstelle2Click();
    FormTrackerInit->StoppeAbfragen();
    FormTrackerInit->close();
    Verbindung->SetzeFirmwareModus(true);
    dialoge::Modal(FormFirmwareupdate.get());
    Verbindung->SetzeFirmwareModus(false);
}

QPoint Anwendung::HilfeOrt(const QRect& hauptfenster, int menueHoehe) {
    // Before the window manager has framed the main window its title bar's height is not
    // known: room for a tall one.
    constexpr int Titelleiste = 40;
    return {hauptfenster.left(), hauptfenster.top() + Titelleiste + menueHoehe};
}

void Anwendung::Zeige() {
    if (SDIAppForm->StartetMaximiert())
        SDIAppForm->showMaximized();
    else
        SDIAppForm->show();
    // The dimension window opens on the monitor that holds the main window, just below its
    // menu bar (never over it), over the corner of the scene, and without taking the focus
    // the user needs in the main window.
    FormHilfe->setScreen(SDIAppForm->screen());
    FormHilfe->setAttribute(Qt::WA_ShowWithoutActivating);
    FormHilfe->move(
        HilfeOrt(SDIAppForm->frameGeometry(), SDIAppForm->menuBar()->sizeHint().height()));
    FormHilfe->show();
}
