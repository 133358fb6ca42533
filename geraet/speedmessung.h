#pragma once
// The speed measurement of the service mode: the tracker is sent beyond its west stop, then
// beyond its east stop, and the time of that second run gives its turning speed. The window
// sends the requests and shows the texts; what each tick of TimerTracktime does is decided
// here, from the status byte and the time handed in, so tests need neither window nor clock.
#include <QDateTime>
#include <QString>
#include <cstdint>

class Speedmessung {
public:
    enum class Schritt {
        Weiter,    // nothing to do on this tick
        NachOsten, // the west end is reached: send "SET Position" 1 (the run east is timed)
        Fertig,    // the east end is reached: stop TimerTracktime, show the result
    };
    struct Tick {
        QString Zeit; // elapsed time of the current leg, "00:01:34"
        Schritt schritt = Schritt::Weiter;
        QString Speed; // the result, when Fertig: "2,234 °/s"
    };

    // A new measurement: the run west is about to be requested.
    void Zuruecksetzen() { westErreicht_ = false; }
    // The run west was requested at jetzt.
    void Beginne(const QDateTime& jetzt) { trackStart_ = jetzt; }

    // One tick at jetzt. The end stops are those of the parameter block, not the edits.
    Tick TimerTracktimeTimer(const QDateTime& jetzt, std::uint8_t statusByte, int anschlagOst,
                             int anschlagWest);

    // How long a whole measurement may take before a tool gives it up, in seconds: two runs
    // from stop to stop (to the west from wherever the tracker stands, then the timed run east)
    // at half the set speed, since the set speed is the very value the measurement checks
    // (Spielraum), and Anlauf for the first requests and the whole-second ticks. A speed the
    // window's bounds refuse (not a number, below 0.010 °/s) counts as that bound; stops that
    // coincide as one degree apart.
    static constexpr double Spielraum = 2, Anlauf = 10;
    static double Hoechstdauer(int anschlagOst, int anschlagWest, double speed);

    bool WestErreicht() const { return westErreicht_; }
    QDateTime TrackStart() const { return trackStart_; }

private:
    bool westErreicht_ = false;
    QDateTime trackStart_;
};

// The text an east end within the first second of the run east shows: no time, no speed.
inline const QString SpeedOhneZeit = QStringLiteral("Zeit unter 1 s");
