#pragma once
// Sun position after the low-precision solar theory (Montenbruck/Pfleger MiniSun),
// Julian Day after Meeus's calendar formula, GMST after IAU 1982 (Meeus 12.4).
// No refraction, nutation or aberration: the elevation is the geometric one.
//
// Units and signs, stated once:
//   jahr, monat, tag  Gregorian date; a day past the month's end runs on into the next month
//   stunden           UTC as decimal hours (hour + minute / 60)
//   breite            latitude in degrees, north positive
//   laenge            longitude in degrees, WEST POSITIVE (13 deg east is -13)
//   azimut   (out)    degrees clockwise from north, 0 ... 360 inclusive
//   hoehe    (out)    elevation in degrees, negative below the horizon
//
// Never NaN or infinite: acos arguments are clamped, the zenith reports azimuth 180, and a time
// so far off that sidereal time overflows reports azimuth 180 at elevation -90.

void SonnenPosition(int jahr, int monat, int tag, double stunden, double breite, double laenge,
                    double& azimut, double& hoehe);

// The same theory for many instants at one site, for the year's half a million of them: what
// the site gives is computed once, and the declination's sine and cosine are read off the
// sun's unit vector instead of going through an angle. Results agree with SonnenPosition to
// 1e-9 degrees (near the meridian and the zenith, where its arc cosines magnify rounding, it
// is SonnenPosition); the elevation's sine and cosine come with them. The window's single
// calculation keeps using SonnenPosition.
struct Sonnenstand {
    double azimut = 180, hoehe = -90; // degrees, as SonnenPosition gives them
    double sinHoehe = -1, cosHoehe = 0;
};
class Sonnenort {
public:
    Sonnenort(double breite, double laenge);
    Sonnenstand Position(int jahr, int monat, int tag, double stunden) const;

private:
    double breite_, laenge_, sinPhi_, cosPhi_, lambda_;
};

// The sun's upper culmination (solar noon) that belongs to a UTC date at a site: the one
// nearest to the mean noon 12 h + longitude / 15 h (the longitude taken into [-180, 180)), so
// it lies within the equation of time (about 16 minutes) of that, in UTC hours from the date's
// 0:00; nord when the sun then stands north of the zenith (its declination above the
// latitude), where a tracker turning toward the meridian turns toward north. The date's solar
// day runs from 12 hours before this noon to 12 hours after it.
struct Mittag {
    double stunden = 12;
    bool nord = false;
};
Mittag SonnenMittag(int jahr, int monat, int tag, double breite, double laenge);

// The steps, for checking their worked values.
double JulianischerTag(int jahr, int monat, int tag, double stunden);
double JahrhunderteSeitJ2000(double JD); // T
struct Aequatorial {
    double Rektaszension = 0; // radians, 0 ... 2 pi
    double Deklination = 0;   // radians
};
Aequatorial SonneAequatorial(double T);
double SternzeitSekunden(double T); // Greenwich mean sidereal time, seconds of time
