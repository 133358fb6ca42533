#pragma once
// The lines of the traffic record, one per frame, line or run of noise, for a person and for
// grep:
//
//   <milliseconds since the record began> <TX|RX> <bytes in hexadecimal> | <what they are>
//
//        512.034 TX AA 08 00 00 09 E5 | Anfrage Get Status (8)
//        561.877 RX 55 09 03 21 10 00 93 E5 | Antwort Status (9): Tracking Auto, Countdown
//        00:00:41, Prüfsumme richtig
#include "seriallink/mitschnitt.h"

#include <QString>
#include <array>
#include <cstdint>

namespace protokoll {

// What the entry's bytes are, decoded where the layout is known.
QString Beschreibung(const Mitschnitt::Eintrag& e);
// The whole line, without its line feed.
QString Zeile(const Mitschnitt::Eintrag& e, Mitschnitt::Uhr::time_point anfang);
// The controller's clock bytes (second, minute, hour, day, extra, month, year - 2000) as
// "JJJJ-MM-TTTHH:MM:SS", UTC.
QString UhrText(const std::array<std::uint8_t, 7>& zeit);
// The captions of the status lamps that are on, in the window's order, separated by blanks;
// "-" when none is on.
QString Lampen(std::uint8_t statusByte);

} // namespace protokoll
