#include "basis/inidatei.h"

#include "basis/dateizugriff.h"
#include "basis/zahltext.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {

// 0x80..0x9F of Windows-1252; the five bytes the code page leaves open keep their C1 code
// point so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// One line as it stands on disk: its bytes without the line end, and the line end itself
// ("\r\n", "\n", "\r", or nothing on a last line without one). Untouched lines are written
// back from these bytes, so they stay exactly as they were.
struct Zeile {
    QByteArray text;
    QByteArray ende;
};

// The lines of a file and the UTF-8 byte-order mark an editor may have put before them. The
// mark is no part of the first line's text, so the first section is found; it stays at the
// start of the file when the file is written.
struct Text {
    QByteArray bom;
    std::vector<Zeile> zeilen;
};

enum class Art { Leer, Kommentar, Abschnitt, Schluessel, Sonstiges };

struct Deutung {
    Art art = Art::Leer;
    QString name;
    QString wert;
};

const QByteArray kZeilenende = QByteArrayLiteral("\r\n");
const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

// One line of the bytes as they are: [anfang, ende) without its line end, and where the next
// line begins.
struct Spanne {
    qsizetype anfang = 0, ende = 0, weiter = 0;
};
Spanne ZeileAb(const QByteArray& inhalt, qsizetype anfang) {
    const char* const daten = inhalt.constData();
    const qsizetype n = inhalt.size();
    qsizetype ende = anfang;
    while (ende < n && daten[ende] != '\r' && daten[ende] != '\n')
        ++ende;
    qsizetype weiter = ende;
    if (weiter < n)
        weiter += (daten[ende] == '\r' && ende + 1 < n && daten[ende + 1] == '\n') ? 2 : 1;
    return {anfang, ende, weiter};
}

// CRLF, LF and a lone CR each end a line.
Text Zerlege(const QByteArray& inhalt) {
    Text text;
    qsizetype anfang = inhalt.startsWith(kBom) ? kBom.size() : 0;
    text.bom = inhalt.left(anfang);
    while (anfang < inhalt.size()) {
        const Spanne z = ZeileAb(inhalt, anfang);
        text.zeilen.push_back(
            {inhalt.mid(z.anfang, z.ende - z.anfang), inhalt.mid(z.ende, z.weiter - z.ende)});
        anfang = z.weiter;
    }
    return text;
}

QByteArray Verbinde(const Text& text) {
    QByteArray inhalt = text.bom;
    for (const Zeile& z : text.zeilen)
        inhalt += z.text + z.ende;
    return inhalt;
}

Deutung Deute(const QByteArray& roh) {
    const QString zeile = AusCp1252(roh).trimmed();
    if (zeile.isEmpty()) return {Art::Leer, {}, {}};
    if (zeile.startsWith(u';')) return {Art::Kommentar, {}, {}};
    if (zeile.startsWith(u'[')) {
        // Up to the last bracket, so a name that holds "]" reads back as written.
        const auto zu = zeile.lastIndexOf(u']');
        if (zu > 0) return {Art::Abschnitt, zeile.mid(1, zu - 1).trimmed(), {}};
    }
    const auto gleich = zeile.indexOf(u'=');
    if (gleich < 0) return {Art::Sonstiges, {}, {}};
    QString wert = zeile.mid(gleich + 1).trimmed();
    if (wert.size() >= 2 && (wert.front() == u'"' || wert.front() == u'\'') &&
        wert.back() == wert.front())
        wert = wert.mid(1, wert.size() - 2);
    return {Art::Schluessel, zeile.left(gleich).trimmed(), wert};
}

bool GleicherName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// A line break in a name or value would split the entry into foreign lines.
QString Einzeilig(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

struct Fundstelle {
    std::optional<std::size_t> abschnitt;  // header line of the first matching section
    std::optional<std::size_t> schluessel; // first matching key line in it
    std::size_t einfuegen = 0;             // where a missing key goes
};

Fundstelle Suche(const std::vector<Zeile>& zeilen, const QString& abschnitt,
                 const QString& schluessel) {
    Fundstelle fund;
    std::size_t i = 0;
    for (; i < zeilen.size(); ++i) {
        const Deutung d = Deute(zeilen[i].text);
        if (d.art == Art::Abschnitt && GleicherName(d.name, abschnitt)) break;
    }
    if (i == zeilen.size()) return fund;
    fund.abschnitt = i;
    fund.einfuegen = i + 1;
    for (++i; i < zeilen.size(); ++i) {
        const Deutung d = Deute(zeilen[i].text);
        if (d.art == Art::Abschnitt) break;
        if (d.art == Art::Schluessel && !fund.schluessel && GleicherName(d.name, schluessel))
            fund.schluessel = i;
        // After the last entry of the section, so its trailing blank lines and any comment
        // that introduces the next section stay where they are.
        if (d.art == Art::Schluessel || d.art == Art::Sonstiges) fund.einfuegen = i + 1;
    }
    return fund;
}

// The bytes that QString::trimmed() takes for blanks once a line is read as Windows-1252.
bool IstLeerByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b == 0x20 || (b >= 0x09 && b <= 0x0D) || b == 0xA0;
}

