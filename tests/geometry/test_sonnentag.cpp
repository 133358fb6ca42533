// The site's solar day: the tracker rule's side, the Sonnenwende and solstice searches and the
// year study at sites whose day crosses 0:00 UTC, and unchanged wherever a site's daylight lies
// inside one UTC day.
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"
#include "geometry/sonnenposition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <mutex>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Every bit of the results, one value after the other (FNV-1a over the doubles' bytes).
struct Fingerabdruck {
    std::uint64_t h = 1469598103934665603ull;
    void Dazu(double d) {
        std::uint64_t b;
        std::memcpy(&b, &d, sizeof b);
        for (int i = 0; i < 8; ++i) {
            h ^= (b >> (8 * i)) & 0xff;
            h *= 1099511628211ull;
        }
    }
    void Dazu(int i) { Dazu(static_cast<double>(i)); }
};

// A day at the window's pace (each hour at a different minute, each calculation carrying the
// Sonnenwende of the one before, with installation errors) and the day chart with and without
// the stops.
std::uint64_t TagesAbdruck(double phi, double lam, int monat, int tag) {
    Fingerabdruck g;
    RechenlaufEingabe e;
    e.Jahr = 2009;
    e.Monat = monat;
    e.Tag = tag;
    e.Phi = phi;
    e.Lam = lam;
    e.ModulHErr = 3;
    e.ModulAErr = -4;
    e.ModulNErr = 1;
    e.EndlageStartErr = -2;
    for (int stunde = 0; stunde < 24; ++stunde) {
        e.Stunde = stunde;
        e.Minute = (stunde * 23) % 60;
        const RechenlaufErgebnis r = Rechenlauf(e);
        for (double x : {r.Azimut, r.Hoehe, r.WinkelZurSonne, r.TrackerPos, r.Verschattung})
            g.Dazu(x);
        g.Dazu(r.WendeStunde);
        g.Dazu(r.WendeMinute);
        for (double x : {r.MorgenPos, r.AWestMax, r.AOstMax})
            g.Dazu(x);
        e.WendeStunde = r.WendeStunde;
        e.WendeMinute = r.WendeMinute;
        e.MorgenPos = r.MorgenPos;
    }
    for (bool anschlaege : {false, true}) {
        const jahresstudie::Tag t = jahresstudie::BerechneTag(e, 3, anschlaege);
        for (std::size_t i = 0; i < t.stunden.size(); ++i)
            for (double x : {t.position[i], t.trackerPos[i], t.winkel[i], t.verschattung[i]})
                g.Dazu(x);
        g.Dazu(t.aufgang);
        g.Dazu(t.untergang);
        g.Dazu(t.wendeStunde);
        g.Dazu(t.wendeMinute);
    }
    return g.h;
}

std::uint64_t JahresAbdruck(double phi, double lam, int schritt) {
    RechenlaufEingabe e;
    e.Jahr = 2026;
    e.Phi = phi;
    e.Lam = lam;
    e.ModulHErr = 2;
    e.EndlageStartErr = 3;
    const jahresstudie::Ergebnis r = jahresstudie::Rechne(e, schritt);
    Fingerabdruck g;
    for (const jahresstudie::Drei& m : r.monate)
        for (const jahresstudie::Summe* s :
             {&m.mitBacktracking, &m.ohneFehler, &m.ohneBacktracking})
            for (double x : {s->strahlung, s->verschattet, s->teilverschattet})
                g.Dazu(x);
    for (double x : {r.groesste.position, r.kleinste.position, r.weg, r.stop.West, r.stop.Ost})
        g.Dazu(x);
    g.Dazu(r.augenblicke);
    return g.h;
}

