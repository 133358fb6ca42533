// Menu items that lead to windows of the serial link, the controller and the simulation
// file; until those windows exist they show a placeholder.
#include "workspace/SDIMAIN.h"

#include "workspace/platzhalter.h"

void TSDIAppForm::Schnittstelle2Click() {
    ZeigePlatzhalter(this, QStringLiteral("Schnittstelle"));
}
void TSDIAppForm::Initialisieren1Click() {
    ZeigePlatzhalter(this, QStringLiteral("Parametrierung"));
}
void TSDIAppForm::Firmwareupdate1Click() {
    ZeigePlatzhalter(this, QStringLiteral("Firmwareupdate"));
}
void TSDIAppForm::FileOpen1Execute() {
    ZeigePlatzhalter(this, QStringLiteral("Öffnen"));
}
void TSDIAppForm::FileSave1Execute() {
    ZeigePlatzhalter(this, QStringLiteral("Speichern"));
}
