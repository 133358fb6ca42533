#pragma once
// The site file: one INI section per named site with its latitude ("Breite") and longitude
// ("Länge", east negative). Plain file logic, no windows; the main window's site list and
// the site dialog are built on it.
#include <QString>
#include <QStringList>

namespace standorte {

struct Koordinaten {
    double Breite = 0; // degrees, north positive
    double Laenge = 0; // degrees, east negative
};

// Section names in the order they stand in the file; a missing file is an empty list.
QStringList Namen(const QString& datei);

// A missing section or key, or a value that is no number, reads as 0. A value written under
// the other decimal separator reads as written; one with group separators ("1.234,5") throws
// zahltext::KonvertierFehler naming the file, the site and the key (IniDatei::LeseGleitkomma).
Koordinaten Lese(const QString& datei, const QString& name);

// Writes "Breite" and then "Länge" into the section of that name, creating file and section
// as needed and replacing the values of an existing one; both or, on a failure, neither.
// Throws SchreibFehler.
void Schreibe(const QString& datei, const QString& name, const Koordinaten& k);

// Why a name cannot serve as a section name of the site file, as the user is told;
// empty when it can. The INI form trims names, ends a section name at "]", breaks at line
// ends and stores one byte per character in Windows-1252: such a name would be written
// under a different name or not found again.
QString NamensFehler(const QString& name);

// The two coordinate texts of the site dialog, each converted under the user's decimal
// separator. Every text that does not convert adds its message ("EConvertError", a line
// break, the conversion message), in the order latitude, longitude.
struct Eingabe {
    Koordinaten werte;
    QStringList fehler;
};
Eingabe LeseEingabe(const QString& breite, const QString& laenge);

} // namespace standorte
