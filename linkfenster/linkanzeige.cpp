#include "linkfenster/linkanzeige.h"

#include "widgets/dialoge.h"

#include <QCoreApplication>

Linkanzeige::Linkanzeige(SioVerbindung& link, QObject* parent) : QObject(parent) {
    connect(&link, &SioVerbindung::ereignis, this, &Linkanzeige::Zeige);
}

QString Linkanzeige::Ursache(const Linkereignis& e) {
    using G = Linkereignis::Grund;
    if (e.art == Linkereignis::Art::PortVerloren)
        return tr("Verbindung zu %1 verloren (%2): Gerät prüfen, dann die Schnittstelle neu "
                  "bestätigen")
            .arg(e.geraet, e.ursache);
    if (e.art != Linkereignis::Art::OeffnenGescheitert) return {};
    switch (e.grund) {
    case G::KeinGeraet:
        return tr("Für COM%1 ist kein Gerät bekannt: Gerät anschließen oder im Abschnitt [Ports] "
                  "der Einstellungsdatei eintragen (COM%1=/dev/…)")
            .arg(e.port);
    case G::Oeffnung:
        return serial::Ursache(e.oeffnung, e.geraet);
    case G::KeinSendethread:
        return tr("Für das Senden an %1 lässt sich kein Thread starten: %2")
            .arg(e.geraet, e.ursache);
    case G::KeinEmpfangsthread:
        return tr("Für den Empfang von %1 lässt sich kein Thread starten: %2")
            .arg(e.geraet, e.ursache);
    case G::Keiner:
        break;
    }
    return {};
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
        t = {1, QStringLiteral("Error on COM%1").arg(e.port), true, Ursache(e), true};
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
