#include "linkfenster/schnittstellenmenue.h"

#include "linkfenster/InitSIO.h"
#include "seriallink/sioverbindung.h"
#include "widgets/dialoge.h"

#include <utility>

Schnittstellenmenue::Schnittstellenmenue(TPagesDlg& dialog, SioVerbindung& verbindung,
                                         Fenster fenster)
    : dialog_(dialog), verbindung_(verbindung), fenster_(std::move(fenster)) {}

void Schnittstellenmenue::Schnittstelle2Click() {
    dialog_.SetzeComPortNr(verbindung_.ComPortNr());
    if (dialoge::Modal(&dialog_) == QDialog::Accepted) {
        verbindung_.SetzeComPortNr(dialog_.ComPortNr());
        verbindung_.SioReInit(dialog_.OeffnungFuer(verbindung_.ComPortNr()));
        if (fenster_.SetzePanel) fenster_.SetzePanel(2, QString());
    }
    if (fenster_.StatusleisteZeichnen) fenster_.StatusleisteZeichnen();
}

void Schnittstellenmenue::Initialisieren1Click() {
    if (verbindung_.PortOffen()) {
        if (fenster_.ZeigeParametrierung) fenster_.ZeigeParametrierung();
    } else {
        Schnittstelle2Click();
    }
}
