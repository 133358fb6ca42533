// The simulation run without a window: time step, moves and the timers' states.
#include "workspace/simlauf.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <ostream>

namespace simlauf {
std::ostream& operator<<(std::ostream& os, const Zeitpunkt& t) {
    return os << t.Tag << '.' << t.Monat << '.' << t.Jahr << ' ' << t.Stunde << ':' << t.Minute;
}
std::ostream& operator<<(std::ostream& os, const Zeitgeber& z) {
    return os << "Timer1=" << z.Timer1 << " TimerMove=" << z.TimerMove;
}
} // namespace simlauf

namespace {

using simlauf::Zeitgeber;
using simlauf::Zeitpunkt;

struct SchrittFall {
    const char* name;
    Zeitpunkt von;
    int intervall;
    Zeitpunkt nach;
};
class SimlaufZeitSchritt : public testing::TestWithParam<SchrittFall> {};

TEST_P(SimlaufZeitSchritt, Uebertraege) {
    EXPECT_EQ(simlauf::ZeitSchritt(GetParam().von, GetParam().intervall), GetParam().nach);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SimlaufZeitSchritt,
    testing::Values(
        SchrittFall{"Viertelstunde", {2008, 7, 7, 11, 0}, 15, {2008, 7, 7, 11, 15}},
        SchrittFall{"VolleStunde", {2008, 7, 7, 11, 45}, 15, {2008, 7, 7, 12, 0}},
        SchrittFall{"SiebenBis56", {2008, 7, 7, 11, 49}, 7, {2008, 7, 7, 11, 56}},
        SchrittFall{"UeberschussVerfaellt", {2008, 7, 7, 11, 56}, 7, {2008, 7, 7, 12, 0}},
        SchrittFall{"Sechzig", {2008, 7, 7, 11, 0}, 60, {2008, 7, 7, 12, 0}},
        SchrittFall{"SechzigAusKrummerMinute", {2008, 7, 7, 11, 30}, 60, {2008, 7, 7, 12, 0}},
        SchrittFall{"Mitternacht", {2008, 7, 7, 23, 45}, 15, {2008, 7, 8, 0, 0}},
        SchrittFall{"Silvester", {2008, 12, 31, 23, 45}, 15, {2009, 1, 1, 0, 0}},
        SchrittFall{"Schaltjahr", {2008, 2, 28, 23, 45}, 15, {2008, 2, 29, 0, 0}},
        SchrittFall{"SchalttagEnde", {2008, 2, 29, 23, 45}, 15, {2008, 3, 1, 0, 0}},
        SchrittFall{"Gemeinjahr", {2009, 2, 28, 23, 45}, 15, {2009, 3, 1, 0, 0}},
        SchrittFall{"Jahrhundert", {2100, 2, 28, 23, 45}, 15, {2100, 3, 1, 0, 0}},
        SchrittFall{"Jahrtausend", {2000, 2, 28, 23, 45}, 15, {2000, 2, 29, 0, 0}},
        SchrittFall{"Dreissig", {2008, 4, 30, 23, 45}, 15, {2008, 5, 1, 0, 0}},
        SchrittFall{"TagHinterMonatsende", {2008, 2, 31, 23, 45}, 15, {2008, 3, 1, 0, 0}},
        SchrittFall{"Monat13", {2008, 13, 31, 23, 45}, 15, {2009, 1, 1, 0, 0}},
        SchrittFall{"Stunde30", {2008, 7, 7, 30, 50}, 15, {2008, 7, 8, 0, 0}},
        SchrittFall{"NegativesIntervall", {2008, 7, 7, 11, 0}, -15, {2008, 7, 7, 11, -15}},
        SchrittFall{"GrossesIntervall", {2008, 7, 7, 11, INT_MAX}, INT_MAX, {2008, 7, 7, 12, 0}},
        SchrittFall{"LetztesJahr", {INT_MAX, 12, 31, 23, 45}, 15, {2147483648LL, 1, 1, 0, 0}}),
    [](const testing::TestParamInfo<SchrittFall>& i) { return std::string(i.param.name); });

TEST(SimlaufZeitSchritt, FolgeMitSiebenMinuten) {
    Zeitpunkt t{2008, 7, 7, 11, 0};
    std::vector<std::int64_t> minuten;
    for (int i = 0; i < 9; ++i) {
        t = simlauf::ZeitSchritt(t, 7);
        minuten.push_back(t.Minute);
    }
    EXPECT_EQ(minuten, (std::vector<std::int64_t>{7, 14, 21, 28, 35, 42, 49, 56, 0}));
    EXPECT_EQ(t.Stunde, 12);
}

TEST(SimlaufZeitSchritt, EinTagInViertelstunden) {
    Zeitpunkt t{2008, 12, 31, 0, 0};
    for (int i = 0; i < 96; ++i)
        t = simlauf::ZeitSchritt(t, 15);
    EXPECT_EQ(t, (Zeitpunkt{2009, 1, 1, 0, 0}));
}

// ---------------------------------------------------------------------------------------
// Shown position and where the tracker is drawn

Simulationszustand Tag(double trackerPos, double lastPos) {
    Simulationszustand z;
    z.Azimut = trackerPos;
    z.Hoehe = 30;
    z.LastPos = lastPos;
    z.EndlageStart = 75;
    z.EndlageStop = -75;
    return z;
}

TEST(SimlaufLage, Rangfolge) {
    Simulationszustand z = Tag(180, 0);
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Sprung);
    z.Hoehe = -1;
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Nacht);
    z.MoveActive = true;
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Bewegung);
    z = Tag(180, 170);
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Position);
    z.Hoehe = 0; // on the horizon it is still day
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Position);
    z.LastPos = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Position);
    z.LastPos = 1e300;
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Sprung);
}

