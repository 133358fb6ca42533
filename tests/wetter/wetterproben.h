#pragma once
// Weather files the tests write: rows (each with its own date, the minute of the day its stamp
// stands at, and the values, any of them missing) in each format's text, with the quirks of
// the real files, and made-up years of irradiance computed from the project's sun.
#include "geometry/messreihe.h"
#include "geometry/sonnenposition.h"
#include "wetter/wetterdatei.h"

#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace proben {

using wetter::Datum;

// One row. ende: the minute of the own date the stamp stands at (EPW and TMY3: the end of the
// interval, 60 ... 1440 for hourly rows; PVGIS: the stamp, 0 ... 1439).
struct Zeile {
    Datum eigen;
    int ende = 60;
    std::optional<double> ghi = 0, dni = 0, dhi = 0;
    std::optional<double> albedo; // none: the missing mark (EPW, TMY3) or nothing (PVGIS)
};

// Where the file says it is and what it says of its time.
struct Kopf {
    messreihe::Ort ort{48.1, 11.6, 520};
    double zeitzone = 1;           // EPW, TMY3
    int jeStunde = 1;              // EPW: records per hour
    std::optional<double> versatz; // PVGIS: "Irradiance Time Offset (h)"
    bool crlf = false;
};

inline std::string Zahl(double x) {
    char b[40];
    std::snprintf(b, sizeof b, "%.2f", x);
    return b;
}

inline std::string Zwei(int x) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", x);
    return b;
}

inline QByteArray Bytes(const std::string& text, bool crlf) {
    if (!crlf) return QByteArray::fromStdString(text);
    std::string t;
    t.reserve(text.size() + text.size() / 40);
    for (char c : text) {
        if (c == '\n') t += '\r';
        t += c;
    }
    return QByteArray::fromStdString(t);
}

// EPW: the eight header lines, then 35 fields a row; irradiance 14 ... 16, albedo 33.
inline std::string EpwText(const Kopf& k, const std::vector<Zeile>& zeilen) {
    std::string t = "LOCATION,Testort,-,DEU,Erfunden,000000," + Zahl(k.ort.breite) + "," +
                    Zahl(k.ort.laengeOst) + "," + Zahl(k.zeitzone) + "," + Zahl(k.ort.hoehe) + "\n";
    t += "DESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
         "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,Erfunden für Tests\nCOMMENTS 2,\n";
    t += "DATA PERIODS,1," + std::to_string(k.jeStunde) + ",Data,Sunday, 1/ 1,12/31\n";
    for (const Zeile& z : zeilen) {
        int stunde, minute;
        if (k.jeStunde == 1) {
            stunde = z.ende / 60;
            minute = 60;
        } else {
            stunde = (z.ende - 1) / 60 + 1;
            minute = z.ende - (stunde - 1) * 60;
        }
        auto W = [](const std::optional<double>& x) { return x ? Zahl(*x) : std::string("9999"); };
        t += std::to_string(z.eigen.jahr) + "," + std::to_string(z.eigen.monat) + "," +
             std::to_string(z.eigen.tag) + "," + std::to_string(stunde) + "," +
             std::to_string(minute) + ",?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9*9*9?9?9?9," +
             "10.0,5.0,70,101325,0,0,300," + W(z.ghi) + "," + W(z.dni) + "," + W(z.dhi) +
             ",0,0,0,0,180,2.0,5,5,20.0,77777,9,999999999,10,0.1000,0,88," +
             (z.albedo ? Zahl(*z.albedo) : std::string("999")) + ",0.0,1\n";
    }
    return t;
}

