#include "geometry/jahrescsv.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace jahrescsv {

namespace {

// printf's "%.<n>f" (fest) or "%.<n>g", but never with the locale's decimal comma.
void Zahl(std::string& t, double wert, int stellen, bool fest = true) {
    char puffer[400];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert,
                      fest ? std::chars_format::fixed : std::chars_format::general, stellen);
    t.append(puffer, fehler == std::errc() ? ende : puffer);
}

// The four figures of one way: kWh/m^2 and percent to six decimals, hours to four.
void Summe(std::string& t, const jahresstudie::Summe& s) {
    for (const double x : {s.strahlung, s.VerlustProzent(), s.Unverschattet()}) {
        t += ',';
        Zahl(t, x, 6);
    }
    t += ',';
    Zahl(t, s.teilverschattet, 4);
}

void Zeile(std::string& t, const std::string& name, const jahresstudie::Drei& d) {
    t += name;
    Summe(t, d.mitBacktracking);
    Summe(t, d.ohneFehler);
    Summe(t, d.ohneBacktracking);
    t += '\n';
}

void Wert(std::string& t, const char* name, double wert, int stellen) {
    t += name;
    t += '=';
    Zahl(t, wert, stellen);
    t += '\n';
}

void Extrem(std::string& t, const char* name, const jahresstudie::Extrem& x, int jahr) {
    Wert(t, name, x.position, 6);
    const int minuten = static_cast<int>(std::lround(x.stunden * 60));
    char datum[64];
    std::snprintf(datum, sizeof datum, "%sDatum=%04d-%02d-%02dT%02d:%02d\n", name, jahr, x.monat,
                  x.tag, minuten / 60, minuten % 60);
    t += datum;
}

// The nine figures of one way on a measured series.
void WetterSumme(std::string& t, const wetterjahr::Summe& s) {
    for (const double x : {s.Unverschattet(), s.direkt, s.Himmel(), s.boden}) {
        t += ',';
        Zahl(t, x, 6);
    }
    for (const double x :
         {s.Prozent(s.strahlSchatten), s.Prozent(s.himmelSchatten), s.Prozent(s.elektrisch)}) {
        t += ',';
        Zahl(t, x, 6);
    }
    t += ',';
    Zahl(t, s.wirksam, 6);
    t += ',';
    Zahl(t, s.teilverschattet, 4);
}

constexpr const char* WetterSpalten[] = {
    "Unverschattet_kWh_m2", "Direkt_kWh_m2",          "Himmel_kWh_m2",
    "Boden_kWh_m2",         "StrahlSchatten_Prozent", "HimmelSchatten_Prozent",
    "Elektrisch_Prozent",   "Wirksam_kWh_m2",         "Teilverschattet_h"};

} // namespace

std::string Blocklayout(const einstrahlung::Bloecke& b) {
    return std::to_string(b.uebereinander) + 'x' + std::to_string(b.nebeneinander);
}

std::string Wetterjahr(const wetterjahr::Ergebnis& r) {
    std::string t = "Monat";
    for (const char* art : {"Mit", "OhneFehler", "OhneBacktracking"})
        for (const char* spalte : WetterSpalten)
            t += std::string(",") + art + spalte;
    t += '\n';
    const auto zeile = [&t](const std::string& name, const wetterjahr::Drei& d) {
        t += name;
        WetterSumme(t, d.mitBacktracking);
        WetterSumme(t, d.ohneFehler);
        WetterSumme(t, d.ohneBacktracking);
        t += '\n';
    };
    for (int m = 0; m < 12; ++m)
        zeile(std::to_string(m + 1), r.monate[static_cast<std::size_t>(m)]);
    zeile("Jahr", r.jahr);
    t += '\n';
    Wert(t, "GewinnBacktracking_Prozent", r.GewinnBacktracking(), 6);
    t += "Bloecke=" + Blocklayout(r.optionen.bloecke) + '\n';
    t += std::string("Diffus=") +
         (r.optionen.himmel == wetterjahr::Himmelsmodell::Perez ? "perez" : "isotrop") + '\n';
    Wert(t, "Albedo", r.optionen.albedo, 3);
    Wert(t, "GCR", r.gcr, 6);
    t += "Zeilen=" + std::to_string(r.zeilen) + '\n';
    t += "StrahlOhneSonne=" + std::to_string(r.strahlOhneSonne) + '\n';
    Wert(t, "StrahlOhneSonne_kWh_m2", r.strahlOhneSonneKwh, 6);
    return t;
}

std::string WetterVariation(const std::vector<double>& werte,
                            const std::vector<wetterjahr::Summe>& summen,
                            const wetterjahr::Optionen& optionen) {
    std::string t = "Wert";
    for (const char* spalte : WetterSpalten)
        t += std::string(",") + spalte;
    t += '\n';
    for (std::size_t i = 0; i < werte.size() && i < summen.size(); ++i) {
        Zahl(t, werte[i], 6, false);
        WetterSumme(t, summen[i]);
        t += '\n';
    }
    t += "\nBloecke=" + Blocklayout(optionen.bloecke) + '\n';
    return t;
}

std::string Jahresstudie(const jahresstudie::Ergebnis& r, int jahr) {
    std::string t = "Monat";
    for (const char* art : {"Mit", "OhneFehler", "OhneBacktracking"})
        for (const char* spalte :
             {"Strahlung_kWh_m2", "Verlust_Prozent", "Unverschattet_kWh_m2", "Teilverschattet_h"})
            t += std::string(",") + art + spalte;
    t += '\n';
    for (int m = 0; m < 12; ++m)
        Zeile(t, std::to_string(m + 1), r.monate[static_cast<std::size_t>(m)]);
    Zeile(t, "Jahr", r.jahr);
    t += '\n';
    Extrem(t, "GroesstePosition", r.groesste, jahr);
    Extrem(t, "KleinstePosition", r.kleinste, jahr);
    Wert(t, "AWestMax", r.stop.West, 6);
    Wert(t, "AOstMax", r.stop.Ost, 6);
    Wert(t, "WegImJahr", r.weg, 3);
    return t;
}

std::string Variation(const std::vector<double>& werte,
                      const std::vector<jahresstudie::Summe>& summen) {
    std::string t =
        "Wert,Strahlung_kWh_m2,Verlust_Prozent,Unverschattet_kWh_m2,Teilverschattet_h\n";
    for (std::size_t i = 0; i < werte.size() && i < summen.size(); ++i) {
        Zahl(t, werte[i], 6, false);
        Summe(t, summen[i]);
        t += '\n';
    }
    return t;
}

} // namespace jahrescsv
