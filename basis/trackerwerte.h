#pragma once
// What the simulation file keeps of the parametrization window: the tracker speed of its
// parameter set and the group of its clock block. The parametrization window implements it;
// the composition root hands it to the main window's file operations.
class TrackerWerte {
public:
    virtual ~TrackerWerte() = default;
    // ParWinkelSpeed of the parameter block as it stands (degrees per second).
    virtual double WinkelSpeed() const = 0;
    // ZeitGruppe of the clock block as it stands.
    virtual int Gruppe() const = 0;
    // A loaded file: ParWinkelSpeed = winkelSpeed, shown in its edit (x 1000, truncated
    // toward zero, as an unsigned 32-bit decimal); ZeitGruppe = the low 8 bits of gruppe.
    virtual void UebernimmAusDatei(double winkelSpeed, int gruppe) = 0;
    // "GET Sim Daten ": takes the main window's inputs into the window (after every load).
    virtual void HoleSimDaten() = 0;
};
