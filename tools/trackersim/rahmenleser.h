#pragma once
// The device's side of the envelope: cuts the frames the application sends out of the byte
// stream. Requests carry a 0x00 after the length byte, bootloader frames do not; both are at
// most 100 bytes long (the application's transmit buffer), which lets a stray 0xAA be told
// from a start byte early. A candidate that can only be completed by bytes that do not come
// (a 0xAA in noise announcing a long frame) is given up after a pause on the line, and the
// bytes after its start byte are searched again, so the frame behind it is not lost.
#include "tools/trackersim/zeit.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace trackersim {

struct EmpfangenerRahmen {
    std::uint8_t kommando = 0;
    std::vector<std::uint8_t> nutzdaten;
    bool pruefsummeOk = false;
};

class Rahmenleser {
public:
    // The pause after which an incomplete candidate is given up. At 4800 baud a byte takes
    // about 2 ms, so a sender that is still sending never pauses this long inside a frame.
    static constexpr Zeit Pause = std::chrono::milliseconds(200);

    explicit Rahmenleser(bool mitNullbyte) : mitNullbyte_(mitNullbyte) {}

    // Adds received bytes; returns the frames completed by them, in order. Frames whose end
    // byte is right but whose checksum is not are returned too (the bootloader answers them).
    std::vector<EmpfangenerRahmen> Lies(std::span<const std::uint8_t> bytes, Zeit jetzt);
    // Gives up a candidate that has waited a Pause; returns what the search behind it finds.
    std::vector<EmpfangenerRahmen> Takt(Zeit jetzt);
    // When Takt has something to do, if ever.
    std::optional<Zeit> Frist() const;

private:
    void Suche(std::vector<EmpfangenerRahmen>& fertig);

    bool mitNullbyte_;
    std::vector<std::uint8_t> puffer_;
    Zeit letztesByte_{};
};

} // namespace trackersim
