// EPW: the LOCATION line, the header lines up to DATA PERIODS, then one row per record
// (field numbers as the EPW data dictionary counts them, from 1).
#include "wetter/rohdaten.h"

#include <cmath>
#include <limits>

namespace wetter::roh {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Fields of a data row, 1-based as the data dictionary numbers them.
constexpr int FeldJahr = 1, FeldMonat = 2, FeldTag = 3, FeldStunde = 4, FeldMinute = 5;
constexpr int FeldGhi = 14, FeldDni = 15, FeldDhi = 16, FeldAlbedo = 33;
// Irradiance from this value on is the missing mark (9999); the albedo's is 999.
constexpr double FehltStrahlung = 9999, FehltAlbedo = 999;

bool Kopfzeile(std::string_view zeile) {
    const std::string_view z = OhneRand(zeile);
    return !z.empty() && ((z[0] >= 'A' && z[0] <= 'Z') || (z[0] >= 'a' && z[0] <= 'z'));
}

double Kopfzahl(const std::vector<std::string_view>& f, std::string_view linie, long long zeile,
                int feld, Erwartung e, double von, double bis) {
    if (static_cast<int>(f.size()) < feld)
        throw Zeilenende(Grund::AngabeFehlt, zeile, linie, feld, e);
    double x = 0;
    if (LiesZahl(f[feld - 1], x) != Wert::Zahl || !(x >= von && x <= bis))
        throw Feldfehler(Grund::AngabeFehlt, zeile, linie, f[feld - 1], feld, e);
    return x;
}

} // namespace

Daten LiesEpw(const QByteArray& bytes) {
    Daten d;
    d.format = Format::EPW;
    d.mittelwerte = true;
    Zeilenleser leser(bytes);
    d.zeilen.reserve(Zeilenzahl(bytes));
    std::vector<std::string_view> f;
    std::string_view linie;

    // LOCATION,city,state,country,source,WMO,latitude,longitude,time zone,elevation
    leser.Naechste(linie);
    Teile(linie, f, 10);
    d.ort.breite = Kopfzahl(f, linie, 1, 7, Erwartung::Breite, -90, 90);
    d.ort.laengeOst = Kopfzahl(f, linie, 1, 8, Erwartung::Laenge, -180, 180);
    d.zeit.zeitzone = Kopfzahl(f, linie, 1, 9, Erwartung::Zeitzone, -12, 14);
    d.ort.hoehe = Kopfzahl(f, linie, 1, 10, Erwartung::Hoehe, -1e6, 1e6);
    d.zeit.utc = false;
    const long long zonenMinuten = std::llround(d.zeit.zeitzone * 60);

    // Header lines begin with their name; DATA PERIODS is the last and gives the records per
    // hour. Without it, the rows begin at the first line that does not begin with a letter.
    int jeStunde = 0;
    bool zeileWartet = false;
    while (leser.Naechste(linie)) {
        if (OhneRand(linie).empty()) continue;
        if (!Kopfzeile(linie)) {
            zeileWartet = true;
            break;
        }
        if (BeginntMit(OhneRand(linie), "DATA PERIODS")) {
            Teile(linie, f, 3);
            if (f.size() < 3)
                throw Zeilenende(Grund::AngabeFehlt, leser.Nummer(), linie, 3, Erwartung::Schritt);
            if (!LiesGanzzahl(f[2], 1, 60, jeStunde) || 60 % jeStunde != 0)
                throw Feldfehler(Grund::AngabeFehlt, leser.Nummer(), linie, f[2], 3,
                                 Erwartung::Schritt);
            d.schrittAusKopf = 60 / jeStunde;
            break;
        }
    }

    bool erste = true;
    while (zeileWartet || leser.Naechste(linie)) {
        zeileWartet = false;
        if (OhneRand(linie).empty()) continue;
        const long long nr = leser.Nummer();
        Teile(linie, f, FeldAlbedo);
        const int n = static_cast<int>(f.size());
        if (n < FeldDhi) {
            const Groesse g = n < FeldGhi   ? Groesse::GHI
                              : n < FeldDni ? Groesse::DNI
                                            : Groesse::DHI;
            throw Zeilenende(erste ? Grund::SpalteFehlt : Grund::ZeileDefekt, nr, linie, n + 1,
                             Erwartung::Feld, g);
        }
        erste = false;
        auto Ganz = [&](int feld, int von, int bis, Erwartung e) {
            int x = 0;
            if (!LiesGanzzahl(f[feld - 1], von, bis, x))
                throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[feld - 1], feld, e);
            return x;
        };
        Zeile z;
        z.zeile = nr;
        z.eigen.jahr = Ganz(FeldJahr, 1, 9999, Erwartung::Jahr);
        z.eigen.monat = Ganz(FeldMonat, 1, 12, Erwartung::Monat);
        z.eigen.tag = Ganz(FeldTag, 1, 31, Erwartung::Tag);
        if (!GueltigesDatum(z.eigen.jahr, z.eigen.monat, z.eigen.tag))
            throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[FeldTag - 1], FeldTag,
                             Erwartung::Tag);
        const int stunde = Ganz(FeldStunde, 1, 24, Erwartung::Stunde);
        // Hourly files write 0 or 60 here and mean the whole hour; with several records an
        // hour the minute (1 ... 60) ends the record's interval within the hour.
        const int minute = Ganz(FeldMinute, jeStunde > 1 ? 1 : 0, 60, Erwartung::Minute);
        const int ende = jeStunde > 1 ? (stunde - 1) * 60 + minute : stunde * 60;
        z.stempel =
            TagNummer(z.eigen.jahr, z.eigen.monat, z.eigen.tag) * 1440 + ende - zonenMinuten;

        auto Strahlung = [&](int feld, Groesse g) {
            double x = 0;
            switch (LiesZahl(f[feld - 1], x)) {
            case Wert::Leer:
                return NaN;
            case Wert::Falsch:
                throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[feld - 1], feld, Erwartung::Zahl,
                                 g);
            case Wert::Zahl:
                break;
            }
            return x >= FehltStrahlung ? NaN : x;
        };
        z.ghi = Strahlung(FeldGhi, Groesse::GHI);
        z.dni = Strahlung(FeldDni, Groesse::DNI);
        z.dhi = Strahlung(FeldDhi, Groesse::DHI);
        z.albedo = NaN;
        if (n >= FeldAlbedo) {
            double a = 0;
            switch (LiesZahl(f[FeldAlbedo - 1], a)) {
            case Wert::Leer:
                break;
            case Wert::Falsch:
                throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[FeldAlbedo - 1], FeldAlbedo,
                                 Erwartung::Zahl, Groesse::Albedo);
            case Wert::Zahl:
                if (a < FehltAlbedo) z.albedo = a;
                break;
            }
        }
        d.zeilen.push_back(z);
    }
    return d;
}

} // namespace wetter::roh
