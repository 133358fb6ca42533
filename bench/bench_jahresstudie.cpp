// The year study against its floor: the bare sun positions of the same instants. Reports
// time per instant and the ratio to the floor measured in the same run (goal: at most 1.5 at
// 1-minute steps), and the sensitivity sweep of 41 values: at 5-minute steps on every core in
// real time, and at 1-minute steps in CPU seconds of all its threads against the same floor
// (goal: at most 1 s of CPU).
#include "geometry/jahresstudie.h"
#include "geometry/sonnenposition.h"
#include "geometry/tracker.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

constexpr int Jahr = 2026;
double gBoden = 0; // CPU seconds of the bare sun positions of a year at 1-minute steps

// This thread's CPU time: a loaded machine stretches wall time, not this.
double Cpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}
// The whole process's, for a run on several threads.
double ProzessCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

double Sonnenpositionen(int schritt) {
    RechenlaufEingabe e;
    double summe = 0;
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1; tag <= TageImMonat(Jahr, monat); ++tag)
            for (int minute = 0; minute < 24 * 60; minute += schritt) {
                double az = 0, h = 0;
                SonnenPosition(Jahr, monat, tag, minute / 60.0, e.Phi, e.Lam, az, h);
                summe += h;
            }
    return summe;
}

void BM_SonnenpositionenJahr(benchmark::State& state) {
    for (auto _ : state) {
        const double t0 = Cpu();
        benchmark::DoNotOptimize(Sonnenpositionen(1));
        gBoden = Cpu() - t0;
    }
    state.counters["ns_je_Augenblick"] = gBoden * 1e9 / (365 * 1440);
}
BENCHMARK(BM_SonnenpositionenJahr)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_JahresstudieMinutenschritt(benchmark::State& state) {
    RechenlaufEingabe e;
    e.Jahr = Jahr;
    double zeit = 0;
    for (auto _ : state) {
        const double t0 = Cpu();
        benchmark::DoNotOptimize(jahresstudie::Rechne(e, 1));
        zeit = Cpu() - t0;
    }
    state.counters["ns_je_Augenblick"] = zeit * 1e9 / (365 * 1440);
    state.counters["xBoden"] = gBoden > 0 ? zeit / gBoden : 0;
}
BENCHMARK(BM_JahresstudieMinutenschritt)->Unit(benchmark::kMillisecond)->Iterations(3);

// 41 values of the east-stop error at 5-minute steps, on every core: the sweep the window and
// heliowendler-calc --variiere run.
void BM_Variation41(benchmark::State& state) {
    RechenlaufEingabe e;
    e.Jahr = Jahr;
    const std::vector<double> werte = jahresstudie::Werte(-20, 20, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            jahresstudie::Variiere(e, &RechenlaufEingabe::EndlageStartErr, werte, 5));
}
BENCHMARK(BM_Variation41)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The same 41 values at 1-minute steps: CPU seconds of every thread, and their ratio to the
// bare sun positions of one year (each value's study alone costs about that floor).
void BM_Variation41Minutenschritt(benchmark::State& state) {
    RechenlaufEingabe e;
    e.Jahr = Jahr;
    const std::vector<double> werte = jahresstudie::Werte(-20, 20, 1);
    double zeit = 0;
    for (auto _ : state) {
        const double t0 = ProzessCpu();
        benchmark::DoNotOptimize(
            jahresstudie::Variiere(e, &RechenlaufEingabe::EndlageStartErr, werte, 1));
        zeit = ProzessCpu() - t0;
    }
    state.counters["cpu_s"] = zeit;
    state.counters["xBoden"] = gBoden > 0 ? zeit / gBoden : 0;
}
BENCHMARK(BM_Variation41Minutenschritt)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
