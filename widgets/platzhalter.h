#pragma once
// Stands in for a window that a later version brings, so every menu item leads somewhere.
#include <QString>

class QWidget;

void ZeigePlatzhalter(QWidget* eltern, const QString& titel);
