#include "wetter/rohdaten.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace wetter::roh {

Zeilenleser::Zeilenleser(const QByteArray& bytes)
    : pos_(bytes.constData()), ende_(bytes.constData() + bytes.size()) {
    if (ende_ - pos_ >= 3 && std::memcmp(pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
}

bool Zeilenleser::Naechste(std::string_view& zeile) {
    if (pos_ >= ende_) return false;
    const char* nl = static_cast<const char*>(std::memchr(pos_, '\n', ende_ - pos_));
    const char* e = nl ? nl : ende_;
    const char* z = e;
    if (z > pos_ && z[-1] == '\r') --z;
    zeile = std::string_view(pos_, static_cast<std::size_t>(z - pos_));
    pos_ = nl ? nl + 1 : ende_;
    ++nummer_;
    return true;
}

std::size_t Zeilenzahl(const QByteArray& bytes) {
    std::size_t n = 0;
    const char* p = bytes.constData();
    const char* e = p + bytes.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\n', e - p)))) {
        ++n;
        ++p;
    }
    return n + 1;
}

void Teile(std::string_view zeile, std::vector<std::string_view>& felder, std::size_t hoechstens) {
    felder.clear();
    const char* p = zeile.data();
    const char* e = p + zeile.size();
    while (felder.size() < hoechstens) {
        const char* s = p;
        while (s < e && (*s == ' ' || *s == '\t'))
            ++s;
        if (s < e && *s == '"') {
            const char* q = s + 1;
            while (q < e && !(*q == '"' && (q + 1 == e || q[1] != '"')))
                q += (*q == '"') ? 2 : 1;
            felder.emplace_back(s + 1, static_cast<std::size_t>((q < e ? q : e) - (s + 1)));
            p = q < e ? q + 1 : e;
            const char* k = static_cast<const char*>(std::memchr(p, ',', e - p));
            if (!k) return;
            p = k + 1;
            continue;
        }
        const char* k = static_cast<const char*>(std::memchr(p, ',', e - p));
        felder.emplace_back(p, static_cast<std::size_t>((k ? k : e) - p));
        if (!k) return;
        p = k + 1;
    }
}

std::string_view OhneRand(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool BeginntMit(std::string_view s, std::string_view anfang) {
    if (s.size() < anfang.size()) return false;
    for (std::size_t i = 0; i < anfang.size(); ++i) {
        char a = s[i], b = anfang[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

Wert LiesZahl(std::string_view feld, double& x) {
    feld = OhneRand(feld);
    if (feld.empty()) return Wert::Leer;
    if (feld.front() == '+') {
        feld.remove_prefix(1);
        if (feld.empty() || feld.front() == '-' || feld.front() == '+') return Wert::Falsch;
    }
    const auto [ende, fehler] = std::from_chars(feld.data(), feld.data() + feld.size(), x);
    if (fehler != std::errc() || ende != feld.data() + feld.size() || std::isinf(x))
        return Wert::Falsch;
    return Wert::Zahl;
}

bool LiesGanzzahl(std::string_view feld, int von, int bis, int& x) {
    double d = 0;
    if (LiesZahl(feld, d) != Wert::Zahl || !(d >= von && d <= bis) || d != std::floor(d))
        return false;
    x = static_cast<int>(d);
    return true;
}

int Zeichen(std::string_view linie, std::size_t byte) {
    int n = 1;
    for (std::size_t i = 0; i < byte && i < linie.size(); ++i)
        if ((static_cast<unsigned char>(linie[i]) & 0xC0) != 0x80) ++n;
    return n;
}

QString Gefunden(std::string_view text) {
    QString s = QString::fromUtf8(text.data(),
                                  static_cast<qsizetype>(std::min<std::size_t>(text.size(), 400)));
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) c = u'?';
    if (s.size() > 40) s = s.left(39) + QChar(0x2026);
    return s;
}

Ablehnung Feldfehler(Grund grund, long long zeile, std::string_view linie, std::string_view feld,
                     int spalte, Erwartung erwartet, Groesse groesse) {
    Ablehnung a;
    a.grund = grund;
    a.zeile = zeile;
    a.spalte = spalte;
    const std::size_t byte =
        feld.data() >= linie.data() && feld.data() <= linie.data() + linie.size()
            ? static_cast<std::size_t>(feld.data() - linie.data())
            : 0;
    a.zeichen = Zeichen(linie, byte);
    a.erwartet = erwartet;
    a.groesse = groesse;
    a.gefunden = Gefunden(feld);
    return a;
}

Ablehnung Zeilenende(Grund grund, long long zeile, std::string_view linie, int spalte,
                     Erwartung erwartet, Groesse groesse) {
    Ablehnung a;
    a.grund = grund;
    a.zeile = zeile;
    a.spalte = spalte;
    a.zeichen = Zeichen(linie, linie.size());
    a.erwartet = erwartet;
    a.groesse = groesse;
    return a;
}

bool GueltigesDatum(int jahr, int monat, int tag) {
    if (monat < 1 || monat > 12 || tag < 1) return false;
    return tag <= (monat == 2 ? 29 : TageImMonat(jahr, monat));
}

} // namespace wetter::roh
