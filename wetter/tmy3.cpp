// TMY3: the site line, the column line, then one row per hour; the columns found by name.
#include "wetter/rohdaten.h"

#include <cmath>
#include <limits>

namespace wetter::roh {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
// The mark of a missing value in files of this family; an empty field is missing too.
constexpr double Fehlt = -9900;

const char* const Spalten[3] = {"GHI (W/m^2)", "DNI (W/m^2)", "DHI (W/m^2)"};
constexpr Groesse Groessen[3] = {Groesse::GHI, Groesse::DNI, Groesse::DHI};

bool Ziffern(std::string_view s, int& x) {
    if (s.empty() || s.size() > 4) return false;
    x = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        x = 10 * x + (c - '0');
    }
    return true;
}

} // namespace

Daten LiesTmy3(const QByteArray& bytes) {
    Daten d;
    d.format = Format::TMY3;
    d.mittelwerte = true;
    Zeilenleser leser(bytes);
    d.zeilen.reserve(Zeilenzahl(bytes));
    std::vector<std::string_view> f;
    std::string_view linie;

    // station, "name", state, time zone, latitude, longitude, elevation
    leser.Naechste(linie);
    Teile(linie, f, 7);
    auto Kopfzahl = [&](int feld, Erwartung e, double von, double bis) {
        if (static_cast<int>(f.size()) < feld)
            throw Zeilenende(Grund::AngabeFehlt, 1, linie, feld, e);
        double x = 0;
        if (LiesZahl(f[feld - 1], x) != Wert::Zahl || !(x >= von && x <= bis))
            throw Feldfehler(Grund::AngabeFehlt, 1, linie, f[feld - 1], feld, e);
        return x;
    };
    d.zeit.utc = false;
    d.zeit.zeitzone = Kopfzahl(4, Erwartung::Zeitzone, -12, 14);
    d.ort.breite = Kopfzahl(5, Erwartung::Breite, -90, 90);
    d.ort.laengeOst = Kopfzahl(6, Erwartung::Laenge, -180, 180);
    d.ort.hoehe = Kopfzahl(7, Erwartung::Hoehe, -1e6, 1e6);
    const long long zonenMinuten = std::llround(d.zeit.zeitzone * 60);

    leser.Naechste(linie);
    Teile(linie, f);
    int spalte[3] = {-1, -1, -1}, albedo = -1;
    for (int i = 0; i < static_cast<int>(f.size()); ++i) {
        const std::string_view name = OhneRand(f[i]);
        for (int k = 0; k < 3; ++k)
            if (name == Spalten[k]) spalte[k] = i;
        if (name == "Alb (unitless)") albedo = i;
    }
    for (int k = 0; k < 3; ++k)
        if (spalte[k] < 0)
            throw Zeilenende(Grund::SpalteFehlt, 2, linie, 0, Erwartung::Feld, Groessen[k]);
    const int noetig = std::max({spalte[0], spalte[1], spalte[2], albedo, 1}) + 1;

    while (leser.Naechste(linie)) {
        if (OhneRand(linie).empty()) continue;
        const long long nr = leser.Nummer();
        Teile(linie, f, static_cast<std::size_t>(noetig));
        const int n = static_cast<int>(f.size());
        const int pflicht = std::max({spalte[0], spalte[1], spalte[2], 1}) + 1;
        if (n < pflicht) {
            Groesse g = Groesse::Keine;
            for (int k = 0; k < 3; ++k)
                if (spalte[k] >= n && g == Groesse::Keine) g = Groessen[k];
            throw Zeilenende(Grund::ZeileDefekt, nr, linie, n + 1, Erwartung::Feld, g);
        }
        Zeile z;
        z.zeile = nr;

        // MM/DD/YYYY
        const std::string_view datum = OhneRand(f[0]);
        int monat = 0, tag = 0, jahr = 0;
        const std::size_t s1 = datum.find('/'), s2 = datum.find('/', s1 + 1);
        if (s1 == std::string_view::npos || s2 == std::string_view::npos ||
            !Ziffern(datum.substr(0, s1), monat) ||
            !Ziffern(datum.substr(s1 + 1, s2 - s1 - 1), tag) ||
            !Ziffern(datum.substr(s2 + 1), jahr) || jahr < 1 || !GueltigesDatum(jahr, monat, tag))
            throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[0], 1, Erwartung::Datum);
        z.eigen = {jahr, monat, tag};

        // HH:MM, 00:00 ... 24:00, the end of the hour the values are the means of.
        const std::string_view zeit = OhneRand(f[1]);
        const std::size_t d1 = zeit.find(':');
        int stunde = 0, minute = 0;
        if (d1 == std::string_view::npos || !Ziffern(zeit.substr(0, d1), stunde) ||
            !Ziffern(zeit.substr(d1 + 1), minute) || zeit.size() - d1 - 1 != 2 || stunde > 24 ||
            minute > 59 || (stunde == 24 && minute != 0))
            throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[1], 2, Erwartung::Uhrzeit);
        z.stempel = TagNummer(jahr, monat, tag) * 1440 + stunde * 60 + minute - zonenMinuten;

        auto Wert_ = [&](int i, Groesse g) {
            double x = 0;
            switch (LiesZahl(f[i], x)) {
            case Wert::Leer:
                return NaN;
            case Wert::Falsch:
                throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[i], i + 1, Erwartung::Zahl, g);
            case Wert::Zahl:
                break;
            }
            return x <= Fehlt ? NaN : x;
        };
        z.ghi = Wert_(spalte[0], Groesse::GHI);
        z.dni = Wert_(spalte[1], Groesse::DNI);
        z.dhi = Wert_(spalte[2], Groesse::DHI);
        z.albedo = albedo >= 0 && albedo < n ? Wert_(albedo, Groesse::Albedo) : NaN;
        d.zeilen.push_back(z);
    }
    return d;
}

} // namespace wetter::roh