// Taken with the rule that compared the UTC hour with the Sonnenwende of the UTC date, at every
// site and date of the table where that rule is right: the daylight of the date, of the 20th
// to 22nd of June and December lies between 01:25 and 23:30 UTC, and the sun culminates in the
// south. Longitudes of every hour zone were tried; these are the ones where it holds.
struct Ort {
    double phi, lam;
    int monat, tag;
    std::uint64_t abdruck;
};
const Ort UtcTagOrte[] = {
    {50.53, -31.5, 1, 15, 0xbfd26f5207986236ull},  {50.53, -31.5, 3, 21, 0x7735a35871e5e4e3ull},
    {50.53, -31.5, 6, 21, 0x1aec6301d4c33fb3ull},  {50.53, -31.5, 7, 7, 0xb00ac3c18ec6d9f7ull},
    {50.53, -31.5, 9, 23, 0xca37fe8f2066395cull},  {50.53, -31.5, 12, 21, 0x61653ea87e2bc621ull},
    {50.53, -11.75, 1, 15, 0x7542d17aab17b300ull}, {50.53, -11.75, 3, 21, 0x8cf26df8adf903e4ull},
    {50.53, -11.75, 6, 21, 0x82625b0d5df03943ull}, {50.53, -11.75, 7, 7, 0x2bd511e21bb35864ull},
    {50.53, -11.75, 9, 23, 0xbca5916e62712cb1ull}, {50.53, -11.75, 12, 21, 0x33f4865768a933e1ull},
    {50.53, -1.5, 1, 15, 0x507efc5018b1220dull},   {50.53, -1.5, 3, 21, 0x63d914d8601080dcull},
    {50.53, -1.5, 6, 21, 0xf8796f03d9ee525eull},   {50.53, -1.5, 7, 7, 0x8a263993b52f65b7ull},
    {50.53, -1.5, 9, 23, 0x7828d2455b31d5ebull},   {50.53, -1.5, 12, 21, 0xbeaddf3b498bf7e1ull},
    {50.53, 18.25, 1, 15, 0x4f8bcc7c36fbefd0ull},  {50.53, 18.25, 3, 21, 0xdd7da9940b240afcull},
    {50.53, 18.25, 6, 21, 0x229c663f4334f5cdull},  {50.53, 18.25, 7, 7, 0x21e4919a4a216631ull},
    {50.53, 18.25, 9, 23, 0x7444e620a11d41deull},  {50.53, 18.25, 12, 21, 0x99a56c7cfac6e85dull},
    {50.53, 28.5, 1, 15, 0x874657dafc35e3a1ull},   {50.53, 28.5, 3, 21, 0xda5c02ca4f4cecbbull},
    {50.53, 28.5, 6, 21, 0x50e47ea12a914e65ull},   {50.53, 28.5, 7, 7, 0x53f175fbc22dc9e9ull},
    {50.53, 28.5, 9, 23, 0x6c829fcc4aa8e53eull},   {50.53, 28.5, 12, 21, 0x8424835598a94fcdull},
    {50.53, 48.25, 1, 15, 0xa93715492ed9c3b3ull},  {50.53, 48.25, 3, 21, 0x276e257162d9ccd1ull},
    {50.53, 48.25, 6, 21, 0xb775150a5532e32eull},  {50.53, 48.25, 7, 7, 0x14015ff8caa6672full},
    {50.53, 48.25, 9, 23, 0xf2569991144b2d05ull},  {50.53, 48.25, 12, 21, 0x49c778f8b5714293ull},
    {35, -41.75, 1, 15, 0xf2d62f8c50e6d434ull},    {35, -41.75, 3, 21, 0x43cca5fa3a4ad2d7ull},
    {35, -41.75, 6, 21, 0x83faa65c21691c1full},    {35, -41.75, 7, 7, 0xced087299c1b6e58ull},
    {35, -41.75, 9, 23, 0x54009a9a8fad140eull},    {35, -41.75, 12, 21, 0x41fd1bc3c164820full},
    {35, -31.5, 1, 15, 0x62e3b5f7a9124839ull},     {35, -31.5, 3, 21, 0x4f6ea0846a7ea6acull},
    {35, -31.5, 6, 21, 0x258a4283907a965dull},     {35, -31.5, 7, 7, 0x0587076c71ac67a6ull},
    {35, -31.5, 9, 23, 0x66bff564c819cd99ull},     {35, -31.5, 12, 21, 0x9e5c04e02fe96192ull},
    {35, -11.75, 1, 15, 0x41c1a3690a6033eeull},    {35, -11.75, 3, 21, 0x0be926f6759fb87full},
    {35, -11.75, 6, 21, 0xabbc5b7bdb696cdaull},    {35, -11.75, 7, 7, 0xb9c508dce07a5f19ull},
    {35, -11.75, 9, 23, 0x2ca2683fdffb4873ull},    {35, -11.75, 12, 21, 0x588721f7e7e9cc0cull},
    {35, -1.5, 1, 15, 0x9a997c699e67e5e1ull},      {35, -1.5, 3, 21, 0xf164bc13961a7ad5ull},
    {35, -1.5, 6, 21, 0x9f4d00711800e719ull},      {35, -1.5, 7, 7, 0x6f2a0976bf74d5f4ull},
    {35, -1.5, 9, 23, 0x015eb6e29e1418daull},      {35, -1.5, 12, 21, 0xa5b7a5ef3b9b0facull},
    {35, 18.25, 1, 15, 0xc8cbdf49a7beee40ull},     {35, 18.25, 3, 21, 0x5174f7f8813302a7ull},
    {35, 18.25, 6, 21, 0xd866b07173fcb5f3ull},     {35, 18.25, 7, 7, 0xb5c44cecbf92c0b4ull},
    {35, 18.25, 9, 23, 0x2acda66fde6999d0ull},     {35, 18.25, 12, 21, 0x50caf4b4d5e7e5c6ull},
    {35, 28.5, 1, 15, 0xf33b86a31f006632ull},      {35, 28.5, 3, 21, 0xef83cb533c484993ull},
    {35, 28.5, 6, 21, 0x238a076cba3b9788ull},      {35, 28.5, 7, 7, 0xac8c7f322d03b699ull},
    {35, 28.5, 9, 23, 0x0810aa9cfbbb2d2eull},      {35, 28.5, 12, 21, 0x33d2ecb498ba8adcull},
    {35, 48.25, 1, 15, 0x6ebe53230ca28a6full},     {35, 48.25, 3, 21, 0xc69c5d0ce3b949a2ull},
    {35, 48.25, 6, 21, 0x6ac7570e08f7a360ull},     {35, 48.25, 7, 7, 0x8d77e6bd7cffb787ull},
    {35, 48.25, 9, 23, 0x8961e63e7556baf3ull},     {35, 48.25, 12, 21, 0x612d710682f851c5ull},
    {35, 58.5, 1, 15, 0x7b25a8a1fc80e8eaull},      {35, 58.5, 3, 21, 0x1e4974939ae1ac50ull},
    {35, 58.5, 6, 21, 0xecf5f5ee76ba1fafull},      {35, 58.5, 7, 7, 0xe24bbb7f4a1cfbe3ull},
    {35, 58.5, 9, 23, 0x0064dce4f5508f6aull},      {35, 58.5, 12, 21, 0x1f8e6956cf13208full},
    {45, -41.75, 1, 15, 0xf5859f72afea683eull},    {45, -41.75, 3, 21, 0x95a22007b37d63ceull},
    {45, -41.75, 6, 21, 0xe24c9c98901b2f42ull},    {45, -41.75, 7, 7, 0xb788b34f1f4f8007ull},
    {45, -41.75, 9, 23, 0x249bc66ec70f83c7ull},    {45, -41.75, 12, 21, 0xaf31e8be3bbc4283ull},
    {45, -31.5, 1, 15, 0x21cf48039f8dda34ull},     {45, -31.5, 3, 21, 0x36bca0d31070a8f0ull},
    {45, -31.5, 6, 21, 0x7eeeea3bf6774afeull},     {45, -31.5, 7, 7, 0x5c63703f086a453cull},
    {45, -31.5, 9, 23, 0x5bf9f1a6852d6559ull},     {45, -31.5, 12, 21, 0x0691f3999523b87aull},
    {45, -11.75, 1, 15, 0xe4e6de99876e3f7bull},    {45, -11.75, 3, 21, 0xd54e9f0d8b1933deull},
    {45, -11.75, 6, 21, 0xe2710931f57ed3c6ull},    {45, -11.75, 7, 7, 0x200b762e834d53e7ull},
    {45, -11.75, 9, 23, 0x33ee27e77a074f38ull},    {45, -11.75, 12, 21, 0xb40acf929e5ae1e9ull},
    {45, -1.5, 1, 15, 0x6bf007ef90cc7f8cull},      {45, -1.5, 3, 21, 0x6f99f7d592eb273full},
    {45, -1.5, 6, 21, 0x33b9e10ff980e933ull},      {45, -1.5, 7, 7, 0x4c4163189a53cbd8ull},
    {45, -1.5, 9, 23, 0x2081be4f2d89b4eaull},      {45, -1.5, 12, 21, 0xc53ee095481aafc5ull},
    {45, 18.25, 1, 15, 0xe84c636738bf32c4ull},     {45, 18.25, 3, 21, 0xf62fdfbc3e9957fbull},
    {45, 18.25, 6, 21, 0xf6de0917c19cfc88ull},     {45, 18.25, 7, 7, 0x0bc363a3a7204ae3ull},
    {45, 18.25, 9, 23, 0x869387811730fac6ull},     {45, 18.25, 12, 21, 0x697c1559d1b4cb79ull},
    {45, 28.5, 1, 15, 0xc4518d975b9d3614ull},      {45, 28.5, 3, 21, 0xb3800d13fb53b2e5ull},
    {45, 28.5, 6, 21, 0x5719669b40a74e92ull},      {45, 28.5, 7, 7, 0xba86d7a781bc22c2ull},
    {45, 28.5, 9, 23, 0xacad0be7b6ae302dull},      {45, 28.5, 12, 21, 0x5ada4b4466366bcbull},
    {45, 48.25, 1, 15, 0xdcd396724b62cd1bull},     {45, 48.25, 3, 21, 0xfef9a63641809beeull},
    {45, 48.25, 6, 21, 0x16d959ba28a905b1ull},     {45, 48.25, 7, 7, 0x5218dd2cd42280d8ull},
    {45, 48.25, 9, 23, 0xda97b1651e405591ull},     {45, 48.25, 12, 21, 0xa2b382bd013fa509ull},
    {60, -11.75, 1, 15, 0x4329f2cda3c4ee33ull},    {60, -11.75, 3, 21, 0xe59d15d805c0cdd5ull},
    {60, -11.75, 6, 21, 0xa5b2fe2daf59fcfbull},    {60, -11.75, 7, 7, 0xb726f77cb07cb9b1ull},
    {60, -11.75, 9, 23, 0xd589325f52213ab3ull},    {60, -11.75, 12, 21, 0x2ed69a4518dbcc91ull},
    {60, -1.5, 1, 15, 0x515b0edabfbc377aull},      {60, -1.5, 3, 21, 0x4f146d980ac7d4bdull},
    {60, -1.5, 6, 21, 0x95c5247037263603ull},      {60, -1.5, 7, 7, 0x5e7e219ff3a7f22eull},
    {60, -1.5, 9, 23, 0x3db416bdcba6bbf3ull},      {60, -1.5, 12, 21, 0x04e0cc2145285866ull},
    {60, 18.25, 1, 15, 0x0f019473be6a2251ull},     {60, 18.25, 3, 21, 0x0509b71ec32de312ull},
    {60, 18.25, 6, 21, 0xe72a1956c8ec0f8eull},     {60, 18.25, 7, 7, 0x9a276504ad83fc91ull},
    {60, 18.25, 9, 23, 0x8b6a4069acf47c6cull},     {60, 18.25, 12, 21, 0xb86baa47c9718f35ull},
    {60, 28.5, 1, 15, 0xf5e8e233fbdc3044ull},      {60, 28.5, 3, 21, 0x5d3a37608fe67329ull},
    {60, 28.5, 6, 21, 0x7a1d65a9ac1f55a5ull},      {60, 28.5, 7, 7, 0x7f52ca5368df81b3ull},
    {60, 28.5, 9, 23, 0x894828d4a76fcfaaull},      {60, 28.5, 12, 21, 0xa7505b52f5cea735ull},
};

