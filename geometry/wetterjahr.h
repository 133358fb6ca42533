#pragma once
// The year study on a measured weather series: at every row's instant the tracker as the main
// window computes it, the row's global, direct and diffuse light on the module (beam, the sky
// after Perez or isotropic, the ground), and what the rows take of it: the beam shade, the sky
// the row in front hides, and the bypass-diode blocks a partial shadow costs. Three ways as
// in the clear-sky study (jahresstudie): with backtracking as calculated, without the
// installation errors, without backtracking. Pure arithmetic, no Qt; the model in
// docs/jahresstudie.md.
//
// The site is e's (Phi north positive, Lam WEST positive as in the main window); a series
// brings its own east-positive one: AmOrt converts. Irradiance in W/m^2 per row, sums in
// kWh/m^2 (W/m^2 * the row's dauer in hours / 1000), shaded time in hours.
#include "geometry/einstrahlung.h"
#include "geometry/messreihe.h"
#include "geometry/rechenlauf.h"

#include <array>
#include <atomic>
#include <functional>
#include <stdexcept>
#include <vector>

namespace wetterjahr {

enum class Himmelsmodell { Perez, Isotrop };

struct Optionen {
    double albedo = 0.2; // ground albedo where a row gives none (0 ... 1)
    Himmelsmodell himmel = Himmelsmodell::Perez;
    einstrahlung::Bloecke bloecke; // the module's bypass-diode blocks, 1x3
};

// e with the series' site: Phi = breite, Lam = -laengeOst.
RechenlaufEingabe AmOrt(RechenlaufEingabe e, const messreihe::Ort& ort);

// One way summed over a month or the year, kWh/m^2 (hours for teilverschattet).
struct Summe {
    // On the module without shade: beam, the sky's diffuse light in its parts, the ground's.
    double direkt = 0;
    double isotrop = 0, zirkumsolar = 0, horizont = 0;
    double boden = 0;
    // What the rows take: beam and circumsolar on the shaded share (f); the isotropic sky the
    // row in front hides and the horizon band, hidden from all of the module but its top
    // edge (a negative horizon part, a darker horizon, hidden is a small gain); beam and
    // circumsolar on the rest of the shaded bypass-diode blocks.
    double strahlSchatten = 0, himmelSchatten = 0, elektrisch = 0;
    // What reaches working cells: the unshaded irradiance less the three losses.
    double wirksam = 0;
    double teilverschattet = 0; // hours with the sun up and a partly shaded module (f > 1e-9)

    double Himmel() const { return isotrop + zirkumsolar + horizont; }
    double Unverschattet() const { return direkt + Himmel() + boden; }
    // A loss in % of the unshaded irradiance (0 without any).
    double Prozent(double verlust) const {
        const double u = Unverschattet();
        return u > 0 ? 100 * verlust / u : 0;
    }
};
struct Drei {
    Summe mitBacktracking, ohneFehler, ohneBacktracking;
};

struct Ergebnis {
    std::array<Drei, 12> monate{}; // by the month each row counts in (zaehlmonat)
    Drei jahr;                     // the months added in order
    Optionen optionen;             // as computed: the block layout stands beside its figures
    double gcr = 0;                // ground coverage ratio of the nominal geometry
    int zeilen = 0;                // rows taken
    // Rows with direct light while the sun stands at or below the horizon at their instant:
    // their beam is left out (their sky and ground light count); their direct normal, kWh/m^2.
    int strahlOhneSonne = 0;
    double strahlOhneSonneKwh = 0;
    bool abgebrochen = false;
    // The year's effective irradiance with backtracking over that without, in % (0 when there
    // is none without).
    double GewinnBacktracking() const;
};

// The options are refused (std::invalid_argument) when the albedo lies outside 0 ... 1 or a
// block count is below 1; a row whose zaehlmonat lies outside 1 ... 12 likewise.
void Pruefe(const Optionen& o);

// The days of rows of a series: each run of rows of one UTC date counts once.
int Tage(const messreihe::Reihe& reihe);

// The study on the series' rows in their order. The sun at each row's instant (geometric),
// the tracker from the searches of the row's UTC date (Tagessuchen, one per date, each
// starting from e's carried state), e's geometry, errors and "Backtrack immer nach Osten".
// abbruch is read once per day of rows (the run then stops); fortschritt gets the days done.
Ergebnis Rechne(const RechenlaufEingabe& e, const messreihe::Reihe& reihe, const Optionen& o = {},
                const std::atomic<bool>* abbruch = nullptr,
                const std::function<void(int tage)>& fortschritt = {});

// The study for each value of one input (feld of e), as jahresstudie::Variiere: the year with
// backtracking per value in the order of werte, each Rechne's to the last bit. For an
// installation error the sun, the light and the searches are formed once for all values and
// the cores take months; for any other input every core takes the next value. arbeiter runs
// first on each worker thread; jeWert is called werte.size() times in all as the work gets
// done; abbruch stops every worker at its next day.
std::vector<Summe> Variiere(const RechenlaufEingabe& e, const messreihe::Reihe& reihe,
                            const Optionen& o, double RechenlaufEingabe::*feld,
                            const std::vector<double>& werte,
                            const std::atomic<bool>* abbruch = nullptr,
                            const std::function<void()>& arbeiter = {},
                            const std::function<void()>& jeWert = {});

// The rows of one UTC date for the day chart: each row's instant (UTC hours), its measured
// light and the effective irradiance (W/m^2) with and without backtracking, as Rechne takes
// them.
struct Tagesverlauf {
    std::vector<double> stunden, ghi, dni, dhi;
    std::vector<double> wirksamMit, wirksamOhneBacktracking;
};
Tagesverlauf Tag(const RechenlaufEingabe& e, const messreihe::Reihe& reihe, int jahr, int monat,
                 int tag, const Optionen& o = {});

} // namespace wetterjahr
