// Cost of one sun position, one tracker rule and one whole calculation as the main window's
// driver runs it. The summary line compares the whole calculation with the sum of its parts
// (sun positions x one position + rules x one rule); the loop and bookkeeping around them
// should stay within 10 %.
#include "geometry/rechenlauf.h"
#include "geometry/sonnenposition.h"
#include "geometry/tracker.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int anzahl = 256; // inputs cycled through so nothing can be hoisted

struct Augenblick {
    int monat, tag;
    double stunden, breite, laenge;
};

const std::array<Augenblick, anzahl>& Augenblicke() {
    static const auto werte = [] {
        std::array<Augenblick, anzahl> a{};
        for (int i = 0; i < anzahl; ++i)
            a[i] = {1 + i % 12, 1 + (i * 7) % 28, (i * 37 % 96) * 0.25, 35.0 + i % 30,
                    -20.0 + i % 40};
        return a;
    }();
    return werte;
}

void BM_SonnenPosition(benchmark::State& state) {
    const auto& a = Augenblicke();
    int i = 0;
    for (auto _ : state) {
        const Augenblick& x = a[i++ & (anzahl - 1)];
        double az, h;
        SonnenPosition(2008, x.monat, x.tag, x.stunden, x.breite, x.laenge, az, h);
        benchmark::DoNotOptimize(az);
        benchmark::DoNotOptimize(h);
    }
}
BENCHMARK(BM_SonnenPosition)->Unit(benchmark::kNanosecond);

void BM_BerechneTracker(benchmark::State& state) {
    // Elevations over the sky as the searches meet them: below the horizon, low with a
    // correction, high without.
    std::array<double, anzahl> hoehen{};
    for (int i = 0; i < anzahl; ++i)
        hoehen[i] = -20 + i * (85.0 / anzahl);
    int i = 0;
    for (auto _ : state) {
        const TrackerRegel r = BerechneTracker(150, 160, 30, 1500, hoehen[i++ & (anzahl - 1)]);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_BerechneTracker)->Unit(benchmark::kNanosecond);

void BM_Rechenlauf(benchmark::State& state) {
    const auto& a = Augenblicke();
    int i = 0;
    double positionen = 0, regeln = 0;
    for (auto _ : state) {
        const Augenblick& x = a[i++ & (anzahl - 1)];
        RechenlaufEingabe e;
        e.Monat = x.monat;
        e.Tag = x.tag;
        e.Stunde = x.stunden;
        e.Phi = x.breite;
        e.Lam = x.laenge;
        const RechenlaufErgebnis r = Rechenlauf(e);
        benchmark::DoNotOptimize(r);
        positionen += r.zaehler.sonnenPositionen;
        regeln += r.zaehler.trackerRegeln;
    }
    state.counters["sonnenPositionen"] = positionen / state.iterations();
    state.counters["trackerRegeln"] = regeln / state.iterations();
}
BENCHMARK(BM_Rechenlauf)->Unit(benchmark::kNanosecond);

// Keeps what the runs report so the summary can relate them.
class Sammler : public benchmark::ConsoleReporter {
public:
    Sammler() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration) continue;
            zeit[r.run_name.function_name] = r.GetAdjustedCPUTime();
            for (const auto& [name, c] : r.counters)
                zaehler[name] = c.value;
        }
    }
    std::map<std::string, double> zeit, zaehler;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Sammler s;
    benchmark::RunSpecifiedBenchmarks(&s);
    benchmark::Shutdown();

    const auto finde = [](const std::map<std::string, double>& m, const char* k) {
        const auto it = m.find(k);
        return it == m.end() ? 0.0 : it->second;
    };
    const double tSonne = finde(s.zeit, "BM_SonnenPosition");
    const double tRegel = finde(s.zeit, "BM_BerechneTracker");
    const double tLauf = finde(s.zeit, "BM_Rechenlauf");
    const double n = finde(s.zaehler, "sonnenPositionen");
    const double m = finde(s.zaehler, "trackerRegeln");
    const double teile = n * tSonne + m * tRegel;
    if (tSonne > 0 && tRegel > 0 && tLauf > 0 && teile > 0)
        std::printf("Summary: SonnenPosition %.1f ns, BerechneTracker %.1f ns, Rechenlauf %.0f ns; "
                    "%.1f sun positions, %.1f tracker rules; ratio %.3f (goal <= 1.10)\n",
                    tSonne, tRegel, tLauf, n, m, tLauf / teile);
    return 0;
}
