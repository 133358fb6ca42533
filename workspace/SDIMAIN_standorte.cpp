// Site list of the main window.
#include "workspace/SDIMAIN.h"

#include "widgets/updownedit.h"
#include "workspace/zahltext.h"

void TSDIAppForm::LadeStandorte() {}

void TSDIAppForm::Heimatstandort() {
    // Written with the user's decimal separator, so the preset converts under any locale.
    SetzeText(EditPhi, zahltext::Allgemein(50.53));
    SetzeText(EditLam, zahltext::Allgemein(-14.48));
}

void TSDIAppForm::ComboBoxPositionClick() {}
void TSDIAppForm::E1Click() {}
void TSDIAppForm::Insert1Click() {}
