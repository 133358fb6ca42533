#pragma once
// Weather files, recognised by their content (never by their name), read into the measured
// series the year study takes (geometry/messreihe.h): every row placed at one UTC instant,
// GHI, DNI and DHI in W/m^2, the site with an east-positive longitude.
//
// The formats and how their time is read:
// - EPW (EnergyPlus weather file, "EnergyPlus Weather File (EPW) Data Dictionary"): the
//   LOCATION line gives latitude (north positive), longitude (EAST positive), the time zone
//   (hours from GMT) and the elevation; the header lines up to DATA PERIODS (whose second
//   field is the number of records per hour) precede the rows
//   `year,month,day,hour,minute,...` with global, direct normal and diffuse horizontal
//   radiation in fields 14, 15 and 16 and the albedo in field 33. A value is the mean over
//   the interval ending at `hour` (1 ... 24; hour 1 is 0:00 to 1:00) in the file's local
//   standard time, no daylight saving; with several records per hour, `minute` (1 ... 60)
//   ends the interval within that hour. Wh/m^2 over an hour are W/m^2 as a mean. Missing:
//   9999 and above (irradiance), 999 (albedo), or an empty field.
// - PVGIS TMY as CSV: the lines "Latitude (decimal degrees):", "Longitude (decimal
//   degrees):", "Elevation (m):", where present "Irradiance Time Offset (h):", the months'
//   years, then the column row beginning with `time(UTC)` and the rows, ended by an empty line
//   (or the legend); `time(UTC)` is `YYYYMMDD:HHMM`, `G(h)`, `Gb(n)`, `Gd(h)` in W/m^2.
// - PVGIS TMY as JSON: `inputs.location` with `latitude`, `longitude`, `elevation` and,
//   where present, `irradiance_time_offset`; the rows in `outputs.tmy_hourly`, each an object
//   with the same names as the CSV's columns.
//   PVGIS values hold at the stamp (UTC) plus the stated offset (none stated: the stamp).
//   PVGIS has no missing mark: an empty field, null or NaN counts as missing.
// - TMY3 (NREL, "Users Manual for TMY3 Data Sets"): a site line (station, name, state, time
//   zone in hours from Greenwich, latitude, longitude (east positive), elevation in m), the
//   column row beginning `Date (MM/DD/YYYY),Time (HH:MM)`, then the rows; the columns
//   `GHI (W/m^2)`, `DNI (W/m^2)`, `DHI (W/m^2)` and, where present, `Alb (unitless)` are
//   found by name. A value is the mean over the interval ending at `Time` (01:00 ... 24:00)
//   in local standard time. Missing: an empty field, or -9900 and below.
//
// Placing a row: the values of EPW and TMY3 are means, so they stand at the middle of their
// interval (hourly data: 30 minutes before the stamp), converted from the file's standard time
// to UTC; for an interval that holds sunrise or sunset, at the middle of its sunlit part
// (geometric sun, no refraction, as the calculation's). PVGIS values stand at their stated
// instant. A zeitversatz of +H hours says the data are H hours early: every interval and
// instant moves H hours later (before the sun is consulted). Each row counts in the month of
// its own date (the file's date of the row, which for EPW and TMY3 is local), and a typical
// year's months keep the years they came from.
//
// The series keeps the file's order and leaves out the rows with a missing GHI, DNI or DHI.
// Negative irradiance becomes 0. Where the sun is below the horizon at a row's instant, its
// DNI is set to 0 (its beam is left out; diffuse and global stay). An albedo of 0, of 1 or
// more, or missing is NaN (not given). Every one of these is counted in the quality summary.
#include "geometry/messreihe.h"
#include "wetter/zeitlage.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <variant>

