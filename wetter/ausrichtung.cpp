#include "wetter/ausrichtung.h"

#include <algorithm>
#include <cmath>

namespace wetter {

double KlarerHimmel(double sinHoehe) {
    return sinHoehe > 0 ? 1098 * sinHoehe * std::exp(-0.057 / sinHoehe) : 0;
}

namespace {

constexpr double R = PruefbereichMinuten;
constexpr double Schritt = PruefschrittMinuten;
constexpr int Verschiebungen = static_cast<int>(2 * R / Schritt) + 1;
// Below this correlation the data are too unlike a sunny day's shape to say where they lie.
constexpr double KleinsteKorrelation = 0.3;

struct Spanne {
    double von, bis, ghi; // ghi: mean
};

// Neighbouring rows merged into spans of up to an hour.
std::vector<Spanne> Spannen(const std::vector<Globalwert>& werte) {
    std::vector<Spanne> s;
    double summe = 0;
    for (const Globalwert& w : werte) {
        if (!(w.bis > w.von)) continue;
        if (!s.empty() && std::abs(w.von - s.back().bis) < 1e-6 &&
            w.bis - s.back().von <= 60 + 1e-6) {
            s.back().bis = w.bis;
            summe += w.ghi * (w.bis - w.von);
        } else {
            if (!s.empty()) s.back().ghi = summe / (s.back().bis - s.back().von);
            s.push_back({w.von, w.bis, 0});
            summe = w.ghi * (w.bis - w.von);
        }
    }
    if (!s.empty()) s.back().ghi = summe / (s.back().bis - s.back().von);
    return s;
}

// The clear sky's integral over time on a grid of Schritt minutes along one stretch of spans.
class Klarintegral {
    // Six grid points (30 minutes) a block: the elevation changes by at most 7.5 degrees
    // (15 degrees an hour) within it, so a sine below -0.14 (-8 degrees) at both ends keeps
    // the sun below the horizon all through.
    static constexpr std::size_t Block = 6;
    static constexpr double Nacht = -0.14;
    static_assert(Block * Schritt <= 30);

public:
    Klarintegral(const Sonnenlauf& sonne, double von, double bis) : anfang_(von) {
        const auto n = static_cast<std::size_t>(std::ceil((bis - von) / Schritt)) + 2;
        // The clear sky on the grid. The sun is asked at every Block-th point first: between
        // two of them deep enough below the horizon that it cannot rise in between, the
        // points are night (0) without asking; that saves about half of the sun positions.
        std::vector<double> klar(n, 0.0);
        std::vector<double> sinGrob((n + Block - 1) / Block + 1);
        for (std::size_t b = 0; b < sinGrob.size(); ++b)
            sinGrob[b] = sonne.SinHoehe(von + static_cast<double>(b * Block) * Schritt);
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t b = k / Block;
            if (k % Block == 0)
                klar[k] = KlarerHimmel(sinGrob[b]);
            else if (!(sinGrob[b] < Nacht && sinGrob[b + 1] < Nacht))
                klar[k] = KlarerHimmel(sonne.SinHoehe(von + static_cast<double>(k) * Schritt));
        }
        summe_.resize(n);
        summe_[0] = 0;
        for (std::size_t k = 1; k < n; ++k)
            summe_[k] = summe_[k - 1] + 0.5 * Schritt * (klar[k - 1] + klar[k]);
    }
    double Bis(double t) const {
        const double x = (t - anfang_) / Schritt;
        const auto k = static_cast<std::size_t>(
            std::clamp(std::floor(x), 0.0, static_cast<double>(summe_.size() - 2)));
        const double r = std::clamp(x - static_cast<double>(k), 0.0, 1.0);
        return summe_[k] + r * (summe_[k + 1] - summe_[k]);
    }

private:
    double anfang_;
    std::vector<double> summe_;
};

} // namespace

Ausrichtung PruefeAusrichtung(const std::vector<Globalwert>& werte, const Sonnenlauf& sonne) {
    const std::vector<Spanne> spannen = Spannen(werte);
    double n = 0, sg = 0, sgg = 0;
    double sc[Verschiebungen] = {}, scc[Verschiebungen] = {}, sgc[Verschiebungen] = {};
    long long hell = 0;

    // Stretches of spans close enough that one grid serves them.
    std::size_t i = 0;
    while (i < spannen.size()) {
        std::size_t j = i + 1;
        while (j < spannen.size() && spannen[j].von >= spannen[j - 1].bis - 1e-6 &&
               spannen[j].von - spannen[j - 1].bis <= 2 * R + 4 * Schritt)
            ++j;
        const Klarintegral integral(sonne, spannen[i].von - R - 2 * Schritt,
                                    spannen[j - 1].bis + R + 2 * Schritt);
        for (std::size_t k = i; k < j; ++k) {
            const Spanne& s = spannen[k];
            const double g = s.ghi, laenge = s.bis - s.von;
            n += 1;
            sg += g;
            sgg += g * g;
            // A span with no clear sky at any shift adds nothing to the sums of the shifts.
            if (integral.Bis(s.bis + R) - integral.Bis(s.von - R) == 0) continue;
            for (int m = 0; m < Verschiebungen; ++m) {
                const double v = -R + m * Schritt;
                const double c = (integral.Bis(s.bis + v) - integral.Bis(s.von + v)) / laenge;
                sc[m] += c;
                scc[m] += c * c;
                sgc[m] += g * c;
                if (m == Verschiebungen / 2 && c > 1) ++hell;
            }
        }
        i = j;
    }

    Ausrichtung a;
    const double varG = n * sgg - sg * sg;
    if (n < 3 || hell < 3 || !(varG > 0)) return a;
    double r[Verschiebungen];
    int beste = 0;
    for (int m = 0; m < Verschiebungen; ++m) {
        const double varC = n * scc[m] - sc[m] * sc[m];
        r[m] = varC > 0 ? (n * sgc[m] - sg * sc[m]) / std::sqrt(varG * varC) : -1;
        if (r[m] > r[beste]) beste = m;
    }
    double feiner = 0;
    if (beste > 0 && beste < Verschiebungen - 1) {
        const double nenner = r[beste - 1] - 2 * r[beste] + r[beste + 1];
        if (nenner < 0)
            feiner = std::clamp(0.5 * (r[beste - 1] - r[beste + 1]) / nenner, -0.5, 0.5);
    }
    a.korrelation = r[beste];
    a.bestimmt = r[beste] >= KleinsteKorrelation;
    a.versatzMinuten = (-R + (beste + feiner) * Schritt);
    a.auffaellig =
        a.bestimmt && std::abs(a.versatzMinuten) >= AuffaelligAbMinuten - PruefrauschenMinuten;
    return a;
}

} // namespace wetter
