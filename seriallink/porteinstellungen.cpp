#include "seriallink/porteinstellungen.h"

#include <charconv>
#include <string>

namespace {

std::string Klein(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool Zahl(std::string_view s, unsigned long& wert) {
    if (s.empty()) return false;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    return fehler == std::errc() && ende == s.data() + s.size();
}

} // namespace

bool WendeEinstellstringAn(Porteinstellungen& r, std::string_view text) {
    Porteinstellungen neu = r;
    // What the string leaves unnamed: binary transfer, no handshake of any kind.
    neu.fBinary = true;
    neu.fOutxCtsFlow = neu.fOutxDsrFlow = false;
    neu.fRtsControl = Porteinstellungen::RtsDisable;
    neu.fDtrControl = Porteinstellungen::DtrDisable;
    neu.fOutX = neu.fInX = false;
    neu.fAbortOnError = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        if (pos >= text.size()) break;
        auto ende = text.find(' ', pos);
        if (ende == std::string_view::npos) ende = text.size();
        const std::string_view teil = text.substr(pos, ende - pos);
        pos = ende;
        const auto gleich = teil.find('=');
        if (gleich == std::string_view::npos) return false;
        const std::string name = Klein(teil.substr(0, gleich));
        const std::string wert = Klein(teil.substr(gleich + 1));
        unsigned long z = 0;
        if (name == "baud") {
            if (!Zahl(wert, z) || z == 0 || z > 4000000) return false;
            neu.BaudRate = static_cast<std::uint32_t>(z);
        } else if (name == "parity") {
            static constexpr std::string_view codes = "noems";
            const auto i = codes.find(wert.size() == 1 ? wert[0] : '?');
            if (i == std::string_view::npos) return false;
            neu.Parity = static_cast<std::uint8_t>(i);
            neu.fParity = i != 0;
        } else if (name == "data") {
            if (!Zahl(wert, z) || z < 5 || z > 8) return false;
            neu.ByteSize = static_cast<std::uint8_t>(z);
        } else if (name == "stop") {
            if (wert == "1")
                neu.StopBits = Porteinstellungen::EinStopbit;
            else if (wert == "1.5")
                neu.StopBits = Porteinstellungen::AnderthalbStopbits;
            else if (wert == "2")
                neu.StopBits = Porteinstellungen::ZweiStopbits;
            else
                return false;
        } else {
            return false;
        }
    }
    r = neu;
    return true;
}
