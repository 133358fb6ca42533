#include "wetter/wetterdatei.h"

#include "wetter/ausrichtung.h"
#include "wetter/rohdaten.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace wetter {

namespace {

using roh::BeginntMit;
using roh::OhneRand;

// The format, from the bytes: a JSON document, EPW's LOCATION line, PVGIS's latitude line, or
// TMY3's column line as the second line.
std::optional<Format> Erkenne(const QByteArray& bytes) {
    roh::Zeilenleser leser(bytes);
    std::string_view erste, zweite;
    if (!leser.Naechste(erste)) return std::nullopt;
    const std::string_view e = OhneRand(erste);
    if (!e.empty() && e.front() == '{') return Format::PvgisJson;
    if (BeginntMit(e, "LOCATION,")) return Format::EPW;
    if (BeginntMit(e, "Latitude")) return Format::PvgisCsv;
    if (leser.Naechste(zweite) && BeginntMit(OhneRand(zweite), "Date (MM/DD/YYYY),Time (HH:MM)"))
        return Format::TMY3;
    // A JSON document may begin with blank lines.
    for (char c : bytes) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        if (c == '{') return Format::PvgisJson;
        break;
    }
    return std::nullopt;
}

Ablehnung KeineWetterdatei(const QByteArray& bytes) {
    roh::Zeilenleser leser(bytes);
    std::string_view erste;
    leser.Naechste(erste);
    Ablehnung a;
    a.grund = Grund::KeineWetterdatei;
    a.zeile = 1;
    a.zeichen = 1;
    a.gefunden = roh::Gefunden(erste);
    return a;
}

// Up to this step (minutes) the sun moves little enough within a row that the ends' elevations
// tell whether it crosses the horizon (at most 4 degrees; 0.02 is more than a degree).
constexpr int KurzerSchritt = 15;

bool Folgemonat(const Datum& vorher, const Datum& jetzt) {
    return (jetzt.jahr == vorher.jahr && jetzt.monat == vorher.monat + 1) ||
           (jetzt.jahr == vorher.jahr + 1 && vorher.monat == 12 && jetzt.monat == 1);
}

// The rows' step: the one written in the header, else the most frequent difference between
// neighbours of one month (a typical year's months lie years apart), else an hour.
int Schritt(const roh::Daten& d, long long& zeile) {
    zeile = 0;
    if (d.schrittAusKopf > 0) return d.schrittAusKopf;
    std::vector<std::pair<long long, long long>> haeufig; // difference, count
    for (std::size_t i = 1; i < d.zeilen.size(); ++i) {
        const roh::Zeile &a = d.zeilen[i - 1], &b = d.zeilen[i];
        if (a.eigen.jahr != b.eigen.jahr || a.eigen.monat != b.eigen.monat) continue;
        const long long diff = b.stempel - a.stempel;
        if (diff <= 0) continue;
        auto it = std::find_if(haeufig.begin(), haeufig.end(),
                               [&](const auto& p) { return p.first == diff; });
        if (it != haeufig.end())
            ++it->second;
        else if (haeufig.size() < 64)
            haeufig.push_back({diff, 1});
        if (zeile == 0) zeile = b.zeile;
    }
    if (haeufig.empty()) return 60;
    return static_cast<int>(
        std::max_element(haeufig.begin(), haeufig.end(), [](const auto& x, const auto& y) {
            return x.second < y.second;
        })->first);
}

// A left-out row: where it stands among the kept ones, its instant and its interval's length.
struct Ausgelassen {
    std::size_t vor = 0; // kept rows before it
    double minuten = 0;
    double sinHoehe = 0;
};

