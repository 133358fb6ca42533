#include "geraet/messages.h"

#include "basis/zahltext.h"

#include <bit>
#include <cmath>
#include <limits>

namespace messages {

namespace {

template <std::size_t N> void SetzeU16(std::array<std::uint8_t, N>& b, std::size_t i, unsigned v) {
    b[i] = static_cast<std::uint8_t>(v & 0xFF);
    b[i + 1] = static_cast<std::uint8_t>(v >> 8 & 0xFF);
}
std::uint16_t LiesU16(std::span<const std::uint8_t> b, std::size_t i) {
    return static_cast<std::uint16_t>(b[i] | b[i + 1] << 8);
}
template <std::size_t N> void SetzeDouble(std::array<std::uint8_t, N>& b, std::size_t i, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (std::size_t k = 0; k < 8; ++k)
        b[i + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}
double LiesDouble(std::span<const std::uint8_t> b, std::size_t i) {
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < 8; ++k)
        bits |= std::uint64_t{b[i + k]} << (8 * k);
    return std::bit_cast<double>(bits);
}

// Truncated toward zero; saturating, since a product of a typed or received number may lie
// beyond any integer field (only its low bits are kept afterwards).
long long Abgeschnitten(double wert) {
    if (std::isnan(wert)) return 0;
    constexpr double Grenze = 9223372036854775808.0; // 2^63
    if (wert >= Grenze) return std::numeric_limits<long long>::max();
    if (wert <= -Grenze) return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::trunc(wert));
}

std::size_t MindestLaenge(std::uint8_t kommando) {
    switch (static_cast<Kommando>(kommando)) {
    case Kommando::GetParam:
        return 1 + TrackerParameter::Groesse;
    case Kommando::GetTime:
        return 9;
    case Kommando::GetAktuelleDaten:
        return 13;
    case Kommando::Status:
    case Kommando::Info:
        return 3;
    default:
        return 0;
    }
}

} // namespace

QString StatusText(Kommando k) {
    switch (k) {
    case Kommando::SetParam:
        return QStringLiteral("SET Parameter");
    case Kommando::GetParam:
        return QStringLiteral("GET Parameter");
    case Kommando::SetTime:
        return QStringLiteral("SET Time");
    case Kommando::GetTime:
        return QStringLiteral("GET Time");
    case Kommando::GetAktuelleDaten:
        return QStringLiteral("GET Aktuelle Daten");
    case Kommando::SetPosition:
        return QStringLiteral("SET Position");
    case Kommando::SetAutomatik:
        return QStringLiteral("SET Automatik");
    case Kommando::GetStatus:
        return QStringLiteral("Get Status");
    case Kommando::GetInfo:
        return QStringLiteral("GET Info");
    case Kommando::Status:
    case Kommando::Info:
        break;
    }
    return {};
}

std::array<std::uint8_t, TrackerParameter::Groesse> TrackerParameter::Bytes() const {
    std::array<std::uint8_t, Groesse> b{};
    SetzeU16(b, 0, ParModulL);
    SetzeU16(b, 2, ParModulH);
    SetzeU16(b, 4, ParReserve);
    SetzeU16(b, 6, ParModulA);
    SetzeU16(b, 8, ParModulN);
    SetzeU16(b, 10, ParIntervall);
    SetzeU16(b, 12, static_cast<std::uint16_t>(ParLaenge));
    SetzeU16(b, 14, static_cast<std::uint16_t>(ParBreite));
    SetzeU16(b, 16, ParAnschlagOst);
    SetzeU16(b, 18, ParAnschlagWest);
    SetzeDouble(b, 20, ParWinkelSpeed);
    SetzeDouble(b, 28, ParKorrekturFaktor);
    for (std::size_t k = 0; k < ParRest.size(); ++k)
        b[36 + k] = ParRest[k];
    return b;
}

TrackerParameter TrackerParameter::AusBytes(std::span<const std::uint8_t, Groesse> b) {
    TrackerParameter p;
    p.ParModulL = LiesU16(b, 0);
    p.ParModulH = LiesU16(b, 2);
    p.ParReserve = LiesU16(b, 4);
    p.ParModulA = LiesU16(b, 6);
    p.ParModulN = LiesU16(b, 8);
    p.ParIntervall = LiesU16(b, 10);
    p.ParLaenge = static_cast<std::int16_t>(LiesU16(b, 12));
    p.ParBreite = static_cast<std::int16_t>(LiesU16(b, 14));
    p.ParAnschlagOst = LiesU16(b, 16);
    p.ParAnschlagWest = LiesU16(b, 18);
    p.ParWinkelSpeed = LiesDouble(b, 20);
    p.ParKorrekturFaktor = LiesDouble(b, 28);
    for (std::size_t k = 0; k < p.ParRest.size(); ++k)
        p.ParRest[k] = b[36 + k];
    return p;
}

