#pragma once
// The transfer of an image to the controller's bootloader, driven by its reply lines: Start
// sends the erase request; "Flash clear OK" releases the first image line, and from then on
// every "AKN" the next one and every "NotAKN" the same one again, until the end line "q".
// Exactly one frame waits for its reply at any time.
//
//   erase          AA F0 00 9B E5
//   address line   AA F1 02 high low cs E5
//   data line      AA F2 n  bytes... cs E5     (n = 1 ... 95)
//
// The transfer knows no window and no port: what it does to them goes through Umgebung, in
// the order it happens, so that a test can record it. No Qt.
#include "geraet/titxt.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace uebertragung {

using Bytes = std::vector<std::uint8_t>;

// How long the display waits after the window is shown before it gives the instructions.
inline constexpr std::chrono::milliseconds StartmeldungVerzug{500};
// The refresh of the line number and the progress bar while programming.
inline constexpr std::chrono::milliseconds AnzeigeTakt{100};
// A frame unanswered this long is reported in the monitor. The transfer still waits: the
// bootloader may only be slow, and Start begins anew.
inline constexpr std::chrono::milliseconds AntwortFrist{5000};

namespace kommando {
inline constexpr std::uint8_t Loeschen = 0xF0, Adresse = 0xF1, Daten = 0xF2;
}

// The bootloader's replies, each a whole line compared exactly.
namespace antwort {
inline constexpr std::string_view ClearStart = "Flash clear start";
inline constexpr std::string_view ClearOK = "Flash clear OK";
inline constexpr std::string_view AKN = "AKN";
inline constexpr std::string_view NotAKN = "NotAKN";
} // namespace antwort

Bytes LoeschRahmen();
// The frame for an address or data line (see titxt.h for how a line is read).
Bytes Zeilenrahmen(std::string_view zeile);

// What the transfer does to the window and the line.
class Umgebung {
public:
    virtual ~Umgebung() = default;
    // Hands a frame to the port; false when the port is closed or the write was refused.
    virtual bool Sende(std::span<const std::uint8_t> rahmen) = 0;
    // Appends a line (UTF-8; it may hold a line feed) to the monitor. A bootloader line
    // arrives here with each byte as one character (ISO 8859-1).
    virtual void Monitor(const std::string& text) = 0;
    // Status panel 3, repainted at once.
    virtual void Panel(const std::string& text) = 0;
    // "Clear Flash:" shows "OK".
    virtual void ClearOK() = 0;
    // The progress display starts or stops.
    virtual void Fortschritt(bool an) = 0;
    // The end line: the success box, then the window closes.
    virtual void Fertig() = 0;
};

class Uebertragung {
public:
    explicit Uebertragung(Umgebung& umgebung) : u_(umgebung) {}

    // Start, first step: nothing confirmed, the first line next.
    void Ruecksetzen();
    // Start, once the image passed its check: the image to send from now on, and the erase
    // request. A later load does not change a running transfer.
    void Loeschen(std::vector<std::string> image);
    // One line the bootloader ended with a carriage return, without it.
    void BootloaderZeile(std::string_view zeile);
    // The window closed: replies are no longer acted on until the next Start.
    void Beende();

    int ZeilenIndex() const { return zeilenIndex_; } // the next image line to send
    bool LoeschenBestaetigt() const { return loeschenBestaetigt_; }
    // The erase frame went out and "Flash clear OK" has not come yet.
    bool Loescht() const { return loescht_; }
    // A frame of the programming went out and its reply has not come.
    bool WartetAufAntwort() const { return wartet_; }
    // The monitor's note when AntwortFrist passed: which line and address wait.
    std::string KeineAntwort() const;

private:
    void SendeZeile();
    void Sende(const Bytes& rahmen);

    Umgebung& u_;
    std::vector<std::string> image_;
    bool loeschenBestaetigt_ = false;
    bool loescht_ = false;
    int zeilenIndex_ = 0;
    bool wartet_ = false;
    // Where the bootloader writes next, and where it wrote before the last frame: a frame
    // refused with "NotAKN" leaves it where it was.
    unsigned adresse_ = 0, adresseVorher_ = 0;
};

} // namespace uebertragung
