// The "&Hilfe" menu of the main window.
#include "workspace/SDIMAIN.h"

#include "widgets/dialoge.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"

void TSDIAppForm::HelpAbout1Execute() {
    if (AboutBox) dialoge::Modal(AboutBox);
}

// Shown again after it was closed, and brought in front of the main window.
void TSDIAppForm::Bema1Click() {
    if (!FormHilfe) return;
    if (FormHilfe->isMinimized())
        FormHilfe->showNormal();
    else
        FormHilfe->show();
    FormHilfe->raise();
    FormHilfe->activateWindow();
}
