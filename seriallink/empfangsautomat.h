#pragma once
// The receiver's byte steps: they cut response frames and bootloader text lines out of the
// bytes as they arrive, in any pieces. Bytes in, finds out; no threads, no Qt.
//
// Frame step (for every byte): waiting for the start byte 0x55, then collecting. At each
// 0xE5 the candidate gets the envelope test (rahmen::AntwortPasst): a match ends it; a
// mismatch ends it only from 39 bytes on, since below that the 0xE5 may be a payload or
// checksum byte. A candidate laid out as the parameter response (command 2, 41 payload
// bytes, 46 bytes in all) is tested only from its 46th byte on: an 0xE5 before that is one
// of its payload or checksum bytes, which the 39-byte rule would otherwise take for its end. A
// candidate that reaches the frame buffer's 100 bytes without ending is dropped, and the step waits
// for the next 0x55 (a length byte over 95 can never match).
//
// Bootloader line step (while the firmware update runs, before the frame step): a carriage
// return ends a line, a zero byte is skipped, every other byte (the line feed too) belongs
// to the line.
#include "seriallink/rahmen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class Empfangsautomat {
public:
    // Where the finds go, in the order the bytes produced them.
    class Senke {
    public:
        // A candidate that passed the envelope test: start byte to the 0xE5 that ended it.
        virtual void RahmenGefunden(std::span<const std::uint8_t> rahmen) = 0;
        // A candidate that failed the test at an 0xE5 (so far).
        virtual void PruefsummeFalsch(std::span<const std::uint8_t> kandidat) = 0;
        // A bootloader line without its carriage return.
        virtual void ZeileGefunden(std::span<const std::uint8_t> zeile) = 0;

    protected:
        ~Senke() = default;
    };

    // A mismatch at an 0xE5 ends a candidate from this many bytes on.
    static constexpr std::size_t EndeAbLaenge = 39;
    // The parameter response: command byte, length byte, and its length in all.
    static constexpr std::uint8_t ParameterKommando = 2, ParameterNutzdaten = 41;
    static constexpr std::size_t ParameterLaenge = ParameterNutzdaten + 5;
    // A line grows no further; the bytes beyond are skipped until the carriage return.
    static constexpr std::size_t GroessteZeile = 1024;

    // One read's bytes. firmwareModus: the bootloader line step runs too.
    void Lies(std::span<const std::uint8_t> bytes, bool firmwareModus, Senke& senke);

    // Drops the bootloader line collected so far (a new firmware session begins).
    void VerwirfZeile() { zeile_.clear(); }
    // Drops the frame candidate collected so far and waits for the next start byte (a reply
    // asked for again must not join a damaged one).
    void VerwirfKandidat() {
        sammelt_ = false;
        laenge_ = 0;
    }

    bool Sammelt() const { return sammelt_; }
    // The bytes of the candidate being collected (0 when none is), so that the traffic record
    // knows where it began.
    std::size_t Kandidatlaenge() const { return sammelt_ ? laenge_ : 0; }
    std::uint64_t Rahmen() const { return rahmen_; }
    std::uint64_t Pruefsummenfehler() const { return pruefsummenfehler_; }
    std::uint64_t Verworfen() const { return verworfen_; } // candidates dropped at 100 bytes

private:
    void Rahmenschritt(std::uint8_t b, Senke& senke);
    void Zeilenschritt(std::uint8_t b, Senke& senke);
    // The candidate is laid out as the parameter response and has not reached its end byte.
    bool VorParameterende() const;

    std::array<std::uint8_t, rahmen::GroessterRahmen> puffer_{};
    std::size_t laenge_ = 0;
    bool sammelt_ = false;
    std::vector<std::uint8_t> zeile_;
    std::uint64_t rahmen_ = 0, pruefsummenfehler_ = 0, verworfen_ = 0;
};
