#include "tools/trackersim/rahmenleser.h"

#include "seriallink/rahmen.h"

#include <algorithm>

namespace trackersim {

std::vector<EmpfangenerRahmen> Rahmenleser::Lies(std::span<const std::uint8_t> bytes, Zeit jetzt) {
    std::vector<EmpfangenerRahmen> fertig;
    if (bytes.empty()) return fertig;
    letztesByte_ = jetzt;
    puffer_.insert(puffer_.end(), bytes.begin(), bytes.end());
    Suche(fertig);
    return fertig;
}

std::vector<EmpfangenerRahmen> Rahmenleser::Takt(Zeit jetzt) {
    std::vector<EmpfangenerRahmen> fertig;
    if (puffer_.empty() || jetzt - letztesByte_ < Pause) return fertig;
    // Nothing more comes for what waits here: every candidate still open is dead, but a
    // complete frame may stand behind its start byte.
    while (!puffer_.empty()) {
        puffer_.erase(puffer_.begin());
        Suche(fertig);
    }
    return fertig;
}

std::optional<Zeit> Rahmenleser::Frist() const {
    if (puffer_.empty()) return std::nullopt;
    return letztesByte_ + Pause;
}

void Rahmenleser::Suche(std::vector<EmpfangenerRahmen>& fertig) {
    const std::size_t kopf = mitNullbyte_ ? 4 : 3;
    for (;;) {
        puffer_.erase(puffer_.begin(),
                      std::find(puffer_.begin(), puffer_.end(), rahmen::StartAnfrage));
        if (puffer_.size() < 3) return;
        const std::size_t gesamt = kopf + puffer_[2] + 2;
        const bool unmoeglich = gesamt > rahmen::GroessterRahmen ||
                                (mitNullbyte_ && puffer_.size() > 3 && puffer_[3] != 0x00);
        if (!unmoeglich && puffer_.size() < gesamt) return; // the rest is still on its way
        if (unmoeglich || puffer_[gesamt - 1] != rahmen::Ende) {
            // Not a start byte after all: look again from the byte after it.
            puffer_.erase(puffer_.begin());
            continue;
        }
        EmpfangenerRahmen r;
        r.kommando = puffer_[1];
        r.nutzdaten.assign(puffer_.begin() + kopf, puffer_.begin() + gesamt - 2);
        r.pruefsummeOk =
            puffer_[gesamt - 2] == rahmen::Pruefsumme(std::span(puffer_).first(gesamt - 2));
        fertig.push_back(std::move(r));
        puffer_.erase(puffer_.begin(), puffer_.begin() + gesamt);
    }
}

} // namespace trackersim
