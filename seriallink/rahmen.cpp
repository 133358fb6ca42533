#include "seriallink/rahmen.h"

#include <algorithm>

namespace rahmen {

namespace {

Bytes Baue(std::uint8_t start, std::uint8_t kommando, std::span<const std::uint8_t> nutzdaten,
           bool mitNullbyte) {
    const auto n = static_cast<std::uint8_t>(std::min<std::size_t>(nutzdaten.size(), 255));
    Bytes r;
    r.reserve(n + 6u);
    r.push_back(start);
    r.push_back(kommando);
    r.push_back(n);
    if (mitNullbyte) r.push_back(0x00);
    r.insert(r.end(), nutzdaten.begin(), nutzdaten.begin() + n);
    r.push_back(Pruefsumme(r));
    r.push_back(Ende);
    return r;
}

} // namespace

std::uint8_t Pruefsumme(std::span<const std::uint8_t> bytes) {
    unsigned summe = 1;
    for (const std::uint8_t b : bytes)
        summe += b;
    return static_cast<std::uint8_t>(summe & 0xFF);
}

Bytes Anfrage(std::uint8_t kommando, std::span<const std::uint8_t> nutzdaten) {
    return Baue(StartAnfrage, kommando, nutzdaten, true);
}

Bytes BootloaderRahmen(std::uint8_t kommando, std::span<const std::uint8_t> nutzdaten) {
    return Baue(StartAnfrage, kommando, nutzdaten, false);
}

Bytes Antwort(std::uint8_t kommando, std::span<const std::uint8_t> nutzdaten) {
    return Baue(StartAntwort, kommando, nutzdaten, false);
}

bool AntwortPasst(std::span<const std::uint8_t> kandidat) {
    if (kandidat.size() < 3) return false;
    const std::size_t n = kandidat[2];
    if (kandidat.size() < n + 5) return false;
    return kandidat[3 + n] == Pruefsumme(kandidat.first(3 + n));
}

} // namespace rahmen
