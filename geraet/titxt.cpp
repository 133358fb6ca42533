#include "geraet/titxt.h"

#include "basis/sprache.h"

#include <QCoreApplication> // QT_TRANSLATE_NOOP
#include <cstdio>
#include <initializer_list>

namespace titxt {

namespace {

// A message in the reader's language (German without a translation, as in the tests).
std::string T(const char* format, std::initializer_list<std::string_view> argumente = {}) {
    return sprache::Text("titxt", format, argumente);
}

bool IstHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int Wert(char c) {
    const int code = static_cast<unsigned char>(c);
    if (code <= '9') return code - 0x30;
    if (c >= 'a' && c <= 'f') return code - 'a' + 10;
    return code - 0x37;
}

char Zeichen(std::string_view zeile, std::size_t i) {
    return i < zeile.size() ? zeile[i] : '0';
}

// A character as a message quotes it: printable ones as themselves, the others by code.
std::string Gezeigt(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 0x21 && code < 0x7F) return std::string("\"") + c + '"';
    if (c == ' ') return T(QT_TRANSLATE_NOOP("titxt", "das Leerzeichen"));
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X", code);
    return T(QT_TRANSLATE_NOOP("titxt", "das Zeichen 0x%1"), {hex});
}

std::string Zeile(std::size_t i) {
    return T(QT_TRANSLATE_NOOP("titxt", "Zeile %1"), {std::to_string(i + 1)});
}

std::string Stelle(std::size_t i, std::size_t spalte) {
    return T(QT_TRANSLATE_NOOP("titxt", "Zeile %1, Spalte %2"),
             {std::to_string(i + 1), std::to_string(spalte + 1)});
}

// The fault of a data line, or empty; n receives its number of bytes.
std::string PruefeDaten(std::string_view z, std::size_t i, std::size_t& n) {
    n = 0;
    std::size_t p = 0;
    for (;;) {
        for (std::size_t k = p; k < p + 2; ++k) {
            if (k == z.size())
                return T(QT_TRANSLATE_NOOP("titxt",
                                           "%1: Das letzte Byte hat nur eine Hexadezimalziffer."),
                         {Zeile(i)});
            if (z[k] == ' ')
                return T(QT_TRANSLATE_NOOP(
                             "titxt", "%1: Die Bytes sind durch genau ein Leerzeichen getrennt."),
                         {Stelle(i, k)});
            if (!IstHex(z[k]))
                return T(QT_TRANSLATE_NOOP("titxt", "%1: %2 ist keine Hexadezimalziffer."),
                         {Stelle(i, k), Gezeigt(z[k])});
        }
        ++n;
        p += 2;
        if (p == z.size() || (p + 1 == z.size() && z[p] == ' ')) break;
        if (z[p] != ' ')
            return T(QT_TRANSLATE_NOOP(
                         "titxt", "%1: Zwischen zwei Bytes steht genau ein Leerzeichen, nicht %2."),
                     {Stelle(i, p), Gezeigt(z[p])});
        ++p;
    }
    if (n > GroessteZeile)
        return T(QT_TRANSLATE_NOOP("titxt", "%1 hat %2 Bytes; ein Rahmen fasst höchstens %3."),
                 {Zeile(i), std::to_string(n), std::to_string(GroessteZeile)});
    return {};
}

} // namespace

Zeilenart Art(std::string_view zeile) {
    if (zeile.empty()) return Zeilenart::Daten;
    if (zeile.front() == '@') return Zeilenart::Adresse;
    if (zeile.front() == 'q') return Zeilenart::Ende;
    return Zeilenart::Daten;
}

std::uint8_t HexByte(char c1, char c2) {
    return static_cast<std::uint8_t>(Wert(c1) * 16 + Wert(c2));
}

std::uint16_t Adresse(std::string_view zeile) {
    return static_cast<std::uint16_t>(HexByte(Zeichen(zeile, 1), Zeichen(zeile, 2)) << 8 |
                                      HexByte(Zeichen(zeile, 3), Zeichen(zeile, 4)));
}

Bytes Datenbytes(std::string_view zeile) {
    Bytes b;
    b.reserve(zeile.size() / 3 + 1);
    for (std::size_t p = 0; p < zeile.size(); p += 3)
        b.push_back(HexByte(zeile[p], Zeichen(zeile, p + 1)));
    return b;
}

