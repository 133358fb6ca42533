#include "workspace/anwendung.h"

#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"

Anwendung::Anwendung() {
    SDIAppForm = std::make_unique<TSDIAppForm>();
    PositionDlg = std::make_unique<TPositionDlg>(SDIAppForm.get());
    FormHilfe = std::make_unique<TFormHilfe>();
    AboutBox = std::make_unique<TAboutBox>(SDIAppForm.get());
    SDIAppForm->SetzeFenster(PositionDlg.get(), FormHilfe.get(), AboutBox.get());
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