TEST(Sonnentag, WoDasTageslichtImUtcTagLiegtBleibtJedesBit) {
    for (const Ort& o : UtcTagOrte)
        EXPECT_EQ(TagesAbdruck(o.phi, o.lam, o.monat, o.tag), o.abdruck)
            << o.phi << " " << o.lam << " " << o.monat << "-" << o.tag;
}

// The year study at such sites, for steps that divide the day and steps that do not (the sun is
// down at the day's last instant there, so its weight does not matter).
struct Jahr {
    double phi, lam;
    int schritt;
    std::uint64_t abdruck;
};
const Jahr UtcTagJahre[] = {
    {50.53, -14.48, 5, 0xfa27ccf497afc57full}, {50.53, -14.48, 7, 0xee9d02d8002c8041ull},
    {45, 0, 10, 0xe94c43b663ae0592ull},        {40, -30, 59, 0xe2a68058b3cadc0aull},
    {52, 10, 15, 0x0ca64d607be6e055ull},
};

TEST(Sonnentag, JahresstudieBleibtJedesBitWoDasTageslichtImUtcTagLiegt) {
    for (const Jahr& j : UtcTagJahre)
        EXPECT_EQ(JahresAbdruck(j.phi, j.lam, j.schritt), j.abdruck)
            << j.phi << " " << j.lam << " " << j.schritt;
}

