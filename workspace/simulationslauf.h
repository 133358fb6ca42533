#pragma once
// The simulation run of the main window: "Start SIM" and "Stop SIM", the time-lapse timer
// Timer1, the move timer TimerMove, the night return at sunset and the jump move a paint
// begins. The steps themselves are in simlauf; this class owns the two timers and reaches
// the window through SimDaten and the two calls of Fenster.
#include "workspace/simlauf.h"

#include <QObject>
#include <functional>

class Handlerlauf;
class QTimer;
class SimDaten;

class Simulationslauf : public QObject {
    Q_OBJECT
public:
    static constexpr int Timer1Intervall = 500;    // ms, one step of the time-lapse
    static constexpr int TimerMoveIntervall = 100; // ms, one step of a move

    // What the run needs of its window besides the inputs and the calculation.
    struct Fenster {
        std::function<void()> sucheSonnenwende; // the window's Sonnenwende search
        std::function<void()> neuZeichnen;      // asks for a repaint of the scene
    };

    Simulationslauf(Simulationszustand& zustand, SimDaten& daten, Fenster fenster,
                    Handlerlauf& lauf, QObject* eltern);

    // The time-lapse timer runs: changed inputs wait for its next tick.
    bool ZeitrafferAktiv() const;

    void ButtonSIMstartClick();
    void ButtonSIMstopClick();
    // At sunset the tracker turns back to its morning position.
    void StarteNachtRueckkehr();
    // A move has begun (a paint's jump, the night return): the move timer runs, the
    // time-lapse pauses.
    void BewegungBegonnen();

private:
    void Timer1Timer();
    void Zeitschritt(); // the next instant into the edits, then the calculation
    void TimerMoveTimer();
    simlauf::Zeitgeber LeseZeitgeber() const;
    void SetzeZeitgeber(const simlauf::Zeitgeber& zg);

    Simulationszustand& zustand_;
    SimDaten& daten_;
    Fenster fenster_;
    Handlerlauf& lauf_;
    QTimer* Timer1;
    QTimer* TimerMove;
};
