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
// is set; otherwise the tracker turns from the sun toward the meridian the sun culminates in:
// with the noon to the south (mittagNord false) positive up to the Sonnenwende's whole hour and
// negative from the next whole hour on (stunden truncated toward zero, past WendeStunde); with
// the noon to the north the other way round. stunden and WendeStunde count from 0:00 UTC of
// the day that holds the solar day's noon, so an evening past midnight UTC counts on past 24
// and an early morning before it lies below 0.
double VorzeichenKomplett(double korrektur, bool immerOst, double stunden, int WendeStunde,
                          bool mittagNord);
// Sign rule inside BerechneSonnenwende: the check box is not consulted there.
double VorzeichenSuche(double korrektur, int stunde, int WendeStunde, bool mittagNord);

// The complete calculation of the driver, after SonnenPosition has given the elevation.
struct KomplettEingabe {
    double ModulL = 0, ModulH = 0, ModulHErr = 0, ModulA = 0, ModulAErr = 0; // cm
    double Neigung = 0, NeigungErr = 0;                                      // degrees
    double Hoehe = 0;           // sun elevation, degrees
    double EndlageStartErr = 0; // degrees
    bool immerOst = false;      // "Backtrack immer nach Osten"
    double stunden = 0;         // decimal UTC hours of the instant, counted as for the sign rule
    int WendeStunde = 12;
    bool mittagNord = false; // the solar day's noon lies to the north
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
    bool MittagNord = false; // set by every search: the sun culminates north of the zenith
};
struct SuchZaehler {
    int sonnenPositionen = 0; // SonnenPosition calls made
    int trackerRegeln = 0;    // tracker rules evaluated
};

// Quarter-hour search over the solar day whose noon belongs to the date (SonnenMittag): sets
// WendeStunde/WendeMinute at the first positive elevation lower than the one before,
// MorgenPos at the first step after sunrise, MittagNord always. Where that day's daylight
// begins after 01:15 UTC of the date, the search starts at 01:15 UTC; otherwise (a sunrise
// before it, or a noon so early that 01:15 lies after it) it starts at the quarter hour after
// the solar midnight before the noon, and takes a fall of the elevation only after a rise.
// WendeStunde counts from 0:00 UTC of the date (it may reach 24 or lie below 0 where the noon
// lies within minutes of midnight UTC, near longitude 180); a search that runs past its solar
// day (polar night) names the hour of the day it ends in, as the UTC day search always did.
// Values not found keep what w held. Returns the number of quarter-hour steps taken (at most
// 360).
int BerechneSonnenwende(const SuchGeometrie& g, int jahr, int monat, int tag, double phi,
                        double lam, Sonnenwende& w, Arbeitswerte& a, SuchZaehler* z = nullptr);

// Extreme tracker positions over the solar days of 21 June and 21 December of jahr (480
// instants each, 3 minutes apart on the UTC clock), signed by each day's own noon direction
// and the given WendeStunde. The positions of a day are taken on its continuous path (each
// instant's position the one of its equal angles nearest to the one before), so a tracker
// turning through north is not read as a jump of 360 degrees; a day's first position is the
// sun's azimuth plus the correction, in the southern hemisphere brought into [-180, 180).
// Ost is the extreme on the morning side, West on the afternoon side: north of the equator
// the tracker turns clockwise (Ost the smallest, West the largest position), south of it
// counter-clockwise (Ost the largest, West the smallest).
struct StopMax {
    double West = 0; // LabelAWestMax, degrees
    double Ost = 0;  // LabelAOstMax, degrees
};
StopMax BerechneStopMax(const SuchGeometrie& g, int jahr, double phi, double lam, bool immerOst,
                        int WendeStunde, Arbeitswerte& a, SuchZaehler* z = nullptr);

// The position p (degrees) as the one of its equal angles p + k * 360 nearest to vorher: the
// next point of a continuous path.
double AufDemWeg(double p, double vorher);
// The first position of a path: as it is north of the equator, in [-180, 180) south of it.
double WegBeginn(double p, double breite);

// The solar day an instant of a UTC date belongs to, in days from that date: -1, 0 or +1, the
// day whose noon lies within 12 hours of the instant (mittag: the date's SonnenMittag).
int Sonnentag(double mittagStunden, double stunden);
// The date moved by tage days (-1 or +1 in practice) under the Gregorian leap rule.
void VersetzeTag(int& jahr, int& monat, int& tag, int tage);

// Days of a month under the Gregorian leap rule.
int TageImMonat(int jahr, int monat);
