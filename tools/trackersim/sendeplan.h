#pragma once
// Pacing of what the device sends, as a real line at a given baud rate would deliver it: 10
// bits per byte (start bit, 8 data bits, stop bit), one byte after the other. A byte becomes
// due when its stop bit has left the line. Baud rate 0: no pacing, every byte is due at once.
#include "tools/trackersim/geraet.h"

#include <deque>
#include <utility>

namespace trackersim {

class Sendeplan {
public:
    explicit Sendeplan(unsigned baud = 0) : baud_(baud) {}

    // The line time of one byte; 0 without pacing.
    Zeit Bytedauer() const;
    // Queues bytes handed over at jetzt behind those still waiting.
    void Anhaengen(const Bytes& bytes, Zeit jetzt);
    // Takes the bytes due by jetzt.
    Bytes Faellig(Zeit jetzt);
    // When the next byte is due, if any waits.
    std::optional<Zeit> Naechste() const;

private:
    unsigned baud_;
    // Bytes with the time they are due. Whole microseconds per byte would drift at 4800 baud
    // (2083.3 us), so each due time is computed from the start of the burst the byte belongs
    // to (the line was idle before it) and the bytes sent in it.
    std::deque<std::pair<Zeit, std::uint8_t>> wartend_;
    Zeit burstBeginn_{};
    long long burstBytes_ = 0;
};

} // namespace trackersim
