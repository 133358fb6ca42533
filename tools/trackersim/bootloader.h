#pragma once
// The simulated bootloader of the tracker controller. Switched on, it reports its version as
// a line; an erase request (0xF0) clears the flash and is answered "Flash clear start" and
// "Flash clear OK"; every other frame is answered with exactly one line, "AKN" or "NotAKN".
// Lines end with a carriage return.
//
//   0xF1 set address   payload high byte, low byte
//   0xF2 write data    payload 1 ... 95 bytes, written at the address, which advances
//
// With fruehesAkn the erase is answered "Flash clear start", "AKN", "Flash clear OK": a reply
// that comes before the erase has ended. With loeschdauer, "Flash clear OK" comes that long
// after "Flash clear start", as a real flash takes its time.
//
// NotAKN answers a wrong checksum, an unknown command, a set address without exactly two
// bytes, and data that would run past the end of the 64 KiB flash; such a frame changes
// nothing. Writing clears bits only, as flash cells do: data written over unerased cells reads
// as the AND of old and new.
#include "tools/trackersim/geraet.h"
#include "tools/trackersim/rahmenleser.h"
#include "tools/trackersim/stoerungen.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace trackersim {

struct BootloaderEinstellungen {
    std::string version = "Bootloader V1.00";
    Stoerplan stoerungen;
    bool fruehesAkn = false;
    Zeit loeschdauer{0};
    // Told one line per frame received: its number, command, length and the reply.
    std::function<void(std::string_view)> protokoll;
};

namespace bootkommando {
inline constexpr std::uint8_t Loeschen = 0xF0, Adresse = 0xF1, Daten = 0xF2;
}

class Bootloader : public Geraet {
public:
    static constexpr std::size_t FlashGroesse = 64 * 1024;
    using Flashinhalt = std::array<std::uint8_t, FlashGroesse>;

    explicit Bootloader(BootloaderEinstellungen e = {});

    Bytes Einschalten(Zeit jetzt) override;
    Bytes Empfange(std::span<const std::uint8_t> bytes, Zeit jetzt) override;
    Bytes Takt(Zeit jetzt) override;
    std::optional<Zeit> NaechsterTakt() const override;

    const Flashinhalt& Flash() const { return flash_; }

private:
    void Bearbeite(const std::vector<EmpfangenerRahmen>& rahmen, Zeit jetzt, Bytes& aus);
    bool Fuehre(const EmpfangenerRahmen& r);
    void Zeile(const char* text, Bytes& aus);
    void Protokolliere(const std::string& zeile) const;

    BootloaderEinstellungen e_;
    Rahmenleser leser_{false};
    Zufall zufall_;
    unsigned rahmen_ = 0;
    std::size_t adresse_ = 0;
    Flashinhalt flash_;
    std::optional<Zeit> loeschEnde_; // a slow erase: when it reports "Flash clear OK"
};

} // namespace trackersim
