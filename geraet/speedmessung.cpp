#include "geraet/speedmessung.h"

#include "basis/zahltext.h"
#include "geraet/messages.h"
#include "geraet/parameterfelder.h"

#include <QTime>
#include <algorithm>
#include <cmath>

Speedmessung::Tick Speedmessung::TimerTracktimeTimer(const QDateTime& jetzt,
                                                     std::uint8_t statusByte, int anschlagOst,
                                                     int anschlagWest) {
    // The elapsed time as a time of day, cut to whole seconds.
    constexpr qint64 Tag = 86400;
    const qint64 ms = trackStart_.isValid() ? trackStart_.msecsTo(jetzt) : 0;
    const qint64 sekunden = ((ms >= 0 ? ms / 1000 : (ms - 999) / 1000) % Tag + Tag) % Tag;
    Tick t;
    t.Zeit = QTime(0, 0).addSecs(static_cast<int>(sekunden)).toString(QStringLiteral("HH:mm:ss"));

    if (statusByte & messages::BitAutomatik) return t;
    // The west end is tested first: both end bits while running west count as the west end.
    if (statusByte & messages::BitEndlageWest) {
        if (westErreicht_) return t;
        t.schritt = Schritt::NachOsten;
        trackStart_ = jetzt;
        westErreicht_ = true;
        return t;
    }
    if ((statusByte & messages::BitEndlageOst) && westErreicht_) {
        t.schritt = Schritt::Fertig;
        if (sekunden == 0)
            t.Speed = SpeedOhneZeit;
        else
            t.Speed = zahltext::Fest(static_cast<double>(anschlagWest - anschlagOst) /
                                         static_cast<double>(sekunden),
                                     3) +
                      QStringLiteral(" °/s");
    }
    return t;
}

double Speedmessung::Hoechstdauer(int anschlagOst, int anschlagWest, double speed) {
    const auto& feld = parameterfelder::Zu(parameterfelder::Id::Winkelgeschwindigkeit);
    const double kleinste = static_cast<double>(*feld.unten) / 1000;
    const double v = std::isfinite(speed) ? std::max(speed, kleinste) : kleinste;
    const double weg = std::max(std::abs(anschlagWest - anschlagOst), 1);
    return 2 * Spielraum * weg / v + Anlauf;
}
