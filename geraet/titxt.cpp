#include "geraet/titxt.h"

#include <cstdio>

namespace titxt {

namespace {

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
    if (c == ' ') return "das Leerzeichen";
    char text[24];
    std::snprintf(text, sizeof text, "das Zeichen 0x%02X", code);
    return text;
}

std::string Zeile(std::size_t i) {
    return "Zeile " + std::to_string(i + 1);
}

std::string Stelle(std::size_t i, std::size_t spalte) {
    return Zeile(i) + ", Spalte " + std::to_string(spalte + 1);
}

// The fault of a data line, or empty; n receives its number of bytes.
std::string PruefeDaten(std::string_view z, std::size_t i, std::size_t& n) {
    n = 0;
    std::size_t p = 0;
    for (;;) {
        for (std::size_t k = p; k < p + 2; ++k) {
            if (k == z.size())
                return Zeile(i) + ": Das letzte Byte hat nur eine Hexadezimalziffer.";
            if (z[k] == ' ')
                return Stelle(i, k) + ": Die Bytes sind durch genau ein Leerzeichen getrennt.";
            if (!IstHex(z[k]))
                return Stelle(i, k) + ": " + Gezeigt(z[k]) + " ist keine Hexadezimalziffer.";
        }
        ++n;
        p += 2;
        if (p == z.size() || (p + 1 == z.size() && z[p] == ' ')) break;
        if (z[p] != ' ')
            return Stelle(i, p) + ": Zwischen zwei Bytes steht genau ein Leerzeichen, nicht " +
                   Gezeigt(z[p]) + ".";
        ++p;
    }
    if (n > GroessteZeile)
        return Zeile(i) + " hat " + std::to_string(n) + " Bytes; ein Rahmen fasst höchstens " +
               std::to_string(GroessteZeile) + ".";
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
        if (z.empty()) return fehler(i, Zeile(i) + " ist leer.");
        switch (Art(z)) {
        case Zeilenart::Adresse: {
            bool gut = z.size() == 5;
            for (std::size_t k = 1; gut && k < 5; ++k)
                gut = IstHex(z[k]);
            if (!gut)
                return fehler(i, Zeile(i) +
                                     ": Eine Adresszeile ist \"@\" und genau vier "
                                     "Hexadezimalziffern (\"@F000\"), nicht \"" +
                                     z + "\".");
            adresseGesehen = true;
            adresse = Adresse(z);
            break;
        }
        case Zeilenart::Ende:
            if (const std::size_t danach = zeilen.size() - i - 1; danach > 0)
                return fehler(i, Zeile(i) + ": \"q\" beendet das Image, danach " +
                                     (danach == 1 ? std::string("steht aber noch eine Zeile.")
                                                  : "stehen aber noch " + std::to_string(danach) +
                                                        " Zeilen."));
            if (z != "q")
                return fehler(i, Zeile(i) + ": Die letzte Zeile ist genau \"q\", nicht \"" + z +
                                     "\".");
            break;
        case Zeilenart::Daten: {
            if (!adresseGesehen) return fehler(i, Zeile(i) + ": Daten vor der ersten Adresszeile.");
            std::size_t n = 0;
            std::string f = PruefeDaten(z, i, n);
            if (!f.empty()) return fehler(i, std::move(f));
            if (adresse + n > 0x10000)
                return fehler(i, Zeile(i) + ": Die Daten reichen über die Adresse FFFF hinaus.");
            adresse += n;
            break;
        }
        }
    }
    if (zeilen.empty()) {
        p.fehler = "Die Datei ist leer.";
        return p;
    }
    if (zeilen.back() != "q")
        return fehler(zeilen.size() - 1,
                      "Die letzte Zeile (" + Zeile(zeilen.size() - 1) + ") ist nicht \"q\".");
    if (p.segmente < 3) {
        p.fehler = "Das Image hat " + std::to_string(p.segmente) +
                   (p.segmente == 1 ? " Adresszeile" : " Adresszeilen") +
                   "; ein gültiges hat mindestens drei.";
        return p;
    }
    p.gueltig = true;
    return p;
}

} // namespace titxt
