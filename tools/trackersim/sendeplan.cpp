#include "tools/trackersim/sendeplan.h"

namespace trackersim {

namespace {

constexpr long long BitsJeByte = 10;

} // namespace

Zeit Sendeplan::Bytedauer() const {
    if (baud_ == 0) return Zeit{0};
    return Zeit{BitsJeByte * 1'000'000 / baud_};
}

void Sendeplan::Anhaengen(const Bytes& bytes, Zeit jetzt) {
    if (bytes.empty()) return;
    const auto faellig = [&](long long n) {
        return baud_ == 0 ? jetzt : burstBeginn_ + Zeit{n * BitsJeByte * 1'000'000 / baud_};
    };
    if (baud_ == 0 || faellig(burstBytes_) <= jetzt) {
        // The line is idle: a new burst starts now.
        burstBeginn_ = jetzt;
        burstBytes_ = 0;
    }
    for (const std::uint8_t b : bytes)
        wartend_.emplace_back(faellig(++burstBytes_), b);
}

Bytes Sendeplan::Faellig(Zeit jetzt) {
    Bytes r;
    while (!wartend_.empty() && wartend_.front().first <= jetzt) {
        r.push_back(wartend_.front().second);
        wartend_.pop_front();
    }
    return r;
}

std::optional<Zeit> Sendeplan::Naechste() const {
    if (wartend_.empty()) return std::nullopt;
    return wartend_.front().first;
}

} // namespace trackersim
