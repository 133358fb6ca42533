#pragma once
// What the windows make of the link's events: the status-bar texts of panels 0, 1 and 3, the
// cause under panel 1, the beep of a failure and the "GetLastError" box (once per open).
#include "seriallink/sioverbindung.h"

#include <QObject>
#include <QString>

class Linkanzeige : public QObject {
    Q_OBJECT
public:
    // Follows link from now on; the box opens over no particular window.
    explicit Linkanzeige(SioVerbindung& link, QObject* parent = nullptr);

    // The panel texts of an event, for whoever shows them another way.
    struct Texte {
        int panel = -1; // -1: none
        QString text;
        bool hinweis = false; // the cause under panel 1 changes to `ursache`
        QString ursache;
        bool piep = false;
    };
    static Texte Fuer(const Linkereignis& e);
    // Why an open failed or the port was lost, as a sentence for the user; empty for others.
    static QString Ursache(const Linkereignis& e);

signals:
    void panelText(int panel, const QString& text);
    // A plain-words cause for the state in a panel (e.g. the dialout group), or empty. For
    // panel 1 it follows every "Error on COM<n>" and clears with "Online ..." and "closed.".
    void panelHinweis(int panel, const QString& text);
    void piep();

private:
    void Zeige(const Linkereignis& e);
};
