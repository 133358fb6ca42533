#pragma once
// The year study as text: what heliowendler-calc --jahresstudie and --variiere print and the
// year window saves. Numbers always with a point, whatever the process's locale (a window
// runs under the user's).
#include "geometry/jahresstudie.h"
#include "geometry/wetterjahr.h"

#include <string>
#include <vector>

namespace jahrescsv {

// The month table three ways side by side (header, twelve months, the year), an empty line,
// then the year's extremes and travel as Name=value lines; jahr dates the extremes.
std::string Jahresstudie(const jahresstudie::Ergebnis& r, int jahr);

// The sweep: a header and one line per value (werte and summen in the same order).
std::string Variation(const std::vector<double>& werte,
                      const std::vector<jahresstudie::Summe>& summen);

// The year on a measured series: per month and the year, three ways side by side, each with
// the unshaded irradiance and its beam, sky and ground parts (kWh/m^2), the losses to beam
// shade, sky masking and the bypass-diode blocks (% of the unshaded), the effective irradiance
// and the partly shaded hours; an empty line, then the gain of backtracking and what the
// figures were computed with (the block layout among them) as Name=value lines.
std::string Wetterjahr(const wetterjahr::Ergebnis& r);

// The sweep on a measured series: a header and one line per value, the figures with
// backtracking as in Wetterjahr.
std::string WetterVariation(const std::vector<double>& werte,
                            const std::vector<wetterjahr::Summe>& summen,
                            const wetterjahr::Optionen& optionen);

// "1x3": blocks over the slant height x side by side.
std::string Blocklayout(const einstrahlung::Bloecke& b);

} // namespace jahrescsv
