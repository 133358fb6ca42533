#pragma once
// The year study as text: what heliowendler-calc --jahresstudie and --variiere print and the
// year window saves. Numbers always with a point, whatever the process's locale (a window
// runs under the user's).
#include "geometry/jahresstudie.h"

#include <string>
#include <vector>

namespace jahrescsv {

// The month table three ways side by side (header, twelve months, the year), an empty line,
// then the year's extremes and travel as Name=value lines; jahr dates the extremes.
std::string Jahresstudie(const jahresstudie::Ergebnis& r, int jahr);

// The sweep: a header and one line per value (werte and summen in the same order).
std::string Variation(const std::vector<double>& werte,
                      const std::vector<jahresstudie::Summe>& summen);

} // namespace jahrescsv