// The TMY3 column line as NREL writes it.
inline const std::vector<std::string>& Tmy3Spalten() {
    static const std::vector<std::string> s = {"Date (MM/DD/YYYY)",
                                               "Time (HH:MM)",
                                               "ETR (W/m^2)",
                                               "ETRN (W/m^2)",
                                               "GHI (W/m^2)",
                                               "GHI source",
                                               "GHI uncert (%)",
                                               "DNI (W/m^2)",
                                               "DNI source",
                                               "DNI uncert (%)",
                                               "DHI (W/m^2)",
                                               "DHI source",
                                               "DHI uncert (%)",
                                               "GH illum (lx)",
                                               "GH illum source",
                                               "Global illum uncert (%)",
                                               "DN illum (lx)",
                                               "DN illum source",
                                               "DN illum uncert (%)",
                                               "DH illum (lx)",
                                               "DH illum source",
                                               "DH illum uncert (%)",
                                               "Zenith lum (cd/m^2)",
                                               "Zenith lum source",
                                               "Zenith lum uncert (%)",
                                               "TotCld (tenths)",
                                               "TotCld source",
                                               "TotCld uncert (code)",
                                               "OpqCld (tenths)",
                                               "OpqCld source",
                                               "OpqCld uncert (code)",
                                               "Dry-bulb (C)",
                                               "Dry-bulb source",
                                               "Dry-bulb uncert (code)",
                                               "Dew-point (C)",
                                               "Dew-point source",
                                               "Dew-point uncert (code)",
                                               "RHum (%)",
                                               "RHum source",
                                               "RHum uncert (code)",
                                               "Pressure (mbar)",
                                               "Pressure source",
                                               "Pressure uncert (code)",
                                               "Wdir (degrees)",
                                               "Wdir source",
                                               "Wdir uncert (code)",
                                               "Wspd (m/s)",
                                               "Wspd source",
                                               "Wspd uncert (code)",
                                               "Hvis (m)",
                                               "Hvis source",
                                               "Hvis uncert (code)",
                                               "CeilHgt (m)",
                                               "CeilHgt source",
                                               "CeilHgt uncert (code)",
                                               "Pwat (cm)",
                                               "Pwat source",
                                               "Pwat uncert (code)",
                                               "AOD (unitless)",
                                               "AOD source",
                                               "AOD uncert (code)",
                                               "Alb (unitless)",
                                               "Alb source",
                                               "Alb uncert (code)",
                                               "Lprecip depth (mm)",
                                               "Lprecip quantity (hr)",
                                               "Lprecip source",
                                               "Lprecip uncert (code)",
                                               "PresWth (METAR code)",
                                               "PresWth source",
                                               "PresWth uncert (code)"};
    return s;
}

// TMY3: the site line, the column line, then the rows; missing as -9900 (albedo: empty).
inline std::string Tmy3Text(const Kopf& k, const std::vector<Zeile>& zeilen) {
    std::string t = "690150,\"TESTORT, ERFUNDEN\",XX," + Zahl(k.zeitzone) + "," +
                    Zahl(k.ort.breite) + "," + Zahl(k.ort.laengeOst) + "," + Zahl(k.ort.hoehe) +
                    "\n";
    const auto& spalten = Tmy3Spalten();
    for (std::size_t i = 0; i < spalten.size(); ++i)
        t += (i ? "," : "") + spalten[i];
    t += "\n";
    for (const Zeile& z : zeilen) {
        auto W = [](const std::optional<double>& x) { return x ? Zahl(*x) : std::string("-9900"); };
        for (std::size_t i = 0; i < spalten.size(); ++i) {
            const std::string& s = spalten[i];
            std::string w = "0";
            if (i == 0)
                w = Zwei(z.eigen.monat) + "/" + Zwei(z.eigen.tag) + "/" +
                    std::to_string(z.eigen.jahr);
            else if (i == 1)
                w = Zwei(z.ende / 60) + ":" + Zwei(z.ende % 60);
            else if (s == "GHI (W/m^2)")
                w = W(z.ghi);
            else if (s == "DNI (W/m^2)")
                w = W(z.dni);
            else if (s == "DHI (W/m^2)")
                w = W(z.dhi);
            else if (s == "Alb (unitless)")
                w = z.albedo ? Zahl(*z.albedo) : "";
            else if (s.find("source") != std::string::npos)
                w = "A";
            t += (i ? "," : "") + w;
        }
        t += "\n";
    }
    return t;
}

inline std::string Stempel(const Zeile& z) {
    return std::to_string(z.eigen.jahr) + Zwei(z.eigen.monat) + Zwei(z.eigen.tag) + ":" +
           Zwei(z.ende / 60) + Zwei(z.ende % 60);
}

