#pragma once
// The one transmit path of the link. Every send goes through here, one at a time under one
// lock, so two frames never interleave, whichever thread sends them.
//
// A send raises RTS, hands the bytes to the driver without waiting for the line and
// returns. The path's own thread then waits until the last byte has left the line (tcdrain)
// and drops RTS at once, so that an RS-485 converter frees the bus before the controller
// answers; a send that came meanwhile keeps RTS up until its own bytes are out. Bytes the
// driver cannot take yet (its queue is full: a stopped or slow line) are written by that
// thread as the line frees up, before any later send's bytes. RTS is only driven when the
// settings leave it to the program (not under RTS/CTS flow control, not "always on").
#include "seriallink/Serial.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

class Sendeweg {
public:
    // When the driver cannot tell that the line is empty, RTS drops this long after the
    // last send instead: the fixed delay of the older RTS timer.
    static constexpr std::chrono::milliseconds TimerRTSCTS{100};

    Sendeweg() = default;
    ~Sendeweg();
    Sendeweg(const Sendeweg&) = delete;
    Sendeweg& operator=(const Sendeweg&) = delete;

    // Serves the port from now on; it must stay open until Schliesse has returned. 0, or the
    // error number when its wake-up descriptor or its thread cannot be had (nothing is served
    // then).
    int Oeffne(const serial::ComPort& port);
    // Stops serving the port: bytes not yet on the line are dropped, the thread has ended
    // when it returns. Nothing happens when no port is served.
    void Schliesse();
    bool Offen() const;

    // True when the bytes were handed to the driver or are queued behind earlier ones;
    // false when no port is served, when the DSR handshake finds the other side not ready,
    // when holding them back would exceed the transmit queue size, or when the driver
    // refused them.
    bool Sende(std::span<const std::uint8_t> bytes);

private:
    void Laufe();

    mutable std::mutex m_;
    std::condition_variable cv_;
    const serial::ComPort* port_ = nullptr;
    std::unique_ptr<serial::Wecker> wecker_;
    std::thread thread_;
    bool ende_ = false;
    std::vector<std::uint8_t> rest_;  // taken by no driver yet, in order
    std::uint64_t gesendet_ = 0;      // sends so far
    std::uint64_t abgeschlossen_ = 0; // sends whose bytes have left the line
};