TEST(SimlaufLage, VergleichtDieNadel) {
    // Rows drawn 20 degrees off a needle at 180: the needle is where it should be.
    Simulationszustand z = Tag(180, 200);
    z.LastVersatz = 20;
    EXPECT_EQ(simlauf::BestimmeLage(z, 180), simlauf::Lage::Position);
    EXPECT_EQ(simlauf::BestimmeLage(z, 164), simlauf::Lage::Sprung);
    Simulationszustand ohne = z; // the same rows over a needle at 200
    ohne.LastVersatz = 0;
    EXPECT_EQ(simlauf::BestimmeLage(ohne, 180), simlauf::Lage::Sprung);
    simlauf::StarteSprung(z, 164);
    EXPECT_EQ(z.MovePos, 180);
    EXPECT_DOUBLE_EQ(z.MoveStep, 16 * 0.04);
}

TEST(SimlaufLage, AnschlaegeAuchMitAltemWestwert) {
    Simulationszustand z = Tag(300, 0);
    EXPECT_EQ(simlauf::GezeigtePosition(z, true), 285);
    EXPECT_EQ(simlauf::GezeigtePosition(z, false), 300);
    z.EndlageStop = 285; // before the first calculation: no west limit within reach
    EXPECT_EQ(simlauf::GezeigtePosition(z, true), 300);
    z.WinkelZurSonne = -250; // 50, east of the east stop
    EXPECT_EQ(simlauf::GezeigtePosition(z, true), 75);
}

// ---------------------------------------------------------------------------------------
// Moves

int TickeBisEnde(Simulationszustand& z, Zeitgeber& zg, int grenze = 1000) {
    int ticks = 0;
    while (zg.TimerMove && ticks < grenze) {
        simlauf::BewegeWeiter(z);
        ++ticks;
        simlauf::BeendeBewegung(z, zg);
    }
    return ticks;
}

struct BewegungsFall {
    const char* name;
    bool nacht; // night return (0.025) or jump move (0.04)
    double von, nach;
    int ticks;
};
class SimlaufBewegung : public testing::TestWithParam<BewegungsFall> {};

