#include "basis/zahltext.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zahltext {

namespace {

// 0 = not read yet; the environment is consulted on first use only.
std::atomic<char16_t> gTrenner{0};

// Every double is a multiple of 2^-1074, so 1074 fractional digits are always exact.
constexpr int kGroesstePraezision = 1074;
constexpr int kMaxNachkomma = 20;

QString NichtEndlich(double wert) {
    if (std::isnan(wert)) return QStringLiteral("NAN");
    return wert < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

bool IstZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

int HexWert(QChar c) {
    if (IstZiffer(c)) return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

bool IstLeer(QChar c) {
    return c == u' ';
}

// Rounds the decimal digit string (digits only, no sign or point) up by one unit in the
// last place; returns the string, one digit longer when it carried out of the front.
std::string Aufrunden(std::string ziffern) {
    for (auto i = ziffern.size(); i-- > 0;) {
        if (ziffern[i] != '9') {
            ++ziffern[i];
            return ziffern;
        }
        ziffern[i] = '0';
    }
    return '1' + ziffern;
}

} // namespace

QChar TrennerAusUmgebung() {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* wert = std::getenv(name);
        if (!wert || !*wert) continue;
        QString locale = QString::fromLocal8Bit(wert);
        // "de_DE.UTF-8", "de_DE@euro": only language and territory matter to QLocale.
        for (const QChar zeichen : {u'.', u'@'})
            if (const auto ende = locale.indexOf(zeichen); ende >= 0) locale.truncate(ende);
        if (locale.isEmpty() || locale == u"C" || locale == u"POSIX") return u'.';
        const QString punkt = QLocale(locale).decimalPoint();
        return punkt.isEmpty() ? QChar(u'.') : punkt.at(0);
    }
    return u'.';
}

QChar Dezimaltrenner() {
    char16_t t = gTrenner.load(std::memory_order_relaxed);
    if (t == 0) {
        t = TrennerAusUmgebung().unicode();
        gTrenner.store(t, std::memory_order_relaxed);
    }
    return QChar(t);
}

void SetzeDezimaltrenner(QChar trenner) {
    gTrenner.store(trenner.unicode(), std::memory_order_relaxed);
}

QString Fest(double wert, int nachkomma) {
    if (!std::isfinite(wert)) return NichtEndlich(wert);
    nachkomma = std::clamp(nachkomma, 0, kMaxNachkomma);

    // The exact decimal expansion of the binary value: a double m * 2^e with e < 0 has
    // exactly -e fractional digits, so printing that many loses nothing and a tie is a
    // real tie, not an artefact of an earlier rounding.
    int exponent = 0;
    std::frexp(wert, &exponent);
    const int praezision = std::clamp(std::numeric_limits<double>::digits - exponent, nachkomma + 1,
                                      kGroesstePraezision);
    static thread_local char puffer[400 + kGroesstePraezision];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                                        std::chars_format::fixed, praezision);
    const std::string_view exakt(puffer, ergebnis.ptr - puffer);
    const auto punkt = exakt.find('.');
    const std::string_view ganz = exakt.substr(0, punkt);
    const std::string_view bruch = exakt.substr(punkt + 1);

    std::string ziffern(ganz);
    ziffern.append(bruch.substr(0, nachkomma));
    if (bruch[nachkomma] >= '5') // half away from zero: a tie goes up in magnitude
        ziffern = Aufrunden(std::move(ziffern));

    const bool null = ziffern.find_first_not_of('0') == std::string::npos;
    const auto ganzStellen = ziffern.size() - nachkomma;
    QString text;
    text.reserve(static_cast<qsizetype>(ziffern.size()) + 2);
    if (wert < 0 && !null) text += u'-';
    text += QLatin1StringView(ziffern.data(), static_cast<qsizetype>(ganzStellen));
    if (nachkomma > 0) {
        text += Dezimaltrenner();
        text += QLatin1StringView(ziffern.data() + ganzStellen, nachkomma);
    }
    return text;
}

QString Allgemein(double wert) {
    if (!std::isfinite(wert)) return NichtEndlich(wert);
    if (wert == 0) return QStringLiteral("0");

    constexpr int kStellen = 15;
    char puffer[64];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                                        std::chars_format::scientific, kStellen - 1);
    const std::string_view text(puffer, ergebnis.ptr - puffer);
    // "d.dddddddddddddde+XX": collect the significant digits and the decimal exponent.
    const auto e = text.find('e');
    std::string ziffern;
    for (char c : text.substr(0, e))
        if (c != '.') ziffern += c;
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    exponent);
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();

    QString aus;
    if (wert < 0) aus += u'-';
    const QChar trenner = Dezimaltrenner();
    const auto n = static_cast<int>(ziffern.size());
    if (exponent >= kStellen || exponent < -5) {
        aus += QLatin1Char(ziffern[0]);
        if (n > 1) {
            aus += trenner;
            aus += QLatin1StringView(ziffern.data() + 1, n - 1);
        }
        aus += u'E';
        aus += QString::number(exponent);
    } else if (exponent < 0) {
        aus += u'0';
        aus += trenner;
        aus += QString(-exponent - 1, u'0');
        aus += QLatin1StringView(ziffern.data(), n);
    } else if (n <= exponent + 1) {
        aus += QLatin1StringView(ziffern.data(), n);
        aus += QString(exponent + 1 - n, u'0');
    } else {
        aus += QLatin1StringView(ziffern.data(), exponent + 1);
        aus += trenner;
        aus += QLatin1StringView(ziffern.data() + exponent + 1, n - exponent - 1);
    }
    return aus;
}

