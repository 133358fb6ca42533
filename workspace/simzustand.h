#pragma once
// The simulation state the main window owns: what the calculation driver leaves behind for
// the scene drawing and the simulation run. Angles in degrees unless the name ends in Rad,
// compass angles clockwise from north; lengths from the edits in cm, derived lengths in m.
// TSDIAppForm holds it as a member; the scene and the run work on this struct alone and can
// be tested without a window.

// World-to-pixel window of the scene, set at the start of every paint.
struct Zeichenfenster {
    double XLinks = 0, XRechts = 0, PixelBreite = 0;
    double YUnten = 0, YOben = 0, PixelHoehe = 0;
};

struct Simulationszustand {
    double Azimut = 0;   // sun azimuth
    double Hoehe = 0;    // sun elevation, negative below the horizon
    double HoeheAlt = 0; // Hoehe of the previous calculation (sunset detection)
    double ModulL = 0, ModulH = 0, ModulA = 0; // row width, module height, clear distance, cm
    double ModulHErr = 0, ModulAErr = 0;       // errors, cm
    double ModulNRad = 0;                      // tilt, radians
    double ModulNErrRad = 0;                   // tilt plus tilt error, radians
    double ModulHEff = 0;                      // effective vertical module height, m
    double ModulHEffErr = 0;                   // the same from the error-affected geometry, m
    double Schatten = 0;                       // shadow length on the ground, m
    double SchattenErr = 0;                    // the same from the error-affected geometry, m
    double WinkelZurSonne = 0.0;               // signed backtracking correction
    double Verschattung = 0;                   // remaining shading, m
    double EndlageStart = 0;                   // east stop (75 after start-up)
    double EndlageStartErr = 0;                // east-stop error
    double EndlageStop = 0; // west stop minus 360 (285 until the first calculation)
    double Modulpos = 0;    // module position on the tracker
    double MorgenPos = 0;   // tracker position after sunrise of the date
    double LastPos = 0;     // row angle of the last drawing
    // How far those rows ran ahead of the needle: EndlageStartErr at rest and by night, 5
    // while moving. Taken off LastPos it gives the needle, which the jump test compares.
    double LastVersatz = 0;
    double MovePos = 0, MoveTarget = 0, MoveStep = 0; // move animation
    bool MoveActive = false;
    double Scale = 20.0; // EditScale * 0.01, side of the shown square in m
    int WendeStunde = 0, WendeMinute = 0;
    // The solar day the Sonnenwende belongs to, in days from the date in the edits (its hours
    // count from that day), and whether its noon lies to the north.
    int WendeTag = 0;
    bool MittagNord = false;
    bool SimActive = false;
    bool SimEnabled = false; // the window is fully created: the complete calculation may run
    Zeichenfenster Fenster;

    double TrackerPos() const { return Azimut + WinkelZurSonne; }
};
