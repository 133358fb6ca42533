#include "geraet/uebertragung.h"

#include "seriallink/rahmen.h"

namespace uebertragung {

Bytes LoeschRahmen() {
    return rahmen::BootloaderRahmen(kommando::Loeschen);
}

Bytes Zeilenrahmen(std::string_view zeile) {
    if (titxt::Art(zeile) == titxt::Zeilenart::Adresse) {
        const std::uint16_t a = titxt::Adresse(zeile);
        const std::uint8_t nutzdaten[] = {std::uint8_t(a >> 8), std::uint8_t(a & 0xFF)};
        return rahmen::BootloaderRahmen(kommando::Adresse, nutzdaten);
    }
    return rahmen::BootloaderRahmen(kommando::Daten, titxt::Datenbytes(zeile));
}

void Uebertragung::Ruecksetzen() {
    loeschenBestaetigt_ = false;
    loescht_ = false;
    loeschenBegonnen_ = false;
    zeilenIndex_ = 0;
    wartet_ = false;
    wiederholungen_ = 0;
    // Only the image of a Start that passed the check is ever sent.
    image_.clear();
}

void Uebertragung::Loeschen(std::vector<std::string> image) {
    image_ = std::move(image);
    adresse_ = adresseVorher_ = 0;
    loescht_ = true;
    loeschenBegonnen_ = false;
    const bool ok = u_.Sende(LoeschRahmen());
    u_.Panel(ok ? Panelstand::Loeschen : Panelstand::Sendefehler);
}

void Uebertragung::BootloaderZeile(std::string_view zeile) {
    if (zeile == antwort::ClearOK) {
        loescht_ = false;
        u_.Notiere({Notiz::Art::Antwort, std::string(zeile)});
        u_.ClearOK();
        loeschenBestaetigt_ = true;
        wiederholungen_ = 0;
        SendeZeile();
        u_.Notiere({Notiz::Art::Programmierung, {}});
        u_.Fortschritt(true);
    } else if (zeile == antwort::ClearStart) {
        if (loescht_) loeschenBegonnen_ = true;
        u_.Notiere({Notiz::Art::Antwort, std::string(zeile)});
    } else if (zeile == antwort::AKN && loeschenBestaetigt_) {
        wartet_ = false;
        wiederholungen_ = 0;
        SendeZeile();
    } else if (zeile == antwort::NotAKN && loeschenBestaetigt_) {
        wartet_ = false;
        ++wiederholungen_;
        // The line refused is the one sent last.
        if (grenze_ && wiederholungen_ > *grenze_) {
            loeschenBestaetigt_ = false;
            u_.Notiere({Notiz::Art::Aufgegeben, {}, zeilenIndex_, wiederholungen_ - 1});
            u_.Fortschritt(false);
            return;
        }
        u_.Notiere({Notiz::Art::Wiederholung, {}, zeilenIndex_, wiederholungen_});
        if (zeilenIndex_ > 0) --zeilenIndex_;
        adresse_ = adresseVorher_;
        SendeZeile();
    } else {
        // The bootloader's version, a late or early reply, noise: shown only.
        u_.Notiere({Notiz::Art::FremdeZeile, std::string(zeile)});
    }
}

void Uebertragung::Beende() {
    loeschenBestaetigt_ = false;
    loescht_ = false;
    wartet_ = false;
}

std::optional<Verzug> Uebertragung::Ueberfaellig(std::chrono::milliseconds gewartet,
                                                 bool portOffen) const {
    if (!loescht_ && !wartet_) return std::nullopt;
    Verzug v;
    v.gewartet = gewartet;
    if (!portOffen) {
        v.art = Verzug::Art::PortVerloren;
        return v;
    }
    if (loescht_) {
        v.art = loeschenBegonnen_ ? Verzug::Art::LoeschenDauert : Verzug::Art::KeinLoeschen;
        return v;
    }
    v.art = Verzug::Art::KeineQuittung;
    v.zeile = zeilenIndex_; // the line sent last, counted from 1
    if (v.zeile >= 1 && v.zeile <= static_cast<int>(image_.size())) {
        const std::string& z = image_[static_cast<std::size_t>(v.zeile - 1)];
        v.adresszeile = titxt::Art(z) == titxt::Zeilenart::Adresse;
        v.adresse = v.adresszeile ? titxt::Adresse(z) : adresseVorher_;
        v.bytes = v.adresszeile ? 0 : titxt::Datenbytes(z).size();
    }
    return v;
}

void Uebertragung::SendeZeile() {
    if (zeilenIndex_ >= static_cast<int>(image_.size())) {
        wartet_ = false;
        u_.Fortschritt(false);
        return;
    }
    const std::string& z = image_[static_cast<std::size_t>(zeilenIndex_)];
    switch (titxt::Art(z)) {
    case titxt::Zeilenart::Adresse:
        u_.Notiere({Notiz::Art::Adresszeiger, z, zeilenIndex_ + 1});
        adresseVorher_ = adresse_;
        adresse_ = titxt::Adresse(z);
        Sende(Zeilenrahmen(z));
        break;
    case titxt::Zeilenart::Ende:
        u_.Notiere({Notiz::Art::Fertig, {}, zeilenIndex_ + 1});
        // Counted before the box: a line that comes while it is open sends nothing more.
        ++zeilenIndex_;
        wartet_ = false;
        u_.Fertig();
        return;
    case titxt::Zeilenart::Daten: {
        const Bytes rahmen = Zeilenrahmen(z);
        adresseVorher_ = adresse_;
        adresse_ += static_cast<unsigned>(rahmen.size() - 5);
        Sende(rahmen);
        break;
    }
    }
    ++zeilenIndex_;
}

void Uebertragung::Sende(const Bytes& rahmen) {
    const bool ok = u_.Sende(rahmen);
    u_.Panel(ok ? Panelstand::Zeile : Panelstand::Sendefehler);
    wartet_ = true;
}

} // namespace uebertragung
