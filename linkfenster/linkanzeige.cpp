#include "linkfenster/linkanzeige.h"

#include "widgets/dialoge.h"

#include <QCoreApplication>

Linkanzeige::Linkanzeige(SioVerbindung& link, QObject* parent) : QObject(parent) {
    connect(&link, &SioVerbindung::ereignis, this, &Linkanzeige::Zeige);
}

Linkanzeige::Texte Linkanzeige::Fuer(const Linkereignis& e) {
    using A = Linkereignis::Art;
    Texte t;
    switch (e.art) {
    case A::NichtInitialisiert:
        t = {1, QStringLiteral("not initialize"), false, {}, false};
        break;
    case A::Geoeffnet:
        t = {
            1, QStringLiteral("Online com%1 %2 Baud").arg(e.port).arg(e.baudtext), true, {}, false};
        break;
    case A::OeffnenGescheitert:
    case A::PortVerloren:
        t = {1, QStringLiteral("Error on COM%1").arg(e.port), true, e.ursache, true};
        break;
    case A::Geschlossen:
        t = {1, QStringLiteral("closed."), true, {}, false};
        break;
    case A::SchliessenGescheitert:
        t = {1, QStringLiteral("Error in close!"), false, {}, true};
        break;
    case A::Rahmen:
        t = {0,
             QCoreApplication::translate("Linkanzeige", "Protokolle: %1").arg(e.zahl),
             false,
             {},
             false};
        break;
    case A::Pruefsummenfehler:
        t = {3, QCoreApplication::translate("Linkanzeige", "CS FEHLER !"), false, {}, false};
        break;
    case A::Systemfehler:
        break;
    }
    return t;
}

void Linkanzeige::Zeige(const Linkereignis& e) {
    const Texte t = Fuer(e);
    if (t.piep) emit piep();
    if (t.panel >= 0) emit panelText(t.panel, t.text);
    if (t.hinweis) emit panelHinweis(1, t.ursache);
    if (e.art == Linkereignis::Art::Systemfehler)
        dialoge::Meldung(nullptr, QStringLiteral("GetLastError"), e.ursache,
                         QMessageBox::Information);
}
