#pragma once
// The traffic record: every byte of the link in both directions, with the time it was handed
// to the port or read from it, cut into what it is: a request sent, a response frame (its
// checksum right or wrong), a bootloader line, or noise between them. The record cuts the
// received bytes with a byte-step machine of its own, the receiver's rules, so it shows
// exactly what the receiver saw, also what the receiver drops.
//
// It runs while at least one sink is attached (a record file, the monitor window); off, it
// costs the receiver one atomic load per read. Sinks come and go at any time from any thread;
// entries go to every sink on the thread that moved the bytes (the receiver's for received
// ones, the sender's for sent ones), one at a time.
#include "seriallink/empfangsautomat.h"
#include "seriallink/rahmen.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <utility>
#include <vector>

class Mitschnitt {
public:
    using Uhr = std::chrono::steady_clock;
    struct Eintrag {
        enum class Art {
            Gesendet,          // a frame handed to the port
            NichtGesendet,     // the port refused the frame just recorded as handed to it
            Rahmen,            // a received frame whose checksum matched
            PruefsummeFalsch,  // a received candidate the envelope test refused at its end
            Zeile,             // a bootloader line, its carriage return included
            Rauschen,          // received bytes that are none of these
            Unvollendet,       // a candidate the record ended on, still being collected
        };
        Art art = Art::Rahmen;
        Uhr::time_point zeit;
        rahmen::Bytes bytes;
    };
    using Senke = std::function<void(const Eintrag&)>;

    // Attaches a sink; the record runs from now on. Returns its number for Beende.
    int Starte(Senke senke);
    // Detaches the sink; the last one first gets the received bytes still waiting for their
    // end (an open candidate as such, the rest as noise). 0: every sink.
    void Beende(int senke = 0);
    bool An() const { return an_.load(std::memory_order_relaxed); }

    // The link's calls.
    void Empfangen(std::span<const std::uint8_t> bytes, bool firmwareModus);
    void Gesendet(std::span<const std::uint8_t> bytes);
    void NichtGesendet(std::span<const std::uint8_t> bytes);
    // A new open: what the old port left half received is noise of the old port.
    void NeuerPort();

private:
    class Schritte;
    void Gib(Eintrag::Art art, std::span<const std::uint8_t> bytes, Uhr::time_point zeit);
    void RauschenBis(std::size_t ende, Uhr::time_point zeit); // under m_

    std::atomic<bool> an_{false};
    std::mutex m_;
    std::vector<std::pair<int, Senke>> senken_;
    int naechste_ = 1;
    Empfangsautomat automat_;
    rahmen::Bytes offen_; // received bytes not yet given out
    Uhr::time_point letzte_; // when the last of them came
};