// Ten sites around the globe: both hemispheres, the tropics, far east and west of Greenwich,
// beyond the polar circle. West longitudes positive.
struct Standort {
    const char* name;
    double phi, lam;
};
const Standort RundUmDieWelt[] = {
    {"Heimat", 50.53, -14.48},   {"Greensboro", 36.1, 79.95},     {"Sydney", -33.87, -151.21},
    {"Tokio", 35.68, -139.69},   {"Sao Paulo", -23.55, 46.63},    {"Reykjavik", 64.15, 21.94},
    {"Singapur", 1.35, -103.82}, {"Wellington", -41.29, -174.78}, {"Honolulu", 21.31, 157.86},
    {"Tromsoe", 69.65, -18.96},  {"Ushuaia", -54.8, 68.3},
};

constexpr double zuRad = std::numbers::pi / 180;

// The direction of the meridian the sun culminates in on a date: north where its declination
// at the mean noon lies above the latitude.
double Mittagsrichtung(int jahr, int monat, int tag, double phi, double lam) {
    const double T = JahrhunderteSeitJ2000(JulianischerTag(jahr, monat, tag, 12 + lam / 15));
    return SonneAequatorial(T).Deklination > phi * zuRad ? 0 : 180;
}

// a - b as an angle in (-180, 180].
double Winkelabstand(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d;
}

