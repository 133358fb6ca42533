#include "tools/trackersim/steuerung.h"

#include "geometry/tracker.h"
#include "seriallink/rahmen.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace trackersim {

namespace {

constexpr double Genauigkeit = 1e-9; // degrees: below this the tracker stands at its target
constexpr double StandardSpeed = 2.236;
constexpr double StandardIntervall = 60; // seconds, for an interval of 0

struct Kalender {
    int jahr = 0;
    unsigned monat = 0, tag = 0;
    int stunde = 0, minute = 0, sekunde = 0;
    double stunden = 0; // decimal hours of the day
};

Kalender KalenderAus(double utc) {
    using namespace std::chrono;
    auto sekunden = static_cast<long long>(std::floor(utc));
    long long tage = sekunden / 86400, rest = sekunden % 86400;
    if (rest < 0) {
        rest += 86400;
        --tage;
    }
    const year_month_day ymd{sys_days{days{tage}}};
    Kalender k;
    k.jahr = static_cast<int>(ymd.year());
    k.monat = static_cast<unsigned>(ymd.month());
    k.tag = static_cast<unsigned>(ymd.day());
    k.stunde = static_cast<int>(rest / 3600);
    k.minute = static_cast<int>(rest % 3600 / 60);
    k.sekunde = static_cast<int>(rest % 60);
    k.stunden = (utc - static_cast<double>(tage) * 86400) / 3600;
    return k;
}

// A value rounded into a field of the response, saturating at the field's limits.
template <typename T> T Feld(double wert) {
    if (std::isnan(wert)) return 0;
    const double r = std::round(wert);
    if (r <= std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
    if (r >= std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}
template <typename T> void Haenge(Bytes& b, T wert) {
    const auto u = static_cast<std::uint16_t>(wert);
    b.push_back(static_cast<std::uint8_t>(u & 0xFF));
    b.push_back(static_cast<std::uint8_t>(u >> 8));
}

bool IstSet(std::uint8_t k) {
    return k == kommando::SetParam || k == kommando::SetTime || k == kommando::SetPosition ||
           k == kommando::SetAutomatik;
}

} // namespace

std::int64_t UtcSekunden(int jahr, unsigned monat, unsigned tag, int stunde, int minute,
                         int sekunde) {
    using namespace std::chrono;
    const sys_days d = sys_days{year{jahr} / month{monat} / day{1}} + days{tag} - days{1};
    return d.time_since_epoch().count() * 86400LL + stunde * 3600LL + minute * 60LL + sekunde;
}

messages::TrackerParameter Werksparameter() {
    messages::TrackerParameter p;
    p.ParModulL = 1500;
    p.ParModulH = 160;
    p.ParModulA = 150;
    p.ParModulN = 30;
    p.ParIntervall = 3000; // 5 minutes
    p.ParLaenge = -1300;
    p.ParBreite = 5100;
    p.ParAnschlagOst = 75;
    p.ParAnschlagWest = 285;
    p.ParWinkelSpeed = 2.236;
    p.ParKorrekturFaktor = 1.0;
    p.ParRest = {0x67, 0x12, 0x00, 0x00}; // serial number 4711
    return p;
}

Steuerung::Steuerung(SteuerungsEinstellungen e)
    : e_(std::move(e)), zufall_(e_.stoerungen.seed), satz_(Werksparameter()),
      uhrBasis_(static_cast<double>(e_.uhr)) {
    if (!(e_.zeitraffer > 0)) e_.zeitraffer = 1;
    // Switched on, the tracker already faces where automatic mode wants it.
    StarteAutomatik();
    position_ = ziel_;
}

Bytes Steuerung::Einschalten(Zeit jetzt) {
    Fortschreiten(jetzt);
    return {};
}

Bytes Steuerung::Empfange(std::span<const std::uint8_t> bytes, Zeit jetzt) {
    Bytes aus;
    Bearbeite(leser_.Lies(bytes, jetzt), jetzt, aus);
    return aus;
}

Bytes Steuerung::Takt(Zeit jetzt) {
    Bytes aus;
    Bearbeite(leser_.Takt(jetzt), jetzt, aus);
    return aus;
}

void Steuerung::Bearbeite(const std::vector<EmpfangenerRahmen>& rahmen, Zeit jetzt, Bytes& aus) {
    if (rahmen.empty()) return;
    Fortschreiten(jetzt);
    for (const EmpfangenerRahmen& r : rahmen)
        Fuehre(r, aus);
}

void Steuerung::Fuehre(const EmpfangenerRahmen& r, Bytes& aus) {
    if (!r.pruefsummeOk) return;
    ++anfragen_;
    if (e_.stoerungen.Trifft(Stoerung::Stille, anfragen_)) return;
    const Bytes& p = r.nutzdaten;
    bool ausgefuehrt = false;
    switch (r.kommando) {
    case kommando::SetParam:
        if (p.size() >= 37 && p[0] == 0x08) {
            // Bytes 36..39 are not sent: the device keeps its own.
            ParameterBytes b = satz_.Bytes();
            std::copy(p.begin() + 1, p.begin() + 37, b.begin());
            satz_ = messages::TrackerParameter::AusBytes(b);
            if (e_.parameterVerfaelschen) ++satz_.ParModulH;
            if (automatik_)
                StarteAutomatik();
            else
                ziel_ = Begrenze(ziel_);
            ausgefuehrt = true;
        }
        break;
    case kommando::GetParam:
        Sende(kommando::GetParam, MitStatus(satz_.Bytes()), aus);
        break;
    case kommando::SetTime: {
        // p: 00, then the clock block
        if (p.size() < 1 + messages::TrackerZeit::Groesse) break;
        const auto z = messages::TrackerZeit::AusBytes(
            std::span(p).subspan(1).first<messages::TrackerZeit::Groesse>());
        if (z.ZeitSekunde <= 59 && z.ZeitMinute <= 59 && z.ZeitStunde <= 23 && z.ZeitTag >= 1 &&
            z.ZeitTag <= 31 && z.ZeitMonat >= 1 && z.ZeitMonat <= 12) {
            uhrBasis_ = static_cast<double>(UtcSekunden(2000 + z.ZeitJahr, z.ZeitMonat, z.ZeitTag,
                                                        z.ZeitStunde, z.ZeitMinute, z.ZeitSekunde));
            uhrMarke_ = t_;
            zusatz_ = z.ZeitZusatz;
            gruppe_ = z.ZeitGruppe;
            if (automatik_) StarteAutomatik();
            ausgefuehrt = true;
        }
        break;
    }
    case kommando::GetTime: {
        const Kalender k = KalenderAus(Utc(t_));
        messages::TrackerZeit z;
        z.ZeitSekunde = static_cast<std::uint8_t>(k.sekunde);
        z.ZeitMinute = static_cast<std::uint8_t>(k.minute);
        z.ZeitStunde = static_cast<std::uint8_t>(k.stunde);
        z.ZeitTag = static_cast<std::uint8_t>(k.tag);
        z.ZeitZusatz = zusatz_;
        z.ZeitMonat = static_cast<std::uint8_t>(k.monat);
        z.ZeitJahr = static_cast<std::uint8_t>((k.jahr - 2000) & 0xFF);
        z.ZeitGruppe = gruppe_;
        Sende(kommando::GetTime, MitStatus(z.Bytes()), aus);
        break;
    }
    case kommando::GetAktuelleDaten: {
        const Augenblick a = Rechne(Utc(t_));
        Bytes n{StatusByte()};
        Haenge(n, Feld<std::uint16_t>(position_));
        Haenge(n, Feld<std::uint16_t>(a.schatten * 1000)); // m -> 0.1 cm
        Haenge(n, Feld<std::int16_t>(a.hoehe * 10));
        Haenge(n, Feld<std::uint16_t>(a.azimut * 10));
        Haenge(n, Feld<std::uint16_t>(a.grenzwinkel));
        Haenge(n, Feld<std::int16_t>(a.korrektur * 10));
        Sende(kommando::GetAktuelleDaten, n, aus);
        break;
    }
    case kommando::SetPosition:
        if (p.size() >= 2 && !e_.festgefahren) {
            automatik_ = false;
            ziel_ = Begrenze(p[0] | p[1] << 8);
            ausgefuehrt = true;
        }
        break;
    case kommando::SetAutomatik:
        if (e_.festgefahren) break;
        StarteAutomatik();
        ausgefuehrt = true;
        break;
    case kommando::GetStatus:
        Sende(kommando::Status, StatusUndCountdown(), aus);
        break;
    case kommando::GetInfo:
        Sende(kommando::Info,
              MitStatus(
                  {reinterpret_cast<const std::uint8_t*>(e_.version.data()), e_.version.size()}),
              aus);
        break;
    default:
        break;
    }
    if (ausgefuehrt && e_.quittieren && IstSet(r.kommando))
        Sende(r.kommando, StatusUndCountdown(), aus);
}

void Steuerung::Sende(std::uint8_t kommando, const Bytes& nutzdaten, Bytes& aus) {
    ++antworten_;
    Bytes f = rahmen::Antwort(kommando, nutzdaten);
    if (e_.stoerungen.Trifft(Stoerung::FalschePruefsumme, antworten_)) ++f[f.size() - 2];
    if (e_.stoerungen.rauschen > 0) {
        const Bytes r = zufall_.Rauschen(e_.stoerungen.rauschen);
        aus.insert(aus.end(), r.begin(), r.end());
    }
    if (e_.stoerungen.Trifft(Stoerung::Startbyte, antworten_)) aus.push_back(rahmen::StartAntwort);
    aus.insert(aus.end(), f.begin(), f.end());
}

void Steuerung::Fortschreiten(Zeit jetzt) {
    const double t = std::max(t_, Sekunden(jetzt) * e_.zeitraffer);
    if (automatik_) {
        const double iv = Intervall();
        // A clock run far ahead (a large time factor) skips steps nobody could watch.
        const double rueckstand = std::floor((t - naechsterSchritt_) / iv);
        if (rueckstand > 1000) naechsterSchritt_ += (rueckstand - 1) * iv;
        while (naechsterSchritt_ <= t) {
            Bewege(naechsterSchritt_);
            Schritt(naechsterSchritt_);
            naechsterSchritt_ += iv;
        }
    }
    Bewege(t);
}

void Steuerung::Bewege(double bis) {
    const double weg = Speed() * (bis - t_);
    t_ = bis;
    // Stuck, the drive neither turns nor shows that it wants to.
    if (e_.festgefahren) ziel_ = position_;
    if (weg <= 0) return;
    if (std::abs(ziel_ - position_) <= weg)
        position_ = ziel_;
    else
        position_ += ziel_ > position_ ? weg : -weg;
}

void Steuerung::Schritt(double t) {
    ziel_ = Begrenze(Rechne(Utc(t)).ziel);
}

void Steuerung::StarteAutomatik() {
    automatik_ = true;
    Schritt(t_);
    naechsterSchritt_ = t_ + Intervall();
}

Steuerung::Augenblick Steuerung::Rechne(double utc) {
    const Kalender k = KalenderAus(utc);
    RechenlaufEingabe e;
    e.Jahr = k.jahr;
    e.Monat = static_cast<int>(k.monat);
    e.Tag = static_cast<int>(k.tag);
    e.Stunde = k.stunden;
    e.Minute = 0;
    e.Phi = satz_.ParBreite * 0.01;
    e.Lam = satz_.ParLaenge * 0.01;
    e.ModulL = satz_.ParModulL;
    e.ModulH = satz_.ParModulH;
    e.ModulA = satz_.ParModulA;
    e.ModulN = satz_.ParModulN;
    e.EndlageStart = satz_.ParAnschlagOst;
    e.EndlageStop = satz_.ParAnschlagWest;
    const auto gleich = [](const RechenlaufEingabe& a, const RechenlaufEingabe& b) {
        return a.Jahr == b.Jahr && a.Monat == b.Monat && a.Tag == b.Tag && a.Phi == b.Phi &&
               a.Lam == b.Lam && a.ModulL == b.ModulL && a.ModulH == b.ModulH &&
               a.ModulA == b.ModulA && a.ModulN == b.ModulN;
    };
    if (!suche_ || !gleich(e, suchEingabe_)) {
        suche_.emplace(e);
        suchEingabe_ = e;
    }
    const RechenlaufErgebnis r = suche_->Augenblick(k.stunden);
    Augenblick a;
    a.azimut = r.Azimut;
    a.hoehe = r.Hoehe;
    a.schatten = r.Schatten;
    a.grenzwinkel = Grenzwinkel(e.ModulA, e.ModulL);
    a.korrektur = r.WinkelZurSonne;
    a.ziel = r.Hoehe > 0 ? r.TrackerPos : suche_->Datum().wende.MorgenPos;
    return a;
}

double Steuerung::Intervall() const {
    return satz_.ParIntervall == 0 ? StandardIntervall : satz_.ParIntervall / 10.0;
}

double Steuerung::Speed() const {
    const double v = satz_.ParWinkelSpeed;
    return v > 0 && std::isfinite(v) ? v : StandardSpeed;
}

double Steuerung::Begrenze(double winkel) const {
    const double ost = std::min(satz_.ParAnschlagOst, satz_.ParAnschlagWest);
    const double west = std::max(satz_.ParAnschlagOst, satz_.ParAnschlagWest);
    return std::clamp(winkel, ost, west);
}

std::uint8_t Steuerung::StatusByte() {
    std::uint8_t s = 0;
    if (automatik_) {
        s |= statusbit::Automatik;
        if (Rechne(Utc(t_)).hoehe > 0) s |= statusbit::Tracking;
    }
    if (ziel_ > position_ + Genauigkeit) s |= statusbit::MotorWest;
    if (ziel_ < position_ - Genauigkeit) s |= statusbit::MotorOst;
    if (position_ <= Begrenze(0) + Genauigkeit) s |= statusbit::EndlageOst;
    if (position_ >= Begrenze(65535) - Genauigkeit) s |= statusbit::EndlageWest;
    return s;
}

std::uint16_t Steuerung::Countdown() const {
    if (!automatik_) return 0;
    return Feld<std::uint16_t>((naechsterSchritt_ - t_) * 10);
}

Bytes Steuerung::MitStatus(std::span<const std::uint8_t> daten) {
    Bytes n;
    n.reserve(1 + daten.size());
    n.push_back(StatusByte());
    n.insert(n.end(), daten.begin(), daten.end());
    return n;
}

Bytes Steuerung::StatusUndCountdown() {
    Bytes n{StatusByte()};
    Haenge(n, Countdown());
    return n;
}

} // namespace trackersim
