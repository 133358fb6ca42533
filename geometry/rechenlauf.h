#pragma once
// The calculation driver, without the window: the solstice extremes, the Sonnenwende
// search, then the sun and the tracker rule for the instant. The main window and
// heliowendler-calc both run it. Units and signs as in sonnenposition.h and tracker.h.
#include "geometry/tracker.h"

// The site's ranges, degrees, for the main window's edits and heliowendler-calc alike.
struct Bereich {
    int min, max;
};
inline constexpr Bereich BreitenBereich{-90, 90};   // latitude, north positive
inline constexpr Bereich LaengenBereich{-180, 180}; // longitude, west positive

// Everything the driver reads, named after the edits that hold it. The defaults are the
// window's design values, except the site: the home site the window applies at start-up.
struct RechenlaufEingabe {
    int Jahr = 2008, Monat = 7, Tag = 7;
    double Stunde = 11; // UTC, may hold a fraction
    int Minute = 0;
    double Phi = 50.53, Lam = -14.48; // longitude west positive
    // Geometry, cm and degrees. The searches read these four as whole numbers.
    double ModulL = 1500, ModulH = 160, ModulA = 150, ModulN = 30;
    double ModulHErr = 0, ModulAErr = 0, ModulNErr = 0; // simulated installation errors
    // The stops only steer the drawn tracker; no result here depends on them.
    double EndlageStart = 75, EndlageStop = 285;
    double EndlageStartErr = 0;
    bool OstTracken = false; // "Backtrack immer nach Osten"
    // State carried over from the previous calculation: the stop search signs with this
    // WendeStunde, and a failed Sonnenwende search keeps all three.
    int WendeStunde = 12, WendeMinute = 0;
    double MorgenPos = 0;
};

struct RechenlaufErgebnis {
    double Azimut = 0, Hoehe = 0;
    double ModulNRad = 0, ModulHEff = 0, Schatten = 0;          // nominal geometry, m
    double ModulNErrRad = 0, ModulHEffErr = 0, SchattenErr = 0; // with the errors, m
    double WinkelZurSonne = 0, TrackerPos = 0;
    double Verschattung = 0; // m
    int WendeStunde = 12, WendeMinute = 0;
    double MorgenPos = 0;
    double AWestMax = 0, AOstMax = 0;
    int wendeSchritte = 0; // steps the Sonnenwende search took
    SuchZaehler zaehler;   // sun positions and tracker rules of this run
};

// What the two searches leave for the instants of their date, and the scratch values of
// their last step (the window keeps those in its state).
struct Suchstand {
    StopMax stop;
    Sonnenwende wende;
    int wendeTag = 0; // the solar day searched, in days from the input's date (-1, 0, +1)
    int wendeSchritte = 0;
    Arbeitswerte arbeit;
};

// The geometry the searches read; throws std::invalid_argument naming the field when one of
// ModulL, ModulH, ModulA, ModulN is not a whole number in the int range (the window then
// fails with its whole-number message).
SuchGeometrie SuchGeometrieAus(const RechenlaufEingabe& e);

// The two searches one at a time, for a caller that reads the inputs of each just before
// it (the main window): the stop search fills s.stop; the Sonnenwende search starts from
// e's WendeStunde, WendeMinute and MorgenPos and fills s.wende, s.wendeTag and
// s.wendeSchritte. Both work in s.arbeit.
void SucheStopMax(const RechenlaufEingabe& e, Suchstand& s, SuchZaehler* z = nullptr);
// The Sonnenwende of the solar day the instant of e (Stunde, Minute on its date) belongs to:
// where the sun is up at that instant and the instant lies more than 12 hours from the noon
// of its UTC date (sites whose daylight crosses 0:00 UTC), the neighbouring day's; otherwise
// the date's own (at night the tracker waits for the morning of its date, as it always has).
void SucheSonnenwende(const RechenlaufEingabe& e, Suchstand& s, SuchZaehler* z = nullptr);
// The Sonnenwende of the solar day tage days from e's date.
void SucheSonnenwendeAm(const RechenlaufEingabe& e, int tage, Suchstand& s,
                        SuchZaehler* z = nullptr);
// BerechneStopMax, then BerechneSonnenwende, as the driver orders them.
Suchstand BerechneSuchen(const RechenlaufEingabe& e, SuchZaehler* z = nullptr);
// Sun and complete tracker calculation for one instant of the date (stunden: UTC hours from
// the date's 0:00), signed with the Sonnenwende s found for the solar day it belongs to; its
// hours count from that day for the sign rule.
RechenlaufErgebnis BerechneAugenblick(const RechenlaufEingabe& e, const Suchstand& s,
                                      double stunden, SuchZaehler* z = nullptr);
// What the complete calculation reads of e at an instant with the sun at hoehe, signed with
// the Sonnenwende hour wende and the noon's side (stunden counted as the sign rule counts).
KomplettEingabe KomplettAus(const RechenlaufEingabe& e, double hoehe, double stunden, int wende,
                            bool mittagNord);

// The searches the instants of one UTC date need, for a run over the date (the day chart, a
// table, the simulated controller): the date's own, run at once from e's carried state, and
// where the sun is up at an instant of a neighbouring solar day, that day's, each run once when
// first needed and starting from the date's.
class Tagessuchen {
public:
    explicit Tagessuchen(const RechenlaufEingabe& e);
    const Suchstand& Datum() const { return suche_[1]; }
    // The search for an instant of the date with the sun at hoehe.
    const Suchstand& Fuer(double stunden, double hoehe);
    // The whole calculation at that instant, as the main window gives it.
    RechenlaufErgebnis Augenblick(double stunden);
    double Mittag() const { return mittag_; } // the date's noon, UTC hours

private:
    RechenlaufEingabe e_;
    double mittag_;
    Suchstand suche_[3];
    bool gesucht_[3] = {false, true, false};
};

// The instant of the edits: Stunde + Minute / 60.
inline double Augenblick(const RechenlaufEingabe& e) {
    return e.Stunde + e.Minute / 60.0;
}
// The whole calculation at that instant.
RechenlaufErgebnis Rechenlauf(const RechenlaufEingabe& e);