// Backtracking turns the modules from the sun toward the meridian the sun culminates in, never
// away from it, every 10 minutes of a year (the day chart's calculation, which is the main
// window's). The rule flips its side at the whole hour after the Sonnenwende, so in the hour
// after the sun crossed the meridian the morning's side still holds (at the home site as
// always): those instants are left out.
TEST(Sonnentag, BacktrackingDrehtZumMeridianUeberEinJahr) {
    for (const Standort& o : RundUmDieWelt) {
        RechenlaufEingabe e;
        e.Jahr = 2026;
        e.Phi = o.phi;
        e.Lam = o.lam;
        int geprueft = 0, falsch = 0;
        std::string erstes;
        for (int monat = 1; monat <= 12; ++monat)
            for (int tag = 1; tag <= TageImMonat(e.Jahr, monat); ++tag) {
                e.Monat = monat;
                e.Tag = tag;
                const jahresstudie::Tag t = jahresstudie::BerechneTag(e, 10, false);
                e.WendeStunde = t.wendeStunde;
                e.WendeMinute = t.wendeMinute;
                for (std::size_t i = 0; i < t.stunden.size(); ++i) {
                    if (!(t.hoehe[i] > 0) || t.winkel[i] == 0) continue;
                    // The meridian of the solar day the instant lies in (the noon nearest to it).
                    const double utcMittag = 12 + o.lam / 15;
                    int j = e.Jahr, m = monat, d = tag;
                    VersetzeTag(j, m, d, Sonnentag(utcMittag, t.stunden[i]));
                    const double richtung = Mittagsrichtung(j, m, d, o.phi, o.lam);
                    const double zumMeridian = Winkelabstand(richtung, t.azimut[i]);
                    // Crossed the meridian within the last 75 minutes?
                    double azVorher = 0, hVorher = 0;
                    SonnenPosition(e.Jahr, monat, tag, t.stunden[i] - 1.25, o.phi, o.lam, azVorher,
                                   hVorher);
                    if ((Winkelabstand(richtung, azVorher) > 0) != (zumMeridian > 0) &&
                        std::fabs(zumMeridian) < 90)
                        continue;
                    // At the lower culmination of a midnight sun the side changes with the
                    // solar day, to within seconds.
                    if (std::fabs(zumMeridian) > 179) continue;
                    ++geprueft;
                    if ((t.winkel[i] > 0) != (zumMeridian > 0)) {
                        if (falsch++ == 0)
                            erstes = std::to_string(monat) + "-" + std::to_string(tag) + " " +
                                     std::to_string(t.stunden[i]) + " Azimut " +
                                     std::to_string(t.azimut[i]) + " Korrektur " +
                                     std::to_string(t.winkel[i]);
                    }
                }
            }
        EXPECT_GT(geprueft, 1000) << o.name;
        EXPECT_EQ(falsch, 0) << o.name << ", zuerst " << erstes;
    }
}