TEST_P(SimlaufBewegung, DauerUndEndlage) {
    const BewegungsFall c = GetParam();
    Simulationszustand z = Tag(c.nach, c.von);
    z.MorgenPos = c.nach;
    z.SimActive = true;
    Zeitgeber zg{true, false};
    if (c.nacht)
        simlauf::StarteNachtRueckkehr(z);
    else
        simlauf::StarteSprung(z, c.nach);
    simlauf::BewegungBeginnt(z, zg);
    EXPECT_EQ(zg, (Zeitgeber{false, true}));
    EXPECT_EQ(z.MovePos, c.von);
    EXPECT_EQ(z.MoveTarget, c.nach);
    EXPECT_TRUE(z.MoveActive);
    // Give or take one tick of rounding.
    const int ticks = TickeBisEnde(z, zg);
    EXPECT_GE(ticks, c.ticks);
    EXPECT_LE(ticks, c.ticks + 1);
    if (c.von == c.nach) {
        EXPECT_EQ(ticks, 1);
    }
    EXPECT_FALSE(z.MoveActive);
    EXPECT_EQ(zg, (Zeitgeber{true, false}));
    // Not clamped: the last tick may pass the target by less than one step.
    EXPECT_LE(std::fabs(z.MovePos - c.nach), std::fabs(z.MoveStep));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SimlaufBewegung,
    testing::Values(BewegungsFall{"SprungNachWesten", false, 100, 180, 25},
                    BewegungsFall{"SprungNachOsten", false, 180, 100, 25},
                    BewegungsFall{"SprungKnapp", false, 196, 180, 25},
                    BewegungsFall{"Nachtrueckkehr", true, 260, 62, 40},
                    BewegungsFall{"NachtrueckkehrRueckwaerts", true, 40, 62, 40},
                    BewegungsFall{"OhneWeg", true, 62, 62, 1}),
    [](const testing::TestParamInfo<BewegungsFall>& i) { return std::string(i.param.name); });

TEST(SimlaufBewegung, NachtrueckkehrErsetztLaufendeBewegung) {
    Simulationszustand z = Tag(180, 100);
    z.MorgenPos = 60;
    Zeitgeber zg;
    simlauf::StarteSprung(z, 180);
    simlauf::BewegungBeginnt(z, zg);
    simlauf::BewegeWeiter(z);
    // What the tick's repaint leaves: the rows 5 degrees ahead of the needle at MovePos.
    const double nadel = z.MovePos;
    z.LastPos = nadel + 5;
    z.LastVersatz = 5;
    simlauf::StarteNachtRueckkehr(z);
    EXPECT_EQ(z.MoveTarget, 60);
    EXPECT_EQ(z.MovePos, nadel); // the needle turns on from where it was
    EXPECT_DOUBLE_EQ(z.MoveStep, (nadel - 60) * 0.025);
}

TEST(SimlaufBewegung, OhneZahlEndetSofort) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int welches = 0; welches < 3; ++welches) {
        Simulationszustand z = Tag(180, 100);
        z.SimActive = true;
        Zeitgeber zg{false, false};
        simlauf::StarteSprung(z, 180);
        simlauf::BewegungBeginnt(z, zg);
        (welches == 0 ? z.MoveStep : welches == 1 ? z.MovePos : z.MoveTarget) = nan;
        EXPECT_EQ(TickeBisEnde(z, zg), 1) << welches;
        EXPECT_EQ(zg, (Zeitgeber{true, false}));
    }
}

// ---------------------------------------------------------------------------------------
// The state table: SimActive, Timer1, MoveActive, TimerMove through every transition.

struct Stand {
    bool SimActive, Timer1, MoveActive, TimerMove;
    friend bool operator==(const Stand&, const Stand&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Stand& s) {
        return os << "SimActive=" << s.SimActive << " Timer1=" << s.Timer1
                  << " MoveActive=" << s.MoveActive << " TimerMove=" << s.TimerMove;
    }
};
constexpr Stand Leerlauf{false, false, false, false};
constexpr Stand Laeuft{true, true, false, false};
constexpr Stand LaeuftMitBewegung{true, false, true, true};
constexpr Stand LeerlaufMitBewegung{false, false, true, true};

enum class Ereignis { Start, Stop, Sprung, Sonnenuntergang, Bewegungsende };

struct Uebergang {
    const char* name;
    Stand vorher;
    std::vector<Ereignis> ereignisse;
    Stand nachher;
};
class SimlaufZustaende : public testing::TestWithParam<Uebergang> {};

