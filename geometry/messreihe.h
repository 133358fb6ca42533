#pragma once
// A measured weather series as the year study on weather sees it: every row placed at one
// instant in UTC, irradiance in W/m^2, the site with an east-positive longitude. The readers
// (wetter/) turn files into this; the model (geometry/) never sees a file.
#include <cmath>
#include <vector>

namespace messreihe {

struct Ort {
    double breite = 0;    // degrees, north positive
    double laengeOst = 0; // degrees, EAST positive (the main window counts east negative)
    double hoehe = 0;     // m above sea level
};

// One row: the irradiance it gives and the instant it stands for.
struct Messung {
    int jahr = 2000, monat = 1, tag = 1; // UTC date of the instant
    double stunden = 0;                  // UTC hours of the instant from that date's 0:00
    double dauer = 1;                    // hours of the interval the row stands for
    int zaehlmonat = 1;               // 1 ... 12: the month of the row's own date, where it counts
    double ghi = 0, dni = 0, dhi = 0; // global horizontal, direct normal, diffuse horizontal
    double albedo = NAN;              // the row's ground albedo; NaN where not given
};

struct Reihe {
    Ort ort;
    std::vector<Messung> messungen; // in the file's order; rows with missing values left out
};

} // namespace messreihe
