#include "basis/inidatei.h"

#include "basis/dateizugriff.h"
#include "basis/zahltext.h"

#include <QSet>
#include <array>
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

// CRLF, LF and a lone CR each end a line.
Text Zerlege(const QByteArray& inhalt) {
    Text text;
    qsizetype anfang = inhalt.startsWith(kBom) ? kBom.size() : 0;
    text.bom = inhalt.left(anfang);
    const qsizetype n = inhalt.size();
    while (anfang < n) {
        qsizetype ende = anfang;
        while (ende < n && inhalt[ende] != '\r' && inhalt[ende] != '\n')
            ++ende;
        qsizetype weiter = ende;
        if (weiter < n)
            weiter += (inhalt[ende] == '\r' && ende + 1 < n && inhalt[ende + 1] == '\n') ? 2 : 1;
        text.zeilen.push_back({inhalt.mid(anfang, ende - anfang), inhalt.mid(ende, weiter - ende)});
        anfang = weiter;
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

// A file that cannot be read reads as an empty one.
std::vector<Zeile> LiesZeilen(const QString& pfad) {
    return Zerlege(dateizugriff::Lies(pfad).value_or(QByteArray())).zeilen;
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

std::optional<QString> LiesWert(const QString& pfad, const QString& abschnitt,
                                const QString& schluessel) {
    const auto zeilen = LiesZeilen(pfad);
    const Fundstelle fund = Suche(zeilen, abschnitt, schluessel);
    if (!fund.schluessel) return std::nullopt;
    return Deute(zeilen[*fund.schluessel].text).wert;
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

} // namespace

IniDatei::IniDatei(QString pfad) : pfad_(std::move(pfad)) {}

QStringList IniDatei::Abschnitte() const {
    QStringList namen;
    QSet<QString> gesehen; // case-folded, so a long site list loads in linear time
    for (const Zeile& z : LiesZeilen(pfad_)) {
        const Deutung d = Deute(z.text);
        if (d.art != Art::Abschnitt) continue;
        const QString schluessel = d.name.toCaseFolded();
        if (gesehen.contains(schluessel)) continue;
        gesehen.insert(schluessel);
        namen.append(d.name);
    }
    return namen;
}

QList<QPair<QString, QString>> IniDatei::Eintraege(const QString& abschnitt) const {
    QList<QPair<QString, QString>> eintraege;
    QSet<QString> gesehen;
    const auto zeilen = LiesZeilen(pfad_);
    const Fundstelle fund = Suche(zeilen, abschnitt, QString());
    if (!fund.abschnitt) return eintraege;
    for (std::size_t i = *fund.abschnitt + 1; i < zeilen.size(); ++i) {
        const Deutung d = Deute(zeilen[i].text);
        if (d.art == Art::Abschnitt) break;
        if (d.art != Art::Schluessel) continue;
        const QString schluessel = d.name.toCaseFolded();
        if (gesehen.contains(schluessel)) continue;
        gesehen.insert(schluessel);
        eintraege.append({d.name, d.wert});
    }
    return eintraege;
}

bool IniDatei::HatSchluessel(const QString& abschnitt, const QString& schluessel) const {
    return LiesWert(pfad_, abschnitt, schluessel).has_value();
}

QString IniDatei::LeseText(const QString& abschnitt, const QString& schluessel,
                           const QString& vorgabe) const {
    return LiesWert(pfad_, abschnitt, schluessel).value_or(vorgabe);
}

int IniDatei::LeseGanzzahl(const QString& abschnitt, const QString& schluessel, int vorgabe) const {
    int wert = 0;
    const auto text = LiesWert(pfad_, abschnitt, schluessel);
    return text && zahltext::VersucheGanzzahl(*text, wert) ? wert : vorgabe;
}

double IniDatei::LeseGleitkomma(const QString& abschnitt, const QString& schluessel,
                                double vorgabe) const {
    double wert = 0;
    const auto text = LiesWert(pfad_, abschnitt, schluessel);
    return text && zahltext::VersucheGleitkomma(*text, wert) ? wert : vorgabe;
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
    const bool ersetzt = dateizugriff::Ersetze(pfad_, [&](const QByteArray& alt) {
        QByteArray inhalt = alt;
        for (const auto& [name, eintrag] : zeilen)
            inhalt = MitEintrag(inhalt, bereich, name, eintrag);
        return inhalt;
    });
    if (!ersetzt) throw SchreibFehler(pfad_);
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
