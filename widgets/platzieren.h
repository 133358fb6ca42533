#pragma once
// Placing controls at fixed design-time positions, as the windows laid out in pixels do:
// a control with its object name (tests find controls by it) and geometry, and a caption
// sized to its text.
#include <QLabel>
#include <QString>
#include <QWidget>

namespace platzieren {

template <class W> W* Platziere(W* w, const char* name, int x, int y, int breite, int hoehe) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(x, y, breite, hoehe);
    return w;
}

// fuer: the control the caption's mnemonic focuses, if any.
inline QLabel* Beschriftung(const QString& text, QWidget* eltern, int x, int y,
                            QWidget* fuer = nullptr) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    if (fuer) l->setBuddy(fuer);
    return l;
}

} // namespace platzieren
