#include "geraet/parameterfelder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace parameterfelder {

using U = Umrechnung;
using P = TrackerParameter;

const std::array<Feld, 11> Felder = {{
    {Id::Breitengrad, "Breitengrad", "EditPhi", "Breitengrad in °", U::Hundertstel, nullptr,
     &P::ParBreite},
    {Id::Laengengrad, "Laengengrad", "EditLam", "Längengrad in °, östliche Länge negativ",
     U::Hundertstel, nullptr, &P::ParLaenge},
    {Id::Modulhoehe, "Modulhoehe", "EditModulH", "Modulhöhe in cm", U::Ganz, &P::ParModulH},
    {Id::Modulbreite, "Modulbreite", "EditModulL", "Modulbreite in cm", U::Ganz, &P::ParModulL},
    {Id::Modulabstand, "Modulabstand", "EditModulA", "Lichter Modulabstand in cm", U::Ganz,
     &P::ParModulA},
    {Id::Modulneigung, "Modulneigung", "EditModulN", "Modulneigung in °", U::Ganz, &P::ParModulN,
     nullptr, nullptr, std::nullopt, 90},
    {Id::Trackintervall, "Trackintervall", "EditIntervall", "Trackintervall in min", U::Minuten,
     &P::ParIntervall, nullptr, nullptr, std::nullopt, 60},
    {Id::Winkelgeschwindigkeit, "Winkelgeschwindigkeit", "EditWinkelSpeed",
     "Winkelgeschwindigkeit in °/s x1000", U::Tausendstel, nullptr, nullptr, &P::ParWinkelSpeed, 10,
     10000},
    {Id::AnschlagOst, "AnschlagOst", "EditAnschlagOst", "Winkel des Anschlag Ost in °", U::Ganz,
     &P::ParAnschlagOst, nullptr, nullptr, std::nullopt, 360},
    {Id::AnschlagWest, "AnschlagWest", "EditAnschlagWest", "Winkel des Anschlag West in °", U::Ganz,
     &P::ParAnschlagWest, nullptr, nullptr, std::nullopt, 360},
    {Id::Korrekturfaktor, "Korrekturfaktor", "EditKorrekturFaktor", "Winkelkorrektur-Faktor x1000",
     U::Tausendstel, nullptr, nullptr, &P::ParKorrekturFaktor},
}};

const std::array<Pruefung, 6> Fensterpruefungen = {{
    {Id::AnschlagWest, true},
    {Id::AnschlagOst, true},
    {Id::Winkelgeschwindigkeit, false},
    {Id::Winkelgeschwindigkeit, true},
    {Id::Trackintervall, true},
    {Id::Modulneigung, true},
}};

const Feld& Zu(Id id) {
    for (const Feld& f : Felder)
        if (f.id == id) return f;
    return Felder[0];
}

namespace {

// What the field holds, in the unit its text is counted in.
struct Spanne {
    std::optional<long long> min, max;
};
Spanne Haelt(Umrechnung u) {
    switch (u) {
    case U::Ganz:
        return {0, 65535};
    case U::Hundertstel:
        return {-32768, 32767};
    case U::Minuten:
        return {0, 65535 / 600};
    case U::Tausendstel:
        break;
    }
    return {};
}

std::optional<long long> Enger(std::optional<long long> a, std::optional<long long> b, bool max) {
    if (!a) return b;
    if (!b) return a;
    return max ? std::min(*a, *b) : std::max(*a, *b);
}

bool Ziffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A decimal number text taken apart: its sign, its significant digits without leading or
// trailing zeros, and the power of ten of the last of them. Zero has no digits.
struct Zerlegt {
    bool negativ = false;
    std::string ziffern;
    long exponent = 0;
    friend bool operator==(const Zerlegt&, const Zerlegt&) = default;
};

std::optional<Zerlegt> Zerlege(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    Zerlegt z;
    if (i < n && (t[i] == u'+' || t[i] == u'-')) z.negativ = t[i++] == u'-';
    std::string alle;
    long bruch = 0;
    for (; i < n && Ziffer(t[i]); ++i)
        alle += static_cast<char>(t[i].unicode());
    if (i < n && t[i] == u'.')
        for (++i; i < n && Ziffer(t[i]); ++i, ++bruch)
            alle += static_cast<char>(t[i].unicode());
    if (alle.empty()) return std::nullopt;
    long exponent = 0;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        bool minus = false;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) minus = t[i++] == u'-';
        if (i == n) return std::nullopt;
        for (; i < n && Ziffer(t[i]); ++i)
            exponent = std::min(exponent * 10 + (t[i].unicode() - u'0'), 1000000L);
        if (minus) exponent = -exponent;
    }
    if (i != n) return std::nullopt;
    const auto erste = alle.find_first_not_of('0');
    if (erste == std::string::npos) return z; // zero, with its sign
    const auto letzte = alle.find_last_not_of('0');
    z.ziffern = alle.substr(erste, letzte - erste + 1);
    z.exponent = exponent - bruch + static_cast<long>(alle.size() - 1 - letzte);
    return z;
}

} // namespace

std::optional<long long> Kleinster(const Feld& f) {
    return Enger(Haelt(f.umrechnung).min, f.unten, false);
}

std::optional<long long> Groesster(const Feld& f) {
    return Enger(Haelt(f.umrechnung).max, f.oben, true);
}

QString Exakt(double wert, int zehnerpotenz) {
    if (std::isnan(wert)) return QStringLiteral("nan");
    if (std::isinf(wert)) return wert < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    if (wert == 0) return std::signbit(wert) ? QStringLiteral("-0") : QStringLiteral("0");
    // The shortest digits that read back as this double: "d.ddde+XX".
    char puffer[64];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                                 std::chars_format::scientific);
    const std::string_view text(puffer, static_cast<std::size_t>(r.ptr - puffer));
    const auto e = text.find('e');
    std::string ziffern;
    for (const char c : text.substr(0, e))
        if (c != '.') ziffern += c;
    int exponent = 0;
    const std::string_view hoch = text.substr(e + 1);
    std::from_chars(hoch.data() + (hoch.front() == '+'), hoch.data() + hoch.size(), exponent);
    // The power of ten of the first digit, after the scaling.
    const long erste = exponent + zehnerpotenz;
    const auto n = static_cast<long>(ziffern.size());
    std::string aus = wert < 0 ? "-" : "";
    if (erste > 20 || erste < -7) {
        aus += ziffern[0];
        if (n > 1) aus += '.' + ziffern.substr(1);
        aus += 'e';
        aus += erste < 0 ? '-' : '+';
        aus += std::to_string(std::labs(erste));
    } else if (erste < 0) {
        aus += "0." + std::string(static_cast<std::size_t>(-erste - 1), '0') + ziffern;
    } else if (n <= erste + 1) {
        aus += ziffern + std::string(static_cast<std::size_t>(erste + 1 - n), '0');
    } else {
        aus += ziffern.substr(0, static_cast<std::size_t>(erste + 1)) + '.' +
               ziffern.substr(static_cast<std::size_t>(erste + 1));
    }
    return QString::fromLatin1(aus);
}

bool IstDezimalzahl(const QString& text) {
    return Zerlege(text).has_value();
}

bool GleicherWert(const QString& a, const QString& b) {
    const auto x = Zerlege(a), y = Zerlege(b);
    return x && y && *x == *y;
}

} // namespace parameterfelder
