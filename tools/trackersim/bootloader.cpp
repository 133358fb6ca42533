#include "tools/trackersim/bootloader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace trackersim {

Bootloader::Bootloader(BootloaderEinstellungen e) : e_(std::move(e)), zufall_(e_.stoerungen.seed) {
    flash_.fill(0xFF);
}

Bytes Bootloader::Einschalten(Zeit) {
    adresse_ = 0;
    Bytes aus(e_.version.begin(), e_.version.end());
    aus.push_back('\r');
    return aus;
}

Bytes Bootloader::Empfange(std::span<const std::uint8_t> bytes, Zeit jetzt) {
    Bytes aus;
    Bearbeite(leser_.Lies(bytes, jetzt), jetzt, aus);
    return aus;
}

Bytes Bootloader::Takt(Zeit jetzt) {
    Bytes aus;
    if (loeschEnde_ && jetzt >= *loeschEnde_) {
        loeschEnde_.reset();
        Zeile("Flash clear OK", aus);
    }
    Bearbeite(leser_.Takt(jetzt), jetzt, aus);
    return aus;
}

std::optional<Zeit> Bootloader::NaechsterTakt() const {
    const std::optional<Zeit> frist = leser_.Frist();
    if (!loeschEnde_) return frist;
    return frist ? std::min(*frist, *loeschEnde_) : loeschEnde_;
}

void Bootloader::Bearbeite(const std::vector<EmpfangenerRahmen>& rahmen, Zeit jetzt, Bytes& aus) {
    for (const EmpfangenerRahmen& r : rahmen) {
        if (r.pruefsummeOk && r.kommando == bootkommando::Loeschen) {
            Zeile("Flash clear start", aus);
            flash_.fill(0xFF);
            adresse_ = 0;
            if (e_.fruehesAkn) Zeile("AKN", aus);
            if (e_.loeschdauer > Zeit{0})
                loeschEnde_ = jetzt + e_.loeschdauer;
            else
                Zeile("Flash clear OK", aus);
            Protokolliere("Loeschen");
            continue;
        }
        ++rahmen_;
        char kopf[48];
        std::snprintf(kopf, sizeof kopf, "Rahmen %u: %02X, %zu Bytes -> ", rahmen_, r.kommando,
                      r.nutzdaten.size());
        const Stoerplan& s = e_.stoerungen;
        if (s.Trifft(Stoerung::Stille, rahmen_)) {
            Protokolliere(kopf + std::string("keine Antwort"));
            continue;
        }
        const bool gestoert = s.Trifft(Stoerung::NotAkn, rahmen_) || zufall_.Wahr(s.notAknRate);
        const char* antwort = !gestoert && Fuehre(r)
                                  ? (s.Trifft(Stoerung::AknLeerzeichen, rahmen_) ? "AKN " : "AKN")
                                  : "NotAKN";
        Zeile(antwort, aus);
        Protokolliere(kopf + ('"' + std::string(antwort) + '"'));
    }
}

bool Bootloader::Fuehre(const EmpfangenerRahmen& r) {
    if (!r.pruefsummeOk) return false;
    const Bytes& p = r.nutzdaten;
    switch (r.kommando) {
    case bootkommando::Adresse:
        if (p.size() != 2) return false;
        adresse_ = std::size_t{p[0]} << 8 | p[1];
        return true;
    case bootkommando::Daten:
        if (p.empty() || adresse_ + p.size() > FlashGroesse) return false;
        for (const std::uint8_t b : p)
            flash_[adresse_++] &= b;
        return true;
    default:
        return false;
    }
}

void Bootloader::Protokolliere(const std::string& zeile) const {
    if (e_.protokoll) e_.protokoll(zeile);
}

void Bootloader::Zeile(const char* text, Bytes& aus) {
    if (e_.stoerungen.rauschen > 0) {
        const Bytes r = zufall_.Rauschen(e_.stoerungen.rauschen);
        aus.insert(aus.end(), r.begin(), r.end());
        aus.push_back('\r');
    }
    aus.insert(aus.end(), text, text + std::strlen(text));
    aus.push_back('\r');
}

} // namespace trackersim
