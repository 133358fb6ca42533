#include "app/anwendung.h"

#include "widgets/platzhalter.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"

#include <QObject>

namespace {

// The menu items whose windows a later version brings.
void VerbindePlatzhalter(TSDIAppForm& haupt) {
    auto platzhalter = [&haupt](void (TSDIAppForm::*signal)(), const QString& titel) {
        QObject::connect(&haupt, signal, &haupt,
                         [&haupt, titel] { ZeigePlatzhalter(&haupt, titel); });
    };
    platzhalter(&TSDIAppForm::schnittstelleGewaehlt, QStringLiteral("Schnittstelle"));
    platzhalter(&TSDIAppForm::parametrierungGewaehlt, QStringLiteral("Parametrierung"));
    platzhalter(&TSDIAppForm::firmwareupdateGewaehlt, QStringLiteral("Firmwareupdate"));
    platzhalter(&TSDIAppForm::oeffnenGewaehlt, QStringLiteral("Öffnen"));
    platzhalter(&TSDIAppForm::speichernGewaehlt, QStringLiteral("Speichern"));
}

} // namespace

// In the order the windows are created at start: the main window, the interface dialog, the
// parametrization window, the site dialog, the firmware window, the dimension window, the
// about box (the interface dialog, the parametrization and the firmware window come with the
// serial link, the controller and the firmware update).
Anwendung::Anwendung() {
    SDIAppForm = std::make_unique<TSDIAppForm>();
    PositionDlg = std::make_unique<TPositionDlg>(SDIAppForm.get());
    FormHilfe = std::make_unique<TFormHilfe>();
    AboutBox = std::make_unique<TAboutBox>(SDIAppForm.get());
    SDIAppForm->SetzeFenster(PositionDlg.get(), FormHilfe.get(), AboutBox.get());
    VerbindePlatzhalter(*SDIAppForm);
}

// Members go in reverse order: the dialogs leave their parent before it is deleted.
Anwendung::~Anwendung() = default;

void Anwendung::Zeige() {
    if (SDIAppForm->StartetMaximiert())
        SDIAppForm->showMaximized();
    else
        SDIAppForm->show();
    // The dimension window opens on the monitor that holds the main window.
    FormHilfe->setScreen(SDIAppForm->screen());
    FormHilfe->show();
}
