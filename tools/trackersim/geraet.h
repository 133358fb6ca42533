#pragma once
// What the pseudo-terminal shell needs of a simulated device: bytes in, bytes out, with the
// time handed in by the caller, so tests drive the device's clock.
#include "tools/trackersim/zeit.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace trackersim {

using Bytes = std::vector<std::uint8_t>;

class Geraet {
public:
    virtual ~Geraet() = default;
    // What the device sends on its own when it is switched on.
    virtual Bytes Einschalten(Zeit jetzt) = 0;
    // What it sends in answer to the bytes received at jetzt.
    virtual Bytes Empfange(std::span<const std::uint8_t> bytes, Zeit jetzt) = 0;
    // What it sends when time has passed without bytes (a frame completed by a pause).
    virtual Bytes Takt(Zeit jetzt) = 0;
    // The next time Takt has work, if any; the shell sleeps until then.
    virtual std::optional<Zeit> NaechsterTakt() const = 0;
};

} // namespace trackersim