QString AllgemeinSkaliert(long long ganz, int nachkomma) {
    nachkomma = std::clamp(nachkomma, 0, 18);
    // The magnitude as unsigned, so that the smallest long long has one too.
    const auto betrag = ganz < 0 ? 0ull - static_cast<unsigned long long>(ganz)
                                 : static_cast<unsigned long long>(ganz);
    std::string ziffern = std::to_string(betrag);
    if (ziffern.size() <= static_cast<std::size_t>(nachkomma))
        ziffern.insert(0, static_cast<std::size_t>(nachkomma) + 1 - ziffern.size(), '0');
    const std::size_t ganzStellen = ziffern.size() - static_cast<std::size_t>(nachkomma);
    auto ende = ziffern.find_last_not_of('0');
    ende = ende == std::string::npos || ende < ganzStellen ? ganzStellen : ende + 1;

    QString text;
    if (ganz < 0) text += u'-';
    text += QLatin1StringView(ziffern.data(), static_cast<qsizetype>(ganzStellen));
    if (ende > ganzStellen) {
        text += Dezimaltrenner();
        text += QLatin1StringView(ziffern.data() + ganzStellen,
                                  static_cast<qsizetype>(ende - ganzStellen));
    }
    return text;
}

bool VersucheGanzzahl(const QString& text, int& wert) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negativ = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negativ = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == n) return false;

    std::uint64_t betrag = 0;
    // A hexadecimal text is a 32-bit pattern ("$FFFFFFFF" is -1), a decimal one a signed value.
    const std::uint64_t grenze = hex ? 0xFFFFFFFFull : (negativ ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < n; ++i) {
        const int ziffer =
            hex ? HexWert(text[i]) : (IstZiffer(text[i]) ? text[i].unicode() - u'0' : -1);
        if (ziffer < 0) return false;
        betrag = betrag * (hex ? 16 : 10) + static_cast<unsigned>(ziffer);
        if (betrag > grenze) return false;
    }
    auto muster = static_cast<std::uint32_t>(betrag);
    if (negativ) muster = 0u - muster;
    wert = static_cast<std::int32_t>(muster);
    return true;
}

KonvertierFehler GanzzahlFehler(const QString& text) {
    return KonvertierFehler(
        QCoreApplication::translate("zahltext", "''%1'' ist kein gültiger Integer-Wert").arg(text));
}

int AlsGanzzahl(const QString& text) {
    int wert = 0;
    if (!VersucheGanzzahl(text, wert)) throw GanzzahlFehler(text);
    return wert;
}

namespace {

// A decimal number as typed: (-1)^negativ * ziffern * 10^exponent, ziffern being all the
// digits before and after the separator in their order.
struct Dezimalzahl {
    bool negativ = false;
    std::string ziffern;
    long exponent = 0;
};

// The grammar of decimal numbers: [blanks] [sign] digits [separator digits] [E [sign] digits]
// [blanks], at least one mantissa digit.
std::optional<Dezimalzahl> Zerlege(const QString& text, QChar trenner) {
    qsizetype i = 0;
    qsizetype n = text.size();
    while (i < n && IstLeer(text[i]))
        ++i;
    while (n > i && IstLeer(text[n - 1]))
        --n;
    Dezimalzahl z;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        z.negativ = text[i] == u'-';
        ++i;
    }
    for (; i < n && IstZiffer(text[i]); ++i)
        z.ziffern += static_cast<char>(text[i].unicode());
    long bruchStellen = 0;
    if (i < n && text[i] == trenner)
        for (++i; i < n && IstZiffer(text[i]); ++i, ++bruchStellen)
            z.ziffern += static_cast<char>(text[i].unicode());
    if (z.ziffern.empty()) return std::nullopt;
    long exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool expNegativ = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            expNegativ = text[i] == u'-';
            ++i;
        }
        if (i == n || !IstZiffer(text[i])) return std::nullopt;
        for (; i < n && IstZiffer(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i].unicode() - u'0'), 100000L);
        if (expNegativ) exponent = -exponent;
    }
    if (i != n) return std::nullopt;
    z.exponent = exponent - bruchStellen;
    return z;
}

