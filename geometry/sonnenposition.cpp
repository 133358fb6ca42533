#include "geometry/sonnenposition.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

using std::numbers::pi;
constexpr double zweiPi = 2 * pi;
constexpr double grad = pi / 180; // one degree in radians

double Frac(double x) {
    return x - std::floor(x);
}

// Rounding can carry a cosine a hair past +-1 near the zenith and the nadir.
double Begrenzt(double x) {
    return x > 1 ? 1 : (x < -1 ? -1 : x);
}

} // namespace

double JulianischerTag(int jahr, int monat, int tag, double stunden) {
    // 64-bit integers and trunc on doubles keep years far outside any real use free of
    // overflow; within the calendar's range the values are those of int arithmetic.
    std::int64_t Y = jahr, M = monat;
    if (M < 3) {
        M += 12;
        Y -= 1;
    }
    const std::int64_t A = Y / 100;
    const std::int64_t B = 2 - A + A / 4;
    const double N = std::trunc(365.25 * double(Y + 4716)) + std::trunc(30.6001 * double(M + 1)) +
                     double(tag) + double(B);
    return N - 1524.5 + stunden * (1.0 / 24);
}

double JahrhunderteSeitJ2000(double JD) {
    return (JD - 2451545.0) * (1.0 / 36525);
}

namespace {

double MittlereAnomalie(double T) {
    return zweiPi * Frac(0.993133 + 99.997361 * T);
}

// The sun's direction as a unit vector of the equator's frame, from the mean anomaly Ma and
// its sine and the sine of 2 Ma (the callers form those as they need them).
struct Richtung {
    double x = 0, y = 0, z = 0;
};
Richtung SonneRichtung(double T, double Ma, double sinMa, double sin2Ma) {
    // The bracket is in arcseconds; 1296000 of them make the full circle.
    const double L = zweiPi * Frac(0.7859453 + Ma / zweiPi +
                                   (6893 * sinMa + 72 * sin2Ma + 6191.2 * T) / 1296000);
    const double eps = 23.43929111 * grad;
    return {std::cos(L), std::cos(eps) * std::sin(L), std::sin(eps) * std::sin(L)};
}

double Rektaszension(const Richtung& r) {
    double a = (r.x == 0 && r.y == 0) ? 0 : std::atan2(r.y, r.x);
    if (a < 0) a += zweiPi;
    return a;
}

// Hour angle of a right ascension at T for a west-positive longitude (radians), 0 ... 2 pi.
double Stundenwinkel(double T, double lambda, double rektaszension) {
    const double theta = SternzeitSekunden(T) * (1.0 / 3600) * grad * 15;
    double H = theta - lambda - rektaszension;
    return H - zweiPi * std::floor(H / zweiPi);
}

// The cosine of the azimuth from the hour angle, the zenith distance's sine and the
// declination's and latitude's sines and cosines.
double AzimutKosinus(double H, double sinZd, double sinDelta, double cosDelta, double sinPhi,
                     double cosPhi) {
    return Begrenzt((sinDelta * cosPhi - cosDelta * sinPhi * std::cos(H)) / sinZd);
}

// Azimuth (radians) from its cosine; west of the meridian, and due north at the lower
// culmination, which so reads 360.
double Azimut(double H, double kosinus) {
    const double Az = std::acos(kosinus);
    return H <= pi ? zweiPi - Az : Az;
}

} // namespace

Aequatorial SonneAequatorial(double T) {
    const double Ma = MittlereAnomalie(T);
    const Richtung r = SonneRichtung(T, Ma, std::sin(Ma), std::sin(2 * Ma));
    Aequatorial q;
    q.Rektaszension = Rektaszension(r);
    const double rho = std::sqrt(r.x * r.x + r.y * r.y);
    q.Deklination = (r.z == 0 && rho == 0) ? 0 : std::atan2(r.z, rho);
    return q;
}

double SternzeitSekunden(double T) {
    return 67310.54841 + 3164400184.812866 * T + 0.093104 * (T * T) - 6.2e-6 * (T * T * T);
}

