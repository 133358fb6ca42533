#pragma once
// The frame envelope of the line to the tracker controller, in both directions, and its
// checksum. Plain bytes in and out; the receiver's byte-by-byte assembly builds on it.
//
//   request (to the controller):   AA cmd n 00 payload[n] cs E5   (n + 6 bytes)
//   bootloader frame:              AA cmd n payload[n] cs E5      (n + 5 bytes)
//   response (from the controller): 55 cmd n payload[n] cs E5     (n + 5 bytes)
//
// cs is the sum of every byte before it, from the start byte on (the request's 00 included),
// plus 1, modulo 256. The end byte is not covered.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace rahmen {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t StartAnfrage = 0xAA;
inline constexpr std::uint8_t StartAntwort = 0x55;
inline constexpr std::uint8_t Ende = 0xE5;
// The one transmit buffer holds a frame of at most this many bytes.
inline constexpr std::size_t GroessterRahmen = 100;

// How a window hands one frame to the port (the link's SioSend): false when the port is
// closed or the write was refused; status panel 3 then says SendeFehlerText.
using Sender = std::function<bool(std::span<const std::uint8_t>)>;
inline constexpr std::string_view SendeFehlerText = "FEHLER beim senden!";

std::uint8_t Pruefsumme(std::span<const std::uint8_t> bytes);

// Payloads longer than 255 bytes do not fit the length byte: only the first 255 are taken.
Bytes Anfrage(std::uint8_t kommando, std::span<const std::uint8_t> nutzdaten = {});
Bytes BootloaderRahmen(std::uint8_t kommando, std::span<const std::uint8_t> nutzdaten = {});
Bytes Antwort(std::uint8_t kommando, std::span<const std::uint8_t> nutzdaten = {});

// The envelope test of a received candidate (start byte first): it holds at least n + 5
// bytes and byte 3 + n equals the checksum of bytes 0 ... 2 + n. Bytes after the checksum are
// not examined.
bool AntwortPasst(std::span<const std::uint8_t> kandidat);

} // namespace rahmen
