#pragma once
// The weather file's values as sentences for the windows and the tools: German source texts,
// translated in the context "wetter"; numbers with the user's decimal separator.
#include "wetter/wetterdatei.h"

#include <QString>
#include <QStringList>

namespace wetter {

// "EPW", "PVGIS-CSV", "PVGIS-JSON", "TMY3".
QString FormatName(Format format);

// Why the file was refused, with its line and column where it has them.
QString Text(const Ablehnung& ablehnung);

// The alignment note: "Die Einstrahlung dieser Datei liegt um 1 h 00 min früher als der
// Sonnenstand: ist die Zeitzone richtig?" (or "später"), the shift rounded to 5 minutes;
// empty when the check found nothing worth saying.
QString Hinweis(const Ausrichtung& ausrichtung);

// The quality summary, one line for each kind of departure the file has; "Keine
// Auffälligkeiten in den Daten." when it has none.
QStringList Qualitaetstexte(const Qualitaet& qualitaet);

} // namespace wetter