// The share of the global irradiation the left-out rows stand for: each one the clear sky at
// its instant times the clearness (measured over clear sky) of the nearest kept daylight rows
// before and after it, interpolated in time.
double Fehlanteil(const std::vector<Ausgelassen>& aus, const std::vector<double>& zeit,
                  const std::vector<double>& klarheit, double summeGemessen, double dauer) {
    if (aus.empty()) return 0;
    const std::size_t n = klarheit.size();
    std::vector<std::ptrdiff_t> vorher(n + 1, -1), nachher(n + 1, -1);
    for (std::size_t i = 0; i < n; ++i)
        vorher[i + 1] = std::isnan(klarheit[i]) ? vorher[i] : static_cast<std::ptrdiff_t>(i);
    for (std::size_t i = n; i-- > 0;)
        nachher[i] = std::isnan(klarheit[i]) ? nachher[i + 1] : static_cast<std::ptrdiff_t>(i);
    double mittel = 0, anzahl = 0;
    for (double k : klarheit)
        if (!std::isnan(k)) {
            mittel += k;
            anzahl += 1;
        }
    mittel = anzahl > 0 ? mittel / anzahl : 0.5;

    double geschaetzt = 0;
    for (const Ausgelassen& a : aus) {
        const double klar = KlarerHimmel(a.sinHoehe);
        if (klar <= 0) continue;
        const std::ptrdiff_t v = vorher[a.vor], w = nachher[a.vor];
        double k = mittel;
        if (v >= 0 && w >= 0) {
            const double tv = zeit[v], tw = zeit[w];
            const double f = tw > tv ? std::clamp((a.minuten - tv) / (tw - tv), 0.0, 1.0) : 0.5;
            k = klarheit[v] + f * (klarheit[w] - klarheit[v]);
        } else if (v >= 0) {
            k = klarheit[v];
        } else if (w >= 0) {
            k = klarheit[w];
        }
        geschaetzt += k * klar * dauer;
    }
    const double gesamt = summeGemessen + geschaetzt;
    return gesamt > 0 ? geschaetzt / gesamt : 0;
}

Datei Aufbereite(roh::Daten&& d, double zeitversatz) {
    if (d.zeilen.empty()) {
        Ablehnung a;
        a.grund = Grund::KeineZeilen;
        throw a;
    }
    Datei datei;
    datei.format = d.format;
    datei.reihe.ort = d.ort;
    datei.zeit = d.zeit;
    datei.zeitversatz = zeitversatz;
    datei.erster = d.zeilen.front().eigen;
    datei.letzter = d.zeilen.back().eigen;

    long long schrittZeile = 0;
    const int schritt = Schritt(d, schrittZeile);
    if (schritt < 1 || schritt > 60) {
        Ablehnung a;
        a.grund = Grund::Schritt;
        a.zeile = d.format == Format::PvgisJson ? 0 : schrittZeile;
        a.wert = schritt;
        throw a;
    }
    datei.schrittMinuten = schritt;
    const double s = schritt;
    const double dauer = s / 60;

    Qualitaet& q = datei.qualitaet;
    q.zeilen = static_cast<long long>(d.zeilen.size());
    for (std::size_t i = 1; i < d.zeilen.size(); ++i) {
        const roh::Zeile &a = d.zeilen[i - 1], &b = d.zeilen[i];
        const bool gleicherMonat = a.eigen.jahr == b.eigen.jahr && a.eigen.monat == b.eigen.monat;
        if (!gleicherMonat && !Folgemonat(a.eigen, b.eigen)) continue;
        const long long diff = b.stempel - a.stempel;
        if (diff == schritt) continue;
        ++q.luecken;
        if (diff > schritt) q.lueckenStunden += (diff - schritt) / 60.0;
    }

    const Sonnenlauf sonne(d.ort);
    const double versatz = (d.zeit.versatz.value_or(0) + zeitversatz) * 60;
    std::vector<messreihe::Messung>& reihe = datei.reihe.messungen;
    reihe.reserve(d.zeilen.size());
    std::vector<Globalwert> globalwerte;
    globalwerte.reserve(d.zeilen.size());
    std::vector<double> zeiten, klarheit;
    zeiten.reserve(d.zeilen.size());
    klarheit.reserve(d.zeilen.size());
    std::vector<Ausgelassen> ausgelassen;
    double summeGhi = 0;
    double cacheZeit = std::numeric_limits<double>::quiet_NaN(), cacheSin = 0;
    auto SinBei = [&](double t) {
        if (t != cacheZeit) {
            cacheZeit = t;
            cacheSin = sonne.SinHoehe(t);
        }
        return cacheSin;
    };

    Datum extraTag;
    double extra = 0;
    for (roh::Zeile& z : d.zeilen) {
        // The interval and the instant, after the stated offset and the zeitversatz.
        double von, bis;
        if (d.mittelwerte) {
            bis = static_cast<double>(z.stempel) + zeitversatz * 60;
            von = bis - s;
        } else {
            const double t = static_cast<double>(z.stempel) + versatz;
            von = t - s / 2;
            bis = t + s / 2;
        }

        const bool fehlt[3] = {std::isnan(z.ghi), std::isnan(z.dni), std::isnan(z.dhi)};
        if (fehlt[0] || fehlt[1] || fehlt[2]) {
            ++q.fehlwertZeilen;
            for (int k = 0; k < 3; ++k)
                q.fehlwerte[k] += fehlt[k];
            const double mitte = 0.5 * (von + bis);
            ausgelassen.push_back({reihe.size(), mitte, sonne.SinHoehe(mitte)});
            continue;
        }

        Lage lage;
        if (d.mittelwerte) {
            const double sinVon = SinBei(von), sinBis = SinBei(bis);
            // Over a short interval with the sun well above or below the horizon at both ends,
            // the sun does not cross it: the middle, its elevation between the ends' (only its
            // sign decides anything). Elsewhere the crossings are searched.
            if (schritt <= KurzerSchritt && std::min(std::abs(sinVon), std::abs(sinBis)) > 0.02 &&
                (sinVon > 0) == (sinBis > 0))
                lage = {0.5 * (von + bis), 0.5 * (sinVon + sinBis), false};
            else
                lage = SonnigeMitte(sonne, von, bis, sinVon, sinBis);
        } else {
            lage.minuten = 0.5 * (von + bis);
            lage.sinHoehe = sonne.SinHoehe(lage.minuten);
        }

        messreihe::Messung m;
        const UtcZeit u = AlsUtc(lage.minuten);
        m.jahr = u.datum.jahr;
        m.monat = u.datum.monat;
        m.tag = u.datum.tag;
        m.stunden = u.stunden;
        m.dauer = dauer;
        m.zaehlmonat = z.eigen.monat;
        double* werte[3] = {&z.ghi, &z.dni, &z.dhi};
        for (double* w : werte)
            if (*w < 0) {
                ++q.negativ;
                *w = 0;
            }
        m.ghi = z.ghi;
        m.dni = z.dni;
        m.dhi = z.dhi;
        if (!(u.datum == extraTag)) {
            extraTag = u.datum;
            extra = ExtraterrestrischNormal(TagDesJahres(u.datum));
        }
        if (m.dni > extra) ++q.dniUeberExtraterrestrisch;
        if (m.dhi > m.ghi) ++q.dhiUeberGhi;
        if (lage.sinHoehe <= 0 && (m.ghi > 0 || m.dni > 0 || m.dhi > 0)) {
            ++q.unterHorizont;
            q.unterHorizontDirekt += m.dni * dauer / 1000;
            m.dni = 0;
        }
        if (z.albedo > 0 && z.albedo < 1) {
            m.albedo = z.albedo;
        } else {
            m.albedo = std::numeric_limits<double>::quiet_NaN();
            ++q.ohneAlbedo;
        }
        reihe.push_back(m);

        globalwerte.push_back({von, bis, m.ghi});
        summeGhi += m.ghi * dauer;
        zeiten.push_back(lage.minuten);
        const double klar = KlarerHimmel(lage.sinHoehe);
        // Clearness only where the clear sky is large enough to divide by.
        klarheit.push_back(klar > 50 ? std::min(m.ghi / klar, 2.0)
                                     : std::numeric_limits<double>::quiet_NaN());
    }
    if (reihe.empty()) {
        Ablehnung a;
        a.grund = Grund::KeineWerte;
        throw a;
    }
    q.fehlwertAnteil = Fehlanteil(ausgelassen, zeiten, klarheit, summeGhi, dauer);
    datei.ausrichtung = PruefeAusrichtung(globalwerte, sonne);
    return datei;
}

} // namespace