namespace wetter {

enum class Format { EPW, PvgisCsv, PvgisJson, TMY3 };

// What the file says about its time.
struct Zeitbezug {
    bool utc = false;    // stamps in UTC (PVGIS); otherwise the file's local standard time
    double zeitzone = 0; // hours east of UTC of that standard time (EPW, TMY3; 0 for PVGIS)
    std::optional<double> versatz; // PVGIS: "Irradiance Time Offset (h)", where stated
};

// The data's quality: every departure from clean data, counted.
struct Qualitaet {
    long long zeilen = 0;                 // data rows of the file
    long long fehlwertZeilen = 0;         // rows with a missing GHI, DNI or DHI: left out
    std::array<long long, 3> fehlwerte{}; // the missing values by column: GHI, DNI, DHI
    // The share (0 ... 1) of the file's global irradiation the left-out rows stand for,
    // estimated from their neighbours' clearness applied to a clear sky at their instant.
    double fehlwertAnteil = 0;
    long long negativ = 0;                   // negative irradiance values, set to 0
    long long dniUeberExtraterrestrisch = 0; // rows whose DNI exceeds the extraterrestrial
    long long dhiUeberGhi = 0;               // rows whose diffuse exceeds their global irradiance
    long long unterHorizont = 0;    // rows with irradiance while the sun is below the horizon
    double unterHorizontDirekt = 0; // their beam left out, kWh/m^2 normal to the sun
    long long ohneAlbedo = 0;       // rows of the series without an albedo
    long long luecken = 0;          // breaks of the time sequence within a month
    double lueckenStunden = 0;      // the hours the forward breaks skip
    bool operator==(const Qualitaet&) const = default;
};

// The alignment check: the measured global irradiance against a clear sky (Haurwitz) of the
// sun computed for the file's site, at shifts of -3 ... +3 h in 5-minute steps (the best one
// refined between its neighbours). versatzMinuten is the zeitversatz (in minutes) that aligns
// the data best: positive when the irradiance comes earlier than the sun ("früher"),
// negative when later. It is checked after the zeitversatz given to the reader.
struct Ausrichtung {
    bool bestimmt = false; // false: too little daylight, or no likeness to a clear sky
    double versatzMinuten = 0;
    double korrelation = 0; // at that shift
    // bestimmt and |versatzMinuten| >= AuffaelligAbMinuten - PruefrauschenMinuten: a real
    // shift of AuffaelligAbMinuten is said even where the check finds it a little shorter.
    bool auffaellig = false;
};
inline constexpr double PruefbereichMinuten = 180;
inline constexpr double PruefschrittMinuten = 5;
// From here on a shift is worth saying.
inline constexpr double AuffaelligAbMinuten = 30;
// The check's own noise: about a minute on made-up years at sites in both hemispheres, far
// east and west; with this margin a shift of 30 minutes is said and one of 20 is not.
inline constexpr double PruefrauschenMinuten = 5;

struct Datei {
    Format format = Format::EPW;
    messreihe::Reihe reihe;
    int schrittMinuten = 60; // the rows' step (each Messung's dauer)
    Datum erster, letzter;   // the own dates of the file's first and last row
    Zeitbezug zeit;
    double zeitversatz = 0; // the hours the reader was given
    Qualitaet qualitaet;
    Ausrichtung ausrichtung;
};

// Why a file is refused.
enum class Grund {
    NichtLesbar,      // cannot be opened or read, or is no regular file
    ZuGross,          // larger than GroessteDatei
    KeineWetterdatei, // none of the four formats
    AngabeFehlt,      // the header lacks the site or the time zone (erwartet says which)
    SpalteFehlt,      // one of the three irradiance columns is missing (groesse says which)
    ZeileDefekt,      // a field of a row is not what it must be (erwartet)
    KeineZeilen,      // no data row
    KeineWerte,       // no row with all three irradiance values
    Schritt,          // the rows follow no step of 1 ... 60 minutes (wert: the one found)
    Zeitversatz,      // the zeitversatz is not a number within +-GroessterZeitversatz
};

// What was expected where the file went wrong.
enum class Erwartung {
    Nichts,
    Zahl,
    Jahr,
    Monat,       // 1 ... 12
    Tag,         // a day of that month
    Stunde,      // EPW: 1 ... 24
    Minute,      // EPW: 0 ... 60 (1 ... 60 with several records per hour)
    Datum,       // MM/DD/YYYY
    Uhrzeit,     // HH:MM, 00:00 ... 24:00
    Zeitstempel, // YYYYMMDD:HHMM
    Breite,      // -90 ... 90
    Laenge,      // -180 ... 180
    Zeitzone,    // -12 ... 14
    Hoehe,       // the elevation, m
    Schritt,     // EPW's records per hour: a divisor of 60
    Feld,        // another field: the row ends before it
    Json,        // valid JSON
    JsonObjekt,  // a JSON object (a row of tmy_hourly, the document)
};

enum class Groesse { Keine, GHI, DNI, DHI, Albedo };

struct Ablehnung {
    Grund grund = Grund::KeineWetterdatei;
    long long zeile = 0; // line of the file, 1-based; 0: the file as a whole
    int spalte = 0;      // column (field of a CSV line), 1-based; 0: none (JSON, a whole line)
    int zeichen = 0;     // character in the line, 1-based; 0: none
    Erwartung erwartet = Erwartung::Nichts;
    Groesse groesse = Groesse::Keine; // the irradiance column concerned, where one is
    QString gefunden; // what stands there (at most 40 characters, control characters as ?)
    double wert = 0;  // Grund::Schritt: the step found, minutes
    bool operator==(const Ablehnung&) const = default;
};

using Ergebnis = std::variant<Datei, Ablehnung>;

// Far above a one-minute year in any of the formats (EPW: about 75 MB), small enough that a
// wrong file in its place cannot eat the memory.
inline constexpr qint64 GroessteDatei = qint64(1) << 30;
inline constexpr double GroessterZeitversatz = 24;

// Reads a weather file. zeitversatz in hours: +H says the data are H hours early.
Ergebnis Lies(const QString& pfad, double zeitversatz = 0);
Ergebnis LiesBytes(const QByteArray& bytes, double zeitversatz = 0);

} // namespace wetter