// The double nearest to z * 10^verschiebung; nullopt when it is too large to hold. Too small
// to represent is zero.
std::optional<double> Naechste(const Dezimalzahl& z, long verschiebung) {
    const std::string ascii = z.ziffern + 'e' + std::to_string(z.exponent + verschiebung);
    double ergebnis = 0;
    const auto [ende, fehler] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), ergebnis);
    if (fehler == std::errc::result_out_of_range) {
        const auto erste = z.ziffern.find_first_not_of('0');
        if (erste == std::string::npos) {
            ergebnis = 0;
        } else {
            // The power of ten of the first non-zero digit tells overflow from underflow.
            const long stelle =
                static_cast<long>(z.ziffern.size() - erste) - 1 + z.exponent + verschiebung;
            if (stelle >= 0) return std::nullopt;
            ergebnis = 0;
        }
    } else if (fehler != std::errc() || ende != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return z.negativ ? -ergebnis : ergebnis;
}

KonvertierFehler GleitkommaFehler(const QString& text) {
    return KonvertierFehler(
        QCoreApplication::translate("zahltext", "'%1' ist kein gültiger Gleitkommawert").arg(text));
}

std::optional<double> Gleitkomma(const QString& text, QChar trenner) {
    const auto z = Zerlege(text, trenner);
    return z ? Naechste(*z, 0) : std::nullopt;
}

bool IstTrenner(QChar c, QChar eigener) {
    return c == u'.' || c == u',' || c == eigener;
}

} // namespace

bool VersucheGleitkomma(const QString& text, double& wert) {
    const auto w = Gleitkomma(text, Dezimaltrenner());
    if (!w) return false;
    wert = *w;
    return true;
}

Dateizahl LeseDateizahl(const QString& text, double& wert) {
    const QChar eigener = Dezimaltrenner();
    // A text with one separator reads with that one only, so whichever reads it gives the
    // same value; the user's comes first as the one most files hold.
    for (const QChar trenner : {eigener, QChar(u'.'), QChar(u',')}) {
        if (const auto w = Gleitkomma(text, trenner)) {
            wert = *w;
            return Dateizahl::Zahl;
        }
    }
    // Without its points and commas, is it a number?
    QString ohne;
    qsizetype trenner = 0;
    for (const QChar c : text) {
        if (IstTrenner(c, eigener))
            ++trenner;
        else
            ohne += c;
    }
    return trenner >= 2 && Zerlege(ohne, eigener) ? Dateizahl::Gruppiert : Dateizahl::KeineZahl;
}

double AlsGleitkommaSkaliert(const QString& text, int zehnerpotenz) {
    double wert = 0;
    // Accepted exactly as AlsGleitkomma accepts it, whatever the scale does to its size.
    if (!VersucheGleitkomma(text, wert)) throw GleitkommaFehler(text);
    const auto z = Zerlege(text, Dezimaltrenner());
    return Naechste(*z, zehnerpotenz).value_or(z->negativ ? -HUGE_VAL : HUGE_VAL);
}

long long AlsGanzzahlSkaliert(const QString& text, int zehnerpotenz) {
    double wert = 0;
    if (!VersucheGleitkomma(text, wert)) throw GleitkommaFehler(text);
    const Dezimalzahl z = *Zerlege(text, Dezimaltrenner());
    // The whole part of ziffern * 10^e, digit by digit: no binary rounding on the way.
    const long e = z.exponent + zehnerpotenz;
    std::string ganz = z.ziffern;
    if (e >= 0) {
        const auto erste = ganz.find_first_not_of('0');
        if (erste != std::string::npos)
            ganz.append(static_cast<std::size_t>(std::min(e, 40L)), '0');
    } else {
        const auto weg = static_cast<std::size_t>(-e);
        ganz = weg >= ganz.size() ? std::string() : ganz.substr(0, ganz.size() - weg);
    }
    const auto erste = ganz.find_first_not_of('0');
    ganz = erste == std::string::npos ? std::string() : ganz.substr(erste);
    // Saturated at the ends of 64 bits, as a product too large for any field is.
    constexpr std::uint64_t Grenze = std::uint64_t{1} << 63;
    std::uint64_t betrag = 0;
    bool zuGross = ganz.size() > 19;
    for (std::size_t k = 0; !zuGross && k < ganz.size(); ++k) {
        betrag = betrag * 10 + static_cast<std::uint64_t>(ganz[k] - '0');
        zuGross = betrag > Grenze;
    }
    if (z.negativ) {
        if (zuGross || betrag >= Grenze) return std::numeric_limits<long long>::min();
        return -static_cast<long long>(betrag);
    }
    if (zuGross || betrag >= Grenze) return std::numeric_limits<long long>::max();
    return static_cast<long long>(betrag);
}

double AlsGleitkomma(const QString& text) {
    double wert = 0;
    if (!VersucheGleitkomma(text, wert)) throw GleitkommaFehler(text);
    return wert;
}

} // namespace zahltext