// The evening after 0:00 UTC at 36.1 N, 79.95 W: the sun stands low in the west-north-west,
// and the tracker turns from it toward the south, inside the stops; an hour earlier as well.
TEST(Sonnentag, AbendNachMitternachtUtcBleibtAufDerNachmittagsseite) {
    struct Fall {
        double phi, lam;
        int jahr, monat, tag;
        double stunde;
    };
    const Fall faelle[] = {
        {36.1, 79.95, 2009, 6, 21, 0},      {36.1, 79.95, 2009, 6, 20, 23},
        {36.1, 79.95, 2009, 6, 21, 0.5},    {37.77, 122.42, 2009, 6, 21, 2.5},
        {-33.87, -151.21, 2009, 12, 21, 8}, {35.68, -139.69, 2009, 6, 20, 20.5},
    };
    for (const Fall& f : faelle) {
        RechenlaufEingabe e;
        e.Jahr = f.jahr;
        e.Monat = f.monat;
        e.Tag = f.tag;
        e.Stunde = f.stunde;
        e.Phi = f.phi;
        e.Lam = f.lam;
        // Twice, as the window calculates: the second carries the first one's Sonnenwende.
        RechenlaufErgebnis r = Rechenlauf(e);
        e.WendeStunde = r.WendeStunde;
        e.WendeMinute = r.WendeMinute;
        e.MorgenPos = r.MorgenPos;
        r = Rechenlauf(e);
        ASSERT_GT(r.Hoehe, 0) << f.lam << " " << f.stunde;
        ASSERT_NE(r.WinkelZurSonne, 0) << f.lam << " " << f.stunde;
        const double richtung = f.phi > 0 ? 180 : 0;
        EXPECT_EQ(r.WinkelZurSonne > 0, Winkelabstand(richtung, r.Azimut) > 0)
            << f.lam << " " << f.stunde << ": Azimut " << r.Azimut << ", TrackerPos "
            << r.TrackerPos;
    }
}

// Sydney's day begins before 0:00 UTC: the Sonnenwende is its noon (about 02:00 UTC) and the
// morning position is that of its sunrise, turned from the sun toward north.
TEST(Sonnentag, SucheSiehtDenSonnenaufgangVorNullUhrUtc) {
    RechenlaufEingabe e;
    e.Jahr = 2026;
    e.Monat = 6;
    e.Tag = 21;
    e.Stunde = 3;
    e.Phi = -33.87;
    e.Lam = -151.21;
    e.MorgenPos = 1000; // a value no search gives
    const RechenlaufErgebnis r = Rechenlauf(e);
    EXPECT_EQ(r.WendeStunde, 2);
    EXPECT_NE(r.MorgenPos, 1000);
    EXPECT_LT(r.MorgenPos, 62); // the winter sun rises at about 62 degrees
    EXPECT_GT(r.MorgenPos, -30);
}

// The year at southern and far eastern and western sites: the positions lie on each day's
// continuous path, so the extremes are those of a tracker turning through north, not 0 and
// 360, and the travel counts the turn, not a jump of 360 degrees.
TEST(Sonnentag, JahrMitPositionenUeberNorden) {
    struct Fall {
        double phi, lam;
    };
    for (const Fall f : {Fall{-33.87, -151.21}, Fall{-23.55, 46.63}, Fall{-41.29, -174.78}}) {
        RechenlaufEingabe e;
        e.Jahr = 2026;
        e.Phi = f.phi;
        e.Lam = f.lam;
        // The solstice search signs with the Sonnenwende the window found before the study.
        e.WendeStunde = Rechenlauf(e).WendeStunde;
        const jahresstudie::Ergebnis r = jahresstudie::Rechne(e, 10);
        EXPECT_GT(r.groesste.position, 60) << f.lam;
        EXPECT_LT(r.groesste.position, 180) << f.lam;
        EXPECT_LT(r.kleinste.position, -60) << f.lam;
        EXPECT_GT(r.kleinste.position, -180) << f.lam;
        // A day's path from the morning through north to the evening, less than a whole turn
        // even where the sun passes the zenith.
        EXPECT_LT(r.weg, 365 * 360.0) << f.lam;
        EXPECT_GT(r.weg, 365 * 100.0) << f.lam;
        // South of the equator the tracker turns counter-clockwise: the east stop is the
        // largest position, the west stop the smallest.
        EXPECT_GT(r.stop.Ost, 60) << f.lam;
        EXPECT_LT(r.stop.West, -60) << f.lam;
        EXPECT_NEAR(r.stop.Ost, r.groesste.position, 15) << f.lam;
        EXPECT_NEAR(r.stop.West, r.kleinste.position, 15) << f.lam;
    }
}