// Names compare without regard to case as QString does it once a line is read as
// Windows-1252, one character against one; here byte against byte, so that no line is
// decoded to be compared. Each byte stands for the smallest byte that compares equal to it.
using Faltung = std::array<unsigned char, 256>;

const std::array<QString, 256>& Zeichen() {
    static const auto zeichen = [] {
        std::array<QString, 256> z;
        for (std::size_t b = 0; b < z.size(); ++b)
            z[b] = AusCp1252(QByteArray(1, static_cast<char>(b)));
        return z;
    }();
    return zeichen;
}

const Faltung& Gefaltet() {
    static const Faltung faltung = [] {
        const auto& z = Zeichen();
        Faltung f{};
        for (std::size_t b = 0; b < f.size(); ++b) {
            f[b] = static_cast<unsigned char>(b);
            for (std::size_t a = 0; a < b; ++a)
                if (z[a].compare(z[b], Qt::CaseInsensitive) == 0) {
                    f[b] = f[a];
                    break;
                }
        }
        return f;
    }();
    return faltung;
}

// A name sought, trimmed, as folded bytes; nullopt when no line can hold it (a character that
// neither is in Windows-1252 nor compares equal to one of its characters).
std::optional<QByteArray> FaltName(const QString& name) {
    const auto& z = Zeichen();
    const Faltung& f = Gefaltet();
    const QString getrimmt = name.trimmed();
    QByteArray bytes = NachCp1252(getrimmt);
    if (bytes.size() != getrimmt.size()) return std::nullopt; // beyond the 16-bit plane
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (z[b] != getrimmt[i]) {
            // Not in the code page; it may still equal one of its characters (the Kelvin
            // sign a "k", say).
            std::size_t a = 0;
            while (a < z.size() && z[a].compare(getrimmt.mid(i, 1), Qt::CaseInsensitive) != 0)
                ++a;
            if (a == z.size()) return std::nullopt;
            b = static_cast<unsigned char>(a);
        }
        bytes[i] = static_cast<char>(f[b]);
    }
    return bytes;
}

bool GleichGefaltet(const char* name, qsizetype laenge, const QByteArray& ziel) {
    if (laenge != ziel.size()) return false;
    const Faltung& f = Gefaltet();
    for (qsizetype k = 0; k < laenge; ++k)
        if (f[static_cast<unsigned char>(name[k])] != static_cast<unsigned char>(ziel[k]))
            return false;
    return true;
}

QByteArray Falte(QByteArray bytes) {
    const Faltung& f = Gefaltet();
    for (char& c : bytes)
        c = static_cast<char>(f[static_cast<unsigned char>(c)]);
    return bytes;
}

// The first byte that is no blank, or z.ende.
qsizetype ErstesZeichen(const QByteArray& inhalt, const Spanne& z) {
    qsizetype p = z.anfang;
    while (p < z.ende && IstLeerByte(inhalt[p]))
        ++p;
    return p;
}

// [von, bis) without the blanks at either end.
std::pair<qsizetype, qsizetype> OhneLeer(const QByteArray& inhalt, qsizetype von, qsizetype bis) {
    while (von < bis && IstLeerByte(inhalt[von]))
        ++von;
    while (bis > von && IstLeerByte(inhalt[bis - 1]))
        --bis;
    return {von, bis};
}

// A section header (as Deute decides it): a line that starts with a bracket and has a closing
// one after it. Returns where the closing bracket stands, or -1.
qsizetype KopfEnde(const QByteArray& inhalt, qsizetype p, const Spanne& z) {
    if (p == z.ende || inhalt[p] != '[') return -1;
    for (qsizetype zu = z.ende; zu > p + 1; --zu)
        if (inhalt[zu - 1] == ']') return zu - 1;
    return -1;
}

