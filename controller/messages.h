#pragma once
// The application messages exchanged with the tracker controller: the nine requests, the
// five responses the window decodes, and the two blocks they carry. Every layout is written
// out byte by byte, little-endian, with doubles as IEEE 754 binary64: nothing depends on the
// host's struct packing or byte order. No windows here; the parametrization window builds on
// it, and the simulated controller speaks the same layouts.
#include "seriallink/rahmen.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace messages {

using rahmen::Bytes;

enum class Kommando : std::uint8_t {
    SetParam = 1,
    GetParam = 2,
    SetTime = 3,
    GetTime = 4,
    GetAktuelleDaten = 5,
    SetPosition = 6,
    SetAutomatik = 7,
    GetStatus = 8,
    Status = 9, // response only
    GetInfo = 10,
    Info = 11, // response only
};

// The status text a request shows in panel 3 when it was handed to the port.
QString StatusText(Kommando k); // "SET Parameter", "GET Parameter", ..., "Get Status", "GET Info"

// The controller's parameter set, 40 bytes.
struct TrackerParameter {
    static constexpr std::size_t Groesse = 40;
    std::uint16_t ParModulL = 0, ParModulH = 0, ParReserve = 0, ParModulA = 0, ParModulN = 0;
    std::uint16_t ParIntervall = 0;            // tenths of a second
    std::int16_t ParLaenge = 0, ParBreite = 0; // hundredths of a degree, east negative
    std::uint16_t ParAnschlagOst = 0, ParAnschlagWest = 0;
    double ParWinkelSpeed = 0;     // degrees per second
    double ParKorrekturFaktor = 0; // factor
    std::array<std::uint8_t, 4> ParRest{};

    std::array<std::uint8_t, Groesse> Bytes() const;
    static TrackerParameter AusBytes(std::span<const std::uint8_t, Groesse> b);
    friend bool operator==(const TrackerParameter&, const TrackerParameter&) = default;
};

// The controller's clock, 8 bytes, UTC.
struct TrackerZeit {
    static constexpr std::size_t Groesse = 8;
    std::uint8_t ZeitSekunde = 0, ZeitMinute = 0, ZeitStunde = 0, ZeitTag = 0, ZeitZusatz = 0,
                 ZeitMonat = 0, ZeitJahr = 0 /* year - 2000, modulo 256 */, ZeitGruppe = 0;

    std::array<std::uint8_t, Groesse> Bytes() const;
    static TrackerZeit AusBytes(std::span<const std::uint8_t, Groesse> b);
    friend bool operator==(const TrackerZeit&, const TrackerZeit&) = default;
};

// Requests (the whole frame, envelope included).
Bytes Anfrage(Kommando ohneNutzdaten); // GetParam, GetTime, GetAktuelleDaten, SetAutomatik,
                                       // GetStatus, GetInfo
Bytes SetParamAnfrage(const TrackerParameter& p); // payload 0x08 + bytes 0..35
Bytes SetTimeAnfrage(const TrackerZeit& z);       // payload 0x00 + bytes 0..7
Bytes SetPositionAnfrage(int winkel);             // low 16 bits of winkel

// A response whose envelope matched (start byte to end byte), taken apart.
struct Antwort {
    std::uint8_t kommando = 0;
    Bytes nutzdaten; // the n payload bytes
};
// nullopt when the frame is shorter than its length byte says.
std::optional<Antwort> Zerlege(std::span<const std::uint8_t> rahmen);

// Status: payload bytes 0..2 of every decoded response.
struct Status {
    std::uint8_t StatusByte = 0;
    std::uint16_t TrackCountdown = 0; // tenths of a second
};
// Bits of StatusByte.
inline constexpr std::uint8_t BitTracking = 0x01, BitMotorWest = 0x02, BitMotorOst = 0x04,
                              BitEndlageOst = 0x08, BitEndlageWest = 0x10, BitAutomatik = 0x20;
// "00:" + minutes + ":" + seconds, each at least two digits (minutes may grow past two).
QString CountdownText(std::uint16_t zehntelSekunden);

// Current values, payload bytes 1..12 of response 5.
struct Istwerte {
    std::uint16_t IstPosition = 0;    // degrees
    std::uint16_t IstSchatten = 0;    // 0.1 cm
    std::int16_t IstSonnenstand = 0;  // 0.1 degree
    std::uint16_t IstAzimut = 0;      // 0.1 degree
    std::uint16_t IstGrenzwinkel = 0; // degrees
    std::int16_t IstKorrektur = 0;    // 0.1 degree
};

// What the payload of a response carries, nullopt when it is shorter than its command reads
// (41 bytes for 2, 9 for 4, 13 for 5, 3 for 9, at least 1 for 11). Such a response is ignored.
std::optional<Status> LeseStatus(const Antwort& a);
std::optional<TrackerParameter> LeseParameter(const Antwort& a); // payload 1..40
// Clock bytes 0..6 from payload 1..7 (the group stays as it is) and the group byte 8.
struct Uhrzeit {
    std::array<std::uint8_t, 7> zeit{};
    std::uint8_t gruppe = 0;
};
std::optional<Uhrzeit> LeseUhrzeit(const Antwort& a);
std::optional<Istwerte> LeseIstwerte(const Antwort& a);
// Payload bytes 1..n-1, one character each, zero bytes dropped.
std::optional<QString> LeseVersionstext(const Antwort& a);

// SoftwareVersion: 100 * characters 1-2 + characters 4-5 ("01.20" gives 120). nullopt when
// the text is shorter than five characters or a part is no whole number.
std::optional<int> SoftwareVersion(const QString& text);
inline constexpr int KleinsteVersion = 120;

} // namespace messages
