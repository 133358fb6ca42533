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
// the order it happens, so that a test can record it. What it has to say is a value (Notiz,
// Verzug); the window and the service tool each make their own sentence of it. No Qt.
#include "geraet/titxt.h"

#include <chrono>
#include <cstdint>
#include <optional>
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
// A frame unanswered this long is reported in the window's monitor. The transfer still waits:
// the bootloader may only be slow, and Start begins anew.
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

// A step of the transfer worth telling, in the order it happens.
struct Notiz {
    enum class Art {
        Antwort,        // "Flash clear start" or "Flash clear OK", acted on (text: the line)
        FremdeZeile,    // a line not acted on: the version, a reply before the erase has ended
                        // or after the end, anything else (text: its bytes as they came)
        Programmierung, // the erase has ended, the first image line went out
        Adresszeiger,   // an address line goes out (text: the image line, zeile: its number)
        Wiederholung,   // "NotAKN": the line goes out again (zeile; wiederholung: the how-many-th
                        // time in a row, from 1)
        Aufgegeben,     // "NotAKN" once more than the limit allows: the transfer has ended
                        // (zeile; wiederholung: the repeats made)
        Fertig,         // the end line: the image is in the flash
    };
    Art art = Art::FremdeZeile;
    std::string text;
    int zeile = 0; // the image line, counted from 1
    int wiederholung = 0;
    friend bool operator==(const Notiz&, const Notiz&) = default;
};

// What status panel 3 says after a send.
enum class Panelstand {
    Loeschen,    // the erase request went out ("Flash clear")
    Zeile,       // an image line went out ("Flash ADDR")
    Sendefehler, // the port refused the frame ("FEHLER beim senden!")
};

// A reply overdue: what waits for it, and for how long already.
struct Verzug {
    enum class Art {
        PortVerloren,   // the port is closed: no reply can come
        KeinLoeschen,   // the erase got no line at all: is a bootloader on this port?
        LoeschenDauert, // "Flash clear start" came, "Flash clear OK" not yet
        KeineQuittung,  // an image line got neither "AKN" nor "NotAKN"
    };
    Art art = Art::KeineQuittung;
    std::chrono::milliseconds gewartet{0};
    // KeineQuittung: the image line (from 1); an address line's pointer, or the first address
    // a data line's bytes go to and their number.
    int zeile = 0;
    bool adresszeile = false;
    unsigned adresse = 0;
    std::size_t bytes = 0;
    friend bool operator==(const Verzug&, const Verzug&) = default;
};

// What the transfer does to the window and the line.
class Umgebung {
public:
    virtual ~Umgebung() = default;
    // Hands a frame to the port; false when the port is closed or the write was refused.
    virtual bool Sende(std::span<const std::uint8_t> rahmen) = 0;
    // A step worth telling (the window's monitor, the tool's progress).
    virtual void Notiere(const Notiz& notiz) = 0;
    // Status panel 3, repainted at once.
    virtual void Panel(Panelstand stand) = 0;
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

    // How often one line refused with "NotAKN" is sent again before the transfer gives up;
    // none (the window): without end.
    void SetzeWiederholgrenze(std::optional<int> grenze) { grenze_ = grenze; }

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
    // When no reply has come for `gewartet`: what waits (nullopt: nothing does).
    std::optional<Verzug> Ueberfaellig(std::chrono::milliseconds gewartet, bool portOffen) const;

private:
    void SendeZeile();
    void Sende(const Bytes& rahmen);

    Umgebung& u_;
    std::vector<std::string> image_;
    std::optional<int> grenze_;
    bool loeschenBestaetigt_ = false;
    bool loescht_ = false;
    bool loeschenBegonnen_ = false; // "Flash clear start" came for this erase
    int zeilenIndex_ = 0;
    bool wartet_ = false;
    int wiederholungen_ = 0; // "NotAKN" in a row for the line that waits
    // Where the bootloader writes next, and where it wrote before the last frame: a frame
    // refused with "NotAKN" leaves it where it was.
    unsigned adresse_ = 0, adresseVorher_ = 0;
};

} // namespace uebertragung
