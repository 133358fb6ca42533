#pragma once
// The simulation run without widgets: the time step of the time-lapse, the position the
// scene shows, the move animation (jump moves and the night return) and what each step does
// to the two timers. Simulationslauf (simulationslauf.h) reads the edits and timers, calls
// these, and applies the result.
#include "workspace/simzustand.h"

#include <cstdint>

namespace simlauf {

// Enabled state of the time-lapse timer Timer1 (500 ms) and the move timer TimerMove (100 ms).
struct Zeitgeber {
    bool Timer1 = false;
    bool TimerMove = false;
    friend bool operator==(const Zeitgeber&, const Zeitgeber&) = default;
};

// A simulated instant as the date and time edits hold it. 64 bits, so that no carry can
// overflow; a value that no longer fits the edits' 32-bit reading fails at the next tick.
struct Zeitpunkt {
    std::int64_t Jahr = 0, Monat = 0, Tag = 0, Stunde = 0, Minute = 0;
    friend bool operator==(const Zeitpunkt&, const Zeitpunkt&) = default;
};

// One step of the time-lapse: minute + intervall; at 60 or more the minute becomes 0 (the
// excess is dropped) and the hour carries into day, month and year (Gregorian leap years).
// A month outside 1..12 counts 31 days, so an odd month still carries.
Zeitpunkt ZeitSchritt(Zeitpunkt t, std::int64_t intervall);

// TrackerPos, limited to the stops when "Anschläge verwenden" is ticked.
double GezeigtePosition(const Simulationszustand& z, bool anschlaege);

// The needle of the last drawing. LastPos holds its rows, which are drawn off the needle by
// the east-stop error (or by 5 while moving); a tracker position is compared and moved from
// on the needle, so a constant error never looks like a jump.
inline double LetzteNadel(const Simulationszustand& z) {
    return z.LastPos - z.LastVersatz;
}

// Where a repaint puts the tracker.
enum class Lage {
    Bewegung, // a move runs: at MovePos
    Nacht,    // sun below the horizon: at MorgenPos
    Sprung,   // 16 degrees or more from the last needle: a jump move starts, nothing is drawn
    Position, // at the shown position
};
Lage BestimmeLage(const Simulationszustand& z, double gezeigt);

// A move of the needle from where it was last drawn to ziel, in steps of
// (LetzteNadel - ziel) * faktor. Replaces a running move.
void StarteBewegung(Simulationszustand& z, double ziel, double faktor);
inline void StarteSprung(Simulationszustand& z, double gezeigt) {
    StarteBewegung(z, gezeigt, 0.04);
}
inline void StarteNachtRueckkehr(Simulationszustand& z) {
    StarteBewegung(z, z.MorgenPos, 0.025);
}
// The timers once a move has begun: the move timer runs, the time-lapse pauses.
void BewegungBeginnt(const Simulationszustand& z, Zeitgeber& zg);

// One move tick in two halves around its repaint: advance MovePos, then check the end.
void BewegeWeiter(Simulationszustand& z);
// True when the move has reached or passed its target (or has no step): the move timer
// stops, MoveActive clears and a running time-lapse resumes. A move whose step, position or
// target is not a number could never arrive and ends at once.
bool BeendeBewegung(Simulationszustand& z, Zeitgeber& zg);

// "Start SIM" and "Stop SIM". Stop leaves the move timer running: the move runs out
// without restarting the time-lapse.
void SimStart(Simulationszustand& z, Zeitgeber& zg);
void SimStop(Simulationszustand& z, Zeitgeber& zg);

} // namespace simlauf
