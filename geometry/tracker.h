#pragma once
// Tracker rule of a turntable tracker: shadow, limit angle, backtracking correction and
// its sign, the shading left under installation errors, and the two searches over a day
// (Sonnenwende) and over the solstices (StopMax).
//
// Units, stated once: module dimensions in centimetres as typed, derived lengths in metres
// (factor 0.01), angles in degrees unless the name ends in Rad. Compass angles run clockwise
// from north. pi/180 is formed as (1/180)*pi and 180/pi as 180/pi.

// Result of the tracker rule for one geometry and one elevation.
struct TrackerRegel {
    double NRad = 0;        // tilt, radians
    double HEff = 0;        // effective vertical module height, m
    double Schatten = 0;    // shadow length on the ground, m, never negative
    double Grenzwinkel = 0; // limit angle, degrees
    double Korrektur = 0;   // unsigned backtracking correction, degrees
};

// A distance, H height, N tilt (degrees), L row width (all cm), hoehe the sun's elevation.
// Where the plain formulas divide by zero: a sun exactly on the horizon gives the capped
// correction 90 - G with Schatten 0 (the shadow has no end, so no length is stored and none is
// drawn); width 0 gives G = 90 and no correction; no effective height (tilt 0) gives no
// shadow and no correction; a sun below the horizon gives neither, whatever the geometry.
TrackerRegel BerechneTracker(double A, double H, double N, double L, double hoehe);
// The limit angle alone: it depends on the distance A and the width L only (both cm).
double Grenzwinkel(double A, double L);

// Sign rule of the complete calculation and of BerechneStopMax: negative when always-east
// is set, or when the whole hour (stunden truncated toward zero) is past WendeStunde.
double VorzeichenKomplett(double korrektur, bool immerOst, double stunden, int WendeStunde);
// Sign rule inside BerechneSonnenwende: the check box is not consulted there.
double VorzeichenSuche(double korrektur, int stunde, int WendeStunde);

// The complete calculation of the driver, after SonnenPosition has given the elevation.
struct KomplettEingabe {
    double ModulL = 0, ModulH = 0, ModulHErr = 0, ModulA = 0, ModulAErr = 0; // cm
    double Neigung = 0, NeigungErr = 0;                                      // degrees
    double Hoehe = 0;           // sun elevation, degrees
    double EndlageStartErr = 0; // degrees
    bool immerOst = false;      // "Backtrack immer nach Osten"
    double stunden = 0;         // decimal UTC hours of the instant
    int WendeStunde = 12;
};
struct KomplettErgebnis {
    double ModulNRad = 0, ModulHEff = 0, Schatten = 0;
    double ModulNErrRad = 0, ModulHEffErr = 0, SchattenErr = 0;
    double WinkelZurSonne = 0; // signed correction, degrees
    double Verschattung = 0;   // m, never negative; 0 when the correction is 0
};
KomplettErgebnis BerechneKomplett(const KomplettEingabe& e);
// The same in two parts, for a run over many instants of one geometry: what the geometry
// alone gives (tilts in radians, effective heights in m, the distance with its error in cm,
// the limit angle with it in degrees), formed once, and the instant, given the tangent of
// its elevation. The results are those of BerechneKomplett to the last bit.
struct KomplettGeometrie {
    double NErrRad = 0, HEffErr = 0, NRad = 0, HEff = 0;
    double AErr = 0, GrenzwinkelErr = 0;
};
KomplettGeometrie KomplettGeometrieAus(const KomplettEingabe& e);
KomplettErgebnis BerechneKomplett(const KomplettGeometrie& g, const KomplettEingabe& e,
                                  double tanHoehe);

// The window members the searches use as scratch variables: after a search has run on its
// own they hold the values of its last step.
struct Arbeitswerte {
    double Azimut = 0, Hoehe = 0, Schatten = 0, WinkelZurSonne = 0, ModulHEff = 0, ModulNRad = 0;
};

// Whole-number geometry as the searches read it from the edits (cm, cm, degrees, cm).
struct SuchGeometrie {
    int ModulL = 1500, ModulH = 160, ModulA = 150, ModulN = 30;
};

// State that BerechneSonnenwende carries from one search to the next.
struct Sonnenwende {
    int WendeStunde = 12;
    int WendeMinute = 0;
    double MorgenPos = 0;
};
struct SuchZaehler {
    int sonnenPositionen = 0; // SonnenPosition calls made
    int trackerRegeln = 0;    // tracker rules evaluated
};

// Quarter-hour search from 01:15 UTC of the date: sets WendeStunde/WendeMinute at the first
// positive elevation lower than the one before, MorgenPos at the first step after sunrise.
// Values not found keep what w held. Returns the number of steps taken (at most 360).
int BerechneSonnenwende(const SuchGeometrie& g, int jahr, int monat, int tag, double phi,
                        double lam, Sonnenwende& w, Arbeitswerte& a, SuchZaehler* z = nullptr);

// Extreme tracker positions on 21 June and 21 December of jahr (480 instants each).
struct StopMax {
    double West = 0; // largest position, degrees (LabelAWestMax)
    double Ost = 0;  // smallest position, degrees (LabelAOstMax)
};
StopMax BerechneStopMax(const SuchGeometrie& g, int jahr, double phi, double lam, bool immerOst,
                        int WendeStunde, Arbeitswerte& a, SuchZaehler* z = nullptr);

// Days of a month under the Gregorian leap rule.
int TageImMonat(int jahr, int monat);
