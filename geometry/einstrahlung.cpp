#include "geometry/einstrahlung.h"

#include "geometry/tracker.h"

#include <algorithm>
#include <cmath>

namespace einstrahlung {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double zuRad = (1.0 / 180) * pi;

// Perez et al. (1990): f11 f12 f13 f21 f22 f23 of the eight clearness bins, the all-sites
// composite.
constexpr double PerezKoeffizienten[8][6] = {
    {-0.008, 0.588, -0.062, -0.060, 0.072, -0.022}, {0.130, 0.683, -0.151, -0.019, 0.066, -0.029},
    {0.330, 0.487, -0.221, 0.055, -0.064, -0.026},  {0.568, 0.187, -0.295, 0.109, -0.152, -0.014},
    {0.873, -0.392, -0.362, 0.226, -0.462, 0.001},  {1.132, -1.237, -0.412, 0.288, -0.823, 0.056},
    {1.060, -1.600, -0.359, 0.264, -1.127, 0.131},  {0.678, -0.327, -0.250, 0.156, -1.377, 0.251},
};
// The lower bounds of bins 2 ... 8.
constexpr double KlassenGrenzen[7] = {1.065, 1.23, 1.5, 1.95, 2.8, 4.5, 6.2};

} // namespace

int TagImJahr(int jahr, int monat, int tag) {
    int t = tag;
    for (int m = 1; m < monat; ++m)
        t += TageImMonat(jahr, m);
    return t;
}

double Extraterrestrisch(int tagImJahr) {
    const double b = 2 * pi * (tagImJahr - 1) / 365;
    return Solarkonstante * (1.00011 + 0.034221 * std::cos(b) + 0.00128 * std::sin(b) +
                             0.000719 * std::cos(2 * b) + 0.000077 * std::sin(2 * b));
}

double Klarheit(double dhi, double dni, double zenit) {
    const double z = zenit * zuRad;
    const double kz3 = 1.041 * z * z * z;
    return ((dhi + dni) / dhi + kz3) / (1 + kz3);
}

int Klarheitsklasse(double klarheit) {
    int klasse = 1;
    for (double grenze : KlassenGrenzen)
        if (klarheit >= grenze) ++klasse;
    return klasse;
}

double Helligkeit(double dhi, double luftmasse, double extraterrestrisch) {
    return dhi * luftmasse / extraterrestrisch;
}

Perezfaktoren Faktoren(int klasse, double helligkeit, double zenit) {
    const double(&k)[6] = PerezKoeffizienten[std::clamp(klasse, 1, 8) - 1];
    const double z = zenit * zuRad;
    Perezfaktoren F;
    F.f1 = std::max(0.0, k[0] + k[1] * helligkeit + k[2] * z);
    F.f2 = k[3] + k[4] * helligkeit + k[5] * z;
    return F;
}

Perezfaktoren PerezFaktoren(double dhi, double dni, double zenit, double luftmasse,
                            double extraterrestrisch) {
    if (!(dhi > 0)) return {};
    return Faktoren(Klarheitsklasse(Klarheit(dhi, dni, zenit)),
                    Helligkeit(dhi, luftmasse, extraterrestrisch), zenit);
}

Himmel HimmelPerez(double dhi, const Perezfaktoren& F, double cosEinfall, double zenit,
                   double neigung) {
    const double n = neigung * zuRad;
    const double a = std::max(0.0, cosEinfall);
    const double b = std::max(std::cos(85 * zuRad), std::cos(zenit * zuRad));
    Himmel h;
    h.isotrop = dhi * (1 - F.f1) * (1 + std::cos(n)) / 2;
    h.zirkumsolar = dhi * F.f1 * a / b;
    h.horizont = dhi * F.f2 * std::sin(n);
    return h;
}

Himmel HimmelIsotrop(double dhi, double neigung) {
    Himmel h;
    h.isotrop = dhi * (1 + std::cos(neigung * zuRad)) / 2;
    return h;
}

double Bodenreflexion(double ghi, double albedo, double neigung) {
    return albedo * ghi * (1 - std::cos(neigung * zuRad)) / 2;
}

double Bedeckungsgrad(double H, double neigung, double A) {
    return H / (H * std::cos(neigung * zuRad) + A);
}

namespace {

// The view factor to the sky the row in front takes from the module. In the plane across the
// rows, the module runs from its lower edge B to its top edge U; the row in front's top edge T
// stands at U's height, A + H cos n ahead of U. Every ray from the module to the sky crosses
// the segment UT, and every ray crossing it reaches the sky, so the module's view factor to
// the sky is its view factor to UT: in the triangle B, U, T by crossed strings
// (|BU| + |UT| - |BT|) / (2 |BU|), with |BU| = H, |UT| = A + H cos n, |BT| = sqrt(A^2 + h^2),
// h = H sin n. That is (1 + cos n)/2 - (|BT| - A) / (2H), and |BT| - A = h^2 / (A + |BT|)
// keeps its digits for wide gaps.
double Verdeckt(double H, double n, double A) {
    const double h = H * std::sin(n);
    const double a = std::max(0.0, A);
    if (!(H > 0) || !(h > 0)) return 0;
    return h * h / (2 * H * (a + std::hypot(a, h)));
}

} // namespace

double Himmelssicht(double H, double neigung, double A) {
    const double n = neigung * zuRad;
    return (1 + std::cos(n)) / 2 - Verdeckt(H, n, A);
}

double Himmelsverlust(double H, double neigung, double A) {
    const double n = neigung * zuRad;
    return Verdeckt(H, n, A) / ((1 + std::cos(n)) / 2);
}

int VerschatteteBloecke(double f, const Bloecke& b) {
    int ebenen = 0;
    for (int i = 0; i < b.uebereinander; ++i)
        if (f - static_cast<double>(i) / b.uebereinander > 1e-9) ++ebenen;
    return ebenen * b.nebeneinander;
}

double Strahlfaktor(double f, int verschattet, int gesamt) {
    return (1 - f) * (1 - static_cast<double>(verschattet) / (gesamt + 1));
}

} // namespace einstrahlung
