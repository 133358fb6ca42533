#pragma once
// Where the settings file (".INI") and the site file (".POS") live: beside the executable,
// named after it with the suffix appended; where that folder cannot be written, or the
// program is installed (its data folder <prefix>/share/heliowendler exists beside
// <prefix>/bin), the same names in $XDG_CONFIG_HOME/heliowendler (default
// ~/.config/heliowendler). A file that stands beside such a program (put there by an
// administrator), else one in the package's data folder, is copied into that folder when the
// copy there does not exist yet, so it is the user's starting point; later changes beside the
// program or in the package are not taken over.
#include <QString>

namespace programmdateien {

// Folder that holds both files, and the base name (the executable's file name).
QString Ordner();
QString Einstellungsdatei(); // <Ordner>/<name>.INI
QString Standortdatei();     // <Ordner>/<name>.POS

// Tests point the application at a folder of their own; an empty text restores the default.
void SetzeOrdner(const QString& ordner);

// The steps behind Ordner(), open for tests:
// the executable's path (also without a QCoreApplication);
QString Programmdatei();
// its file name with the last extension removed ("heliowendler.exe" -> "heliowendler");
QString Basisname(const QString& programmdatei);
// programmordner when a file can be created in it, else AusweichOrdner();
QString OrdnerFuer(const QString& programmordner);
// the package's data folder for a program in programmordner: ../share/heliowendler;
QString Datenordner(const QString& programmordner);
// AusweichOrdner() for an installed program (its Datenordner() exists), else OrdnerFuer() the
// executable's folder; when that is the fallback, UebernimmVorlagen() from the executable's
// folder and then from the data folder first;
QString OrdnerFuerProgramm(const QString& programmdatei);
// copies <programmordner>/<basis>.INI and .POS to ordner where ordner has none yet;
void UebernimmVorlagen(const QString& programmordner, const QString& ordner, const QString& basis);
// $XDG_CONFIG_HOME/heliowendler or ~/.config/heliowendler, created when missing.
QString AusweichOrdner();

// For a tool that only reads the application's files: the settings file the application at
// programmdatei reads, found as Ordner() finds its folder but without creating a folder or
// copying a file: <its folder>/<name>.INI, or, where that is the fallback folder and holds none
// yet, the file the application would be seeded from (beside it, then in the package's data
// folder).
QString EinstellungsdateiZumLesen(const QString& programmdatei);

} // namespace programmdateien
