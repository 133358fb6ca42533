#pragma once
// Inside the readers: what each format's parser takes from the bytes (the site, the time
// statement, the rows with their own dates and stamps and the values as written, missing ones
// NaN), and the pieces the parsers share (lines, fields, numbers, refusals). The placing of the
// rows, the quality counts and the alignment check are the same for every format
// (wetterdatei.cpp).
#include "wetter/wetterdatei.h"

#include <QByteArray>
#include <cstddef>
#include <string_view>
#include <vector>

namespace wetter::roh {

struct Zeile {
    long long zeile = 0;   // line of the file (JSON: the row's number in tmy_hourly)
    Datum eigen;           // the row's own date as the file writes it
    long long stempel = 0; // minutes since 1970 UTC: the interval's end (EPW, TMY3), the stamp
                           // (PVGIS)
    double ghi = 0, dni = 0, dhi = 0; // W/m^2 as written; NaN where missing
    double albedo = 0;                // as written; NaN where the file gives none
};

struct Daten {
    Format format = Format::EPW;
    messreihe::Ort ort;
    Zeitbezug zeit;
    int schrittAusKopf = 0;  // EPW: minutes per record from DATA PERIODS; 0: from the rows
    bool mittelwerte = true; // means over the interval ending at the stamp (EPW, TMY3), or
                             // values at the stamp plus the stated offset (PVGIS)
    std::vector<Zeile> zeilen;
};

// Each parser throws an Ablehnung where the bytes are not its format's.
Daten LiesEpw(const QByteArray& bytes);
Daten LiesPvgisCsv(const QByteArray& bytes);
Daten LiesPvgisJson(const QByteArray& bytes);
Daten LiesTmy3(const QByteArray& bytes);

// The lines of the bytes, without their CR LF or LF, numbered from 1; a UTF-8 byte order mark
// before the first is skipped.
class Zeilenleser {
public:
    explicit Zeilenleser(const QByteArray& bytes);
    bool Naechste(std::string_view& zeile); // false at the end
    long long Nummer() const { return nummer_; }

private:
    const char* pos_;
    const char* ende_;
    long long nummer_ = 0;
};

// The number of line ends in the bytes, to reserve the rows before reading them.
std::size_t Zeilenzahl(const QByteArray& bytes);

// Splits a line at commas into at most hoechstens fields (the rest of the line is not looked
// at). A field in double quotes may hold commas; its quotes are not part of it.
void Teile(std::string_view zeile, std::vector<std::string_view>& felder,
           std::size_t hoechstens = 1000);

std::string_view OhneRand(std::string_view s); // without blanks and tabs at either end
bool BeginntMit(std::string_view s, std::string_view anfang); // ignoring ASCII case

enum class Wert { Leer, Zahl, Falsch };
// A decimal number, blanks around it allowed, a leading + too; "nan" is a number (NaN), an
// infinity is not one.
Wert LiesZahl(std::string_view feld, double& x);
// A whole number (a decimal number whose value is whole) within [von, bis].
bool LiesGanzzahl(std::string_view feld, int von, int bis, int& x);

// A refusal at a field of a line: column and character counted from the line's start.
Ablehnung Feldfehler(Grund grund, long long zeile, std::string_view linie, std::string_view feld,
                     int spalte, Erwartung erwartet, Groesse groesse = Groesse::Keine);
// A refusal at the end of a line (a field that is not there).
Ablehnung Zeilenende(Grund grund, long long zeile, std::string_view linie, int spalte,
                     Erwartung erwartet, Groesse groesse = Groesse::Keine);
// What stands in a file, made fit to repeat in a message: at most 40 characters, control
// characters as '?'.
QString Gefunden(std::string_view text);
// The character (1-based) at which a byte offset stands in its line, counting UTF-8 sequences.
int Zeichen(std::string_view linie, std::size_t byte);

// An own date a file may write: month 1 ... 12, a day of that month, 29 February in any year
// (a typical year may take its February from a leap year and write another year).
bool GueltigesDatum(int jahr, int monat, int tag);

} // namespace wetter::roh