Ergebnis LiesBytes(const QByteArray& bytes, double zeitversatz) {
    if (!std::isfinite(zeitversatz) || std::abs(zeitversatz) > GroessterZeitversatz) {
        Ablehnung a;
        a.grund = Grund::Zeitversatz;
        return a;
    }
    if (bytes.size() > GroessteDatei) {
        Ablehnung a;
        a.grund = Grund::ZuGross;
        return a;
    }
    const std::optional<Format> format = Erkenne(bytes);
    if (!format) return KeineWetterdatei(bytes);
    try {
        roh::Daten d;
        switch (*format) {
        case Format::EPW:
            d = roh::LiesEpw(bytes);
            break;
        case Format::PvgisCsv:
            d = roh::LiesPvgisCsv(bytes);
            break;
        case Format::PvgisJson:
            d = roh::LiesPvgisJson(bytes);
            break;
        case Format::TMY3:
            d = roh::LiesTmy3(bytes);
            break;
        }
        return Aufbereite(std::move(d), zeitversatz);
    } catch (const Ablehnung& a) {
        return a;
    }
}

Ergebnis Lies(const QString& pfad, double zeitversatz) {
    Ablehnung a;
    a.grund = Grund::NichtLesbar;
    const QFileInfo info(pfad);
    if (!info.isFile()) return a;
    if (info.size() > GroessteDatei) {
        a.grund = Grund::ZuGross;
        return a;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return a;
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) return a;
    return LiesBytes(bytes, zeitversatz);
}

} // namespace wetter
