// The "&Hilfe" menu of the main window.
#include "workspace/SDIMAIN.h"

void TSDIAppForm::HelpAbout1Execute() {}
void TSDIAppForm::Bema1Click() {}