void SonnenPosition(int jahr, int monat, int tag, double stunden, double breite, double laenge,
                    double& azimut, double& hoehe) {
    const double T = JahrhunderteSeitJ2000(JulianischerTag(jahr, monat, tag, stunden));
    const Aequatorial q = SonneAequatorial(T);
    const double phi = breite * grad;
    const double lambda = laenge * grad; // west positive: subtracting it adds an east longitude
    const double H = Stundenwinkel(T, lambda, q.Rektaszension);

    const double sinDelta = std::sin(q.Deklination), cosDelta = std::cos(q.Deklination);
    const double Zd =
        std::acos(Begrenzt(std::sin(phi) * sinDelta + std::cos(phi) * cosDelta * std::cos(H)));
    const double sinZd = std::sin(Zd);
    // Sun in the zenith (or nadir): no direction is the sun's; south is where a tracker
    // stands at noon.
    const double Az =
        sinZd == 0
            ? pi
            : Azimut(H, AzimutKosinus(H, sinZd, sinDelta, cosDelta, std::sin(phi), std::cos(phi)));

    azimut = Az / grad;
    hoehe = (pi / 2 - Zd) / grad;
    // Only times or angles far beyond any use (sidereal time overflowing) get here; a sun
    // below the horizon lets every caller carry on with no shadow and no correction.
    if (!std::isfinite(azimut) || !std::isfinite(hoehe)) {
        azimut = 180;
        hoehe = -90;
    }
}

Mittag SonnenMittag(int jahr, int monat, int tag, double breite, double laenge) {
    Mittag m;
    const double L = laenge - 360 * std::floor((laenge + 180) / 360);
    if (!std::isfinite(L)) return m;
    // The hour angle grows by 15 degrees an hour, within a few parts in ten thousand; two
    // corrections from the mean noon bring the culmination to well under a second.
    double x = 12 + L / 15;
    double deklination = 0;
    for (int i = 0; i < 3; ++i) {
        const double T = JahrhunderteSeitJ2000(JulianischerTag(jahr, monat, tag, x));
        const Aequatorial q = SonneAequatorial(T);
        double H = Stundenwinkel(T, laenge * grad, q.Rektaszension);
        if (H > pi) H -= zweiPi;
        const double y = x - H / grad / 15;
        if (!std::isfinite(y)) return m;
        x = y;
        deklination = q.Deklination;
    }
    m.stunden = x;
    m.nord = deklination > breite * grad;
    return m;
}

Sonnenort::Sonnenort(double breite, double laenge)
    : breite_(breite), laenge_(laenge), sinPhi_(std::sin(breite * grad)),
      cosPhi_(std::cos(breite * grad)), lambda_(laenge * grad) {}

Sonnenstand Sonnenort::Position(int jahr, int monat, int tag, double stunden) const {
    const double T = JahrhunderteSeitJ2000(JulianischerTag(jahr, monat, tag, stunden));
    const double Ma = MittlereAnomalie(T);
    const double sinMa = std::sin(Ma);
    const Richtung r = SonneRichtung(T, Ma, sinMa, 2 * sinMa * std::cos(Ma));
    const double H = Stundenwinkel(T, lambda_, Rektaszension(r));
    // The direction is a unit vector: its z is the declination's sine, its length in the
    // equator's plane the cosine. No angle needs to be formed for them.
    const double sinDelta = r.z, cosDelta = std::sqrt(r.x * r.x + r.y * r.y);
    const double cosZd = Begrenzt(sinPhi_ * sinDelta + cosPhi_ * cosDelta * std::cos(H));
    // (1 - c)(1 + c) keeps its digits near the zenith, where 1 - c*c would lose them.
    const double sinZd = std::sqrt((1 - cosZd) * (1 + cosZd));
    const double kosinus =
        sinZd == 0 ? 1 : AzimutKosinus(H, sinZd, sinDelta, cosDelta, sinPhi_, cosPhi_);
    Sonnenstand s;
    // The arc cosines and the division by sin Zd magnify the last bit of an argument, by
    // 1 / (sin Zd * |sin Az|) and more near the zenith, and this way of forming the arguments
    // rounds differently: within a few degrees of the zenith and a few hundredths of a degree
    // of the meridian that reaches 1e-8 degrees. There (about one instant in three thousand
    // outside the tropics) the window's own steps are taken.
    if (sinZd < 0.1 || (1 - kosinus) * (1 + kosinus) * sinZd * sinZd < 1e-6) {
        SonnenPosition(jahr, monat, tag, stunden, breite_, laenge_, s.azimut, s.hoehe);
        s.sinHoehe = std::sin(s.hoehe * grad);
        s.cosHoehe = std::cos(s.hoehe * grad);
        return s;
    }
    s.azimut = Azimut(H, kosinus) / grad;
    s.hoehe = (pi / 2 - std::acos(cosZd)) / grad;
    s.sinHoehe = cosZd;
    s.cosHoehe = sinZd;
    if (!std::isfinite(s.azimut) || !std::isfinite(s.hoehe)) s = Sonnenstand{};
    return s;
}
