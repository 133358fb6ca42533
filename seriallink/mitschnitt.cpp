#include "seriallink/mitschnitt.h"

#include <algorithm>

// Passes the receiver's finds on and notes those of the byte just stepped.
class Mitschnitt::Abgriff : public Empfangsautomat::Senke {
public:
    explicit Abgriff(Empfangsautomat::Senke& weiter) : weiter_(weiter) {}
    void RahmenGefunden(std::span<const std::uint8_t> r) override {
        rahmen = r.size();
        weiter_.RahmenGefunden(r);
    }
    void PruefsummeFalsch(std::span<const std::uint8_t> k) override {
        falsch = k.size();
        weiter_.PruefsummeFalsch(k);
    }
    void ZeileGefunden(std::span<const std::uint8_t> z) override {
        zeile = rahmen::Bytes(z.begin(), z.end());
        zeileGefunden = true;
        weiter_.ZeileGefunden(z);
    }
    void Neu() {
        rahmen = falsch = 0;
        zeileGefunden = false;
    }

    std::size_t rahmen = 0, falsch = 0;
    bool zeileGefunden = false;
    rahmen::Bytes zeile;

private:
    Empfangsautomat::Senke& weiter_;
};

int Mitschnitt::Starte(Senke senke) {
    std::lock_guard l(m_);
    if (senken_.empty()) Leere();
    const int nr = naechste_++;
    senken_.emplace_back(nr, std::move(senke));
    an_.store(true);
    return nr;
}

void Mitschnitt::Beende(int senke) {
    std::lock_guard l(m_);
    if (senken_.empty()) return;
    const bool letzte = senke == 0 || (senken_.size() == 1 && senken_[0].first == senke);
    if (!letzte) {
        std::erase_if(senken_, [senke](const auto& s) { return s.first == senke; });
        return;
    }
    // What the record still holds. The bytes of a line that ended are the line's, though a
    // candidate still runs through them; the candidate is what comes after.
    std::uint64_t grenze = Ende();
    if (kandidat_) grenze = std::max(*kandidat_, zeilen_.empty() ? basis_ : zeilen_.back().first);
    GibBis(grenze);
    if (grenze < Ende()) Gib(Eintrag::Art::Unvollendet, Ende());
    senken_.clear();
    an_.store(false);
}

void Mitschnitt::NeuerPort() {
    std::lock_guard l(m_);
    if (!an_.load()) return;
    GibBis(Ende(), true);
    Leere();
}

void Mitschnitt::VerwirfKandidat(Empfangsautomat& automat) {
    std::lock_guard l(m_);
    automat.VerwirfKandidat();
    if (!an_.load() || !kandidat_) return;
    GibBis(*kandidat_);
    Gib(Eintrag::Art::Verworfen, Ende());
    kandidat_.reset();
}

void Mitschnitt::Leere() {
    offen_.clear();
    lesungen_.clear();
    zeilen_.clear();
    kandidat_.reset();
}

void Mitschnitt::Lies(Empfangsautomat& automat, std::span<const std::uint8_t> bytes,
                      bool firmwareModus, Empfangsautomat::Senke& weiter, Uhr::time_point zeit) {
    std::lock_guard l(m_);
    if (!an_.load()) {
        automat.Lies(bytes, firmwareModus, weiter);
        return;
    }
    // A change of mode: what was read before is decided by the old one (the receiver drops a
    // line half collected when the mode comes on).
    if (firmwareModus != firmware_) {
        GibBis(kandidat_.value_or(Ende()));
        firmware_ = firmwareModus;
    }
    if (!bytes.empty()) lesungen_.push_back({Ende(), zeit});
    Abgriff abgriff(weiter);
    for (const std::uint8_t b : bytes) {
        offen_.push_back(b);
        abgriff.Neu();
        automat.Lies({&b, 1}, firmwareModus, abgriff);
        const std::uint64_t ende = Ende();
        if (abgriff.zeileGefunden) zeilen_.emplace_back(ende, std::move(abgriff.zeile));
        // A frame ends at this byte: its bytes are the frame's, whatever lines ran through it.
        const bool losgelassen = abgriff.falsch != 0 && !automat.Sammelt();
        if (abgriff.rahmen != 0 || losgelassen) {
            const std::size_t laenge = abgriff.rahmen != 0 ? abgriff.rahmen : abgriff.falsch;
            const std::uint64_t anfang = ende - std::min<std::uint64_t>(laenge, ende - basis_);
            GibBis(anfang);
            while (!zeilen_.empty() && zeilen_.front().first <= ende)
                zeilen_.pop_front();
            Gib(abgriff.rahmen != 0 ? Eintrag::Art::Rahmen : Eintrag::Art::PruefsummeFalsch, ende);
        }
        kandidat_.reset();
        if (automat.Sammelt())
            kandidat_ = ende - std::min<std::uint64_t>(automat.Kandidatlaenge(), ende - basis_);
    }
    GibEntschiedenes();
}