std::array<std::uint8_t, TrackerZeit::Groesse> TrackerZeit::Bytes() const {
    return {ZeitSekunde, ZeitMinute, ZeitStunde, ZeitTag,
            ZeitZusatz,  ZeitMonat,  ZeitJahr,   ZeitGruppe};
}

TrackerZeit TrackerZeit::AusBytes(std::span<const std::uint8_t, Groesse> b) {
    return {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]};
}

Bytes Anfrage(Kommando k) {
    return rahmen::Anfrage(Byte(k));
}

Bytes SetParamAnfrage(const TrackerParameter& p) {
    // The controller's marker byte, then the set without its last four bytes.
    const auto b = p.Bytes();
    Bytes n{0x08};
    n.insert(n.end(), b.begin(), b.begin() + 36);
    return rahmen::Anfrage(Byte(Kommando::SetParam), n);
}

Bytes SetTimeAnfrage(const TrackerZeit& z) {
    const auto b = z.Bytes();
    Bytes n{0x00};
    n.insert(n.end(), b.begin(), b.end());
    return rahmen::Anfrage(Byte(Kommando::SetTime), n);
}

Bytes SetPositionAnfrage(int winkel) {
    const auto w = static_cast<std::uint16_t>(winkel);
    const Bytes n{static_cast<std::uint8_t>(w & 0xFF), static_cast<std::uint8_t>(w >> 8)};
    return rahmen::Anfrage(Byte(Kommando::SetPosition), n);
}

std::optional<Antwort> Zerlege(std::span<const std::uint8_t> rahmen) {
    if (rahmen.size() < 3) return std::nullopt;
    const std::size_t n = rahmen[2];
    if (rahmen.size() < n + 5) return std::nullopt;
    return Antwort{rahmen[1], Bytes(rahmen.begin() + 3, rahmen.begin() + 3 + n)};
}

bool Vollstaendig(const Antwort& a) {
    return a.nutzdaten.size() >= MindestLaenge(a.kommando);
}

