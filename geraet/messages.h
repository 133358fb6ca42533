#pragma once
// The application messages exchanged with the tracker controller: the nine requests, the
// five responses the window decodes, and the two blocks they carry. Every layout is written
// out byte by byte, little-endian, with doubles as IEEE 754 binary64: nothing depends on the
// host's struct packing or byte order. No windows here; the parametrization window builds on
// it, and the simulated controller speaks the same layouts.
//
// The texts the window's edits show and hold are converted here as well, so that what a
// request carries and what a response shows can be checked without a window.
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
constexpr std::uint8_t Byte(Kommando k) {
    return static_cast<std::uint8_t>(k);
}

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

// Whether the payload holds every byte its command reads: 41 for 2, 9 for 4, 13 for 5, and the
// status bytes 0..2 for 9 and 11 (a version text needs them too, since the status step reads
// them from every decoded response). Other commands read nothing. A response that falls short
// is ignored as a whole: nothing is shown from bytes that did not arrive.
bool Vollstaendig(const Antwort& a);

// Status: payload bytes 0..2 of every decoded response.
struct Status {
    std::uint8_t StatusByte = 0;
    std::uint16_t TrackCountdown = 0; // tenths of a second
};
// Bits of StatusByte.
inline constexpr std::uint8_t BitTracking = 0x01, BitMotorWest = 0x02, BitMotorOst = 0x04,
                              BitEndlageOst = 0x08, BitEndlageWest = 0x10, BitAutomatik = 0x20;
// The status lamps of the parametrization window, in its order, with their captions (marked
// for the translation in the window's context; the traffic record keeps them German).
struct Statuslampe {
    std::uint8_t bit;
    const char* beschriftung;
};
inline constexpr Statuslampe Statuslampen[] = {
    {BitTracking, QT_TRANSLATE_NOOP("TFormTrackerInit", "Tracking")},
    {BitMotorWest, QT_TRANSLATE_NOOP("TFormTrackerInit", "MotorW")},
    {BitMotorOst, QT_TRANSLATE_NOOP("TFormTrackerInit", "MotorO")},
    {BitEndlageOst, QT_TRANSLATE_NOOP("TFormTrackerInit", "ELO")},
    {BitEndlageWest, QT_TRANSLATE_NOOP("TFormTrackerInit", "ELW")},
    {BitAutomatik, QT_TRANSLATE_NOOP("TFormTrackerInit", "Auto")}};
// The caption of a status bit's lamp (German, marked above); "" for no lamp's bit.
constexpr const char* Lampenbeschriftung(std::uint8_t bit) {
    for (const Statuslampe& l : Statuslampen)
        if (l.bit == bit) return l.beschriftung;
    return "";
}
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

// What the payload of a response carries; nullopt when it is not Vollstaendig.
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

// The version check. SoftwareVersion = 100 * characters 1-2 + characters 4-5 ("01.20" gives
// 120); the parameter buttons need at least KleinsteVersion.
inline constexpr int KleinsteVersion = 120;
enum class Versionsbefund {
    Passend,  // SoftwareVersion >= 120: enable the buttons
    ZuAlt,    // SoftwareVersion < 120: disable them, "Falsche Version!"
    ZuKurz,   // fewer than five characters: treated as too old, no SoftwareVersion
    Unlesbar, // a part is no whole number: the check stops, nothing changes
};
struct Version {
    Versionsbefund befund = Versionsbefund::Unlesbar;
    int SoftwareVersion = 0; // for Passend and ZuAlt
};
Version PruefeVersion(const QString& text);

// --- The window's texts ---------------------------------------------------------------------
// Integers are read with the strict conversion, decimal numbers with the user's separator
// (basis/zahltext.h); both throw zahltext::KonvertierFehler. A field takes the low bits of
// the integer read; a product that is truncated toward zero and does not fit 64 bits
// saturates before its low bits are taken (NaN gives 0).

std::uint16_t Low16(const QString& ganzzahl);
// x 100, truncated toward zero, on the decimal digits of the text ("8,45" gives 845).
std::int16_t Hundertstel(const QString& dezimal);
// x 0.001: the double nearest to the text's value in thousandths ("1001" gives 1.001).
double AusTausendsteln(const QString& dezimal);
// Decimal number in the general format ("50,53", "-13", "0").
QString Dezimal(double wert);
// wert x 0.01 in the general format, from the integer (5053 gives "50,53"): the text that
// Hundertstel reads back as wert.
QString HundertstelText(std::int16_t wert);
// wert in thousandths as an unsigned 32-bit decimal (2.236 gives "2236"): the whole number
// that AusTausendsteln turns back into this very value where there is one, else wert x 1000
// truncated toward zero.
QString Tausendstel(double wert);

// The texts of the "Trackerinitialisierung" edits, named after them without "Edit".
struct Parametertexte {
    QString Phi, Lam, ModulH, ModulL, ModulA, ModulN, Intervall, WinkelSpeed, AnschlagOst,
        AnschlagWest, KorrekturFaktor;
    friend bool operator==(const Parametertexte&, const Parametertexte&) = default;
};
// EditsToParam without its validation, in its order: ParModulL, ParModulH, ParReserve = 0,
// ParModulA, ParModulN, ParIntervall (minutes x 600), ParLaenge, ParBreite (x 100),
// ParWinkelSpeed, ParKorrekturFaktor (AusTausendsteln), ParAnschlagOst, ParAnschlagWest. Each field
// is stored as soon as its text converts; a failure leaves the ones after it as they were.
void LeseParametertexte(const Parametertexte& t, TrackerParameter& p);
// What ParamToEdits shows.
Parametertexte ParameterTexte(const TrackerParameter& p);

// The date and time edits of "Nur UTC Zeit eingeben!".
struct Zeittexte {
    QString Jahr, Monat, Tag, Stunde, Minute, Sekunde;
    friend bool operator==(const Zeittexte&, const Zeittexte&) = default;
};
// ZeitJahr (year - 2000, low 8 bits), ZeitMonat, ZeitTag, ZeitStunde, ZeitMinute and, when
// mitSekunde, ZeitSekunde, in this order, each stored as soon as it converts. ZeitZusatz and
// ZeitGruppe are not touched.
void LeseZeittexte(const Zeittexte& t, TrackerZeit& z, bool mitSekunde);
// What ZeitToEdits shows.
Zeittexte ZeitTexte(const TrackerZeit& z);

// The six edits of "aktuelle Systemwerte".
struct Istwerttexte {
    QString AktPos, AktSchatten, AktSonnenstand, AktAzimut, AktGrenz, AktKorrekt;
    friend bool operator==(const Istwerttexte&, const Istwerttexte&) = default;
};
Istwerttexte IstwertTexte(const Istwerte& i);

} // namespace messages
