#pragma once
// The controller's firmware image in the TI-TXT format of Texas Instruments: text lines, each
// an address line ("@" and four hexadecimal digits: where the following data go), a data line
// (bytes as pairs of hexadecimal digits, separated by one blank) or the end line "q".
//
// The image stays a list of text lines; the transfer reads one line at a time as it sends it
// (Art, Adresse, Datenbytes). Pruefe decides beforehand whether the lines may be sent at all,
// so that the reading never meets a line it would turn into wrong bytes. No Qt.
#include "seriallink/rahmen.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace titxt {

using Bytes = std::vector<std::uint8_t>;

// The data bytes one bootloader frame carries at most: the transmit buffer less the frame's
// five bytes of envelope.
inline constexpr std::size_t GroessteZeile = rahmen::GroessterRahmen - 5;

enum class Zeilenart { Adresse, Ende, Daten };

// By the first character: "@" address, "q" end, anything else (an empty line too) data.
Zeilenart Art(std::string_view zeile);

// Two hexadecimal digits as a byte. Upper-case digits and "0"-"9" as the controller's
// service software always read them: a character up to "9" counts its code minus 0x30, any
// other its code minus 0x37, modulo 256. Lower-case "a"-"f" count 10-15 as well.
std::uint8_t HexByte(char c1, char c2);

// The address of an address line: characters 2-3 the high byte, 4-5 the low byte; further
// characters are not read. A missing character reads as "0".
std::uint16_t Adresse(std::string_view zeile);

// The bytes of a data line: a pair at every third position from the first on, the character
// between pairs skipped unread. A line of k characters gives ceil(k / 3) bytes, so one
// trailing blank adds none; a single last digit d reads as "d0".
Bytes Datenbytes(std::string_view zeile);

// The lines of a file: LF, CR LF and a lone CR each end a line, and no CR stays in a line; a
// final line end adds no empty line. A leading UTF-8 byte-order mark is dropped.
std::vector<std::string> Zeilen(std::string_view inhalt);

struct Pruefung {
    bool gueltig = false;
    int segmente = 0; // address lines
    // Why the image may not be sent (German, UTF-8; names the line where one is at fault);
    // empty when it may.
    std::string fehler;
    int fehlerzeile = 0; // counted from 1; 0 when the fault is the file's as a whole
};

// The image may be sent when every line is well formed and it holds at least three address
// lines and ends with the line "q". Lines are checked in order and the first fault is the one
// reported; a data line may carry one trailing blank (it reads as the same bytes).
Pruefung Pruefe(const std::vector<std::string>& zeilen);

} // namespace titxt