void Mitschnitt::GibEntschiedenes() {
    const std::uint64_t ende = Ende();
    // The last line end at or before p: what is before it is decided.
    const auto zeilenende = [this](std::uint64_t p) {
        std::uint64_t z = basis_;
        for (const auto& [e, zeile] : zeilen_)
            if (e <= p) z = e;
        return z;
    };
    if (!firmware_) {
        // Outside a candidate, this read's bytes are noise now, not later.
        GibBis(kandidat_.value_or(ende));
        return;
    }
    // A line that a candidate runs into waits for it: a frame would take the line's end.
    const std::uint64_t entschieden = zeilenende(kandidat_.value_or(ende));
    GibBis(entschieden);
    // A line without end, or one a candidate waits in, grows no further in the record.
    const std::uint64_t wartend = kandidat_.value_or(ende);
    if (wartend - basis_ > GroessterRest) GibBis(wartend);
}

void Mitschnitt::Gesendet(std::span<const std::uint8_t> bytes, Uhr::time_point zeit) {
    std::lock_guard l(m_);
    if (!an_.load()) return;
    Verteile({Eintrag::Art::Gesendet, zeit, {bytes.begin(), bytes.end()}, {}});
}

void Mitschnitt::NichtGesendet(std::span<const std::uint8_t> bytes, Uhr::time_point zeit) {
    std::lock_guard l(m_);
    if (!an_.load()) return;
    Verteile({Eintrag::Art::NichtGesendet, zeit, {bytes.begin(), bytes.end()}, {}});
}

void Mitschnitt::GibBis(std::uint64_t grenze, bool alsRauschen) {
    while (!zeilen_.empty() && zeilen_.front().first <= grenze) {
        auto [ende, zeile] = std::move(zeilen_.front());
        zeilen_.pop_front();
        Gib(Eintrag::Art::Zeile, ende, std::move(zeile));
    }
    if (grenze <= basis_) return;
    Gib(firmware_ && !alsRauschen ? Eintrag::Art::Zeilenanfang : Eintrag::Art::Rauschen, grenze);
}

void Mitschnitt::Gib(Eintrag::Art art, std::uint64_t bis, rahmen::Bytes zeile) {
    bis = std::min(bis, Ende());
    if (bis <= basis_) return;
    // The time of the read that brought its first byte.
    Uhr::time_point zeit{};
    for (const Lesung& l : lesungen_) {
        if (l.anfang > basis_) break;
        zeit = l.zeit;
    }
    const auto n = static_cast<std::ptrdiff_t>(bis - basis_);
    Eintrag e{art, zeit, rahmen::Bytes(offen_.begin(), offen_.begin() + n), std::move(zeile)};
    offen_.erase(offen_.begin(), offen_.begin() + n);
    basis_ = bis;
    while (lesungen_.size() > 1 && lesungen_[1].anfang <= basis_)
        lesungen_.pop_front();
    Verteile(e);
}

void Mitschnitt::Verteile(const Eintrag& e) {
    for (const auto& [nr, senke] : senken_)
        senke(e);
}