// The day chart, the year study's instant and the main window's driver give one position for
// the same instant, also where it belongs to the neighbouring solar day.
TEST(Sonnentag, EineRegelFuerFensterTagesverlaufUndJahr) {
    struct Fall {
        double phi, lam;
        int monat, tag;
        int minute;
    };
    for (const Fall f : {Fall{36.1, 79.95, 6, 21, 0}, Fall{36.1, 79.95, 6, 21, 60},
                         Fall{-33.87, -151.21, 12, 21, 21 * 60}, Fall{50.53, -14.48, 7, 7, 660},
                         Fall{35.68, -139.69, 6, 21, 22 * 60}}) {
        RechenlaufEingabe e;
        e.Jahr = 2026;
        e.Monat = f.monat;
        e.Tag = f.tag;
        e.Phi = f.phi;
        e.Lam = f.lam;
        e.Stunde = f.minute / 60;
        e.Minute = f.minute % 60;
        const RechenlaufErgebnis fenster = Rechenlauf(e);
        const jahresstudie::Tag tag = jahresstudie::BerechneTag(e, 20, false);
        const std::size_t i = static_cast<std::size_t>(f.minute / 20);
        EXPECT_EQ(tag.winkel[i], fenster.WinkelZurSonne) << f.lam << " " << f.minute;
        Tagessuchen suchen(e);
        const RechenlaufErgebnis werkzeug = suchen.Augenblick(f.minute / 60.0);
        EXPECT_EQ(werkzeug.WinkelZurSonne, fenster.WinkelZurSonne) << f.lam << " " << f.minute;
        if (!(fenster.Hoehe > 0)) continue; // the year study counts only the sun's hours
        const jahresstudie::Augenblick jahr =
            jahresstudie::Berechne(e, suchen.Fuer(f.minute / 60.0, fenster.Hoehe), f.minute / 60.0);
        EXPECT_EQ(jahr.trackerPos, fenster.TrackerPos) << f.lam << " " << f.minute;
    }
}

// Sunrise and sunset of a UTC day as the day chart marks them: the evening a day begins with at
// a site whose daylight crosses 0:00 UTC is no sunrise; midnight sun and polar night hold
// neither.
TEST(Sonnentag, AufgangUndUntergangImUtcTag) {
    struct Fall {
        double phi, lam;
        int monat;
        double aufgang, untergang; // hours, -1: none
    };
    const Fall faelle[] = {
        {50.53, -14.48, 6, 3.05, 19.15},  // the home site: both inside the day, in order
        {36.1, 79.95, 6, 10.15, 0.6},     // the sun sets at 0:36, rises at 10:09
        {-33.87, -151.21, 6, 21.1, 6.85}, // Sydney's winter day: rises 21:06, sets 6:51
        {69.65, -18.96, 6, -1, -1},       // midnight sun
        {69.65, -18.96, 12, -1, -1},      // polar night
    };
    for (const Fall& f : faelle) {
        RechenlaufEingabe e;
        e.Jahr = 2026;
        e.Monat = f.monat;
        e.Tag = 21;
        e.Phi = f.phi;
        e.Lam = f.lam;
        const jahresstudie::Tag t = jahresstudie::BerechneTag(e, 3, false);
        for (const auto& [gefunden, erwartet] :
             {std::pair{t.aufgang, f.aufgang}, std::pair{t.untergang, f.untergang}}) {
            if (erwartet < 0)
                EXPECT_EQ(gefunden, -1) << f.phi << " " << f.lam;
            else
                EXPECT_NEAR(gefunden, erwartet, 0.1) << f.phi << " " << f.lam;
        }
    }
}

// A year step that does not divide the day: the day's last instant stands for what is left of
// the day. 35 N, 120 E has the sun up at 0:00 UTC from spring to autumn; before, a step of 59
// minutes counted 4.4 % too much beam there.
TEST(Sonnentag, SchrittDerDenTagNichtTeilt) {
    RechenlaufEingabe e;
    e.Jahr = 2026;
    e.Phi = 35;
    e.Lam = -120;
    const double minutenweise = jahresstudie::Rechne(e, 1).jahr.mitBacktracking.strahlung;
    for (int schritt : {7, 11, 13, 17, 23, 29, 41, 59}) {
        const double s = jahresstudie::Rechne(e, schritt).jahr.mitBacktracking.strahlung;
        EXPECT_NEAR(s / minutenweise, 1, 0.005) << schritt;
    }
}

