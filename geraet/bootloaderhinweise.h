#pragma once
// The pieces of the transfer's notes that the firmware window and the service tool both show:
// each makes its own sentences of a Notiz or Verzug (uebertragung.h), with the advice that
// fits it, from these.
#include "geraet/uebertragung.h"

#include <QString>
#include <chrono>
#include <string_view>

namespace bootloaderhinweise {

// A wait in seconds, as few digits as it needs ("5", "0.5"; the decimal separator of
// zahltext).
QString Sekunden(std::chrono::milliseconds wartezeit);
// What waits for the overdue reply, to follow "auf Zeile N": " (Adresszeiger F000)" or
// " (4 Bytes ab Adresse F000)"; empty when the line is not known.
QString Wo(const uebertragung::Verzug& v);
// A bootloader line's bytes, one character each (ISO 8859-1).
QString Zeilentext(std::string_view zeile);

} // namespace bootloaderhinweise
