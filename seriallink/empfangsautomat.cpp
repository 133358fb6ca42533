#include "seriallink/empfangsautomat.h"

void Empfangsautomat::Lies(std::span<const std::uint8_t> bytes, bool firmwareModus, Senke& senke) {
    if (firmwareModus) {
        for (const std::uint8_t b : bytes) {
            Zeilenschritt(b, senke);
            Rahmenschritt(b, senke);
        }
    } else {
        for (const std::uint8_t b : bytes)
            Rahmenschritt(b, senke);
    }
}

void Empfangsautomat::Rahmenschritt(std::uint8_t b, Senke& senke) {
    if (!sammelt_) {
        laenge_ = 0;
        if (b != rahmen::StartAntwort) return;
        puffer_[0] = b;
        laenge_ = 1;
        sammelt_ = true;
        return;
    }
    puffer_[laenge_++] = b;
    if (b == rahmen::Ende && !VorParameterende()) {
        const std::span<const std::uint8_t> kandidat(puffer_.data(), laenge_);
        if (rahmen::AntwortPasst(kandidat)) {
            ++rahmen_;
            sammelt_ = false;
            senke.RahmenGefunden(kandidat);
            return;
        }
        ++pruefsummenfehler_;
        if (laenge_ >= EndeAbLaenge) sammelt_ = false;
        senke.PruefsummeFalsch(kandidat);
        if (!sammelt_) return;
    }
    if (laenge_ == puffer_.size()) {
        ++verworfen_;
        sammelt_ = false;
    }
}

// The parameter response is the one response long enough for an 0xE5 in its payload or
// checksum to fall at 39 bytes or later: its layout is known, so its end byte is awaited.
bool Empfangsautomat::VorParameterende() const {
    return laenge_ > 3 && laenge_ < ParameterLaenge && puffer_[1] == ParameterKommando &&
           puffer_[2] == ParameterNutzdaten;
}

void Empfangsautomat::Zeilenschritt(std::uint8_t b, Senke& senke) {
    if (b == '\r') {
        senke.ZeileGefunden(zeile_);
        zeile_.clear();
        return;
    }
    if (b == 0 || zeile_.size() >= GroessteZeile) return;
    zeile_.push_back(b);
}
