#include "seriallink/mitschnitt.h"

#include <algorithm>
#include <utility>

// The machine's finds, taken from the bytes not yet given out: whatever came before a find
// is noise. A failed candidate counts only once the machine has let it go.
class Mitschnitt::Schritte : public Empfangsautomat::Senke {
public:
    Schritte(Mitschnitt& m, Uhr::time_point zeit) : m_(m), zeit_(zeit) {}
    void RahmenGefunden(std::span<const std::uint8_t> rahmen) override {
        Nimm(Eintrag::Art::Rahmen, rahmen.size());
    }
    void PruefsummeFalsch(std::span<const std::uint8_t> kandidat) override {
        falsch_ = kandidat.size();
    }
    void ZeileGefunden(std::span<const std::uint8_t>) override {
        // The line is every byte since the last find, its zero bytes and carriage return too.
        m_.Gib(Eintrag::Art::Zeile, m_.offen_, zeit_);
        m_.offen_.clear();
    }
    // After each byte: a refused candidate the machine no longer collects is over.
    void NachDemByte() {
        if (falsch_ != 0 && !m_.automat_.Sammelt())
            Nimm(Eintrag::Art::PruefsummeFalsch, std::min(falsch_, m_.offen_.size()));
        falsch_ = 0;
    }

private:
    void Nimm(Eintrag::Art art, std::size_t laenge) {
        laenge = std::min(laenge, m_.offen_.size());
        const std::size_t anfang = m_.offen_.size() - laenge;
        m_.RauschenBis(anfang, zeit_);
        m_.Gib(art, m_.offen_, zeit_);
        m_.offen_.clear();
    }
    Mitschnitt& m_;
    Uhr::time_point zeit_;
    std::size_t falsch_ = 0;
};

int Mitschnitt::Starte(Senke senke) {
    std::lock_guard l(m_);
    if (senken_.empty()) {
        automat_ = Empfangsautomat();
        offen_.clear();
    }
    const int nr = naechste_++;
    senken_.emplace_back(nr, std::move(senke));
    an_.store(true);
    return nr;
}

void Mitschnitt::Beende(int senke) {
    std::lock_guard l(m_);
    if (senken_.empty()) return;
    const bool letzte = senke == 0 || (senken_.size() == 1 && senken_[0].first == senke);
    if (letzte) {
        // A candidate still collected is told as such, at the time its last byte came.
        if (automat_.Sammelt() && !offen_.empty()) {
            Gib(Eintrag::Art::Unvollendet, offen_, letzte_);
            offen_.clear();
        }
        RauschenBis(offen_.size(), letzte_);
        senken_.clear();
        an_.store(false);
        return;
    }
    std::erase_if(senken_, [senke](const auto& s) { return s.first == senke; });
}

void Mitschnitt::NeuerPort() {
    std::lock_guard l(m_);
    if (!an_.load()) return;
    RauschenBis(offen_.size(), letzte_);
    automat_ = Empfangsautomat();
}

void Mitschnitt::Empfangen(std::span<const std::uint8_t> bytes, bool firmwareModus) {
    const Uhr::time_point zeit = Uhr::now();
    std::lock_guard l(m_);
    if (!an_.load()) return;
    letzte_ = zeit;
    Schritte schritte(*this, zeit);
    for (const std::uint8_t b : bytes) {
        offen_.push_back(b);
        automat_.Lies({&b, 1}, firmwareModus, schritte);
        schritte.NachDemByte();
    }
    // Outside a frame and a line, what is left of this read is noise now, not later.
    if (!automat_.Sammelt() && !firmwareModus) RauschenBis(offen_.size(), zeit);
}

void Mitschnitt::Gesendet(std::span<const std::uint8_t> bytes) {
    const Uhr::time_point zeit = Uhr::now();
    std::lock_guard l(m_);
    if (!an_.load()) return;
    Gib(Eintrag::Art::Gesendet, bytes, zeit);
}

void Mitschnitt::NichtGesendet(std::span<const std::uint8_t> bytes) {
    const Uhr::time_point zeit = Uhr::now();
    std::lock_guard l(m_);
    if (!an_.load()) return;
    Gib(Eintrag::Art::NichtGesendet, bytes, zeit);
}

void Mitschnitt::RauschenBis(std::size_t ende, Uhr::time_point zeit) {
    if (ende == 0) return;
    Gib(Eintrag::Art::Rauschen, {offen_.data(), ende}, zeit);
    offen_.erase(offen_.begin(), offen_.begin() + static_cast<std::ptrdiff_t>(ende));
}

void Mitschnitt::Gib(Eintrag::Art art, std::span<const std::uint8_t> bytes, Uhr::time_point zeit) {
    const Eintrag e{art, zeit, rahmen::Bytes(bytes.begin(), bytes.end())};
    for (const auto& [nr, senke] : senken_)
        senke(e);
}
