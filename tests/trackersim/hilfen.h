#pragma once
// Helpers of the simulator's tests: times, requests, and responses cut out of what the
// device sent.
#include "seriallink/rahmen.h"
#include "tools/trackersim/geraet.h"

#include <cmath>
#include <string>
#include <vector>

namespace trackersim::test {

inline Zeit S(double sekunden) {
    return Zeit{std::llround(sekunden * 1e6)};
}

inline Bytes Text(const std::string& t) {
    return Bytes(t.begin(), t.end());
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Responses in the byte stream, found as the application's receiver finds them: from a 0x55 up
// to the first 0xE5 that completes a matching envelope; bytes between them are skipped.
struct Antworten {
    std::vector<Bytes> rahmen;
    std::size_t uebersprungen = 0; // bytes outside any response
};

inline Antworten Zerlege(const Bytes& strom) {
    Antworten a;
    std::size_t i = 0;
    while (i < strom.size()) {
        if (strom[i] != rahmen::StartAntwort) {
            ++a.uebersprungen;
            ++i;
            continue;
        }
        std::size_t ende = i + 1;
        while (ende < strom.size() &&
               !(strom[ende] == rahmen::Ende &&
                 rahmen::AntwortPasst(std::span(strom).subspan(i, ende + 1 - i))))
            ++ende;
        if (ende == strom.size()) { // no matching end: not a response
            ++a.uebersprungen;
            ++i;
            continue;
        }
        a.rahmen.emplace_back(strom.begin() + i, strom.begin() + ende + 1);
        i = ende + 1;
    }
    return a;
}

} // namespace trackersim::test
