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

} // namespace

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
