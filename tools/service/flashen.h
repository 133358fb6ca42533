#pragma once
// "flash IMAGE": the image checked as the firmware window checks it, then sent to the
// bootloader of every port given, all at once, each with its own link, transfer and progress
// line; a result per port at the end.
#include "tools/service/verbindung.h"

#include <QStringList>

namespace dienst {

// argumente: the image path; frist: seconds a reply may take; wiederholungen: how often one
// line refused with "NotAKN" is sent again before that port's transfer ends. The exit code:
// Erfolg when every port succeeded, else the first failing port's code (f says why, every
// port's line).
int Flashe(const QStringList& argumente, const QStringList& ports, const QString& einstellungen,
           const QString& protokoll, double frist, int wiederholungen, Fehler& f);

} // namespace dienst