// PVGIS CSV: the site lines, the months' years, the column line, the rows, the legend.
inline std::string PvgisCsvText(const Kopf& k, const std::vector<Zeile>& zeilen) {
    std::string t = "Latitude (decimal degrees): " + Zahl(k.ort.breite) +
                    "\nLongitude (decimal degrees): " + Zahl(k.ort.laengeOst) +
                    "\nElevation (m): " + Zahl(k.ort.hoehe) + "\n";
    if (k.versatz) t += "Irradiance Time Offset (h): " + Zahl(*k.versatz) + "\n";
    t += "month,year\n";
    for (int m = 1; m <= 12; ++m)
        t += std::to_string(m) + "," + std::to_string(2005 + m) + "\n";
    t += "time(UTC),T2m,RH,G(h),Gb(n),Gd(h),IR(h),WS10m,WD10m,SP\n";
    for (const Zeile& z : zeilen) {
        auto W = [](const std::optional<double>& x) { return x ? Zahl(*x) : std::string(); };
        t += Stempel(z) + ",2.04,94.38," + W(z.ghi) + "," + W(z.dni) + "," + W(z.dhi) +
             ",283.58,0.75,257.0,96945.0\n";
    }
    t += "\nT2m: 2-m air temperature (degree Celsius)\nRH: relative humidity (%)\n"
         "G(h): Global irradiance on the horizontal plane (W/m2)\n\n"
         "PVGIS (c) European Union, 2001-2026\n";
    return t;
}

// PVGIS JSON: one line as the service sends it, or one row a line (zeilenweise).
inline std::string PvgisJsonText(const Kopf& k, const std::vector<Zeile>& zeilen,
                                 bool zeilenweise = false) {
    const std::string nl = zeilenweise ? "\n" : "";
    std::string t = "{\"inputs\":{\"location\":{\"latitude\":" + Zahl(k.ort.breite) +
                    ",\"longitude\":" + Zahl(k.ort.laengeOst) +
                    ",\"elevation\":" + Zahl(k.ort.hoehe);
    if (k.versatz) t += ",\"irradiance_time_offset\":" + Zahl(*k.versatz);
    t += "},\"meteo_data\":{\"radiation_db\":\"PVGIS-SARAH3\",\"meteo_db\":\"ERA5\",\"year_min\""
         ":2005,\"year_max\":2023,\"use_horizon\":true,\"horizon_db\":\"DEM-calculated\"}},"
         "\"outputs\":{\"months_selected\":[";
    for (int m = 1; m <= 12; ++m)
        t += (m > 1 ? "," : "") + std::string("{\"month\":") + std::to_string(m) +
             ",\"year\":" + std::to_string(2005 + m) + "}";
    t += "],\"tmy_hourly\":[" + nl;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Zeile& z = zeilen[i];
        auto W = [](const std::optional<double>& x) { return x ? Zahl(*x) : std::string("null"); };
        t += (i ? "," + nl : "") + "{\"time(UTC)\":\"" + Stempel(z) +
             "\",\"T2m\":2.04,\"RH\":94.38,\"G(h)\":" + W(z.ghi) + ",\"Gb(n)\":" + W(z.dni) +
             ",\"Gd(h)\":" + W(z.dhi) +
             ",\"IR(h)\":283.58,\"WS10m\":0.75,\"WD10m\":257.0,"
             "\"SP\":96945.0}";
    }
    t += nl + "]},\"meta\":{\"inputs\":{},\"outputs\":{}}}" + nl;
    return t;
}

inline QByteArray Text(wetter::Format f, const Kopf& k, const std::vector<Zeile>& zeilen) {
    switch (f) {
    case wetter::Format::EPW:
        return Bytes(EpwText(k, zeilen), k.crlf);
    case wetter::Format::TMY3:
        return Bytes(Tmy3Text(k, zeilen), k.crlf);
    case wetter::Format::PvgisCsv:
        return Bytes(PvgisCsvText(k, zeilen), k.crlf);
    case wetter::Format::PvgisJson:
        return Bytes(PvgisJsonText(k, zeilen), k.crlf);
    }
    return {};
}

// ---- made-up irradiance --------------------------------------------------------------------

