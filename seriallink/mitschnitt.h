#pragma once
// The traffic record: every byte of the link in both directions, cut into what it is: a request
// sent, a response frame (its checksum right or wrong), a bootloader line, or noise between
// them. Received bytes are cut by the receiver's own byte steps as they run (Lies), so the
// record shows what the receiver made of each byte, also what it drops; each byte shows once:
//
//   - a frame the receiver found (accepted, or let go at an 0xE5 with a wrong checksum) shows
//     whole, also where bootloader lines ran through it in the firmware mode;
//   - every other byte read in the firmware mode shows in the line it belongs to (a line a
//     frame cut in two shows as its beginning and its end, the end with the whole line the
//     receiver handed on);
//   - what is left is noise; at the record's end, a candidate still being collected shows as
//     such.
//
// Every entry carries the time its first byte was read (or handed to the port). Received
// entries are given out once decided: a line inside a candidate still being collected waits
// until the candidate ends.
//
// It runs while at least one sink is attached (a record file, the monitor window); off, it
// costs the receiver one atomic load per read. Sinks come and go at any time from any thread;
// entries go to every sink on the thread that moved the bytes (the receiver's for received
// ones, the sender's for sent ones, the one that ends the record for what it still held), one
// at a time.
#include "seriallink/empfangsautomat.h"
#include "seriallink/rahmen.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class Mitschnitt {
public:
    using Uhr = std::chrono::steady_clock;
    struct Eintrag {
        enum class Art {
            Gesendet,         // a frame handed to the port
            NichtGesendet,    // the port refused the frame just recorded as handed to it
            Rahmen,           // a received frame whose checksum matched
            PruefsummeFalsch, // a received candidate the envelope test refused at its end
            Zeile,            // a bootloader line up to its carriage return (zeile: the line)
            Zeilenanfang,     // the beginning of a bootloader line, its end not yet come: a
                              // frame follows in it, or the record ended
            Rauschen,         // received bytes that are none of these
            Unvollendet,      // a candidate the record ended on, still being collected
            Verworfen,        // a candidate dropped on request before a request was sent
                              // again (VerwirfKandidat): the receiver took nothing of it
        };
        Art art = Art::Rahmen;
        Uhr::time_point zeit;
        rahmen::Bytes bytes;
        // Zeile: the line as the receiver handed it on (no zero bytes, no carriage return; the
        // bytes before a frame in it too).
        rahmen::Bytes zeile;
        friend bool operator==(const Eintrag&, const Eintrag&) = default;
    };
    using Senke = std::function<void(const Eintrag&)>;

    // A received entry waits at most this many bytes for its end; a line without a carriage
    // return that long shows as its beginning.
    static constexpr std::size_t GroessterRest = 4096;

    // Attaches a sink; the record runs from now on. Returns its number for Beende.
    int Starte(Senke senke);
    // Detaches the sink; the last one first gets what the record still holds (lines, the
    // beginning of one, an open candidate, noise). 0: every sink.
    void Beende(int senke = 0);
    bool An() const { return an_.load(std::memory_order_relaxed); }

    // The receiver's read, read at `zeit` in the mode given: runs the receiver's byte steps
    // (automat) over it, its finds going on to `weiter` as without the record, and records
    // what they made of each byte. Off, it only runs the steps.
    void Lies(Empfangsautomat& automat, std::span<const std::uint8_t> bytes, bool firmwareModus,
              Empfangsautomat::Senke& weiter, Uhr::time_point zeit = Uhr::now());
    void Gesendet(std::span<const std::uint8_t> bytes, Uhr::time_point zeit = Uhr::now());
    void NichtGesendet(std::span<const std::uint8_t> bytes, Uhr::time_point zeit = Uhr::now());
    // A new open: what the old port left half received is the old port's noise.
    void NeuerPort();
    // Drops the candidate the receiver's steps are collecting (Empfangsautomat::VerwirfKandidat)
    // and, while on, records its bytes as dropped.
    void VerwirfKandidat(Empfangsautomat& automat);

private:
    class Abgriff;
    struct Lesung {
        std::uint64_t anfang; // stream position of its first byte
        Uhr::time_point zeit;
    };
    // Under m_: the stream position after the last byte received.
    std::uint64_t Ende() const { return basis_ + offen_.size(); }
    // Gives out every byte before `grenze`: the lines that end there or before whole, the rest
    // as a line's beginning (firmware mode) or noise.
    void GibBis(std::uint64_t grenze, bool alsRauschen = false);
    void Gib(Eintrag::Art art, std::uint64_t bis, rahmen::Bytes zeile = {});
    // After a read: what is decided now.
    void GibEntschiedenes();
    void Verteile(const Eintrag& e);
    void Leere(); // the state of the received bytes, fresh

    std::atomic<bool> an_{false};
    std::mutex m_;
    std::vector<std::pair<int, Senke>> senken_;
    int naechste_ = 1;
    // Received bytes not yet given out, from stream position basis_ on.
    std::uint64_t basis_ = 0;
    std::deque<std::uint8_t> offen_;
    std::deque<Lesung> lesungen_; // the reads they came in
    bool firmware_ = false;       // the mode of the last read
    // Lines found whose bytes are not yet given out: where each ends, and the line itself.
    std::deque<std::pair<std::uint64_t, rahmen::Bytes>> zeilen_;
    // Where the candidate the receiver collects began, after the last read.
    std::optional<std::uint64_t> kandidat_;
};
