#pragma once
// Where the settings file (".INI") and the site file (".POS") live: beside the executable,
// named after it with the suffix appended; where that folder cannot be written (an
// installed package), the same names in $XDG_CONFIG_HOME/heliowendler (default
// ~/.config/heliowendler).
#include <QString>

namespace programmdateien {

// Folder that holds both files, and the base name (the executable's file name).
QString Ordner();
QString Einstellungsdatei(); // <Ordner>/<name>.INI
QString Positionsdatei();    // <Ordner>/<name>.POS

// Tests point the application at a folder of their own; an empty text restores the default.
void SetzeOrdner(const QString& ordner);

// The steps behind Ordner(), open for tests:
// the executable's path (also without a QCoreApplication);
QString Programmdatei();
// its file name with the last extension removed ("heliowendler.exe" -> "heliowendler");
QString Basisname(const QString& programmdatei);
// programmordner when a file can be created in it, else AusweichOrdner();
QString OrdnerFuer(const QString& programmordner);
// $XDG_CONFIG_HOME/heliowendler or ~/.config/heliowendler, created when missing.
QString AusweichOrdner();

} // namespace programmdateien