std::vector<std::string> Zeilen(std::string_view inhalt) {
    if (inhalt.substr(0, 3) == "\xEF\xBB\xBF") inhalt.remove_prefix(3);
    std::vector<std::string> zeilen;
    std::size_t beginn = 0;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] != '\n' && inhalt[i] != '\r') continue;
        zeilen.emplace_back(inhalt.substr(beginn, i - beginn));
        if (inhalt[i] == '\r' && i + 1 < inhalt.size() && inhalt[i + 1] == '\n') ++i;
        beginn = i + 1;
    }
    if (beginn < inhalt.size()) zeilen.emplace_back(inhalt.substr(beginn));
    return zeilen;
}

Pruefung Pruefe(const std::vector<std::string>& zeilen) {
    Pruefung p;
    for (const std::string& z : zeilen)
        if (Art(z) == Zeilenart::Adresse) ++p.segmente;
    const auto fehler = [&p](std::size_t i, std::string text) {
        p.fehlerzeile = static_cast<int>(i) + 1;
        p.fehler = std::move(text);
        return p;
    };

    bool adresseGesehen = false;
    unsigned long adresse = 0;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string& z = zeilen[i];
        if (z.empty()) return fehler(i, T(QT_TRANSLATE_NOOP("titxt", "%1 ist leer."), {Zeile(i)}));
        switch (Art(z)) {
        case Zeilenart::Adresse: {
            bool gut = z.size() == 5;
            for (std::size_t k = 1; gut && k < 5; ++k)
                gut = IstHex(z[k]);
            if (!gut)
                return fehler(i, T(QT_TRANSLATE_NOOP(
                                       "titxt", "%1: Eine Adresszeile ist \"@\" und genau vier "
                                                "Hexadezimalziffern (\"@F000\"), nicht \"%2\"."),
                                   {Zeile(i), z}));
            adresseGesehen = true;
            adresse = Adresse(z);
            break;
        }
        case Zeilenart::Ende:
            if (const std::size_t danach = zeilen.size() - i - 1; danach > 0)
                return fehler(
                    i,
                    danach == 1
                        ? T(QT_TRANSLATE_NOOP("titxt", "%1: \"q\" beendet das Image, danach steht "
                                                       "aber noch eine Zeile."),
                            {Zeile(i)})
                        : T(QT_TRANSLATE_NOOP("titxt", "%1: \"q\" beendet das Image, danach "
                                                       "stehen aber noch %2 Zeilen."),
                            {Zeile(i), std::to_string(danach)}));
            if (z != "q")
                return fehler(
                    i, T(QT_TRANSLATE_NOOP("titxt",
                                           "%1: Die letzte Zeile ist genau \"q\", nicht \"%2\"."),
                         {Zeile(i), z}));
            break;
        case Zeilenart::Daten: {
            if (!adresseGesehen)
                return fehler(i,
                              T(QT_TRANSLATE_NOOP("titxt", "%1: Daten vor der ersten Adresszeile."),
                                {Zeile(i)}));
            std::size_t n = 0;
            std::string f = PruefeDaten(z, i, n);
            if (!f.empty()) return fehler(i, std::move(f));
            if (adresse + n > 0x10000)
                return fehler(
                    i, T(QT_TRANSLATE_NOOP("titxt",
                                           "%1: Die Daten reichen über die Adresse FFFF hinaus."),
                         {Zeile(i)}));
            adresse += n;
            break;
        }
        }
    }
    if (zeilen.empty()) {
        p.fehler = T(QT_TRANSLATE_NOOP("titxt", "Die Datei ist leer."));
        return p;
    }
    if (zeilen.back() != "q")
        return fehler(zeilen.size() - 1,
                      T(QT_TRANSLATE_NOOP("titxt", "Die letzte Zeile (%1) ist nicht \"q\"."),
                        {Zeile(zeilen.size() - 1)}));
    if (p.segmente < 3) {
        p.fehler =
            p.segmente == 1
                ? T(QT_TRANSLATE_NOOP("titxt", "Das Image hat 1 Adresszeile; ein gültiges hat "
                                               "mindestens drei."))
                : T(QT_TRANSLATE_NOOP("titxt", "Das Image hat %1 Adresszeilen; ein gültiges "
                                               "hat mindestens drei."),
                    {std::to_string(p.segmente)});
        return p;
    }
    p.gueltig = true;
    return p;
}

} // namespace titxt
