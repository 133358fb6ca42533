// The year study on a measured series against its floor: the bare sun positions of the same
// rows. An hourly year (8760 rows) through the whole study on one core (goal: under 50 ms), a
// one-minute year (525,600 rows), and the sweep of 41 values of the east-stop error on the
// hourly year; each reports its CPU milliseconds and the ratio to the floor measured in the
// same run.
#include "geometry/jahresstudie.h"
#include "geometry/messreihe.h"
#include "geometry/sonnenposition.h"
#include "geometry/wetterjahr.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

namespace {

constexpr int Jahr = 2026;
constexpr double zuRad = 3.14159265358979323846 / 180;

// This thread's CPU time: a loaded machine stretches wall time, not this.
double Cpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}
double ProzessCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// A year at the home site every schritt minutes, with made-up weather: the clear-sky beam,
// every third day overcast, otherwise hazy; each row at the middle of its interval.
messreihe::Reihe Jahresreihe(int schritt) {
    messreihe::Reihe r;
    r.ort = {50.53, 14.48, 300};
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1; tag <= TageImMonat(Jahr, monat); ++tag)
            for (int minute = 0; minute < 24 * 60; minute += schritt) {
                messreihe::Messung m;
                m.jahr = Jahr;
                m.monat = monat;
                m.tag = tag;
                m.stunden = (minute + schritt / 2.0) / 60;
                m.dauer = schritt / 60.0;
                m.zaehlmonat = monat;
                double azimut = 0, hoehe = 0;
                SonnenPosition(Jahr, monat, tag, m.stunden, r.ort.breite, -r.ort.laengeOst, azimut,
                               hoehe);
                const double s = std::max(0.0, std::sin(hoehe * zuRad));
                const double klar = jahresstudie::Direktstrahlung(90 - hoehe);
                m.dni = tag % 3 == 0 ? 0 : 0.85 * klar;
                m.dhi = tag % 3 == 0 ? 0.3 * (klar + 60) * s : 0.1 * m.dni * s + 40 * std::sqrt(s);
                m.ghi = m.dni * s + m.dhi;
                r.messungen.push_back(m);
            }
    return r;
}

const messreihe::Reihe& Stuendlich() {
    static const messreihe::Reihe r = Jahresreihe(60);
    return r;
}
const messreihe::Reihe& Minuetlich() {
    static const messreihe::Reihe r = Jahresreihe(1);
    return r;
}

// CPU seconds of the bare sun positions of each series' rows, measured first.
double gBodenStunde = 0, gBodenMinute = 0;

double Sonnenpositionen(const messreihe::Reihe& r) {
    double summe = 0;
    for (const messreihe::Messung& m : r.messungen) {
        double azimut = 0, hoehe = 0;
        SonnenPosition(m.jahr, m.monat, m.tag, m.stunden, r.ort.breite, -r.ort.laengeOst, azimut,
                       hoehe);
        summe += hoehe;
    }
    return summe;
}

void Boden(benchmark::State& state, const messreihe::Reihe& r, double& boden) {
    double zeit = 0;
    int laeufe = 0;
    for (auto _ : state) {
        const double t0 = Cpu();
        benchmark::DoNotOptimize(Sonnenpositionen(r));
        zeit += Cpu() - t0;
        ++laeufe;
    }
    boden = zeit / laeufe;
    state.counters["cpu_ms"] = boden * 1e3;
}

void BM_SonnenpositionenStundenjahr(benchmark::State& state) {
    Stuendlich();
    Boden(state, Stuendlich(), gBodenStunde);
}
BENCHMARK(BM_SonnenpositionenStundenjahr)->Unit(benchmark::kMillisecond)->Iterations(20);

// The whole study on the hourly year, one core: the searches of each date, the sun, the three
// ways, Perez, the losses.
void BM_WetterjahrStuendlich(benchmark::State& state) {
    const RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, Stuendlich().ort);
    double zeit = 0;
    int laeufe = 0;
    for (auto _ : state) {
        const double t0 = Cpu();
        benchmark::DoNotOptimize(wetterjahr::Rechne(e, Stuendlich()));
        zeit += Cpu() - t0;
        ++laeufe;
    }
    zeit /= laeufe;
    state.counters["cpu_ms"] = zeit * 1e3;
    state.counters["xBoden"] = gBodenStunde > 0 ? zeit / gBodenStunde : 0;
}
BENCHMARK(BM_WetterjahrStuendlich)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_SonnenpositionenMinutenjahr(benchmark::State& state) {
    Minuetlich();
    Boden(state, Minuetlich(), gBodenMinute);
}
BENCHMARK(BM_SonnenpositionenMinutenjahr)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WetterjahrMinuetlich(benchmark::State& state) {
    const RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, Minuetlich().ort);
    double zeit = 0;
    int laeufe = 0;
    for (auto _ : state) {
        const double t0 = Cpu();
        benchmark::DoNotOptimize(wetterjahr::Rechne(e, Minuetlich()));
        zeit += Cpu() - t0;
        ++laeufe;
    }
    zeit /= laeufe;
    state.counters["cpu_ms"] = zeit * 1e3;
    state.counters["xBoden"] = gBodenMinute > 0 ? zeit / gBodenMinute : 0;
}
BENCHMARK(BM_WetterjahrMinuetlich)->Unit(benchmark::kMillisecond)->Iterations(3);

// 41 values of the east-stop error on the hourly year: CPU of all threads, against the floor.
void BM_Variation41Stuendlich(benchmark::State& state) {
    const RechenlaufEingabe e = wetterjahr::AmOrt(RechenlaufEingabe{}, Stuendlich().ort);
    const std::vector<double> werte = jahresstudie::Werte(-20, 20, 1);
    double zeit = 0;
    int laeufe = 0;
    for (auto _ : state) {
        const double t0 = ProzessCpu();
        benchmark::DoNotOptimize(
            wetterjahr::Variiere(e, Stuendlich(), {}, &RechenlaufEingabe::EndlageStartErr, werte));
        zeit += ProzessCpu() - t0;
        ++laeufe;
    }
    zeit /= laeufe;
    state.counters["cpu_ms"] = zeit * 1e3;
    state.counters["xBoden"] = gBodenStunde > 0 ? zeit / gBodenStunde : 0;
}
BENCHMARK(BM_Variation41Stuendlich)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
