#include "wetter/zeitlage.h"

#include <cmath>
#include <numbers>

namespace wetter {

namespace {

bool Schaltjahr(int jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

} // namespace

int TageImMonat(int jahr, int monat) {
    static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12) return 0;
    return monat == 2 && Schaltjahr(jahr) ? 29 : tage[monat - 1];
}

// The civil-date algorithms of H. Hinnant ("chrono-compatible low-level date algorithms"):
// eras of 400 years, March as the first month, so the leap day ends the year.
long long TagNummer(int jahr, int monat, int tag) {
    const long long y = static_cast<long long>(jahr) - (monat <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (monat + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + tag - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Datum DatumVonTag(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    Datum d;
    d.tag = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    d.monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.jahr = static_cast<int>(yoe + era * 400 + (d.monat <= 2 ? 1 : 0));
    return d;
}

UtcZeit AlsUtc(double minuten) {
    const double tage = std::floor(minuten / 1440);
    UtcZeit u;
    u.datum = DatumVonTag(static_cast<long long>(tage));
    u.stunden = (minuten - tage * 1440) / 60;
    // Rounding can leave a hair below the next day's 0:00 as 24 h.
    if (u.stunden >= 24) {
        u.datum = DatumVonTag(static_cast<long long>(tage) + 1);
        u.stunden = 0;
    }
    return u;
}

int TagDesJahres(const Datum& d) {
    return static_cast<int>(TagNummer(d.jahr, d.monat, d.tag) - TagNummer(d.jahr, 1, 1)) + 1;
}

double ExtraterrestrischNormal(int tagDesJahres) {
    const double g = 2 * std::numbers::pi * (tagDesJahres - 1) / 365.0;
    return 1366.1 * (1.00011 + 0.034221 * std::cos(g) + 0.00128 * std::sin(g) +
                     0.000719 * std::cos(2 * g) + 0.000077 * std::sin(2 * g));
}

Sonnenlauf::Sonnenlauf(const messreihe::Ort& ort) : ort_(ort.breite, -ort.laengeOst) {}

double Sonnenlauf::SinHoehe(double minuten) const {
    const UtcZeit u = AlsUtc(minuten);
    return ort_.Position(u.datum.jahr, u.datum.monat, u.datum.tag, u.stunden).sinHoehe;
}

namespace {

// The instant in (a, b) where the elevation changes sign (sinA and sinB on either side).
double Durchgang(const Sonnenlauf& sonne, double a, double b, double sinA) {
    const bool obenA = sinA > 0;
    // 1e-5 minutes: well under a second for any interval of a weather file.
    while (b - a > 1e-5) {
        const double m = 0.5 * (a + b);
        if ((sonne.SinHoehe(m) > 0) == obenA)
            a = m;
        else
            b = m;
    }
    return 0.5 * (a + b);
}

} // namespace

Lage SonnigeMitte(const Sonnenlauf& sonne, double von, double bis, double sinVon, double sinBis) {
    const double mitte = 0.5 * (von + bis);
    const double sinMitte = sonne.SinHoehe(mitte);
    const bool a = sinVon > 0, m = sinMitte > 0, b = sinBis > 0;
    if (a == m && m == b) return {mitte, sinMitte, false};

    // The sunlit pieces between the three samples and the crossings found between them.
    struct Stueck {
        double von, bis;
    };
    Stueck stuecke[2];
    int n = 0;
    double beginn = von;
    bool oben = a;
    auto Wechsel = [&](double t) {
        if (oben) stuecke[n++] = {beginn, t};
        beginn = t;
        oben = !oben;
    };
    if (a != m) Wechsel(Durchgang(sonne, von, mitte, sinVon));
    if (m != b) Wechsel(Durchgang(sonne, mitte, bis, sinMitte));
    if (oben) stuecke[n++] = {beginn, bis};

    Lage l;
    l.teilweise = true;
    if (n == 0) { // cannot happen with a sign change, but keeps the middle then
        l.minuten = mitte;
        l.sinHoehe = sinMitte;
        return l;
    }
    const Stueck* laengstes = &stuecke[0];
    if (n == 2 && stuecke[1].bis - stuecke[1].von > stuecke[0].bis - stuecke[0].von)
        laengstes = &stuecke[1];
    l.minuten = 0.5 * (laengstes->von + laengstes->bis);
    l.sinHoehe = sonne.SinHoehe(l.minuten);
    return l;
}

} // namespace wetter
