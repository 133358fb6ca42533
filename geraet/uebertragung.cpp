#include "geraet/uebertragung.h"

#include "seriallink/rahmen.h"

#include <QCoreApplication>
#include <cstdio>

namespace uebertragung {

namespace {

const std::string StartText = "Starte Programmierung";
const std::string WiederholText = "Empfangsfehler! Wiederhole";
const std::string AdressText = "Schreibe Adresszeiger im Flash ";
const std::string EndText =
    "Programmierung fertig.\n Bitte trennen Sie die Spannung und starten Sie das Gerät neu!";
const std::string PanelLoeschen = "Flash clear";
const std::string PanelZeile = "Flash ADDR";
const std::string PanelFehler{rahmen::SendeFehlerText};

std::string Hex4(unsigned wert) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", wert & 0xFFFFu);
    return text;
}

// The bootloader's bytes, one character each (ISO 8859-1), as UTF-8 for the monitor.
std::string AlsText(std::string_view zeile) {
    std::string t;
    t.reserve(zeile.size());
    for (const char c : zeile) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            t += c;
        } else {
            t += static_cast<char>(0xC0 | b >> 6);
            t += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return t;
}

} // namespace

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
    zeilenIndex_ = 0;
    wartet_ = false;
    // Only the image of a Start that passed the check is ever sent.
    image_.clear();
}

void Uebertragung::Loeschen(std::vector<std::string> image) {
    image_ = std::move(image);
    adresse_ = adresseVorher_ = 0;
    loescht_ = true;
    const bool ok = u_.Sende(LoeschRahmen());
    u_.Panel(ok ? PanelLoeschen : PanelFehler);
}

void Uebertragung::BootloaderZeile(std::string_view zeile) {
    if (zeile == antwort::ClearOK) {
        loescht_ = false;
        u_.Monitor(AlsText(zeile));
        u_.ClearOK();
        loeschenBestaetigt_ = true;
        SendeZeile();
        u_.Monitor(StartText);
        u_.Fortschritt(true);
    } else if (zeile == antwort::ClearStart) {
        u_.Monitor(AlsText(zeile));
    } else if (zeile == antwort::AKN && loeschenBestaetigt_) {
        wartet_ = false;
        SendeZeile();
    } else if (zeile == antwort::NotAKN && loeschenBestaetigt_) {
        wartet_ = false;
        u_.Monitor(WiederholText);
        if (zeilenIndex_ > 0) --zeilenIndex_;
        adresse_ = adresseVorher_;
        SendeZeile();
    } else {
        // The bootloader's version, a late or early reply, noise: shown only.
        u_.Monitor(AlsText(zeile));
    }
}

void Uebertragung::Beende() {
    loeschenBestaetigt_ = false;
    loescht_ = false;
    wartet_ = false;
}

std::string Uebertragung::KeineAntwort() const {
    const int zeile = zeilenIndex_; // the line sent last, counted from 1
    // In the reader's language (German without a translation, as in the tests).
    const auto T = [](const char* format) {
        return QCoreApplication::translate("Uebertragung", format);
    };
    QString wo;
    if (zeile >= 1 && zeile <= static_cast<int>(image_.size())) {
        const std::string& z = image_[static_cast<std::size_t>(zeile - 1)];
        wo = titxt::Art(z) == titxt::Zeilenart::Adresse
                 ? T(QT_TRANSLATE_NOOP("Uebertragung", " (Adresszeiger %1)"))
                       .arg(QString::fromStdString(Hex4(titxt::Adresse(z))))
                 : T(QT_TRANSLATE_NOOP("Uebertragung", " (%1 Bytes ab Adresse %2)"))
                       .arg(titxt::Datenbytes(z).size())
                       .arg(QString::fromStdString(Hex4(adresseVorher_)));
    }
    return T(QT_TRANSLATE_NOOP("Uebertragung", "Keine Antwort des Bootloaders seit %1 s auf Zeile "
                                               "%2%3. Die Übertragung wartet; Start beginnt neu."))
        .arg(std::chrono::duration_cast<std::chrono::seconds>(AntwortFrist).count())
        .arg(zeile)
        .arg(wo)
        .toStdString();
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
        u_.Monitor(AdressText + z);
        adresseVorher_ = adresse_;
        adresse_ = titxt::Adresse(z);
        Sende(Zeilenrahmen(z));
        break;
    case titxt::Zeilenart::Ende:
        u_.Monitor(EndText);
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
    u_.Panel(ok ? PanelZeile : PanelFehler);
    wartet_ = true;
}

} // namespace uebertragung