// Where the lines of the first section of that name begin: one pass over the bytes.
std::optional<qsizetype> AbschnittsAnfang(const QByteArray& inhalt, const QString& abschnitt) {
    const auto ziel = FaltName(abschnitt);
    if (!ziel) return std::nullopt;
    for (qsizetype i = inhalt.startsWith(kBom) ? kBom.size() : 0; i < inhalt.size();) {
        const Spanne z = ZeileAb(inhalt, i);
        i = z.weiter;
        const qsizetype p = ErstesZeichen(inhalt, z);
        const qsizetype zu = KopfEnde(inhalt, p, z);
        if (zu < 0) continue;
        const auto [von, bis] = OhneLeer(inhalt, p + 1, zu);
        if (GleichGefaltet(inhalt.constData() + von, bis - von, *ziel)) return z.weiter;
    }
    return std::nullopt;
}

// The values of several keys among the lines from anfang up to the next section header, in
// one pass: for each key the value of its first line, nullopt for a key not there.
std::vector<std::optional<QString>> WerteAb(const QByteArray& inhalt, qsizetype anfang,
                                            const QStringList& schluessel) {
    std::vector<std::optional<QByteArray>> ziele;
    for (const QString& s : schluessel)
        ziele.push_back(FaltName(s));
    std::vector<std::optional<QString>> werte(ziele.size());
    auto offen = static_cast<std::size_t>(
        std::count_if(ziele.begin(), ziele.end(), [](const auto& z) { return z.has_value(); }));
    const char* const daten = inhalt.constData();
    for (qsizetype i = anfang; i < inhalt.size() && offen > 0;) {
        const Spanne z = ZeileAb(inhalt, i);
        i = z.weiter;
        const qsizetype p = ErstesZeichen(inhalt, z);
        if (p == z.ende || daten[p] == ';') continue;
        if (KopfEnde(inhalt, p, z) >= 0) break; // the section has ended
        const char* gleich = static_cast<const char*>(
            std::memchr(daten + p, '=', static_cast<std::size_t>(z.ende - p)));
        if (!gleich) continue;
        const auto [von, bis] = OhneLeer(inhalt, p, gleich - daten);
        for (std::size_t k = 0; k < ziele.size(); ++k) {
            if (werte[k] || !ziele[k] || !GleichGefaltet(daten + von, bis - von, *ziele[k]))
                continue;
            werte[k] = Deute(inhalt.mid(z.anfang, z.ende - z.anfang)).wert;
            --offen;
        }
    }
    return werte;
}

// A whole number in an INI file: blanks, a sign, then decimal digits (a signed 32-bit value)
// or "0x"/"0X" and hexadecimal digits (a 32-bit pattern: "0xFFFFFFFF" is -1), nothing after.
// Edits follow a convention of their own ("$" for hexadecimal), so this rule is kept apart
// from theirs.
bool IniGanzzahl(const QString& text, int& wert) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negativ = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negativ = text[i++] == u'-';
    const bool hex = i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X');
    if (hex) i += 2;
    if (i == n) return false;
    const std::uint64_t grenze = hex ? 0xFFFFFFFFull : (negativ ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t betrag = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int ziffer = -1;
        if (c >= u'0' && c <= u'9')
            ziffer = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            ziffer = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            ziffer = c - u'A' + 10;
        if (ziffer < 0) return false;
        betrag = betrag * (hex ? 16 : 10) + static_cast<unsigned>(ziffer);
        if (betrag > grenze) return false;
    }
    auto muster = static_cast<std::uint32_t>(betrag);
    if (negativ) muster = 0u - muster;
    wert = static_cast<std::int32_t>(muster);
    return true;
}

void MitZeilenende(std::vector<Zeile>& zeilen, std::size_t vor) {
    if (vor > 0 && zeilen[vor - 1].ende.isEmpty()) zeilen[vor - 1].ende = kZeilenende;
}

QByteArray MitEintrag(const QByteArray& alt, const QString& bereich, const QString& name,
                      const QByteArray& eintrag) {
    Text text = Zerlege(alt);
    auto& zeilen = text.zeilen;
    const Fundstelle fund = Suche(zeilen, bereich, name);
    if (fund.schluessel) {
        zeilen[*fund.schluessel] = {eintrag, kZeilenende};
    } else if (fund.abschnitt) {
        MitZeilenende(zeilen, fund.einfuegen);
        zeilen.insert(zeilen.begin() + static_cast<std::ptrdiff_t>(fund.einfuegen),
                      {eintrag, kZeilenende});
    } else {
        MitZeilenende(zeilen, zeilen.size());
        if (!zeilen.empty() && Deute(zeilen.back().text).art != Art::Leer)
            zeilen.push_back({{}, kZeilenende});
        zeilen.push_back({NachCp1252(u'[' + bereich + u']'), kZeilenende});
        zeilen.push_back({eintrag, kZeilenende});
    }
    return Verbinde(text);
}