// A small generator of its own, so the years are the same on every platform.
struct Zufall {
    std::uint32_t x;
    double Naechste() { // [0, 1)
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        return (x >> 8) * (1.0 / 16777216.0);
    }
};

// The sun's elevation sine at a UTC instant (minutes since 1970).
inline double SinHoehe(const messreihe::Ort& ort, double minuten) {
    const wetter::UtcZeit u = wetter::AlsUtc(minuten);
    double az = 0, h = 0;
    SonnenPosition(u.datum.jahr, u.datum.monat, u.datum.tag, u.stunden, ort.breite, -ort.laengeOst,
                   az, h);
    return std::sin(h * 3.14159265358979323846 / 180);
}

// A year of a site's weather: a sky of its own shape (not the reader's clear sky), dimmed by
// a cloudiness for each day and each hour.
struct Himmel {
    messreihe::Ort ort;
    std::uint32_t saat = 12345;
    double Bewoelkung(double minuten) const {
        const auto stunde = static_cast<std::int64_t>(std::floor(minuten / 60));
        const auto tag = static_cast<std::int64_t>(std::floor(minuten / 1440));
        Zufall a{saat ^ static_cast<std::uint32_t>(tag * 2654435761u)};
        a.Naechste();
        Zufall b{saat ^ static_cast<std::uint32_t>(stunde * 40503u + 7)};
        b.Naechste();
        return (0.35 + 0.65 * a.Naechste()) * (0.75 + 0.25 * b.Naechste());
    }
    double Ghi(double minuten) const {
        const double s = SinHoehe(ort, minuten);
        return s > 0 ? 1020 * std::pow(s, 1.2) * Bewoelkung(minuten) : 0;
    }
};

// Rows of tage days from the own date von at a step: means over the interval ending at each
// local stamp (EPW, TMY3: mittel) or values at each UTC stamp plus versatz hours (PVGIS).
// frueher: the data are that many minutes early (they hold what the sky did that much later).
inline std::vector<Zeile> Tage(const Himmel& himmel, double zeitzone, Datum von, int tage,
                               int schritt, bool mittel, double versatz = 0, double frueher = 0) {
    std::vector<Zeile> zeilen;
    const long long erster = wetter::TagNummer(von.jahr, von.monat, von.tag);
    for (long long tag = erster; tag < erster + tage; ++tag) {
        const Datum d = wetter::DatumVonTag(tag);
        for (int m = mittel ? schritt : 0; m <= (mittel ? 1440 : 1440 - schritt); m += schritt) {
            Zeile z;
            z.eigen = d;
            z.ende = m;
            double ghi = 0, sinMitte = 0;
            if (mittel) {
                const double bis = tag * 1440.0 + m - zeitzone * 60 + frueher;
                const int n = 10;
                for (int i = 0; i < n; ++i)
                    ghi += himmel.Ghi(bis - schritt + (i + 0.5) * schritt / n) / n;
                sinMitte = SinHoehe(himmel.ort, bis - schritt / 2.0);
            } else {
                const double t = tag * 1440.0 + m + versatz * 60 + frueher;
                ghi = himmel.Ghi(t);
                sinMitte = SinHoehe(himmel.ort, t);
            }
            const double dhi = ghi > 0 ? std::min(ghi, 30 + 0.25 * ghi) : 0;
            const double dni = sinMitte > 0.05 ? (ghi - dhi) / sinMitte : 0;
            z.ghi = std::round(ghi * 100) / 100;
            z.dhi = std::round(dhi * 100) / 100;
            z.dni = std::round(std::min(dni, 1000.0) * 100) / 100;
            z.albedo = 0.2;
            zeilen.push_back(z);
        }
    }
    return zeilen;
}

// A whole year, 1 January to 31 December of jahr.
inline std::vector<Zeile> Jahr(const Himmel& himmel, double zeitzone, int jahr, int schritt,
                               bool mittel, double versatz = 0, double frueher = 0) {
    const int tage =
        static_cast<int>(wetter::TagNummer(jahr + 1, 1, 1) - wetter::TagNummer(jahr, 1, 1));
    return Tage(himmel, zeitzone, {jahr, 1, 1}, tage, schritt, mittel, versatz, frueher);
}

} // namespace proben
