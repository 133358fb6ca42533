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

Aequatorial SonneAequatorial(double T) {
    const double Ma = zweiPi * Frac(0.993133 + 99.997361 * T);
    // The bracket is in arcseconds; 1296000 of them make the full circle.
    const double L =
        zweiPi * Frac(0.7859453 + Ma / zweiPi +
                      (6893 * std::sin(Ma) + 72 * std::sin(2 * Ma) + 6191.2 * T) / 1296000);
    const double eps = 23.43929111 * grad;

    const double x = std::cos(L);
    const double y = std::cos(eps) * std::sin(L);
    const double z = std::sin(eps) * std::sin(L);

    Aequatorial q;
    q.Rektaszension = (x == 0 && y == 0) ? 0 : std::atan2(y, x);
    if (q.Rektaszension < 0) q.Rektaszension += zweiPi;
    const double rho = std::sqrt(x * x + y * y);
    q.Deklination = (z == 0 && rho == 0) ? 0 : std::atan2(z, rho);
    return q;
}

double SternzeitSekunden(double T) {
    return 67310.54841 + 3164400184.812866 * T + 0.093104 * (T * T) - 6.2e-6 * (T * T * T);
}

void SonnenPosition(int jahr, int monat, int tag, double stunden, double breite, double laenge,
                    double& azimut, double& hoehe) {
    const double T = JahrhunderteSeitJ2000(JulianischerTag(jahr, monat, tag, stunden));
    const Aequatorial q = SonneAequatorial(T);
    const double theta = SternzeitSekunden(T) * (1.0 / 3600) * grad * 15;

    const double phi = breite * grad;
    const double lambda = laenge * grad; // west positive: subtracting it adds an east longitude
    double H = theta - lambda - q.Rektaszension;
    H = H - zweiPi * std::floor(H / zweiPi);

    const double sinDelta = std::sin(q.Deklination), cosDelta = std::cos(q.Deklination);
    const double Zd =
        std::acos(Begrenzt(std::sin(phi) * sinDelta + std::cos(phi) * cosDelta * std::cos(H)));
    const double sinZd = std::sin(Zd);
    double Az;
    if (sinZd == 0) {
        // Sun in the zenith (or nadir): no direction is the sun's; south is where a tracker
        // stands at noon.
        Az = pi;
    } else {
        Az = std::acos(
            Begrenzt((sinDelta * std::cos(phi) - cosDelta * std::sin(phi) * std::cos(H)) / sinZd));
        // West of the meridian, and due north at the lower culmination, which so reads 360.
        if (H <= pi) Az = zweiPi - Az;
    }

    azimut = Az / grad;
    hoehe = (pi / 2 - Zd) / grad;
    // Only times or angles far beyond any use (sidereal time overflowing) get here; a sun
    // below the horizon lets every caller carry on with no shadow and no correction.
    if (!std::isfinite(azimut) || !std::isfinite(hoehe)) {
        azimut = 180;
        hoehe = -90;
    }
}
