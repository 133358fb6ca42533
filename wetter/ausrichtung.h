#pragma once
// The alignment check and the clear sky it compares with.
#include "wetter/wetterdatei.h"
#include "wetter/zeitlage.h"

#include <vector>

namespace wetter {

// Global horizontal irradiance under a clear sky, W/m^2, from the sine of the sun's
// elevation: Haurwitz (1945), 1098 cos z exp(-0.057 / cos z); 0 with the sun below the
// horizon. Only the shape of the day matters to its users here.
double KlarerHimmel(double sinHoehe);

// A measured global irradiance: its mean (W/m^2) over [von, bis] (minutes since 1970 UTC,
// the row's interval after the zeitversatz; for a value at an instant, the row's step around
// it).
struct Globalwert {
    double von = 0, bis = 0, ghi = 0;
};

// The correlation of the measured values with the clear sky's mean over the same intervals
// shifted by -PruefbereichMinuten ... +PruefbereichMinuten in steps of PruefschrittMinuten;
// the best shift is refined by a parabola through its neighbours. Neighbouring rows are
// merged into spans of up to an hour first, so a one-minute year costs what an hourly one
// does.
Ausrichtung PruefeAusrichtung(const std::vector<Globalwert>& werte, const Sonnenlauf& sonne);

} // namespace wetter
