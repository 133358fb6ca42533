#pragma once
// The engineer's year: the main window's whole calculation at every step of a year, the
// clear-sky beam on the modules, and what the neighbouring row's shadow takes of it, three
// ways side by side (with backtracking as calculated, the same without installation errors,
// without backtracking). Pure arithmetic, no Qt; the model and its assumptions are written out
// in docs/jahresstudie.md.
#include "geometry/rechenlauf.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace jahresstudie {

// Air mass at the zenith angle z (degrees), Kasten and Young (1989).
double Luftmasse(double zenit);
// Clear-sky direct normal irradiance at the zenith angle z (degrees), Meinel and Meinel:
// 1353 * 0.7^(AM^0.678) W/m^2; 0 at and below the horizon.
double Direktstrahlung(double zenit);
// cos of the angle between the sun (azimuth, elevation) and the normal of a module tilted by
// neigung from the horizontal and facing the azimuth modulAzimut; degrees, compass angles.
double Einfallskosinus(double sonneAzimut, double sonneHoehe, double modulAzimut, double neigung);
// The shaded share of the neighbouring module's face, from the overlap d (m) the shadow of
// a row's top edge reaches past the next row's front foot across the rows, the clear gap a
// (m) between the ground point below a top edge and the next front foot, and the horizontal
// depth c (m) of a module (slant height * cos tilt): f = d / (d + a + c), clipped to [0, 1].
double VerschatteterAnteil(double d, double a, double c);

// One way of running the tracker, summed over a month or the year.
struct Summe {
    double strahlung = 0;       // beam on the module, kWh/m^2
    double verschattet = 0;     // of it on the shaded part, kWh/m^2
    double teilverschattet = 0; // hours with a partly shaded module
    double Unverschattet() const { return strahlung - verschattet; }
    double VerlustProzent() const { return strahlung > 0 ? 100 * verschattet / strahlung : 0; }
};
struct Drei {
    Summe mitBacktracking, ohneFehler, ohneBacktracking;
};

struct Extrem {
    double position = 0; // degrees
    int monat = 0, tag = 0;
    double stunden = 0; // UTC
};

struct Ergebnis {
    std::array<Drei, 12> monate{};
    Drei jahr;
    Extrem groesste, kleinste; // the tracker's positions (with backtracking, as drawn)
    double weg = 0;            // degrees turned in the year, while the sun is up
    StopMax stop;              // what the solstice search gives for the year
    int augenblicke = 0;       // instants with the sun above the horizon
    bool abgebrochen = false;
};

inline int TageImJahr(int jahr) {
    int tage = 0;
    for (int m = 1; m <= 12; ++m)
        tage += TageImMonat(jahr, m);
    return tage;
}

// The year e.Jahr at every schritt minutes (1 ... 60) from 00:00 UTC of 1 January, with e's
// site, geometry, errors and "Backtrack immer nach Osten". Each instant stands for its step,
// the day's last for what is left of the day when the step does not divide it. The
// Sonnenwende search runs once per solar day, as the main window runs it for a date, carrying
// its state from day to day; an instant with the sun up in a neighbouring solar day (a site
// whose daylight crosses 0:00 UTC) is signed by that day's. Positions (extremes, travel) are
// taken on each day's continuous path (AufDemWeg). When abbruch is set the run stops at the
// next day; fortschritt gets the days done.
Ergebnis Rechne(const RechenlaufEingabe& e, int schritt, const std::atomic<bool>* abbruch = nullptr,
                const std::function<void(int tage)>& fortschritt = {});

// A sweep's values that cannot be formed: why.
class WerteFehler : public std::invalid_argument {
public:
    enum Art {
        Ungueltig,   // not finite, or a step not above 0
        KeinSchritt, // the step is below the resolution of the values: von + weite == von
        ZuViele,     // more than GroessteWertezahl values
    };
    WerteFehler(Art art, const char* was);
    Art art() const { return art_; }

private:
    Art art_;
};
constexpr int GroessteWertezahl = 1001;

// The values von, von + weite, ... up to bis (a rounding of 1e-9 steps past bis still counts):
// their number is counted first and exactly those are formed; none when bis < von. Throws
// WerteFehler for a step that is not a positive finite number, one that does not change the
// values, and more than GroessteWertezahl values.
std::vector<double> Werte(double von, double bis, double weite);

// The year study for each value of one input (feld of e): the year with backtracking per
// value, in the order of werte, each the sum Rechne gives to the last bit. For an installation
// error the sun and the searches are formed once for all values and the cores take months;
// for any other input every core takes the next value. Each worker thread calls arbeiter
// first (the window lowers its priority there); jeWert is called once per value's worth of
// work done, werte.size() times in all; abbruch stops every worker at its next day.
std::vector<Summe> Variiere(const RechenlaufEingabe& e, double RechenlaufEingabe::*feld,
                            const std::vector<double>& werte, int schritt,
                            const std::atomic<bool>* abbruch = nullptr,
                            const std::function<void()>& arbeiter = {},
                            const std::function<void()>& jeWert = {});

// One instant of the three ways, for tests and the day chart: shaded share and beam factor.
struct Augenblick {
    double dni = 0;
    double cosMit = 0, fMit = 0;     // with backtracking, as calculated
    double cosOhneF = 0, fOhneF = 0; // without installation errors
    double cosOhneB = 0, fOhneB = 0; // without backtracking
    double trackerPos = 0;
};
Augenblick Berechne(const RechenlaufEingabe& e, const Suchstand& s, double stunden);

// One UTC day of the date in e at every schritt minutes, as the main window calculates and
// draws it: the sun, the tracker position as drawn (with anschlaege clamped to the stops;
// before sunrise and after sunset the morning position the tracker waits at), the signed
// correction, the nominal shadow and the overlap (m). Positions with the sun up lie on the
// day's continuous path. The date's Sonnenwende search runs once, a neighbouring day's when
// the sun is up in its solar day (Tagessuchen).
struct Tag {
    std::vector<double> stunden, hoehe, azimut, position, winkel, schatten, verschattung;
    std::vector<double> trackerPos; // as calculated: Azimut + WinkelZurSonne
    // UTC hours of the sunrise (the first instant with the sun up after one with it down) and
    // the sunset (the last with it up before one with it down); -1 where the day holds none:
    // polar night and midnight sun, and at sites whose daylight crosses 0:00 UTC the evening
    // the day begins with is no sunrise.
    double aufgang = -1, untergang = -1;
    int wendeStunde = 12, wendeMinute = 0;
};
Tag BerechneTag(const RechenlaufEingabe& e, int schritt, bool anschlaege);

// One instant of the date as BerechneTag takes it: the calculation with the search of its solar
// day, the position as calculated (while the sun is up on the day's continuous path: weg holds
// the path's last position, none before its first, and is moved on) and as drawn (with the sun
// down the morning position of the date the tracker waits at; with anschlaege clamped to the
// stops).
struct Gezeichnet {
    RechenlaufErgebnis r;
    double trackerPos = 0, position = 0;
};
Gezeichnet Zeichne(Tagessuchen& suchen, const RechenlaufEingabe& e, double stunden, bool anschlaege,
                   std::optional<double>& weg);

} // namespace jahresstudie
