#pragma once
// Reaches a window's controls by their object names, the names the windows give every
// control, and runs a timer's tick as its timeout does.
#include "widgets/updownedit.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
#include <QtGlobal>

// The child of that type and name; a missing one ends the test program, as the test could
// not mean anything without it.
template <class T> T* Kind(const QObject& fenster, const char* name) {
    T* kind = fenster.findChild<T*>(QLatin1String(name));
    if (!kind)
        qFatal("%s has no %s named %s", qPrintable(fenster.objectName()),
               T::staticMetaObject.className(), name);
    return kind;
}

inline UpDownEdit* Edit(const QObject& f, const char* name) {
    return Kind<UpDownEdit>(f, name);
}
inline QLabel* Label(const QObject& f, const char* name) {
    return Kind<QLabel>(f, name);
}
inline QPushButton* Knopf(const QObject& f, const char* name) {
    return Kind<QPushButton>(f, name);
}
inline QAction* Aktion(const QObject& f, const char* name) {
    return Kind<QAction>(f, name);
}
inline QTimer* Zeitgeber(const QObject& f, const char* name) {
    return Kind<QTimer>(f, name);
}
inline QComboBox* Standortliste(const QObject& f) {
    return Kind<QComboBox>(f, "ComboBoxPosition");
}

// One tick, whether the timer runs or not: its timeout handler runs now, as an event.
inline void Tick(QTimer* t) {
    QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
}