TEST_P(SimlaufZustaende, Tabelle) {
    const Uebergang& u = GetParam();
    Simulationszustand z = Tag(180, 100);
    z.MorgenPos = 60;
    z.SimActive = u.vorher.SimActive;
    z.MoveActive = u.vorher.MoveActive;
    if (z.MoveActive) {
        z.MovePos = 150;
        z.MoveTarget = 180;
        z.MoveStep = -1.2;
    }
    Zeitgeber zg{u.vorher.Timer1, u.vorher.TimerMove};
    for (Ereignis e : u.ereignisse) {
        switch (e) {
        case Ereignis::Start:
            simlauf::SimStart(z, zg);
            break;
        case Ereignis::Stop:
            simlauf::SimStop(z, zg);
            break;
        case Ereignis::Sprung:
            simlauf::StarteSprung(z, 180);
            simlauf::BewegungBeginnt(z, zg);
            break;
        case Ereignis::Sonnenuntergang:
            simlauf::StarteNachtRueckkehr(z);
            simlauf::BewegungBeginnt(z, zg);
            break;
        case Ereignis::Bewegungsende:
            TickeBisEnde(z, zg);
            break;
        }
    }
    EXPECT_EQ((Stand{z.SimActive, zg.Timer1, z.MoveActive, zg.TimerMove}), u.nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Uebergaenge, SimlaufZustaende,
    testing::Values(
        Uebergang{"Start", Leerlauf, {Ereignis::Start}, Laeuft},
        Uebergang{"Stop", Laeuft, {Ereignis::Stop}, Leerlauf},
        Uebergang{"SprungImLauf", Laeuft, {Ereignis::Sprung}, LaeuftMitBewegung},
        Uebergang{"SonnenuntergangImLauf", Laeuft, {Ereignis::Sonnenuntergang}, LaeuftMitBewegung},
        Uebergang{"EndeImLauf", LaeuftMitBewegung, {Ereignis::Bewegungsende}, Laeuft},
        Uebergang{"SprungImLeerlauf", Leerlauf, {Ereignis::Sprung}, LeerlaufMitBewegung},
        Uebergang{"SonnenuntergangImLeerlauf",
                  Leerlauf,
                  {Ereignis::Sonnenuntergang},
                  LeerlaufMitBewegung},
        Uebergang{"EndeImLeerlauf", LeerlaufMitBewegung, {Ereignis::Bewegungsende}, Leerlauf},
        // Stop during a move: the move timer keeps ticking, MoveActive is already clear, and
        // the end does not restart the time-lapse.
        Uebergang{"StopWaehrendBewegung",
                  LaeuftMitBewegung,
                  {Ereignis::Stop},
                  {false, false, false, true}},
        Uebergang{"StopWaehrendBewegungBisEnde",
                  LaeuftMitBewegung,
                  {Ereignis::Stop, Ereignis::Bewegungsende},
                  Leerlauf},
        // Start during a move: the time-lapse runs at once and stays on after the move.
        Uebergang{"StartWaehrendBewegung",
                  LeerlaufMitBewegung,
                  {Ereignis::Start},
                  {true, true, true, true}},
        Uebergang{"StartWaehrendBewegungBisEnde",
                  LeerlaufMitBewegung,
                  {Ereignis::Start, Ereignis::Bewegungsende},
                  Laeuft},
        Uebergang{"SonnenuntergangErsetztBewegung",
                  LaeuftMitBewegung,
                  {Ereignis::Sonnenuntergang, Ereignis::Bewegungsende},
                  Laeuft}),
    [](const testing::TestParamInfo<Uebergang>& i) { return std::string(i.param.name); });

TEST(SimlaufZustaende, StopWaehrendBewegungLaesstSieAuslaufen) {
    Simulationszustand z = Tag(180, 100);
    z.SimActive = true;
    Zeitgeber zg{true, false};
    simlauf::StarteSprung(z, 180);
    simlauf::BewegungBeginnt(z, zg);
    for (int i = 0; i < 5; ++i) {
        simlauf::BewegeWeiter(z);
        simlauf::BeendeBewegung(z, zg);
    }
    simlauf::SimStop(z, zg);
    const double pos = z.MovePos;
    simlauf::BewegeWeiter(z);
    EXPECT_FALSE(simlauf::BeendeBewegung(z, zg));
    EXPECT_DOUBLE_EQ(z.MovePos, pos + 3.2); // MovePos keeps moving
    EXPECT_NEAR(TickeBisEnde(z, zg), 19, 1);
    EXPECT_EQ(zg, (Zeitgeber{false, false}));
}

} // namespace
