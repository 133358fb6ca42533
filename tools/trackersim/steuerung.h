#pragma once
// The simulated tracker controller in normal operation: it answers the application's
// requests, keeps the parameter set and the clock it is sent, lets the clock run and turns
// the tracker.
//
// What it does where the real device's behaviour is its own:
//  - Automatic mode: every ParIntervall tenths of a second (0 counts as one minute) a tracking
//    step computes, with the application's own geometry, the position for the clock's instant:
//    the sun's azimuth plus the backtracking correction while the sun is up, the morning
//    position of the day while it is down; the tracker then turns there. The status shows
//    "tracking" while in automatic mode with the sun up. Setting the parameters, the clock or
//    automatic mode runs a step at once and restarts the countdown.
//  - The tracker turns at ParWinkelSpeed degrees per second (a speed that is not positive, as
//    in an all-zero set, turns at 2.236) and never beyond the stops ParAnschlagOst and
//    ParAnschlagWest; standing at a stop shows its end-position bit.
//  - SET requests are acted on and, unless asked to (quittieren), not answered; the
//    acknowledgement then is a response with the request's command byte and the status.
//    A "SET Parameter" whose first payload byte is not 0x08, or one shorter than 37 bytes, and
//    a "SET Time" shorter than 9 bytes or with a month, hour, minute or second out of range
//    are ignored. ZeitZusatz is kept as sent; ParKorrekturFaktor is stored, not used, so the
//    values match the application's simulation; ParRest holds the device's serial number.
//    Other command bytes and requests with a wrong checksum are ignored.
//  - The current values saturate at the limits of their fields (a shadow longer than
//    6553.5 cm reads 65535).
#include "geometry/rechenlauf.h"
#include "geraet/messages.h"
#include "tools/trackersim/geraet.h"
#include "tools/trackersim/rahmenleser.h"
#include "tools/trackersim/stoerungen.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace trackersim {

// UTC as seconds since 1970-01-01; the day may run past the month's end.
std::int64_t UtcSekunden(int jahr, unsigned monat, unsigned tag, int stunde, int minute,
                         int sekunde);

// The parameter set as the application sends and reads it (geraet/messages.h).
using ParameterBytes = std::array<std::uint8_t, messages::TrackerParameter::Groesse>;
// The set the device starts with: the window's defaults and, in ParRest, its serial number.
messages::TrackerParameter Werksparameter();

struct SteuerungsEinstellungen {
    std::string version = "01.20";
    std::int64_t uhr = UtcSekunden(2008, 7, 7, 11, 0, 0); // UTC at time 0
    double zeitraffer = 1; // the device's time runs this many times faster
    bool quittieren = false;
    // A controller that stores what "SET Parameter" carries, but the module height one
    // centimetre higher (a faulty flash cell, a firmware bug): read back, the set differs.
    bool parameterVerfaelschen = false;
    // A controller stuck as it is (a jammed drive, a firmware that hangs in its mode): it
    // acts on no "SET Position" and no "SET Automatik" and its tracker does not move, so its
    // status never changes; it still answers every request.
    bool festgefahren = false;
    Stoerplan stoerungen;
};

namespace kommando {
using messages::Kommando;
inline constexpr std::uint8_t SetParam = Byte(Kommando::SetParam),
                              GetParam = Byte(Kommando::GetParam),
                              SetTime = Byte(Kommando::SetTime), GetTime = Byte(Kommando::GetTime),
                              GetAktuelleDaten = Byte(Kommando::GetAktuelleDaten),
                              SetPosition = Byte(Kommando::SetPosition),
                              SetAutomatik = Byte(Kommando::SetAutomatik),
                              GetStatus = Byte(Kommando::GetStatus),
                              Status = Byte(Kommando::Status), GetInfo = Byte(Kommando::GetInfo),
                              Info = Byte(Kommando::Info);
} // namespace kommando

namespace statusbit {
inline constexpr std::uint8_t Tracking = messages::BitTracking, MotorWest = messages::BitMotorWest,
                              MotorOst = messages::BitMotorOst,
                              EndlageOst = messages::BitEndlageOst,
                              EndlageWest = messages::BitEndlageWest,
                              Automatik = messages::BitAutomatik;
} // namespace statusbit

class Steuerung : public Geraet {
public:
    explicit Steuerung(SteuerungsEinstellungen e = {});

    Bytes Einschalten(Zeit jetzt) override;
    Bytes Empfange(std::span<const std::uint8_t> bytes, Zeit jetzt) override;
    Bytes Takt(Zeit jetzt) override;
    std::optional<Zeit> NaechsterTakt() const override { return leser_.Frist(); }

private:
    struct Augenblick {
        double azimut = 0, hoehe = 0, schatten = 0, grenzwinkel = 0, korrektur = 0;
        double ziel = 0; // where a tracking step turns to
    };

    void Bearbeite(const std::vector<EmpfangenerRahmen>& rahmen, Zeit jetzt, Bytes& aus);
    void Fuehre(const EmpfangenerRahmen& r, Bytes& aus);
    void Sende(std::uint8_t kommando, const Bytes& nutzdaten, Bytes& aus);

    void Fortschreiten(Zeit jetzt);
    void Bewege(double bis);
    void Schritt(double t);
    void StarteAutomatik();
    Augenblick Rechne(double utc);

    double Utc(double t) const { return uhrBasis_ + (t - uhrMarke_); }
    double Intervall() const;
    double Speed() const;
    double Begrenze(double winkel) const;
    std::uint8_t StatusByte();
    std::uint16_t Countdown() const;
    Bytes MitStatus(std::span<const std::uint8_t> daten);
    Bytes StatusUndCountdown();

    SteuerungsEinstellungen e_;
    Rahmenleser leser_{true};
    Zufall zufall_;
    unsigned anfragen_ = 0, antworten_ = 0;

    messages::TrackerParameter satz_;
    std::uint8_t zusatz_ = 0, gruppe_ = 1;

    // Device time in seconds (real time since start times zeitraffer); the clock reads
    // uhrBasis_ at device time uhrMarke_.
    double t_ = 0;
    double uhrBasis_ = 0, uhrMarke_ = 0;

    bool automatik_ = true;
    double position_ = 0, ziel_ = 0;
    double naechsterSchritt_ = 0;

    // The day's searches, kept while date and geometry stay the same.
    RechenlaufEingabe suchEingabe_;
    std::optional<Tagessuchen> suche_; // the searches of suchEingabe_'s date
};

} // namespace trackersim