// A sweep's values: counted before they are formed, at most 1001, and a step that does not
// change the value refused instead of looping on it.
TEST(Sonnentag, WerteEinerVariation) {
    using jahresstudie::WerteFehler;
    struct Fall {
        double von, bis, weite;
        int anzahl; // -1: refused
        WerteFehler::Art art;
    };
    const double inf = INFINITY, nan = NAN;
    const Fall faelle[] = {
        {-20, 20, 1, 41, {}},
        {0, 1, 0.1, 11, {}},
        {1, 1, 1, 1, {}},
        {2, 1, 1, 0, {}},
        {0, 1000, 1, 1001, {}},
        {0, 1000.0000000001, 1, 1001, {}},
        {0, 1001, 1, -1, WerteFehler::ZuViele},
        {0, 1e300, 1e-300, -1, WerteFehler::ZuViele},
        {1, 1, 1e-300, -1, WerteFehler::KeinSchritt},
        {-1e308, -1e308, 1, -1, WerteFehler::KeinSchritt},
        {1e16, 1e16 + 100, 1.5, -1, WerteFehler::KeinSchritt},
        {0, 1, 0, -1, WerteFehler::Ungueltig},
        {0, 1, -1, -1, WerteFehler::Ungueltig},
        {0, inf, 1, -1, WerteFehler::Ungueltig},
        {nan, 1, 1, -1, WerteFehler::Ungueltig},
        {0, 1, nan, -1, WerteFehler::Ungueltig},
    };
    for (const Fall& f : faelle) {
        if (f.anzahl < 0) {
            try {
                jahresstudie::Werte(f.von, f.bis, f.weite);
                ADD_FAILURE() << f.von << " " << f.bis << " " << f.weite << " not refused";
            } catch (const WerteFehler& x) {
                EXPECT_EQ(x.art(), f.art) << f.von << " " << f.bis << " " << f.weite;
            }
            continue;
        }
        const std::vector<double> w = jahresstudie::Werte(f.von, f.bis, f.weite);
        ASSERT_EQ(static_cast<int>(w.size()), f.anzahl) << f.von << " " << f.bis << " " << f.weite;
        for (std::size_t i = 0; i < w.size(); ++i)
            EXPECT_EQ(w[i], f.von + static_cast<double>(i) * f.weite);
    }
}

// The sweep forms the sun and the searches once for all values; each value's year is still
// the study's to the last bit, for every swept error and for another input.
TEST(Sonnentag, VariationGleichDerStudieJeWert) {
    struct Fall {
        double RechenlaufEingabe::*feld;
        std::vector<double> werte;
        double phi, lam;
    };
    const Fall faelle[] = {
        {&RechenlaufEingabe::EndlageStartErr, {-7, 0, 2.5}, 50.53, -14.48},
        {&RechenlaufEingabe::ModulHErr, {-10, 5}, -33.87, -151.21},
        {&RechenlaufEingabe::ModulAErr, {-20, 20}, 36.1, 79.95},
        {&RechenlaufEingabe::ModulNErr, {-2, 3}, 1.35, -103.82},
        {&RechenlaufEingabe::ModulH, {150, 170}, 50.53, -14.48},
    };
    for (const Fall& f : faelle) {
        RechenlaufEingabe e;
        e.Jahr = 2026;
        e.Phi = f.phi;
        e.Lam = f.lam;
        e.ModulAErr = 3;
        int gemeldet = 0;
        std::mutex m;
        const std::vector<jahresstudie::Summe> summen =
            jahresstudie::Variiere(e, f.feld, f.werte, 30, nullptr, {}, [&] {
                std::lock_guard<std::mutex> sperre(m);
                ++gemeldet;
            });
        EXPECT_EQ(gemeldet, static_cast<int>(f.werte.size()));
        ASSERT_EQ(summen.size(), f.werte.size());
        for (std::size_t i = 0; i < f.werte.size(); ++i) {
            RechenlaufEingabe x = e;
            x.*f.feld = f.werte[i];
            const jahresstudie::Summe s = jahresstudie::Rechne(x, 30).jahr.mitBacktracking;
            EXPECT_EQ(summen[i].strahlung, s.strahlung) << i;
            EXPECT_EQ(summen[i].verschattet, s.verschattet) << i;
            EXPECT_EQ(summen[i].teilverschattet, s.teilverschattet) << i;
        }
    }
}

} // namespace