// Several entries of one section in one pass over the lines, with the bytes that MitEintrag
// one entry after the other would leave: each replaces the first line of its name in the first
// section of that name, the missing ones follow the section's last entry in their order (a
// missing section is added first). That holds where the header and every entry read back as
// what they are written for; where one does not (a key that starts a comment, a name outside
// the code page) the entries are written one by one.
QByteArray MitEintraegen(const QByteArray& alt, const QString& bereich,
                         const std::vector<std::pair<QString, QByteArray>>& eintraege) {
    const QByteArray kopf = NachCp1252(u'[' + bereich + u']');
    const Deutung k = Deute(kopf);
    bool einzeln = k.art != Art::Abschnitt || !GleicherName(k.name, bereich);
    std::vector<QByteArray> namen;
    for (const auto& [name, eintrag] : eintraege) {
        const Deutung d = Deute(eintrag);
        einzeln = einzeln || d.art != Art::Schluessel || !GleicherName(d.name, name);
        namen.push_back(FaltName(name).value_or(QByteArray()));
    }
    if (einzeln) {
        QByteArray inhalt = alt;
        for (const auto& [name, eintrag] : eintraege)
            inhalt = MitEintrag(inhalt, bereich, name, eintrag);
        return inhalt;
    }

    // The bytes of the file stay where they are; only the lines of the entries change and the
    // new lines go in at one place, so a large file is not taken apart line by line.
    const QByteArray gesucht = FaltName(bereich).value_or(QByteArray());
    std::optional<Spanne> kopfZeile;
    Spanne letzte{}; // the section's last entry or other line, or the last line of the file
    std::vector<std::optional<Spanne>> stellen(namen.size());
    const char* const daten = alt.constData();
    for (qsizetype i = alt.startsWith(kBom) ? kBom.size() : 0; i < alt.size();) {
        const Spanne z = ZeileAb(alt, i);
        i = z.weiter;
        const qsizetype p = ErstesZeichen(alt, z);
        const qsizetype zu = KopfEnde(alt, p, z);
        if (!kopfZeile) {
            letzte = z;
            if (zu < 0) continue;
            const auto [von, bis] = OhneLeer(alt, p + 1, zu);
            if (GleichGefaltet(daten + von, bis - von, gesucht)) kopfZeile = z;
            continue;
        }
        if (zu >= 0) break;
        if (p == z.ende || daten[p] == ';') continue;
        letzte = z; // new entries follow the last entry of the section, as in Suche
        const char* gleich = static_cast<const char*>(
            std::memchr(daten + p, '=', static_cast<std::size_t>(z.ende - p)));
        if (!gleich) continue;
        const auto [von, bis] = OhneLeer(alt, p, gleich - daten);
        for (std::size_t n = 0; n < namen.size(); ++n)
            if (!stellen[n] && GleichGefaltet(daten + von, bis - von, namen[n])) stellen[n] = z;
    }

    std::map<qsizetype, std::pair<qsizetype, QByteArray>> ersetzt; // line start: its end, bytes
    std::vector<QByteArray> neu, neuNamen;
    for (std::size_t n = 0; n < eintraege.size(); ++n) {
        const QByteArray zeile = eintraege[n].second + kZeilenende;
        if (stellen[n]) {
            ersetzt[stellen[n]->anfang] = {stellen[n]->weiter, zeile};
            continue;
        }
        const auto schon = std::find(neuNamen.begin(), neuNamen.end(), namen[n]);
        if (schon != neuNamen.end()) {
            neu[static_cast<std::size_t>(schon - neuNamen.begin())] = zeile;
        } else {
            neu.push_back(zeile);
            neuNamen.push_back(namen[n]);
        }
    }
    const bool hatZeilen = alt.size() > (alt.startsWith(kBom) ? kBom.size() : 0);
    // A line without its line end can only be the file's last one.
    const bool ohneEnde =
        hatZeilen && letzte.ende == letzte.weiter && !ersetzt.count(letzte.anfang);
    QByteArray einschub;
    qsizetype ort = alt.size();
    if (kopfZeile) {
        ort = letzte.weiter;
        if (!neu.empty() && ohneEnde) einschub += kZeilenende;
    } else {
        if (ohneEnde) einschub += kZeilenende;
        if (hatZeilen && ErstesZeichen(alt, letzte) != letzte.ende) einschub += kZeilenende;
        einschub += kopf + kZeilenende;
    }
    for (const QByteArray& zeile : neu)
        einschub += zeile;

    QByteArray aus;
    aus.reserve(alt.size() + einschub.size() + 64 * qsizetype(ersetzt.size()));
    qsizetype pos = 0;
    for (const auto& [anfang, rest] : ersetzt) {
        aus.append(daten + pos, anfang - pos);
        aus += rest.second;
        pos = rest.first;
    }
    aus.append(daten + pos, ort - pos);
    aus += einschub;
    aus.append(daten + ort, alt.size() - ort);
    return aus;
}

} // namespace

