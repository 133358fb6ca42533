#pragma once
// The irradiance on a module of the rows from measured global, direct and diffuse irradiance:
// the sky's diffuse light after Perez, the ground's reflection, the sky the row in front
// hides, and what a partly shaded module loses electrically. One function per step, named
// after it; the model and its assumptions in docs/jahresstudie.md.
//
// Units and signs, stated once:
//   irradiance        W/m^2 (ghi global horizontal, dni direct normal, dhi diffuse horizontal)
//   zenit             the sun's zenith angle in degrees, geometric (no refraction), below 90
//   neigung           the module's tilt from the horizontal in degrees, 0 ... 90
//   cosEinfall        cos of the angle of incidence on the module (jahresstudie::Einfall)
//   H, A              slant height of a module, clear gap between rows on the ground, m
//   f                 the shaded share of a module's slant height, from its lower edge, 0 ... 1
// The relative air mass is jahresstudie::Luftmasse (Kasten and Young, 1989).

namespace einstrahlung {

// The solar constant, W/m^2.
constexpr double Solarkonstante = 1366.1;

// The day of the year, 1 ... 366, of a Gregorian date.
int TagImJahr(int jahr, int monat, int tag);

// Extraterrestrial normal irradiance (W/m^2) on the day tagImJahr, Spencer (1971): the
// solar constant times the Fourier series of the squared inverse Earth-sun distance in the
// day angle b = 2 pi (tagImJahr - 1) / 365.
double Extraterrestrisch(int tagImJahr);

// Perez, Ineichen, Seals, Michalsky and Stewart (1990), with the all-sites composite
// coefficients. Sky clearness epsilon = ((dhi + dni) / dhi + kappa z^3) / (1 + kappa z^3),
// kappa = 1.041, z the zenith in radians; dhi > 0.
double Klarheit(double dhi, double dni, double zenit);
// Its bin, 1 (overcast) ... 8 (clear); each bin holds its lower bound: 1, 1.065, 1.23, 1.5,
// 1.95, 2.8, 4.5, 6.2.
int Klarheitsklasse(double klarheit);
// Sky brightness Delta = dhi * air mass / extraterrestrial normal irradiance.
double Helligkeit(double dhi, double luftmasse, double extraterrestrisch);
// The circumsolar brightening F1 = max(0, f11 + f12 Delta + f13 z) and the horizon
// brightening F2 = f21 + f22 Delta + f23 z of a bin (z in radians; F2 may be negative: a
// horizon darker than the rest of the sky).
struct Perezfaktoren {
    double f1 = 0, f2 = 0;
};
Perezfaktoren Faktoren(int klasse, double helligkeit, double zenit);
// The three steps at once; none for dhi <= 0.
Perezfaktoren PerezFaktoren(double dhi, double dni, double zenit, double luftmasse,
                            double extraterrestrisch);

// The sky's diffuse light on the module in its parts.
struct Himmel {
    double isotrop = 0, zirkumsolar = 0, horizont = 0;
    double Summe() const { return isotrop + zirkumsolar + horizont; }
};
// Perez: isotropic dhi (1 - F1)(1 + cos n)/2, circumsolar dhi F1 a/b with a = max(0,
// cosEinfall), b = max(cos 85 deg, cos z), horizon band dhi F2 sin n.
Himmel HimmelPerez(double dhi, const Perezfaktoren& F, double cosEinfall, double zenit,
                   double neigung);
// An isotropic sky: dhi (1 + cos n)/2, all of it isotropic.
Himmel HimmelIsotrop(double dhi, double neigung);

// Ground-reflected: albedo * ghi * (1 - cos n)/2 (an isotropic ground in full view).
double Bodenreflexion(double ghi, double albedo, double neigung);

// The ground coverage ratio GCR = H / (H cos n + A): the module's share of the row pitch.
double Bedeckungsgrad(double H, double neigung, double A);

// The sky a module of the rows sees: the two-dimensional view factor from a point of the
// module to the sky past the top edge of the row in front, averaged over the slant height
// (rows of equal modules on level ground, the same for every azimuth of a turntable). By
// Hottel's crossed strings (derivation in docs/jahresstudie.md):
//   (1 + cos n)/2 - H sin^2 n / (2 (A + sqrt(A^2 + H^2 sin^2 n))).
// Unobstructed (A -> infinity, or n = 0) it is (1 + cos n)/2. A below 0 counts as 0.
double Himmelssicht(double H, double neigung, double A);
// The share of an isotropic sky the row in front hides: 1 - Himmelssicht / ((1 + cos n)/2).
double Himmelsverlust(double H, double neigung, double A);

// Martinez-Moreno, Munoz and Lorenzo (2010): the bypass-diode blocks of one module, laid out
// uebereinander over the slant height and nebeneinander along the row.
struct Bloecke {
    int uebereinander = 1, nebeneinander = 3;
    int Gesamt() const { return uebereinander * nebeneinander; }
};
// The blocks a shadow rising from the lower edge over the share f touches: every block of
// each level it reaches into by more than 1e-9 of the slant height, so a shadow exactly at a
// level's boundary touches only the levels below it, and one of rounding size (f <= 1e-9)
// none.
int VerschatteteBloecke(double f, const Bloecke& b);
// The factor on beam and circumsolar light of a partly shaded module, eq. 6:
// (1 - f)(1 - N_SB / (N_TB + 1)), N_SB the shaded blocks, N_TB all of them.
double Strahlfaktor(double f, int verschattet, int gesamt);

} // namespace einstrahlung
