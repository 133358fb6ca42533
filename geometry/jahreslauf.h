#pragma once
// What the clear-sky year study (jahresstudie) and the study on a measured series (wetterjahr)
// share: the three ways at one instant, so that one code path computes the angle of incidence
// and the shaded share of the next row for both; the module each way has; the helpers of a
// sweep. Units and signs as in tracker.h: edits in cm and degrees, derived lengths in m.
#include "geometry/jahresstudie.h"
#include "geometry/sonnenposition.h"

#include <atomic>
#include <cstddef>
#include <functional>

namespace jahresstudie {

// cos of the angle of incidence from the sun's elevation (sine, cosine), the module's tilt
// (sine, cosine) and the cosine of the azimuth between the sun and the module's facing.
inline double Einfall(double sinE, double cosE, double sinN, double cosN, double cosAzimut) {
    return sinE * cosN + cosE * sinN * cosAzimut;
}

// The module of one way as the irradiance and the shade see it.
struct Modul {
    double neigung = 0; // degrees from the horizontal, as it stands (with the tilt error)
    // The row profile the shaded share takes: the module whose shadow is the longer of the
    // nominal one and the one with the errors (slant height m, tilt degrees), and the nominal
    // clear gap (m).
    double schattenH = 0, schattenN = 0, abstand = 0;
};

// One run's fixed part (the geometry with and without the errors, the tilts' sines and
// cosines, the modules' horizontal depths), and the three ways at an instant.
class Lauf {
public:
    explicit Lauf(const RechenlaufEingabe& e);

    // The three ways at an instant with the sun up (sonne.hoehe > 0), signed with the
    // Sonnenwende hour wende and the noon's side nord of the instant's solar day, stunden
    // counted from that day's 0:00 UTC: angles of incidence, shaded shares, the tracker's
    // position. dni stays 0: the caller knows the light.
    Augenblick Geometrie(const Sonnenstand& sonne, double stunden, int wende, bool nord);

    // The way with backtracking alone, for a sweep over an installation error: Setze gives the
    // instant (what Geometrie sets for all ways), tanHoehe is its elevation's tangent.
    void Setze(double hoehe, double stunden, int wende, bool nord);
    KomplettErgebnis Mit(const Sonnenstand& sonne, double tanHoehe, Augenblick& a);

    // The module with the errors as given (with and without backtracking), and without them.
    Modul MitFehlern() const;
    Modul OhneFehler() const;

private:
    double Anteil(const KomplettErgebnis& k, double cosWinkel) const;

    RechenlaufEingabe e_;
    KomplettEingabe mit_, ohne_;
    KomplettGeometrie gMit_, gOhne_;
    bool fehlerfrei_;
    double sinNErr_ = 0, cosNErr_ = 1, sinN_ = 0, cosN_ = 1, cErr_ = 0, c_ = 0, cosStopErr_ = 1;
};

// The inputs a sweep may vary without touching the sun, the searches or the nominal geometry:
// the installation errors.
bool NurFehler(double RechenlaufEingabe::*feld);

// Calls jeWert once for each value's worth of work as the days get done (all values advance
// together), so a caller counting values sees the same total, werte calls after tage days.
class Tagesfortschritt {
public:
    Tagesfortschritt(std::size_t werte, int tage, const std::function<void()>& jeWert)
        : werte_(werte), tage_(tage), jeWert_(jeWert) {}
    void TagFertig();

private:
    std::size_t werte_;
    int tage_;
    const std::function<void()>& jeWert_;
    std::atomic<long> fertig_{0};
};

// arbeite on this thread and on up to hoechstens - 1 more (never more than the cores), all
// joined before it returns.
void AufKernen(unsigned hoechstens, const std::function<void()>& arbeite);

} // namespace jahresstudie
