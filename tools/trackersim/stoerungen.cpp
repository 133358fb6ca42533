#include "tools/trackersim/stoerungen.h"

namespace trackersim {

std::vector<std::uint8_t> Zufall::Rauschen(unsigned anzahl) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> r;
    r.reserve(anzahl);
    while (r.size() < anzahl) {
        const auto b = static_cast<std::uint8_t>(byte(gen_));
        if (b != 0x55 && b != 0x0D) r.push_back(b);
    }
    return r;
}

bool Zufall::Wahr(double wahrscheinlichkeit) {
    if (wahrscheinlichkeit <= 0) return false;
    return std::uniform_real_distribution<double>(0, 1)(gen_) < wahrscheinlichkeit;
}

} // namespace trackersim