IniDatei::IniDatei(QString pfad) : pfad_(std::move(pfad)) {}

// A file that cannot be read reads as an empty one.
const QByteArray& IniDatei::Inhalt() const {
    if (!inhalt_) {
        inhalt_ = dateizugriff::Lies(pfad_).value_or(QByteArray());
        anfaenge_.clear();
        vorausGelesen_.clear();
    }
    return *inhalt_;
}

std::optional<qsizetype> IniDatei::Anfang(const QString& abschnitt) const {
    const QByteArray& inhalt = Inhalt();
    const QString name = abschnitt.trimmed().toCaseFolded();
    auto anfang = anfaenge_.constFind(name);
    if (anfang == anfaenge_.constEnd())
        anfang = anfaenge_.insert(name, AbschnittsAnfang(inhalt, abschnitt));
    return *anfang;
}

void IniDatei::LeseVoraus(const QString& abschnitt, const QStringList& schluessel) const {
    const auto anfang = Anfang(abschnitt);
    const auto werte = anfang ? WerteAb(Inhalt(), *anfang, schluessel)
                              : std::vector<std::optional<QString>>(schluessel.size());
    for (qsizetype k = 0; k < schluessel.size(); ++k)
        vorausGelesen_.insert({abschnitt, schluessel[k]}, werte[static_cast<std::size_t>(k)]);
}

std::optional<QString> IniDatei::LiesWert(const QString& abschnitt,
                                          const QString& schluessel) const {
    if (const auto gelesen = vorausGelesen_.constFind({abschnitt, schluessel});
        gelesen != vorausGelesen_.constEnd())
        return *gelesen;
    const auto anfang = Anfang(abschnitt);
    if (!anfang) return std::nullopt;
    return WerteAb(Inhalt(), *anfang, {schluessel}).front();
}

QStringList IniDatei::Abschnitte() const {
    const QByteArray& inhalt = Inhalt();
    QStringList namen;
    QSet<QByteArray> gesehen; // folded, so a long site list loads in linear time
    for (qsizetype i = inhalt.startsWith(kBom) ? kBom.size() : 0; i < inhalt.size();) {
        const Spanne z = ZeileAb(inhalt, i);
        i = z.weiter;
        const qsizetype p = ErstesZeichen(inhalt, z);
        const qsizetype zu = KopfEnde(inhalt, p, z);
        if (zu < 0) continue;
        const auto [von, bis] = OhneLeer(inhalt, p + 1, zu);
        const QByteArray name = inhalt.mid(von, bis - von);
        const QByteArray gefaltet = Falte(name);
        if (gesehen.contains(gefaltet)) continue;
        gesehen.insert(gefaltet);
        namen.append(AusCp1252(name));
    }
    return namen;
}

QList<QPair<QString, QString>> IniDatei::Eintraege(const QString& abschnitt) const {
    QList<QPair<QString, QString>> eintraege;
    const auto anfang = Anfang(abschnitt);
    if (!anfang) return eintraege;
    const QByteArray& inhalt = Inhalt();
    const char* const daten = inhalt.constData();
    QSet<QByteArray> gesehen;
    for (qsizetype i = *anfang; i < inhalt.size();) {
        const Spanne z = ZeileAb(inhalt, i);
        i = z.weiter;
        const qsizetype p = ErstesZeichen(inhalt, z);
        if (p == z.ende || daten[p] == ';') continue;
        if (KopfEnde(inhalt, p, z) >= 0) break;
        const char* gleich = static_cast<const char*>(
            std::memchr(daten + p, '=', static_cast<std::size_t>(z.ende - p)));
        if (!gleich) continue;
        const auto [von, bis] = OhneLeer(inhalt, p, gleich - daten);
        const QByteArray gefaltet = Falte(inhalt.mid(von, bis - von));
        if (gesehen.contains(gefaltet)) continue;
        gesehen.insert(gefaltet);
        const Deutung d = Deute(inhalt.mid(z.anfang, z.ende - z.anfang));
        eintraege.append({d.name, d.wert});
    }
    return eintraege;
}

