#include "workspace/simlauf.h"

#include "geometry/tracker.h"

#include <cmath>

namespace simlauf {

namespace {
std::int64_t Monatstage(std::int64_t jahr, std::int64_t monat) {
    if (monat < 1 || monat > 12) return 31;
    // The leap rule repeats every 400 years, so any year maps into int range unchanged.
    return TageImMonat(static_cast<int>(jahr % 400), static_cast<int>(monat));
}
} // namespace

Zeitpunkt ZeitSchritt(Zeitpunkt t, std::int64_t intervall) {
    t.Minute += intervall;
    if (t.Minute < 60) return t;
    t.Minute = 0;
    if (++t.Stunde < 24) return t;
    t.Stunde = 0;
    if (++t.Tag <= Monatstage(t.Jahr, t.Monat)) return t;
    t.Tag = 1;
    if (++t.Monat <= 12) return t;
    t.Monat = 1;
    ++t.Jahr;
    return t;
}

double GezeigtePosition(const Simulationszustand& z, bool anschlaege) {
    double p = z.TrackerPos();
    if (anschlaege) {
        if (p < z.EndlageStart)
            p = z.EndlageStart;
        else if (p > z.EndlageStop + 360)
            p = z.EndlageStop + 360;
    }
    return p;
}

Lage BestimmeLage(const Simulationszustand& z, double gezeigt) {
    if (z.MoveActive) return Lage::Bewegung;
    if (z.Hoehe < 0) return Lage::Nacht;
    // Truncated first: 15.9 degrees are drawn at once, 16.0 turn. Done on the double, so a
    // difference beyond the integer range still counts as a jump.
    if (std::fabs(std::trunc(LetzteNadel(z) - gezeigt)) > 15) return Lage::Sprung;
    return Lage::Position;
}

void StarteBewegung(Simulationszustand& z, double ziel, double faktor) {
    const double von = LetzteNadel(z);
    z.MoveActive = true;
    z.MoveStep = (von - ziel) * faktor;
    z.MoveTarget = ziel;
    z.MovePos = von;
}

void BewegungBeginnt(const Simulationszustand& z, Zeitgeber& zg) {
    zg.TimerMove = true;
    if (z.SimActive) zg.Timer1 = false;
}

void BewegeWeiter(Simulationszustand& z) {
    z.MovePos = z.MovePos - z.MoveStep;
}

bool BeendeBewegung(Simulationszustand& z, Zeitgeber& zg) {
    const bool ende = z.MoveStep == 0 || (z.MoveStep > 0 && z.MovePos <= z.MoveTarget) ||
                      (z.MoveStep < 0 && z.MovePos >= z.MoveTarget) || std::isnan(z.MoveStep) ||
                      std::isnan(z.MovePos) || std::isnan(z.MoveTarget);
    if (!ende) return false;
    zg.TimerMove = false;
    z.MoveActive = false;
    if (z.SimActive) zg.Timer1 = true;
    return true;
}

void SimStart(Simulationszustand& z, Zeitgeber& zg) {
    z.SimActive = true;
    zg.Timer1 = true;
}

void SimStop(Simulationszustand& z, Zeitgeber& zg) {
    zg.Timer1 = false;
    z.SimActive = false;
    z.MoveActive = false;
}

} // namespace simlauf