QString CountdownText(std::uint16_t zehntel) {
    const auto zweiStellen = [](int v) {
        return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("00:") + zweiStellen(zehntel / 600) + QLatin1Char(':') +
           zweiStellen(zehntel % 600 / 10);
}

std::optional<Status> LeseStatus(const Antwort& a) {
    if (!Vollstaendig(a) || a.nutzdaten.size() < 3) return std::nullopt;
    return Status{a.nutzdaten[0], LiesU16(a.nutzdaten, 1)};
}

std::optional<TrackerParameter> LeseParameter(const Antwort& a) {
    if (a.kommando != Byte(Kommando::GetParam) || !Vollstaendig(a)) return std::nullopt;
    return TrackerParameter::AusBytes(
        std::span(a.nutzdaten).subspan(1).first<TrackerParameter::Groesse>());
}

std::optional<Uhrzeit> LeseUhrzeit(const Antwort& a) {
    if (a.kommando != Byte(Kommando::GetTime) || !Vollstaendig(a)) return std::nullopt;
    Uhrzeit u;
    for (std::size_t k = 0; k < u.zeit.size(); ++k)
        u.zeit[k] = a.nutzdaten[1 + k];
    u.gruppe = a.nutzdaten[8];
    return u;
}

std::optional<Istwerte> LeseIstwerte(const Antwort& a) {
    if (a.kommando != Byte(Kommando::GetAktuelleDaten) || !Vollstaendig(a)) return std::nullopt;
    const std::span<const std::uint8_t> p = a.nutzdaten;
    return Istwerte{LiesU16(p, 1), LiesU16(p, 3), static_cast<std::int16_t>(LiesU16(p, 5)),
                    LiesU16(p, 7), LiesU16(p, 9), static_cast<std::int16_t>(LiesU16(p, 11))};
}

std::optional<QString> LeseVersionstext(const Antwort& a) {
    if (a.kommando != Byte(Kommando::Info) || !Vollstaendig(a)) return std::nullopt;
    QString text;
    for (std::size_t k = 1; k < a.nutzdaten.size(); ++k)
        if (a.nutzdaten[k] != 0) text += QChar::fromLatin1(static_cast<char>(a.nutzdaten[k]));
    return text;
}

Version PruefeVersion(const QString& text) {
    if (text.size() < 5) return {Versionsbefund::ZuKurz, 0};
    int major = 0, minor = 0;
    if (!zahltext::VersucheGanzzahl(text.mid(0, 2), major) ||
        !zahltext::VersucheGanzzahl(text.mid(3, 2), minor))
        return {Versionsbefund::Unlesbar, 0};
    const int v = 100 * major + minor;
    return {v < KleinsteVersion ? Versionsbefund::ZuAlt : Versionsbefund::Passend, v};
}

std::uint16_t Low16(const QString& ganzzahl) {
    return static_cast<std::uint16_t>(zahltext::AlsGanzzahl(ganzzahl));
}

std::int16_t Hundertstel(const QString& dezimal) {
    // On the decimal digits: "8,45" is 845, where 8.45 * 100 in binary would be 844.99...
    const long long v = zahltext::AlsGanzzahlSkaliert(dezimal, 2);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
}

double AusTausendsteln(const QString& dezimal) {
    return zahltext::AlsGleitkommaSkaliert(dezimal, -3);
}

QString Dezimal(double wert) {
    return zahltext::Allgemein(wert);
}

QString HundertstelText(std::int16_t wert) {
    return zahltext::AllgemeinSkaliert(wert, 2);
}

QString Tausendstel(double wert) {
    // The whole number of thousandths that reads back as this very double, where there is one
    // (1.001 is stored as 1.000999..., which times 1000 truncates to 1000, not 1001).
    if (std::isfinite(wert) && std::fabs(wert) < 4.2e6) {
        const long long k = std::llround(wert * 1000);
        if (k >= 0 && k <= 0xFFFFFFFFLL && AusTausendsteln(QString::number(k)) == wert)
            return QString::number(k);
    }
    return QString::number(static_cast<std::uint32_t>(Abgeschnitten(wert * 1000)));
}

void LeseParametertexte(const Parametertexte& t, TrackerParameter& p) {
    p.ParModulL = Low16(t.ModulL);
    p.ParModulH = Low16(t.ModulH);
    p.ParReserve = 0;
    p.ParModulA = Low16(t.ModulA);
    p.ParModulN = Low16(t.ModulN);
    // Minutes in tenths of a second; the product's low bits, as for any field.
    p.ParIntervall = static_cast<std::uint16_t>(
        static_cast<unsigned>(zahltext::AlsGanzzahl(t.Intervall)) * 600u);
    p.ParLaenge = Hundertstel(t.Lam);
    p.ParBreite = Hundertstel(t.Phi);
    p.ParWinkelSpeed = AusTausendsteln(t.WinkelSpeed);
    p.ParKorrekturFaktor = AusTausendsteln(t.KorrekturFaktor);
    p.ParAnschlagOst = Low16(t.AnschlagOst);
    p.ParAnschlagWest = Low16(t.AnschlagWest);
}

Parametertexte ParameterTexte(const TrackerParameter& p) {
    Parametertexte t;
    t.ModulL = QString::number(p.ParModulL);
    t.ModulH = QString::number(p.ParModulH);
    t.ModulA = QString::number(p.ParModulA);
    t.ModulN = QString::number(p.ParModulN);
    t.Intervall = QString::number(p.ParIntervall / 600);
    t.Lam = HundertstelText(p.ParLaenge);
    t.Phi = HundertstelText(p.ParBreite);
    t.WinkelSpeed = Tausendstel(p.ParWinkelSpeed);
    t.AnschlagOst = QString::number(p.ParAnschlagOst);
    t.AnschlagWest = QString::number(p.ParAnschlagWest);
    t.KorrekturFaktor = Tausendstel(p.ParKorrekturFaktor);
    return t;
}

void LeseZeittexte(const Zeittexte& t, TrackerZeit& z, bool mitSekunde) {
    const auto low8 = [](const QString& s) {
        return static_cast<std::uint8_t>(zahltext::AlsGanzzahl(s));
    };
    z.ZeitJahr =
        static_cast<std::uint8_t>(static_cast<unsigned>(zahltext::AlsGanzzahl(t.Jahr)) - 2000u);
    z.ZeitMonat = low8(t.Monat);
    z.ZeitTag = low8(t.Tag);
    z.ZeitStunde = low8(t.Stunde);
    z.ZeitMinute = low8(t.Minute);
    if (mitSekunde) z.ZeitSekunde = low8(t.Sekunde);
}

Zeittexte ZeitTexte(const TrackerZeit& z) {
    return {QString::number(z.ZeitJahr + 2000), QString::number(z.ZeitMonat),
            QString::number(z.ZeitTag),         QString::number(z.ZeitStunde),
            QString::number(z.ZeitMinute),      QString::number(z.ZeitSekunde)};
}

Istwerttexte IstwertTexte(const Istwerte& i) {
    return {QString::number(i.IstPosition),  Dezimal(i.IstSchatten * 0.1),
            Dezimal(i.IstSonnenstand * 0.1), Dezimal(i.IstAzimut * 0.1),
            Dezimal(i.IstGrenzwinkel),       Dezimal(i.IstKorrektur * 0.1)};
}

} // namespace messages