bool IniDatei::HatSchluessel(const QString& abschnitt, const QString& schluessel) const {
    return LiesWert(abschnitt, schluessel).has_value();
}

QString IniDatei::LeseText(const QString& abschnitt, const QString& schluessel,
                           const QString& vorgabe) const {
    return LiesWert(abschnitt, schluessel).value_or(vorgabe);
}

int IniDatei::LeseGanzzahl(const QString& abschnitt, const QString& schluessel, int vorgabe) const {
    int wert = 0;
    const auto text = LiesWert(abschnitt, schluessel);
    return text && IniGanzzahl(*text, wert) ? wert : vorgabe;
}

double IniDatei::LeseGleitkomma(const QString& abschnitt, const QString& schluessel,
                                double vorgabe) const {
    const auto text = LiesWert(abschnitt, schluessel);
    if (!text) return vorgabe;
    double wert = vorgabe;
    if (zahltext::LeseDateizahl(*text, wert) != zahltext::Dateizahl::Gruppiert) return wert;
    // Line by line: a message box keeps each line whole.
    throw zahltext::KonvertierFehler(
        QCoreApplication::translate("IniDatei",
                                    "In %1\nist %2=%3 im Abschnitt [%4] keine eindeutige "
                                    "Zahl:\nsie hat Tausendertrennzeichen oder Punkt und "
                                    "Komma zugleich.\nZahlen stehen dort ohne "
                                    "Tausendertrennzeichen, etwa 1234,5 oder 1234.5.")
            .arg(pfad_, schluessel, *text, abschnitt));
}

bool IniDatei::LeseBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const {
    return LeseGanzzahl(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
}

void IniDatei::SchreibeText(const QString& abschnitt, const QString& schluessel,
                            const QString& wert) {
    SchreibeTexte(abschnitt, {{schluessel, wert}});
}

void IniDatei::SchreibeTexte(const QString& abschnitt,
                             const QList<QPair<QString, QString>>& eintraege) {
    if (eintraege.isEmpty()) return;
    const QString bereich = Einzeilig(abschnitt).trimmed();
    std::vector<std::pair<QString, QByteArray>> zeilen;
    zeilen.reserve(static_cast<std::size_t>(eintraege.size()));
    for (const auto& [schluessel, wert] : eintraege) {
        const QString name = Einzeilig(schluessel).trimmed();
        zeilen.emplace_back(name, NachCp1252(name + u'=' + Einzeilig(wert)));
    }
    // What was read before no longer stands once the file is written (or failed to be).
    inhalt_.reset();
    anfaenge_.clear();
    vorausGelesen_.clear();
    bool belegt = false;
    const bool ersetzt = dateizugriff::Ersetze(
        pfad_, [&](const QByteArray& alt) { return MitEintraegen(alt, bereich, zeilen); }, &belegt);
    if (!ersetzt) throw SchreibFehler(pfad_, belegt);
}

void IniDatei::SchreibeGanzzahl(const QString& abschnitt, const QString& schluessel, int wert) {
    SchreibeText(abschnitt, schluessel, QString::number(wert));
}

void IniDatei::SchreibeGleitkomma(const QString& abschnitt, const QString& schluessel,
                                  double wert) {
    SchreibeText(abschnitt, schluessel, zahltext::Allgemein(wert));
}

void IniDatei::SchreibeBool(const QString& abschnitt, const QString& schluessel, bool wert) {
    SchreibeText(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray NachCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t zeichen : text.toUcs4()) {
        char byte = '?';
        if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
            byte = static_cast<char>(zeichen);
        } else {
            for (std::size_t i = 0; i < kObereSteuerzeichen.size(); ++i)
                if (kObereSteuerzeichen[i] == zeichen) byte = static_cast<char>(0x80 + i);
        }
        bytes += byte;
    }
    return bytes;
}

QString AusCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text +=
            (byte >= 0x80 && byte < 0xA0) ? QChar(kObereSteuerzeichen[byte - 0x80]) : QChar(byte);
    }
    return text;
}
