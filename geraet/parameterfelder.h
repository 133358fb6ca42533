#pragma once
// The fields of the controller's parameter set as a person edits them: one table for the
// parametrization window and the parameter file. Each field has its key in the file, its edit
// in the window, its unit, how the edit's number becomes the field (the conversion) and the
// bounds the window holds its edit to. The window replaces an edit beyond a bound by the
// bound; the file refuses such a value, and also one the field cannot hold (too large, too
// many decimals).
#include "geraet/messages.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace parameterfelder {

using messages::TrackerParameter;

// How the edit's number becomes the field.
enum class Umrechnung {
    Ganz,        // u16, the number itself (cm, degrees)
    Hundertstel, // i16 hundredths of a degree: the decimal degree x 100, two decimals at most
    Minuten,     // u16 tenths of a second: whole minutes x 600
    Tausendstel, // double: the number x 0.001 (the edit holds thousandths)
};

enum class Id {
    Breitengrad,
    Laengengrad,
    Modulhoehe,
    Modulbreite,
    Modulabstand,
    Modulneigung,
    Trackintervall,
    Winkelgeschwindigkeit,
    AnschlagOst,
    AnschlagWest,
    Korrekturfaktor,
};

struct Feld {
    Id id;
    const char* schluessel; // in the parameter file
    const char* edit;       // the window's edit
    const char* bedeutung;  // what it is, with its unit (German, as the file's comment)
    Umrechnung umrechnung;
    std::uint16_t TrackerParameter::*u16 = nullptr; // Ganz, Minuten
    std::int16_t TrackerParameter::*i16 = nullptr;  // Hundertstel
    double TrackerParameter::*dbl = nullptr;        // Tausendstel
    // The window's bounds on its edit, in the edit's unit; none where the window has none.
    std::optional<long long> unten{}, oben{};
};

// In the order of the file (the window's, top to bottom).
extern const std::array<Feld, 11> Felder;
const Feld& Zu(Id id);

// The window's checks of these fields, in the order its validation makes them (after the
// date and time edits): the field and which of its bounds.
struct Pruefung {
    Id id;
    bool oben; // the upper bound, else the lower
};
extern const std::array<Pruefung, 6> Fensterpruefungen;

// The smallest and largest whole number the file takes for a field, counted in the unit its
// text is read in (hundredths of a degree for Hundertstel, minutes for Minuten, thousandths for
// Tausendstel): the window's bounds within what the field can hold. Tausendstel without a
// bound of the window: none (a double holds any finite number).
std::optional<long long> Kleinster(const Feld& f);
std::optional<long long> Groesster(const Feld& f);

// A double as the shortest decimal number that reads back as that very double, scaled by
// 10^zehnerpotenz on its digits (zehnerpotenz 3: 2.2365 gives "2236.5", 0.02236 "22.36",
// -1 "-1000"); "-0" for minus zero; a very large or very small number with an exponent
// ("1e+303"). Not finite: "nan", "inf", "-inf". A point as the decimal separator.
QString Exakt(double wert, int zehnerpotenz);
// Whether text is a decimal number: optional sign, digits with a point, an optional exponent.
bool IstDezimalzahl(const QString& text);
// Whether two decimal number texts (point, optional exponent) stand for the same number,
// digit for digit; the sign of zero counts.
bool GleicherWert(const QString& a, const QString& b);

} // namespace parameterfelder
