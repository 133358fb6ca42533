#pragma once
// Time inside the readers: instants as minutes since 1970-01-01 0:00 UTC (a double: a
// millisecond's precision over millennia), the Gregorian calendar on day numbers, the sun's
// elevation along that axis, and the instant a mean over an interval stands for.
#include "geometry/messreihe.h"
#include "geometry/sonnenposition.h"

namespace wetter {

struct Datum {
    int jahr = 0, monat = 0, tag = 0;
    bool operator==(const Datum&) const = default;
};

// Days of the month; February has 29 in a leap year.
int TageImMonat(int jahr, int monat);

// Day number of a date, 1970-01-01 being 0 (proleptic Gregorian). A day past the month's end
// runs on into the next month, as the sun position takes it: 29 February of a common year is
// 1 March.
long long TagNummer(int jahr, int monat, int tag);
Datum DatumVonTag(long long tagNummer);

// A UTC instant as the series carries it: the date and the hours from its 0:00 (0 <= h < 24).
struct UtcZeit {
    Datum datum;
    double stunden = 0;
};
UtcZeit AlsUtc(double minuten);

// Day of the year (1 ... 366) of a date.
int TagDesJahres(const Datum& d);

// The extraterrestrial irradiance normal to the sun on a day of the year, W/m^2: Spencer
// (1971), with a solar constant of 1366.1 W/m^2.
double ExtraterrestrischNormal(int tagDesJahres);

// The sun at a site along the minute axis: the sine of its geometric elevation (no
// refraction), from the project's sun position (geometry/sonnenposition.h, which counts the
// longitude west positive: the site's east-positive longitude is turned here).
class Sonnenlauf {
public:
    explicit Sonnenlauf(const messreihe::Ort& ort);
    double SinHoehe(double minuten) const;

private:
    Sonnenort ort_;
};

// The instant a mean over [von, bis] stands for: its middle, or, where the sun rises or sets
// within it, the middle of its sunlit part (the longer one, should the sun set and rise again
// within it, as near the pole's midsummer). sinVon and sinBis are the sun's elevation sines at
// the ends, which the caller shares between neighbouring rows. The crossings are found to
// well under a second.
struct Lage {
    double minuten = 0;     // the instant
    double sinHoehe = 0;    // the sun's elevation sine there
    bool teilweise = false; // the sun rises or sets within the interval
};
Lage SonnigeMitte(const Sonnenlauf& sonne, double von, double bis, double sinVon, double sinBis);

} // namespace wetter
